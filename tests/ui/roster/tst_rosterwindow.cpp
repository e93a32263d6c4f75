#include "FileBrowser.h"
#include "MainScreenHarness.h"
#include "MessageAnswerer.h"
#include "Roster.h"
#include "RosterAddOn.h"
#include "RosterDocument.h"
#include "RosterFormat.h"
#include "RosterOptions.h"
#include "RosterWindow.h"
#include "UpDown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QSet>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString exitQuestion = u"You Have Changed Your Current BotList. Do You Want To Save It Before You Exit?"_s;
const QString newQuestion
    = u"You Have Changed Your Current BotList. Do You Want To Save It Before You Start A New One?"_s;

const QByteArray nnBotFile
    = "//NNBot Config File Created With\r\n//Counter-Strike Trevlin 2.0\r\npause 3\r\n"
      "mp_autoteambalance 0\r\nwaypoint off\r\nwaypoint 1 off\r\nwaypoint 2 off\r\nobserver 0\r\n"
      "botsdontshoot 0\r\nmin_bots 0\r\nmax_bots 0\r\nbotskill 2\r\naddbot 1 1 Alpha 3\r\n"
      "addbot 2 4 Bravo 5\r\n";

// The edit buttons of the main window: RamBot's of the "addbot" format, PodBot's of the AndroidBot format.
const QString ramBot = u"Command2"_s;
const QString podBot = u"Command10"_s;

bool isAndroidFormat(const RosterWindow *editor)
{
    return editor->objectName() == u"AndroidMain";
}

// A main window over a set-up game folder, with every add-on that has an editor installed and a name list of
// twelve names.
struct EditorHarness : MainScreenHarness
{
    EditorHarness()
    {
        QStringList installed;
        for (const RosterAddOn &addOn : RosterAddOn::all())
            installed << addOn.botName.toString() + u" liblist.gam"_s;
        QByteArray names = "header\r\nheader\r\nheader\r\nheader\r\n";
        for (int i = 1; i <= 12; ++i)
            names += "Name" + QByteArray::number(i) + "\r\n";
        start(installed);
        game.write(u"TRNAMES.TXT"_s, names);
    }

    RosterWindow *open(const QString &control)
    {
        press(control);
        return editor();
    }

    RosterWindow *editor() const
    {
        for (RosterWindow *editor : window->findChildren<RosterWindow *>()) {
            if (editor->isVisible())
                return editor;
        }
        return nullptr;
    }
};

template<typename T = QWidget> T *control(QWidget *parent, const QString &name)
{
    return Widgets::child<T>(parent, name);
}

// The visible dialog of that objectName.
QDialog *dialog(QWidget *editor, const QString &name)
{
    auto *found = editor->findChild<QDialog *>(name);
    return found && found->isVisible() ? found : nullptr;
}

// Adds one bot through the editor's add dialog, as its user would.
void addBot(RosterWindow *editor, const QString &name = u"Alpha"_s)
{
    const bool android = isAndroidFormat(editor);
    control<QPushButton>(editor, android ? u"Command4"_s : u"Command3"_s)->click();
    QDialog *add = dialog(editor, android ? u"AndroidAdd"_s : u"AddScreen"_s);
    QVERIFY(add);
    control<QLineEdit>(add, u"Text1"_s)->setText(name);
    control<QLineEdit>(add, u"Text2"_s)->setText(u"3"_s);
    if (android)
        control<QComboBox>(add, u"Combo1"_s)->setEditText(u"Terrorist"_s);
    control<QPushButton>(add, u"Command1"_s)->click();
    QVERIFY(!dialog(editor, add->objectName()));
}

// With savedIn, writes the roster to a file there, so that nothing is unsaved.
void addBots(RosterWindow *editor, int count, const QString &savedIn = {})
{
    for (int i = 0; i < count; ++i)
        addBot(editor, u"Bot%1"_s.arg(i));
    if (!savedIn.isEmpty())
        QCOMPARE(editor->document().save(savedIn + u"/saved.cfg"_s), QString());
}

const Roster &rosterOf(RosterWindow *editor)
{
    return editor->document().roster();
}

QAction *saveEntry(QWidget *editor)
{
    return control<QAction>(editor, u"Save"_s);
}

void selectRow(RosterWindow *editor, int row)
{
    auto *names = control<QListView>(editor, u"List1"_s);
    names->setCurrentIndex(names->model()->index(row, 0));
}

} // namespace

class TestRosterWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyEditControlOpensItsEditor();
    void editControlOpensWithLayout_data();
    void editControlOpensWithLayout();
    void everyControlIsNamed_data();
    void everyControlIsNamed();
    void openEditorIsRaisedNotReloaded();
    void columnsShareOneSelectedRow_data();
    void columnsShareOneSelectedRow();
    void saveEntryFollowsTheRoster_data();
    void saveEntryFollowsTheRoster();
    void unsavedBotsAreAskedAbout_data();
    void unsavedBotsAreAskedAbout();
    void newStartsAfresh_data();
    void newStartsAfresh();
    void optionControlsFollowTheRules();
    void spinnerSteps_data();
    void spinnerSteps();
    void openChangeAndSaveUnderANewName();
    void editDialogActsOnTheRowSelectedAtDone();
    void autostartDoubleClickOpensTheFile();
};

void TestRosterWindow::everyEditControlOpensItsEditor()
{
    EditorHarness h;
    QStringList controls;
    for (const QPushButton *button : h.find(u"Frame1"_s)->findChildren<QPushButton *>())
        controls << button->objectName();
    for (const QAction *entry : h.find<QMenu>(u"file"_s)->actions()) {
        if (entry->isSeparator())
            break;
        controls << entry->objectName();
    }
    // Each add-on of the table opens the editor of its format from its button and from its menu entry, with nothing
    // unsaved and nothing to save yet.
    QStringList opened;
    for (const QString &control : controls) {
        if (RosterWindow *editor = h.open(control)) {
            QCOMPARE(h.session.botName(), editor->botName());
            QCOMPARE(editor->objectName(), RosterAddOn::find(editor->botName())->format->names.editor);
            QVERIFY(!editor->document().isModified() && !saveEntry(editor)->isEnabled());
            opened << editor->botName();
            editor->close();
        }
    }
    QStringList table;
    for (const RosterAddOn &addOn : RosterAddOn::all())
        table << addOn.botName.toString() << addOn.botName.toString();
    opened.sort();
    table.sort();
    QCOMPARE(opened, table);
}

void TestRosterWindow::editControlOpensWithLayout_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("texts"); // what the boxes hold
    QTest::addColumn<QString>("shown"); // controls shown, and those hidden after a "|"
    const QString layout = u"Check3 Check4"_s, realBotRows = u"Check2 Check9 Check8 Text6 Text4"_s;
    const auto row = [](const char *name, const QString &control, const QString &texts, const QString &shown,
                        const QString &hidden) {
        QTest::newRow(name) << control << texts << shown + u'|' + hidden;
    };
    row("RealBot", u"Command5"_s, u"Text1=3;Text5=20"_s, layout + u' ' + realBotRows, u"Frame4"_s);
    row("RamBot", ramBot, u"Text1=3;Text5=2"_s, layout + u" Frame4"_s, realBotRows);
    // Its file carries no waypoint lines, so the frame would set nothing.
    row("AGBBot", u"Command11"_s, u"Text5=2"_s, layout, realBotRows + u" Frame4"_s);
    // The first five add-ons' menu entries show only the options every add-on has; the others' do what their
    // buttons do.
    row("realbots entry", u"realbots"_s, u"Text5=2"_s, u"Frame4"_s, layout + u' ' + realBotRows);
    row("bobabots entry", u"bobabots"_s, u"Text5=2"_s, layout + u" Frame4"_s, realBotRows);
    // PodBot's own options stand in a frame of their own.
    row("AndroidBot", u"Command1"_s, u"Text1=3"_s, u"Frame2"_s, u"Frame3"_s);
    row("PodBot", podBot, u"Text1=3;Text2=60"_s, u"Frame2 Frame3 Check2"_s, {});
}

void TestRosterWindow::editControlOpensWithLayout()
{
    QFETCH(QString, control);
    QFETCH(QString, texts);
    QFETCH(QString, shown);
    EditorHarness h;
    RosterWindow *editor = h.open(control);
    QVERIFY(editor);
    for (const QString &text : texts.split(u';'))
        QCOMPARE(::control<QLineEdit>(editor, text.section(u'=', 0, 0))->text(), text.section(u'=', 1));
    for (const QString &name : shown.section(u'|', 0, 0).split(u' ', Qt::SkipEmptyParts))
        QVERIFY2(::control(editor, name)->isVisible(), qPrintable(name));
    for (const QString &name : shown.section(u'|', 1).split(u' ', Qt::SkipEmptyParts))
        QVERIFY2(!::control(editor, name)->isVisible(), qPrintable(name));
    if (QWidget *minBotSkill = editor->findChild<QWidget *>(u"Text4"_s); minBotSkill && minBotSkill->isVisible())
        QCOMPARE(::control<UpDown>(editor, u"UpDown2"_s)->maximum(), 50);
    // The team balance is an option of every add-on, and a change of it an unsaved change.
    ::control<QCheckBox>(editor, u"Check1"_s)->click();
    QVERIFY(editor->document().isModified());
}

void TestRosterWindow::everyControlIsNamed_data()
{
    // The entry dialogs are heard in their own suite; here the editor and its open and save dialogs.
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("dialogs"); // open, save: name=caption
    QTest::addColumn<QString>("names");   // accessible names of some controls
    QTest::newRow("RealBot") << u"Command5"_s
                             << u"OpenScreen=Open RealBot Config File;SaveScreen=Save RealBot Config File"_s
                             << u"Text5=Botskill;UpDown5=Botskill;Check9=Use Botskill Range;List4=Skin"_s;
    QTest::newRow("PodBot") << podBot << u"AndroidOpen=Open PodBot Config File;AndroidSave=Save PodBot Config File"_s
                            << u"Text2=Minimum Bot Skill;UpDown2=Minimum Bot Skill;Check2=Bot Chatting;List3=Team"_s;
}

void TestRosterWindow::everyControlIsNamed()
{
    QFETCH(QString, control);
    QFETCH(QString, dialogs);
    QFETCH(QString, names);
    EditorHarness h;
    RosterWindow *editor = h.open(control);
    addBot(editor);
    ::control<QAction>(editor, u"Open"_s)->trigger();
    saveEntry(editor)->trigger();
    QList<QWidget *> windows{editor};
    for (const QString &shown : dialogs.split(u';')) {
        QDialog *opened = dialog(editor, shown.section(u'=', 0, 0));
        QVERIFY2(opened, qPrintable(shown));
        QCOMPARE(opened->windowTitle(), shown.section(u'=', 1));
        windows << opened;
    }
    // Assistive tools read each control by its caption, or a box and its spinner by their label's.
    for (QWidget *window : std::as_const(windows))
        QCOMPARE(Widgets::unnamedControls(window), QStringList());
    for (const QString &name : names.split(u';'))
        QCOMPARE(::control(editor, name.section(u'=', 0, 0))->accessibleName(), name.section(u'=', 1));
}

void TestRosterWindow::openEditorIsRaisedNotReloaded()
{
    EditorHarness h;
    RosterWindow *editor = h.open(u"Command5"_s);
    addBots(editor, 2);
    QTest::keyClick(control<QLineEdit>(editor, u"Text5"_s), Qt::Key_Backspace);
    QTest::keyClicks(control<QLineEdit>(editor, u"Text5"_s), u"5"_s);
    QCOMPARE(h.open(u"Command5"_s), editor);
    QCOMPARE(rosterOf(editor).size(), 2);
    QCOMPARE(control<QLineEdit>(editor, u"Text5"_s)->text(), u"25"_s);
    QVERIFY(editor->document().isModified());
}

void TestRosterWindow::columnsShareOneSelectedRow_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("columns"); // what each list shows, top to bottom
    QTest::newRow("four columns") << ramBot
                                  << QStringList{u"Alpha Bravo Charlie"_s, u"Terrorist Auto_Select Terrorist"_s,
                                                 u"3 5 1"_s, u"Phoenix_Connection Auto_Select L337_Krew"_s};
    QTest::newRow("three columns") << podBot
                                   << QStringList{u"Alpha Bravo Charlie"_s, u"3 5 1"_s,
                                                  u"Terrorist Auto_Select Terrorist"_s};
}

void TestRosterWindow::columnsShareOneSelectedRow()
{
    QFETCH(QString, control);
    QFETCH(QStringList, columns);
    EditorHarness h;
    RosterWindow *editor = h.open(control);
    const bool skins = !isAndroidFormat(editor);
    editor->document().append(
        QList<RosterEntry>{{u"Alpha"_s, u"Terrorist"_s, u"3"_s, skins ? u"Phoenix Connection"_s : QString()},
                           {u"Bravo"_s, u"Auto Select"_s, u"5"_s, skins ? u"Auto Select"_s : QString()},
                           {u"Charlie"_s, u"Terrorist"_s, u"1"_s, skins ? u"L337 Krew"_s : QString()}});
    // What a screen reader hears of each list: its own column's cells, and which of them is selected.
    const auto heard = [&](int column) {
        return Widgets::heard(::control(editor, u"List%1"_s.arg(column + 1)))
            .replaceInStrings(u" "_s, u"_"_s)
            .join(u' ');
    };
    const auto selected = [](const QString &column, int row) {
        QStringList cells = column.split(u' ');
        cells[row] += u'*';
        return cells.join(u' ');
    };
    QVERIFY(!editor->findChild<QWidget *>(u"List%1"_s.arg(columns.size() + 1)));
    for (int column = 0; column < columns.size(); ++column)
        QCOMPARE(heard(column), columns.at(column));

    // A click in one column selects the bot in every column; the keys in another move them all.
    auto *last = ::control<QListView>(editor, u"List%1"_s.arg(columns.size()));
    Widgets::clickRow(last, 1);
    QCOMPARE(editor->selectedRow(), 1);
    for (int column = 0; column < columns.size(); ++column)
        QCOMPARE(heard(column), selected(columns.at(column), 1));
    auto *second = ::control<QListView>(editor, u"List2"_s);
    second->setFocus();
    QTest::keyClick(second, Qt::Key_Down);
    QCOMPARE(editor->selectedRow(), 2);
    for (int column = 0; column < columns.size(); ++column)
        QCOMPARE(heard(column), selected(columns.at(column), 2));
}

void TestRosterWindow::saveEntryFollowsTheRoster_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("done");
    QTest::addColumn<QString>("several");
    QTest::newRow("RamBot") << ramBot << u"Command4"_s << u"AddMultiple"_s;
    QTest::newRow("AndroidBot") << u"Command1"_s << u"Command3"_s << u"AndroidMultiple"_s;
}

void TestRosterWindow::saveEntryFollowsTheRoster()
{
    QFETCH(QString, control);
    QFETCH(QString, done);
    QFETCH(QString, several);
    EditorHarness h;
    RosterWindow *editor = h.open(control);
    auto *deleteBot = ::control<QPushButton>(editor, u"Command2"_s);
    addBots(editor, 1, h.game.gameDir());
    QVERIFY(saveEntry(editor)->isEnabled());
    deleteBot->click(); // nothing selected: nothing happens
    QCOMPARE(rosterOf(editor).size(), 1);
    QVERIFY(!editor->document().isModified());
    selectRow(editor, 0);
    deleteBot->click();
    QVERIFY(rosterOf(editor).isEmpty());
    QCOMPARE(editor->selectedRow(), -1);
    QVERIFY(!saveEntry(editor)->isEnabled());
    QVERIFY(editor->document().isModified());

    // Adding several bots leaves it as it is.
    ::control<QPushButton>(editor, u"Command5"_s)->click();
    ::control<QLineEdit>(dialog(editor, several), u"Text2"_s)->setText(u"3"_s);
    ::control<QPushButton>(dialog(editor, several), u"Command1"_s)->click();
    QCOMPARE(rosterOf(editor).size(), 10);
    QVERIFY(!saveEntry(editor)->isEnabled());

    // A file that fails to read leaves nothing to save.
    h.game.write(u"broken.cfg"_s,
                 "//" + editor->botName().toLatin1() + " Config File Created With\r\n//Counter-Strike Trevlin 2.0\r\n");
    MessageAnswerer no{QDialogButtonBox::No};
    no.arm();
    ::control<QAction>(editor, u"Open"_s)->trigger();
    QDialog *open = editor->findChild<QDialog *>(isAndroidFormat(editor) ? u"AndroidOpen"_s : u"OpenScreen"_s);
    QVERIFY(open->findChild<FileBrowser *>()->selectFile(u"broken.cfg"_s));
    ::control<QPushButton>(open, u"Command1"_s)->click();
    QCOMPARE(no.texts(),
             (QStringList{u"You Have Changed Your Current BotList. Do You Want To Save It Before You Open A New One?"_s,
                          u"The file you selected is not a valid Counter-Strike Trevlin "_s + editor->botName()
                              + u" Config file"_s}));
    QVERIFY(open->isVisible());
    QVERIFY(rosterOf(editor).isEmpty());
    QVERIFY(!saveEntry(editor)->isEnabled());

    // No bots are left to lose, so Done asks nothing; AndroidBot's asks about the changed options all the same,
    // and No stays.
    no.arm();
    ::control<QPushButton>(editor, done)->click();
    QCOMPARE(no.answered(), isAndroidFormat(editor));
    QCOMPARE(editor->isVisible(), isAndroidFormat(editor));
}

void TestRosterWindow::unsavedBotsAreAskedAbout_data()
{
    QTest::addColumn<QString>("control"); // the edit button that opened the editor
    QTest::addColumn<QString>("how");     // what would let the bots go
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QDialogButtonBox::StandardButton>("answer");
    // "gone", "kept", "save dialog", "renewed" (New), "switched" (to another add-on's editor) or "ended" (the program)
    QTest::addColumn<QString>("outcome");
    // The answer to the question, or "saved" when there is nothing to ask about.
    const auto row = [](const QString &control, const QString &how, const QString &answer, const QString &outcome) {
        const QHash<QString, QDialogButtonBox::StandardButton> buttons{{u"no"_s, QDialogButtonBox::No},
                                                                       {u"yes"_s, QDialogButtonBox::Yes},
                                                                       {u"cancel"_s, QDialogButtonBox::Cancel}};
        QTest::addRow("%s, %s, %s", control == podBot ? "PodBot" : "RamBot", qPrintable(how), qPrintable(answer))
            << control << how << (answer != "saved"_L1) << buttons.value(answer, MessageAnswerer::pressEscape)
            << outcome;
    };
    for (const QString &how : {u"Done"_s, u"close box"_s}) {
        row(ramBot, how, u"saved"_s, u"gone"_s);
        row(ramBot, how, u"no"_s, u"gone"_s);
        row(ramBot, how, u"yes"_s, u"save dialog"_s);
        row(ramBot, how, u"cancel"_s, u"kept"_s);
        row(ramBot, how, u"escape"_s, u"kept"_s);
    }
    row(ramBot, u"New"_s, u"saved"_s, u"renewed"_s);
    row(ramBot, u"New"_s, u"no"_s, u"renewed"_s);
    row(ramBot, u"New"_s, u"yes"_s, u"save dialog"_s);
    row(ramBot, u"New"_s, u"escape"_s, u"kept"_s);
    // Editors of either format are one at a time.
    row(ramBot, u"Command6"_s, u"no"_s, u"switched"_s);
    row(ramBot, podBot, u"yes"_s, u"save dialog"_s);
    row(ramBot, u"Command6"_s, u"cancel"_s, u"kept"_s);
    // The main window's exit button and its close box end the program.
    for (const QString &how : {u"Command4"_s, u"main close box"_s}) {
        row(ramBot, how, u"saved"_s, u"ended"_s);
        row(ramBot, how, u"no"_s, u"ended"_s);
        row(ramBot, how, u"yes"_s, u"save dialog"_s);
        row(ramBot, how, u"escape"_s, u"kept"_s);
    }
    // The other format's editor asks alike; the save a question offers has a caption of its own there.
    row(podBot, u"Done"_s, u"yes"_s, u"save dialog"_s);
    row(podBot, u"Done"_s, u"no"_s, u"gone"_s);
    row(podBot, u"close box"_s, u"escape"_s, u"kept"_s);
    row(podBot, u"New"_s, u"no"_s, u"renewed"_s);
    row(podBot, ramBot, u"no"_s, u"switched"_s);
}

void TestRosterWindow::unsavedBotsAreAskedAbout()
{
    QFETCH(QString, control);
    QFETCH(QString, how);
    QFETCH(bool, changed);
    QFETCH(QDialogButtonBox::StandardButton, answer);
    QFETCH(QString, outcome);
    EditorHarness h;
    QPointer<RosterWindow> editor = h.open(control);
    const QString botName = editor->botName();
    const bool android = isAndroidFormat(editor);
    addBots(editor, 2, changed ? QString() : h.game.gameDir());
    MessageAnswerer answerer(answer);
    answerer.arm();
    RosterWindow *next = nullptr;
    if (how == "Done"_L1)
        ::control<QPushButton>(editor, android ? u"Command3"_s : u"Command4"_s)->click();
    else if (how == "close box"_L1)
        editor->close();
    else if (how == "New"_L1)
        ::control<QAction>(editor, u"new"_s)->trigger();
    else if (how == "main close box"_L1)
        h.window->close();
    else if (how == "Command4"_L1)
        h.press(how);
    else
        next = h.open(how);

    QCOMPARE(answerer.texts(), changed ? QStringList{how == "New"_L1 ? newQuestion : exitQuestion} : QStringList());
    if (changed) {
        // In the platform's order of buttons.
        QCOMPARE(QSet<QString>(answerer.buttons().cbegin(), answerer.buttons().cend()),
                 (QSet<QString>{u"Yes"_s, u"No"_s, u"Cancel"_s}));
    }
    QCOMPARE(h.window->isVisible(), outcome != "ended"_L1);
    if (outcome == "gone"_L1 || outcome == "ended"_L1 || outcome == "switched"_L1) {
        QVERIFY(!editor || !editor->isVisible());
        if (outcome == "switched"_L1)
            QVERIFY(next && next->botName() != botName && rosterOf(next).isEmpty());
        return;
    }
    // Still in front, with the save dialog on Yes; nothing has switched to another add-on.
    QVERIFY(editor && editor->isVisible());
    QCOMPARE(h.session.botName(), botName);
    QCOMPARE(rosterOf(editor).size(), outcome == "renewed"_L1 ? 0 : 2);
    QDialog *save = dialog(editor, android ? u"AndroidSave"_s : u"SaveScreen"_s);
    QCOMPARE(save != nullptr, outcome == "save dialog"_L1);
    if (!save)
        return;
    // The save a question offers keeps AndroidBot's name for PodBot too; once saved, Done asks nothing.
    QCOMPARE(save->windowTitle(), android ? u"Save Android Config File"_s : u"Save RamBot Config File"_s);
    ::control<QLineEdit>(save, u"Text1"_s)->setText(u"asked.cfg"_s);
    ::control<QPushButton>(save, u"Command1"_s)->click();
    QVERIFY(h.game.exists(u"asked.cfg"_s));
    ::control<QPushButton>(editor, android ? u"Command3"_s : u"Command4"_s)->click();
    QVERIFY(!h.editor());
}

void TestRosterWindow::newStartsAfresh_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("checks"); // clicked before New
    QTest::addColumn<QString>("after");  // the boxes after New, a check box as 0 or 1
    QTest::newRow("RealBot") << u"Command5"_s << u"Check1 Check3"_s << u"Text1=3;Text5=20;Check1=0;Check3=0"_s;
    // PodBot's New leaves the team balance as it is.
    QTest::newRow("PodBot") << podBot << u"Check1 Check2 Check3"_s << u"Text1=3;Text2=60;Check1=1;Check2=1;Check3=0"_s;
}

void TestRosterWindow::newStartsAfresh()
{
    QFETCH(QString, control);
    QFETCH(QString, checks);
    QFETCH(QString, after);
    EditorHarness h;
    RosterWindow *editor = h.open(control);
    addBots(editor, 3);
    QTest::keyClicks(::control<QLineEdit>(editor, u"Text1"_s), u"7"_s);
    for (const QString &check : checks.split(u' '))
        ::control<QCheckBox>(editor, check)->click();
    MessageAnswerer answerer(QDialogButtonBox::No);
    answerer.arm();
    ::control<QAction>(editor, u"new"_s)->trigger();
    QVERIFY(rosterOf(editor).isEmpty());
    QVERIFY(!editor->document().isModified());
    QVERIFY(!saveEntry(editor)->isEnabled());
    for (const QString &box : after.split(u';')) {
        const QString name = box.section(u'=', 0, 0), value = box.section(u'=', 1);
        if (auto *check = qobject_cast<QCheckBox *>(::control(editor, name)))
            QVERIFY2(check->isChecked() == (value == u"1"), qPrintable(name));
        else
            QCOMPARE(::control<QLineEdit>(editor, name)->text(), value);
    }
}

void TestRosterWindow::optionControlsFollowTheRules()
{
    EditorHarness h;
    RosterWindow *editor = h.open(u"Command5"_s);
    auto *botskill = control<QLineEdit>(editor, u"Text5"_s);
    auto *range = control<QCheckBox>(editor, u"Check9"_s);
    QVERIFY(!range->isEnabled());
    // A click on the caption works the box beside it; the rule then greys and fills the controls it touches.
    QTest::mouseClick(control(editor, u"Label13"_s), Qt::LeftButton);
    QVERIFY(control<QCheckBox>(editor, u"Check2"_s)->isChecked());
    QCOMPARE(botskill->text(), u"-1"_s);
    QVERIFY(!botskill->isEnabled() && !control(editor, u"UpDown5"_s)->isEnabled());
    QVERIFY(range->isEnabled());
    range->click();
    QCOMPARE(control<QLineEdit>(editor, u"Text6"_s)->text(), u"40"_s);
    QVERIFY(control(editor, u"Text6"_s)->isEnabled());
    QVERIFY(editor->document().isModified());
}

void TestRosterWindow::spinnerSteps_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("taken"); // what the box holds after the typing
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected");
    // Time Before Bot Entry steps between 3 and 10, in either format.
    QTest::newRow("up") << ramBot << u"5"_s << u"5"_s << int(Qt::Key_Up) << u"6"_s;
    QTest::newRow("down") << ramBot << u"5"_s << u"5"_s << int(Qt::Key_Down) << u"4"_s;
    QTest::newRow("at the top") << ramBot << u"10"_s << u"10"_s << int(Qt::Key_Up) << u"10"_s;
    QTest::newRow("at the bottom") << podBot << u"3"_s << u"3"_s << int(Qt::Key_Down) << u"3"_s;
    QTest::newRow("typed beyond the range") << podBot << u"30"_s << u"3"_s << int(Qt::Key_Up) << u"4"_s;
    QTest::newRow("not a number") << ramBot << u"soon"_s << u"3"_s << int(Qt::Key_Up) << u"4"_s;
}

void TestRosterWindow::spinnerSteps()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, taken);
    QFETCH(int, key);
    QFETCH(QString, expected);
    EditorHarness h;
    RosterWindow *editor = h.open(control);
    auto *field = ::control<QLineEdit>(editor, u"Text1"_s);
    field->selectAll();
    QTest::keyClicks(field, text);
    const RosterOptions &options = editor->document().options();
    QCOMPARE(options.text(RosterOptions::Field::TimeBeforeBotEntry), taken);
    QTest::keyClick(field, Qt::Key(key));
    QCOMPARE(field->text(), expected);
    QCOMPARE(options.text(RosterOptions::Field::TimeBeforeBotEntry), expected);
}

void TestRosterWindow::openChangeAndSaveUnderANewName()
{
    EditorHarness h;
    h.game.write(u"nnbots.cfg"_s, nnBotFile);
    RosterWindow *editor = h.open(u"Command6"_s);
    control<QAction>(editor, u"Open"_s)->trigger();
    QDialog *openScreen = dialog(editor, u"OpenScreen"_s);
    QVERIFY(openScreen);
    QVERIFY(openScreen->findChild<FileBrowser *>()->selectFile(u"nnbots.cfg"_s));
    QPointer<QWidget> openGuard(openScreen);
    control<QPushButton>(openScreen, u"Command1"_s)->click();
    QTRY_VERIFY(openGuard.isNull());
    QCOMPARE(rosterOf(editor).size(), 2);
    QCOMPARE(rosterOf(editor).at(1), (RosterEntry{u"Bravo"_s, u"Counter Terrorist"_s, u"5"_s, u"French GIGN"_s}));
    QVERIFY(saveEntry(editor)->isEnabled());
    QVERIFY(!editor->document().isModified());

    control<QCheckBox>(editor, u"Check4"_s)->click();
    QVERIFY(editor->document().isModified());
    saveEntry(editor)->trigger();
    QDialog *saveScreen = dialog(editor, u"SaveScreen"_s);
    QVERIFY(saveScreen);
    QCOMPARE(saveScreen->windowTitle(), u"Save NNBot Config File"_s);
    control<QLineEdit>(saveScreen, u"Text1"_s)->selectAll();
    QTest::keyClicks(control<QLineEdit>(saveScreen, u"Text1"_s), u"peaceful"_s);
    control<QPushButton>(saveScreen, u"Command1"_s)->click();
    QVERIFY(!editor->document().isModified());
    QByteArray expected = nnBotFile;
    expected.replace("botsdontshoot 0", "botsdontshoot 1");
    QCOMPARE(h.game.read(u"peaceful.cfg"_s), expected);
    QCOMPARE(h.game.read(u"nnbots.cfg"_s), nnBotFile);
}

void TestRosterWindow::editDialogActsOnTheRowSelectedAtDone()
{
    EditorHarness h;
    RosterWindow *editor = h.open(podBot);
    editor->document().append(
        QList<RosterEntry>{{u"A"_s, u"Terrorist"_s, u"10"_s, {}}, {u"B"_s, u"Terrorist"_s, u"20"_s, {}}});
    // Without a selected row the edit button opens nothing.
    control<QPushButton>(editor, u"Command1"_s)->click();
    QVERIFY(!dialog(editor, u"AndroidEdit"_s));
    selectRow(editor, 0);
    control<QPushButton>(editor, u"Command1"_s)->click();
    QDialog *edit = dialog(editor, u"AndroidEdit"_s);
    control<QLineEdit>(edit, u"Text1"_s)->setText(u"C"_s);
    // The editor stays usable while the dialog is open: Done changes the row selected then.
    selectRow(editor, 1);
    control<QPushButton>(edit, u"Command1"_s)->click();
    QCOMPARE(rosterOf(editor).at(0).name, u"A"_s);
    QCOMPARE(rosterOf(editor).at(1).name, u"C"_s);

    control<QPushButton>(editor, u"Command1"_s)->click();
    edit = dialog(editor, u"AndroidEdit"_s);
    control<QPushButton>(editor, u"Command2"_s)->click();
    MessageAnswerer ok;
    ok.arm();
    control<QPushButton>(edit, u"Command1"_s)->click();
    QVERIFY(ok.text().startsWith(u"There is no bot selected in the list."_s));
    QVERIFY(dialog(editor, u"AndroidEdit"_s));
}

void TestRosterWindow::autostartDoubleClickOpensTheFile()
{
    EditorHarness h;
    h.game.write(u"pods.cfg"_s,
                 "//PodBot Config File Created With\r\n//Counter-Strike Trevlin 2.0\r\npause 3\r\n"
                 "botchat on\r\njasonmode off\r\nminbotskill 70\r\nmp_autoteambalance 0\r\n"
                 "addbot 75 5 Alpha\r\n");
    h.settings->save(u"Auto Execute"_s, u"PodBot"_s, u"pods.cfg"_s);
    h.find<QAbstractButton>(u"Option8"_s)->click();
    QTest::mouseDClick(h.find(u"Label2"_s), Qt::LeftButton);
    RosterWindow *editor = h.editor();
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), u"PodBot Bots"_s);
    QCOMPARE(rosterOf(editor).entries().value(0), (RosterEntry{u"Alpha"_s, u"Auto Assign"_s, u"75"_s, {}}));
    QCOMPARE(control<QLineEdit>(editor, u"Text2"_s)->text(), u"70"_s);
    QVERIFY(!editor->document().isModified());
}

QTEST_MAIN(TestRosterWindow)
#include "tst_rosterwindow.moc"
