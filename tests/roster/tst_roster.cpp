#include "OptionSteps.h"
#include "Roster.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestRoster : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void editsReachTheColumns();
};

void TestRoster::editsReachTheColumns()
{
    Roster roster;
    QAbstractItemModelTester tester(&roster, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy changed(&roster, &QAbstractItemModel::dataChanged);
    roster.assign(OptionSteps::bots(u"A|Terrorist|3|L337 Krew;B|Terrorist|4|UK SAS"_s));
    roster.append(OptionSteps::bots(u"C|Terrorist|5|"_s).constFirst());
    roster.replace(1, OptionSteps::bots(u"Bea|Counter Terrorist|1|UK SAS"_s).constFirst());
    QCOMPARE(changed.last().mid(0, 2), QVariantList({roster.index(1, Roster::Name), roster.index(1, Roster::Skin)}));
    roster.setAll(u"Counter Terrorist"_s, u"2"_s, u"French GIGN"_s);
    QCOMPARE(changed.last().mid(0, 2), QVariantList({roster.index(0, Roster::Team), roster.index(2, Roster::Skin)}));
    roster.remove(-1); // Delete with no row selected
    roster.remove(0);

    QCOMPARE(roster.entries(),
             OptionSteps::bots(u"Bea|Counter Terrorist|2|French GIGN;C|Counter Terrorist|2|French GIGN"_s));
    QStringList headers, shown;
    for (int column = 0; column < Roster::ColumnCount; ++column) {
        headers << roster.headerData(column, Qt::Horizontal).toString();
        shown << roster.index(1, column).data().toString();
        // A screen reader reads what the column shows.
        QCOMPARE(roster.index(1, column).data(Qt::AccessibleTextRole), roster.index(1, column).data());
    }
    QCOMPARE(headers, QStringList({u"Bot Name"_s, u"Team"_s, u"Skill"_s, u"Skin"_s}));
    QCOMPARE(shown, QStringList({u"C"_s, u"Counter Terrorist"_s, u"2"_s, u"French GIGN"_s}));
}

QTEST_GUILESS_MAIN(TestRoster)
#include "tst_roster.moc"
