#include "GameDirFixture.h"
#include "GameFolder.h"
#include "GameLauncher.h"
#include "Platform.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestLaunch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void variantReplacesLiblist_data();
    void variantReplacesLiblist();
    void missingVariantKeepsLiblist();
#ifndef Q_OS_WIN
    void nativeLauncherGetsBatchArguments_data();
    void nativeLauncherGetsBatchArguments();
    void windowsGameRunsThroughWine();
    void missingLauncherIsExplained_data();
    void missingLauncherIsExplained();
#endif
};

void TestLaunch::variantReplacesLiblist_data()
{
    QTest::addColumn<QString>("botName");
    QTest::addColumn<QString>("variantOnDisk");
    QTest::addColumn<QString>("liblistOnDisk"); // empty: the folder has none
    QTest::newRow("add-on") << u"RamBot"_s << u"RamBot liblist.gam"_s << u"liblist.gam"_s;
    QTest::newRow("variant in upper case") << u"ReduBot"_s << u"REDUBOT LIBLIST.GAM"_s << u"liblist.gam"_s;
    QTest::newRow("no liblist.gam yet") << u"RamBot"_s << u"RamBot liblist.gam"_s << QString();
    QTest::newRow("liblist.gam in upper case") << u"RamBot"_s << u"RamBot liblist.gam"_s << u"LIBLIST.GAM"_s;
    QTest::newRow("the plain game") << u"Original CS"_s << u"OLD liblist.gam"_s << u"liblist.gam"_s;
    QTest::newRow("the plain game after a launch") << u"OLD"_s << u"OLD liblist.gam"_s << u"liblist.gam"_s;
}

void TestLaunch::variantReplacesLiblist()
{
    QFETCH(QString, botName);
    QFETCH(QString, variantOnDisk);
    QFETCH(QString, liblistOnDisk);
    GameDirFixture game;
    const QByteArray variant = "gamedll \"dlls\\variant.dll\"\r\nversion \"1.6\"\r\n";
    game.write(variantOnDisk, variant);
    if (!liblistOnDisk.isEmpty())
        game.write(liblistOnDisk, "gamedll \"dlls\\mp.dll\"\r\n");

    QCOMPARE(GameLauncher::activateVariant(game.gameDir(), botName), GameLauncher::Result::Done);
    QCOMPARE(game.read(liblistOnDisk.isEmpty() ? u"liblist.gam"_s : liblistOnDisk), variant);
    QCOMPARE(game.read(variantOnDisk), variant);
}

void TestLaunch::missingVariantKeepsLiblist()
{
    GameDirFixture game;
    game.write(u"liblist.gam"_s, "mine");
    game.write(u" liblist.gam"_s, "a stray file named like an unnamed choice's copy");
    // The chosen add-on's copy is gone, or nothing is chosen at all.
    for (const QString &botName : {u"RamBot"_s, QString()})
        QCOMPARE(GameLauncher::activateVariant(game.gameDir(), botName), GameLauncher::Result::VariantMissing);
    QCOMPARE(game.read(u"liblist.gam"_s), QByteArray("mine"));
}

#ifndef Q_OS_WIN

void TestLaunch::nativeLauncherGetsBatchArguments_data()
{
    QTest::addColumn<QStringList>("launchers");
    QTest::addColumn<bool>("executable");
    QTest::addColumn<QString>("used");
    QTest::newRow("hl_linux") << QStringList{u"hl_linux"_s} << true << u"hl_linux"_s;
    QTest::newRow("hl.sh before hl_linux and hl.exe")
        << QStringList{u"hl_linux"_s, u"hl.sh"_s, u"hl.exe"_s} << true << u"hl.sh"_s;
    QTest::newRow("hl.sh without its executable bit") << QStringList{u"hl.sh"_s} << false << u"sh"_s;
}

void TestLaunch::nativeLauncherGetsBatchArguments()
{
    QFETCH(QStringList, launchers);
    QFETCH(bool, executable);
    QFETCH(QString, used);
    GameDirFixture game;
    for (const QString &launcher : launchers)
        game.writeRecordingScript(launcher, executable);
    QVERIFY(GameFolder::writeBatchFile(game.gameDir()));

    const LaunchCommand command = GameLauncher::command(game.gameDir());
    QVERIFY2(command.isRunnable(), qPrintable(command.problem));
    QCOMPARE(QFileInfo(command.program).fileName(), used);
    QVERIFY(Platform::start(command));
    // The game runs in the Half-Life folder, as the batch file's "cd.." would have it.
    QCOMPARE(game.recordedRun(),
             (QStringList{QDir(game.halfLifeDir()).canonicalPath(), u"-console"_s, u"-game"_s, u"cstrike"_s}));
}

void TestLaunch::windowsGameRunsThroughWine()
{
    GameDirFixture game;
    game.write(u"../hl.exe"_s, "MZ");
    QTemporaryDir bin;
    const QString wine = game.writeRecordingScript(u"wine"_s);
    QVERIFY(QFile::rename(wine, bin.filePath(u"wine"_s)));
    const auto restorePath = qScopeGuard([old = qgetenv("PATH")] { qputenv("PATH", old); });
    qputenv("PATH", QFile::encodeName(bin.path()) + ':' + qgetenv("PATH"));

    const LaunchCommand command = GameLauncher::command(game.gameDir());
    QVERIFY2(command.isRunnable(), qPrintable(command.problem));
    QVERIFY(Platform::start(command));
    QCOMPARE(game.recordedRun(), (QStringList{QDir(game.gameDir()).canonicalPath(), u"cmd"_s, u"/c"_s, u"hl.bat"_s}));
}

void TestLaunch::missingLauncherIsExplained_data()
{
    QTest::addColumn<bool>("windowsGame");
    QTest::addColumn<QString>("named");
    QTest::newRow("no game at all") << false << u"hl.sh or hl_linux"_s;
    QTest::newRow("windows game without wine") << true << u"Wine"_s;
}

void TestLaunch::missingLauncherIsExplained()
{
    QFETCH(bool, windowsGame);
    QFETCH(QString, named);
    GameDirFixture game;
    if (windowsGame)
        game.write(u"../HL.EXE"_s, "MZ");
    QTemporaryDir emptyBin;
    const auto restorePath = qScopeGuard([old = qgetenv("PATH")] { qputenv("PATH", old); });
    qputenv("PATH", QFile::encodeName(emptyBin.path()));

    const LaunchCommand command = GameLauncher::command(game.gameDir());
    QVERIFY(!command.isRunnable());
    QVERIFY2(command.problem.contains(named), qPrintable(command.problem));
    QVERIFY(command.problem.contains(QDir::toNativeSeparators(game.halfLifeDir())));
}

#endif

QTEST_GUILESS_MAIN(TestLaunch)
#include "tst_launch.moc"
