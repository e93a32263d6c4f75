#include "FileBrowser.h"
#include "MainScreenHarness.h"
#include "MessageAnswerer.h"
#include "Roster.h"
#include "RosterDocument.h"
#include "RosterWindow.h"
#include "TestFiles.h"

#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

// A main window over a set-up game folder with RamBot, NNBot, PLBot and the plain game, and a roster file of each
// add-on in the game folder.
struct Frame : MainScreenHarness
{
    Frame()
    {
        for (const QString &bot : {u"RamBot"_s, u"NNBot"_s, u"PLBot"_s})
            game.write(bot.toLower() + u"s.cfg"_s, TestFiles::roster(bot));
        start({u"RamBot liblist.gam"_s, u"NNBot liblist.gam"_s, u"PLBot liblist.gam"_s});
    }

    QString label() const { return find<QLabel>(u"Label2"_s)->text(); }
};

} // namespace

class TestAutostart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chooseFile_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("how"); // "OK", "double click" or "typed"
        QTest::addColumn<bool>("refused");
        QTest::newRow("picked, OK") << u"Option2"_s << u"rambots.cfg"_s << u"OK"_s << false;
        QTest::newRow("double click") << u"Option2"_s << u"rambots.cfg"_s << u"double click"_s << false;
        QTest::newRow("typed") << u"Option2"_s << u"rambots.cfg"_s << u"typed"_s << false;
        QTest::newRow("another add-on's roster") << u"Option2"_s << u"nnbots.cfg"_s << u"OK"_s << true;
        // The plain game runs no roster file: the folder button opens nothing.
        QTest::newRow("the plain game") << u"Option7"_s << QString() << QString() << true;
    }

    void chooseFile()
    {
        QFETCH(QString, option);
        QFETCH(QString, file);
        QFETCH(QString, how);
        QFETCH(bool, refused);
        Frame f;
        f.game.write(u"bot.cfg"_s, "old");
        f.press(option);
        f.press(u"folder"_s);
        QPointer<QWidget> dialog = f.window->findChild<QWidget *>(u"ConfigFile"_s);
        QCOMPARE(dialog && dialog->isVisible(), option != u"Option7"_s);
        if (!dialog)
            return;

        MessageAnswerer answerer;
        if (how == "typed"_L1) {
            QTest::keyClicks(dialog->findChild<QLineEdit *>(u"Path1"_s), file);
            QCOMPARE(dialog->findChild<FileBrowser *>()->selectedFile(), file);
        } else {
            Widgets::clickItem(dialog->findChild<QListWidget *>(u"File1"_s), file, how == "double click"_L1);
        }
        if (how != "double click"_L1)
            dialog->findChild<QPushButton *>(u"Command1"_s)->click();

        QCOMPARE(answerer.answered(), refused);
        QCOMPARE(dialog && dialog->isVisible(), refused);
        QCOMPARE(f.label(), refused ? u"None"_s : file);
        QCOMPARE(f.game.read(u"bot.cfg"_s), refused ? QByteArray("old") : TestFiles::roster(u"RamBot"_s));
        if (refused)
            dialog->findChild<QPushButton *>(u"Command2"_s)->click();
        QTRY_VERIFY(!dialog);

        // No Autostart File takes the file away again.
        f.press(u"cancel"_s);
        QCOMPARE(f.label(), u"None"_s);
        QVERIFY(!f.game.exists(u"bot.cfg"_s));
    }

    // A double click on the file's name opens it in its editor, asking first about unsaved bots. The game runs the
    // autostart copy: saving the chosen roster again copies it again, and saving another roster does not touch it.
    void doubleClickOpensTheFileInItsEditor_data()
    {
        QTest::addColumn<bool>("unsaved"); // the editor is open already, with bots no file holds
        QTest::addColumn<QDialogButtonBox::StandardButton>("answer");
        QTest::addColumn<QString>("savedAs"); // then, with a bot more; empty: not saved
        QTest::newRow("read in, saved again") << false << QDialogButtonBox::Ok << u"rambots.cfg"_s;
        QTest::newRow("read in, saved as another roster") << false << QDialogButtonBox::Ok << u"other.cfg"_s;
        QTest::newRow("unsaved bots given up") << true << QDialogButtonBox::No << QString();
        QTest::newRow("unsaved bots kept") << true << QDialogButtonBox::Cancel << QString();
    }

    void doubleClickOpensTheFileInItsEditor()
    {
        QFETCH(bool, unsaved);
        QFETCH(QDialogButtonBox::StandardButton, answer);
        QFETCH(QString, savedAs);
        Frame f;
        f.settings->setValue(AppSettings::Family::AutostartFile, u"RamBot"_s, u"rambots.cfg"_s);
        f.game.write(u"bot.cfg"_s, TestFiles::roster(u"RamBot"_s));
        f.press(u"Option2"_s);
        if (unsaved) {
            f.press(u"Command2"_s); // "Edit RamBot Bots"
            f.window->findChild<RosterWindow *>()->document().append(
                {u"Unsaved"_s, u"Terrorist"_s, u"1"_s, u"Random"_s});
        }
        MessageAnswerer answerer(answer);
        QTest::mouseDClick(f.find(u"Label2"_s), Qt::LeftButton);
        RosterWindow *editor = f.window->findChild<RosterWindow *>();
        QVERIFY(editor && editor->isVisible());
        QCOMPARE(editor->windowTitle(), u"RamBot Bots"_s);
        QCOMPARE(answerer.answered(), unsaved);
        const bool read = answer != QDialogButtonBox::Cancel;
        QCOMPARE(editor->document().roster().entries().value(0).name, read ? u"Alpha"_s : u"Unsaved"_s);
        QCOMPARE(QFileInfo(editor->document().fileName()).fileName(), read ? u"rambots.cfg"_s : QString());
        if (savedAs.isEmpty())
            return;

        editor->document().append(editor->document().roster().entries().first());
        editor->findChild<QAction *>(u"Save"_s)->trigger();
        auto *save = editor->findChild<QDialog *>(u"SaveScreen"_s);
        auto *name = save->findChild<QLineEdit *>(u"Text1"_s);
        name->setText(savedAs);
        save->findChild<QPushButton *>(u"Command1"_s)->click();
        QCOMPARE(f.game.read(savedAs).count("addbot"), 2);
        const bool copied = savedAs == u"rambots.cfg"_s;
        QCOMPARE(f.game.read(u"bot.cfg"_s), copied ? f.game.read(savedAs) : TestFiles::roster(u"RamBot"_s));
        // The status line tells of the copy, and only when there is one.
        QCOMPARE(f.find<QLineEdit>(u"Text2"_s)->text().contains(u"copied to bot.cfg"_s), copied);
    }
};

QTEST_MAIN(TestAutostart)
#include "tst_autostart.moc"
