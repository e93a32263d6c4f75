#include "SteamLibraries.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestSteamLibraries : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void findsTheGameInEveryLibrary();
};

void TestSteamLibraries::parse_data()
{
    QTest::addColumn<QByteArray>("vdf");
    QTest::addColumn<QStringList>("libraries");
    QTest::addColumn<bool>("valid");
    QTest::newRow("sections with paths, nested apps")
        << QByteArray("\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"/home/u/.local/share/Steam\"\n"
                      "\t\t\"label\"\t\t\"\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"10\"\t\t\"123\"\n\t\t}\n\t}\n"
                      "\t\"1\"\n\t{\n\t\t\"path\"\t\t\"/mnt/games\"\n\t}\n}\n")
        << QStringList{u"/home/u/.local/share/Steam"_s, u"/mnt/games"_s} << true;
    QTest::newRow("older files: numbered values, a comment")
        << QByteArray("// written by Steam\n\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\t\"1\"\n"
                      "\t\"1\"\t\t\"D:\\\\Steam Library\"\n}\n")
        << QStringList{u"D:\\Steam Library"_s} << true;
    QTest::newRow("escaped quotes") << QByteArray("\"libraryfolders\" { \"0\" { \"path\" \"/a \\\"b\\\"\" } }")
                                    << QStringList{u"/a \"b\""_s} << true;
    QTest::newRow("empty") << QByteArray() << QStringList() << false;
    QTest::newRow("a brace too few") << QByteArray("\"libraryfolders\" { \"0\" { \"path\" \"/x\" }") << QStringList()
                                     << false;
    QTest::newRow("a string that never ends")
        << QByteArray("\"libraryfolders\" { \"0\" \"/x") << QStringList() << false;
}

void TestSteamLibraries::parse()
{
    QFETCH(QByteArray, vdf);
    QFETCH(QStringList, libraries);
    QFETCH(bool, valid);
    const std::optional<QStringList> parsed = SteamLibraries::parse(vdf);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, libraries);
}

void TestSteamLibraries::findsTheGameInEveryLibrary()
{
    QTemporaryDir home;
    QTemporaryDir games;
    const QString steam = home.filePath(u".local/share/Steam"_s);
    // Steam's own library, a second one it lists, one it lists that is gone, and a Wine prefix with the boxed game.
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
    // A broken library file is passed over.
    TestFiles::write(
        home.filePath(u".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/libraryfolders.vdf"_s),
        "\"libraryfolders\" {");

    const QStringList found = SteamLibraries::findGameFolders(home.path());

    const QStringList expected{
        QDir::toNativeSeparators(home.filePath(u".steam/steam/steamapps/common/Half-Life/cstrike"_s)),
        QDir::toNativeSeparators(games.filePath(u"steamapps/common/Half-Life/CSTRIKE"_s)),
        QDir::toNativeSeparators(home.filePath(u".wine/drive_c/Sierra/Half-Life/cstrike"_s))};
    QCOMPARE(found, expected);
    QCOMPARE(SteamLibraries::findGameFolders(games.path()), QStringList());
}

QTEST_GUILESS_MAIN(TestSteamLibraries)
#include "tst_steamlibraries.moc"
