#include "AppSettings.h"
#include "WindowMemory.h"

#include <QApplication>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

// A plain window of its own.
const WindowMemory::Place places[] = {{&QWidget::staticMetaObject, "EditScreen"_L1}};

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
};

QTEST_MAIN(TestWindowMemory)
#include "tst_windowmemory.moc"
