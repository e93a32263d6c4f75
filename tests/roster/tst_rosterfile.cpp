#include "OptionSteps.h"
#include "Roster.h"
#include "RosterAddOn.h"
#include "RosterFile.h"
#include "RosterFormat.h"
#include "TestFiles.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using OptionSteps::Field;
using ReadStatus = RosterFile::ReadStatus;

namespace {

// What an open editor of one add-on holds, whether its options were edited since it opened, and a file of its own.
struct Editor
{
    explicit Editor(const QString &botName, const QString &bots = {})
        : addOn(*RosterAddOn::find(botName))
    {
        roster.assign(OptionSteps::bots(bots));
        QObject::connect(&options, &RosterOptions::edited, [this] { edited = true; });
    }
    RosterFile::ReadResult read(const QString &file) { return RosterFile::read(file, addOn, options, roster); }
    QString write() { return RosterFile::write(path, addOn, options, roster); }
    QStringList lines() const { return RosterFile::lines(addOn, options, roster); }

    const RosterAddOn &addOn;
    RosterOptions options{addOn};
    Roster roster{addOn.format->columns};
    bool edited = false;
    QTemporaryDir dir;
    const QString path = dir.filePath(u"bots.cfg"_s);
};

// "a;b" as the bytes of a file holding the lines a and b.
QByteArray crlf(const QString &lines)
{
    return lines.isEmpty() ? QByteArray() : (lines.split(u';').join("\r\n"_L1) + "\r\n"_L1).toLatin1();
}

QString header(const QString &botName)
{
    return u"//"_s + botName + u" Config File Created With;//Counter-Strike Trevlin 2.0;"_s;
}

// The add-on a file's first line names.
QString botNameOf(const QString &file)
{
    return file.sliced(2).section(u' ', 0, 0);
}

// Lines 2 pause, 3 team balance, 4 to 6 waypoints, 7 observer, 8 bots don't shoot, 9 and 10 numbers of bots,
// 11 skill, 12 and 13 bots.
const QStringList nnBotSample = (header(u"NNBot"_s)
                                 + u"pause 5;mp_autoteambalance 1;waypoint on;waypoint 1 on;waypoint 2 off;observer 1;"
                                   "botsdontshoot 0;min_bots 1;max_bots 6;botskill 4;addbot 1 1 Alpha 3;"
                                   "addbot 2 4 Bravo 5"_s)
                                    .split(u';');
// Lines 2 pause, 3 to 7 as above but without waypoints, 8 to 11 skill lines, 12 a bot.
const QStringList realBotSample = (header(u"RealBot"_s)
                                   + u"pause 5;mp_autoteambalance 0;observer 0;botsdontshoot 0;min_bots 0;max_bots 0;"
                                     "botskill -1;rb_minskill 5;rb_maxskill 30;rb_extraskill 1;addbot 5 5 Zed 12"_s)
                                      .split(u';');
// The AndroidBot format: lines 2 pause, 3 team balance, 4 and 5 bots; PodBot's 3 to 5 its options, 6 the balance.
const QStringList androidSample
    = (header(u"AndroidBot"_s) + u"pause 5;mp_autoteambalance 0;addbot 80 2 \"Alpha\";addbot 5 0 \"Bravo\""_s)
          .split(u';');
const QStringList podBotSample = (header(u"PodBot"_s)
                                  + u"pause 5;botchat on;jasonmode off;minbotskill 60;mp_autoteambalance 0;"
                                    "addbot 1 1 Alpha;addbot 1 2 Bravo"_s)
                                     .split(u';');

// The sample with line `at` replaced by `line`, or with `line` appended one past the end; a null line ends the
// file before line `at`.
QString broken(const QStringList &sample, qsizetype at, const QString &line)
{
    return (line.isNull() ? sample.first(at) : sample.first(at) + QStringList{line} + sample.mid(at + 1)).join(u';');
}

const QString twoBots = u"Alpha|Terrorist|3|Phoenix Connection;Bravo|Counter Terrorist|5|French GIGN"_s;
const QString twoAndroidBots = u"Alpha|Counter Terrorist|80|;Bravo|Auto Assign|5|"_s;

} // namespace

class TestRosterFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesExactFile_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("bots");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("readsBack"); // whether reading the file gives the same roster and options again
        // The file is the header, the option lines and the bot lines, by default those of twoBots.
        const auto row = [](const char *name, const char *botName, const QString &steps, const QString &options,
                            const QString &bots = {}, const QString &botLines = {}, bool readsBack = true) {
            QTest::newRow(name) << steps << (bots.isNull() ? twoBots : bots)
                                << header(QString::fromLatin1(botName)) + options + u';'
                    + (botLines.isNull() ? u"addbot 1 1 Alpha 3;addbot 2 4 Bravo 5"_s : botLines)
                                << readsBack;
        };
        const QString allOff = u"pause 3;mp_autoteambalance 0;waypoint off;waypoint 1 off;waypoint 2 off;observer 0;"
                               "botsdontshoot 0;min_bots 0;max_bots 0;"_s;
        const QString noWaypoints = u"pause 3;mp_autoteambalance 0;observer 0;botsdontshoot 0;min_bots 0;max_bots 0;"_s;

        row("NNBot, every option at its start", "NNBot", {}, allOff + u"botskill 2"_s);
        row("HPBBot, every option set", "HPBBot",
            u"text TimeBeforeBotEntry 30; check AutoTeamBalance; check ViewWaypoints; check WaypointsTeam2; "
            "check Observer; check BotsDontShoot; text MinBots 2; text MaxBots 8; text Botskill 4"_s,
            u"pause 30;mp_autoteambalance 1;waypoint on;waypoint 1 off;waypoint 2 on;observer 1;botsdontshoot 1;"
            "min_bots 2;max_bots 8;botskill 4"_s);
        // A read gives the automatic and combined skins back as "Auto Select".
        row("RamBot, automatic and combined skins", "RamBot", {}, allOff + u"botskill 2"_s,
            u"Ace|Auto Select|12|UK SAS / Arctic Avengers;Deuce|Auto Select|7|Auto Select;"
            "Trey|Terrorist|9|Auto Select Terrorist;Quad|Counter Terrorist|1|Auto Select Counter Terrorist"_s,
            u"addbot 5 3 Ace 12;addbot 5 5 Deuce 7;addbot 1 5 Trey 9;addbot 2 5 Quad 1"_s, false);
        row("SwatBot, empty skill written as 2", "SwatBot", u"text Botskill"_s, allOff + u"bot_skill 2"_s);
        row("AGBBot, no waypoint lines even when shown", "AGBBot", u"check ViewWaypoints"_s,
            noWaypoints + u"botskill 2"_s);
        row("PLBot, numbers as typed, a Latin-1 name", "PLBot",
            u"text MinBots +1; text MaxBots 1e0; text Botskill 3.0"_s,
            u"pause 3;mp_autoteambalance 0;observer 0;botsdontshoot 0;min_bots +1;max_bots 1e0;botskill 3.0"_s,
            u"Zo\u00eb|Terrorist|2|L337 Krew"_s, u"addbot 1 2 Zo\u00eb 2"_s);
        row("RealBot, empty fixed skill written as 10", "RealBot", u"text Botskill"_s,
            noWaypoints + u"botskill 10;//rb_minskill 0;//rb_maxskill 0;rb_extraskill 0"_s);
        row("RealBot, random skill in a range", "RealBot",
            u"check AutoSkill; check UseBotskillRange; text MinBotSkill 5; text MaxSkill 30; check ExtraSkill"_s,
            noWaypoints + u"botskill -1;rb_minskill 5;rb_maxskill 30;rb_extraskill 1"_s);
        row("AndroidBot, quoted names, PodBot's options not written", "AndroidBot",
            u"text TimeBeforeBotEntry 5; check AutoTeamBalance; check JasonMode"_s, u"pause 5;mp_autoteambalance 1"_s,
            twoAndroidBots, u"addbot 80 2 \"Alpha\";addbot 5 0 \"Bravo\""_s);
        row("PodBot, every option set, bare names, Auto Assign as 5", "PodBot",
            u"text TimeBeforeBotEntry 7; uncheck BotChatting; check JasonMode; text MinimumBotSkill 85; "
            "check AutoTeamBalance"_s,
            u"pause 7;botchat off;jasonmode on;minbotskill 85;mp_autoteambalance 1"_s, twoAndroidBots,
            u"addbot 80 2 Alpha;addbot 5 5 Bravo"_s);
        row("PodBot, empty minimum skill written as 60, a later name with blanks", "PodBot", u"text MinimumBotSkill"_s,
            u"pause 3;botchat on;jasonmode off;minbotskill 60;mp_autoteambalance 0"_s,
            u"Alpha|Terrorist|0|;Big Bad Bot|Counter Terrorist|50.5|"_s,
            u"addbot 0 1 Alpha;addbot 50.5 2 Big Bad Bot"_s);
    }
    void writesExactFile()
    {
        QFETCH(QString, steps);
        QFETCH(QString, bots);
        QFETCH(QString, file);
        Editor saved(botNameOf(file), bots);
        OptionSteps::apply(saved.options, steps);

        QCOMPARE(saved.write(), QString());
        QCOMPARE(TestFiles::read(saved.path), crlf(file));
        // An empty Botskill field now shows the skill that was written.
        if (const QStringList skill = file.split(u';').filter(QRegularExpression(u"^bot_?skill "_s)); !skill.isEmpty())
            QCOMPARE(saved.options.text(Field::Botskill), skill.constFirst().section(u' ', 1));
        QFETCH(bool, readsBack);
        if (!readsBack)
            return;

        // Read into an editor holding other bots and other options, so that a line left unread shows.
        Editor loaded(botNameOf(file), u"Old|Terrorist|1|L337 Krew"_s);
        OptionSteps::apply(loaded.options,
                           u"text TimeBeforeBotEntry 9; text MinBots 7; check AutoTeamBalance; "
                           "check Observer; check ViewWaypoints; check WaypointsTeam1; check AutoSkill; "
                           "check UseBotskillRange; check ExtraSkill; check JasonMode; text MinimumBotSkill 1"_s);
        QVERIFY(loaded.read(saved.path).isLoaded());
        QCOMPARE(loaded.lines(), file.split(u';'));
        QCOMPARE(loaded.roster.entries(), saved.roster.entries());
    }

    void brokenFileIsRefused_data()
    {
        QTest::addColumn<QString>("botName");
        QTest::addColumn<QString>("file");
        QTest::addColumn<ReadStatus>("status");
        QTest::addColumn<int>("at"); // the broken line; the lines before it have set their options
        const auto row = [](const char *name, const QStringList &sample, int at, const QString &line,
                            ReadStatus status = ReadStatus::NotValid) {
            QTest::newRow(name) << botNameOf(sample[0]) << broken(sample, at, line) << status << at;
        };
        row("empty file", nnBotSample, 0, {});
        row("line 1 names another add-on", nnBotSample, 0, u"//AGBBot Config File Created With"_s);
        row("another version", nnBotSample, 1, u"//Counter-Strike Trevlin 1.9"_s, ReadStatus::OtherVersion);
        row("pause not a number", nnBotSample, 2, u"pause soon"_s);
        row("pause beyond 16 bits once rounded", nnBotSample, 2, u"pause 32767.5"_s);
        row("team balance neither 0 nor 1", nnBotSample, 3, u"mp_autoteambalance 2"_s);
        row("ends after the skill line", nnBotSample, 12, {});
        row("trailing empty line", nnBotSample, 14, u""_s);
        // A later bot line may end in a blank; the first must hold exactly four spaces.
        row("first bot line ends in a blank", nnBotSample, 12, u"addbot 1 1 Alpha 3 "_s);
        row("bot named by a number", nnBotSample, 12, u"addbot 1 1 123 3"_s);
        row("team code 3", nnBotSample, 12, u"addbot 3 1 Alpha 3"_s);
        row("skin code 6", nnBotSample, 13, u"addbot 2 6 Bravo 5"_s);
        row("RealBot range line misspelt", realBotSample, 9, u"rb_minskil 5"_s);
        // Files the editor could not save again as they were read.
        row("carriage return inside a name", nnBotSample, 13, u"addbot 2 4 A\rB 5"_s);
        row("bot without a name", nnBotSample, 12, u"addbot 1 1  3"_s);
        row("more bots at the least than at the most", nnBotSample, 9, u"min_bots 7"_s);
        row("AndroidBot, a PodBot file", androidSample, 0, u"//PodBot Config File Created With"_s);
        row("AndroidBot, pause without a blank", androidSample, 2, u"pause"_s);
        row("AndroidBot, ends after the team balance", androidSample, 4, {});
        row("AndroidBot, first name with a blank", androidSample, 4, u"addbot 1 1 \"A B\""_s);
        row("AndroidBot, later line without a name", androidSample, 5, u"addbot 1 1"_s);
        row("AndroidBot, team 5", androidSample, 4, u"addbot 1 5 \"A\""_s);
        row("PodBot, bot chatting neither on nor off", podBotSample, 3, u"botchat yes"_s);
        row("PodBot, minimum skill under another word", podBotSample, 5, u"minskill 60"_s);
        row("PodBot, team 3", podBotSample, 8, u"addbot 1 3 B"_s);
        QTest::newRow("no such file") << u"HPBBot"_s << u"<none>"_s << ReadStatus::NotValid << 0;
    }

    void brokenFileIsRefused()
    {
        QFETCH(QString, botName);
        QFETCH(QString, file);
        QFETCH(ReadStatus, status);
        QFETCH(int, at);
        Editor editor(botName, twoBots);
        if (file != "<none>"_L1)
            TestFiles::write(editor.path, crlf(file));

        const RosterFile::ReadResult result = editor.read(editor.path);

        QCOMPARE(result.status, status);
        // Another version: "This config file is made with another version" (the AndroidBot format: "a previous").
        if (status == ReadStatus::NotValid)
            QCOMPARE(result.message, RosterFile::notValidMessage(editor.addOn.botName()));
        else
            QVERIFY2(result.message.endsWith(u" version. Unable to load."_s), qPrintable(result.message));
        QVERIFY(editor.roster.isEmpty());
        // The pause was read if the file broke after it, and counts as an unsaved change.
        QCOMPARE(editor.options.text(Field::TimeBeforeBotEntry), at > 2 ? u"5"_s : u"3"_s);
        QCOMPARE(editor.edited, at > 2);
    }

    void readsValuesAsTheAddOnDoes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("options"); // the option lines as written back
        QTest::addColumn<QString>("bots");
        // The pause becomes a whole number, a half going to the even neighbour (so 32767.5 gives 32768 and is refused);
        // other numbers are kept as written. A team's waypoints show waypoints at all. The command word is not looked
        // at, of each code only the first character counts, a later bot line may end in a blank, and a line may end in
        // LF alone.
        QTest::newRow("NNBot")
            << header(u"NNBot"_s)
                + u"wait 2.5;mp_autoteambalance 0;waypoint off;waypoint 1 off;waypoint 2 on;observer 0;botsdontshoot 0;"
                  "min_bots +2;max_bots 5.;bot_skill 2E-1;addbot 1 4 T 1;bot 25 1 C 2\naddbot 2 5 CA 3;addbot 1 5 TA 4;"
                  "addbot 5 2 A 5 ;addbot 1 3 Zo\u00eb 6"_s
            << u"pause 2;mp_autoteambalance 0;waypoint on;waypoint 1 off;waypoint 2 on;observer 0;botsdontshoot 0;"
               "min_bots +2;max_bots 5.;botskill 2E-1"_s
            << u"T|Terrorist|1|Gorilla Warface;C|Counter Terrorist|2|Seal Team 6 (DEVGRU);"
               "CA|Counter Terrorist|3|Auto Select;TA|Terrorist|4|Auto Select;"
               "A|Auto Select|5 |Auto Select;Zo\u00eb|Terrorist|6|Arctic Avengers"_s;
        // Auto Skill off, yet a range: written back as it was instead of commented out.
        QTest::newRow("RealBot, a range beside a fixed skill")
            << broken(realBotSample, 8, u"botskill 7"_s)
            << broken(realBotSample, 8, u"botskill 7"_s).section(u';', 2, 11) << u"Zed|Auto Select|12|Auto Select"_s;
        // The AndroidBot format takes any word before the value, and any other balance line for the one it knows,
        // leaving the option as it was (checked here). A later name may hold blanks.
        const QString bots = u";addbot 1 1 \"A\";addbot 2 2 \"Mr Big Shot\""_s;
        const QString read = u"A|Terrorist|1|;Mr Big Shot|Counter Terrorist|2|"_s;
        QTest::newRow("AndroidBot 3.6") << header(u"AndroidBot"_s) + u"pause 3.6;mp_autoteambalance 0"_s + bots
                                        << u"pause 4;mp_autoteambalance 0"_s << read;
        QTest::newRow("AndroidBot 2.5, another word")
            << header(u"AndroidBot"_s) + u"wait 2.5;mp_autoteambalance 1"_s + bots << u"pause 2;mp_autoteambalance 1"_s
            << read;
        QTest::newRow("AndroidBot -0.4, other balance line")
            << header(u"AndroidBot"_s) + u"pause -0.4;mp_autoteambalance  0"_s + bots
            << u"pause 0;mp_autoteambalance 1"_s << read;
    }
    void readsValuesAsTheAddOnDoes()
    {
        QFETCH(QString, file);
        QFETCH(QString, options);
        Editor editor(botNameOf(file));
        editor.options.setChecked(RosterOptions::Option::AutoTeamBalance, true);

        QVERIFY(RosterFile::parse(crlf(file), editor.addOn, editor.options, editor.roster).isLoaded());

        QFETCH(QString, bots);
        QCOMPARE(editor.lines().mid(2, options.count(u';') + 1), options.split(u';'));
        QCOMPARE(editor.roster.entries(), OptionSteps::bots(bots));
    }

    void rosterThatWouldNotReadBackIsRefused_data()
    {
        QTest::addColumn<QString>("botName");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("bots");
        QTest::addColumn<QString>("refusal"); // a part of the message; empty when the roster is written
        const auto row = [](const char *name, const QString &botName, const QString &steps, const QString &bots,
                            const QString &refusal) {
            QTest::newRow(name) << botName << steps << bots << refusal;
        };
        const QString fine = u"Alpha|Terrorist|3|Phoenix Connection"_s;

        // The refusal names the value that would not read back.
        row("a skill that is no number", u"NNBot"_s, u"text Botskill abc"_s, fine, u"\"Botskill\" cannot be saved"_s);
        row("RealBot keeps any fixed skill", u"RealBot"_s, u"text Botskill abc"_s, fine, {});
        row("a pause that is no number", u"HPBBot"_s, u"text TimeBeforeBotEntry soon"_s, fine, u"\"soon\""_s);
        row("a pause beyond 16 bits", u"HPBBot"_s, u"text TimeBeforeBotEntry 40000"_s, fine, u"\"40000\""_s);
        row("a number of bots that is no number", u"AGBBot"_s, u"text MaxBots ten"_s, fine, u"\"ten\""_s);
        row("more bots at the least than at the most", u"AGBBot"_s, u"text MinBots 6; text MaxBots 4"_s, fine,
            u"(6)"_s);
        row("as many at the least as at the most", u"AGBBot"_s, u"text MinBots 4; text MaxBots 4"_s, fine, {});
        row("a typed team", u"RamBot"_s, {}, u"Alpha|Spectator|3|Phoenix Connection"_s, u"\"Spectator\""_s);
        row("a skill with a blank", u"RamBot"_s, {}, u"Alpha|Terrorist|3 4|L337 Krew"_s, u"\"3 4\""_s);
        row("a name that is a number", u"PLBot"_s, {}, u"123|Terrorist|3|L337 Krew"_s, u"\"123\""_s);
        row("a name with a blank", u"PLBot"_s, {}, u"Two Words|Terrorist|3|L337 Krew"_s, u"\"Two Words\""_s);
        row("no name", u"PLBot"_s, {}, u"|Terrorist|3|L337 Krew"_s, u"without a name"_s);
        // Around the quick look that most bots pass: each refuses or writes as the check by check does.
        row("a name that starts like a number", u"PLBot"_s, {}, u"+x|Terrorist|3|L337 Krew"_s, {});
        row("a name with a control character", u"PLBot"_s, {}, u"A\u0001B|Terrorist|3|L337 Krew"_s, {});
        // The message quotes the character, not half of it.
        row("a name beyond 8 bits", u"PLBot"_s, {}, u"A\u20acB|Terrorist|3|L337 Krew"_s, u"\"\u20ac\""_s);
        row("a name with an emoji", u"PLBot"_s, {}, u"Ace\U0001F600|Terrorist|3|L337 Krew"_s, u"\"\U0001F600\""_s);
        row("a skill of sixteen digits", u"PLBot"_s, {}, u"Alpha|Terrorist|0000000000000003|L337 Krew"_s, {});
        row("a line break in a name", u"PLBot"_s, {}, u"Two\nLines|Terrorist|3|L337 Krew"_s, u"holds a line break"_s);
        row("an empty Botskill", u"NNBot"_s, u"text Botskill"_s, fine, {});
        const QString android = u"Alpha|Terrorist|50|"_s;
        row("AndroidBot, no bots", u"AndroidBot"_s, {}, {}, u"no bots to save"_s);
        row("AndroidBot, delay no number", u"AndroidBot"_s, u"text TimeBeforeBotEntry soon"_s, android, u"\"soon\""_s);
        row("AndroidBot, first name with a blank", u"AndroidBot"_s, {}, u"Big Shot|Terrorist|50|;"_s + android,
            u"as the first bot"_s);
        row("AndroidBot, a later name with a blank", u"AndroidBot"_s, {}, android + u";Big Shot|Terrorist|50|"_s, {});
        row("AndroidBot, name beyond Latin-1", u"AndroidBot"_s, {}, android + u";\u0416ora|Terrorist|50|"_s,
            u"\"\u0416ora\""_s);
        row("AndroidBot, typed team", u"AndroidBot"_s, {}, u"Alpha|Spectator|50|"_s, u"\"Auto Assign\""_s);
        row("PodBot, minimum skill beyond 8 bits", u"PodBot"_s, u"text MinimumBotSkill \u20ac"_s, android,
            u"\"Minimum Bot Skill\""_s);
        row("AndroidBot keeps a minimum skill it does not write", u"AndroidBot"_s, u"text MinimumBotSkill \u20ac"_s,
            android, {});
    }

    void rosterThatWouldNotReadBackIsRefused()
    {
        QFETCH(QString, botName);
        QFETCH(QString, steps);
        QFETCH(QString, bots);
        QFETCH(QString, refusal);
        Editor editor(botName, bots);
        OptionSteps::apply(editor.options, steps);
        TestFiles::write(editor.path, "old");

        const QString message = editor.write();

        if (refusal.isEmpty()) {
            QCOMPARE(message, QString());
            Editor loaded(botName);
            QVERIFY(loaded.read(editor.path).isLoaded());
            QCOMPARE(loaded.roster.entries(), editor.roster.entries());
            return;
        }
        QVERIFY2(message.contains(refusal), qPrintable(message));
        QCOMPARE(TestFiles::read(editor.path), QByteArray("old"));
    }
};

QTEST_GUILESS_MAIN(TestRosterFile)
#include "tst_rosterfile.moc"
