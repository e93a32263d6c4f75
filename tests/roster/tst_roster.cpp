#include "OptionSteps.h"
#include "Roster.h"
#include "RosterAddOn.h"
#include "RosterFormat.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestRoster : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void editsReachTheColumns_data();
    void editsReachTheColumns();
};

void TestRoster::editsReachTheColumns_data()
{
    QTest::addColumn<QString>("botName");
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QStringList>("shown"); // the second bot at the end
    QTest::newRow("four columns") << u"RamBot"_s << QStringList({u"Bot Name"_s, u"Team"_s, u"Skill"_s, u"Skin"_s})
                                  << QStringList({u"C"_s, u"Counter Terrorist"_s, u"2"_s, u"French GIGN"_s});
    QTest::newRow("three columns, no skin") << u"PodBot"_s << QStringList({u"Bot Name"_s, u"Skill"_s, u"Team"_s})
                                            << QStringList({u"C"_s, u"2"_s, u"Counter Terrorist"_s});
}

void TestRoster::editsReachTheColumns()
{
    QFETCH(QString, botName);
    QFETCH(QStringList, headers);
    QFETCH(QStringList, shown);
    Roster roster(RosterAddOn::find(botName)->format->columns);
    const int last = int(headers.size()) - 1;
    QAbstractItemModelTester tester(&roster, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy changed(&roster, &QAbstractItemModel::dataChanged);
    roster.assign(OptionSteps::bots(u"A|Terrorist|3|L337 Krew;B|Terrorist|4|UK SAS"_s));
    roster.append(OptionSteps::bots(u"C|Terrorist|5|"_s));
    roster.replace(1, OptionSteps::bots(u"Bea|Counter Terrorist|1|UK SAS"_s).constFirst());
    QCOMPARE(changed.last().mid(0, 2), QVariantList({roster.index(1, 0), roster.index(1, last)}));
    roster.setAll(u"Counter Terrorist"_s, u"2"_s, u"French GIGN"_s);
    QCOMPARE(changed.last().mid(0, 2), QVariantList({roster.index(0, 0), roster.index(2, last)}));
    roster.remove(-1); // Delete with no row selected
    roster.remove(0);

    QCOMPARE(roster.entries(),
             OptionSteps::bots(u"Bea|Counter Terrorist|2|French GIGN;C|Counter Terrorist|2|French GIGN"_s));
    QCOMPARE(roster.columnCount(), headers.size());
    for (int column = 0; column <= last; ++column) {
        QCOMPARE(roster.headerData(column, Qt::Horizontal).toString(), headers.at(column));
        QCOMPARE(roster.index(1, column).data().toString(), shown.at(column));
        // A screen reader reads what the column shows.
        QCOMPARE(roster.index(1, column).data(Qt::AccessibleTextRole), roster.index(1, column).data());
    }
}

QTEST_GUILESS_MAIN(TestRoster)
#include "tst_roster.moc"
