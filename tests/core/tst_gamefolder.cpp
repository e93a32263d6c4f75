#include "BotCatalogue.h"
#include "FolderFiles.h"
#include "GameDirFixture.h"
#include "GameFolder.h"
#include "Liblist.h"
#include "SteamLibraries.h"
#include "SupportedMaps.h"
#include "TestFiles.h"
#include "TextLines.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

// What the program reads in a game folder and around it: the marker, the batch file, liblist.gam and other 8-bit
// text, the map and waypoint files, and the Steam libraries that may hold the game.
class TestGameFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void validFolderHasTheMarker()
    {
        GameDirFixture game;
        game.write(u"maps/cstrike.ico"_s, "icon");
        QVERIFY(!GameFolder::isValid(game.gameDir()));
        game.write(u"CSTRIKE.ICO"_s, "icon");
        QVERIFY(GameFolder::isValid(game.gameDir()));
        QVERIFY(!GameFolder::isValid(QString()));
    }

    void batchFileIsWrittenWholeOrNotAtAll()
    {
        GameDirFixture game;
        // Without a batch file the game takes the arguments it would hold.
        QCOMPARE(GameFolder::gameArguments(game.gameDir()), (QStringList{u"-console"_s, u"-game"_s, u"cstrike"_s}));
        game.write(u"HL.BAT"_s, "an older, longer batch file that must be replaced whole\r\n");
        QVERIFY(GameFolder::writeBatchFile(game.gameDir()));
        QCOMPARE(game.read(u"HL.BAT"_s), QByteArray("@echo off\r\ncd..\r\nhl.exe -console -game cstrike\r\n"));
        // Replaced whole through a temporary file, which is not left beside it. Faults on the way are tried on
        // every write path in tst_filefaults.
        QCOMPARE(QDir(game.gameDir()).entryList(QDir::Files | QDir::Hidden), QStringList{u"HL.BAT"_s});
        // A batch file the user has extended is followed as it stands.
        game.write(u"HL.BAT"_s, "@echo off\r\ncd..\r\nhl.exe -console -game cstrike +map de_quarry\r\n");
        QCOMPARE(GameFolder::gameArguments(game.gameDir()),
                 (QStringList{u"-console"_s, u"-game"_s, u"cstrike"_s, u"+map"_s, u"de_quarry"_s}));

        // A link to a target name that is not valid UTF-8 used to be written under a mangled name and reported as
        // written.
        QVERIFY(QFile::remove(QDir(game.gameDir()).filePath(u"HL.BAT"_s)));
        QCOMPARE(::symlink("hl\xff.bat", QFile::encodeName(game.gameDir() + u"/hl.bat"_s).constData()), 0);
        QString error;
        QVERIFY(!GameFolder::writeBatchFile(game.gameDir(), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(QDir(game.gameDir()).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot),
                 QStringList{u"hl.bat"_s});
    }

    void readsLiblist_data()
    {
        QTest::addColumn<QByteArray>("bytes");  // null: there is no file
        QTest::addColumn<QStringList>("found"); // version, hlversion as shown and gamedll; "-" for none
        const QStringList none{u"-"_s, u"-"_s, u"-"_s};
        // Read as 8-bit text, the final line without a line break included.
        QTest::newRow("the last of each")
            << "game \"CS\"\r\n\r\nversion \"1.0\"\r\n//note\nhlversion \"1108\"\r\nversion \"1.6\"\r\n"
               "gamedll \"dlls\\\xe9t\xe9.dll\""_ba
            << QStringList{u"1.6"_s, u"1.1.0.8"_s, u"dlls\\\u00e9t\u00e9.dll"_s};
        // A value runs from the second character after the key's blank to the last but one, quotes or not.
        QTest::newRow("blanks inside the quotes, an empty value, no quotes")
            << "version \" 1.6 \"\r\nhlversion \"\"\r\ngamedll xdlls\\mp.dllx\r\n"_ba
            << QStringList{u" 1.6 "_s, u"..."_s, u"dlls\\mp.dll"_s};
        QTest::newRow("the key ends at the first blank")
            << "version x \"1.6\"\r\n"_ba << QStringList{u" \"1.6"_s, u"-"_s, u"-"_s};
        QTest::newRow("missing") << QByteArray() << none;
        QTest::newRow("odd lines, other keys")
            << "\r\n\r\nnoblank\r\nx \r\nhlversion \"\r\nVersion \"1.0\"\r\ngame \"x\"\r\n"_ba << none;
        QTest::newRow("short hlversion") << "hlversion \"110\""_ba << QStringList{u"-"_s, u"1.1.0."_s, u"-"_s};
        QTest::newRow("long hlversion") << "hlversion \"11081\""_ba << QStringList{u"-"_s, u"1.1.0.8"_s, u"-"_s};
    }

    void readsLiblist()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"liblist.gam"_s);
        if (!bytes.isNull())
            TestFiles::write(path, bytes);
        const LiblistInfo info = Liblist::read(path);
        const auto shown = [](const std::optional<QString> &value) {
            return value.value_or(u"-"_s);
        };
        const QString hl = info.hlversion ? Liblist::formatHlVersion(*info.hlversion) : u"-"_s;
        QTEST((QStringList{shown(info.version), hl, shown(info.gamedll)}), "found");
    }

    void linesOfAnyLength_data()
    {
        // Empty, one byte, and lengths on either side of the sixteen-byte steps in which line breaks are counted and
        // of the 255 steps after which the counts are summed.
        QTest::addColumn<QByteArray>("bytes");
        for (const int size : {0, 1, 15, 16, 17, 255 * 16, 255 * 16 + 17}) {
            QByteArray bytes;
            for (int i = 0; i < size; ++i)
                bytes += "\r\nab\n"[(i * 7 + i / 5) % 5];
            QTest::addRow("%d bytes", size) << bytes;
        }
        QTest::newRow("carriage return last in a step") << QByteArray(15, 'a') + "\r" + QByteArray(16, 'a');
        QTest::newRow("carriage return at the end") << QByteArray(40, '\n') + "\r";
    }

    void linesOfAnyLength()
    {
        QFETCH(QByteArray, bytes);
        // A carriage return last of all may yet be followed by its line feed.
        const qsizetype bare = QString::fromLatin1(bytes).indexOf(QRegularExpression(u"\r(?=[^\n])"_s));
        // In one pass, and in pieces that may end between a carriage return and its line feed.
        const TextLines::LineBreaks whole = TextLines::lineBreaks(bytes, 0, bytes.size());
        QCOMPARE(whole.lineFeeds, bytes.count('\n'));
        QCOMPARE(whole.bareCarriageReturn, bare);
        const qsizetype half = bytes.size() / 2;
        const TextLines::LineBreaks first = TextLines::lineBreaks(bytes, 0, half);
        const TextLines::LineBreaks second = TextLines::lineBreaks(bytes, half, bytes.size());
        QCOMPARE(first.lineFeeds + second.lineFeeds, bytes.count('\n'));
        QCOMPARE(first.bareCarriageReturn >= 0 ? first.bareCarriageReturn : second.bareCarriageReturn, bare);
        // The first and the last line feed, and one past the last.
        const qsizetype feeds = bytes.count('\n');
        QCOMPARE(TextLines::nthLineFeed(bytes, 1), bytes.indexOf('\n'));
        QCOMPARE(TextLines::nthLineFeed(bytes, qMax(feeds, 1)), bytes.lastIndexOf('\n'));
        QCOMPARE(TextLines::nthLineFeed(bytes, feeds + 1), -1);
        // Lines end at a line feed, taking a carriage return just before it along; a lone one stays in its line, but
        // for one last of all.
        QStringList lines = QString::fromLatin1(bytes).split(QRegularExpression(u"\r?\n|\r\\z"_s));
        if (lines.constLast().isEmpty())
            lines.removeLast();
        QCOMPARE(TextLines::split(bytes), lines);
        QCOMPARE(TextLines::split(TextLines::join(lines)), lines);
        QCOMPARE(TextLines::Cursor(bytes).remaining(), lines.size());
    }

    void supportedMaps_data()
    {
        QTest::addColumn<BotType>("bot");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("shown");
        // Which names end in a suffix is picksFilesByTheirEnd's business, their order sortsByFoldedNames'.
        QTest::newRow("sorted, only the add-on's suffix")
            << BotType::AndroidBot
            << QStringList{u"maps/de_dust.awp"_s, u"maps/cs_office.awp"_s, u"maps/As_oil.awp"_s, u"maps/de_aztec.bsp"_s}
            << u"As_oil, cs_office, de_dust"_s;
        QTest::newRow("podbot folder") << BotType::PodBot
                                       << QStringList{u"podbot/de_dust.pwf"_s, u"maps/cs_office.pwf"_s} << u"de_dust"_s;
        QTest::newRow("empty maps folder") << BotType::BobaBot << QStringList{u"maps/readme.txt"_s} << QString();
        QTest::newRow("add-on for every map") << BotType::RealBot << QStringList() << u"All"_s;
    }

    void supportedMaps()
    {
        QFETCH(BotType, bot);
        QFETCH(QStringList, files);
        GameDirFixture game;
        for (const QString &file : files)
            game.write(file, "w");
        QTEST(SupportedMaps::text(game.gameDir(), BotCatalogue::info(bot)), "shown");
    }

    void sortsByFoldedNames_data()
    {
        // Sorted by their folded names, and names that fold alike by their own. '_', which lies between the upper
        // and the lower case letters, sorts first; the Kelvin sign folds to a plain k; sixteen characters are
        // compared at once.
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("none") << QStringList() << QStringList();
        QTest::newRow("one") << QStringList{u"b"_s} << QStringList{u"b"_s};
        QTest::newRow("case, '_', beyond ASCII")
            << QStringList{u"b"_s, u"_"_s, u"K"_s, u"\u212a"_s, u"k"_s, u"A"_s, u"\u00e9"_s, u"\u00c9"_s}
            << QStringList{u"_"_s, u"A"_s, u"b"_s, u"K"_s, u"k"_s, u"\u212a"_s, u"\u00c9"_s, u"\u00e9"_s};
        QTest::newRow("differing at and past the sixteenth character")
            << QStringList{u"de_bench_long_nB"_s, u"de_bench_long_nameb"_s, u"de_bench_long_na"_s,
                           u"de_bench_long_nameA"_s, u"de_bench_long_n_"_s}
            << QStringList{u"de_bench_long_n_"_s, u"de_bench_long_na"_s, u"de_bench_long_nameA"_s,
                           u"de_bench_long_nameb"_s, u"de_bench_long_nB"_s};
    }

    void sortsByFoldedNames()
    {
        QFETCH(QStringList, names);
        FolderFiles::sortCaseBlind(names);
        QTEST(names, "sorted");
    }

    void picksFilesByTheirEnd()
    {
        QTemporaryDir dir;
        for (const QString &name :
             {u"a.bsp"_s, u"B.BSP"_s, u".bsp"_s, u"d.bsp.rw1"_s, u"e.rw1.bsp"_s, u"f.txt"_s, u"x.b\u017fp"_s})
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
        QCOMPARE(taken, (QStringList{u"0 B.BSP"_s, u"0 a.bsp"_s, u"0 broken.bsp"_s, u"0 e.rw1.bsp"_s, u"0 link.bsp"_s,
                                     u"0 x.b\u017fp"_s, u"1 d.bsp.rw1"_s}));
        taken.clear();
        FolderFiles::walk(dir.filePath(u"missing"_s), {u".bsp"}, take);
        QCOMPARE(taken, QStringList());
    }

    void readsSteamLibraryLists_data()
    {
        QTest::addColumn<QByteArray>("vdf");
        QTest::addColumn<QStringList>("libraries"); // "-" alone: not such a file
        QTest::newRow("sections with paths, nested apps")
            << "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"/home/u/.local/share/Steam\"\n"
               "\t\t\"label\"\t\t\"\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"10\"\t\t\"123\"\n\t\t}\n\t}\n"
               "\t\"1\"\n\t{\n\t\t\"path\"\t\t\"/mnt/games\"\n\t}\n}\n"_ba
            << QStringList{u"/home/u/.local/share/Steam"_s, u"/mnt/games"_s};
        QTest::newRow("escaped quotes") << "\"libraryfolders\" { \"0\" { \"path\" \"/a \\\"b\\\"\" } }"_ba
                                        << QStringList{u"/a \"b\""_s};
        QTest::newRow("a brace too few") << "\"libraryfolders\" { \"0\" { \"path\" \"/x\" }"_ba << QStringList{u"-"_s};
    }

    void readsSteamLibraryLists()
    {
        QFETCH(QByteArray, vdf);
        QTEST(SteamLibraries::parse(vdf).value_or(QStringList{u"-"_s}), "libraries");
    }

    void findsTheGameInEveryLibrary()
    {
        QTemporaryDir home;
        QTemporaryDir games;
        const QString steam = home.filePath(u".local/share/Steam"_s);
        // Steam's own library, a second one it lists, one it lists that is gone, and a Wine prefix with the boxed
        // game.
        TestFiles::write(
            steam + u"/steamapps/libraryfolders.vdf"_s,
            u"\"libraryfolders\" { \"0\" { \"path\" \"%1\" } \"1\" { \"path\" \"%2\" } \"2\" { \"path\" \"/gone\" } }"_s
                .arg(steam, games.path())
                .toUtf8());
        TestFiles::write(steam + u"/steamapps/common/Half-Life/cstrike/cstrike.ico"_s, {});
        TestFiles::write(games.filePath(u"steamapps/common/Half-Life/CSTRIKE/liblist.gam"_s), {});
        TestFiles::write(home.filePath(u".wine/drive_c/Sierra/Half-Life/cstrike/liblist.gam"_s), {});
        // The same Steam install, reached by the older client's link, counts once.
        QVERIFY(QDir(home.path()).mkdir(u".steam"_s));
        QVERIFY(QFile::link(steam, home.filePath(u".steam/steam"_s)));
        QCOMPARE(
            SteamLibraries::findGameFolders(home.path()),
            (QStringList{QDir::toNativeSeparators(home.filePath(u".steam/steam/steamapps/common/Half-Life/cstrike"_s)),
                         QDir::toNativeSeparators(games.filePath(u"steamapps/common/Half-Life/CSTRIKE"_s)),
                         QDir::toNativeSeparators(home.filePath(u".wine/drive_c/Sierra/Half-Life/cstrike"_s))}));
    }
};

QTEST_GUILESS_MAIN(TestGameFolder)
#include "tst_gamefolder.moc"
