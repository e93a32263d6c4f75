#include "OptionSteps.h"
#include "Roster.h"
#include "RosterAddOn.h"
#include "RosterDocument.h"
#include "RosterFormat.h"
#include "TestFiles.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// Does one step of the language "append; option; save; load good; ..." to document, with files in dir.
void apply(RosterDocument &document, const QString &step, const QTemporaryDir &dir)
{
    const RosterEntry bot{u"Alpha"_s, u"Terrorist"_s, u"3"_s, u"Phoenix Connection"_s};
    if (step == "append"_L1) {
        document.append(bot);
    } else if (step == "append none"_L1) {
        document.append(QList<RosterEntry>());
    } else if (step == "replace"_L1) {
        document.replace(0, bot);
    } else if (step == "set all"_L1) {
        document.setAll(u"Counter Terrorist"_s, u"2"_s, u"UK SAS"_s);
    } else if (step.startsWith("remove "_L1)) {
        document.remove(step.sliced(7).toInt());
    } else if (step == "option"_L1) {
        document.options().setText(RosterOptions::Field::TimeBeforeBotEntry, u"2"_s);
    } else if (step == "renew"_L1) {
        document.renew();
    } else if (step == "start values"_L1) {
        document.applyAddOnStartValues();
    } else if (step == "save"_L1) {
        QCOMPARE(document.save(dir.filePath(u"saved.cfg"_s)), QString());
    } else if (step == "save refused"_L1) {
        document.options().setText(RosterOptions::Field::TimeBeforeBotEntry, u"abc"_s);
        QVERIFY(!document.save(dir.filePath(u"refused.cfg"_s)).isEmpty());
    } else if (step.startsWith("load "_L1)) {
        // A file of the add-on with one bot; a broken one has another pause and ends before its bot.
        RosterDocument source(document.addOn());
        source.append(bot);
        const QString kind = step.sliced(5);
        const QString path = dir.filePath(kind + u".cfg"_s);
        QCOMPARE(source.save(path), QString());
        QByteArray text = TestFiles::read(path);
        if (kind == "broken"_L1)
            text = text.replace("pause 3", "pause 4").first(text.indexOf("addbot"));
        else if (kind == "other version"_L1)
            text.replace("Trevlin 2.0", "Trevlin 1.0");
        TestFiles::write(path, text);
        QCOMPARE(document.load(path).isLoaded(), kind == "good"_L1);
    } else {
        qFatal("no step is called \"%s\"", qPrintable(step));
    }
}

} // namespace

class TestRosterDocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void modifiedFollowsTheEdits_data()
    {
        QTest::addColumn<QString>("botName");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("bots");
        QTest::addColumn<QString>("fileName"); // the file last read or written
        const auto row = [](const char *name, const QString &steps, bool modified, int bots, const QString &file = {}) {
            for (const QString &botName : {u"RamBot"_s, u"PodBot"_s})
                QTest::addRow("%s, %s", qPrintable(botName), name) << botName << steps << modified << bots << file;
        };
        row("a new document", {}, false, 0);
        row("a bot added", u"append"_s, true, 1);
        row("no bots added is an edit all the same", u"append none"_s, true, 0);
        row("every bot changed in an empty roster", u"set all"_s, true, 0);
        row("a bot replaced", u"append; save; replace"_s, true, 1, u"saved.cfg"_s);
        row("deleting with no bot selected", u"remove -1"_s, false, 0);
        row("the last bot deleted", u"append; save; remove 0"_s, true, 0, u"saved.cfg"_s);
        row("an option changed", u"option"_s, true, 0);
        row("the add-on's start values", u"start values"_s, false, 0);
        row("start values keep an edit", u"option; start values"_s, true, 0);
        row("New", u"append; option; renew"_s, false, 0);
        row("saved", u"append; save"_s, false, 1, u"saved.cfg"_s);
        row("a refused save", u"append; save; save refused"_s, true, 1, u"saved.cfg"_s);
        row("read", u"append; load good"_s, false, 1, u"good.cfg"_s);
        // The options of the lines read before the broken one have changed.
        row("a broken file", u"append; save; load broken"_s, true, 0, u"saved.cfg"_s);
        row("another version", u"append; save; load other version"_s, false, 0, u"saved.cfg"_s);
    }

    void modifiedFollowsTheEdits()
    {
        QFETCH(QString, botName);
        QFETCH(QString, steps);
        QFETCH(bool, modified);
        QFETCH(int, bots);
        QFETCH(QString, fileName);
        QTemporaryDir dir;
        RosterDocument document(*RosterAddOn::find(botName));
        QSignalSpy told(&document, &RosterDocument::modifiedChanged);

        for (const QString &step : steps.split(u"; "_s, Qt::SkipEmptyParts))
            apply(document, step, dir);

        QCOMPARE(document.isModified(), modified);
        QCOMPARE(document.roster().size(), bots);
        QCOMPARE(document.hasUnsavedBots(), modified && bots > 0);
        QCOMPARE(document.fileName(), fileName.isEmpty() ? QString() : dir.filePath(fileName));
        // Each change of the state is told once; the last one tells the state as it is.
        for (qsizetype i = 1; i < told.size(); ++i)
            QVERIFY(told.at(i).constFirst().toBool() != told.at(i - 1).constFirst().toBool());
        if (!told.isEmpty())
            QCOMPARE(told.constLast().constFirst().toBool(), modified);
    }

    void editsReachTheColumns_data()
    {
        QTest::addColumn<QString>("botName");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QStringList>("shown"); // the second bot at the end
        QTest::newRow("four columns") << u"RamBot"_s << QStringList({u"Bot Name"_s, u"Team"_s, u"Skill"_s, u"Skin"_s})
                                      << QStringList({u"C"_s, u"Counter Terrorist"_s, u"2"_s, u"French GIGN"_s});
        QTest::newRow("three columns, no skin") << u"PodBot"_s << QStringList({u"Bot Name"_s, u"Skill"_s, u"Team"_s})
                                                << QStringList({u"C"_s, u"2"_s, u"Counter Terrorist"_s});
    }

    void editsReachTheColumns()
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
};

QTEST_GUILESS_MAIN(TestRosterDocument)
#include "tst_rosterdocument.moc"
