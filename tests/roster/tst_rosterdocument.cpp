#include "MultipleBots.h"
#include "NameList.h"
#include "OptionSteps.h"
#include "RandomSource.h"
#include "Roster.h"
#include "RosterAddOn.h"
#include "RosterDocument.h"
#include "RosterFormat.h"
#include "RosterOptions.h"
#include "TestFiles.h"

#include <QAbstractItemModelTester>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace OptionSteps;

// The roster document both editors work on: when it holds unsaved work, how its columns show the bots, the rules of
// its options, and the bots the add-several dialog draws for it from a name list.
namespace {

// Does one step of the language "append; option; save; load broken; ..." to document, with files in dir.
void act(RosterDocument &document, const QString &step, const QTemporaryDir &dir)
{
    const RosterEntry bot{u"Alpha"_s, u"Terrorist"_s, u"3"_s, u"Phoenix Connection"_s};
    if (step == "append"_L1) {
        document.append(bot);
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
    } else if (step == "load broken"_L1) {
        // A file of the add-on with one bot, but another pause, that ends before its bot.
        RosterDocument source(document.addOn());
        source.append(bot);
        const QString path = dir.filePath(u"broken.cfg"_s);
        QCOMPARE(source.save(path), QString());
        const QByteArray text = TestFiles::read(path).replace("pause 3", "pause 4");
        TestFiles::write(path, text.first(text.indexOf("addbot")));
        QVERIFY(!document.load(path).isLoaded());
    } else {
        qFatal("no step is called \"%s\"", qPrintable(step));
    }
}

// How the options differ from those an editor opens with: "Botskill=-1 greyed:Botskill [x]AutoSkill
// live:UseBotskillRange"; empty when they do not differ.
QString describe(const RosterOptions &options, const RosterAddOn &addOn)
{
    const RosterOptions start(addOn);
    QStringList parts;
    for (int i = 0; i < RosterOptions::fieldCount; ++i) {
        if (options.text(Field(i)) != start.text(Field(i)))
            parts << fieldNames[i] + u'=' + options.text(Field(i));
        if (options.isEnabled(Field(i)) != start.isEnabled(Field(i)))
            parts << (options.isEnabled(Field(i)) ? u"live:"_s : u"greyed:"_s) + fieldNames[i];
    }
    for (int i = 0; i < RosterOptions::optionCount; ++i) {
        if (options.isChecked(Option(i)) != start.isChecked(Option(i)))
            parts << (options.isChecked(Option(i)) ? u"[x]"_s : u"[ ]"_s) + optionNames[i];
        if (options.isEnabled(Option(i)) != start.isEnabled(Option(i)))
            parts << (options.isEnabled(Option(i)) ? u"live:"_s : u"greyed:"_s) + optionNames[i];
    }
    return parts.join(u' ');
}

const QByteArray nameHeader = "Trevlin bot names\r\n\r\nOne name on each line\r\n----\r\n";

// A name list of count lines, "Bot1" upwards.
NameList names(int count)
{
    QByteArray bytes = nameHeader;
    for (int i = 1; i <= count; ++i)
        bytes += "Bot" + QByteArray::number(i) + "\r\n";
    return NameList::parse(bytes);
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
        row("deleting with no bot selected", u"remove -1"_s, false, 0);
        row("the last bot deleted", u"append; save; remove 0"_s, true, 0, u"saved.cfg"_s);
        row("the add-on's start values", u"start values"_s, false, 0);
        row("start values keep an edit", u"option; start values"_s, true, 0);
        row("New", u"append; option; renew"_s, false, 0);
        // The options of the lines read before the broken one have changed.
        row("a broken file", u"append; save; load broken"_s, true, 0, u"saved.cfg"_s);
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
            act(document, step, dir);

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

    // The columns of the AndroidBot format, every change told as the lists showing them need it; what each format's
    // lists show, and how a screen reader hears them, is tst_rosterwindow's.
    void editsReachTheColumns()
    {
        Roster roster(RosterAddOn::find(u"PodBot")->format->columns);
        const int last = 2; // name, skill, team
        QAbstractItemModelTester tester(&roster, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy changed(&roster, &QAbstractItemModel::dataChanged);
        roster.assign(bots(u"A|Terrorist|3|L337 Krew;B|Terrorist|4|UK SAS"_s));
        roster.append(bots(u"C|Terrorist|5|"_s));
        roster.replace(1, bots(u"Bea|Counter Terrorist|1|UK SAS"_s).constFirst());
        QCOMPARE(changed.last().mid(0, 2), QVariantList({roster.index(1, 0), roster.index(1, last)}));
        roster.setAll(u"Counter Terrorist"_s, u"2"_s, u"French GIGN"_s);
        QCOMPARE(changed.last().mid(0, 2), QVariantList({roster.index(0, 0), roster.index(2, last)}));
        roster.remove(-1); // Delete with no row selected
        roster.remove(0);

        QCOMPARE(roster.entries(), bots(u"Bea|Counter Terrorist|2|French GIGN;C|Counter Terrorist|2|French GIGN"_s));
        QCOMPARE(roster.columnCount(), last + 1);
    }

    void rules_data()
    {
        QTest::addColumn<QString>("addOn");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("state"); // how the options then differ from the opening state
        QTest::addColumn<bool>("edited");
        QTest::addColumn<int>("signals");
        const auto row = [](const char *name, const QString &steps, const QString &state, bool edited, int signals,
                            const QString &addOn = u"RealBot"_s) {
            QTest::newRow(name) << addOn << steps << state << edited << signals;
        };

        // Like a control set to the value it already shows: no rule, no signal, nothing unsaved.
        row("same value is no change", u"text TimeBeforeBotEntry 3; uncheck ViewWaypoints"_s, {}, false, 0);
        row("view waypoints enables the team boxes", u"check ViewWaypoints"_s,
            u"[x]ViewWaypoints live:WaypointsTeam1 live:WaypointsTeam2"_s, true, 1);
        row("clearing view waypoints clears and greys them",
            u"check ViewWaypoints; check WaypointsTeam1; check WaypointsTeam2; uncheck ViewWaypoints"_s, {}, true, 4);

        row("auto skill puts -1 into a greyed Botskill", u"text Botskill 7; check AutoSkill"_s,
            u"Botskill=-1 greyed:Botskill [x]AutoSkill live:UseBotskillRange"_s, true, 2);
        // Clearing auto skill puts 20 and clears the range to greyed zeros.
        row("auto skill off", u"check AutoSkill; check UseBotskillRange; text MinBotSkill 5; uncheck AutoSkill"_s,
            u"Botskill=20"_s, true, 4);
        // A range overwrites min and max with 20 and 40.
        row("a range", u"check AutoSkill; text MaxSkill 9; check UseBotskillRange"_s,
            u"MinBotSkill=20 live:MinBotSkill Botskill=-1 greyed:Botskill MaxSkill=40 live:MaxSkill [x]AutoSkill "
            "[x]UseBotskillRange live:UseBotskillRange"_s,
            true, 3);

        const QString everything = u"text TimeBeforeBotEntry 9; text MinBots 4; text MaxBots; check AutoTeamBalance; "
                                   "check Observer; check BotsDontShoot; check ViewWaypoints; check WaypointsTeam2; "
                                   "check ExtraSkill; "_s;
        row("New for RealBot", everything + u"text Botskill 4; renew"_s, u"Botskill=20"_s, true, 11);
        row("clearing auto skill puts the add-on's own default", u"check AutoSkill; uncheck AutoSkill"_s, {}, true, 2,
            u"SwatBot"_s);
        // The AndroidBot format's New leaves the team balance as it is.
        const QString podBot = u"check AutoTeamBalance; uncheck BotChatting; check JasonMode; text MinimumBotSkill 80; "
                               "text TimeBeforeBotEntry 9; "_s;
        row("New for PodBot", podBot + u"renew"_s, u"[x]AutoTeamBalance"_s, true, 6, u"PodBot"_s);
    }

    void rules()
    {
        QFETCH(QString, addOn);
        QFETCH(QString, steps);
        const RosterAddOn &profile = *RosterAddOn::find(addOn);
        RosterOptions options(profile);
        QSignalSpy changed(&options, &RosterOptions::changed);
        QSignalSpy edited(&options, &RosterOptions::edited);
        OptionSteps::apply(options, steps);

        QTEST(describe(options, profile), "state");
        QTEST(!edited.isEmpty(), "edited");
        // Each edit is told once, like the change it belongs to.
        QVERIFY(edited.count() <= changed.count());
        // One signal per step that changed anything, after all the rules it set off: a window refreshing on it never
        // sees a rule half done.
        QTEST(int(changed.count()), "signals");
    }

    void skillInRange_data()
    {
        QTest::addColumn<QString>("botName");
        QTest::addColumn<QString>("skill");
        QTest::addColumn<bool>("taken");
        // A skill the add-on would read as another number, or not at all, never reaches its file.
        const auto rows = [](const char *bot, const QString &taken, const QString &refused) {
            for (const QString &skill : taken.split(u'|'))
                QTest::addRow("%s %s", bot, qPrintable(skill)) << QString::fromLatin1(bot) << skill << true;
            for (const QString &skill : refused.split(u'|'))
                QTest::addRow("%s '%s'", bot, qPrintable(skill)) << QString::fromLatin1(bot) << skill << false;
        };
        rows("RealBot", u"1|3.0|50"_s, u"0|51|50.5| 3|3 "_s);
        rows("RamBot", u"20"_s, u"21|nan|\u0663"_s); // the last an Arabic-Indic three
        rows("NNBot", u"5"_s, u"6|0.5|3x|1 0"_s);
        rows("PodBot", u"0|100"_s, u"101|-1"_s);
    }

    void skillInRange()
    {
        QFETCH(QString, botName);
        QFETCH(QString, skill);
        // As the add dialog checks it, the other fields being fine.
        const RosterEntry bot{u"Alpha"_s, u"Terrorist"_s, skill, u"UK SAS"_s};
        const RosterAddOn &addOn = *RosterAddOn::find(botName);
        QTEST(addOn.format->entryRefusal(addOn, bot, RosterFormat::Entry::Add, true).isEmpty(), "taken");
    }

    void parsesNames_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("blanks and Latin-1 kept") << nameHeader + " Zo\xeb\t\r\n" << QStringList{u" Zo\u00eb\t"_s};
        QTest::newRow("only one dropped") << nameHeader + "A\n\n\n" << QStringList{u"A"_s, QString()};
        QTest::newRow("empty file") << QByteArray() << QStringList();
        // An editor's Unicode file is decoded, not read as bytes full of NUL and CR.
        static const char16_t utf16[] = u"\ufeff1\r\n2\r\n3\r\n4\r\nZo\u00eb\r\nAl\r\n";
        QTest::newRow("UTF-16 with mark") << QByteArray(reinterpret_cast<const char *>(utf16), sizeof utf16 - 2)
                                          << QStringList{u"Zo\u00eb"_s, u"Al"_s};
        QTest::newRow("UTF-8 with mark") << QByteArray("\xef\xbb\xbf") + nameHeader + "Zo\xc3\xab\n"
                                         << QStringList{u"Zo\u00eb"_s};
        // What no config file can carry empties the list.
        QTest::newRow("beyond 8 bits") << QByteArray("\xef\xbb\xbf") + nameHeader + "A\n\xe2\x82\xac\n"
                                       << QStringList();
        QTest::newRow("carriage return inside") << nameHeader + "A\rB\r\n" << QStringList();
        // A carriage return at the very end ends the last line, as one before a line feed does.
        QTest::newRow("carriage return at the end") << nameHeader + "A\r\nB\r" << QStringList{u"A"_s, u"B"_s};
    }

    void parsesNames()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, names);
        const NameList list = NameList::parse(bytes);
        QCOMPARE(list.names(), names);
        QCOMPARE(list.size(), names.size());
    }

    void drawsSkillTeamAndSkin()
    {
        const QStringList skins{u"Seal Team 6 / Phoenix"_s, u"UK SAS / Arctic Avengers"_s, u"Auto Select"_s};
        // A skill of 7 that auto skill draws up to 20 instead, an automatic team and an automatic skin.
        MultipleBots bots{u"7"_s, true, 20, u"Auto Select"_s, skins, 0, true};
        NameList list = names(200), again = list, other = list;
        RandomSource random;
        const QList<RosterEntry> entries = bots.draw(200, list, random);

        // Every skill from 1 to 20 is drawn, both teams and every skin.
        QSet<QString> drawn;
        for (const RosterEntry &entry : entries)
            drawn << entry.skill << entry.team << entry.skin;
        QCOMPARE(drawn.size(), 20 + 2 + int(skins.size()));
        QVERIFY(drawn.contains(u"1"_s) && drawn.contains(u"20"_s) && drawn.contains(u"Counter Terrorist"_s));
        QCOMPARE(bots.skill, entries.constLast().skill);

        // Every fresh start draws the same bots, until the source is reseeded.
        RandomSource fresh, reseeded;
        QCOMPARE(bots.draw(200, again, fresh), entries);
        reseeded.reseedFromClock();
        QVERIFY(bots.draw(200, other, reseeded) != entries);
    }
};

QTEST_GUILESS_MAIN(TestRosterDocument)
#include "tst_rosterdocument.moc"
