#include "EditScreen.h"
#include "MainScreenHarness.h"
#include "MessageAnswerer.h"
#include "OpenScreen.h"
#include "Roster.h"
#include "RosterAddOn.h"
#include "RosterDocument.h"
#include "TestFiles.h"
#include "UpDown.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSet>

using namespace Qt::Literals::StringLiterals;

namespace {

using Widgets::child;

// A main window over a set-up game folder, with every generic add-on installed.
struct EditorHarness : MainScreenHarness
{
    EditorHarness()
    {
        start({u"RAMBOT liblist.gam"_s, u"REALBOT liblist.gam"_s, u"NNBOT liblist.gam"_s, u"HPBBOT liblist.gam"_s,
               u"SWATBOT liblist.gam"_s, u"AGBBOT liblist.gam"_s, u"PLBOT liblist.gam"_s, u"REDUBOT liblist.gam"_s,
               u"BOBABOT liblist.gam"_s});
    }

    EditScreen *open(const QString &control)
    {
        press(control);
        return editor();
    }

    EditScreen *editor() const
    {
        for (EditScreen *editor : window->findChildren<EditScreen *>()) {
            if (editor->isVisible())
                return editor;
        }
        return nullptr;
    }

    // Whether the open editor holds edits that no file has.
    bool editsUnsaved() const { return editor() && editor()->document().isModified(); }
};

// Adds bots as the add dialog does; with savedIn, writes them to a file there too, so that nothing is unsaved.
void addBots(EditScreen *editor, int count, const QString &savedIn = {})
{
    for (int i = 0; i < count; ++i)
        editor->document().append({u"Bot%1"_s.arg(i), u"Terrorist"_s, u"3"_s, u"UK SAS"_s});
    editor->enableSave();
    if (!savedIn.isEmpty())
        QCOMPARE(editor->document().save(savedIn + u"/saved.cfg"_s), QString());
}

const Roster &rosterOf(EditScreen *editor)
{
    return editor->document().roster();
}

} // namespace

class TestEditScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyEditControlOpensItsEditor();
    void editControlOpensWithLayout_data();
    void editControlOpensWithLayout();
    void everyControlIsNamed();
    void openEditorIsRaisedNotReloaded();
    void unsavedBotsAreAskedAbout_data();
    void unsavedBotsAreAskedAbout();
    void columnsShareOneSelectedRow();
    void deletingTheLastBotDisablesSave();
    void optionControlsFollowTheRules();
    void spinnerSteps_data();
    void spinnerSteps();
    void openChangeAndSaveUnderANewName();
};

void TestEditScreen::everyEditControlOpensItsEditor()
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
    // Each add-on of the roster table opens its editor from its button and from its menu entry.
    QStringList opened;
    for (const QString &control : controls) {
        if (EditScreen *editor = h.open(control)) {
            QCOMPARE(h.session.botName(), editor->botName());
            opened << editor->botName();
            editor->close();
        }
    }
    QStringList generic;
    for (const RosterAddOn &addOn : RosterAddOn::all())
        generic << addOn.botName.toString() << addOn.botName.toString();
    opened.sort();
    generic.sort();
    QCOMPARE(opened, generic);
}

void TestEditScreen::editControlOpensWithLayout_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("botskill");
    QTest::addColumn<bool>("layout");
    QTest::addColumn<bool>("realBotRows");
    QTest::addColumn<bool>("waypoints");
    QTest::newRow("RealBot") << u"Command5"_s << u"20"_s << true << true << false;
    QTest::newRow("RamBot") << u"Command2"_s << u"2"_s << true << false << true;
    // Its file carries no waypoint lines, so the frame would set nothing.
    QTest::newRow("AGBBot") << u"Command11"_s << u"2"_s << true << false << false;
    // The first five add-ons' menu entries show only the options every add-on has; the others' do what their
    // buttons do.
    QTest::newRow("realbots entry") << u"realbots"_s << u"2"_s << false << false << true;
    QTest::newRow("bobabots entry") << u"bobabots"_s << u"2"_s << true << false << true;
}

void TestEditScreen::editControlOpensWithLayout()
{
    QFETCH(QString, control);
    QFETCH(bool, layout);
    QFETCH(bool, realBotRows);
    EditorHarness h;
    EditScreen *editor = h.open(control);
    QVERIFY(editor);
    QVERIFY(!h.editsUnsaved());
    QVERIFY(!child<QAction>(editor, u"Save"_s)->isEnabled());
    QTEST(child<QLineEdit>(editor, u"Text5"_s)->text(), "botskill");
    QCOMPARE(child<QLineEdit>(editor, u"Text1"_s)->text(), u"3"_s);
    QVERIFY(child(editor, u"Text2"_s)->isVisible() && child(editor, u"Text5"_s)->isVisible());
    QCOMPARE(child(editor, u"Check3"_s)->isVisible(), layout);
    QCOMPARE(child(editor, u"Check4"_s)->isVisible(), layout);
    for (const QString &name : {u"Check2"_s, u"Check9"_s, u"Check8"_s, u"Text6"_s, u"Text4"_s})
        QCOMPARE(child(editor, name)->isVisible(), realBotRows);
    QTEST(child(editor, u"Frame4"_s)->isVisible(), "waypoints");
    if (realBotRows)
        QCOMPARE(child<UpDown>(editor, u"UpDown2"_s)->maximum(), 50);
}

void TestEditScreen::everyControlIsNamed()
{
    EditorHarness h;
    EditScreen *editor = h.open(u"Command5"_s);
    // Assistive tools read each control by its caption, or a box and its spinner by their label's.
    QCOMPARE(Widgets::unnamedControls(editor), QStringList());
    QCOMPARE(child(editor, u"Text5"_s)->accessibleName(), u"Botskill"_s);
    QCOMPARE(child(editor, u"Check9"_s)->accessibleName(), u"Use Botskill Range"_s);
    QCOMPARE(child(editor, u"List4"_s)->accessibleName(), u"Skin"_s);
}

void TestEditScreen::openEditorIsRaisedNotReloaded()
{
    EditorHarness h;
    EditScreen *editor = h.open(u"Command5"_s);
    addBots(editor, 2);
    QTest::keyClick(child<QLineEdit>(editor, u"Text5"_s), Qt::Key_Backspace);
    QTest::keyClicks(child<QLineEdit>(editor, u"Text5"_s), u"5"_s);
    QVERIFY(h.editsUnsaved());
    QCOMPARE(h.open(u"Command5"_s), editor);
    QCOMPARE(rosterOf(editor).size(), 2);
    QCOMPARE(child<QLineEdit>(editor, u"Text5"_s)->text(), u"25"_s);
    QVERIFY(h.editsUnsaved());
}

void TestEditScreen::unsavedBotsAreAskedAbout_data()
{
    QTest::addColumn<QString>("how"); // what would let the bots go
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QDialogButtonBox::StandardButton>("answer");
    // "gone", "kept", "save dialog", "renewed" (New), "switched" (to NNBot's editor) or "ended" (the program)
    QTest::addColumn<QString>("outcome");
    // The answer to the question, or "saved" when there is nothing to ask about.
    const auto row = [](const QString &how, const QString &answer, const QString &outcome) {
        const QHash<QString, QDialogButtonBox::StandardButton> buttons{{u"no"_s, QDialogButtonBox::No},
                                                                       {u"yes"_s, QDialogButtonBox::Yes},
                                                                       {u"cancel"_s, QDialogButtonBox::Cancel}};
        QTest::addRow("%s, %s", qPrintable(how), qPrintable(answer))
            << how << (answer != "saved"_L1) << buttons.value(answer, MessageAnswerer::pressEscape) << outcome;
    };
    for (const QString &how : {u"Done"_s, u"close box"_s}) {
        row(how, u"saved"_s, u"gone"_s);
        row(how, u"no"_s, u"gone"_s);
        row(how, u"yes"_s, u"save dialog"_s);
        row(how, u"cancel"_s, u"kept"_s);
        row(how, u"escape"_s, u"kept"_s);
    }
    row(u"New"_s, u"saved"_s, u"renewed"_s);
    row(u"New"_s, u"no"_s, u"renewed"_s);
    row(u"New"_s, u"yes"_s, u"save dialog"_s);
    row(u"New"_s, u"escape"_s, u"kept"_s);
    row(u"other add-on"_s, u"no"_s, u"switched"_s);
    row(u"other add-on"_s, u"yes"_s, u"save dialog"_s);
    row(u"other add-on"_s, u"cancel"_s, u"kept"_s);
    // The main window's exit button and its close box end the program.
    for (const QString &how : {u"Command4"_s, u"main close box"_s}) {
        row(how, u"saved"_s, u"ended"_s);
        row(how, u"no"_s, u"ended"_s);
        row(how, u"yes"_s, u"save dialog"_s);
        row(how, u"escape"_s, u"kept"_s);
    }
}

void TestEditScreen::unsavedBotsAreAskedAbout()
{
    QFETCH(QString, how);
    QFETCH(bool, changed);
    QFETCH(QDialogButtonBox::StandardButton, answer);
    QFETCH(QString, outcome);
    EditorHarness h;
    QPointer<EditScreen> editor = h.open(u"Command2"_s);
    auto *entryTime = child<QLineEdit>(editor, u"Text1"_s);
    QTest::keyClick(entryTime, Qt::Key_Backspace);
    QTest::keyClicks(entryTime, u"7"_s);
    addBots(editor, 2, changed ? QString() : h.game.gameDir());
    MessageAnswerer answerer(answer);
    answerer.arm();
    EditScreen *next = nullptr;
    if (how == "Done"_L1)
        child<QPushButton>(editor, u"Command4"_s)->click();
    else if (how == "close box"_L1)
        editor->close();
    else if (how == "New"_L1)
        child<QAction>(editor, u"new"_s)->trigger();
    else if (how == "other add-on"_L1)
        next = h.open(u"Command6"_s);
    else if (how == "main close box"_L1)
        h.window->close();
    else
        h.press(how);

    QCOMPARE(answerer.texts().size(), changed ? 1 : 0);
    if (changed) {
        QVERIFY2(answerer.text().contains(how == "New"_L1 ? "A New One"_L1 : "Before You Exit"_L1),
                 qPrintable(answerer.text()));
        // In the platform's order of buttons.
        QCOMPARE(QSet<QString>(answerer.buttons().cbegin(), answerer.buttons().cend()),
                 (QSet<QString>{u"Yes"_s, u"No"_s, u"Cancel"_s}));
    }
    QCOMPARE(h.window->isVisible(), outcome != "ended"_L1);
    if (outcome == "gone"_L1 || outcome == "ended"_L1 || outcome == "switched"_L1) {
        QVERIFY(!editor || !editor->isVisible());
        if (outcome == "switched"_L1)
            QVERIFY(next && next->botName() == "NNBot"_L1 && rosterOf(next).isEmpty());
        return;
    }
    // Still in front, with the save dialog on Yes; nothing has switched to another add-on.
    QVERIFY(editor && editor->isVisible());
    QCOMPARE(h.session.botName(), u"RamBot"_s);
    QCOMPARE(editor->findChild<QWidget *>(u"SaveScreen"_s) != nullptr, outcome == "save dialog"_L1);
    QCOMPARE(rosterOf(editor).size(), outcome == "renewed"_L1 ? 0 : 2);
    // New starts afresh: the options at their start, nothing to save.
    QCOMPARE(entryTime->text(), outcome == "renewed"_L1 ? u"3"_s : u"7"_s);
    if (outcome == "renewed"_L1)
        QVERIFY(!child<QAction>(editor, u"Save"_s)->isEnabled() && !h.editsUnsaved());
}

void TestEditScreen::columnsShareOneSelectedRow()
{
    EditorHarness h;
    EditScreen *editor = h.open(u"Command2"_s);
    editor->document().append(QList<RosterEntry>{{u"Alpha"_s, u"Terrorist"_s, u"3"_s, u"Phoenix Connection"_s},
                                                 {u"Bravo"_s, u"Counter Terrorist"_s, u"5"_s, u"French GIGN"_s},
                                                 {u"Charlie"_s, u"Terrorist"_s, u"1"_s, u"L337 Krew"_s}});
    // What a screen reader hears of each list: its own column's cells, and which of them is selected.
    const auto heard = [&] {
        QList<QStringList> lists;
        for (const QString &name : {u"List1"_s, u"List2"_s, u"List3"_s, u"List4"_s})
            lists.append(Widgets::heard(child(editor, name)));
        return lists;
    };
    QCOMPARE(heard(),
             (QList<QStringList>{{u"Alpha"_s, u"Bravo"_s, u"Charlie"_s},
                                 {u"Terrorist"_s, u"Counter Terrorist"_s, u"Terrorist"_s},
                                 {u"3"_s, u"5"_s, u"1"_s},
                                 {u"Phoenix Connection"_s, u"French GIGN"_s, u"L337 Krew"_s}}));

    // A click in one column selects the bot in every column; the keys in another move them all.
    Widgets::clickRow(child<QListView>(editor, u"List4"_s), 1);
    QCOMPARE(editor->selectedRow(), 1);
    QCOMPARE(heard(),
             (QList<QStringList>{{u"Alpha"_s, u"Bravo*"_s, u"Charlie"_s},
                                 {u"Terrorist"_s, u"Counter Terrorist*"_s, u"Terrorist"_s},
                                 {u"3"_s, u"5*"_s, u"1"_s},
                                 {u"Phoenix Connection"_s, u"French GIGN*"_s, u"L337 Krew"_s}}));
    auto *teams = child<QListView>(editor, u"List2"_s);
    teams->setFocus();
    QTest::keyClick(teams, Qt::Key_Down);
    QCOMPARE(editor->selectedRow(), 2);
    QCOMPARE(heard().at(2), (QStringList{u"3"_s, u"5"_s, u"1*"_s}));
}

void TestEditScreen::deletingTheLastBotDisablesSave()
{
    EditorHarness h;
    EditScreen *editor = h.open(u"Command2"_s);
    auto *deleteButton = child<QPushButton>(editor, u"Command2"_s);
    addBots(editor, 1, h.game.gameDir());
    deleteButton->click(); // nothing selected: nothing happens
    QCOMPARE(rosterOf(editor).size(), 1);
    QVERIFY(!h.editsUnsaved());

    auto *names = child<QListView>(editor, u"List1"_s);
    names->setCurrentIndex(names->model()->index(0, 0));
    deleteButton->click();
    QVERIFY(rosterOf(editor).isEmpty());
    QCOMPARE(editor->selectedRow(), -1);
    QVERIFY(!child<QAction>(editor, u"Save"_s)->isEnabled());
    QVERIFY(h.editsUnsaved());

    // Nothing is left to lose, so Done asks nothing.
    MessageAnswerer answerer;
    answerer.arm();
    child<QPushButton>(editor, u"Command4"_s)->click();
    QVERIFY(!answerer.answered());
    QVERIFY(!editor->isVisible());
}

void TestEditScreen::optionControlsFollowTheRules()
{
    EditorHarness h;
    EditScreen *editor = h.open(u"Command5"_s);
    auto *botskill = child<QLineEdit>(editor, u"Text5"_s);
    auto *range = child<QCheckBox>(editor, u"Check9"_s);
    QVERIFY(!range->isEnabled());
    // A click on the caption works the box beside it; the rule then greys and fills the controls it touches.
    QTest::mouseClick(child(editor, u"Label13"_s), Qt::LeftButton);
    QVERIFY(child<QCheckBox>(editor, u"Check2"_s)->isChecked());
    QCOMPARE(botskill->text(), u"-1"_s);
    QVERIFY(!botskill->isEnabled() && !child(editor, u"UpDown5"_s)->isEnabled());
    QVERIFY(range->isEnabled());
    range->click();
    QCOMPARE(child<QLineEdit>(editor, u"Text6"_s)->text(), u"40"_s);
    QVERIFY(child(editor, u"Text6"_s)->isEnabled());
    QVERIFY(h.editsUnsaved());
}

void TestEditScreen::spinnerSteps_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("taken"); // what the box holds after the typing
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected");
    // Time Before Bot Entry steps between 3 and 10.
    QTest::newRow("up") << u"5"_s << u"5"_s << int(Qt::Key_Up) << u"6"_s;
    QTest::newRow("down") << u"5"_s << u"5"_s << int(Qt::Key_Down) << u"4"_s;
    QTest::newRow("at the top") << u"10"_s << u"10"_s << int(Qt::Key_Up) << u"10"_s;
    QTest::newRow("at the bottom") << u"3"_s << u"3"_s << int(Qt::Key_Down) << u"3"_s;
    QTest::newRow("typed beyond the range") << u"30"_s << u"3"_s << int(Qt::Key_Up) << u"4"_s;
    QTest::newRow("not a number") << u"soon"_s << u"3"_s << int(Qt::Key_Up) << u"4"_s;
}

void TestEditScreen::spinnerSteps()
{
    QFETCH(QString, text);
    QFETCH(QString, taken);
    QFETCH(int, key);
    QFETCH(QString, expected);
    EditorHarness h;
    EditScreen *editor = h.open(u"Command2"_s);
    auto *field = child<QLineEdit>(editor, u"Text1"_s);
    field->selectAll();
    QTest::keyClicks(field, text);
    const RosterOptions &options = editor->document().options();
    QCOMPARE(options.text(RosterOptions::Field::TimeBeforeBotEntry), taken);
    QTest::keyClick(field, Qt::Key(key));
    QCOMPARE(field->text(), expected);
    QCOMPARE(options.text(RosterOptions::Field::TimeBeforeBotEntry), expected);
}

void TestEditScreen::openChangeAndSaveUnderANewName()
{
    EditorHarness h;
    const QByteArray nnBotFile = TestFiles::roster(u"NNBot"_s, "addbot 1 1 Alpha 3\r\naddbot 2 4 Bravo 5\r\n");
    h.game.write(u"nnbots.cfg"_s, nnBotFile);
    EditScreen *editor = h.open(u"Command6"_s);
    child<QAction>(editor, u"Open"_s)->trigger();
    QWidget *openScreen = editor->findChild<QWidget *>(u"OpenScreen"_s);
    QVERIFY(openScreen && openScreen->isVisible());
    qobject_cast<OpenScreen *>(openScreen)->selectFile(u"nnbots.cfg"_s);
    QPointer<QWidget> openGuard(openScreen);
    child<QPushButton>(openScreen, u"Command1"_s)->click();
    QTRY_VERIFY(openGuard.isNull());
    QCOMPARE(rosterOf(editor).size(), 2);
    QCOMPARE(rosterOf(editor).at(1), (RosterEntry{u"Bravo"_s, u"Counter Terrorist"_s, u"5"_s, u"French GIGN"_s}));
    QVERIFY(child<QAction>(editor, u"Save"_s)->isEnabled());
    QVERIFY(!h.editsUnsaved());

    child<QCheckBox>(editor, u"Check4"_s)->click();
    QVERIFY(h.editsUnsaved());
    child<QAction>(editor, u"Save"_s)->trigger();
    QWidget *saveScreen = editor->findChild<QWidget *>(u"SaveScreen"_s);
    QVERIFY(saveScreen && saveScreen->isVisible());
    QTest::keyClicks(child<QLineEdit>(saveScreen, u"Text1"_s), u"peaceful"_s);
    child<QPushButton>(saveScreen, u"Command1"_s)->click();
    QVERIFY(!h.editsUnsaved());
    QByteArray expected = nnBotFile;
    expected.replace("botsdontshoot 0", "botsdontshoot 1");
    QCOMPARE(h.game.read(u"peaceful.cfg"_s), expected);
    QCOMPARE(h.game.read(u"nnbots.cfg"_s), nnBotFile);

    // Saved: Done closes without a question.
    MessageAnswerer answerer;
    answerer.arm();
    child<QPushButton>(editor, u"Command4"_s)->click();
    QVERIFY(!answerer.answered());
    QVERIFY(!editor->isVisible());
}

QTEST_MAIN(TestEditScreen)
#include "tst_editscreen.moc"
