#include "MapCycleFile.h"
#include "MapFolder.h"
#include "MotdFile.h"
#include "RandomSource.h"
#include "TestFiles.h"
#include "TextLines.h"
#include "WaypointCheck.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList bspFiles(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names.append(u"map%1.bsp"_s.arg(i));
    return names;
}

} // namespace

class TestMapCycle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsEntries_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("blank lines") << "de_dust\r\n\r\n\r\ncs_office\r\n  \r\n"_ba
                                     << QStringList{u"de_dust"_s, u"cs_office"_s};
        QTest::newRow("commas and leading blanks, bare LF")
            << "de_dust, cs_italy,,\n   de_aztec  \nde_dust"_ba
            << QStringList{u"de_dust"_s, u"cs_italy"_s, u"de_aztec  "_s, u"de_dust"_s};
        QTest::newRow("empty") << QByteArray() << QStringList();
        QTest::newRow("a lone CR ends an entry, as in the game")
            << "de_dust\rde_aztec\r\r\ncs_office\r"_ba << QStringList{u"de_dust"_s, u"de_aztec"_s, u"cs_office"_s};
    }

    void readsEntries()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, entries);
        QCOMPARE(MapCycleFile::parse(bytes), entries);
        QCOMPARE(MapCycleFile::refusal(entries), QString());
    }

    void writesWhatItReadsBack()
    {
        QTemporaryDir dir;
        QCOMPARE(MapCycleFile::read(dir.path()).entries, QStringList());
        QCOMPARE(MapCycleFile::read(dir.path()).message, QString());
        TestFiles::write(dir.filePath(u"MapCycle.txt"_s), "de_dust\r\n\r\ncs_office\r\n");
        const QStringList entries = MapCycleFile::read(dir.path()).entries;
        QCOMPARE(MapCycleFile::write(dir.path(), entries), QString());
        // The file found in another letter case is the one replaced.
        QCOMPARE(TestFiles::read(dir.filePath(u"MapCycle.txt"_s)), "de_dust\r\ncs_office\r\n"_ba);
        QCOMPARE(MapCycleFile::write(dir.path(), {}), QString());
        QCOMPARE(TestFiles::read(dir.filePath(u"MapCycle.txt"_s)), QByteArray());

        const QString refused = MapCycleFile::write(dir.path(), {u"de_dust"_s, u"a,b"_s});
        QVERIFY2(refused.contains(u"\"a,b\""_s), qPrintable(refused));
        QVERIFY(MapCycleFile::write(dir.path(), {u" de_dust"_s}).contains(u"begins with a blank"_s));
    }

    void listsTheMapFiles()
    {
        QTemporaryDir dir;
        QVERIFY(!MapFolder::list(dir.path()).folderFound);
        for (const char *name : {"b.bsp", "A.BSP", "c.bsp.txt", "de_dust.rw1", ".bsp"})
            TestFiles::write(dir.filePath(u"Maps/"_s + QLatin1StringView(name)), {});
        const MapFolder::Listing listing = MapFolder::list(dir.path());
        QVERIFY(listing.folderFound);
        QCOMPARE(listing.fileNames, (QStringList{u"A.BSP"_s, u"b.bsp"_s}));
        QCOMPARE(MapFolder::entryName(u"A.BSP"_s), u"A"_s);
    }

    void drawsDistinctMaps_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("drawn");       // -1: refused with the message below
        QTest::addColumn<QString>("message"); // a part of it
        const QString tooMany = u"Number Of Maps Available"_s;
        const QString notANumber = u"whole number"_s;
        QTest::newRow("all five of five") << bspFiles(5) << u"5"_s << 5 << QString();
        QTest::newRow("six of five") << bspFiles(5) << u"6"_s << -1 << tooMany;
        QTest::newRow("none") << bspFiles(5) << u"0"_s << 0 << QString();
        QTest::newRow("none of none") << QStringList() << u" 0 "_s << 0 << QString();
        QTest::newRow("not a number") << bspFiles(5) << u"ten"_s << -1 << notANumber;
        QTest::newRow("negative") << bspFiles(5) << u"-1"_s << -1 << notANumber;
        QTest::newRow("two files, one map") << QStringList{u"a.bsp"_s, u"a.BSP"_s} << u"2"_s << -1 << tooMany;
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
        QVERIFY(ramBot.lackMessage().contains(u"RamBot"_s));
        // An add-on that plays every map, the plain game, and no choice at all mark nothing.
        for (const QString &botName : {u"RealBot"_s, u"Original CS"_s, QString()})
            QVERIFY2(!WaypointCheck(dir.path(), botName).lacks(u"cs_office"_s), qPrintable(botName));
    }

    void splitsTheMessageIntoLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("two lines") << u"Welcome\nHave fun\n"_s << "Welcome\r\nHave fun\r\n"_ba;
        QTest::newRow("last line without a break") << u"Welcome\nHave fun"_s << "Welcome\r\nHave fun\r\n"_ba;
        QTest::newRow("empty line inside") << u"Welcome\n\nHave fun\n"_s << "Welcome\r\n\r\nHave fun\r\n"_ba;
        QTest::newRow("empty text") << QString() << QByteArray();
        QTest::newRow("only a break") << u"\n"_s << "\r\n"_ba;
    }

    void splitsTheMessageIntoLines()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, file);
        QTemporaryDir dir;
        QCOMPARE(MotdFile::write(dir.path(), text), QString());
        QCOMPARE(TestFiles::read(dir.filePath(u"motd.txt"_s)), file);
        // Read back, the file shows the text with every line ended by a break.
        QCOMPARE(MotdFile::read(dir.path()).text, text.isEmpty() || text.endsWith(u'\n') ? text : text + u'\n');
    }

    void readsTheMessage_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text");
        QTest::newRow("CR LF and a last line without one")
            << "Welcome\r\n\r\nHave fun"_ba << u"Welcome\n\nHave fun\n"_s;
        // The editor writes a CR as a line break: read the same way, the message comes back as it was.
        QTest::newRow("a lone CR ends a line") << "Welcome\rHave fun\r\r\n"_ba << u"Welcome\nHave fun\n\n"_s;
    }

    void readsTheMessage()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        QCOMPARE(MotdFile::parse(file), text);
        QCOMPARE(MotdFile::parse(TextLines::join(MotdFile::lines(text))), text);
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
