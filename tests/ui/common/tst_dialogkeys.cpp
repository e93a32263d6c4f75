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
// nothing unsaved, from which the dialogs open: one of each kind, an entry dialog (AddMultiple), a file dialog
// (SaveScreen) and the folder dialog (DirSelect).
struct Dialogs : MainScreenHarness
{
    EditScreen *editor = nullptr;

    Dialogs() { start({u"NNBOT liblist.gam"_s}); }

    // The dialog opened afresh, with the control of that name focused.
    QWidget *focused(const QString &name, const QString &control)
    {
        QDialog *dialog = open(name);
        QWidget *widget = dialog ? dialog->findChild<QWidget *>(control) : nullptr;
        if (widget)
            widget->setFocus(Qt::TabFocusReason);
        return widget;
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
        if (name == u"SaveScreen")
            editor->findChild<QAction *>(u"Save"_s)->trigger();
        else
            editor->findChild<QAbstractButton *>(u"Command5"_s)->click();
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

} // namespace

class TestDialogKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void enterAndEscapeFromEveryControl_data();
    void enterAndEscapeFromEveryControl();
};

void TestDialogKeys::enterAndEscapeFromEveryControl_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("defaultButton");
    QTest::addColumn<QStringList>("stops"); // what Tab goes through, from the control focused first
    QTest::newRow("add several") << u"AddMultiple"_s << u"Command1"_s
                                 << u"Text1 Text2 Check2 Combo1 List1 Check1 Command3 Command1 Command2"_s.split(u' ');
    QTest::newRow("save") << u"SaveScreen"_s << u"Command1"_s << u"Text1 Command1 Command2 Dir1 File1"_s.split(u' ');
    QTest::newRow("folder") << u"DirSelect"_s << u"Command1"_s << u"Path1 Dir1 Command1 Command2"_s.split(u' ');
}

void TestDialogKeys::enterAndEscapeFromEveryControl()
{
    QFETCH(QString, dialog);
    QFETCH(QString, defaultButton);
    QFETCH(QStringList, stops);
    Dialogs d;
    QStringList order;
    for (const QWidget *control : Dialogs::tabStops(d.open(dialog)))
        order.append(control->objectName());
    QCOMPARE(order, stops);
    for (const QString &stop : std::as_const(stops)) {
        // From every stop Enter presses the one default button: a second default, or a button that takes its place
        // while it has the focus, would be pressed instead.
        QPointer<QWidget> control = d.focused(dialog, stop);
        QVERIFY(control);
        QPointer<QWidget> window = control->window();
        QList<std::pair<QAbstractButton *, std::shared_ptr<QSignalSpy>>> clicks;
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
            clicks.append({button, std::make_shared<QSignalSpy>(button, &QAbstractButton::clicked)});
        // The control, and every frame between it and the dialog.
        QList<EnterWatcher *> watchers;
        for (QWidget *widget = control; widget != window; widget = widget->parentWidget())
            watchers.append(new EnterWatcher(widget));
        const QString where = dialog + u' ' + stop;
        MessageAnswerer answerer;
        answerer.arm();
        QTest::keyClick(control, Qt::Key_Return);
        for (const auto &[button, spy] : clicks)
            QVERIFY2(spy->size() == (button->objectName() == defaultButton ? 1 : 0),
                     qPrintable(where + u" clicked "_s + button->objectName()));
        // Whatever a platform theme makes of Enter on a button (GNOME's presses a focused one, ticks a check box,
        // and has every group box take it), the key never reaches a button other than the default one, nor the
        // frames around a control that leaves it: the dialog takes it first.
        if (!qobject_cast<QAbstractButton *>(control) || stop == defaultButton)
            watchers.removeFirst();
        for (const EnterWatcher *watcher : std::as_const(watchers))
            QVERIFY2(watcher->count == 0, qPrintable(where + u" to "_s + watcher->parent()->objectName()));
        if (window && window->isVisible())
            static_cast<QDialog *>(window.get())->reject();

        // From every stop Escape closes the dialog.
        control = d.focused(dialog, stop);
        QVERIFY(control);
        QSignalSpy rejected(static_cast<QDialog *>(control->window()), &QDialog::rejected);
        QTest::keyClick(control, Qt::Key_Escape);
        QVERIFY2(rejected.size() == 1, qPrintable(where));
        QVERIFY(!control || !control->isVisible());
    }
}

QTEST_MAIN(TestDialogKeys)
#include "tst_dialogkeys.moc"
