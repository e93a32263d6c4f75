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

const QString exitQuestion = u"You Have Changed Your Current BotList. Do You Want To Save It Before You Exit?"_s;

// A main window over a set-up game folder with AndroidBot and PodBot installed and a name list of twelve names.
struct Harness : MainScreenHarness
{
    Harness()
    {
        setUp({u"AndroidBot liblist.gam"_s, u"PodBot liblist.gam"_s});
        QByteArray names = "header\r\nheader\r\nheader\r\nheader\r\n";
        for (int i = 1; i <= 12; ++i)
            names += "Name" + QByteArray::number(i) + "\r\n";
        game.write(u"TRNAMES.TXT"_s, names);
        window->show();
        window->startUp();
    }

    AndroidMain *open(const QString &control)
    {
        if (auto *entry = window->findChild<QAction *>(control))
            entry->trigger();
        else
            find<QAbstractButton>(control)->click();
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

template<typename T = QWidget> T *control(QWidget *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qWarning("no control named %s", qPrintable(name));
    return found;
}

// The visible dialog of that objectName.
QDialog *dialog(AndroidMain *editor, const QString &name)
{
    auto *found = editor->findChild<QDialog *>(name);
    return found && found->isVisible() ? found : nullptr;
}

void type(QWidget *dialog, const QString &box, const QString &text)
{
    auto *edit = control<QLineEdit>(dialog, box);
    edit->clear();
    QTest::keyClicks(edit, text);
}

void setTeam(QWidget *dialog, const QString &team)
{
    control<QComboBox>(dialog, u"Combo1"_s)->setEditText(team);
}

// Adds one bot through the add dialog.
void addBot(AndroidMain *editor, const QString &name, const QString &skill, const QString &team)
{
    control<QPushButton>(editor, u"Command4"_s)->click();
    QDialog *add = dialog(editor, u"AndroidAdd"_s);
    QVERIFY(add);
    type(add, u"Text1"_s, name);
    type(add, u"Text2"_s, skill);
    setTeam(add, team);
    control<QPushButton>(add, u"Command1"_s)->click();
    QVERIFY(!dialog(editor, u"AndroidAdd"_s));
}

QAction *saveEntry(AndroidMain *editor)
{
    return control<QAction>(editor, u"Save"_s);
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
    void doneQuestion_data();
    void doneQuestion();
    void endingTheProgramAsksAboutUnsavedBots();
    void autostartDoubleClickOpensTheFile();
};

void TestAndroidMain::editControlOpensTheEditor_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("podBot");
    QTest::newRow("Edit Android Bots") << u"Command1"_s << u"Android Bots"_s << false;
    QTest::newRow("andbots") << u"andbots"_s << u"Android Bots"_s << false;
    QTest::newRow("Edit PodBot Bots") << u"Command10"_s << u"PodBot Bots"_s << true;
    QTest::newRow("Podbot") << u"Podbot"_s << u"PodBot Bots"_s << true;
}

void TestAndroidMain::editControlOpensTheEditor()
{
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QFETCH(bool, podBot);
    Harness h;
    AndroidMain *editor = h.open(control);
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), caption);
    QCOMPARE(editor->objectName(), u"AndroidMain"_s);
    QCOMPARE(h.session.botName(), podBot ? u"PodBot"_s : u"AndroidBot"_s);
    QCOMPARE(::control(editor, u"Frame3"_s)->isVisible(), podBot);
    QCOMPARE(::control<QLineEdit>(editor, u"Text1"_s)->text(), u"3"_s);
    QVERIFY(!::control<QCheckBox>(editor, u"Check1"_s)->isChecked());
    if (podBot) {
        QVERIFY(::control<QCheckBox>(editor, u"Check2"_s)->isChecked());
        QVERIFY(!::control<QCheckBox>(editor, u"Check3"_s)->isChecked());
        QCOMPARE(::control<QLineEdit>(editor, u"Text2"_s)->text(), u"60"_s);
    }
    QVERIFY(!saveEntry(editor)->isEnabled());
    QVERIFY(!h.editsUnsaved());
    // An option change is an unsaved change.
    ::control<QCheckBox>(editor, u"Check1"_s)->click();
    QVERIFY(h.editsUnsaved());
    QVERIFY(editor->document().options().autoTeamBalance());
}

void TestAndroidMain::everyControlIsNamedAndEveryDialogHasADefault()
{
    Harness h;
    AndroidMain *editor = h.open(u"Command10"_s);
    addBot(editor, u"A"_s, u"50"_s, u"Terrorist"_s);
    auto *names = control<QListView>(editor, u"List1"_s);
    names->setCurrentIndex(names->model()->index(0, 0));
    for (const QString &button : {u"Command4"_s, u"Command1"_s, u"Command5"_s})
        control<QPushButton>(editor, button)->click();
    control<QAction>(editor, u"Open"_s)->trigger();
    control<QAction>(editor, u"Save"_s)->trigger();
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
    QCOMPARE(dialog(editor, u"AndroidAdd"_s)->windowTitle(), u"Add PodBot Bot"_s);
    QCOMPARE(dialog(editor, u"AndroidEdit"_s)->windowTitle(), u"Edit Android Bot"_s);
    QCOMPARE(dialog(editor, u"AndroidMultiple"_s)->windowTitle(), u"Add Multiple PodBot Bots"_s);
    QCOMPARE(dialog(editor, u"AndroidOpen"_s)->windowTitle(), u"Open PodBot Config File"_s);
    QCOMPARE(dialog(editor, u"AndroidSave"_s)->windowTitle(), u"Save PodBot Config File"_s);
    QCOMPARE(dialog(editor, u"AndroidEdit"_s)->findChild<QLineEdit *>(u"Text1"_s)->text(), u"A"_s);
    for (QWidget *window : windows) {
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            const bool control = qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLineEdit *>(widget)
                || qobject_cast<QComboBox *>(widget) || qobject_cast<QListView *>(widget);
            if (control && widget->isVisibleTo(window) && !qobject_cast<QComboBox *>(widget->parent()))
                QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
        }
    }
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
    auto *teams = control<QListView>(editor, u"List3"_s);
    QTest::mouseClick(teams->viewport(), Qt::LeftButton, {}, teams->visualRect(teams->model()->index(2, 0)).center());
    QCOMPARE(editor->selectedRow(), 2);
    for (const QString &list : {u"List1"_s, u"List2"_s})
        QCOMPARE(control<QListView>(editor, list)->selectionModel()->selectedRows().value(0).row(), 2);
    // The skill column reads skills only.
    QAccessibleInterface *skills = QAccessible::queryAccessibleInterface(control<QListView>(editor, u"List2"_s));
    QVERIFY(skills);
    QStringList heard;
    for (int i = 0; i < skills->childCount(); ++i)
        heard << skills->child(i)->text(QAccessible::Name);
    QCOMPARE(heard, (QStringList{u"10"_s, u"20"_s, u"30"_s}));
}

void TestAndroidMain::saveEntryFollowsTheRoster()
{
    Harness h;
    AndroidMain *editor = h.open(u"Command1"_s);
    auto *deleteBot = control<QPushButton>(editor, u"Command2"_s);
    // Nothing selected: nothing happens.
    addBot(editor, u"A"_s, u"50"_s, u"Terrorist"_s);
    QVERIFY(saveEntry(editor)->isEnabled());
    deleteBot->click();
    QCOMPARE(editor->document().roster().size(), 1);
    auto *names = control<QListView>(editor, u"List1"_s);
    names->setCurrentIndex(names->model()->index(0, 0));
    deleteBot->click();
    QVERIFY(editor->document().isEmpty());
    QCOMPARE(editor->selectedRow(), -1);
    QVERIFY(!saveEntry(editor)->isEnabled());

    // Adding several bots leaves it as it is.
    control<QPushButton>(editor, u"Command5"_s)->click();
    control<QPushButton>(dialog(editor, u"AndroidMultiple"_s), u"Command1"_s)->click();
    QCOMPARE(editor->document().roster().size(), 10);
    QCOMPARE(editor->document().roster().at(9).skill, u"30"_s);
    QCOMPARE(editor->document().roster().at(9).team, u"Terrorist"_s);
    QVERIFY(!saveEntry(editor)->isEnabled());

    // A file that fails to read leaves nothing to save.
    h.game.write(u"broken.cfg"_s, "//AndroidBot Config File Created With\r\n//Counter-Strike Trevlin 2.0\r\n");
    MessageAnswerer no{QDialogButtonBox::No};
    no.arm();
    control<QAction>(editor, u"new"_s)->trigger();
    QVERIFY(editor->document().isEmpty());
    control<QAction>(editor, u"Open"_s)->trigger();
    QDialog *open = dialog(editor, u"AndroidOpen"_s);
    QVERIFY(open->findChild<FileBrowser *>()->selectFile(u"broken.cfg"_s));
    control<QPushButton>(open, u"Command1"_s)->click();
    QCOMPARE(
        no.texts(),
        (QStringList{u"You Have Changed Your Current BotList. Do You Want To Save It Before You Start A New One?"_s,
                     u"The file you selected is not a valid Counter-Strike Trevlin AndroidBot Config file"_s}));
    QVERIFY(dialog(editor, u"AndroidOpen"_s));
    QVERIFY(!saveEntry(editor)->isEnabled());
}

void TestAndroidMain::editDialogActsOnTheRowSelectedAtDone()
{
    Harness h;
    AndroidMain *editor = h.open(u"Command1"_s);
    editor->document().append({{u"A"_s, u"10"_s, u"Terrorist"_s}, {u"B"_s, u"20"_s, u"Terrorist"_s}});
    auto *names = control<QListView>(editor, u"List1"_s);
    names->setCurrentIndex(names->model()->index(0, 0));
    control<QPushButton>(editor, u"Command1"_s)->click();
    QDialog *edit = dialog(editor, u"AndroidEdit"_s);
    type(edit, u"Text1"_s, u"C"_s);
    // The editor stays usable while the dialog is open: Done changes the row selected then.
    names->setCurrentIndex(names->model()->index(1, 0));
    control<QPushButton>(edit, u"Command1"_s)->click();
    QCOMPARE(editor->document().roster().at(0).name, u"A"_s);
    QCOMPARE(editor->document().roster().at(1).name, u"C"_s);

    control<QPushButton>(editor, u"Command1"_s)->click();
    edit = dialog(editor, u"AndroidEdit"_s);
    control<QPushButton>(editor, u"Command2"_s)->click();
    MessageAnswerer ok;
    ok.arm();
    control<QPushButton>(edit, u"Command1"_s)->click();
    QVERIFY(ok.text().startsWith(u"There is no bot selected in the list."_s));
    QVERIFY(dialog(editor, u"AndroidEdit"_s));
}

void TestAndroidMain::addEditApplyToAllAddSeveralSaveAndReopen()
{
    Harness h;
    AndroidMain *editor = h.open(u"Command10"_s);
    // The add dialog's checks keep it open with what was typed.
    control<QPushButton>(editor, u"Command4"_s)->click();
    QDialog *add = dialog(editor, u"AndroidAdd"_s);
    QCOMPARE(control<QComboBox>(add, u"Combo1"_s)->currentText(), QString());
    type(add, u"Text1"_s, u"Alpha"_s);
    type(add, u"Text2"_s, u"101"_s);
    setTeam(add, u"Terrorist"_s);
    MessageAnswerer ok;
    ok.arm();
    control<QPushButton>(add, u"Command1"_s)->click();
    QCOMPARE(ok.text(), u"The skill level must be between 0 and 100"_s);
    QVERIFY(dialog(editor, u"AndroidAdd"_s));
    type(add, u"Text2"_s, u"100"_s);
    control<QPushButton>(add, u"Command1"_s)->click();
    addBot(editor, u"Bravo"_s, u"0"_s, u"Counter Terrorist"_s);

    // Edit the second bot, then give all of them one skill and team.
    auto *names = control<QListView>(editor, u"List1"_s);
    const QPoint second = names->visualRect(names->model()->index(1, 0)).center();
    QTest::mouseClick(names->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(names->viewport(), Qt::LeftButton, {}, second);
    QDialog *edit = dialog(editor, u"AndroidEdit"_s);
    QVERIFY(edit);
    QCOMPARE(control<QComboBox>(edit, u"Combo1"_s)->currentText(), u"Counter Terrorist"_s);
    type(edit, u"Text1"_s, u"Big Bravo"_s);
    control<QPushButton>(edit, u"Command1"_s)->click();
    QCOMPARE(editor->document().roster().at(1).name, u"Big Bravo"_s);
    control<QPushButton>(editor, u"Command1"_s)->click();
    edit = dialog(editor, u"AndroidEdit"_s);
    control<QCheckBox>(edit, u"Check1"_s)->click();
    QVERIFY(!control<QLineEdit>(edit, u"Text1"_s)->isEnabled());
    control<QLineEdit>(edit, u"Text1"_s)->clear();
    type(edit, u"Text2"_s, u"75"_s);
    setTeam(edit, u"Auto Assign"_s);
    control<QPushButton>(edit, u"Command1"_s)->click();
    QCOMPARE(editor->document().roster().entries(),
             (QList<AndroidRosterEntry>{{u"Alpha"_s, u"75"_s, u"Auto Assign"_s},
                                        {u"Big Bravo"_s, u"75"_s, u"Auto Assign"_s}}));

    // Twenty-five typed, of which the box takes 2 (its arrows stop at 10), and 10 asked for, twelve names in the
    // list: ten different names.
    control<QPushButton>(editor, u"Command5"_s)->click();
    QDialog *several = dialog(editor, u"AndroidMultiple"_s);
    QCOMPARE(control<QComboBox>(several, u"Combo1"_s)->currentText(), u"Terrorist"_s);
    type(several, u"Text1"_s, u"25"_s);
    QCOMPARE(control<QLineEdit>(several, u"Text1"_s)->text(), u"2"_s);
    type(several, u"Text1"_s, u"10"_s);
    control<QCheckBox>(several, u"Check1"_s)->click();
    setTeam(several, u"Auto Select"_s);
    auto *number = control<QLineEdit>(several, u"Text1"_s);
    control<QPushButton>(several, u"Command1"_s)->click();
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
    ::control<QLineEdit>(editor, u"Text2"_s)->clear();
    QTest::keyClicks(::control<QLineEdit>(editor, u"Text2"_s), u"70"_s);
    saveEntry(editor)->trigger();
    QDialog *save = dialog(editor, u"AndroidSave"_s);
    type(save, u"Text1"_s, u"pods"_s);
    control<QPushButton>(save, u"Command1"_s)->click();
    QVERIFY(!dialog(editor, u"AndroidSave"_s));
    QVERIFY(!h.editsUnsaved());
    QVERIFY(h.game.read(u"pods.cfg"_s)
                .startsWith("//PodBot Config File Created With\r\n//Counter-Strike Trevlin "
                            "2.0\r\npause 3\r\nbotchat on\r\njasonmode off\r\nminbotskill "
                            "70\r\nmp_autoteambalance 0\r\naddbot 75 5 Alpha\r\n"));
    const QList<AndroidRosterEntry> saved = editor->document().roster().entries();
    control<QAction>(editor, u"new"_s)->trigger();
    QVERIFY(editor->document().isEmpty());
    QCOMPARE(::control<QLineEdit>(editor, u"Text2"_s)->text(), u"60"_s);
    control<QAction>(editor, u"Open"_s)->trigger();
    QDialog *open = dialog(editor, u"AndroidOpen"_s);
    QVERIFY(open->findChild<FileBrowser *>()->selectFile(u"pods.cfg"_s));
    control<QPushButton>(open, u"Command1"_s)->click();
    QVERIFY(!dialog(editor, u"AndroidOpen"_s));
    QCOMPARE(editor->document().roster().entries(), saved);
    QCOMPARE(::control<QLineEdit>(editor, u"Text2"_s)->text(), u"70"_s);
    QVERIFY(saveEntry(editor)->isEnabled());
    QVERIFY(!h.editsUnsaved());
}

void TestAndroidMain::doneQuestion_data()
{
    QTest::addColumn<bool>("closeBox"); // the window's close box rather than Done
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saveShown");
    QTest::newRow("Yes saves first") << false << int(QDialogButtonBox::Yes) << false << true;
    QTest::newRow("No discards") << false << int(QDialogButtonBox::No) << true << false;
    QTest::newRow("Cancel goes back") << false << int(QDialogButtonBox::Cancel) << false << false;
    QTest::newRow("Escape goes back") << false << int(MessageAnswerer::pressEscape) << false << false;
    QTest::newRow("close box, Yes") << true << int(QDialogButtonBox::Yes) << false << true;
    QTest::newRow("close box, Escape") << true << int(MessageAnswerer::pressEscape) << false << false;
}

void TestAndroidMain::doneQuestion()
{
    QFETCH(bool, closeBox);
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, saveShown);
    Harness h;
    AndroidMain *editor = h.open(u"Command10"_s);
    addBot(editor, u"A"_s, u"50"_s, u"Terrorist"_s);
    MessageAnswerer answerer{QDialogButtonBox::StandardButton(answer)};
    answerer.arm();
    if (closeBox)
        editor->close();
    else
        control<QPushButton>(editor, u"Command3"_s)->click();
    QCOMPARE(answerer.text(), exitQuestion);
    QStringList buttons = answerer.buttons();
    buttons.sort();
    QCOMPARE(buttons, (QStringList{u"Cancel"_s, u"No"_s, u"Yes"_s}));
    QCOMPARE(h.editor() == nullptr, closes);
    QDialog *save = closes ? nullptr : dialog(editor, u"AndroidSave"_s);
    QCOMPARE(save != nullptr, saveShown);
    if (!save)
        return;
    // The save the question offers keeps AndroidBot's name for PodBot too; once saved, Done asks nothing.
    QCOMPARE(save->windowTitle(), u"Save Android Config File"_s);
    type(save, u"Text1"_s, u"asked.cfg"_s);
    control<QPushButton>(save, u"Command1"_s)->click();
    QVERIFY(h.game.exists(u"asked.cfg"_s));
    control<QPushButton>(editor, u"Command3"_s)->click();
    QVERIFY(!h.editor());
}

void TestAndroidMain::endingTheProgramAsksAboutUnsavedBots()
{
    Harness h;
    AndroidMain *editor = h.open(u"Command1"_s);
    addBot(editor, u"A"_s, u"50"_s, u"Terrorist"_s);
    {
        MessageAnswerer cancel{QDialogButtonBox::Cancel};
        cancel.arm();
        QVERIFY(!h.window->close());
        QCOMPARE(cancel.text(), exitQuestion);
        QVERIFY(h.editor());
    }
    // Opening the other add-on's editor asks too, and No lets the roster go.
    MessageAnswerer no{QDialogButtonBox::No};
    no.arm();
    AndroidMain *podBot = h.open(u"Command10"_s);
    QCOMPARE(no.text(), exitQuestion);
    QVERIFY(podBot && podBot != editor);
    QCOMPARE(podBot->windowTitle(), u"PodBot Bots"_s);
}

void TestAndroidMain::autostartDoubleClickOpensTheFile()
{
    Harness h;
    h.game.write(u"pods.cfg"_s,
                 "//PodBot Config File Created With\r\n//Counter-Strike Trevlin 2.0\r\npause 3\r\n"
                 "botchat on\r\njasonmode off\r\nminbotskill 70\r\nmp_autoteambalance 0\r\n"
                 "addbot 75 5 Alpha\r\n");
    h.settings->save(u"Auto Execute"_s, u"PodBot"_s, u"pods.cfg"_s);
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
