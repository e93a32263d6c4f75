#include "EditScreen.h"
#include "MainScreenHarness.h"
#include "MessageAnswerer.h"
#include "Roster.h"
#include "RosterDocument.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// Counts the Enter keys that reach a control itself.
class EnterWatcher : public QObject
{
public:
    explicit EnterWatcher(QWidget *control)
        : QObject(control)
    {
        control->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            count += key == Qt::Key_Return || key == Qt::Key_Enter;
        }
        return false;
    }
};

// A main window over a set-up game folder with NNBot installed, and NNBot's roster editor holding one bot with
// nothing unsaved, from which every dialog opens.
struct Dialogs : MainScreenHarness
{
    EditScreen *editor = nullptr;

    Dialogs()
    {
        setUp({u"NNBOT liblist.gam"_s});
        window->show();
        window->startUp();
    }

    QDialog *open(const QString &name)
    {
        // A dialog closed last time goes now, so that each opening is a fresh one.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (name == u"DirSelect") {
            find<QAction>(u"Properties"_s)->trigger();
            return activated(window->findChild<QDialog *>(name));
        }
        if (!editor) {
            find<QAbstractButton>(u"Command6"_s)->click();
            editor = window->findChild<EditScreen *>();
            editor->document().append({u"Alpha"_s, u"Terrorist"_s, u"3"_s, u"Phoenix Connection"_s});
            editor->enableSave();
            if (!editor->document().save(game.gameDir() + u"/start.cfg"_s).isEmpty())
                qFatal("the start roster could not be saved");
        }
        const QHash<QString, QString> openers{{u"AddScreen"_s, u"Command3"_s},
                                              {u"EditBotScreen"_s, u"Command1"_s},
                                              {u"AddMultiple"_s, u"Command5"_s},
                                              {u"OpenScreen"_s, u"Open"_s},
                                              {u"SaveScreen"_s, u"Save"_s}};
        if (QAction *entry = editor->findChild<QAction *>(openers.value(name)))
            entry->trigger();
        else
            editor->findChild<QAbstractButton *>(openers.value(name))->click();
        return activated(editor->findChild<QDialog *>(name));
    }

    static QDialog *activated(QDialog *dialog)
    {
        if (dialog) {
            dialog->activateWindow();
            if (!QTest::qWaitForWindowActive(dialog))
                return nullptr;
        }
        return dialog;
    }

    // The controls that Tab goes through in dialog, from the one focused first; the dialog is then closed.
    static QList<QWidget *> tabStops(QDialog *dialog)
    {
        QList<QWidget *> stops;
        for (QWidget *focus = QApplication::focusWidget(); focus && !stops.contains(focus) && stops.size() < 30;
             focus = QApplication::focusWidget()) {
            stops.append(focus);
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        if (dialog)
            dialog->reject();
        return stops;
    }
};

QString describe(const QString &dialog, const QWidget *control)
{
    return dialog + u' ' + control->objectName();
}

void dialogRows()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("defaultButton");
    QTest::addColumn<QStringList>("stops"); // what Tab goes through, from the control focused first
    QTest::newRow("add") << u"AddScreen"_s << u"Command1"_s
                         << u"Text1 Combo1 Text2 List1 Command1 Command3"_s.split(u' ');
    QTest::newRow("edit") << u"EditBotScreen"_s << u"Command1"_s
                          << u"Text1 Combo1 Text2 List1 Check1 Command1 Command2"_s.split(u' ');
    QTest::newRow("add several") << u"AddMultiple"_s << u"Command1"_s
                                 << u"Text1 Text2 Check2 Combo1 List1 Check1 Command3 Command1 Command2"_s.split(u' ');
    QTest::newRow("open") << u"OpenScreen"_s << u"Command1"_s << u"File1 Command1 Command2 Dir1"_s.split(u' ');
    QTest::newRow("save") << u"SaveScreen"_s << u"Command1"_s << u"Text1 Command1 Command2 Dir1 File1"_s.split(u' ');
    QTest::newRow("folder") << u"DirSelect"_s << u"Command1"_s << u"Path1 Dir1 Command1 Command2"_s.split(u' ');
}

} // namespace

class TestDialogKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void enterPressesTheDefaultButtonFromEveryControl_data() { dialogRows(); }
    void enterPressesTheDefaultButtonFromEveryControl();
    void escapeClosesFromEveryControl_data() { dialogRows(); }
    void escapeClosesFromEveryControl();
};

void TestDialogKeys::enterPressesTheDefaultButtonFromEveryControl()
{
    QFETCH(QString, dialog);
    QFETCH(QString, defaultButton);
    QFETCH(QStringList, stops);
    Dialogs d;
    QStringList order;
    for (const QWidget *control : Dialogs::tabStops(d.open(dialog)))
        order.append(control->objectName());
    QCOMPARE(order, stops);
    // From every stop Enter presses the one default button: a second default, or a button that takes its place
    // while it has the focus, would be pressed instead.
    for (qsizetype stop = 0; stop < stops.size(); ++stop) {
        QPointer<QDialog> window = d.open(dialog);
        QVERIFY(window);
        QWidget *control = window->findChild<QWidget *>(stops.at(stop));
        QVERIFY(control);
        QList<std::pair<QAbstractButton *, std::shared_ptr<QSignalSpy>>> clicks;
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
            clicks.append({button, std::make_shared<QSignalSpy>(button, &QAbstractButton::clicked)});
        // The control, and every frame between it and the dialog.
        QList<EnterWatcher *> watchers;
        for (QWidget *widget = control; widget != window; widget = widget->parentWidget())
            watchers.append(new EnterWatcher(widget));
        control->setFocus(Qt::TabFocusReason);

        MessageAnswerer answerer;
        answerer.arm();
        QTest::keyClick(control, Qt::Key_Return);
        for (const auto &[button, spy] : clicks) {
            const bool isDefault = button->objectName() == defaultButton;
            QVERIFY2(spy->size() == (isDefault ? 1 : 0),
                     qPrintable(describe(dialog, control) + u" clicked "_s + button->objectName()));
        }
        // Whatever a platform theme makes of Enter on a button (GNOME's presses a focused one, ticks a check box,
        // and has every group box take it), the key never reaches a button other than the default one, nor the
        // frames around a control that leaves it: the dialog takes it first.
        if (!qobject_cast<QAbstractButton *>(control) || control->objectName() == defaultButton)
            watchers.removeFirst();
        for (const EnterWatcher *watcher : std::as_const(watchers))
            QVERIFY2(watcher->count == 0,
                     qPrintable(describe(dialog, control) + u" to "_s + watcher->parent()->objectName()));
        if (window && window->isVisible())
            window->reject();
    }
}

void TestDialogKeys::escapeClosesFromEveryControl()
{
    QFETCH(QString, dialog);
    QFETCH(QStringList, stops);
    Dialogs d;
    for (qsizetype stop = 0; stop < stops.size(); ++stop) {
        QPointer<QDialog> window = d.open(dialog);
        QVERIFY(window);
        QSignalSpy rejected(window.get(), &QDialog::rejected);
        QWidget *control = window->findChild<QWidget *>(stops.at(stop));
        QVERIFY(control);
        control->setFocus(Qt::TabFocusReason);
        QTest::keyClick(control, Qt::Key_Escape);
        QVERIFY2(rejected.size() == 1, qPrintable(describe(dialog, control)));
        QVERIFY(!window || !window->isVisible());
    }
}

QTEST_MAIN(TestDialogKeys)
#include "tst_dialogkeys.moc"
