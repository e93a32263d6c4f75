#include "OptionSteps.h"
#include "Roster.h"
#include "RosterAddOn.h"
#include "RosterFile.h"
#include "RosterOptions.h"
#include "ScratchMount.h"
#include "TestFiles.h"
#include "Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using OptionSteps::Field;
using ReadStatus = RosterFile::ReadStatus;

namespace {

// What an open editor of one add-on holds, and whether its options were edited since it opened.
struct Editor
{
    explicit Editor(const QString &botName)
        : addOn(*RosterAddOn::find(botName))
    {
        QObject::connect(&options, &RosterOptions::edited, [this] { edited = true; });
    }

    const RosterAddOn &addOn;
    RosterOptions options{addOn};
    Roster roster;
    bool edited = false;
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

// The sample with line `at` replaced by `line`, or with `line` appended one past the end; a null line ends the
// file before line `at`.
QString broken(const QStringList &sample, qsizetype at, const QString &line)
{
    return (line.isNull() ? sample.first(at) : sample.first(at) + QStringList{line} + sample.mid(at + 1)).join(u';');
}

const QString twoBots = u"Alpha|Terrorist|3|Phoenix Connection;Bravo|Counter Terrorist|5|French GIGN"_s;

} // namespace

class TestRosterFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesExactFile_data();
    void writesExactFile();
    void brokenFileIsRefused_data();
    void brokenFileIsRefused();
    void readsValuesAsTheAddOnDoes();
    void rosterThatWouldNotReadBackIsRefused_data();
    void rosterThatWouldNotReadBackIsRefused();
    void refusedWriteKeepsTheOldFile();
    void skillRangeBesideFixedSkillIsKept();
    void unreadableFileSaysWhy();
};

void TestRosterFile::writesExactFile_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("bots");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("readsBack"); // whether reading the file gives the same roster and options again
    const auto row
        = [](const char *name, const QString &steps, const QString &bots, const QString &file, bool readsBack = true) {
              QTest::newRow(name) << steps << bots << file << readsBack;
          };
    const QString twoBotLines = u"addbot 1 1 Alpha 3;addbot 2 4 Bravo 5"_s;
    const QString allOff = u"pause 3;mp_autoteambalance 0;waypoint off;waypoint 1 off;waypoint 2 off;observer 0;"
                           "botsdontshoot 0;min_bots 0;max_bots 0;"_s;
    const QString noWaypoints = u"pause 3;mp_autoteambalance 0;observer 0;botsdontshoot 0;min_bots 0;max_bots 0;"_s;

    row("NNBot, every option at its start", {}, twoBots,
        u"//NNBot Config File Created With;//Counter-Strike Trevlin 2.0;pause 3;mp_autoteambalance 0;waypoint off;"
        "waypoint 1 off;waypoint 2 off;observer 0;botsdontshoot 0;min_bots 0;max_bots 0;botskill 2;"
        "addbot 1 1 Alpha 3;addbot 2 4 Bravo 5"_s);
    row("HPBBot, every option set",
        u"text TimeBeforeBotEntry 30; check AutoTeamBalance; check ViewWaypoints; check WaypointsTeam2; "
        "check Observer; check BotsDontShoot; text MinBots 2; text MaxBots 8; text Botskill 4"_s,
        twoBots,
        header(u"HPBBot"_s)
            + u"pause 30;mp_autoteambalance 1;waypoint on;waypoint 1 off;waypoint 2 on;observer 1;botsdontshoot 1;"
              "min_bots 2;max_bots 8;botskill 4;"_s
            + twoBotLines);
    // A read gives the automatic and combined skins back as "Auto Select".
    row("RamBot, automatic and combined skins", {},
        u"Ace|Auto Select|12|UK SAS / Arctic Avengers;Deuce|Auto Select|7|Auto Select;"
        "Trey|Terrorist|9|Auto Select Terrorist;Quad|Counter Terrorist|1|Auto Select Counter Terrorist"_s,
        header(u"RamBot"_s) + allOff
            + u"botskill 2;addbot 5 3 Ace 12;addbot 5 5 Deuce 7;addbot 1 5 Trey 9;addbot 2 5 Quad 1"_s,
        false);
    row("SwatBot, empty skill written as 2", u"text Botskill"_s, twoBots,
        header(u"SwatBot"_s) + allOff + u"bot_skill 2;"_s + twoBotLines);
    row("BobaBot, waypoints of team 1", u"check ViewWaypoints; check WaypointsTeam1"_s, twoBots,
        header(u"BobaBot"_s)
            + u"pause 3;mp_autoteambalance 0;waypoint on;waypoint 1 on;waypoint 2 off;observer 0;botsdontshoot 0;"
              "min_bots 0;max_bots 0;botskill 2;"_s
            + twoBotLines);
    row("AGBBot, no waypoint lines even when shown", u"check ViewWaypoints"_s, twoBots,
        header(u"AGBBot"_s) + noWaypoints + u"botskill 2;"_s + twoBotLines);
    row("ReduBot, empty fields fall back", u"text TimeBeforeBotEntry; text MinBots; text MaxBots; text Botskill"_s,
        twoBots, header(u"ReduBot"_s) + noWaypoints + u"botskill 2;"_s + twoBotLines);
    row("PLBot, numbers as typed, a Latin-1 name", u"text MinBots +1; text MaxBots 1e0; text Botskill 3.0"_s,
        u"Zo\u00eb|Terrorist|2|L337 Krew"_s,
        header(u"PLBot"_s)
            + u"pause 3;mp_autoteambalance 0;observer 0;botsdontshoot 0;min_bots +1;max_bots 1e0;botskill 3.0;"
              "addbot 1 2 Zo\u00eb 2"_s);
    row("RealBot, empty fixed skill written as 10", u"text Botskill"_s, twoBots,
        header(u"RealBot"_s) + noWaypoints + u"botskill 10;//rb_minskill 0;//rb_maxskill 0;rb_extraskill 0;"_s
            + twoBotLines);
    row("RealBot, random skill in a range",
        u"check AutoSkill; check UseBotskillRange; text MinBotSkill 5; text MaxSkill 30; check ExtraSkill"_s, twoBots,
        header(u"RealBot"_s) + noWaypoints + u"botskill -1;rb_minskill 5;rb_maxskill 30;rb_extraskill 1;"_s
            + twoBotLines);
}

void TestRosterFile::writesExactFile()
{
    QFETCH(QString, steps);
    QFETCH(QString, bots);
    QFETCH(QString, file);
    QFETCH(bool, readsBack);
    const QString botName = file.sliced(2).section(u' ', 0, 0);
    Editor saved(botName);
    OptionSteps::apply(saved.options, steps);
    saved.roster.assign(OptionSteps::bots(bots));
    QTemporaryDir dir;
    const QString path = dir.filePath(u"bots.cfg"_s);

    QCOMPARE(RosterFile::write(path, saved.addOn, saved.options, saved.roster), QString());
    QCOMPARE(TestFiles::read(path), crlf(file));
    // An empty Botskill field now shows the skill that was written.
    QCOMPARE(saved.options.text(Field::Botskill), file.split(u';').filter(u"skill "_s).constFirst().section(u' ', 1));
    if (!readsBack)
        return;

    // Read into an editor holding other bots and other options, so that a line left unread shows.
    Editor loaded(botName);
    OptionSteps::apply(loaded.options,
                       u"text TimeBeforeBotEntry 9; text MinBots 7; check AutoTeamBalance; "
                       "check Observer; check ViewWaypoints; check WaypointsTeam1; "
                       "check AutoSkill; check UseBotskillRange; check ExtraSkill"_s);
    loaded.roster.assign(OptionSteps::bots(u"Old|Terrorist|1|L337 Krew"_s));
    QVERIFY(RosterFile::read(path, loaded.addOn, loaded.options, loaded.roster).isLoaded());
    QCOMPARE(RosterFile::lines(loaded.addOn, loaded.options, loaded.roster), file.split(u';'));
    QCOMPARE(loaded.roster.entries(), saved.roster.entries());
}

void TestRosterFile::brokenFileIsRefused_data()
{
    QTest::addColumn<QString>("botName");
    QTest::addColumn<QString>("file");
    QTest::addColumn<ReadStatus>("status");
    QTest::addColumn<int>("at"); // the broken line; the lines before it have set their options
    const auto row = [](const char *name, const QStringList &sample, int at, const QString &line,
                        ReadStatus status = ReadStatus::NotValid) {
        QTest::newRow(name) << sample[0].sliced(2).section(u' ', 0, 0) << broken(sample, at, line) << status << at;
    };
    row("empty file", nnBotSample, 0, {});
    row("line 1 names another add-on", nnBotSample, 0, u"//AGBBot Config File Created With"_s);
    row("another version", nnBotSample, 1, u"//Counter-Strike Trevlin 1.9"_s, ReadStatus::OtherVersion);
    row("pause not a number", nnBotSample, 2, u"pause soon"_s);
    row("pause beyond 16 bits once rounded", nnBotSample, 2, u"pause 32767.5"_s);
    row("team balance neither 0 nor 1", nnBotSample, 3, u"mp_autoteambalance 2"_s);
    row("max bots infinite", nnBotSample, 10, u"max_bots inf"_s);
    row("ends after the skill line", nnBotSample, 12, {});
    row("trailing empty line", nnBotSample, 14, u""_s);
    // A later bot line may end in a blank; the first must hold exactly four spaces.
    row("first bot line ends in a blank", nnBotSample, 12, u"addbot 1 1 Alpha 3 "_s);
    row("bot named by a number", nnBotSample, 12, u"addbot 1 1 123 3"_s);
    row("team code 3", nnBotSample, 12, u"addbot 3 1 Alpha 3"_s);
    row("skin code 6", nnBotSample, 13, u"addbot 2 6 Bravo 5"_s);
    row("RealBot range line misspelt", realBotSample, 9, u"rb_minskil 5"_s);
    row("RealBot extra skill 2", realBotSample, 11, u"rb_extraskill 2"_s);
    // Files the editor could not save again as they were read.
    row("carriage return inside a name", nnBotSample, 13, u"addbot 2 4 A\rB 5"_s);
    row("bot without a name", nnBotSample, 12, u"addbot 1 1  3"_s);
    row("tab inside a later name", nnBotSample, 13, u"addbot 2 4 A\tB 5"_s);
    row("more bots at the least than at the most", nnBotSample, 9, u"min_bots 7"_s);
    QTest::newRow("no such file") << u"HPBBot"_s << u"<none>"_s << ReadStatus::NotValid << 0;
}

void TestRosterFile::brokenFileIsRefused()
{
    QFETCH(QString, botName);
    QFETCH(QString, file);
    QFETCH(ReadStatus, status);
    QFETCH(int, at);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"bots.cfg"_s);
    if (file != "<none>"_L1)
        TestFiles::write(path, crlf(file));
    Editor editor(botName);
    editor.roster.assign(OptionSteps::bots(twoBots));

    const RosterFile::ReadResult result = RosterFile::read(path, editor.addOn, editor.options, editor.roster);

    QCOMPARE(result.status, status);
    QVERIFY(!result.message.isEmpty());
    QVERIFY(editor.roster.isEmpty());
    // The pause was read if the file broke after it, and counts as an unsaved change.
    QCOMPARE(editor.options.text(Field::TimeBeforeBotEntry), at > 2 ? u"5"_s : u"3"_s);
    QCOMPARE(editor.edited, at > 2);
}

void TestRosterFile::readsValuesAsTheAddOnDoes()
{
    // The pause becomes a whole number, a half going to the even neighbour (so 32767.5 gives 32768 and is refused);
    // other numbers are kept as written. A team's waypoints show waypoints at all. The command word is not looked
    // at, of each code only the first character counts, a later bot line may end in a blank, and a line may end in
    // LF alone.
    const QString file = header(u"NNBot"_s)
        + u"wait 2.5;mp_autoteambalance 0;waypoint off;waypoint 1 off;waypoint 2 on;observer 0;botsdontshoot 0;"
          "min_bots +2;max_bots 5.;bot_skill 2E-1;addbot 1 4 T 1;bot 25 1 C 2\naddbot 2 5 CA 3;addbot 1 5 TA 4;"
          "addbot 5 2 A 5 ;addbot 1 3 Zo\u00eb 6"_s;
    Editor editor(u"NNBot"_s);

    QVERIFY(RosterFile::parse(crlf(file), editor.addOn, editor.options, editor.roster).isLoaded());

    QCOMPARE(RosterFile::lines(editor.addOn, editor.options, editor.roster).mid(2, 10),
             u"pause 2;mp_autoteambalance 0;waypoint on;waypoint 1 off;waypoint 2 on;observer 0;botsdontshoot 0;"
             "min_bots +2;max_bots 5.;botskill 2E-1"_s.split(u';'));
    QCOMPARE(editor.roster.entries(),
             OptionSteps::bots(u"T|Terrorist|1|Gorilla Warface;C|Counter Terrorist|2|Seal Team 6 (DEVGRU);"
                               "CA|Counter Terrorist|3|Auto Select;TA|Terrorist|4|Auto Select;"
                               "A|Auto Select|5 |Auto Select;Zo\u00eb|Terrorist|6|Arctic Avengers"_s));
}

void TestRosterFile::rosterThatWouldNotReadBackIsRefused_data()
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
    row("more bots at the least than at the most", u"AGBBot"_s, u"text MinBots 6; text MaxBots 4"_s, fine, u"(6)"_s);
    row("as many at the least as at the most", u"AGBBot"_s, u"text MinBots 4; text MaxBots 4"_s, fine, {});
    row("a typed team", u"RamBot"_s, {}, u"Alpha|Spectator|3|Phoenix Connection"_s, u"\"Spectator\""_s);
    row("a typed skin", u"RamBot"_s, {}, u"Alpha|Terrorist|3|Leet"_s, u"\"Leet\""_s);
    row("a skill with a blank", u"RamBot"_s, {}, u"Alpha|Terrorist|3 4|L337 Krew"_s, u"\"3 4\""_s);
    row("a name that is a number", u"PLBot"_s, {}, u"123|Terrorist|3|L337 Krew"_s, u"\"123\""_s);
    row("a name with a blank", u"PLBot"_s, {}, u"Two Words|Terrorist|3|L337 Krew"_s, u"\"Two Words\""_s);
    row("a name ending in a blank", u"PLBot"_s, {}, u"Alpha |Terrorist|3|L337 Krew"_s, u"\"Alpha \""_s);
    row("no name", u"PLBot"_s, {}, u"|Terrorist|3|L337 Krew"_s, u"without a name"_s);
    // Around the quick look that most bots pass: each refuses or writes as the check by check does.
    row("a name that starts like a number", u"PLBot"_s, {}, u"+x|Terrorist|3|L337 Krew"_s, {});
    row("a name that is a fraction", u"PLBot"_s, {}, u".5|Terrorist|3|L337 Krew"_s, u"\".5\""_s);
    row("a name that is a power of ten", u"PLBot"_s, {}, u"1e3|Terrorist|3|L337 Krew"_s, u"\"1e3\""_s);
    row("a name with a tab", u"PLBot"_s, {}, u"A\tB|Terrorist|3|L337 Krew"_s, u"\"A\tB\""_s);
    row("a name with a control character", u"PLBot"_s, {}, u"A\u0001B|Terrorist|3|L337 Krew"_s, {});
    // The message quotes the character, not half of it.
    row("a name beyond 8 bits", u"PLBot"_s, {}, u"A\u20acB|Terrorist|3|L337 Krew"_s, u"\"\u20ac\""_s);
    row("a name with an emoji", u"PLBot"_s, {}, u"Ace\U0001F600|Terrorist|3|L337 Krew"_s, u"\"\U0001F600\""_s);
    row("a skill of sixteen digits", u"PLBot"_s, {}, u"Alpha|Terrorist|0000000000000003|L337 Krew"_s, {});
}

void TestRosterFile::rosterThatWouldNotReadBackIsRefused()
{
    QFETCH(QString, botName);
    QFETCH(QString, steps);
    QFETCH(QString, bots);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"bots.cfg"_s);
    TestFiles::write(path, "old");
    Editor editor(botName);
    OptionSteps::apply(editor.options, steps);
    editor.roster.assign(OptionSteps::bots(bots));

    const QString message = RosterFile::write(path, editor.addOn, editor.options, editor.roster);

    if (refusal.isEmpty()) {
        QCOMPARE(message, QString());
        Editor loaded(botName);
        QVERIFY(RosterFile::read(path, loaded.addOn, loaded.options, loaded.roster).isLoaded());
        QCOMPARE(loaded.roster.entries(), editor.roster.entries());
        return;
    }
    QVERIFY2(message.contains(refusal), qPrintable(message));
    QCOMPARE(TestFiles::read(path), QByteArray("old"));
}

void TestRosterFile::refusedWriteKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"bots.cfg"_s);
    TestFiles::write(path, "old");
    Editor editor(u"NNBot"_s);
    OptionSteps::apply(editor.options, u"text Botskill"_s); // a successful save would show "2"
    editor.roster.assign(OptionSteps::bots(u"\u0141ukasz|Terrorist|2|L337 Krew"_s));
    editor.edited = false;

    QVERIFY(RosterFile::write(path, editor.addOn, editor.options, editor.roster).contains(u"\"\u0141\""_s));
    editor.roster.assign(OptionSteps::bots(u"Two\nLines|Terrorist|2|L337 Krew"_s));
    QVERIFY(RosterFile::write(path, editor.addOn, editor.options, editor.roster).contains("holds a line break"_L1));
    QCOMPARE(TestFiles::read(path), QByteArray("old"));

    ScratchMount disk(ScratchMount::Kind::Tiny);
    SKIP_UNLESS_MOUNTED(disk);
    const QString onFullDisk = disk.path() + u"/bots.cfg"_s;
    TestFiles::write(onFullDisk, "old");
    disk.fill();
    editor.roster.assign(OptionSteps::bots(twoBots));
    const QString message = RosterFile::write(onFullDisk, editor.addOn, editor.options, editor.roster);
    QVERIFY2(message.contains(QDir::toNativeSeparators(onFullDisk)), qPrintable(message));
    QCOMPARE(TestFiles::read(onFullDisk), QByteArray("old"));
    QCOMPARE(editor.options.text(Field::Botskill), QString());
    QVERIFY(!editor.edited);
}

void TestRosterFile::skillRangeBesideFixedSkillIsKept()
{
    // Auto Skill off, yet a range: written back as it was instead of commented out.
    QStringList file = realBotSample;
    file.replace(8, u"botskill 7"_s);
    Editor editor(u"RealBot"_s);
    QVERIFY(RosterFile::parse(crlf(file.join(u';')), editor.addOn, editor.options, editor.roster).isLoaded());
    QCOMPARE(RosterFile::lines(editor.addOn, editor.options, editor.roster), file);
}

void TestRosterFile::unreadableFileSaysWhy()
{
    if (Unprivileged::ranAsNobody())
        return;
    QTemporaryDir dir;
    const QString path = dir.filePath(u"bots.cfg"_s);
    TestFiles::write(path, crlf(nnBotSample.join(u';')));
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    Editor editor(u"NNBot"_s);
    const RosterFile::ReadResult result = RosterFile::read(path, editor.addOn, editor.options, editor.roster);
    QCOMPARE(result.status, ReadStatus::NotRead);
    QVERIFY2(result.message.contains(QDir::toNativeSeparators(path)) && result.message.contains(u"ermission"_s),
             qPrintable(result.message));
}

QTEST_GUILESS_MAIN(TestRosterFile)
#include "tst_rosterfile.moc"
