#include "AppSettings.h"
#include "WindowMemory.h"

#include <QApplication>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

class TestWindowMemory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void placeComesBack_data();
    void placeComesBack();
};

void TestWindowMemory::placeComesBack_data()
{
    QTest::addColumn<QRect>("left");
    QTest::addColumn<bool>("same"); // comes back exactly; otherwise somewhere on the screen
    QTest::newRow("on the screen") << QRect(100, 120, 300, 200) << true;
    // Left on a second screen that is gone since.
    QTest::newRow("off every screen") << QRect(5000, 4000, 300, 200) << false;
}

void TestWindowMemory::placeComesBack()
{
    QFETCH(QRect, left);
    QFETCH(bool, same);
    QTemporaryDir dir;
    AppSettings settings(AppSettings::openFile(dir.filePath(u"Trevlin.conf"_s)));
    WindowMemory memory(settings);
    qApp->installEventFilter(&memory);

    {
        QWidget before;
        before.setObjectName(u"EditScreen"_s);
        before.show();
        before.setGeometry(left);
        before.hide();
    }
    QVERIFY(!settings.get(u"Windows"_s, u"EditScreen"_s, {}).isEmpty());

    // The next run: a window of the same name, made afresh.
    QWidget after;
    after.setObjectName(u"EditScreen"_s);
    after.show();
    QCOMPARE(after.size(), left.size());
    if (same)
        QCOMPARE(after.geometry(), left);
    else
        QVERIFY(after.screen()->availableGeometry().intersects(after.geometry()));

    // A window without a name is not remembered.
    QWidget nameless;
    nameless.show();
    nameless.hide();
    QCOMPARE(settings.get(u"Windows"_s, QString(), {}), QString());
}

QTEST_MAIN(TestWindowMemory)
#include "tst_windowmemory.moc"
