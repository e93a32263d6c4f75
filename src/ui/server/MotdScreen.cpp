#include "MotdScreen.h"

#include "ui_MotdScreen.h"

#include "DialogKeys.h"
#include "MessageBox.h"
#include "MotdFile.h"
#include "Pictures.h"
#include "Session.h"

#include <QFontDatabase>

using namespace Qt::Literals::StringLiterals;

MotdScreen::MotdScreen(const Session &session, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::MotdScreen>())
    , m_session(session)
{
    m_ui->setupUi(this);
    DialogKeys::attach(this);
    // The window has no caption: an empty title would show the program's name in its place.
    setWindowTitle(u" "_s);
    setAccessibleName(tr("Edit Server Text"));
    m_ui->Picture1->setPixmap(Pictures::pixmap(Pictures::serverConfig, devicePixelRatioF()));
    // The game shows the message in a fixed-pitch font, so lines that line up here line up there.
    m_ui->Text1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Read once per opening: coming back to the window from another one keeps what is being typed.
    const MotdFile::ReadResult read = MotdFile::read(m_session.gameDir());
    if (!read.message.isEmpty())
        MessageBox::information(parent ? parent : this, read.message);
    m_ui->Text1->setPlainText(read.text);
    m_read = m_ui->Text1->toPlainText();
    m_ui->Text1->moveCursor(QTextCursor::End);
    m_ui->Text1->setFocus();
    connect(m_ui->Command1, &QPushButton::clicked, this, &MotdScreen::accept);
    connect(m_ui->Command2, &QPushButton::clicked, this, &MotdScreen::discard);
}

MotdScreen::~MotdScreen() = default;

void MotdScreen::accept()
{
    if (const QString why = MotdFile::write(m_session.gameDir(), m_ui->Text1->toPlainText()); !why.isEmpty()) {
        MessageBox::information(this, why);
        return;
    }
    QDialog::accept();
    deleteLater();
}

void MotdScreen::reject()
{
    // Escape and the close box ask before edits are lost; the Cancel button is the answer given beforehand.
    if (MessageBox::mayCloseDialog(
            this, m_ui->Text1->toPlainText() != m_read,
            tr("The message of the day has changes that are not saved. Do you want to save them?")))
        discard();
}

void MotdScreen::discard()
{
    QDialog::reject();
    deleteLater();
}
