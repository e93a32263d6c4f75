#include "ListenServerFile.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using Field = ListenServerConfig::Field;
using Flag = ListenServerConfig::Flag;
using ReadStatus = ListenServerFile::ReadStatus;

namespace {

// The whole file Done writes from the defaults.
const QByteArray defaultsFile = "// Trevlin LISTENSERVER Config File\r\n// Made With Trevlin 2.0\r\n\r\n"
                                "hostname \"SERVER NAME!\"\r\nsv_autoaim 0\r\nmp_timelimit 0\r\nmp_roundtime 5\r\n"
                                "mp_freezetime 3\r\nmp_c4timer 30\r\nmp_hostagepenalty 0\r\nmp_limitteams 0\r\n"
                                "mp_autoteambalance 0\r\nmp_friendlyfire 0\r\nmp_autokick 0\r\nmp_tkpunish 0\r\n"
                                "mp_forcechasecam 0\r\nmp_falldamage 1\r\nmp_footsteps 1\r\nmp_flashlight 1\r\n"
                                "mp_chasecam 0\r\nsv_sendvelocity 1\r\nsv_maxspeed 320\r\nsv_cheats 0\r\npausable 0\r\n"
                                "max_shells 120\r\nmax_smokepuffs 120\r\nmp_logmessages 1\r\n"
                                "mp_friendly_grenade_damage 1\r\nsv_restartround 0\r\nah 1\r\ndm 1\r\n";
const QByteArray head = "// Trevlin LISTENSERVER Config File\r\n// Made With Trevlin 2.0\r\n\r\n";

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

// Every box holds a text of its own and every second flag is on.
ListenServerConfig everyValue()
{
    ListenServerConfig config;
    config.setText(Field::ServerName, u"Bots 'n' Co: #1 - é"_s);
    for (int i = 1; i < ListenServerConfig::fieldCount; ++i)
        config.setText(Field(i), QString::number(i * 7));
    config.setText(Field::Timelimit, u" 12 "_s);
    config.setText(Field::LimitTeams, QString());
    for (int i = 0; i < ListenServerConfig::flagCount; i += 2)
        config.setChecked(Flag(i), true);
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

class TestListenServer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesTheDefaultsLineByLine()
    {
        QTemporaryDir dir;
        QCOMPARE(ListenServerFile::write(dir.path(), ListenServerConfig::defaults(), boxNames()), QString());
        const QByteArray written = TestFiles::read(dir.filePath(u"listenserver.cfg"_s));
        QCOMPARE(written.split('\n'), defaultsFile.split('\n'));
        QCOMPARE(ListenServerFile::lines(ListenServerConfig::defaults()).size(), 31);
    }

    void readsBackEveryValue()
    {
        QTemporaryDir dir;
        const ListenServerConfig config = everyValue();
        QCOMPARE(ListenServerFile::write(dir.path(), config, boxNames()), QString());
        const ListenServerFile::ReadResult read = ListenServerFile::read(dir.path());
        QCOMPARE(read.status, ReadStatus::Loaded);
        QCOMPARE(read.message, QString());
        QVERIFY(read.config == config);
        // An empty box is written with its trailing blank and comes back empty.
        QVERIFY(TestFiles::read(dir.filePath(u"listenserver.cfg"_s)).contains("\r\nmp_limitteams \r\n"));
    }

    void readsRecords_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<ReadStatus>("status");
        QTest::addColumn<QStringList>("expected"); // assignments to a fresh record; the defaults when foreign

        QTest::newRow("header in other letter case")
            << "// TREVLIN LISTENSERVER Config File\r\n"_ba << ReadStatus::Foreign << QStringList();
        QTest::newRow("empty file") << QByteArray() << ReadStatus::Foreign << QStringList();
        QTest::newRow("ends after the header") << head << ReadStatus::Loaded << QStringList();
        QTest::newRow("ends after the first line")
            << "// Trevlin LISTENSERVER Config File"_ba << ReadStatus::Loaded << QStringList();
        QTest::newRow("record without a blank, nothing after the blank")
            << head + "sv_cheats\r\nmp_roundtime \r\nmp_footsteps 1\r\n"
            << ReadStatus::Loaded << QStringList{u"mp_roundtime="_s, u"mp_footsteps=1"_s};
        QTest::newRow("name with a comma ends at the comma") << head + "hostname \"Dust, Inferno\"\r\n"
                                                             << ReadStatus::Loaded << QStringList{u"hostname=Dust"_s};
        QTest::newRow("hand-written name without quotes") << head + "hostname My Server\n"
                                                          << ReadStatus::Loaded << QStringList{u"hostname=My Server"_s};
        // The game ends the name at its second quote; a name holding one could not be written back.
        QTest::newRow("name ends at its closing quote")
            << head + "hostname \"Dust\" Nights\"\r\nmp_c4timer 45\r\n"
            << ReadStatus::Loaded << QStringList{u"hostname=Dust"_s, u"mp_c4timer=45"_s};
        QTest::newRow("quoted name after two blanks, unquoted name up to a quote")
            << head + "hostname  \"Dust\"\r\nhostname Dust\"2\r\n"
            << ReadStatus::Loaded << QStringList{u"hostname=Dust"_s};
        QTest::newRow("a lone CR ends a record")
            << head + "mp_c4timer 45\r\r\nmp_roundtime 5\rsv_cheats 1\r\n"
            << ReadStatus::Loaded << QStringList{u"mp_c4timer=45"_s, u"mp_roundtime=5"_s, u"sv_cheats=1"_s};
        QTest::newRow("records after commas, leading blanks, a later one wins, unknown keys")
            << head + "mp_roundtime 5,   mp_c4timer 45, mp_roundtime 9\nfoo 1\nsv_cheats 0\nMP_FOOTSTEPS 1\n"
            << ReadStatus::Loaded << QStringList{u"mp_roundtime=9"_s, u"mp_c4timer=45"_s};
    }

    void readsRecords()
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

    void refusesWhatWouldNotReadBack_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("comma in the name") << int(Field::ServerName) << u"Dust, Inferno"_s;
        QTest::newRow("quote in the name") << int(Field::ServerName) << u"The \"Best\""_s;
        QTest::newRow("comma in a number") << int(Field::C4Timer) << u"3,5"_s;
        QTest::newRow("beyond Latin-1") << int(Field::ServerName) << u"Ω"_s;
    }

    void refusesWhatWouldNotReadBack()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QTemporaryDir dir;
        TestFiles::write(dir.filePath(u"listenserver.cfg"_s), "old");
        ListenServerConfig config = ListenServerConfig::defaults();
        config.setText(Field(field), text);
        const QString message = ListenServerFile::write(dir.path(), config, boxNames());
        // The message names the box as the window calls it.
        QVERIFY2(message.startsWith(u"The box \"%1\""_s.arg(boxNames()[field])), qPrintable(message));
        QCOMPARE(TestFiles::read(dir.filePath(u"listenserver.cfg"_s)), "old"_ba);
    }

    void missingFileGivesTheDefaults()
    {
        QTemporaryDir dir;
        ListenServerFile::ReadResult read = ListenServerFile::read(dir.path());
        QCOMPARE(read.status, ReadStatus::Missing);
        QVERIFY(!read.message.isEmpty());
        QVERIFY(read.config == ListenServerConfig::defaults());

        // Found in any letter case. (A file far too large, a folder, a pipe are turned down in tst_hostilefiles.)
        TestFiles::write(dir.filePath(u"ListenServer.CFG"_s), head + "mp_c4timer 45\r\n");
        QCOMPARE(ListenServerFile::read(dir.path()).config.text(Field::C4Timer), u"45"_s);
    }

    void movesGameConfigAside()
    {
        QTemporaryDir dir;
        QCOMPARE(ListenServerFile::moveGameConfigAside(dir.path()), QString());
        TestFiles::write(dir.filePath(u"GAME.CFG"_s), "exec skill.cfg\r\n");
        TestFiles::write(dir.filePath(u"game.trb"_s), "older copy\r\n");
        QCOMPARE(ListenServerFile::moveGameConfigAside(dir.path()), QString());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"game.trb"_s});
        QCOMPARE(TestFiles::read(dir.filePath(u"game.trb"_s)), "exec skill.cfg\r\n"_ba);
    }
};

QTEST_GUILESS_MAIN(TestListenServer)
#include "tst_listenserver.moc"
