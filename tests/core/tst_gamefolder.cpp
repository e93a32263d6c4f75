#include "BotCatalogue.h"
#include "FolderFiles.h"
#include "FolderListing.h"
#include "GameDirFixture.h"
#include "GameFolder.h"
#include "SupportedMaps.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

class TestGameFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findsNamesInAnyCase_data();
    void findsNamesInAnyCase();
    void validFolderHasMarker_data();
    void validFolderHasMarker();
    void splitsModAndHalfLifeFolder_data();
    void splitsModAndHalfLifeFolder();
    void batchFileIsExact();
    void gameArgumentsComeFromBatchFile();
    void danglingLinkToUnnamableFileIsNotWritten();
    void supportedMaps_data();
    void supportedMaps();
    void sortsByFoldedNames_data();
    void sortsByFoldedNames();
    void picksFilesByTheirEnd();
};

void TestGameFolder::findsNamesInAnyCase_data()
{
    QTest::addColumn<QString>("onDisk");
    QTest::addColumn<QString>("lookedUp");
    QTest::addColumn<bool>("found");
    QTest::newRow("mixed case") << u"RamBot liblist.gam"_s << u"RAMBOT liblist.gam"_s << true;
    QTest::newRow("upper case on disk") << u"REDUBOT LIBLIST.GAM"_s << u"ReduBot liblist.gam"_s << true;
    QTest::newRow("underscore for the blank") << u"RamBot_liblist.gam"_s << u"RAMBOT liblist.gam"_s << false;
    QTest::newRow("empty name") << u"x"_s << QString() << false;
}

void TestGameFolder::findsNamesInAnyCase()
{
    QFETCH(QString, onDisk);
    QFETCH(QString, lookedUp);
    QFETCH(bool, found);
    GameDirFixture game;
    game.write(onDisk, "x");
    const QString path = FolderListing(game.gameDir()).find(lookedUp);
    QCOMPARE(!path.isEmpty(), found);
    if (found)
        QCOMPARE(QFileInfo(path).fileName(), onDisk);
}

void TestGameFolder::validFolderHasMarker_data()
{
    QTest::addColumn<QString>("marker");
    QTest::addColumn<bool>("valid");
    QTest::newRow("lower case") << u"cstrike.ico"_s << true;
    QTest::newRow("upper case") << u"CSTRIKE.ICO"_s << true;
    QTest::newRow("other icon") << u"valve.ico"_s << false;
    QTest::newRow("marker in a subfolder") << u"maps/cstrike.ico"_s << false;
}

void TestGameFolder::validFolderHasMarker()
{
    QFETCH(QString, marker);
    GameDirFixture game;
    game.write(marker, "icon");
    QTEST(GameFolder::isValid(game.gameDir()), "valid");
    QVERIFY(!GameFolder::isValid(QString()));
}

void TestGameFolder::splitsModAndHalfLifeFolder_data()
{
    QTest::addColumn<QString>("gameDir");
    QTest::addColumn<QString>("modFolder");
    QTest::addColumn<QString>("halfLifeDir");
    QTest::newRow("usual") << u"/games/Half-Life/cstrike"_s << u"cstrike"_s << u"/games/Half-Life"_s;
    QTest::newRow("no separator") << u"cstrike"_s << u"cstrike"_s << QString();
    QTest::newRow("root") << u"/"_s << QString() << QString();
#ifdef Q_OS_WIN
    QTest::newRow("windows") << u"C:\\Games\\Half-Life\\cstrike"_s << u"cstrike"_s << u"C:\\Games\\Half-Life"_s;
#endif
}

void TestGameFolder::splitsModAndHalfLifeFolder()
{
    QFETCH(QString, gameDir);
    QTEST(GameFolder::modFolder(gameDir), "modFolder");
    QTEST(GameFolder::halfLifeDir(gameDir), "halfLifeDir");
}

void TestGameFolder::batchFileIsExact()
{
    GameDirFixture game;
    game.write(u"hl.bat"_s, "an older, longer batch file that must be replaced whole\r\n");
    QVERIFY(GameFolder::writeBatchFile(game.gameDir()));
    QCOMPARE(game.read(u"hl.bat"_s), QByteArray("@echo off\r\ncd..\r\nhl.exe -console -game cstrike\r\n"));
    // Replaced whole through a temporary file, which is not left beside it. Faults on the way are tried on every
    // write path in tst_writefaults.
    QCOMPARE(QDir(game.gameDir()).entryList(QDir::Files | QDir::Hidden), QStringList{u"hl.bat"_s});
}

void TestGameFolder::danglingLinkToUnnamableFileIsNotWritten()
{
    GameDirFixture game;
    const QByteArray link = QFile::encodeName(QDir(game.gameDir()).filePath(u"hl.bat"_s));
    // A target name that is not valid UTF-8 used to be written under a mangled name and reported as written.
    QCOMPARE(::symlink("hl\xff.bat", link.constData()), 0);
    QString error;
    QVERIFY(!GameFolder::writeBatchFile(game.gameDir(), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(QDir(game.gameDir()).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot),
             QStringList{u"hl.bat"_s});
}

void TestGameFolder::gameArgumentsComeFromBatchFile()
{
    GameDirFixture game;
    QCOMPARE(GameFolder::gameArguments(game.gameDir()), (QStringList{u"-console"_s, u"-game"_s, u"cstrike"_s}));
    // A batch file the user has extended is followed as it stands.
    game.write(u"HL.BAT"_s, "@echo off\r\ncd..\r\nhl.exe -console -game cstrike +map de_quarry\r\n");
    QCOMPARE(GameFolder::gameArguments(game.gameDir()),
             (QStringList{u"-console"_s, u"-game"_s, u"cstrike"_s, u"+map"_s, u"de_quarry"_s}));
}

void TestGameFolder::supportedMaps_data()
{
    QTest::addColumn<BotType>("bot");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("shown");
    QTest::newRow("sorted without regard to case")
        << BotType::AndroidBot << QStringList{u"maps/de_dust.awp"_s, u"maps/cs_office.awp"_s, u"maps/As_oil.awp"_s}
        << u"As_oil, cs_office, de_dust"_s;
    QTest::newRow("only the add-on's suffix")
        << BotType::RamBot << QStringList{u"maps/de_dust.rw1"_s, u"maps/de_dust.bsp"_s, u"maps/x.rw10"_s}
        << u"de_dust"_s;
    QTest::newRow("suffix in any case") << BotType::RamBot << QStringList{u"maps/DE_CANAL.RW1"_s} << u"DE_CANAL"_s;
    QTest::newRow("five-character suffix") << BotType::SwatBot << QStringList{u"maps/de_dust.swat"_s} << u"de_dust"_s;
    QTest::newRow("maps folder in other case") << BotType::HPBBot << QStringList{u"MAPS/de_dust.wpt"_s} << u"de_dust"_s;
    QTest::newRow("podbot folder") << BotType::PodBot << QStringList{u"podbot/de_dust.pwf"_s, u"maps/cs_office.pwf"_s}
                                   << u"de_dust"_s;
    QTest::newRow("empty maps folder") << BotType::BobaBot << QStringList{u"maps/readme.txt"_s} << QString();
    QTest::newRow("add-on for every map") << BotType::RealBot << QStringList() << u"All"_s;
}

void TestGameFolder::supportedMaps()
{
    QFETCH(BotType, bot);
    QFETCH(QStringList, files);
    GameDirFixture game;
    for (const QString &file : files)
        game.write(file, "w");
    QTEST(SupportedMaps::text(game.gameDir(), BotCatalogue::info(bot)), "shown");
}

void TestGameFolder::sortsByFoldedNames_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("sorted");
    QTest::newRow("none") << QStringList() << QStringList();
    QTest::newRow("case alone tells apart")
        << QStringList{u"b"_s, u"a"_s, u"B"_s, u"A"_s} << QStringList{u"A"_s, u"a"_s, u"B"_s, u"b"_s};
    // '_' lies between the upper and the lower case letters: only folded names put it first.
    QTest::newRow("folded before compared") << QStringList{u"DEB"_s, u"de_x"_s} << QStringList{u"de_x"_s, u"DEB"_s};
    QTest::newRow("shorter first") << QStringList{u"abc"_s, u"ab"_s, u"AB"_s}
                                   << QStringList{u"AB"_s, u"ab"_s, u"abc"_s};
    QTest::newRow("past sixteen characters")
        << QStringList{u"de_bench_long_nameB"_s, u"de_bench_long_namea"_s, u"DE_BENCH_LONG_NAMEA"_s,
                       u"de_bench_long_nam"_s, u"de_bench_long_na"_s}
        << QStringList{u"de_bench_long_na"_s, u"de_bench_long_nam"_s, u"DE_BENCH_LONG_NAMEA"_s,
                       u"de_bench_long_namea"_s, u"de_bench_long_nameB"_s};
    QTest::newRow("outside ASCII") << QStringList{u"\u00c9mile"_s, u"zulu"_s, u"emile"_s, u"\u00e9a"_s}
                                   << QStringList{u"emile"_s, u"zulu"_s, u"\u00e9a"_s, u"\u00c9mile"_s};
    // The Kelvin sign folds to a plain k.
    QTest::newRow("folds to ASCII") << QStringList{u"kb"_s, u"\u212aa"_s, u"Ka"_s}
                                    << QStringList{u"Ka"_s, u"\u212aa"_s, u"kb"_s};
}

void TestGameFolder::sortsByFoldedNames()
{
    QFETCH(QStringList, names);
    FolderFiles::sortCaseBlind(names);
    QTEST(names, "sorted");
}

void TestGameFolder::picksFilesByTheirEnd()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString &name : {u"a.bsp"_s, u"B.BSP"_s, u".bsp"_s, u".hidden.bsp"_s, u"c.rw1"_s, u"d.bsp.rw1"_s,
                                u"e.rw1.bsp"_s, u"f.txt"_s, u"g.RW1"_s, u"\u00e9.rw1"_s, u"x.b\u017fp"_s})
        TestFiles::write(dir.filePath(name), {});
    QVERIFY(QDir(dir.path()).mkdir(u"folder.bsp"_s));
    QVERIFY(QFile::link(dir.filePath(u"a.bsp"_s), dir.filePath(u"link.bsp"_s)));
    QVERIFY(QFile::link(dir.filePath(u"folder.bsp"_s), dir.filePath(u"folderlink.bsp"_s)));
    QVERIFY(QFile::link(dir.filePath(u"gone"_s), dir.filePath(u"broken.bsp"_s)));

    QStringList taken;
    const auto take = [&taken](qsizetype suffix, const QString &name) {
        taken.append(u"%1 %2"_s.arg(suffix).arg(name));
    };
    FolderFiles::walk(dir.path(), {u".bsp", u".rw1"}, take);
    taken.sort();
    // Folders and links to them are left out, as is a name that is all suffix; a long s folds to an s, as in
    // QString's comparison without regard to case.
    QCOMPARE(taken,
             (QStringList{u"0 .hidden.bsp"_s, u"0 B.BSP"_s, u"0 a.bsp"_s, u"0 broken.bsp"_s, u"0 e.rw1.bsp"_s,
                          u"0 link.bsp"_s, u"0 x.b\u017fp"_s, u"1 c.rw1"_s, u"1 d.bsp.rw1"_s, u"1 g.RW1"_s,
                          u"1 \u00e9.rw1"_s}));

    taken.clear();
    FolderFiles::walk(dir.path(), {QStringView()}, take);
    FolderFiles::walk(dir.filePath(u"missing"_s), {u".bsp"}, take);
    FolderFiles::walk(QString(), {u".bsp"}, take);
    QCOMPARE(taken, QStringList());
}

QTEST_GUILESS_MAIN(TestGameFolder)
#include "tst_gamefolder.moc"
