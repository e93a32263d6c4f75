#include "MainScreenHarness.h"

#include <QLineEdit>

using namespace Qt::Literals::StringLiterals;

class TestPointerStatus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void followsThePointer_data();
    void followsThePointer();
};

void TestPointerStatus::followsThePointer_data()
{
    // The controls the pointer moves over, one after the other, and what the status line says after each: the
    // status text of the control named, nothing, or what it said before.
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QStringList>("says");
    const auto row = [](const char *name, const QString &path, const QString &says) {
        QTest::newRow(name) << path.split(u' ') << says.split(u' ');
    };
    row("from a button to the background", u"Command3 centralwidget"_s, u"Command3 nothing"_s);
    row("from a label to its frame", u"Label6 Frame4 Label8"_s, u"Label6 Frame4 Label8"_s);
    row("from the toolbar to its frame", u"folderButton Frame2 Label2"_s, u"folderButton nothing Label2"_s);
    row("an option button leaves it", u"Command4 Option2 Frame1"_s, u"Command4 Command4 Command4"_s);
    row("back over the background", u"centralwidget Command9 centralwidget"_s, u"nothing Command9 nothing"_s);
}

void TestPointerStatus::followsThePointer()
{
    QFETCH(QStringList, path);
    QFETCH(QStringList, says);
    MainScreenHarness h;
    h.start({u"RamBot liblist.gam"_s});
    h.press(u"Option2"_s); // the values shown take room of their own
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    auto *status = h.find<QLineEdit>(u"Text2"_s);
    for (qsizetype step = 0; step < path.size(); ++step) {
        QWidget *over = h.find(path.at(step));
        QVERIFY(over && over->isVisible());
        // A point of the control itself, not of one inside it.
        QPoint at(-1, -1);
        for (int y = 2; y < over->height() && at.y() < 0; y += 3) {
            for (int x = 2; x < over->width() && at.x() < 0; x += 3) {
                if (h.window->childAt(over->mapTo(h.window.get(), QPoint(x, y))) == over)
                    at = QPoint(x, y);
            }
        }
        QVERIFY2(at.x() >= 0, qPrintable(path.at(step)));
        QTest::mouseMove(over, at);
        const QString &expected = says.at(step);
        QCOMPARE(status->text(), expected == "nothing"_L1 ? QString() : h.find(expected)->accessibleDescription());
    }
}

QTEST_MAIN(TestPointerStatus)
#include "tst_pointerstatus.moc"
