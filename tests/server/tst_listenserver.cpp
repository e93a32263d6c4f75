#include "ListenServerFile.h"
#include "TestFiles.h"

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
    void writesWhatItReadsBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"listenserver.cfg"_s);
        QCOMPARE(ListenServerFile::write(dir.path(), ListenServerConfig::defaults(), boxNames()), QString());
        QCOMPARE(TestFiles::read(path).split('\n'), defaultsFile.split('\n'));
        // An empty box is written with its trailing blank and comes back empty, as every other box comes back.
        const ListenServerConfig config = everyValue();
        QCOMPARE(ListenServerFile::write(dir.path(), config, boxNames()), QString());
        QVERIFY(TestFiles::read(path).contains("\r\nmp_limitteams \r\n"));
        const ListenServerFile::ReadResult read = ListenServerFile::read(dir.path());
        QCOMPARE(read.status, ReadStatus::Loaded);
        QVERIFY(read.config == config);
    }

    void readsRecords_data()
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
        QTest::newRow("quoted name after two blanks") << head + "hostname  \"Dust\"\r\n"
                                                      << ReadStatus::Loaded << QStringList{u"hostname=Dust"_s};
        QTest::newRow("hand-written name up to a quote") << head + "hostname My Dust\"2\r\n"
                                                         << ReadStatus::Loaded << QStringList{u"hostname=My Dust"_s};
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
};

QTEST_GUILESS_MAIN(TestListenServer)
#include "tst_listenserver.moc"
