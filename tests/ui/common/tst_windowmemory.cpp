#include "AppSettings.h"
#include "WindowMemory.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

// Dialogs kept apart by the window they belong to, and plain windows of their own.
const WindowMemory::Place places[] = {
    {&QDialog::staticMetaObject, "AndroidOpen"_L1, &QMainWindow::staticMetaObject},
    {&QDialog::staticMetaObject, "OpenScreen"_L1, &QWidget::staticMetaObject},
    {&QWidget::staticMetaObject, "EditScreen"_L1},
    // One class serving as two windows, told apart by their object names.
    {&QMainWindow::staticMetaObject, "EditScreen"_L1, nullptr, true},
    {&QMainWindow::staticMetaObject, "AndroidMain"_L1, nullptr, true},
};

} // namespace

class TestWindowMemory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void placeComesBack_data()
    {
        QTest::addColumn<QRect>("left");
        QTest::addColumn<bool>("same"); // comes back exactly; otherwise somewhere on the screen
        QTest::newRow("on the screen") << QRect(100, 120, 300, 200) << true;
        // Left on a second screen that is gone since.
        QTest::newRow("off every screen") << QRect(5000, 4000, 300, 200) << false;
    }

    void placeComesBack()
    {
        QFETCH(QRect, left);
        QFETCH(bool, same);
        QTemporaryDir dir;
        AppSettings settings(AppSettings::openFile(dir.filePath(u"Trevlin.conf"_s)));
        WindowMemory memory(settings, places);
        qApp->installEventFilter(&memory);
        {
            QWidget before;
            before.show();
            before.setGeometry(left);
            before.hide();
        }
        QVERIFY(!settings.value(AppSettings::Family::WindowPlace, u"EditScreen"_s).isEmpty());

        // The next run: a window of the same kind, made afresh.
        QWidget after;
        after.show();
        QCOMPARE(after.size(), left.size());
        if (same)
            QCOMPARE(after.geometry(), left);
        else
            QVERIFY(after.screen()->availableGeometry().intersects(after.geometry()));
    }

    void keyFollowsTheClassAndTheOwner()
    {
        QTemporaryDir dir;
        AppSettings settings(AppSettings::openFile(dir.filePath(u"Trevlin.conf"_s)));
        const WindowMemory memory(settings, places);
        QMainWindow editor;
        QWidget otherEditor;
        QCOMPARE(memory.keyOf(new QDialog(&editor)), "AndroidOpen"_L1);
        QCOMPARE(memory.keyOf(new QDialog(&otherEditor)), "OpenScreen"_L1);
        // A dialog of no window listed, a window of a class derived from a listed one, and a control are not kept.
        const QDialog alone;
        QCOMPARE(memory.keyOf(&alone), QLatin1StringView());
        QCOMPARE(memory.keyOf(&editor), QLatin1StringView());
        QCOMPARE(memory.keyOf(new QWidget(&otherEditor)), QLatin1StringView());
        for (const QLatin1StringView name : {"EditScreen"_L1, "AndroidMain"_L1}) {
            editor.setObjectName(name);
            QCOMPARE(memory.keyOf(&editor), name);
        }
    }
};

QTEST_MAIN(TestWindowMemory)
#include "tst_windowmemory.moc"
