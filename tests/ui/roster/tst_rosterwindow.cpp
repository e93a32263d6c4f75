#include "EditorControls.h"
#include "FileBrowser.h"
#include "MainScreenHarness.h"
#include "RosterFile.h"
#include "RosterOptions.h"
#include "UpDown.h"

#include <QMenu>
#include <QSet>

using namespace Qt::Literals::StringLiterals;

namespace {

// The ends of the questions asked before unsaved bots are lost.
const QString exitQuestion = u"Before You Exit?"_s;
const QString newQuestion = u"Before You Start A New One?"_s;

// The edit buttons of the main window: RamBot's of the "addbot" format, PodBot's of the AndroidBot format.
const QString ramBot = u"Command2"_s;
const QString podBot = u"Command10"_s;

// A main window over a set-up game folder, with every add-on that has an editor installed and a name list of
// twelve names, and the editor last opened from it.
struct EditorHarness : MainScreenHarness, EditorControls
{
    explicit EditorHarness(const QString &control = {})
    {
        QStringList installed;
        for (const RosterAddOn &addOn : RosterAddOn::all())
            installed << addOn.botName() + u" liblist.gam"_s;
        QByteArray names = "header\r\nheader\r\nheader\r\nheader\r\n";
        for (int i = 1; i <= 12; ++i)
            names += "Name" + QByteArray::number(i) + "\r\n";
        start(installed);
        game.write(u"TRNAMES.TXT"_s, names);
        if (!control.isEmpty())
            openEditor(control);
    }

    RosterWindow *openEditor(const QString &control)
    {
        press(control);
        return editor = visibleEditor();
    }
    RosterWindow *visibleEditor() const
    {
        for (RosterWindow *shown : window->findChildren<RosterWindow *>()) {
            if (shown->isVisible())
                return shown;
        }
        return nullptr;
    }
    QString done() const { return android() ? u"Command3"_s : u"Command4"_s; }
    // Picks a file in the editor's open dialog and presses Load.
    void load(const QString &file) const
    {
        QDialog *open = dialog(u"OpenScreen|AndroidOpen"_s);
        QVERIFY(open && open->findChild<FileBrowser *>()->selectFile(file));
        Widgets::child<QPushButton>(open, u"Command1"_s)->click();
    }
};

} // namespace

class TestRosterWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyEditControlOpensItsEditor()
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
        // Each add-on of the table opens the editor of its format from its button and from its menu entry, with
        // nothing unsaved and nothing to save yet.
        QStringList opened, table;
        for (const QString &control : controls) {
            if (RosterWindow *editor = h.openEditor(control)) {
                QCOMPARE(h.session.botName(), editor->botName());
                QCOMPARE(editor->objectName(), RosterAddOn::find(editor->botName())->format->names.editor);
                QVERIFY(!h.modified() && !h.saveEnabled());
                opened << editor->botName();
                editor->close();
            }
        }
        for (const RosterAddOn &addOn : RosterAddOn::all())
            table << addOn.botName() << addOn.botName();
        opened.sort();
        table.sort();
        QCOMPARE(opened, table);
    }

    void opensWithItsLayoutAndNames_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("texts"); // what the boxes hold
        QTest::addColumn<QString>("shown"); // controls shown, and those hidden after a "|"
        // Accessible names of some controls; the open and save dialogs are heard too then.
        QTest::addColumn<QString>("names");
        const QString layout = u"Check3 Check4"_s, realBotRows = u"Check2 Check9 Check8 Text6 Text4"_s;
        const auto row = [](const char *name, const QString &control, const QString &texts, const QString &shown,
                            const QString &hidden, const QString &names = {}) {
            QTest::newRow(name) << control << texts << shown + u'|' + hidden << names;
        };
        row("RealBot", u"Command5"_s, u"Text1=3;Text5=20"_s, layout + u' ' + realBotRows, u"Frame4"_s,
            u"Text5=Botskill;UpDown5=Botskill;Check9=Use Botskill Range;List4=Skin"_s);
        // Its file carries no waypoint lines, so the frame would set nothing.
        row("AGBBot", u"Command11"_s, u"Text5=2"_s, layout, realBotRows + u" Frame4"_s);
        // The first five add-ons' menu entries show only the options every add-on has; the others' do what their
        // buttons do.
        row("realbots entry", u"realbots"_s, u"Text5=2"_s, u"Frame4"_s, layout + u' ' + realBotRows);
        row("bobabots entry", u"bobabots"_s, u"Text5=2"_s, layout + u" Frame4"_s, realBotRows);
        // PodBot's own options stand in a frame of their own.
        row("AndroidBot", u"Command1"_s, u"Text1=3"_s, u"Frame2"_s, u"Frame3"_s);
        row("PodBot", podBot, u"Text1=3;Text2=60"_s, u"Frame2 Frame3 Check2"_s, {},
            u"Text2=Minimum Bot Skill;UpDown2=Minimum Bot Skill;Check2=Bot Chatting;List3=Team"_s);
    }
    void opensWithItsLayoutAndNames()
    {
        QFETCH(QString, control);
        QFETCH(QString, texts);
        QFETCH(QString, shown);
        QFETCH(QString, names);
        EditorHarness h(control);
        QVERIFY(h.editor);
        for (const QString &text : texts.split(u';'))
            QCOMPARE(h.at<QLineEdit>(text.section(u'=', 0, 0))->text(), text.section(u'=', 1));
        for (const QString &name : shown.section(u'|', 0, 0).split(u' ', Qt::SkipEmptyParts))
            QVERIFY2(h.at(name)->isVisible(), qPrintable(name));
        for (const QString &name : shown.section(u'|', 1).split(u' ', Qt::SkipEmptyParts))
            QVERIFY2(!h.at(name)->isVisible(), qPrintable(name));
        if (QWidget *minBotSkill = h.editor->findChild<QWidget *>(u"Text4"_s); minBotSkill && minBotSkill->isVisible())
            QCOMPARE(h.at<UpDown>(u"UpDown2"_s)->maximum(), 50);
        // Assistive tools read each control by its caption, or a box and its spinner by their label's; the entry
        // dialogs are heard in their own suite.
        QCOMPARE(Widgets::unnamedControls(h.editor), QStringList());
        for (const QString &name : names.split(u';', Qt::SkipEmptyParts))
            QCOMPARE(h.at(name.section(u'=', 0, 0))->accessibleName(), name.section(u'=', 1));
        if (!names.isEmpty()) {
            h.addBots(1);
            h.at<QAction>(u"Open"_s)->trigger();
            h.at<QAction>(u"Save"_s)->trigger();
            for (const QString &kind : {u"Open|OpenScreen|AndroidOpen"_s, u"Save|SaveScreen|AndroidSave"_s}) {
                QDialog *opened = h.dialog(kind.section(u'|', 1));
                QVERIFY2(opened, qPrintable(kind));
                QCOMPARE(opened->windowTitle(),
                         kind.section(u'|', 0, 0) + u' ' + h.editor->botName() + u" Config File"_s);
                QCOMPARE(Widgets::unnamedControls(opened), QStringList());
            }
        }
        // The team balance is an option of every add-on, and a change of it an unsaved change.
        h.at<QCheckBox>(u"Check1"_s)->click();
        QVERIFY(h.modified());
    }

    void columnsShareOneSelectedRow_data()
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
    void columnsShareOneSelectedRow()
    {
        QFETCH(QString, control);
        QFETCH(QStringList, columns);
        EditorHarness h(control);
        const bool skins = !h.android();
        h.editor->document().append(
            QList<RosterEntry>{{u"Alpha"_s, u"Terrorist"_s, u"3"_s, skins ? u"Phoenix Connection"_s : QString()},
                               {u"Bravo"_s, u"Auto Select"_s, u"5"_s, skins ? u"Auto Select"_s : QString()},
                               {u"Charlie"_s, u"Terrorist"_s, u"1"_s, skins ? u"L337 Krew"_s : QString()}});
        // What a screen reader hears of each list: its own column's cells, and which of them is selected.
        const auto heard = [&] {
            QStringList lists;
            for (int column = 1; column <= columns.size(); ++column)
                lists << Widgets::heard(h.at(u"List%1"_s.arg(column))).replaceInStrings(u" "_s, u"_"_s).join(u' ');
            return lists;
        };
        const auto selected = [&](int row) {
            QStringList lists = columns;
            for (QString &list : lists) {
                QStringList cells = list.split(u' ');
                cells[row] += u'*';
                list = cells.join(u' ');
            }
            return lists;
        };
        QVERIFY(!h.editor->findChild<QWidget *>(u"List%1"_s.arg(columns.size() + 1)));
        QCOMPARE(heard(), columns);

        // A click in one column selects the bot in every column; the keys in another move them all.
        Widgets::clickRow(h.at<QListView>(u"List%1"_s.arg(columns.size())), 1);
        QCOMPARE(h.editor->selectedRow(), 1);
        QCOMPARE(heard(), selected(1));
        h.at(u"List2"_s)->setFocus();
        QTest::keyClick(h.at(u"List2"_s), Qt::Key_Down);
        QCOMPARE(h.editor->selectedRow(), 2);
        QCOMPARE(heard(), selected(2));
    }

    // Save is offered while there are bots that an add or a read brought, not after adding several; deleting the
    // last bot and a read that fails take it away.
    void saveEntryFollowsTheRoster_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("RamBot") << ramBot;
        QTest::newRow("AndroidBot") << u"Command1"_s;
    }
    void saveEntryFollowsTheRoster()
    {
        QFETCH(QString, control);
        EditorHarness h(control);
        auto *deleteBot = h.at<QPushButton>(u"Command2"_s);
        h.addBots(1, h.game.gameDir());
        QVERIFY(h.saveEnabled());
        deleteBot->click(); // nothing selected: nothing happens
        QCOMPARE(h.roster().size(), 1);
        QVERIFY(!h.modified());
        h.selectRow(0);
        deleteBot->click();
        QVERIFY(h.roster().isEmpty());
        QCOMPARE(h.editor->selectedRow(), -1);
        QVERIFY(!h.saveEnabled() && h.modified());

        QDialog *several = h.open(u"multiple"_s);
        Widgets::child<QLineEdit>(several, u"Text2"_s)->setText(u"3"_s);
        Widgets::child<QPushButton>(several, u"Command1"_s)->click();
        QCOMPARE(h.roster().size(), 10);
        QVERIFY(!h.saveEnabled());

        h.game.write(u"broken.cfg"_s,
                     "//" + h.editor->botName().toLatin1()
                         + " Config File Created With\r\n//Counter-Strike Trevlin 2.0\r\n");
        {
            MessageAnswerer no{QDialogButtonBox::No};
            h.at<QAction>(u"Open"_s)->trigger();
            h.load(u"broken.cfg"_s);
            QCOMPARE(no.texts().size(), 2);
            QVERIFY(no.texts().constFirst().endsWith(u"Before You Open A New One?"_s));
            QCOMPARE(no.texts().constLast(), RosterFile::notValidMessage(h.editor->botName()));
        }
        QVERIFY(h.dialog(u"OpenScreen|AndroidOpen"_s));
        QVERIFY(h.roster().isEmpty() && !h.saveEnabled());

        // No bots are left to lose, so the generic Done asks nothing; AndroidBot's asks about its changed roster all
        // the same, and Yes lets it go. A good file read in a new editor can be saved at once.
        MessageAnswerer discard{QDialogButtonBox::Yes};
        h.at<QPushButton>(h.done())->click();
        QVERIFY(discard.answered() == (control != ramBot) && !h.visibleEditor());
        MessageAnswerer none;
        h.openEditor(control);
        h.at<QAction>(u"Open"_s)->trigger();
        h.load(u"saved.cfg"_s);
        QCOMPARE(h.roster().size(), 1);
        QVERIFY(h.saveEnabled() && !h.modified() && !none.answered());
    }

    void unsavedBotsAreAskedAbout_data()
    {
        QTest::addColumn<QString>("control"); // the edit button that opened the editor
        QTest::addColumn<QString>("how");     // what would let the bots go
        // yes, no, cancel or escape to the question; "saved" when a file holds the bots, and nothing is asked; "none"
        // when the editor's own button raises it again.
        QTest::addColumn<QString>("answer");
        // "gone", "kept", "save dialog", "renewed" (New), "switched" (to another add-on's editor) or "ended" (the
        // program)
        QTest::addColumn<QString>("outcome");
        const auto row = [](const QString &control, const QString &how, const QString &answer, const QString &outcome) {
            QTest::addRow("%s, %s, %s", control == podBot ? "PodBot" : "RamBot", qPrintable(how), qPrintable(answer))
                << control << how << answer << outcome;
        };
        row(ramBot, u"Done"_s, u"saved"_s, u"gone"_s);
        row(ramBot, u"Done"_s, u"yes"_s, u"save dialog"_s);
        row(ramBot, u"Done"_s, u"cancel"_s, u"kept"_s);
        row(ramBot, u"close box"_s, u"no"_s, u"gone"_s);
        row(ramBot, u"close box"_s, u"escape"_s, u"kept"_s);
        row(ramBot, ramBot, u"none"_s, u"kept"_s);
        row(ramBot, u"New"_s, u"saved"_s, u"renewed"_s);
        row(ramBot, u"New"_s, u"no"_s, u"renewed"_s);
        row(ramBot, u"New"_s, u"yes"_s, u"save dialog"_s);
        row(ramBot, u"New"_s, u"escape"_s, u"kept"_s);
        // Editors of either format are one at a time.
        row(ramBot, u"Command6"_s, u"no"_s, u"switched"_s);
        row(ramBot, podBot, u"yes"_s, u"save dialog"_s);
        // The main window's exit button and its close box end the program.
        row(ramBot, u"Command4"_s, u"saved"_s, u"ended"_s);
        row(ramBot, u"Command4"_s, u"yes"_s, u"save dialog"_s);
        row(ramBot, u"main close box"_s, u"no"_s, u"ended"_s);
        row(ramBot, u"main close box"_s, u"escape"_s, u"kept"_s);
        // The other format's editor asks alike; the save a question offers has a caption of its own there.
        row(podBot, u"Done"_s, u"yes"_s, u"save dialog"_s);
        row(podBot, u"Done"_s, u"no"_s, u"gone"_s);
        row(podBot, u"close box"_s, u"escape"_s, u"kept"_s);
        row(podBot, u"New"_s, u"no"_s, u"renewed"_s);
        row(podBot, ramBot, u"no"_s, u"switched"_s);
    }
    void unsavedBotsAreAskedAbout()
    {
        QFETCH(QString, control);
        QFETCH(QString, how);
        QFETCH(QString, answer);
        QFETCH(QString, outcome);
        EditorHarness h(control);
        QPointer<RosterWindow> editor = h.editor;
        const QString botName = editor->botName();
        // Options changed as well, which New puts back (but for the AndroidBot format's team balance).
        h.at<QLineEdit>(u"Text1"_s)->selectAll();
        QTest::keyClicks(h.at<QLineEdit>(u"Text1"_s), u"7"_s);
        h.at<QCheckBox>(u"Check1"_s)->click();
        const bool asked = answer != "saved"_L1 && answer != "none"_L1;
        h.addBots(2, answer == "saved"_L1 ? h.game.gameDir() : QString());
        const QHash<QString, QDialogButtonBox::StandardButton> buttons{{u"no"_s, QDialogButtonBox::No},
                                                                       {u"yes"_s, QDialogButtonBox::Yes},
                                                                       {u"cancel"_s, QDialogButtonBox::Cancel}};
        MessageAnswerer answerer(buttons.value(answer, MessageAnswerer::pressEscape));
        if (how == "Done"_L1)
            h.at<QPushButton>(h.done())->click();
        else if (how == "close box"_L1)
            editor->close();
        else if (how == "New"_L1)
            h.at<QAction>(u"new"_s)->trigger();
        else if (how == "main close box"_L1)
            h.window->close();
        else
            h.press(how);

        QCOMPARE(answerer.texts().size(), asked ? 1 : 0);
        QVERIFY(!asked || answerer.text().endsWith(how == "New"_L1 ? newQuestion : exitQuestion));
        if (asked) { // in the platform's order of buttons
            QCOMPARE(QSet<QString>(answerer.buttons().cbegin(), answerer.buttons().cend()),
                     (QSet<QString>{u"Yes"_s, u"No"_s, u"Cancel"_s}));
        }
        QCOMPARE(h.window->isVisible(), outcome != "ended"_L1);
        if (outcome == "gone"_L1 || outcome == "ended"_L1 || outcome == "switched"_L1) {
            QVERIFY(!editor || !editor->isVisible());
            RosterWindow *next = h.visibleEditor();
            QCOMPARE(next != nullptr, outcome == "switched"_L1);
            QVERIFY(!next || (next->botName() != botName && next->document().roster().isEmpty()));
            return;
        }
        // Still in front with its bots and options, the save dialog on Yes; New has put them back.
        const bool renewed = outcome == "renewed"_L1;
        QVERIFY(editor && editor->isVisible() && h.visibleEditor() == editor);
        QCOMPARE(h.session.botName(), botName);
        QCOMPARE(h.roster().size(), renewed ? 0 : 2);
        QCOMPARE(h.at<QLineEdit>(u"Text1"_s)->text(), renewed ? u"3"_s : u"7"_s);
        QCOMPARE(h.at<QCheckBox>(u"Check1"_s)->isChecked(), !renewed || h.android());
        QCOMPARE(h.modified(), !renewed);
        QCOMPARE(h.saveEnabled(), !renewed);
        // The save a question offers keeps AndroidBot's name for PodBot too.
        QDialog *save = h.dialog(u"SaveScreen|AndroidSave"_s);
        QCOMPARE(save != nullptr, outcome == "save dialog"_L1);
        if (save)
            QCOMPARE(save->windowTitle(), h.android() ? u"Save Android Config File"_s : u"Save RamBot Config File"_s);
    }

    void optionControlsFollowTheRules()
    {
        EditorHarness h(u"Command5"_s);
        auto *botskill = h.at<QLineEdit>(u"Text5"_s);
        auto *range = h.at<QCheckBox>(u"Check9"_s);
        QVERIFY(!range->isEnabled());
        // A click on the caption works the box beside it; the rule then greys and fills the controls it touches.
        QTest::mouseClick(h.at(u"Label13"_s), Qt::LeftButton);
        QVERIFY(h.at<QCheckBox>(u"Check2"_s)->isChecked());
        QCOMPARE(botskill->text(), u"-1"_s);
        QVERIFY(!botskill->isEnabled() && !h.at(u"UpDown5"_s)->isEnabled());
        QVERIFY(range->isEnabled());
        range->click();
        QCOMPARE(h.at<QLineEdit>(u"Text6"_s)->text(), u"40"_s);
        QVERIFY(h.at(u"Text6"_s)->isEnabled());
        QVERIFY(h.modified());
    }

    void editDialogActsOnTheRowSelectedAtDone()
    {
        EditorHarness h(podBot);
        h.editor->document().append(
            QList<RosterEntry>{{u"A"_s, u"Terrorist"_s, u"10"_s, {}}, {u"B"_s, u"Terrorist"_s, u"20"_s, {}}});
        // Without a selected row the edit button opens nothing.
        QVERIFY(!h.open(u"edit"_s));
        h.selectRow(0);
        QDialog *edit = h.open(u"edit"_s);
        Widgets::child<QLineEdit>(edit, u"Text1"_s)->setText(u"C"_s);
        // The editor stays usable while the dialog is open: Done changes the row selected then.
        h.selectRow(1);
        Widgets::child<QPushButton>(edit, u"Command1"_s)->click();
        QCOMPARE(h.bots(), (QStringList{u"A, Terrorist, 10, "_s, u"C, Terrorist, 10, "_s}));
    }
};

QTEST_MAIN(TestRosterWindow)
#include "tst_rosterwindow.moc"
