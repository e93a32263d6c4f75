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

class TestMapCycle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesWhatItReadsBack()
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

    void drawsDistinctMaps_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("drawn");       // -1: refused with the message below
        QTest::addColumn<QString>("message"); // a part of it
        const QStringList five{u"a.bsp"_s, u"b.bsp"_s, u"c.bsp"_s, u"d.bsp"_s, u"e.bsp"_s};
        // Five of five, six of five and none of none are drawn in tst_serverwindows.
        QTest::newRow("three of five") << five << u" 3 "_s << 3 << QString();
        QTest::newRow("negative") << five << u"-1"_s << -1 << u"whole number"_s;
        QTest::newRow("two files, one map")
            << QStringList{u"a.bsp"_s, u"a.BSP"_s} << u"2"_s << -1 << u"Number Of Maps Available"_s;
    }

    void drawsDistinctMaps()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, count);
        QFETCH(int, drawn);
        QFETCH(QString, message);
        RandomSource random;
        const MapFolder::Draw draw = MapFolder::random(files, count, random);
        QCOMPARE(draw.done, drawn >= 0);
        QVERIFY2(message.isEmpty() ? draw.message.isEmpty() : draw.message.contains(message), qPrintable(draw.message));
        if (drawn < 0)
            return;
        QCOMPARE(draw.cycle.size(), drawn);
        QCOMPARE(QSet<QString>(draw.cycle.cbegin(), draw.cycle.cend()).size(), drawn);
        for (const QString &entry : draw.cycle)
            QVERIFY2(files.contains(entry + u".bsp"_s), qPrintable(entry));
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
        // Two lines and an empty one between are written and read in tst_serverwindows' editsTheMessageOfTheDay.
        QTest::newRow("last line without a break")
            << u"Welcome\nHave fun"_s << "Welcome\r\nHave fun\r\n"_ba << u"Welcome\nHave fun\n"_s;
        QTest::newRow("empty text") << QString() << QByteArray() << QString();
        QTest::newRow("only a break") << u"\n"_s << "\r\n"_ba << u"\n"_s;
        // A lone CR is a line break both ways, so a message comes back as it was.
        QTest::newRow("a lone CR") << u"Welcome\rHave fun\r\r\n"_s << "Welcome\r\nHave fun\r\n\r\n"_ba
                                   << u"Welcome\nHave fun\n\n"_s;
    }

    void writesTheMessageLineByLine()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, file);
        QTemporaryDir dir;
        QCOMPARE(MotdFile::write(dir.path(), text), QString());
        QCOMPARE(TestFiles::read(dir.filePath(u"motd.txt"_s)), file);
        QTEST(MotdFile::read(dir.path()).text, "readBack");
    }

    void refusesWhatAMessageFileCannotHold()
    {
        QTemporaryDir dir;
        TestFiles::write(dir.filePath(u"motd.txt"_s), "old");
        QVERIFY(MotdFile::write(dir.path(), u"Ω"_s).contains(u"8-bit"_s));
        QVERIFY(MotdFile::write(dir.path(), QString(MotdFile::sizeLimit, u'x')).contains(u"1 MB"_s));
        QCOMPARE(TestFiles::read(dir.filePath(u"motd.txt"_s)), "old"_ba);
    }
};

QTEST_GUILESS_MAIN(TestMapCycle)
#include "tst_mapcycle.moc"
