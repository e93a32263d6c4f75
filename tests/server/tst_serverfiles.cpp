#include "ListenServerFile.h"
#include "MapCycleFile.h"
#include "MapFolder.h"
#include "MotdFile.h"
#include "RandomSource.h"
#include "TestFiles.h"
#include "WaypointCheck.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using Field = ListenServerConfig::Field;
using Flag = ListenServerConfig::Flag;
using ReadStatus = ListenServerFile::ReadStatus;

namespace {

const QByteArray head = "// Trevlin LISTENSERVER Config File\r\n// Made With Trevlin 2.0\r\n\r\n";
// The whole file Done writes from the defaults.
const QByteArray defaultsFile = head
    + "hostname \"SERVER NAME!\"\r\nsv_autoaim 0\r\nmp_timelimit 0\r\nmp_roundtime 5\r\nmp_freezetime 3\r\n"
      "mp_c4timer 30\r\nmp_hostagepenalty 0\r\nmp_limitteams 0\r\nmp_autoteambalance 0\r\nmp_friendlyfire 0\r\n"
      "mp_autokick 0\r\nmp_tkpunish 0\r\nmp_forcechasecam 0\r\nmp_falldamage 1\r\nmp_footsteps 1\r\n"
      "mp_flashlight 1\r\nmp_chasecam 0\r\nsv_sendvelocity 1\r\nsv_maxspeed 320\r\nsv_cheats 0\r\npausable 0\r\n"
      "max_shells 120\r\nmax_smokepuffs 120\r\nmp_logmessages 1\r\nmp_friendly_grenade_damage 1\r\n"
      "sv_restartround 0\r\nah 1\r\ndm 1\r\n";

// A fresh record with "key=value" assignments made as the reader makes them.
ListenServerConfig assigned(const QStringList &assignments)
{
    ListenServerConfig config;
    for (const QString &assignment : assignments) {
        const qsizetype equals = assignment.indexOf(u'=');
        config.assign(QStringView(assignment).left(equals), assignment.mid(equals + 1));
    }
    return config;
}

// What a window would call the boxes: "box 0" to "box 10".
ListenServerFile::BoxNames boxNames()
{
    ListenServerFile::BoxNames names;
    for (int i = 0; i < ListenServerConfig::fieldCount; ++i)
        names[i] = u"box %1"_s.arg(i);
    return names;
}

} // namespace

// The listen server's files in the game folder: listenserver.cfg, the map cycle and the message of the day, and the
// maps a cycle is drawn from.
class TestServerFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listenServerFileReadsBackWhatItWrites()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"listenserver.cfg"_s);
        QCOMPARE(ListenServerFile::write(dir.path(), ListenServerConfig::defaults(), boxNames()), QString());
        QCOMPARE(TestFiles::read(path).split('\n'), defaultsFile.split('\n'));
        // Every box holds a text of its own and every second flag is on. An empty box is written with its trailing
        // blank and comes back empty, as every other box comes back.
        ListenServerConfig config;
        config.setText(Field::ServerName, u"Bots 'n' Co: #1 - é"_s);
        for (int i = 1; i < ListenServerConfig::fieldCount; ++i)
            config.setText(Field(i), QString::number(i * 7));
        config.setText(Field::Timelimit, u" 12 "_s);
        config.setText(Field::LimitTeams, QString());
        for (int i = 0; i < ListenServerConfig::flagCount; i += 2)
            config.setChecked(Flag(i), true);
        QCOMPARE(ListenServerFile::write(dir.path(), config, boxNames()), QString());
        QVERIFY(TestFiles::read(path).contains("\r\nmp_limitteams \r\n"));
        const ListenServerFile::ReadResult read = ListenServerFile::read(dir.path());
        QCOMPARE(read.status, ReadStatus::Loaded);
        QVERIFY(read.config == config);

        // What would not read back is refused, naming the box as the window calls it, and nothing is written.
        const QByteArray written = TestFiles::read(path);
        for (const auto &[field, text] : {std::pair{Field::ServerName, u"The \"Best\""_s},
                                          std::pair{Field::C4Timer, u"3,5"_s}, std::pair{Field::ServerName, u"Ω"_s}}) {
            ListenServerConfig refused = config;
            refused.setText(field, text);
            const QString message = ListenServerFile::write(dir.path(), refused, boxNames());
            QVERIFY2(message.startsWith(u"The box \"%1\""_s.arg(boxNames()[int(field)])), qPrintable(message));
        }
        QCOMPARE(TestFiles::read(path), written);
    }

    void listenServerFileRecords_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<ReadStatus>("status");
        QTest::addColumn<QStringList>("expected"); // assignments to a fresh record; the defaults when foreign

        // A header in another letter case, and a comma in the name, are tried in tst_serverwindows.
        QTest::newRow("empty file") << QByteArray() << ReadStatus::Foreign << QStringList();
        QTest::newRow("ends after the first line")
            << "// Trevlin LISTENSERVER Config File"_ba << ReadStatus::Loaded << QStringList();
        QTest::newRow("record without a blank, nothing after the blank")
            << head + "sv_cheats\r\nmp_roundtime \r\nmp_footsteps 1\r\n"
            << ReadStatus::Loaded << QStringList{u"mp_roundtime="_s, u"mp_footsteps=1"_s};
        // The game ends the name at its second quote; a name holding one could not be written back.
        QTest::newRow("name ends at its closing quote")
            << head + "hostname \"Dust\" Nights\"\r\nmp_c4timer 45\r\n"
            << ReadStatus::Loaded << QStringList{u"hostname=Dust"_s, u"mp_c4timer=45"_s};
        QTest::newRow("a lone CR ends a record")
            << head + "mp_c4timer 45\r\r\nmp_roundtime 5\rsv_cheats 1\r\n"
            << ReadStatus::Loaded << QStringList{u"mp_c4timer=45"_s, u"mp_roundtime=5"_s, u"sv_cheats=1"_s};
        QTest::newRow("records after commas, leading blanks, a later one wins, unknown keys")
            << head + "mp_roundtime 5,   mp_c4timer 45, mp_roundtime 9\nfoo 1\nsv_cheats 0\nMP_FOOTSTEPS 1\n"
            << ReadStatus::Loaded << QStringList{u"mp_roundtime=9"_s, u"mp_c4timer=45"_s};
    }

    void listenServerFileRecords()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(ReadStatus, status);
        QFETCH(QStringList, expected);
        const ListenServerFile::ReadResult read = ListenServerFile::parse(bytes);
        QCOMPARE(read.status, status);
        if (status == ReadStatus::Foreign) {
            QCOMPARE(read.message, ListenServerFile::foreignMessage());
            QVERIFY(read.config == ListenServerConfig::defaults());
        } else {
            QVERIFY(read.config == assigned(expected));
            // What is read can be written as it is.
            QCOMPARE(ListenServerFile::refusal(read.config, boxNames()), QString());
        }
    }

    void mapCycleReadsBackWhatItWrites()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"MapCycle.txt"_s);
        QCOMPARE(MapCycleFile::read(dir.path()).entries, QStringList());
        QCOMPARE(MapCycleFile::read(dir.path()).message, QString());
        // Blank lines and blanks before a name go; a comma, a bare LF and a lone CR end an entry, as in the game.
        TestFiles::write(path, "de_dust\r\n\r\n  \r\n cs_italy,,de_aztec  \rcs_office\nde_dust");
        const QStringList entries = MapCycleFile::read(dir.path()).entries;
        QCOMPARE(entries, (QStringList{u"de_dust"_s, u"cs_italy"_s, u"de_aztec  "_s, u"cs_office"_s, u"de_dust"_s}));
        QCOMPARE(MapCycleFile::write(dir.path(), entries), QString());
        // The file found in another letter case is the one replaced.
        const QByteArray written = "de_dust\r\ncs_italy\r\nde_aztec  \r\ncs_office\r\nde_dust\r\n";
        QCOMPARE(TestFiles::read(path), written);

        // What would not read back is refused, and nothing is written.
        const QString refused = MapCycleFile::write(dir.path(), {u"de_dust"_s, u"a,b"_s});
        QVERIFY2(refused.contains(u"\"a,b\""_s), qPrintable(refused));
        QVERIFY(MapCycleFile::write(dir.path(), {u" de_dust"_s}).contains(u"begins with a blank"_s));
        QCOMPARE(TestFiles::read(path), written);
        QCOMPARE(MapCycleFile::write(dir.path(), {}), QString());
        QCOMPARE(TestFiles::read(path), QByteArray());
    }

    // Five of five, six of five and none of none are drawn in tst_serverwindows.
    void drawsDistinctMaps()
    {
        RandomSource random;
        const QStringList five{u"a.bsp"_s, u"b.bsp"_s, u"c.bsp"_s, u"d.bsp"_s, u"e.bsp"_s};
        const MapFolder::Draw three = MapFolder::random(five, u" 3 "_s, random);
        QVERIFY2(three.done && three.message.isEmpty(), qPrintable(three.message));
        QCOMPARE(three.cycle.size(), 3);
        QCOMPARE(QSet<QString>(three.cycle.cbegin(), three.cycle.cend()).size(), 3);
        for (const QString &entry : three.cycle)
            QVERIFY2(five.contains(entry + u".bsp"_s), qPrintable(entry));
        const auto refusal = [&random](const QStringList &files, const QString &count) {
            const MapFolder::Draw draw = MapFolder::random(files, count, random);
            return draw.done ? u"drawn"_s : draw.message;
        };
        QVERIFY(refusal(five, u"-1"_s).contains(u"whole number"_s));
        QVERIFY(refusal({u"a.bsp"_s, u"a.BSP"_s}, u"2"_s).contains(u"Number Of Maps Available"_s));
    }

    void marksMapsWithoutWaypoints()
    {
        QTemporaryDir dir;
        TestFiles::write(dir.filePath(u"maps/DE_DUST.RW1"_s), {});
        const WaypointCheck ramBot(dir.path(), u"RamBot"_s);
        QVERIFY(!ramBot.lacks(u"de_dust"_s));
        QVERIFY(ramBot.lacks(u"cs_office"_s));
        // An add-on that plays every map, the plain game, and no choice at all.
        for (const QString &botName : {u"RealBot"_s, u"Original CS"_s, QString()})
            QVERIFY2(!WaypointCheck(dir.path(), botName).lacks(u"cs_office"_s), qPrintable(botName));
    }

    void writesTheMessageLineByLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("readBack");
        QTest::addColumn<QString>("refusal"); // a part of it; the old file stays
        // Two lines and an empty one between are written and read in tst_serverwindows' editsTheMessageOfTheDay.
        QTest::newRow("last line without a break")
            << u"Welcome\nHave fun"_s << "Welcome\r\nHave fun\r\n"_ba << u"Welcome\nHave fun\n"_s << QString();
        QTest::newRow("empty text") << QString() << QByteArray() << QString() << QString();
        // A lone CR is a line break both ways, so a message comes back as it was.
        QTest::newRow("a lone CR") << u"Welcome\rHave fun\r\r\n"_s << "Welcome\r\nHave fun\r\n\r\n"_ba
                                   << u"Welcome\nHave fun\n\n"_s << QString();
        QTest::newRow("beyond Latin-1") << u"Ω"_s << "old"_ba << u"old\n"_s << u"8-bit"_s;
        QTest::newRow("too large") << QString(MotdFile::sizeLimit, u'x') << "old"_ba << u"old\n"_s << u"1 MB"_s;
    }

    void writesTheMessageLineByLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, refusal);
        QTemporaryDir dir;
        TestFiles::write(dir.filePath(u"motd.txt"_s), "old");
        const QString message = MotdFile::write(dir.path(), text);
        QVERIFY2(refusal.isEmpty() ? message.isEmpty() : message.contains(refusal), qPrintable(message));
        QTEST(TestFiles::read(dir.filePath(u"motd.txt"_s)), "file");
        QTEST(MotdFile::read(dir.path()).text, "readBack");
    }
};

QTEST_GUILESS_MAIN(TestServerFiles)
#include "tst_serverfiles.moc"
