#include "SetUpAddOn.h"

#include "ui_SetUpAddOn.h"

#include "AddOnSetup.h"
#include "DialogKeys.h"
#include "FolderListing.h"
#include "Liblist.h"
#include "MessageBox.h"
#include "Session.h"

#include <QDir>
#include <QFileDialog>

using namespace Qt::Literals::StringLiterals;

namespace {

bool isWindowsLibrary(const QString &path)
{
    return path.endsWith(".dll"_L1, Qt::CaseInsensitive);
}

void fill(QComboBox *box, const QStringList &libraries)
{
    box->addItem(SetUpAddOn::tr("None"), QString());
    for (const QString &library : libraries)
        box->addItem(QDir::toNativeSeparators(library), library);
}

QString chosen(const QComboBox *box)
{
    return box->currentData().toString();
}

} // namespace

SetUpAddOn::SetUpAddOn(Session &session, std::optional<BotType> addOn, const QStringList &preselected, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::SetUpAddOn>())
    , m_session(session)
    , m_gameDir(session.gameDir())
{
    m_ui->setupUi(this);
    DialogKeys::attach(this);
    setAttribute(Qt::WA_DeleteOnClose);
    for (const BotInfo &bot : BotCatalogue::all()) {
        if (bot.type != BotType::OriginalCS)
            m_ui->addOnBox->addItem(QString(bot.botName), int(bot.type));
    }
    // Bounded by depth and count, so that a game folder of any size is listed at once.
    const AddOnSetup::Libraries found = AddOnSetup::findLibraries(m_gameDir);
    fill(m_ui->windowsLibraryBox, found.windowsLibraries);
    fill(m_ui->linuxLibraryBox, found.linuxLibraries);
    if (found.windowsLibraries.isEmpty() && found.linuxLibraries.isEmpty())
        m_ui->introLabel->setText(m_ui->introLabel->text() + u' '
                                  + tr("No game library of an add-on was found in the game folder: put the add-on's "
                                       "files into it, or choose its library with Browse."));
    else if (found.cut)
        m_ui->introLabel->setText(m_ui->introLabel->text() + u' '
                                  + tr("The game folder is large: only its first %1 entries were searched; choose a "
                                       "library deeper down with Browse.")
                                        .arg(AddOnSetup::mostEntries));

    connect(m_ui->addOnBox, &QComboBox::currentIndexChanged, this, &SetUpAddOn::chooseNamedLibraries);
    connect(m_ui->windowsLibraryBox, &QComboBox::currentIndexChanged, this, &SetUpAddOn::showNote);
    connect(m_ui->linuxLibraryBox, &QComboBox::currentIndexChanged, this, &SetUpAddOn::showNote);
    connect(m_ui->windowsBrowseButton, &QPushButton::clicked, this, [this] { browse(m_ui->windowsLibraryBox); });
    connect(m_ui->linuxBrowseButton, &QPushButton::clicked, this, [this] { browse(m_ui->linuxLibraryBox); });
    connect(m_ui->setUpButton, &QPushButton::clicked, this, &SetUpAddOn::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &SetUpAddOn::reject);

    if (addOn)
        chooseAddOn(*addOn);
    chooseNamedLibraries();
    for (const QString &path : preselected)
        chooseLibrary(path);
    showNote();
}

SetUpAddOn::~SetUpAddOn() = default;

void SetUpAddOn::chooseAddOn(BotType type)
{
    m_ui->addOnBox->setCurrentIndex(m_ui->addOnBox->findData(int(type)));
}

bool SetUpAddOn::chooseLibrary(const QString &path, QString *errorString)
{
    const std::optional<QString> library
        = AddOnSetup::libraryPath(m_gameDir, QDir(m_gameDir).absoluteFilePath(path), errorString);
    if (!library)
        return false;
    QComboBox *box = isWindowsLibrary(*library) ? m_ui->windowsLibraryBox : m_ui->linuxLibraryBox;
    if (!isWindowsLibrary(*library) && !library->endsWith(".so"_L1, Qt::CaseInsensitive)) {
        if (errorString)
            *errorString = tr("\"%1\" is no game library: the Windows game loads a .dll, the Linux game a .so.")
                               .arg(QDir::toNativeSeparators(path));
        return false;
    }
    int index = box->findData(*library);
    if (index < 0) {
        box->addItem(QDir::toNativeSeparators(*library), *library);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
    return true;
}

void SetUpAddOn::browse(QComboBox *box)
{
    const bool windows = box == m_ui->windowsLibraryBox;
    const QString file = QFileDialog::getOpenFileName(
        this, windows ? tr("Choose the Windows game library") : tr("Choose the Linux game library"), m_gameDir,
        windows ? tr("Windows game libraries (*.dll)") : tr("Linux game libraries (*.so)"));
    if (file.isEmpty())
        return;
    QString error;
    if (!chooseLibrary(file, &error))
        MessageBox::information(this, error);
}

void SetUpAddOn::chooseNamedLibraries()
{
    // The libraries that carry the add-on's name in their path are most likely its own: "dlls/rambot_i386.so". A
    // folder with a single add-on library holds only the files of the add-on just dropped in.
    const QString name = m_ui->addOnBox->currentText();
    for (QComboBox *box : {m_ui->windowsLibraryBox, m_ui->linuxLibraryBox}) {
        int chosen = box->count() == 2 ? 1 : 0;
        for (int i = 1; i < box->count(); ++i) {
            if (box->itemData(i).toString().contains(name, Qt::CaseInsensitive)) {
                chosen = i;
                break;
            }
        }
        box->setCurrentIndex(chosen);
    }
    showNote();
}

void SetUpAddOn::showNote()
{
    LiblistInfo info;
    if (const QString windows = chosen(m_ui->windowsLibraryBox); !windows.isEmpty())
        info.gamedll = windows;
    if (const QString linuxLibrary = chosen(m_ui->linuxLibraryBox); !linuxLibrary.isEmpty())
        info.gamedllLinux = linuxLibrary;
    m_ui->noteLabel->setText(!info.gamedll && !info.gamedllLinux
                                 ? QString()
                                 : AddOnSetup::missingLibraryNote(m_ui->addOnBox->currentText(), info));
}

void SetUpAddOn::accept()
{
    const BotType type = BotType(m_ui->addOnBox->currentData().toInt());
    const QString botName(BotCatalogue::info(type).botName);
    const AddOnSetup::Pair libraries{chosen(m_ui->windowsLibraryBox), chosen(m_ui->linuxLibraryBox)};
    if (libraries.windowsLibrary.isEmpty() && libraries.linuxLibrary.isEmpty()) {
        MessageBox::information(this, tr("Choose the Windows game library, the Linux game library or both."));
        return;
    }
    const QString variant = BotCatalogue::liblistVariant(type);
    if (AddOnSetup::isSetUp(m_gameDir, botName)
        && !MessageBox::yesNo(this, tr("The game folder holds \"%1\" already. Replace it?").arg(variant)))
        return;
    QString error;
    if (!AddOnSetup::setUp(m_gameDir, botName, libraries, &error)) {
        MessageBox::information(this, tr("Trevlin could not write \"%1\": %2").arg(variant, error));
        return;
    }
    const QString note = AddOnSetup::missingLibraryNote(botName, Liblist::read(FolderListing(m_gameDir).find(variant)));
    if (!note.isEmpty())
        MessageBox::information(this, tr("%1 is set up. %2.").arg(botName, note));
    Q_EMIT addOnSetUp(type);
    QDialog::accept();
}
