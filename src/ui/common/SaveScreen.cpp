#include "SaveScreen.h"

#include "ui_SaveScreen.h"

#include "DialogKeys.h"
#include "FileBrowser.h"
#include "MessageBox.h"
#include "RosterDocument.h"
#include "RosterFormat.h"

#include <QFileInfo>
#include <QPointer>

using namespace Qt::Literals::StringLiterals;

SaveScreen::SaveScreen(const QString &gameDir, RosterDocument &document, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::SaveScreen>())
    , m_document(document)
{
    m_ui->setupUi(this);
    DialogKeys::attach(this);
    setAttribute(Qt::WA_DeleteOnClose);
    if (document.format().fileButtonMnemonics) {
        m_ui->Command1->setText(tr("&Save"));
        m_ui->Command2->setText(tr("&Cancel"));
    }
    setWindowTitle(caption(document.botName()));
    m_ui->browser->showConfigFiles(gameDir);
    // Saving again goes to the file the roster came from, unless another name is typed over it.
    if (const QString current = document.fileName(); !current.isEmpty()) {
        m_ui->Text1->setText(QFileInfo(current).fileName());
        m_ui->Text1->selectAll();
    }
    // Typing starts the file name at once.
    m_ui->Text1->setFocus();

    connect(m_ui->browser, &FileBrowser::fileSelected, m_ui->Text1, &QLineEdit::setText);
    connect(m_ui->browser, &FileBrowser::fileDoubleClicked, this, [this](const QString &name) {
        m_ui->Text1->setText(name);
        save();
    });
    connect(m_ui->Command1, &QPushButton::clicked, this, &SaveScreen::save);
    connect(m_ui->Command2, &QPushButton::clicked, this, &SaveScreen::reject);
}

SaveScreen::~SaveScreen() = default;

QString SaveScreen::caption(const QString &botName)
{
    return tr("Save %1 Config File").arg(botName);
}

void SaveScreen::save()
{
    // The dialog stays usable while the editor deletes bots; a file without bots could not be opened again.
    if (m_document.isEmpty()) {
        MessageBox::information(this, RosterFormat::noBotsMessage());
        return;
    }
    // Blanks around a typed name are slips of the keyboard, not part of the name.
    QString name = m_ui->Text1->text().trimmed();
    if (name.isEmpty()) {
        MessageBox::information(this, tr("You have to enter a filename"));
        return;
    }
    // Exactly ".cfg": a name typed as "bots.CFG" still gets the extension the game looks for.
    if (!name.endsWith(".cfg"_L1, Qt::CaseSensitive))
        name += ".cfg"_L1;

    const QString path = m_ui->browser->filePath(name);
    // The roster's own file is saved over without a word; any other is another roster, which would be lost.
    if (QFileInfo(path).isFile() && QFileInfo(path) != QFileInfo(m_document.fileName())
        && !MessageBox::yesNo(this, tr("%1 already exists. Replace it?").arg(name))) {
        return;
    }
    if (const QString error = m_document.save(path); !error.isEmpty()) {
        MessageBox::information(this, error);
        return;
    }
    const QPointer<SaveScreen> self(this);
    Q_EMIT saved();
    if (self)
        accept();
}
