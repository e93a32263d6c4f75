#include "BotCatalogue.h"
#include "FolderFiles.h"
#include "GameDirFixture.h"
#include "GameFolder.h"
#include "SupportedMaps.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

class TestGameFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void validFolderHasTheMarker();
    void splitsModAndHalfLifeFolder_data();
    void splitsModAndHalfLifeFolder();
    void batchFileIsExact();
    void danglingLinkToUnnamableFileIsNotWritten();
    void supportedMaps_data();
    void supportedMaps();
    void sortsByFoldedNames();
    void picksFilesByTheirEnd();
};

void TestGameFolder::validFolderHasTheMarker()
{
    GameDirFixture game;
    game.write(u"maps/cstrike.ico"_s, "icon");
    QVERIFY(!GameFolder::isValid(game.gameDir()));
    game.write(u"CSTRIKE.ICO"_s, "icon");
    QVERIFY(GameFolder::isValid(game.gameDir()));
    QVERIFY(!GameFolder::isValid(QString()));
}

void TestGameFolder::splitsModAndHalfLifeFolder_data()
{
    QTest::addColumn<QString>("gameDir");
    QTest::addColumn<QString>("modFolder");
    QTest::addColumn<QString>("halfLifeDir");
    QTest::newRow("usual") << u"/games/Half-Life/cstrike"_s << u"cstrike"_s << u"/games/Half-Life"_s;
    QTest::newRow("no separator") << u"cstrike"_s << u"cstrike"_s << QString();
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
    // Without a batch file the game takes the arguments it would hold.
    QCOMPARE(GameFolder::gameArguments(game.gameDir()), (QStringList{u"-console"_s, u"-game"_s, u"cstrike"_s}));
    game.write(u"HL.BAT"_s, "an older, longer batch file that must be replaced whole\r\n");
    QVERIFY(GameFolder::writeBatchFile(game.gameDir()));
    QCOMPARE(game.read(u"HL.BAT"_s), QByteArray("@echo off\r\ncd..\r\nhl.exe -console -game cstrike\r\n"));
    // Replaced whole through a temporary file, which is not left beside it. Faults on the way are tried on every
    // write path in tst_writefaults.
    QCOMPARE(QDir(game.gameDir()).entryList(QDir::Files | QDir::Hidden), QStringList{u"HL.BAT"_s});
    // A batch file the user has extended is followed as it stands.
    game.write(u"HL.BAT"_s, "@echo off\r\ncd..\r\nhl.exe -console -game cstrike +map de_quarry\r\n");
    QCOMPARE(GameFolder::gameArguments(game.gameDir()),
             (QStringList{u"-console"_s, u"-game"_s, u"cstrike"_s, u"+map"_s, u"de_quarry"_s}));
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

void TestGameFolder::supportedMaps_data()
{
    QTest::addColumn<BotType>("bot");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("shown");
    // Which names end in a suffix is picksFilesByTheirEnd's business, their order sortsByFoldedNames'.
    QTest::newRow("sorted, only the add-on's suffix")
        << BotType::AndroidBot
        << QStringList{u"maps/de_dust.awp"_s, u"maps/cs_office.awp"_s, u"maps/As_oil.awp"_s, u"maps/de_aztec.bsp"_s}
        << u"As_oil, cs_office, de_dust"_s;
    QTest::newRow("folder and suffix in other case")
        << BotType::HPBBot << QStringList{u"MAPS/DE_DUST.WPT"_s} << u"DE_DUST"_s;
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

void TestGameFolder::sortsByFoldedNames()
{
    // Names of letters that fold together, of '_' (between the upper and the lower case letters), of letters
    // outside ASCII (the Kelvin sign folds to a plain k), sharing prefixes up to and past the sixteen characters
    // compared at once: sorted by their folded names, and names that fold alike by their own.
    const QString letters = u"aAbB_kK\u212a\u00e9\u00c9"_s;
    QRandomGenerator random(3);
    for (int round = 0; round < 300; ++round) {
        const bool ascii = round % 2 == 0;
        QStringList names;
        for (int count = random.bounded(9); count > 0; --count) {
            QString name = u"de_bench_long_name"_s.left(random.bounded(19));
            for (int tail = random.bounded(4); tail > 0; --tail)
                name += letters.at(random.bounded(ascii ? 7 : int(letters.size())));
            names.append(name);
        }
        QStringList sorted = names;
        std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
            return a.toCaseFolded() != b.toCaseFolded() ? a.toCaseFolded() < b.toCaseFolded() : a < b;
        });
        FolderFiles::sortCaseBlind(names);
        QCOMPARE(names, sorted);
    }
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
