#include "BotDialog.h"
#include "EditorControls.h"
#include "FolderTree.h"
#include "GameDirFixture.h"
#include "MessageAnswerer.h"
#include "MultipleBots.h"
#include "OpenScreen.h"
#include "RandomSource.h"
#include "Roster.h"
#include "RosterAddOn.h"
#include "RosterDocument.h"
#include "RosterOptions.h"
#include "SaveScreen.h"
#include "Session.h"
#include "TestFiles.h"
#include "Widgets.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <memory>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

// Bots are written as "name, team, skill, skin"; the AndroidBot format's have no skin.
const QStringList twoBots{u"Alpha, Terrorist, 4, L337 Krew"_s, u"Bravo, Counter Terrorist, 9, French GIGN"_s};
const QStringList twoAndroidBots{u"Alpha, Terrorist, 4, "_s, u"Bravo, Counter Terrorist, 9, "_s};

// The name file: four header lines, then one name a line.
QByteArray nameFile(int count)
{
    QByteArray bytes = "Bot names\r\nOne name a line\r\n\r\n----\r\n";
    for (int i = 1; i <= count; ++i)
        bytes += "Name" + QByteArray::number(i) + "\r\n";
    return bytes;
}

// An editor of its own over a throw-away game folder, its start bots saved: nothing unsaved and Save disabled.
struct Editor : EditorControls
{
    GameDirFixture game;
    Session session;
    RandomSource random;
    std::unique_ptr<RosterWindow> window;
    QStringList start;

    explicit Editor(const QString &bot, std::optional<QStringList> bots = std::nullopt)
    {
        session.setBotName(bot);
        session.setGameDir(game.gameDir());
        const RosterAddOn &addOn = *RosterAddOn::find(bot);
        window = std::make_unique<RosterWindow>(session, addOn, random);
        editor = window.get();
        start = bots.value_or(android() ? twoAndroidBots : twoBots);
        for (const QString &line : std::as_const(start)) {
            const QStringList f = line.split(u", "_s);
            window->document().append(RosterEntry{f.at(0), f.at(1), f.at(2), f.at(3)});
        }
        if (!start.isEmpty() && !window->document().save(game.gameDir() + u"/start.cfg"_s).isEmpty())
            qFatal("the start roster could not be saved");
        window->show();
    }
};

using Widgets::child;

// A skin list as a screen reader hears it, with the skin at row selected.
QStringList marked(QStringList skins, int row)
{
    skins[row] += u'*';
    return skins;
}

// Works a dialog as its user would, step by step, e.g. "Text1=Rex;team=Counter Terrorist;skin=2": TextN= types into
// a box, team= picks a team with the arrow keys, typed= types over the team box's text, skin= selects a skin (-1:
// none), CheckN clicks a box, file=N leaves a name file of N names; deselect and clear deselect or delete the
// editor's bots behind the dialog.
void work(Editor &e, QWidget *dialog, const QString &steps)
{
    for (const QString &step : steps.split(u';', Qt::SkipEmptyParts)) {
        const QString key = step.section(u'=', 0, 0), value = step.section(u'=', 1);
        auto *box = child<QComboBox>(dialog, u"Combo1"_s);
        auto *list = child<QListWidget>(dialog, u"List1"_s);
        if (key.startsWith(u"Text"))
            child<QLineEdit>(dialog, key)->setText(value);
        else if (key.startsWith(u"Check"))
            child<QCheckBox>(dialog, key)->click();
        else if (key == u"team") {
            for (int i = 0; i < box->count() && box->currentText() != value; ++i)
                QTest::keyClick(box, box->currentIndex() < box->findText(value) ? Qt::Key_Down : Qt::Key_Up);
        } else if (key == u"typed") {
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            box->lineEdit()->setFocus();
            box->setEditText(QString());
            QTest::keyClicks(box->lineEdit(), value);
        } else if (key == u"skin" && value.toInt() < 0)
            list->clearSelection();
        else if (key == u"skin")
            list->setCurrentRow(value.toInt());
        else if (key == u"file")
            e.game.write(u"TRNames.txt"_s, nameFile(value.toInt()));
        else if (key == u"deselect")
            e.at<QListView>(u"List1"_s)->selectionModel()->clear();
        else if (key == u"clear")
            e.window->document().renew();
        else
            QFAIL(qPrintable(u"unknown step "_s + step));
    }
}

const QByteArray twoBotFile = TestFiles::roster(u"NNBot"_s, "addbot 1 1 Alpha 3\r\naddbot 2 4 Bravo 5\r\n");
const QByteArray oneBot = TestFiles::roster(u"NNBot"_s, "addbot 1 1 Old 4\r\n"); // what the editor below holds
const RosterEntry oldBot{u"Old"_s, u"Terrorist"_s, u"4"_s, u"Phoenix Connection"_s};
const QString saveFirst = u"Before You Open A New One?"_s; // the end of the question asked

// What an NNBot editor holds while its dialogs are open: one bot, with unsaved changes.
struct FileEditor
{
    GameDirFixture game;
    const QString gameDir = QDir::toNativeSeparators(game.gameDir());
    RosterDocument document{*RosterAddOn::find(u"NNBot")};
    QTemporaryDir elsewhere;
    QWidget window; // the dialogs' parent: they go before the document they point at

    FileEditor() { document.append(oldBot); }
    // Saves the bot outside the game folder, so that nothing is unsaved.
    void save() { QCOMPARE(document.save(elsewhere.filePath(u"saved.cfg"_s)), QString()); }
    template<typename Dialog> Dialog *open()
    {
        auto *dialog = new Dialog(gameDir, document, &window);
        dialog->show();
        return dialog;
    }
    QStringList files() const { return QDir(game.gameDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }
};

} // namespace

class TestEditorDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // What a dialog shows as it opens and as a team and a skin are picked, and the skills it takes in its caption.
    void showsTeamsAndSkins_data()
    {
        QTest::addColumn<QString>("addOn");
        QTest::addColumn<QString>("bot"); // edited after a double-click on its row; empty: the add dialog
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("skins"); // the selected one marked
        QTest::addColumn<QString>("preview");
        const QString ram = u"RamBot"_s, none, phoenix = u"Phoenix Connection"_s;
        const QStringList t{phoenix, u"L337 Krew"_s, u"Arctic Avengers"_s, u"Gorilla Warface"_s},
            ct{u"Seal Team 6 (DEVGRU)"_s, u"German GSG-9"_s, u"UK SAS"_s, u"French GIGN"_s},
            combined{u"Seal Team 6 / Phoenix"_s, u"German GSG-9 / L337 Krew"_s, u"UK SAS / Arctic Avengers"_s,
                     u"French GIGN / Gorilla Warface"_s, u"Auto Select"_s},
            ramT = t + QStringList{u"Auto Select Terrorist"_s},
            ramCt = ct + QStringList{u"Auto Select Counter Terrorist"_s};
        QTest::newRow("add RamBot") << ram << none << none << marked(ramT, 0) << phoenix;
        QTest::newRow("add NNBot, Counter Terrorist")
            << u"NNBot"_s << none << u"team=Counter Terrorist"_s << marked(ct, 0) << ct[0];
        QTest::newRow("add RamBot, Auto Select")
            << ram << none << u"team=Auto Select;skin=2"_s << marked(combined, 2) << u"Auto Select"_s;
        QTest::newRow("edit UK SAS") << ram << u"Rex, Counter Terrorist, 7, UK SAS"_s << none << marked(ramCt, 2)
                                     << ct[2];
        QTest::newRow("edit Auto Select: fifth")
            << ram << u"Rex, Auto Select, 7, Auto Select"_s << none << marked(combined, 4) << u"Auto Select"_s;
    }
    void showsTeamsAndSkins()
    {
        QFETCH(QString, addOn);
        QFETCH(QString, bot);
        QFETCH(QString, steps);
        Editor e(addOn, bot.isEmpty() ? twoBots : QStringList{twoBots[0], bot});
        if (!bot.isEmpty()) {
            QVERIFY(QTest::qWaitForWindowExposed(e.window.get()));
            Widgets::clickRow(e.at<QListView>(u"List1"_s), 1, true);
        }
        QDialog *dialog = bot.isEmpty() ? e.open(u"add"_s) : e.window->findChild<BotDialog *>(u"EditBotScreen"_s);
        QVERIFY(dialog && dialog->isVisible());
        // The add dialog starts on the first team with nothing typed; the edit dialog on the bot's values.
        const QStringList fields{child<QLineEdit>(dialog, u"Text1"_s)->text(),
                                 child<QComboBox>(dialog, u"Combo1"_s)->currentText(),
                                 child<QLineEdit>(dialog, u"Text2"_s)->text()};
        QCOMPARE(fields.join(u", "), (bot.isEmpty() ? u", Terrorist, "_s : bot).section(u", "_s, 0, 2));
        work(e, dialog, steps);
        QTEST(Widgets::heard(child<QWidget>(dialog, u"List1"_s)), "skins");
        QTEST(child<QToolBar>(dialog, u"Toolbar1"_s)->actions().value(0)->text(), "preview");
        QVERIFY(child<QLabel>(dialog, u"Label3"_s)->text().contains(u"1 to %1 "_s.arg(addOn == u"RamBot" ? 20 : 5)));
    }

    // The first failing check shows its message, and the dialog stays open with nothing changed; otherwise Done
    // writes what the dialog holds, and Cancel leaves the bots as they were.
    void refusesOrActs_data()
    {
        QTest::addColumn<QString>("addOn");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("steps"); // the add dialog's boxes start empty, the edit dialog's on Bravo
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message"); // a part of it, empty for any; null when nothing is refused
        QTest::addColumn<QStringList>("bots");
        QTest::addColumn<bool>("save"); // Save enabled afterwards: it is disabled before
        const auto refused = [](const char *name, const QString &addOn, const QString &dialog, const QString &steps,
                                const QString &message) {
            QTest::newRow(name) << addOn << dialog << steps << u"Command1"_s << message << QStringList() << false;
        };
        const auto acts = [](const char *name, const QString &addOn, const QString &dialog, const QString &steps,
                             const QString &button, const QStringList &bots, bool save = false) {
            QTest::newRow(name) << addOn << dialog << steps << button << QString() << bots << save;
        };
        const QString ram = u"RamBot"_s, add = u"add"_s, edit = u"edit"_s, multiple = u"multiple"_s, any = u""_s;
        const QString noTeam = u"team for the bot"_s;
        refused("add: no name", ram, add, u"Text2=3"_s, u"name the bot"_s);
        refused("add: no skill before no team", ram, add, u"Text1=Rex;typed="_s, u"enter a skill level"_s);
        refused("add: no team", ram, add, u"Text1=Rex;Text2=3;typed="_s, noTeam);
        refused("add: no skin", ram, add, u"Text1=Rex;Text2=3;skin=-1"_s, u"skin for the bot"_s);
        refused("add: blank in name", ram, add, u"Text1=Big Rex;Text2=3"_s, any);
        refused("edit: no team before no skill", ram, edit, u"typed=;Text2="_s, noTeam);
        refused("edit all: team before name", ram, edit, u"Text1=;Check1;typed="_s, noTeam);
        refused("multiple: no number before no file", ram, multiple, u"Text1=;Text2=3"_s, u"Number Of Bots"_s);
        refused("multiple: no skill", ram, multiple, u"file=3"_s, u"Skill Level For The Bots"_s);
        refused("multiple: a word for a number", ram, multiple, u"Text1=ten;Text2=3;file=3"_s, u"Such As 10"_s);
        refused("multiple: no name file", ram, multiple, u"Text2=3"_s, u"'TRNames.txt'"_s);
        refused("multiple: header only", ram, multiple, u"Text2=3;file=0"_s, u"No Bot Names"_s);
        // The AndroidBot format: a skill from 0 to 100, the team checked before the skill, no team at first.
        refused("AndroidBot add: 101", u"AndroidBot"_s, add, u"Text1=Rex;Text2=101;typed=Terrorist"_s,
                u"between 0 and 100"_s);
        refused("AndroidBot add: no team chosen yet", u"AndroidBot"_s, add, u"Text1=Rex;Text2=3"_s, noTeam);
        refused("PodBot edit: no bot selected", u"PodBot"_s, edit, u"deselect"_s, u"no bot selected"_s);

        const QString done = u"Command1"_s;
        const QString steps = u"Text1=Rex;team=Auto Select;Text2=12;skin=3"_s;
        const QString rex = u", Auto Select, 12, French GIGN / Gorilla Warface"_s;
        acts("add, picked", ram, add, u"Text1=Rex;Text2=20;team=Counter Terrorist;skin=2"_s, done,
             twoBots + QStringList{u"Rex, Counter Terrorist, 20, UK SAS"_s}, true);
        // The team box keeps what is typed in it, and the skins of the team picked before.
        acts("add, misspelt team typed", ram, add, u"Text1=Rex;Text2=1;team=Counter Terrorist;typed=Terorist"_s, done,
             twoBots + QStringList{u"Rex, Terorist, 1, Seal Team 6 (DEVGRU)"_s}, true);
        acts("add, Cancel", ram, add, steps, u"Command3"_s, twoBots);
        acts("edit selected bot", ram, edit, steps, done, {twoBots[0], u"Rex"_s + rex});
        acts("edit all, names kept", ram, edit, steps + u";Check1"_s, done, {u"Alpha"_s + rex, u"Bravo"_s + rex});
        acts("edit all, no bots left", ram, edit, steps + u";Check1;clear"_s, done, {});
        acts("edit, Cancel", ram, edit, steps, u"Command2"_s, twoBots);
        acts("multiple, Cancel", ram, multiple, u"file=3;Text2=3"_s, u"Command2"_s, twoBots);
        acts("AndroidBot edit all", u"AndroidBot"_s, edit, u"Text1=Rex;Check1;Text2=75;team=Auto Assign"_s, done,
             {u"Alpha, Auto Assign, 75, "_s, u"Bravo, Auto Assign, 75, "_s});
    }
    void refusesOrActs()
    {
        QFETCH(QString, addOn);
        QFETCH(QString, dialog);
        QFETCH(QString, steps);
        QFETCH(QString, button);
        QFETCH(QString, message);
        Editor e(addOn);
        e.selectRow(1);
        QPointer<QDialog> window = e.open(dialog);
        work(e, window, steps);
        // Apply To All keeps every name: the box is out of use.
        if (message.isNull() && steps.contains(u"Check1"))
            QVERIFY(!child<QLineEdit>(window, u"Text1"_s)->isEnabled());
        const QStringList shown = e.pressIn(window, button);
        if (!message.isNull()) {
            QVERIFY2(shown.size() == 1 && shown.constFirst().contains(message, Qt::CaseInsensitive),
                     qPrintable(shown.join(u'|')));
            QCOMPARE(e.bots(), e.start);
            QVERIFY(!e.modified() && window && window->isVisible());
            return;
        }
        QCOMPARE(shown, QStringList());
        QTEST(e.bots(), "bots");
        QCOMPARE(e.modified(), button == u"Command1"_s);
        QTEST(e.saveEnabled(), "save");
        QTRY_VERIFY(!window);
    }

    void addMultipleDrawsBots_data()
    {
        QTest::addColumn<QString>("addOn");
        QTest::addColumn<int>("names");
        QTest::addColumn<QString>("steps");   // the number box starts at 10
        QTest::addColumn<int>("added");       // also the number the box then holds
        QTest::addColumn<QString>("pattern"); // that every bot added matches
        const auto row = [](const char *name, const QString &addOn, int names, const QString &steps, int added,
                            const QString &pattern) {
            QTest::newRow(name) << addOn << names << steps << added << pattern;
        };
        const QString ram = u"RamBot"_s;
        row("fewer names than asked, beyond int", ram, 3, u"Text1=1e12;Text2=7;skin=1"_s, 3,
            u"Name[1-3], Terrorist, 7, L337 Krew"_s);
        row("no skin, a whole part", ram, 8, u"Text1=2.7;Text2=7;team=Counter Terrorist;skin=-1"_s, 2,
            u"Name[1-8], Counter Terrorist, 7, "_s);
        row("none", ram, 3, u"Text1=0;Text2=7"_s, 0, {});
        // PodBot draws skills from 1 to 100 and names no skin; AndroidBot's dialog starts with the skill 30.
        row("PodBot, auto skill", u"PodBot"_s, 12, u"Check1"_s, 10,
            u"Name([1-9]|1[0-2]), Terrorist, ([1-9][0-9]?|100), "_s);
        row("AndroidBot, auto team", u"AndroidBot"_s, 8, u"Text1=6;team=Auto Select"_s, 6,
            u"Name[1-8], (Counter )?Terrorist, 30, "_s);
    }
    void addMultipleDrawsBots()
    {
        QFETCH(QString, addOn);
        QFETCH(int, names);
        QFETCH(QString, steps);
        QFETCH(int, added);
        QFETCH(QString, pattern);
        QStringList drawn[2]; // by two editors, each with a random source of its own
        bool reseeds = false;
        for (QStringList &bots : drawn) {
            Editor e(addOn, QStringList());
            reseeds = e.android();
            e.game.write(u"trnames.TXT"_s, nameFile(names)); // the name file is found in any letter case
            QPointer<QDialog> dialog = e.open(u"multiple"_s);
            work(e, dialog, steps);
            QCOMPARE(e.pressIn(dialog), QStringList());
            QCOMPARE(MultipleBots::count(child<QLineEdit>(dialog, u"Text1"_s)->text()).value_or(-1), added);
            bots = e.bots();
            QCOMPARE(bots.size(), added);
            QSet<QString> drawnNames;
            for (const QString &bot : std::as_const(bots)) {
                QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(bot).hasMatch(),
                         qPrintable(bot));
                drawnNames.insert(bot.section(u", "_s, 0, 0));
            }
            QCOMPARE(drawnNames.size(), added); // each name at most once
            QVERIFY(e.modified());
            QTRY_VERIFY(!dialog);
        }
        // The same draw from the same start, but where the dialog seeds its random source from the clock.
        if (!reseeds)
            QCOMPARE(drawn[0], drawn[1]);
    }

    void everyControlIsNamed_data()
    {
        QTest::addColumn<QString>("addOn");
        // dialog/control=name, of controls each format names its own way, heard without a caption of their own
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("tabs"); // the add dialog's
        QTest::newRow("RamBot") << u"RamBot"_s << u"AddScreen/Command3=Cancel;AddMultiple/Check2=Auto Skill"_s
                                << u"Text1 Combo1 Text2 List1 Command1 Command3"_s;
        QTest::newRow("PodBot") << u"PodBot"_s << u"AndroidAdd/Command2=Cancel;AndroidMultiple/Check1=Auto Skill"_s
                                << u"Text1 Text2 Combo1 Command1 Command2"_s;
    }
    void everyControlIsNamed()
    {
        QFETCH(QString, addOn);
        QFETCH(QString, names);
        QFETCH(QString, tabs);
        Editor e(addOn);
        e.selectRow(0);
        for (const QString &dialog : {u"add"_s, u"edit"_s, u"multiple"_s})
            e.open(dialog);
        const QList<QDialog *> dialogs = e.window->findChildren<QDialog *>();
        QCOMPARE(dialogs.size(), 3);
        for (QDialog *dialog : dialogs)
            QCOMPARE(Widgets::unnamedControls(dialog), QStringList());
        for (const QString &name : names.split(u';')) {
            const QString path = name.section(u'=', 0, 0);
            QWidget *control = child(child(e.editor, path.section(u'/', 0, 0)), path.section(u'/', 1));
            QVERIFY2(control, qPrintable(path));
            QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name), name.section(u'=', 1));
        }
        // The keyboard goes through the add dialog in reading order.
        QWidget *add = dialogs.constFirst();
        QStringList order;
        QWidget *at = add->findChild<QWidget *>(u"Text1"_s);
        for (int i = 0; i < 100 && order.size() < tabs.count(u' ') + 1; ++i, at = at->nextInFocusChain()) {
            if ((at->focusPolicy() & Qt::TabFocus) && at->isVisible() && !at->objectName().isEmpty()
                && at->window() == add)
                order << at->objectName();
        }
        QCOMPARE(order.join(u' '), tabs);
    }

    void listsCfgFilesAndCancelChangesNothing_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("open") << false;
        QTest::newRow("save") << true;
    }
    void listsCfgFilesAndCancelChangesNothing()
    {
        QFETCH(bool, save);
        FileEditor e;
        for (const QString &name : {u"C.CFG"_s, u"bots.cfg"_s, u"a.Cfg"_s, u"a.txt"_s, u"c.cfg.bak"_s, u"sub/d.cfg"_s})
            e.game.write(name, "x");
        QDir(e.game.gameDir()).mkdir(u"folder.cfg"_s);
        QPointer<QDialog> dialog = save ? static_cast<QDialog *>(e.open<SaveScreen>()) : e.open<OpenScreen>();
        QCOMPARE(child<FolderTree>(dialog, u"Dir1"_s)->currentFolder(), e.gameDir);
        QCOMPARE(Widgets::rows(child<QListWidget>(dialog, u"File1"_s)),
                 QStringList({u"a.Cfg"_s, u"bots.cfg"_s, u"C.CFG"_s}));

        // The file Load or Save would then read or write; a wrong turn gets its message box answered, not hung on.
        Widgets::clickItem(child<QListWidget>(dialog, u"File1"_s), u"bots.cfg"_s);
        MessageAnswerer answerer;
        answerer.arm();
        child<QAbstractButton>(dialog, u"Command2"_s)->click();
        QTRY_VERIFY(dialog.isNull());
        QCOMPARE(e.document.roster().entries(), QList<RosterEntry>({oldBot}));
        QVERIFY(e.document.isModified());
        QCOMPARE(e.game.read(u"bots.cfg"_s), "x");
    }

    void load_data()
    {
        QTest::addColumn<QString>("how");  // "click, Load", "double-click" or "Load" with nothing selected
        QTest::addColumn<bool>("changed"); // unsaved changes: asked about saving them first
        QTest::addColumn<int>("answer");   // to the one message box shown, if any
        QTest::addColumn<bool>("loaded");  // read and closed; otherwise the dialog stays with nothing read
        const int no = QDialogButtonBox::No, yes = QDialogButtonBox::Yes, ok = QDialogButtonBox::Ok;
        const QString click = u"click, Load"_s;
        QTest::newRow("click, Load") << click << false << ok << true;
        QTest::newRow("double-click") << u"double-click"_s << false << ok << true;
        QTest::newRow("unsaved changes, No") << click << true << no << true;
        QTest::newRow("unsaved changes, Yes") << click << true << yes << false;
        QTest::newRow("unsaved changes, Escape") << click << true << int(MessageAnswerer::pressEscape) << false;
        QTest::newRow("nothing selected") << u"Load"_s << false << ok << false;
    }
    void load()
    {
        QFETCH(QString, how);
        QFETCH(bool, changed);
        QFETCH(int, answer);
        QFETCH(bool, loaded);
        FileEditor e;
        if (!changed)
            e.save();
        e.game.write(u"Bots.cfg"_s, twoBotFile);
        QPointer<OpenScreen> dialog = e.open<OpenScreen>();
        QSignalSpy read(dialog, &OpenScreen::loaded);
        QSignalSpy saveRequested(dialog, &OpenScreen::saveRequested);
        MessageAnswerer answerer{QDialogButtonBox::StandardButton(answer)};
        answerer.arm();
        if (how != "Load"_L1)
            Widgets::clickItem(child<QListWidget>(dialog, u"File1"_s), u"Bots.cfg"_s, how == "double-click"_L1);
        if (how != "double-click"_L1)
            child<QAbstractButton>(dialog, u"Command1"_s)->click();

        QCOMPARE(answerer.texts().size(), changed || !loaded ? 1 : 0);
        QCOMPARE(answerer.text().endsWith(saveFirst), changed);
        QCOMPARE(saveRequested.size(), answer == QDialogButtonBox::Yes ? 1 : 0);
        QCOMPARE(read.size(), loaded ? 1 : 0);
        QCOMPARE(e.document.isModified(), changed && !loaded);
        if (!loaded) {
            // Asked and not answered No: nothing is read, not even the roster cleared.
            QCOMPARE(e.document.roster().entries(), changed ? QList<RosterEntry>({oldBot}) : QList<RosterEntry>());
            QVERIFY(dialog->isVisible());
            return;
        }
        QCOMPARE(e.document.roster().size(), 2); // what a read takes from a file is tst_rosterfile's
        QCOMPARE(e.document.fileName(), QDir(e.gameDir).filePath(u"Bots.cfg"_s));
        QTRY_VERIFY(dialog.isNull());
    }

    // Save writes the file named and closes, asking first before it replaces another roster; what it cannot write,
    // it says why, and stays open with the roster unsaved.
    void save_data()
    {
        QTest::addColumn<QString>("typed"); // empty: the listed file "Mine.cfg" is clicked instead
        // "own file": the roster was last saved as "Mine.cfg"; or the
        // trouble: "no bots" left in the editor meanwhile, a "folder" in the way, a "skill" that would not read back
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("replace");    // the answer to the question before another roster is replaced
        QTest::addColumn<QString>("message"); // a part of the one message shown, if any
        QTest::addColumn<QString>("written"); // empty: nothing is written, the dialog stays
        const QString replace = u"Replace it?"_s;
        QTest::newRow("no extension") << u"bots"_s << QString() << false << QString() << u"bots.cfg"_s;
        QTest::newRow(".cfg") << u"bots.cfg"_s << QString() << false << QString() << u"bots.cfg"_s;
        QTest::newRow(".CFG is not .cfg") << u"bots.CFG"_s << QString() << false << QString() << u"bots.CFG.cfg"_s;
        QTest::newRow("another roster clicked, replaced") << QString() << QString() << true << replace << u"Mine.cfg"_s;
        QTest::newRow("another roster kept") << QString() << QString() << false << replace << QString();
        QTest::newRow("its own file, filled in") << QString() << u"own file"_s << false << QString() << u"Mine.cfg"_s;
        QTest::newRow("blanks only for a name") << u"   "_s << QString() << false << u"filename"_s << QString();
        QTest::newRow("no bots left") << u"bots"_s << u"no bots"_s << false << u"no bots to save"_s << QString();
        QTest::newRow("folder in the way") << u"bots"_s << u"folder"_s << false << u"could not save"_s << QString();
        QTest::newRow("a skill not read back") << u"bots"_s << u"skill"_s << false << u"\"abc\""_s << QString();
    }
    void save()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kind);
        QFETCH(bool, replace);
        QFETCH(QString, message);
        QFETCH(QString, written);
        FileEditor e;
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
            Widgets::clickItem(child<QListWidget>(dialog, u"File1"_s), u"Mine.cfg"_s);
        QTest::keyClicks(text1, typed);
        QCOMPARE(text1->text(), typed.isEmpty() ? u"Mine.cfg"_s : typed);
        child<QAbstractButton>(dialog, u"Command1"_s)->click();

        QCOMPARE(answerer.texts().size(), message.isEmpty() ? 0 : 1);
        QVERIFY2(answerer.text().contains(message), qPrintable(answerer.text()));
        QCOMPARE(saved.size(), written.isEmpty() ? 0 : 1);
        // Mine.cfg, the file written if it is another, and the folder in the way.
        QCOMPARE(e.files().size(), 1 + int(!written.isEmpty() && written != u"Mine.cfg"_s) + int(kind == "folder"_L1));
        if (written.isEmpty()) {
            QCOMPARE(e.game.read(u"Mine.cfg"_s), QByteArray("old"));
            QVERIFY(e.document.isModified() && e.document.fileName().isEmpty() && dialog->isVisible());
            return;
        }
        QCOMPARE(e.game.read(written), oneBot);
        QVERIFY(!e.document.isModified());
        QTRY_VERIFY(dialog.isNull());
    }
};

QTEST_MAIN(TestEditorDialogs)
#include "tst_editordialogs.moc"
