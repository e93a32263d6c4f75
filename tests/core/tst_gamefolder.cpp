#include "BotCatalogue.h"
#include "FolderListing.h"
#include "GameDirFixture.h"
#include "GameFolder.h"
#include "SupportedMaps.h"

#include <QDir>
#include <QFile>
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

QTEST_GUILESS_MAIN(TestGameFolder)
#include "tst_gamefolder.moc"
