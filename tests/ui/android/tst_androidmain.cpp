#include "AndroidDocument.h"
#include "AndroidMain.h"
#include "AndroidOptions.h"
#include "AndroidRoster.h"
#include "FileBrowser.h"
#include "MainScreenHarness.h"
#include "MessageAnswerer.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

using Widgets::child;

// A main window over a set-up game folder with AndroidBot and PodBot installed and a name list of twelve names.
struct Harness : MainScreenHarness
{
    Harness()
    {
        QByteArray names = "header\r\nheader\r\nheader\r\nheader\r\n";
        for (int i = 1; i <= 12; ++i)
            names += "Name" + QByteArray::number(i) + "\r\n";
        game.write(u"TRNAMES.TXT"_s, names);
        start({u"AndroidBot liblist.gam"_s, u"PodBot liblist.gam"_s});
    }

    AndroidMain *open(const QString &control)
    {
        press(control);
        return editor();
    }

    AndroidMain *editor() const
    {
        for (AndroidMain *editor : window->findChildren<AndroidMain *>()) {
            if (editor->isVisible())
                return editor;
        }
        return nullptr;
    }

    // Whether the open editor holds edits that no file has.
    bool editsUnsaved() const { return editor() && editor()->document().isModified(); }
};

// The visible dialog of that objectName.
QDialog *dialog(AndroidMain *editor, const QString &name)
{
    auto *found = editor->findChild<QDialog *>(name);
    return found && found->isVisible() ? found : nullptr;
}

void type(QWidget *dialog, const QString &box, const QString &text)
{
    auto *edit = child<QLineEdit>(dialog, box);
    edit->clear();
    QTest::keyClicks(edit, text);
}

void setTeam(QWidget *dialog, const QString &team)
{
    child<QComboBox>(dialog, u"Combo1"_s)->setEditText(team);
}

// Adds one bot through the add dialog.
void addBot(AndroidMain *editor, const QString &name, const QString &skill, const QString &team)
{
    child<QPushButton>(editor, u"Command4"_s)->click();
    QDialog *add = dialog(editor, u"AndroidAdd"_s);
    QVERIFY(add);
    type(add, u"Text1"_s, name);
    type(add, u"Text2"_s, skill);
    setTeam(add, team);
    child<QPushButton>(add, u"Command1"_s)->click();
    QVERIFY(!dialog(editor, u"AndroidAdd"_s));
}

QAction *saveEntry(AndroidMain *editor)
{
    return child<QAction>(editor, u"Save"_s);
}

} // namespace

class TestAndroidMain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void editControlOpensTheEditor_data();
    void editControlOpensTheEditor();
    void everyControlIsNamedAndEveryDialogHasADefault();
    void columnsShareOneSelectedRowAndReadTheirOwn();
    void saveEntryFollowsTheRoster();
    void editDialogActsOnTheRowSelectedAtDone();
    void addEditApplyToAllAddSeveralSaveAndReopen();
    void unsavedBotsAreAskedAbout_data();
    void unsavedBotsAreAskedAbout();
    void autostartDoubleClickOpensTheFile();
};

void TestAndroidMain::editControlOpensTheEditor_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("podBot");
    QTest::newRow("Edit Android Bots") << u"Command1"_s << false;
    QTest::newRow("andbots") << u"andbots"_s << false;
    QTest::newRow("Edit PodBot Bots") << u"Command10"_s << true;
    QTest::newRow("Podbot") << u"Podbot"_s << true;
}

void TestAndroidMain::editControlOpensTheEditor()
{
    QFETCH(QString, control);
    QFETCH(bool, podBot);
    Harness h;
    AndroidMain *editor = h.open(control);
    QVERIFY(editor);
    QCOMPARE(h.session.botName(), podBot ? u"PodBot"_s : u"AndroidBot"_s);
    QCOMPARE(child(editor, u"Frame3"_s)->isVisible(), podBot);
    QCOMPARE(child<QLineEdit>(editor, u"Text1"_s)->text(), u"3"_s);
    QVERIFY(!child<QCheckBox>(editor, u"Check1"_s)->isChecked());
    if (podBot) {
        QVERIFY(child<QCheckBox>(editor, u"Check2"_s)->isChecked());
        QVERIFY(!child<QCheckBox>(editor, u"Check3"_s)->isChecked());
        QCOMPARE(child<QLineEdit>(editor, u"Text2"_s)->text(), u"60"_s);
    }
    QVERIFY(!saveEntry(editor)->isEnabled());
    QVERIFY(!h.editsUnsaved());
    // An option change is an unsaved change.
    child<QCheckBox>(editor, u"Check1"_s)->click();
    QVERIFY(h.editsUnsaved());
    QVERIFY(editor->document().options().autoTeamBalance());
}

void TestAndroidMain::everyControlIsNamedAndEveryDialogHasADefault()
{
    Harness h;
    AndroidMain *editor = h.open(u"Command10"_s);
    addBot(editor, u"A"_s, u"50"_s, u"Terrorist"_s);
    auto *names = child<QListView>(editor, u"List1"_s);
    names->setCurrentIndex(names->model()->index(0, 0));
    for (const QString &button : {u"Command4"_s, u"Command1"_s, u"Command5"_s})
        child<QPushButton>(editor, button)->click();
    child<QAction>(editor, u"Open"_s)->trigger();
    child<QAction>(editor, u"Save"_s)->trigger();
    QList<QWidget *> windows{editor};
    for (const QString &name :
         {u"AndroidAdd"_s, u"AndroidEdit"_s, u"AndroidMultiple"_s, u"AndroidOpen"_s, u"AndroidSave"_s}) {
        QDialog *shown = dialog(editor, name);
        QVERIFY2(shown, qPrintable(name));
        windows << shown;
        bool hasDefault = false;
        for (QPushButton *button : shown->findChildren<QPushButton *>())
            hasDefault = hasDefault || button->isDefault();
        QVERIFY2(hasDefault, qPrintable(name));
    }
    QCOMPARE(dialog(editor, u"AndroidEdit"_s)->findChild<QLineEdit *>(u"Text1"_s)->text(), u"A"_s);
    for (QWidget *window : windows)
        QCOMPARE(Widgets::unnamedControls(window), QStringList());
    // Escape closes a dialog as Cancel does.
    QTest::keyClick(dialog(editor, u"AndroidAdd"_s), Qt::Key_Escape);
    QVERIFY(!dialog(editor, u"AndroidAdd"_s));
}

void TestAndroidMain::columnsShareOneSelectedRowAndReadTheirOwn()
{
    Harness h;
    AndroidMain *editor = h.open(u"Command1"_s);
    editor->document().append(
        {{u"A"_s, u"10"_s, u"Terrorist"_s}, {u"B"_s, u"20"_s, u"Auto Assign"_s}, {u"C"_s, u"30"_s, u"Terrorist"_s}});
    Widgets::clickRow(child<QListView>(editor, u"List3"_s), 2);
    QCOMPARE(editor->selectedRow(), 2);
    // Each list reads its own column only, with the bot selected in every one.
    QCOMPARE(Widgets::heard(child(editor, u"List1"_s)), (QStringList{u"A"_s, u"B"_s, u"C*"_s}));
    QCOMPARE(Widgets::heard(child(editor, u"List2"_s)), (QStringList{u"10"_s, u"20"_s, u"30*"_s}));
}

void TestAndroidMain::saveEntryFollowsTheRoster()
{
    Harness h;
    AndroidMain *editor = h.open(u"Command1"_s);
    auto *deleteBot = child<QPushButton>(editor, u"Command2"_s);
    // Nothing selected: nothing happens.
    addBot(editor, u"A"_s, u"50"_s, u"Terrorist"_s);
    QVERIFY(saveEntry(editor)->isEnabled());
    deleteBot->click();
    QCOMPARE(editor->document().roster().size(), 1);
    auto *names = child<QListView>(editor, u"List1"_s);
    names->setCurrentIndex(names->model()->index(0, 0));
    deleteBot->click();
    QVERIFY(editor->document().isEmpty());
    QCOMPARE(editor->selectedRow(), -1);
    QVERIFY(!saveEntry(editor)->isEnabled());

    // Adding several bots leaves it as it is.
    child<QPushButton>(editor, u"Command5"_s)->click();
    child<QPushButton>(dialog(editor, u"AndroidMultiple"_s), u"Command1"_s)->click();
    QCOMPARE(editor->document().roster().size(), 10);
    QCOMPARE(editor->document().roster().at(9).skill, u"30"_s);
    QCOMPARE(editor->document().roster().at(9).team, u"Terrorist"_s);
    QVERIFY(!saveEntry(editor)->isEnabled());

    // A file that fails to read leaves nothing to save.
    h.game.write(u"broken.cfg"_s, "//AndroidBot Config File Created With\r\n//Counter-Strike Trevlin 2.0\r\n");
    MessageAnswerer no{QDialogButtonBox::No};
    no.arm();
    child<QAction>(editor, u"new"_s)->trigger();
    QVERIFY(editor->document().isEmpty());
    child<QAction>(editor, u"Open"_s)->trigger();
    QDialog *open = dialog(editor, u"AndroidOpen"_s);
    QVERIFY(open->findChild<FileBrowser *>()->selectFile(u"broken.cfg"_s));
    child<QPushButton>(open, u"Command1"_s)->click();
    QCOMPARE(no.texts().size(), 2); // the question about saving first, then why the file was not read
    QVERIFY(dialog(editor, u"AndroidOpen"_s));
    QVERIFY(!saveEntry(editor)->isEnabled());
}

void TestAndroidMain::editDialogActsOnTheRowSelectedAtDone()
{
    Harness h;
    AndroidMain *editor = h.open(u"Command1"_s);
    editor->document().append({{u"A"_s, u"10"_s, u"Terrorist"_s}, {u"B"_s, u"20"_s, u"Terrorist"_s}});
    auto *names = child<QListView>(editor, u"List1"_s);
    names->setCurrentIndex(names->model()->index(0, 0));
    child<QPushButton>(editor, u"Command1"_s)->click();
    QDialog *edit = dialog(editor, u"AndroidEdit"_s);
    type(edit, u"Text1"_s, u"C"_s);
    // The editor stays usable while the dialog is open: Done changes the row selected then.
    names->setCurrentIndex(names->model()->index(1, 0));
    child<QPushButton>(edit, u"Command1"_s)->click();
    QCOMPARE(editor->document().roster().at(0).name, u"A"_s);
    QCOMPARE(editor->document().roster().at(1).name, u"C"_s);

    child<QPushButton>(editor, u"Command1"_s)->click();
    edit = dialog(editor, u"AndroidEdit"_s);
    child<QPushButton>(editor, u"Command2"_s)->click();
    MessageAnswerer ok;
    ok.arm();
    child<QPushButton>(edit, u"Command1"_s)->click();
    QVERIFY(ok.answered());
    QVERIFY(dialog(editor, u"AndroidEdit"_s));
}

void TestAndroidMain::addEditApplyToAllAddSeveralSaveAndReopen()
{
    Harness h;
    AndroidMain *editor = h.open(u"Command10"_s);
    // The add dialog's checks keep it open with what was typed.
    child<QPushButton>(editor, u"Command4"_s)->click();
    QDialog *add = dialog(editor, u"AndroidAdd"_s);
    QCOMPARE(child<QComboBox>(add, u"Combo1"_s)->currentText(), QString());
    type(add, u"Text1"_s, u"Alpha"_s);
    type(add, u"Text2"_s, u"101"_s);
    setTeam(add, u"Terrorist"_s);
    MessageAnswerer ok;
    ok.arm();
    child<QPushButton>(add, u"Command1"_s)->click();
    QVERIFY(ok.answered());
    QVERIFY(dialog(editor, u"AndroidAdd"_s));
    type(add, u"Text2"_s, u"100"_s);
    child<QPushButton>(add, u"Command1"_s)->click();
    addBot(editor, u"Bravo"_s, u"0"_s, u"Counter Terrorist"_s);

    // Edit the second bot, then give all of them one skill and team.
    auto *names = child<QListView>(editor, u"List1"_s);
    Widgets::clickRow(names, 1, true);
    QDialog *edit = dialog(editor, u"AndroidEdit"_s);
    QVERIFY(edit);
    QCOMPARE(child<QComboBox>(edit, u"Combo1"_s)->currentText(), u"Counter Terrorist"_s);
    type(edit, u"Text1"_s, u"Big Bravo"_s);
    child<QPushButton>(edit, u"Command1"_s)->click();
    QCOMPARE(editor->document().roster().at(1).name, u"Big Bravo"_s);
    child<QPushButton>(editor, u"Command1"_s)->click();
    edit = dialog(editor, u"AndroidEdit"_s);
    child<QCheckBox>(edit, u"Check1"_s)->click();
    QVERIFY(!child<QLineEdit>(edit, u"Text1"_s)->isEnabled());
    child<QLineEdit>(edit, u"Text1"_s)->clear();
    type(edit, u"Text2"_s, u"75"_s);
    setTeam(edit, u"Auto Assign"_s);
    child<QPushButton>(edit, u"Command1"_s)->click();
    QCOMPARE(editor->document().roster().entries(),
             (QList<AndroidRosterEntry>{{u"Alpha"_s, u"75"_s, u"Auto Assign"_s},
                                        {u"Big Bravo"_s, u"75"_s, u"Auto Assign"_s}}));

    // Twenty-five typed, of which the box takes 2 (its arrows stop at 10), and 10 asked for, twelve names in the
    // list: ten different names.
    child<QPushButton>(editor, u"Command5"_s)->click();
    QDialog *several = dialog(editor, u"AndroidMultiple"_s);
    QCOMPARE(child<QComboBox>(several, u"Combo1"_s)->currentText(), u"Terrorist"_s);
    type(several, u"Text1"_s, u"25"_s);
    QCOMPARE(child<QLineEdit>(several, u"Text1"_s)->text(), u"2"_s);
    type(several, u"Text1"_s, u"10"_s);
    child<QCheckBox>(several, u"Check1"_s)->click();
    setTeam(several, u"Auto Select"_s);
    auto *number = child<QLineEdit>(several, u"Text1"_s);
    child<QPushButton>(several, u"Command1"_s)->click();
    QCOMPARE(number->text(), u"10"_s);
    const QList<AndroidRosterEntry> added = editor->document().roster().entries().mid(2);
    QSet<QString> drawn;
    for (const AndroidRosterEntry &bot : added) {
        drawn.insert(bot.name);
        QVERIFY(bot.skill.toInt() >= 1 && bot.skill.toInt() <= 100);
        QVERIFY(bot.team == "Terrorist"_L1 || bot.team == "Counter Terrorist"_L1);
    }
    QCOMPARE(drawn.size(), 10);

    // Saved under a name without extension, started afresh, and read back: the same roster.
    child<QLineEdit>(editor, u"Text2"_s)->clear();
    QTest::keyClicks(child<QLineEdit>(editor, u"Text2"_s), u"70"_s);
    saveEntry(editor)->trigger();
    QDialog *save = dialog(editor, u"AndroidSave"_s);
    type(save, u"Text1"_s, u"pods"_s);
    child<QPushButton>(save, u"Command1"_s)->click();
    QVERIFY(!dialog(editor, u"AndroidSave"_s));
    QVERIFY(!h.editsUnsaved());
    QVERIFY(h.game.read(u"pods.cfg"_s)
                .startsWith("//PodBot Config File Created With\r\n//Counter-Strike Trevlin "
                            "2.0\r\npause 3\r\nbotchat on\r\njasonmode off\r\nminbotskill "
                            "70\r\nmp_autoteambalance 0\r\naddbot 75 5 Alpha\r\n"));
    const QList<AndroidRosterEntry> saved = editor->document().roster().entries();
    child<QAction>(editor, u"new"_s)->trigger();
    QVERIFY(editor->document().isEmpty());
    QCOMPARE(child<QLineEdit>(editor, u"Text2"_s)->text(), u"60"_s);
    child<QAction>(editor, u"Open"_s)->trigger();
    QDialog *open = dialog(editor, u"AndroidOpen"_s);
    QVERIFY(open->findChild<FileBrowser *>()->selectFile(u"pods.cfg"_s));
    child<QPushButton>(open, u"Command1"_s)->click();
    QVERIFY(!dialog(editor, u"AndroidOpen"_s));
    QCOMPARE(editor->document().roster().entries(), saved);
    QCOMPARE(child<QLineEdit>(editor, u"Text2"_s)->text(), u"70"_s);
    QVERIFY(saveEntry(editor)->isEnabled());
    QVERIFY(!h.editsUnsaved());
}

void TestAndroidMain::unsavedBotsAreAskedAbout_data()
{
    QTest::addColumn<QString>("how"); // what would let the bots go
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("outcome"); // "gone", "kept", "save dialog" or "switched" (to AndroidBot's editor)
    QTest::newRow("Done, Yes saves first") << u"Done"_s << int(QDialogButtonBox::Yes) << u"save dialog"_s;
    QTest::newRow("Done, No discards") << u"Done"_s << int(QDialogButtonBox::No) << u"gone"_s;
    QTest::newRow("Done, Cancel goes back") << u"Done"_s << int(QDialogButtonBox::Cancel) << u"kept"_s;
    QTest::newRow("Done, Escape goes back") << u"Done"_s << int(MessageAnswerer::pressEscape) << u"kept"_s;
    QTest::newRow("close box, Yes") << u"close box"_s << int(QDialogButtonBox::Yes) << u"save dialog"_s;
    QTest::newRow("close box, Escape") << u"close box"_s << int(MessageAnswerer::pressEscape) << u"kept"_s;
    QTest::newRow("ending the program, Cancel") << u"end"_s << int(QDialogButtonBox::Cancel) << u"kept"_s;
    QTest::newRow("the other add-on's editor, No") << u"other"_s << int(QDialogButtonBox::No) << u"switched"_s;
}

void TestAndroidMain::unsavedBotsAreAskedAbout()
{
    QFETCH(QString, how);
    QFETCH(int, answer);
    QFETCH(QString, outcome);
    Harness h;
    AndroidMain *editor = h.open(u"Command10"_s);
    addBot(editor, u"A"_s, u"50"_s, u"Terrorist"_s);
    MessageAnswerer answerer{QDialogButtonBox::StandardButton(answer)};
    answerer.arm();
    AndroidMain *next = nullptr;
    if (how == "close box"_L1)
        editor->close();
    else if (how == "end"_L1)
        h.window->close();
    else if (how == "other"_L1)
        next = h.open(u"Command1"_s);
    else
        child<QPushButton>(editor, u"Command3"_s)->click();
    QStringList buttons = answerer.buttons();
    buttons.sort();
    QCOMPARE(buttons, (QStringList{u"Cancel"_s, u"No"_s, u"Yes"_s}));
    QVERIFY(h.window->isVisible());
    if (outcome == "switched"_L1)
        QVERIFY(next && next != editor && h.session.botName() == "AndroidBot"_L1);
    QCOMPARE(h.editor() == editor, outcome == "kept"_L1 || outcome == "save dialog"_L1);
    QDialog *save = h.editor() == editor ? dialog(editor, u"AndroidSave"_s) : nullptr;
    QCOMPARE(save != nullptr, outcome == "save dialog"_L1);
    if (!save)
        return;
    // Once saved, Done asks nothing.
    type(save, u"Text1"_s, u"asked.cfg"_s);
    child<QPushButton>(save, u"Command1"_s)->click();
    QVERIFY(h.game.exists(u"asked.cfg"_s));
    child<QPushButton>(editor, u"Command3"_s)->click();
    QVERIFY(!h.editor());
}

void TestAndroidMain::autostartDoubleClickOpensTheFile()
{
    Harness h;
    h.game.write(u"pods.cfg"_s,
                 "//PodBot Config File Created With\r\n//Counter-Strike Trevlin 2.0\r\npause 3\r\n"
                 "botchat on\r\njasonmode off\r\nminbotskill 70\r\nmp_autoteambalance 0\r\n"
                 "addbot 75 5 Alpha\r\n");
    h.settings->setValue(AppSettings::Family::AutostartFile, u"PodBot"_s, u"pods.cfg"_s);
    h.find<QAbstractButton>(u"Option8"_s)->click();
    QTest::mouseDClick(h.find(u"Label2"_s), Qt::LeftButton);
    AndroidMain *editor = h.editor();
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), u"PodBot Bots"_s);
    QCOMPARE(editor->document().roster().entries().value(0).name, u"Alpha"_s);
    QVERIFY(!editor->document().isModified());
}

QTEST_MAIN(TestAndroidMain)
#include "tst_androidmain.moc"
