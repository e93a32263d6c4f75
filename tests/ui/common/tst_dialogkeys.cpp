#include "MainScreenHarness.h"
#include "MessageAnswerer.h"
#include "Roster.h"
#include "RosterDocument.h"
#include "RosterWindow.h"
#include "TestFiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// A main window over a set-up game folder with NNBot and AndroidBot installed and NNBot chosen, from which every
// dialog opens: the folder dialogs, the server windows, and those of a roster editor that holds one saved bot.
struct Dialogs : MainScreenHarness
{
    Dialogs()
    {
        start({u"NNBOT liblist.gam"_s, u"AndroidBot liblist.gam"_s});
        press(u"Option4"_s);
        answerer.arm();
    }

    // Whatever a dialog has to say on the way (no maps folder, no name list) is answered.
    MessageAnswerer answerer;

    RosterWindow *editor(const QString &editButton = u"Command6"_s)
    {
        if (auto *open = window->findChild<RosterWindow *>())
            return open;
        press(editButton);
        auto *editor = window->findChild<RosterWindow *>();
        editor->document().append({u"Alpha"_s, u"Terrorist"_s, u"3"_s, u"Phoenix Connection"_s});
        if (!editor->document().save(game.gameDir() + u"/start.cfg"_s).isEmpty())
            qFatal("the start roster could not be saved");
        // Read back, as a roster saved before, which offers File > Save.
        editor->openFile(game.gameDir() + u"/start.cfg"_s);
        return editor;
    }

    // The window opened afresh and active: a dialog of the main window, the server window or the roster editor;
    // or one of those two main windows.
    QWidget *open(const QString &name)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        static const QHash<QString, QStringList> openers{
            {u"DirSelect"_s, {u"Properties"_s}},
            {u"ConfigFile"_s, {u"folder"_s}},
            {u"ConfigScreen"_s, {u"Command9"_s}},
            {u"MapCycle"_s, {u"ConfigScreen"_s, u"Command4"_s}},
            {u"MotdScreen"_s, {u"ConfigScreen"_s, u"Command3"_s}},
            {u"AddScreen"_s, {u"EditScreen"_s, u"Command3"_s}},
            {u"AddMultiple"_s, {u"EditScreen"_s, u"Command5"_s}},
            {u"OpenScreen"_s, {u"EditScreen"_s, u"Open"_s}},
            {u"SaveScreen"_s, {u"EditScreen"_s, u"Save"_s}},
            {u"AndroidOpen"_s, {u"AndroidMain"_s, u"Open"_s}},
            {u"AndroidSave"_s, {u"AndroidMain"_s, u"Save"_s}},
        };
        const QStringList opener = openers.value(name);
        QObject *from = window.get();
        if (opener.size() == 2)
            from = opener.first() == "ConfigScreen"_L1
                ? static_cast<QObject *>(open(opener.first()))
                : editor(opener.first() == "EditScreen"_L1 ? u"Command6"_s : u"Command1"_s);
        QWidget *dialog = window.get();
        if (name == "EditScreen"_L1) {
            dialog = editor();
        } else if (!opener.isEmpty()) {
            Widgets::press(from, opener.last());
            dialog = window->findChild<QDialog *>(name);
        }
        if (dialog)
            dialog->activateWindow();
        // The platform activates a window a moment after it asked to: the keyboard reaches it only then.
        if (dialog && !QTest::qWaitFor([dialog] { return dialog->isActiveWindow(); }))
            return nullptr;
        return dialog;
    }
};

} // namespace

class TestDialogKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void mnemonicsPressTheirButtons();
    void autostartDialogFollowsTheChoice_data();
    void autostartDialogFollowsTheChoice();
    void severalDrawFromTheFolderOfTheMoment();
    void doneAsksWheneverTheRosterChanged_data();
    void doneAsksWheneverTheRosterChanged();
};

void TestDialogKeys::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("control"); // focused
    QTest::addColumn<QString>("pressed"); // by Enter; "-" for none
    for (const QString &row :
         {u"MapCycle Command1 Command1"_s, u"MapCycle Text1 Command4"_s, u"MotdScreen Command2 Command2"_s,
          u"MotdScreen Text1 -"_s, u"ConfigScreen Command2 Command2"_s, u"ConfigScreen Check1 Command1"_s,
          u"AddMultiple Check2 Command1"_s, u"AddMultiple Command3 Command3"_s, u"SaveScreen Command2 Command2"_s,
          u"SaveScreen Text1 Command1"_s, u"OpenScreen Command2 Command2"_s, u"AddScreen Command3 Command3"_s,
          u"AddScreen Text1 Command1"_s, u"DirSelect Path1 Command1"_s, u"ConfigFile Command2 Command2"_s,
          u"MainScreen Command6 Command6"_s, u"MainScreen folderButton folderButton"_s,
          u"EditScreen Command2 Command2"_s}) {
        const QStringList cells = row.split(u' ');
        QTest::newRow(qPrintable(cells.at(0) + u' ' + cells.at(1))) << cells.at(0) << cells.at(1) << cells.at(2);
    }
}

void TestDialogKeys::enterPressesTheFocusedButton()
{
    QFETCH(QString, dialog);
    QFETCH(QString, control);
    QFETCH(QString, pressed);
    Dialogs d;
    const auto focused = [&] {
        QWidget *shown = d.open(dialog);
        QWidget *widget = shown ? shown->findChild<QWidget *>(control) : nullptr;
        if (widget)
            widget->setFocus(Qt::TabFocusReason);
        return widget;
    };
    // Escape closes a dialog from there.
    QPointer<QWidget> widget = focused();
    QVERIFY(widget);
    if (auto *shown = qobject_cast<QDialog *>(widget->window())) {
        QSignalSpy rejected(shown, &QDialog::rejected);
        QTest::keyClick(widget, Qt::Key_Escape);
        QCOMPARE(rejected.size(), 1);
    }

    widget = focused();
    QVERIFY(widget);
    QList<std::pair<QAbstractButton *, std::shared_ptr<QSignalSpy>>> clicks;
    for (QAbstractButton *button : widget->window()->findChildren<QAbstractButton *>())
        clicks.append({button, std::make_shared<QSignalSpy>(button, &QAbstractButton::clicked)});
    QTest::keyClick(widget, Qt::Key_Return);
    for (const auto &[button, spy] : clicks)
        QVERIFY2(spy->size() == int(button->objectName() == pressed), qPrintable(button->objectName()));
    // The message of the day has no caption: not even the program's name in its place.
    if (dialog == "MotdScreen"_L1) {
        const QString title = widget->window()->windowHandle()->title();
        QVERIFY(!title.isEmpty() && title.trimmed().isEmpty());
    }
}

void TestDialogKeys::mnemonicsPressTheirButtons()
{
    Dialogs d;
    // Save first: a Load without a file empties the roster, which leaves nothing to save.
    for (const QString &name : {u"AndroidSave"_s, u"AndroidOpen"_s}) {
        for (const QString &button : {u"Command1"_s, u"Command2"_s}) {
            QPointer<QWidget> dialog = d.open(name);
            QVERIFY2(dialog, qPrintable(name + u' ' + button));
            auto *pushed = dialog->findChild<QPushButton *>(button);
            const QString where = name + u' ' + pushed->text();
            const QKeySequence mnemonic = QKeySequence::mnemonic(pushed->text());
            QVERIFY2(!mnemonic.isEmpty(), qPrintable(where));
            QSignalSpy clicked(pushed, &QAbstractButton::clicked);
            QTest::keySequence(dialog, mnemonic);
            // A mnemonic presses its button as the pointer does, the button shown down for a moment.
            QTRY_VERIFY2(clicked.size() == 1, qPrintable(where));
            if (dialog && dialog->isVisible())
                dialog->close();
        }
    }
}

void TestDialogKeys::autostartDialogFollowsTheChoice_data()
{
    // RamBot is chosen when the dialog opens, NNBot when OK is pressed.
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("taken");
    QTest::newRow("a roster of the add-on chosen now") << u"nnbots.cfg"_s << true;
    QTest::newRow("a roster of the add-on chosen before") << u"rambots.cfg"_s << false;
}

void TestDialogKeys::autostartDialogFollowsTheChoice()
{
    QFETCH(QString, file);
    QFETCH(bool, taken);
    MainScreenHarness h;
    for (const QString &bot : {u"RamBot"_s, u"NNBot"_s})
        h.game.write(bot.toLower() + u"s.cfg"_s, TestFiles::roster(bot));
    h.start({u"RamBot liblist.gam"_s, u"NNBot liblist.gam"_s});
    h.press(u"Option2"_s);
    h.press(u"folder"_s);
    QPointer<QDialog> dialog = h.window->findChild<QDialog *>(u"ConfigFile"_s);
    QVERIFY(dialog);
    const QString before = dialog->windowTitle();
    h.press(u"Option4"_s);
    QCOMPARE(dialog->windowTitle(), QString(before).replace(u"RamBot"_s, u"NNBot"_s));

    Widgets::clickItem(dialog->findChild<QListWidget *>(u"File1"_s), file);
    MessageAnswerer answerer;
    dialog->findChild<QPushButton *>(u"Command1"_s)->click();
    QCOMPARE(answerer.answered(), !taken);
    QCOMPARE(h.game.exists(u"bot.cfg"_s), taken);
    QCOMPARE(h.find<QLabel>(u"Label2"_s)->text() == file, taken);
    QCOMPARE(h.settings->value(AppSettings::Family::AutostartFile, u"NNBot"_s) == file, taken);
    QCOMPARE(h.settings->value(AppSettings::Family::AutostartFile, u"RamBot"_s), u"None"_s);
}

void TestDialogKeys::severalDrawFromTheFolderOfTheMoment()
{
    Dialogs d;
    QWidget *several = d.open(u"AddMultiple"_s);
    QVERIFY(several);
    GameDirFixture other;
    other.makeSetUp();
    other.write(u"TRNames.txt"_s, "header\r\nheader\r\nheader\r\nheader\r\nZed\r\n");
    d.session.setGameDir(other.gameDir());
    several->findChild<QLineEdit *>(u"Text1"_s)->setText(u"1"_s);
    several->findChild<QLineEdit *>(u"Text2"_s)->setText(u"1"_s);
    several->findChild<QPushButton *>(u"Command1"_s)->click();
    const Roster &roster = d.editor()->document().roster();
    QVERIFY2(roster.at(roster.size() - 1).name == "Zed"_L1, qPrintable(d.answerer.texts().join(u'|')));
}

void TestDialogKeys::doneAsksWheneverTheRosterChanged_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("answer");
    QTest::newRow("an option, stay") << u"option"_s << int(QDialogButtonBox::No);
    QTest::newRow("every bot deleted, discard") << u"delete"_s << int(QDialogButtonBox::Yes);
}

void TestDialogKeys::doneAsksWheneverTheRosterChanged()
{
    QFETCH(QString, change);
    QFETCH(int, answer);
    MainScreenHarness h;
    h.start({u"AndroidBot liblist.gam"_s});
    h.press(u"Command1"_s);
    QPointer<RosterWindow> editor = h.window->findChild<RosterWindow *>();
    QVERIFY(editor);
    if (change == "option"_L1) {
        Widgets::press(editor, u"Check1"_s);
    } else {
        editor->document().append({u"Alpha"_s, u"Terrorist"_s, u"30"_s, {}});
        Widgets::clickRow(editor->findChild<QAbstractItemView *>(u"List1"_s), 0);
        Widgets::press(editor, u"Command2"_s);
    }
    // Nothing can be saved without bots: the question offers to discard the change or to stay.
    MessageAnswerer answerer{QDialogButtonBox::StandardButton(answer)};
    Widgets::press(editor, u"Command3"_s);
    QCOMPARE(answerer.buttons(), (QStringList{u"Yes"_s, u"No"_s}));
    QTRY_COMPARE(!editor || !editor->isVisible(), answer == QDialogButtonBox::Yes);
}

QTEST_MAIN(TestDialogKeys)
#include "tst_dialogkeys.moc"
