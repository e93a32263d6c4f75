#include "AndroidAddOn.h"
#include "AndroidDocument.h"
#include "AndroidEntryCheck.h"
#include "AndroidOptions.h"
#include "AndroidRoster.h"
#include "AndroidRosterFile.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using ReadStatus = AndroidRosterFile::ReadStatus;

namespace {

// "a;b" as the bytes of a file holding the lines a and b.
QByteArray crlf(const QString &lines)
{
    return (lines.split(u';').join("\r\n"_L1) + "\r\n"_L1).toLatin1();
}

// "name|skill|team;..." as bots.
QList<AndroidRosterEntry> bots(const QString &text)
{
    QList<AndroidRosterEntry> entries;
    for (const QString &bot : text.split(u';', Qt::SkipEmptyParts)) {
        const QStringList fields = bot.split(u'|');
        entries.append({fields.at(0), fields.at(1), fields.at(2)});
    }
    return entries;
}

QString header(const QString &botName)
{
    return u"//"_s + botName + u" Config File Created With;//Counter-Strike Trevlin 2.0;"_s;
}

const QString androidHead = header(u"AndroidBot"_s) + u"pause 3;mp_autoteambalance 0;"_s;
const QString podHead
    = header(u"PodBot"_s) + u"pause 3;botchat on;jasonmode off;minbotskill 60;mp_autoteambalance 0;"_s;

struct Editor
{
    explicit Editor(const QString &botName)
        : addOn(*AndroidAddOn::find(botName))
    { }

    const AndroidAddOn &addOn;
    AndroidOptions options;
    AndroidRoster roster;
};

} // namespace

class TestAndroidRosterFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesExactFileThatReadsBack_data();
    void writesExactFileThatReadsBack();
    void brokenFileIsRefused_data();
    void brokenFileIsRefused();
    void readsValuesAsTheAddOnDoes_data();
    void readsValuesAsTheAddOnDoes();
    void rosterThatWouldNotReadBackIsRefused_data();
    void rosterThatWouldNotReadBackIsRefused();
    void entryChecksRunInOrder_data();
    void entryChecksRunInOrder();
    void tracksUnsavedChanges();
    void failedReadLeavesReadOptionsAsAChange();
};

void TestAndroidRosterFile::writesExactFileThatReadsBack_data()
{
    QTest::addColumn<QString>("botName");
    QTest::addColumn<QString>("options"); // entry delay|balance|chatting|jason|minimum skill
    QTest::addColumn<QString>("bots");
    QTest::addColumn<QString>("file");

    const QString twoBots = u"Alpha|80|Counter Terrorist;Bravo|5|Auto Assign"_s;
    QTest::newRow("AndroidBot, delay 5 and team balance: six lines, quoted names")
        << u"AndroidBot"_s << u"5|1|1|0|60"_s << twoBots
        << header(u"AndroidBot"_s) + u"pause 5;mp_autoteambalance 1;addbot 80 2 \"Alpha\";addbot 5 0 \"Bravo\""_s;
    QTest::newRow("AndroidBot, empty delay written as 3, PodBot's options not written")
        << u"AndroidBot"_s << u"|0|0|1|"_s << u"Zo\u00eb|100|Terrorist"_s
        << androidHead + u"addbot 100 1 \"Zo\u00eb\""_s;
    QTest::newRow("PodBot, every option set, bare names, Auto Assign as 5") << u"PodBot"_s << u"7|1|0|1|85"_s << twoBots
                                                                            << header(u"PodBot"_s)
            + u"pause 7;botchat off;jasonmode on;minbotskill 85;mp_autoteambalance 1;addbot 80 2 Alpha;"
              "addbot 5 5 Bravo"_s;
    QTest::newRow("PodBot, empty boxes written as 3 and 60, a later name with blanks")
        << u"PodBot"_s << u"|0|1|0|"_s << u"Alpha|0|Terrorist;Big Bad Bot|50.5|Counter Terrorist"_s
        << podHead + u"addbot 0 1 Alpha;addbot 50.5 2 Big Bad Bot"_s;
}

void TestAndroidRosterFile::writesExactFileThatReadsBack()
{
    QFETCH(QString, botName);
    QFETCH(QString, options);
    QFETCH(QString, bots);
    QFETCH(QString, file);
    Editor editor(botName);
    const QStringList values = options.split(u'|');
    editor.options.setEntryDelay(values.at(0));
    editor.options.setAutoTeamBalance(values.at(1) == "1"_L1);
    editor.options.setBotChatting(values.at(2) == "1"_L1);
    editor.options.setJasonMode(values.at(3) == "1"_L1);
    editor.options.setMinBotSkill(values.at(4));
    editor.roster.assign(::bots(bots));

    QTemporaryDir dir;
    const QString path = dir.filePath(u"bots.cfg"_s);
    QCOMPARE(AndroidRosterFile::write(path, editor.addOn, editor.options, editor.roster), QString());
    QCOMPARE(TestFiles::read(path), crlf(file));

    // A read into a fresh editor gives the same bots, and the options as the file holds them.
    Editor back(botName);
    back.options.setAutoTeamBalance(!editor.options.autoTeamBalance());
    QVERIFY(AndroidRosterFile::read(path, back.addOn, back.options, back.roster).isLoaded());
    QCOMPARE(back.roster.entries(), editor.roster.entries());
    QCOMPARE(back.options.entryDelay(), values.at(0).isEmpty() ? u"3"_s : values.at(0));
    QCOMPARE(back.options.autoTeamBalance(), editor.options.autoTeamBalance());
    if (editor.addOn.podBotOptions) {
        QCOMPARE(back.options.botChatting(), editor.options.botChatting());
        QCOMPARE(back.options.jasonMode(), editor.options.jasonMode());
        QCOMPARE(back.options.minBotSkill(), values.at(4).isEmpty() ? u"60"_s : values.at(4));
    }
}

void TestAndroidRosterFile::brokenFileIsRefused_data()
{
    QTest::addColumn<QString>("botName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");

    const auto notValid = int(ReadStatus::NotValid);
    const auto android = [](const char *name, const QString &file, int status) {
        QTest::newRow(name) << u"AndroidBot"_s << crlf(file) << status;
    };
    const auto pod = [](const char *name, const QString &file, int status) {
        QTest::newRow(name) << u"PodBot"_s << crlf(file) << status;
    };
    QTest::newRow("empty file") << u"AndroidBot"_s << QByteArray() << notValid;
    android("a PodBot file", podHead + u"addbot 1 1 A"_s, notValid);
    pod("an AndroidBot file", androidHead + u"addbot 1 1 \"A\""_s, notValid);
    android("first line only", u"//AndroidBot Config File Created With"_s, notValid);
    android("another version",
            u"//AndroidBot Config File Created With;//Counter-Strike Trevlin 1.9;pause 3;mp_autoteambalance 0;"
            "addbot 1 1 \"A\""_s,
            int(ReadStatus::PreviousVersion));
    android("pause no number", header(u"AndroidBot"_s) + u"pause soon;mp_autoteambalance 0;addbot 1 1 \"A\""_s,
            notValid);
    android("pause beyond 16 bits", header(u"AndroidBot"_s) + u"pause 32767.5;mp_autoteambalance 0;addbot 1 1 \"A\""_s,
            notValid);
    android("pause without a blank", header(u"AndroidBot"_s) + u"pause;mp_autoteambalance 0;addbot 1 1 \"A\""_s,
            notValid);
    pod("bot chatting neither on nor off",
        header(u"PodBot"_s) + u"pause 3;botchat yes;jasonmode off;minbotskill 60;mp_autoteambalance 0;addbot 1 1 A"_s,
        notValid);
    pod("jason mode in capitals",
        header(u"PodBot"_s) + u"pause 3;botchat on;jasonmode ON;minbotskill 60;mp_autoteambalance 0;addbot 1 1 A"_s,
        notValid);
    pod("minimum skill under another word",
        header(u"PodBot"_s) + u"pause 3;botchat on;jasonmode off;minskill 60;mp_autoteambalance 0;addbot 1 1 A"_s,
        notValid);
    android("ends after the team balance", header(u"AndroidBot"_s) + u"pause 3;mp_autoteambalance 0"_s, notValid);
    android("first name with a blank", androidHead + u"addbot 1 1 \"A B\""_s, notValid);
    android("later line without a name", androidHead + u"addbot 1 1 \"A\";addbot 1 1"_s, notValid);
    android("name a number", androidHead + u"addbot 1 1 \"42\""_s, notValid);
    android("name only quotes", androidHead + u"addbot 1 1 \"\""_s, notValid);
    android("skill no number", androidHead + u"addbot high 1 \"A\""_s, notValid);
    android("team no digit", androidHead + u"addbot 1 T \"A\""_s, notValid);
    android("AndroidBot team 5", androidHead + u"addbot 1 5 \"A\""_s, notValid);
    pod("PodBot team 0", podHead + u"addbot 1 0 A"_s, notValid);
    pod("PodBot team 3", podHead + u"addbot 1 1 A;addbot 1 3 B"_s, notValid);
}

void TestAndroidRosterFile::brokenFileIsRefused()
{
    QFETCH(QString, botName);
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    Editor editor(botName);
    editor.roster.assign(::bots(u"Old|1|Terrorist"_s));
    const AndroidRosterFile::ReadResult result
        = AndroidRosterFile::parse(bytes, editor.addOn, editor.options, editor.roster);
    QCOMPARE(int(result.status), status);
    QVERIFY(!result.message.isEmpty());
    QVERIFY(editor.roster.isEmpty());
}

void TestAndroidRosterFile::readsValuesAsTheAddOnDoes_data()
{
    QTest::addColumn<QString>("pauseLine");
    QTest::addColumn<QString>("balanceLine");
    QTest::addColumn<QString>("entryDelay");
    QTest::addColumn<bool>("balance");

    // Halves go to the even neighbour; the word before the blank is not looked at.
    QTest::newRow("3.6") << u"pause 3.6"_s << u"mp_autoteambalance 1"_s << u"4"_s << true;
    QTest::newRow("2.5") << u"pause 2.5"_s << u"mp_autoteambalance 0"_s << u"2"_s << false;
    QTest::newRow("3.5, another word") << u"wait 3.5"_s << u"mp_autoteambalance 1"_s << u"4"_s << true;
    QTest::newRow("-0.4") << u"pause -0.4"_s << u"mp_autoteambalance 1"_s << u"0"_s << true;
    // Another balance line is skipped and leaves the option as it was (checked here).
    QTest::newRow("other balance line") << u"pause 10"_s << u"mp_autoteambalance  1"_s << u"10"_s << true;
}

void TestAndroidRosterFile::readsValuesAsTheAddOnDoes()
{
    QFETCH(QString, pauseLine);
    QFETCH(QString, balanceLine);
    QFETCH(QString, entryDelay);
    QFETCH(bool, balance);
    Editor editor(u"AndroidBot"_s);
    editor.options.setAutoTeamBalance(true);
    const QString file
        = header(u"AndroidBot"_s) + pauseLine + u';' + balanceLine + u";addbot 1 1 \"A\";addbot 2 2 \"Mr Big Shot\""_s;
    QVERIFY(AndroidRosterFile::parse(crlf(file), editor.addOn, editor.options, editor.roster).isLoaded());
    QCOMPARE(editor.options.entryDelay(), entryDelay);
    QCOMPARE(editor.options.autoTeamBalance(), balance);
    QCOMPARE(editor.roster.entries(), bots(u"A|1|Terrorist;Mr Big Shot|2|Counter Terrorist"_s));
}

void TestAndroidRosterFile::rosterThatWouldNotReadBackIsRefused_data()
{
    QTest::addColumn<QString>("entryDelay");
    QTest::addColumn<QString>("bots");
    QTest::addColumn<QString>("message");

    // The refusal names the value that would not read back.
    const QString fine = u"Alpha|50|Terrorist"_s;
    QTest::newRow("no bots") << u"3"_s << QString() << u"no bots to save"_s;
    QTest::newRow("delay no number") << u"soon"_s << fine << u"\"soon\""_s;
    QTest::newRow("delay beyond 16 bits") << u"40000"_s << fine << u"\"40000\""_s;
    QTest::newRow("first name with a blank") << u"3"_s << u"Big Shot|50|Terrorist;Alpha|50|Terrorist"_s
                                             << u"\"Big Shot\" cannot be saved as the first bot"_s;
    QTest::newRow("name a number") << u"3"_s << fine + u";42|50|Terrorist"_s << u"\"42\""_s;
    QTest::newRow("name beyond Latin-1") << u"3"_s << fine + u";\u0416ora|50|Terrorist"_s << u"\"\u0416ora\""_s;
    QTest::newRow("typed team") << u"3"_s << u"Alpha|50|Spectator"_s << u"\"Spectator\""_s;
    QTest::newRow("skill with a blank") << u"3"_s << u"Alpha|5 0|Terrorist"_s << u"\"5 0\""_s;
}

void TestAndroidRosterFile::rosterThatWouldNotReadBackIsRefused()
{
    QFETCH(QString, entryDelay);
    QFETCH(QString, bots);
    QFETCH(QString, message);
    Editor editor(u"AndroidBot"_s);
    editor.options.setEntryDelay(entryDelay);
    editor.roster.assign(::bots(bots));
    QTemporaryDir dir;
    const QString path = dir.filePath(u"bots.cfg"_s);
    TestFiles::write(path, "old");
    const QString refusal = AndroidRosterFile::write(path, editor.addOn, editor.options, editor.roster);
    QVERIFY2(refusal.contains(message), qPrintable(refusal));
    QCOMPARE(TestFiles::read(path), "old");
}

void TestAndroidRosterFile::entryChecksRunInOrder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("skill");
    QTest::addColumn<QString>("team");
    QTest::addColumn<bool>("withName");
    QTest::addColumn<QString>("message"); // a part of it; empty: none, the bot is taken

    const QString range = u"between 0 and 100"_s;
    QTest::newRow("all empty") << QString() << QString() << QString() << true << u"name the bot"_s;
    QTest::newRow("no team") << u"A"_s << QString() << QString() << true << u"select a team"_s;
    QTest::newRow("no skill") << u"A"_s << QString() << u"Terrorist"_s << true << u"enter a skill level"_s;
    QTest::newRow("101") << u"A"_s << u"101"_s << u"Terrorist"_s << true << range;
    QTest::newRow("-1") << u"A"_s << u"-1"_s << u"Terrorist"_s << true << range;
    // A skill that is no number is no skill from 0 to 100 either.
    QTest::newRow("no number") << u"A"_s << u"high"_s << u"Terrorist"_s << true << range;
    QTest::newRow("0, a typed team") << u"A"_s << u"0"_s << u"Spectator"_s << true << QString();
    QTest::newRow("100") << u"A B"_s << u"100"_s << u"Auto Assign"_s << true << QString();
    QTest::newRow("name a number") << u"42"_s << u"50"_s << u"Terrorist"_s << true << u"cannot be a number"_s;
    QTest::newRow("to all, no name") << QString() << u"50"_s << u"Terrorist"_s << false << QString();
}

void TestAndroidRosterFile::entryChecksRunInOrder()
{
    QFETCH(QString, name);
    QFETCH(QString, skill);
    QFETCH(QString, team);
    QFETCH(bool, withName);
    QFETCH(QString, message);
    const QString refusal = AndroidEntryCheck::refusal({name, skill, team}, withName);
    QVERIFY2(message.isEmpty() ? refusal.isEmpty() : refusal.contains(message), qPrintable(refusal));
}

void TestAndroidRosterFile::tracksUnsavedChanges()
{
    AndroidDocument document(*AndroidAddOn::find(u"PodBot"));
    QSignalSpy modified(&document, &EditorDocument::modifiedChanged);
    document.options().setJasonMode(true);
    QVERIFY(document.isModified());
    QVERIFY(!document.hasUnsavedBots());
    document.append({u"A"_s, u"50"_s, u"Terrorist"_s});
    QVERIFY(document.hasUnsavedBots());

    QTemporaryDir dir;
    const QString path = dir.filePath(u"pod.cfg"_s);
    QCOMPARE(document.save(path), QString());
    QVERIFY(!document.isModified());
    QCOMPARE(document.fileName(), path);

    document.setAll(u"7"_s, u"Auto Assign"_s);
    document.renew();
    QVERIFY(!document.isModified());
    QVERIFY(document.isEmpty());
    QCOMPARE(document.options().minBotSkill(), u"60"_s);
    QVERIFY(document.options().botChatting());
    QVERIFY(!document.options().jasonMode());
    QCOMPARE(modified.size(), 4);

    QCOMPARE(document.open(path), QString());
    QCOMPARE(document.roster().at(0), (AndroidRosterEntry{u"A"_s, u"50"_s, u"Terrorist"_s}));
    QVERIFY(document.options().jasonMode());
    QVERIFY(!document.isModified());
}

void TestAndroidRosterFile::failedReadLeavesReadOptionsAsAChange()
{
    AndroidDocument document(*AndroidAddOn::find(u"AndroidBot"));
    QTemporaryDir dir;
    const QString path = dir.filePath(u"broken.cfg"_s);
    TestFiles::write(path, "//AndroidBot Config File Created With\r\n//Counter-Strike Trevlin 2.0\r\npause 9\r\n");
    document.append({u"A"_s, u"50"_s, u"Terrorist"_s});
    QCOMPARE(document.save(dir.filePath(u"good.cfg"_s)), QString());

    QVERIFY(!document.open(path).isEmpty());
    QVERIFY(document.isEmpty());
    QCOMPARE(document.options().entryDelay(), u"9"_s);
    QVERIFY(document.isModified());
    QCOMPARE(document.fileName(), dir.filePath(u"good.cfg"_s));
}

QTEST_GUILESS_MAIN(TestAndroidRosterFile)
#include "tst_androidrosterfile.moc"
