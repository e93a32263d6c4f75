#include "EditScreen.h"
#include "MainScreenHarness.h"
#include "MessageAnswerer.h"
#include "OpenScreen.h"
#include "Roster.h"
#include "RosterDocument.h"
#include "UpDown.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSet>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString exitQuestion = u"You Have Changed Your Current BotList. Do You Want To Save It Before You Exit?"_s;

const QByteArray nnBotFile
    = "//NNBot Config File Created With\r\n//Counter-Strike Trevlin 2.0\r\npause 3\r\n"
      "mp_autoteambalance 0\r\nwaypoint off\r\nwaypoint 1 off\r\nwaypoint 2 off\r\nobserver 0\r\n"
      "botsdontshoot 0\r\nmin_bots 0\r\nmax_bots 0\r\nbotskill 2\r\naddbot 1 1 Alpha 3\r\n"
      "addbot 2 4 Bravo 5\r\n";

const QStringList allInstalled{u"RAMBOT liblist.gam"_s, u"REALBOT liblist.gam"_s, u"NNBOT liblist.gam"_s,
                               u"HPBBOT liblist.gam"_s, u"SWATBOT liblist.gam"_s, u"AGBBOT liblist.gam"_s,
                               u"PLBOT liblist.gam"_s,  u"REDUBOT liblist.gam"_s, u"BOBABOT liblist.gam"_s};

// A main window over a set-up game folder, with every generic add-on installed.
struct EditorHarness : MainScreenHarness
{
    EditorHarness()
    {
        setUp(allInstalled);
        window->show();
        window->startUp();
    }

    EditScreen *open(const QString &control)
    {
        if (QAction *entry = window->findChild<QAction *>(control))
            entry->trigger();
        else
            find<QAbstractButton>(control)->click();
        return editor();
    }

    EditScreen *editor() const
    {
        const QList<EditScreen *> editors = window->findChildren<EditScreen *>();
        for (EditScreen *editor : editors) {
            if (editor->isVisible())
                return editor;
        }
        return nullptr;
    }

    // Whether the open editor holds edits that no file has.
    bool editsUnsaved() const { return editor() && editor()->document().isModified(); }

    template<typename T = QWidget> static T *control(QWidget *editor, const QString &name)
    {
        return editor->findChild<T *>(name);
    }
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
    void editControlOpensWithLayout_data();
    void editControlOpensWithLayout();
    void everyControlIsNamed();
    void openEditorIsRaisedNotReloaded();
    void otherAddOnClosesTheOpenEditorFirst_data();
    void otherAddOnClosesTheOpenEditorFirst();
    void columnsShareOneSelectedRow();
    void deletingTheLastBotDisablesSave();
    void doneQuestion_data();
    void doneQuestion();
    void newStartsAfresh();
    void optionControlsFollowTheRules();
    void spinnerSteps_data();
    void spinnerSteps();
    void openChangeAndSaveUnderANewName();
    void endingTheProgramAsksAboutUnsavedBots_data();
    void endingTheProgramAsksAboutUnsavedBots();
};

void TestEditScreen::editControlOpensWithLayout_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("botskill");
    QTest::addColumn<bool>("layout");
    QTest::addColumn<bool>("realBotRows");
    QTest::addColumn<bool>("waypoints");
    QTest::newRow("RealBot") << u"Command5"_s << u"RealBot Bots"_s << u"20"_s << true << true << false;
    QTest::newRow("RamBot") << u"Command2"_s << u"RamBot Bots"_s << u"2"_s << true << false << true;
    QTest::newRow("NNBot") << u"Command6"_s << u"NNBot Bots"_s << u"2"_s << true << false << true;
    QTest::newRow("HPBBot") << u"Command7"_s << u"HPB Bots"_s << u"2"_s << true << false << true;
    QTest::newRow("SwatBot") << u"Command8"_s << u"Swat Bots"_s << u"2"_s << true << false << true;
    QTest::newRow("BobaBot") << u"Command14"_s << u"Boba Bots"_s << u"2"_s << true << false << true;
    // Their files carry no waypoint lines, so the frame would set nothing.
    QTest::newRow("AGBBot") << u"Command11"_s << u"AGB Bots"_s << u"2"_s << true << false << false;
    QTest::newRow("PLBot") << u"Command12"_s << u"PL Bots"_s << u"2"_s << true << false << false;
    QTest::newRow("ReduBot") << u"Command13"_s << u"Redu Bots"_s << u"2"_s << true << false << false;
    // The first five add-ons' menu entries show only the options every add-on has; the others' do what their
    // buttons do.
    QTest::newRow("rambots entry") << u"rambots"_s << u"RamBot Bots"_s << u"2"_s << false << false << true;
    QTest::newRow("realbots entry") << u"realbots"_s << u"RealBot Bots"_s << u"2"_s << false << false << true;
    QTest::newRow("bobabots entry") << u"bobabots"_s << u"Boba Bots"_s << u"2"_s << true << false << true;
}

void TestEditScreen::editControlOpensWithLayout()
{
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QFETCH(QString, botskill);
    QFETCH(bool, layout);
    QFETCH(bool, realBotRows);
    QFETCH(bool, waypoints);
    EditorHarness h;
    EditScreen *editor = h.open(control);
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), caption);
    QVERIFY(!h.editsUnsaved());
    QVERIFY(!h.control<QAction>(editor, u"Save"_s)->isEnabled());
    QCOMPARE(h.control<QLineEdit>(editor, u"Text5"_s)->text(), botskill);
    QCOMPARE(h.control<QLineEdit>(editor, u"Text1"_s)->text(), u"3"_s);
    QVERIFY(h.control(editor, u"Text2"_s)->isVisible() && h.control(editor, u"Text5"_s)->isVisible());
    QCOMPARE(h.control(editor, u"Check3"_s)->isVisible(), layout);
    QCOMPARE(h.control(editor, u"Check4"_s)->isVisible(), layout);
    for (const QString &name : {u"Check2"_s, u"Check9"_s, u"Check8"_s, u"Text6"_s, u"Text4"_s})
        QCOMPARE(h.control(editor, name)->isVisible(), realBotRows);
    QCOMPARE(h.control(editor, u"Frame4"_s)->isVisible(), waypoints);
    if (realBotRows)
        QCOMPARE(h.control<UpDown>(editor, u"UpDown2"_s)->maximum(), 50);
}

void TestEditScreen::everyControlIsNamed()
{
    EditorHarness h;
    EditScreen *editor = h.open(u"Command5"_s);
    // Assistive tools read each control by its caption, or a box and its spinner by their label's.
    const QList<QWidget *> controls = editor->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        const bool named = qobject_cast<QAbstractButton *>(control) || qobject_cast<QLineEdit *>(control)
            || qobject_cast<QListView *>(control) || qobject_cast<UpDown *>(control);
        if (!named || !control->isVisibleTo(editor))
            continue;
        const auto *button = qobject_cast<QAbstractButton *>(control);
        QString name = control->accessibleName().isEmpty() && button ? button->text() : control->accessibleName();
        QVERIFY2(!name.remove(u'&').isEmpty(), qPrintable(control->objectName()));
    }
    QCOMPARE(h.control(editor, u"Text5"_s)->accessibleName(), u"Botskill"_s);
    QCOMPARE(h.control(editor, u"Check9"_s)->accessibleName(), u"Use Botskill Range"_s);
    QCOMPARE(h.control(editor, u"List4"_s)->accessibleName(), u"Skin"_s);
}

void TestEditScreen::openEditorIsRaisedNotReloaded()
{
    EditorHarness h;
    EditScreen *editor = h.open(u"Command5"_s);
    addBots(editor, 2);
    QTest::keyClick(h.control<QLineEdit>(editor, u"Text5"_s), Qt::Key_Backspace);
    QTest::keyClicks(h.control<QLineEdit>(editor, u"Text5"_s), u"5"_s);
    QVERIFY(h.editsUnsaved());
    QCOMPARE(h.open(u"Command5"_s), editor);
    QCOMPARE(rosterOf(editor).size(), 2);
    QCOMPARE(h.control<QLineEdit>(editor, u"Text5"_s)->text(), u"25"_s);
    QVERIFY(h.editsUnsaved());
}

void TestEditScreen::otherAddOnClosesTheOpenEditorFirst_data()
{
    QTest::addColumn<QDialogButtonBox::StandardButton>("answer");
    QTest::newRow("discard") << QDialogButtonBox::No;
    QTest::newRow("save first") << QDialogButtonBox::Yes;
    QTest::newRow("cancel") << QDialogButtonBox::Cancel;
}

void TestEditScreen::otherAddOnClosesTheOpenEditorFirst()
{
    QFETCH(QDialogButtonBox::StandardButton, answer);
    EditorHarness h;
    EditScreen *ramBot = h.open(u"Command2"_s);
    addBots(ramBot, 1);
    QPointer<EditScreen> guard(ramBot);
    MessageAnswerer answerer(answer);
    answerer.arm();
    EditScreen *next = h.open(u"Command6"_s);
    QCOMPARE(answerer.texts(), QStringList{exitQuestion});
    if (answer != QDialogButtonBox::No) {
        // The RamBot roster stays in front, with its save dialog on Yes; nothing has switched to NNBot.
        QCOMPARE(next, ramBot);
        QCOMPARE(h.session.botName(), u"RamBot"_s);
        QCOMPARE(rosterOf(ramBot).size(), 1);
        QCOMPARE(ramBot->findChild<QWidget *>(u"SaveScreen"_s) != nullptr, answer == QDialogButtonBox::Yes);
        return;
    }
    QVERIFY(next && next != ramBot);
    QCOMPARE(next->windowTitle(), u"NNBot Bots"_s);
    QCOMPARE(next->botName(), u"NNBot"_s);
    QVERIFY(rosterOf(next).isEmpty());
    QTRY_VERIFY(guard.isNull());
}

void TestEditScreen::columnsShareOneSelectedRow()
{
    EditorHarness h;
    EditScreen *editor = h.open(u"Command2"_s);
    editor->document().append(QList<RosterEntry>{{u"Alpha"_s, u"Terrorist"_s, u"3"_s, u"Phoenix Connection"_s},
                                                 {u"Bravo"_s, u"Counter Terrorist"_s, u"5"_s, u"French GIGN"_s},
                                                 {u"Charlie"_s, u"Terrorist"_s, u"1"_s, u"L337 Krew"_s}});
    const QStringList names{u"List1"_s, u"List2"_s, u"List3"_s, u"List4"_s};
    const QList<QStringList> columns{{u"Alpha"_s, u"Bravo"_s, u"Charlie"_s},
                                     {u"Terrorist"_s, u"Counter Terrorist"_s, u"Terrorist"_s},
                                     {u"3"_s, u"5"_s, u"1"_s},
                                     {u"Phoenix Connection"_s, u"French GIGN"_s, u"L337 Krew"_s}};
    // What a screen reader hears of each list: its own column's cells, and which of them is selected.
    const auto heard = [&](const QString &name) {
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(h.control(editor, name));
        QStringList cells;
        for (int i = 0; i < list->childCount(); ++i) {
            QAccessibleInterface *cell = list->child(i);
            cells.append(cell->text(QAccessible::Name) + (cell->state().selected ? u"*"_s : QString()));
        }
        return cells;
    };
    const auto selected = [](QStringList cells, int row) {
        cells[row] += u'*';
        return cells;
    };
    for (qsizetype column = 0; column < names.size(); ++column)
        QCOMPARE(heard(names.at(column)), columns.at(column));

    // A click in one column selects the bot in every column; the keys in another move them all.
    auto *skins = h.control<QListView>(editor, u"List4"_s);
    QTest::mouseClick(skins->viewport(), Qt::LeftButton, {}, skins->visualRect(skins->model()->index(1, 0)).center());
    QCOMPARE(editor->selectedRow(), 1);
    for (qsizetype column = 0; column < names.size(); ++column)
        QCOMPARE(heard(names.at(column)), selected(columns.at(column), 1));
    auto *teams = h.control<QListView>(editor, u"List2"_s);
    teams->setFocus();
    QTest::keyClick(teams, Qt::Key_Down);
    QCOMPARE(editor->selectedRow(), 2);
    for (qsizetype column = 0; column < names.size(); ++column)
        QCOMPARE(heard(names.at(column)), selected(columns.at(column), 2));
}

void TestEditScreen::deletingTheLastBotDisablesSave()
{
    EditorHarness h;
    EditScreen *editor = h.open(u"Command2"_s);
    auto *deleteButton = h.control<QPushButton>(editor, u"Command2"_s);
    addBots(editor, 1, h.game.gameDir());
    deleteButton->click(); // nothing selected: nothing happens
    QCOMPARE(rosterOf(editor).size(), 1);
    QVERIFY(!h.editsUnsaved());

    auto *names = h.control<QListView>(editor, u"List1"_s);
    names->setCurrentIndex(names->model()->index(0, 0));
    deleteButton->click();
    QVERIFY(rosterOf(editor).isEmpty());
    QCOMPARE(editor->selectedRow(), -1);
    QVERIFY(!h.control<QAction>(editor, u"Save"_s)->isEnabled());
    QVERIFY(h.editsUnsaved());

    // Nothing is left to lose, so Done asks nothing.
    MessageAnswerer answerer;
    answerer.arm();
    h.control<QPushButton>(editor, u"Command4"_s)->click();
    QVERIFY(!answerer.answered());
    QVERIFY(!editor->isVisible());
}

void TestEditScreen::doneQuestion_data()
{
    QTest::addColumn<QString>("how"); // "Done", "close box" or "New"
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QDialogButtonBox::StandardButton>("answer");
    QTest::addColumn<QString>("outcome"); // "gone", "kept", "save dialog" or "renewed"
    const auto row = [](const char *name, const QString &how, bool changed, QDialogButtonBox::StandardButton answer,
                        const QString &outcome) {
        QTest::newRow(name) << how << changed << answer << outcome;
    };
    const QString gone = u"gone"_s;
    const QString kept = u"kept"_s;
    const QString saveDialog = u"save dialog"_s;
    for (const QString &how : {u"Done"_s, u"close box"_s}) {
        const QByteArray name = how.toLatin1();
        row(name + ", saved", how, false, QDialogButtonBox::No, gone);
        row(name + ", no", how, true, QDialogButtonBox::No, gone);
        row(name + ", yes", how, true, QDialogButtonBox::Yes, saveDialog);
        row(name + ", cancel", how, true, QDialogButtonBox::Cancel, kept);
        row(name + ", escape", how, true, MessageAnswerer::pressEscape, kept);
    }
    row("New, saved", u"New"_s, false, QDialogButtonBox::No, u"renewed"_s);
    row("New, no", u"New"_s, true, QDialogButtonBox::No, u"renewed"_s);
    row("New, yes", u"New"_s, true, QDialogButtonBox::Yes, saveDialog);
    row("New, escape", u"New"_s, true, MessageAnswerer::pressEscape, kept);
}

void TestEditScreen::doneQuestion()
{
    QFETCH(QString, how);
    QFETCH(bool, changed);
    QFETCH(QDialogButtonBox::StandardButton, answer);
    QFETCH(QString, outcome);
    EditorHarness h;
    EditScreen *editor = h.open(u"Command2"_s);
    addBots(editor, 2, changed ? QString() : h.game.gameDir());
    MessageAnswerer answerer(answer);
    answerer.arm();
    if (how == "Done"_L1)
        h.control<QPushButton>(editor, u"Command4"_s)->click();
    else if (how == "close box"_L1)
        editor->close();
    else
        h.control<QAction>(editor, u"new"_s)->trigger();

    QCOMPARE(answerer.answered(), changed);
    if (changed) {
        QCOMPARE(answerer.text(),
                 how == "New"_L1 ? u"You Have Changed Your Current BotList. Do You Want To Save It "
                                   u"Before You Start A New One?"_s
                                 : exitQuestion);
        // In the platform's order of buttons.
        QCOMPARE(QSet<QString>(answerer.buttons().cbegin(), answerer.buttons().cend()),
                 (QSet<QString>{u"Yes"_s, u"No"_s, u"Cancel"_s}));
    }
    QCOMPARE(editor->isVisible(), outcome != "gone"_L1);
    QCOMPARE(editor->findChild<QWidget *>(u"SaveScreen"_s) != nullptr, outcome == "save dialog"_L1);
    if (outcome != "gone"_L1)
        QCOMPARE(rosterOf(editor).size(), outcome == "renewed"_L1 ? 0 : 2);
}

void TestEditScreen::newStartsAfresh()
{
    EditorHarness h;
    EditScreen *editor = h.open(u"Command5"_s);
    addBots(editor, 3);
    QTest::keyClicks(h.control<QLineEdit>(editor, u"Text1"_s), u"7"_s);
    h.control<QCheckBox>(editor, u"Check3"_s)->click();
    QVERIFY(h.editsUnsaved());
    MessageAnswerer answerer(QDialogButtonBox::No);
    answerer.arm();
    h.control<QAction>(editor, u"new"_s)->trigger();
    QVERIFY(rosterOf(editor).isEmpty());
    QVERIFY(!h.editsUnsaved());
    QVERIFY(!h.control<QAction>(editor, u"Save"_s)->isEnabled());
    QCOMPARE(h.control<QLineEdit>(editor, u"Text1"_s)->text(), u"3"_s);
    QCOMPARE(h.control<QLineEdit>(editor, u"Text5"_s)->text(), u"20"_s);
    QVERIFY(!h.control<QCheckBox>(editor, u"Check3"_s)->isChecked());
}

void TestEditScreen::optionControlsFollowTheRules()
{
    EditorHarness h;
    EditScreen *editor = h.open(u"Command5"_s);
    auto *botskill = h.control<QLineEdit>(editor, u"Text5"_s);
    auto *range = h.control<QCheckBox>(editor, u"Check9"_s);
    QVERIFY(!range->isEnabled());
    // A click on the caption works the box beside it; the rule then greys and fills the controls it touches.
    QTest::mouseClick(h.control(editor, u"Label13"_s), Qt::LeftButton);
    QVERIFY(h.control<QCheckBox>(editor, u"Check2"_s)->isChecked());
    QCOMPARE(botskill->text(), u"-1"_s);
    QVERIFY(!botskill->isEnabled() && !h.control(editor, u"UpDown5"_s)->isEnabled());
    QVERIFY(range->isEnabled());
    range->click();
    QCOMPARE(h.control<QLineEdit>(editor, u"Text6"_s)->text(), u"40"_s);
    QVERIFY(h.control(editor, u"Text6"_s)->isEnabled());
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
    auto *field = h.control<QLineEdit>(editor, u"Text1"_s);
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
    h.game.write(u"nnbots.cfg"_s, nnBotFile);
    EditScreen *editor = h.open(u"Command6"_s);
    h.control<QAction>(editor, u"Open"_s)->trigger();
    QWidget *openScreen = editor->findChild<QWidget *>(u"OpenScreen"_s);
    QVERIFY(openScreen && openScreen->isVisible());
    qobject_cast<OpenScreen *>(openScreen)->selectFile(u"nnbots.cfg"_s);
    QPointer<QWidget> openGuard(openScreen);
    h.control<QPushButton>(openScreen, u"Command1"_s)->click();
    QTRY_VERIFY(openGuard.isNull());
    QCOMPARE(rosterOf(editor).size(), 2);
    QCOMPARE(rosterOf(editor).at(1), (RosterEntry{u"Bravo"_s, u"Counter Terrorist"_s, u"5"_s, u"French GIGN"_s}));
    QVERIFY(h.control<QAction>(editor, u"Save"_s)->isEnabled());
    QVERIFY(!h.editsUnsaved());

    h.control<QCheckBox>(editor, u"Check4"_s)->click();
    QVERIFY(h.editsUnsaved());
    h.control<QAction>(editor, u"Save"_s)->trigger();
    QWidget *saveScreen = editor->findChild<QWidget *>(u"SaveScreen"_s);
    QVERIFY(saveScreen && saveScreen->isVisible());
    QTest::keyClicks(h.control<QLineEdit>(saveScreen, u"Text1"_s), u"peaceful"_s);
    h.control<QPushButton>(saveScreen, u"Command1"_s)->click();
    QVERIFY(!h.editsUnsaved());
    QByteArray expected = nnBotFile;
    expected.replace("botsdontshoot 0", "botsdontshoot 1");
    QCOMPARE(h.game.read(u"peaceful.cfg"_s), expected);
    QCOMPARE(h.game.read(u"nnbots.cfg"_s), nnBotFile);

    // Saved: Done closes without a question.
    MessageAnswerer answerer;
    answerer.arm();
    h.control<QPushButton>(editor, u"Command4"_s)->click();
    QVERIFY(!answerer.answered());
    QVERIFY(!editor->isVisible());
}

void TestEditScreen::endingTheProgramAsksAboutUnsavedBots_data()
{
    QTest::addColumn<QString>("control"); // the main window's exit button, or its close box
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QDialogButtonBox::StandardButton>("answer");
    QTest::addColumn<bool>("ends");
    for (const QString &control : {u"Command4"_s, u"close box"_s}) {
        const QByteArray name = control.toLatin1();
        QTest::newRow(name + ", saved") << control << false << QDialogButtonBox::No << true;
        QTest::newRow(name + ", no") << control << true << QDialogButtonBox::No << true;
        QTest::newRow(name + ", yes") << control << true << QDialogButtonBox::Yes << false;
        QTest::newRow(name + ", escape") << control << true << MessageAnswerer::pressEscape << false;
    }
}

void TestEditScreen::endingTheProgramAsksAboutUnsavedBots()
{
    QFETCH(QString, control);
    QFETCH(bool, changed);
    QFETCH(QDialogButtonBox::StandardButton, answer);
    QFETCH(bool, ends);
    EditorHarness h;
    EditScreen *editor = h.open(u"Command2"_s);
    addBots(editor, 1, changed ? QString() : h.game.gameDir());
    QPointer<EditScreen> guard(editor);
    MessageAnswerer answerer(answer);
    answerer.arm();
    if (control == "Command4"_L1)
        h.find<QAbstractButton>(control)->click();
    else
        h.window->close();

    QCOMPARE(answerer.texts(), changed ? QStringList{exitQuestion} : QStringList());
    if (ends) {
        QVERIFY(!h.window->isVisible());
        QVERIFY(!guard || !guard->isVisible());
        return;
    }
    // The program goes on, with the roster in its editor and, on Yes, the save dialog in front.
    QVERIFY(h.window->isVisible());
    QVERIFY(guard && guard->isVisible());
    QCOMPARE(rosterOf(editor).size(), 1);
    QCOMPARE(editor->findChild<QWidget *>(u"SaveScreen"_s) != nullptr, answer == QDialogButtonBox::Yes);
}

QTEST_MAIN(TestEditScreen)
#include "tst_editscreen.moc"
