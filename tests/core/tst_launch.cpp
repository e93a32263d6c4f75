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
    void startsTheLauncher_data();
    void startsTheLauncher();
#endif
};

void TestLaunch::variantReplacesLiblist_data()
{
    QTest::addColumn<QString>("botName");
    QTest::addColumn<QString>("variantOnDisk");
    QTest::addColumn<QString>("liblistOnDisk"); // empty: the folder has none
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

void TestLaunch::startsTheLauncher_data()
{
    QTest::addColumn<QStringList>("launchers"); // recording scripts in the Half-Life folder; "wine" goes on PATH
    QTest::addColumn<bool>("executable");
    QTest::addColumn<QString>("used"); // empty: refused
    // The working folder below the temporary one, then the arguments; for a refusal, a part of the problem.
    QTest::addColumn<QStringList>("run");
    // The game runs in the Half-Life folder, as the batch file's "cd.." would have it.
    const QStringList native{u"Half-Life"_s, u"-console"_s, u"-game"_s, u"cstrike"_s};
    QTest::newRow("hl_linux") << QStringList{u"hl_linux"_s} << true << u"hl_linux"_s << native;
    QTest::newRow("hl.sh before hl_linux and hl.exe")
        << QStringList{u"hl_linux"_s, u"hl.sh"_s, u"hl.exe"_s} << true << u"hl.sh"_s << native;
    QTest::newRow("hl.sh without its executable bit") << QStringList{u"hl.sh"_s} << false << u"sh"_s << native;
    QTest::newRow("the Windows game through Wine")
        << QStringList{u"HL.EXE"_s, u"wine"_s} << true << u"wine"_s
        << QStringList{u"Half-Life/cstrike"_s, u"cmd"_s, u"/c"_s, u"hl.bat"_s};
    QTest::newRow("no game at all") << QStringList() << true << QString() << QStringList{u"hl.sh or hl_linux"_s};
    QTest::newRow("the Windows game without Wine")
        << QStringList{u"HL.EXE"_s} << true << QString() << QStringList{u"Wine"_s};
}

void TestLaunch::startsTheLauncher()
{
    QFETCH(QStringList, launchers);
    QFETCH(bool, executable);
    QFETCH(QString, used);
    QFETCH(QStringList, run);
    GameDirFixture game;
    QTemporaryDir bin;
    for (const QString &launcher : launchers) {
        const QString script = game.writeRecordingScript(launcher, executable);
        if (launcher == u"wine"_s)
            QVERIFY(QFile::rename(script, bin.filePath(launcher)));
    }
    const auto restorePath = qScopeGuard([old = qgetenv("PATH")] { qputenv("PATH", old); });
    // Where a launch is refused, only the scripts' folder is searched: a Wine on this machine is not found.
    qputenv("PATH", QFile::encodeName(bin.path()) + (used.isEmpty() ? QByteArray() : ':' + qgetenv("PATH")));
    QVERIFY(GameFolder::writeBatchFile(game.gameDir()));

    const LaunchCommand command = GameLauncher::command(game.gameDir());
    if (used.isEmpty()) {
        QVERIFY(!command.isRunnable());
        QVERIFY2(command.problem.contains(run.first()), qPrintable(command.problem));
        QVERIFY(command.problem.contains(QDir::toNativeSeparators(game.halfLifeDir())));
        return;
    }
    QVERIFY2(command.isRunnable(), qPrintable(command.problem));
    QCOMPARE(QFileInfo(command.program).fileName(), used);
    QVERIFY(Platform::start(command));
    run.first() = QDir(game.root() + u'/' + run.first()).canonicalPath();
    QCOMPARE(game.recordedRun(), run);
}

#endif

QTEST_GUILESS_MAIN(TestLaunch)
#include "tst_launch.moc"
