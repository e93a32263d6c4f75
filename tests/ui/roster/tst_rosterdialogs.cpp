#include "FolderTree.h"
#include "GameDirFixture.h"
#include "MessageAnswerer.h"
#include "OpenScreen.h"
#include "Roster.h"
#include "RosterAddOn.h"
#include "RosterDocument.h"
#include "RosterOptions.h"
#include "SaveScreen.h"
#include "TestFiles.h"
#include "Widgets.h"

#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QByteArray twoBots = TestFiles::roster(u"NNBot"_s, "addbot 1 1 Alpha 3\r\naddbot 2 4 Bravo 5\r\n");
const QByteArray oneBot = TestFiles::roster(u"NNBot"_s, "addbot 1 1 Old 4\r\n"); // what the editor below holds
const RosterEntry oldBot{u"Old"_s, u"Terrorist"_s, u"4"_s, u"Phoenix Connection"_s};
const QString saveFirst = u"Before You Open A New One?"_s; // the end of the question asked

// What an NNBot editor holds while its dialogs are open: one bot, with unsaved changes.
struct Editor
{
    GameDirFixture game;
    const QString gameDir = QDir::toNativeSeparators(game.gameDir());
    RosterDocument document{*RosterAddOn::find(u"NNBot")};
    QTemporaryDir elsewhere;
    QWidget window; // the dialogs' parent: they go before the document they point at

    Editor() { document.append(oldBot); }
    // Saves the bot outside the game folder, so that nothing is unsaved.
    void save() { QCOMPARE(document.save(elsewhere.filePath(u"saved.cfg"_s)), QString()); }
    const Roster &roster() const { return document.roster(); }
    template<typename Dialog> Dialog *open()
    {
        auto *dialog = new Dialog(gameDir, document, &window);
        dialog->show();
        return dialog;
    }
    QDialog *open(bool save) { return save ? static_cast<QDialog *>(open<SaveScreen>()) : open<OpenScreen>(); }
    QStringList files() const { return QDir(game.gameDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }
};

template<typename T = QAbstractButton> T *child(QWidget *dialog, const QString &name)
{
    return Widgets::child<T>(dialog, name);
}

void clickFile(QWidget *dialog, const QString &name, bool twice = false)
{
    Widgets::clickItem(child<QListWidget>(dialog, u"File1"_s), name, twice);
}

} // namespace

class TestRosterDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsCfgFilesAndCancelChangesNothing_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("open") << false;
        QTest::newRow("save") << true;
    }
    void listsCfgFilesAndCancelChangesNothing()
    {
        QFETCH(bool, save);
        Editor e;
        for (const QString &name : {u"C.CFG"_s, u"bots.cfg"_s, u"a.Cfg"_s, u"a.txt"_s, u"c.cfg.bak"_s, u"sub/d.cfg"_s})
            e.game.write(name, "x");
        QDir(e.game.gameDir()).mkdir(u"folder.cfg"_s);
        QPointer<QDialog> dialog = e.open(save);
        QCOMPARE(child<FolderTree>(dialog, u"Dir1"_s)->currentFolder(), e.gameDir);
        QCOMPARE(Widgets::rows(child<QListWidget>(dialog, u"File1"_s)),
                 QStringList({u"a.Cfg"_s, u"bots.cfg"_s, u"C.CFG"_s}));

        clickFile(dialog, u"bots.cfg"_s); // what Load or Save would then read or write
        MessageAnswerer answerer;         // a wrong turn gets its message box answered instead of hanging
        answerer.arm();
        child(dialog, u"Command2"_s)->click();
        QTRY_VERIFY(dialog.isNull());
        QCOMPARE(e.roster().entries(), QList<RosterEntry>({oldBot}));
        QVERIFY(e.document.isModified());
        QCOMPARE(e.game.read(u"bots.cfg"_s), "x");
    }

    void load_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // of bots.cfg
        QTest::addColumn<QString>("how");      // "click, Load", "double-click" or "Load" with nothing selected
        QTest::addColumn<bool>("changed");     // unsaved changes: asked about saving them first
        QTest::addColumn<int>("answer");       // to the one message box shown, if any
        QTest::addColumn<bool>("loaded");      // read and closed; otherwise the dialog stays with nothing read
        const int no = QDialogButtonBox::No, yes = QDialogButtonBox::Yes, ok = QDialogButtonBox::Ok;
        const QString click = u"click, Load"_s;
        QTest::newRow("click, Load") << twoBots << click << false << ok << true;
        QTest::newRow("double-click") << twoBots << u"double-click"_s << false << ok << true;
        QTest::newRow("unsaved changes, No") << twoBots << click << true << no << true;
        QTest::newRow("unsaved changes, Yes") << twoBots << click << true << yes << false;
        QTest::newRow("unsaved changes, Cancel") << twoBots << click << true << int(QDialogButtonBox::Cancel) << false;
        QTest::newRow("unsaved changes, Escape")
            << twoBots << click << true << int(MessageAnswerer::pressEscape) << false;
        QTest::newRow("nothing selected") << twoBots << u"Load"_s << false << ok << false;
    }
    void load()
    {
        QFETCH(QString, how);
        QFETCH(bool, changed);
        QFETCH(int, answer);
        QFETCH(bool, loaded);
        Editor e;
        if (!changed)
            e.save();
        QFETCH(QByteArray, bytes);
        e.game.write(u"Bots.cfg"_s, bytes);
        QPointer<OpenScreen> dialog = e.open<OpenScreen>();
        QSignalSpy read(dialog, &OpenScreen::loaded);
        QSignalSpy saveRequested(dialog, &OpenScreen::saveRequested);
        MessageAnswerer answerer{QDialogButtonBox::StandardButton(answer)};
        answerer.arm();
        if (how != "Load"_L1)
            clickFile(dialog, u"Bots.cfg"_s, how == "double-click"_L1);
        if (how != "double-click"_L1)
            child(dialog, u"Command1"_s)->click();

        QCOMPARE(answerer.texts().size(), changed || !loaded ? 1 : 0);
        QCOMPARE(answerer.text().endsWith(saveFirst), changed);
        // The buttons come in the platform's order.
        if (changed) {
            QCOMPARE(QSet<QString>(answerer.buttons().cbegin(), answerer.buttons().cend()),
                     (QSet<QString>{u"Yes"_s, u"No"_s, u"Cancel"_s}));
        }
        QCOMPARE(saveRequested.size(), answer == QDialogButtonBox::Yes ? 1 : 0);
        QCOMPARE(read.size(), loaded ? 1 : 0);
        QCOMPARE(e.document.isModified(), changed && !loaded);
        if (!loaded) {
            // Asked and not answered No: nothing is read, not even the roster cleared.
            QCOMPARE(e.roster().entries(), changed ? QList<RosterEntry>({oldBot}) : QList<RosterEntry>());
            QVERIFY(dialog->isVisible());
            return;
        }
        QCOMPARE(e.roster().size(), 2);
        QCOMPARE(e.roster().at(1), RosterEntry({u"Bravo"_s, u"Counter Terrorist"_s, u"5"_s, u"French GIGN"_s}));
        QTRY_VERIFY(dialog.isNull());
    }

    // Save writes the file named and closes, asking first before it replaces another roster; what it cannot write,
    // it says why, and stays open with the roster unsaved.
    void save_data()
    {
        QTest::addColumn<QString>("typed"); // empty: the listed file "Mine.cfg" is clicked instead
        // "double-click" on the file instead of Save; "own file": the roster was last saved as "Mine.cfg"; or the
        // trouble: "no bots" left in the editor meanwhile, a "folder" in the way, a "skill" that would not read back
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("replace");    // the answer to the question before another roster is replaced
        QTest::addColumn<QString>("message"); // a part of the one message shown, if any
        QTest::addColumn<QString>("written"); // empty: nothing is written, the dialog stays
        const auto row = [](const char *name, const QString &typed, const QString &kind, bool replace,
                            const QString &message, const QString &written) {
            QTest::newRow(name) << typed << kind << replace << message << written;
        };
        const QString replace = u"Mine.cfg already exists. Replace it?"_s;
        row("no extension", u"bots"_s, {}, false, {}, u"bots.cfg"_s);
        row(".cfg", u"bots.cfg"_s, {}, false, {}, u"bots.cfg"_s);
        row(".CFG is not .cfg", u"bots.CFG"_s, {}, false, {}, u"bots.CFG.cfg"_s);
        row("blanks around", u"  bots "_s, {}, false, {}, u"bots.cfg"_s);
        row("another roster clicked, replaced", {}, {}, true, replace, u"Mine.cfg"_s);
        row("another roster double-clicked, replaced", {}, u"double-click"_s, true, replace, u"Mine.cfg"_s);
        row("another roster kept", {}, {}, false, replace, {});
        row("another roster typed, kept", u"Mine"_s, {}, false, replace, {});
        row("its own file, filled in", {}, u"own file"_s, false, {}, u"Mine.cfg"_s);
        row("blanks only for a name", u"   "_s, {}, false, u"filename"_s, {});
        row("no bots left", u"bots"_s, u"no bots"_s, false, u"no bots to save"_s, {});
        row("folder in the way", u"bots"_s, u"folder"_s, false, u"could not save"_s, {});
        row("a file that would not read back", u"bots"_s, u"skill"_s, false, u"\"abc\""_s, {});
    }
    void save()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kind);
        QFETCH(bool, replace);
        QFETCH(QString, message);
        QFETCH(QString, written);
        Editor e;
        e.game.write(u"Mine.cfg"_s, "old");
        const bool ownFile = kind == "own file"_L1;
        if (ownFile) {
            QCOMPARE(e.document.save(QDir(e.gameDir).filePath(u"Mine.cfg"_s)), QString());
            e.document.append(oldBot);
            e.document.remove(1);
        }
        if (kind == "folder"_L1)
            QDir(e.game.gameDir()).mkdir(u"bots.cfg"_s);
        QPointer<SaveScreen> dialog = e.open<SaveScreen>();
        if (kind == "no bots"_L1)
            e.document.remove(0);
        if (kind == "skill"_L1)
            e.document.options().setText(RosterOptions::Field::Botskill, u"abc"_s);
        QSignalSpy saved(dialog, &SaveScreen::saved);
        MessageAnswerer answerer(replace ? QDialogButtonBox::Yes : QDialogButtonBox::No);
        answerer.arm();
        auto *text1 = child<QLineEdit>(dialog, u"Text1"_s);
        QCOMPARE(text1->text(), ownFile ? u"Mine.cfg"_s : QString());
        if (typed.isEmpty() && !ownFile)
            clickFile(dialog, u"Mine.cfg"_s, kind == "double-click"_L1);
        if (kind != "double-click"_L1) {
            QTest::keyClicks(text1, typed);
            QCOMPARE(text1->text(), typed.isEmpty() ? u"Mine.cfg"_s : typed);
            child(dialog, u"Command1"_s)->click();
        }

        QCOMPARE(answerer.texts().size(), message.isEmpty() ? 0 : 1);
        QVERIFY2(answerer.text().contains(message), qPrintable(answerer.text()));
        if (message.endsWith(u"Replace it?"_s))
            QCOMPARE(answerer.buttons(), QStringList({u"Yes"_s, u"No"_s}));
        QCOMPARE(saved.size(), written.isEmpty() ? 0 : 1);
        // Mine.cfg, the file written if it is another, and the folder in the way.
        QCOMPARE(e.files().size(), 1 + int(!written.isEmpty() && written != u"Mine.cfg"_s) + int(kind == "folder"_L1));
        if (written.isEmpty()) {
            QCOMPARE(e.game.read(u"Mine.cfg"_s), QByteArray("old"));
            QVERIFY(e.document.isModified() && dialog->isVisible());
            return;
        }
        QCOMPARE(e.game.read(written), oneBot);
        QVERIFY(!e.document.isModified());
        QTRY_VERIFY(dialog.isNull());
    }
};

QTEST_MAIN(TestRosterDialogs)
#include "tst_rosterdialogs.moc"
