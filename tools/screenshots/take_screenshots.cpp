// Opens the main window on a game folder, chooses RamBot, opens its roster editor with a saved roster and its add
// dialog, and saves a picture of each window into a folder: what a user sees, in the palette and at the scale the
// program runs with. "dark" as the third argument gives the windows a dark palette, as a dark desktop theme does;
// a language code as the fourth shows the texts in that language.
#include "AppSettings.h"
#include "MainScreen.h"
#include "OpenScreen.h"
#include "RandomSource.h"
#include "RosterWindow.h"
#include "Session.h"
#include "Translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPalette>
#include <QPushButton>
#include <QSettings>
#include <QStyleFactory>
#include <QTimer>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

QPalette darkPalette()
{
    QPalette palette;
    const QColor window(0x2b, 0x2e, 0x33);
    const QColor base(0x1f, 0x22, 0x26);
    const QColor text(0xe8, 0xea, 0xed);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0x7a, 0xd6));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::PlaceholderText, QColor(0x9a, 0xa0, 0xa6));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0x7a, 0x7f, 0x85));
    return palette;
}

// Lets the window lay itself out and paint before its picture is taken.
bool save(QWidget *window, const QString &path)
{
    QEventLoop settle;
    QTimer::singleShot(300, &settle, &QEventLoop::quit);
    settle.exec();
    return window->grab().save(path);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 3) {
        std::fputs("usage: take_screenshots GAME_DIR OUTPUT_PREFIX [dark|light [LANGUAGE]]\n", stderr);
        return 2;
    }
    const QString gameDir = arguments.at(1);
    const QString prefix = arguments.at(2);
    if (arguments.value(3) == "dark"_L1) {
        QApplication::setStyle(QStyleFactory::create(u"Fusion"_s));
        QApplication::setPalette(darkPalette());
    }

    const QString language = Translations::match(arguments.value(4, Translations::english));
    const Translations translations(language);
    app.setProperty(Translations::languageProperty, language);

    Session session;
    AppSettings settings(AppSettings::openFile(QDir(gameDir).filePath(u"../screenshots.conf"_s)));
    settings.setValue(AppSettings::Key::GameDir, gameDir);
    settings.setValue(AppSettings::Family::AutostartFile, u"RamBot"_s, u"rambots.cfg"_s);
    RandomSource random;
    MainScreen window(session, settings, random);
    window.show();
    window.startUp();
    window.findChild<QAbstractButton *>(u"Option2"_s)->click();
    bool saved = save(&window, prefix + u"main.png"_s);

    window.findChild<QAbstractButton *>(u"Command2"_s)->click();
    auto *editor = window.findChild<RosterWindow *>();
    editor->findChild<QAction *>(u"Open"_s)->trigger();
    auto *open = editor->findChild<OpenScreen *>();
    open->selectFile(u"rambots.cfg"_s);
    open->findChild<QPushButton *>(u"Command1"_s)->click();
    saved = save(editor, prefix + u"editor.png"_s) && saved;

    editor->findChild<QPushButton *>(u"Command3"_s)->click();
    auto *add = editor->findChild<QDialog *>(u"AddScreen"_s);
    saved = add && save(add, prefix + u"dialog.png"_s) && saved;
    return saved ? 0 : 1;
}
