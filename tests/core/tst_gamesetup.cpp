#include "AddOnSetup.h"
#include "AppSettings.h"
#include "AutostartFile.h"
#include "GameDescriptor.h"
#include "GameDirFixture.h"
#include "GameFolder.h"
#include "GameLauncher.h"
#include "GameSetup.h"
#include "Liblist.h"
#include "Platform.h"
#include "Session.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr AppSettings::Family autostart = AppSettings::Family::AutostartFile;

QByteArray rosterOf(const QString &botName, const QByteArray &version = "2.0")
{
    return TestFiles::roster(botName).replace("Trevlin 2.0", "Trevlin " + version);
}

} // namespace

// What the program does to the game folder before the game starts: the folder's choice at start and by the user,
// the add-on's liblist.gam, the launch itself and the roster file an add-on runs at start.
class TestGameSetup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUpOutcomes_data()
    {
        QTest::addColumn<bool>("stored");           // the settings name the folder
        QTest::addColumn<bool>("given");            // the folder is given for this run, relative to the current one
        QTest::addColumn<QByteArray>("oldLiblist"); // empty: no "OLD liblist.gam"; "/": a folder of that name
        QTest::addColumn<GameSetup::StartUp>("outcome");
        QTest::addColumn<QString>("installedVersion");
        QTest::addColumn<QString>("warning"); // a part of it
        const auto row = [](const char *name, bool stored, bool given, const QByteArray &oldLiblist,
                            GameSetup::StartUp outcome, const QString &version = {}, const QString &warning = {}) {
            QTest::newRow(name) << stored << given << oldLiblist << outcome << version << warning;
        };
        row("nothing stored", false, false, {}, GameSetup::StartUp::NoDirectory);
        row("not set up", true, false, {}, GameSetup::StartUp::NotSetUp);
        row("ready", true, false, "version \"1.5\"\r\n", GameSetup::StartUp::Ready, u"1.5"_s);
        row("no version line", true, false, "game \"cs\"\r\n", GameSetup::StartUp::Ready);
        // Found by name, but no file that can be read.
        row("unreadable", true, false, "/", GameSetup::StartUp::Ready, {}, u"OLD liblist.gam"_s);
        row("a relative folder for this run", false, true, "version \"1.5\"\r\n", GameSetup::StartUp::Ready, u"1.5"_s);
    }

    void startUpOutcomes()
    {
        QFETCH(bool, stored);
        QFETCH(bool, given);
        QFETCH(QByteArray, oldLiblist);
        QFETCH(GameSetup::StartUp, outcome);
        QFETCH(QString, warning);
        GameDirFixture game;
        const auto settings = game.makeSettings();
        if (stored) {
            settings->setValue(AppSettings::Key::GameDir, game.gameDir());
            settings->setValue(AppSettings::Key::HalfLifeDir, u"/remembered"_s);
        }
        if (oldLiblist == "/")
            QVERIFY(QDir(game.gameDir()).mkdir(u"OLD liblist.gam"_s));
        else if (!oldLiblist.isEmpty())
            game.write(u"old LIBLIST.gam"_s, oldLiblist);

        Session session;
        const QString folder = given ? QDir(session.currentFolder()).relativeFilePath(game.gameDir()) : QString();
        QString warned;
        QCOMPARE(GameSetup::startUp(session, *settings, folder, &warned), outcome);
        QVERIFY2(warning.isEmpty() ? warned.isEmpty() : warned.contains(warning), qPrintable(warned));
        QCOMPARE(session.isDirectoryValid(), outcome == GameSetup::StartUp::Ready);
        QTEST(session.installedCsVersion(), "installedVersion");
        // A folder given is held whole, so that no later change of the current folder moves it.
        QCOMPARE(session.gameDir(), stored || given ? game.gameDir() : QString());
        QCOMPARE(session.halfLifeDir(), stored ? u"/remembered"_s : given ? game.halfLifeDir() : QString());
        // Entered, the game folder is the one names without a folder are taken from.
        QCOMPARE(session.enterGameDir() ? session.currentFolder() : QString(), session.gameDir());
    }

    void keepTheGamesOwnDescriptor_data()
    {
        using Kind = GameDescriptor::Finding::Kind;
        QTest::addColumn<QByteArray>("liblist"); // empty: none; "/": a folder of that name
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("library"); // as the file names it
        const bool windows = QSysInfo::productType() == u"windows"_s;
        const QByteArray cs = "game \"Counter-Strike\"\r\n";
        QTest::newRow("Windows key") << cs + "gamedll \"dlls\\mp.dll\"\r\n" << Kind::Stock << u"dlls\\mp.dll"_s;
        // LF line ends and no last line end: the copy is the game's file, not a rewrite of it.
        QTest::newRow("Linux key, another case and slash")
            << "game \"cs\"\ngamedll \"dlls\\bot.dll\"\ngamedll_linux \"DLLS\\CS.SO\""_ba
            << (windows ? Kind::OtherLibrary : Kind::Stock) << (windows ? u"dlls\\bot.dll"_s : u"DLLS\\CS.SO"_s);
        QTest::newRow("older Linux build") << cs + "gamedll \"dlls\\mp.dll\"\r\ngamedll_linux \"dlls/cs_i386.so\"\r\n"
                                           << Kind::Stock << (windows ? u"dlls\\mp.dll"_s : u"dlls/cs_i386.so"_s);
        // An add-on for the Linux game that left the Windows key alone is still an add-on there.
        QTest::newRow("Linux key names an add-on")
            << cs + "gamedll \"dlls\\mp.dll\"\r\ngamedll_linux \"addons/bot.so\"\r\n"
            << (windows ? Kind::Stock : Kind::OtherLibrary) << (windows ? u"dlls\\mp.dll"_s : u"addons/bot.so"_s);
        QTest::newRow("another library") << cs + "gamedll \"dlls\\bot.dll\"\r\n"
                                         << Kind::OtherLibrary << u"dlls\\bot.dll"_s;
        QTest::newRow("no liblist.gam") << QByteArray() << Kind::Missing << QString();
        QTest::newRow("a folder named liblist.gam") << "/"_ba << Kind::Unreadable << QString();
    }

    // A fresh install: the game's own liblist.gam, and none of the copies this program makes.
    void keepTheGamesOwnDescriptor()
    {
        QFETCH(QByteArray, liblist);
        QFETCH(GameDescriptor::Finding::Kind, kind);
        GameDirFixture game;
        if (liblist == "/")
            QVERIFY(QDir(game.gameDir()).mkpath(u"LIBLIST.GAM"_s));
        else if (!liblist.isEmpty())
            game.write(u"LIBLIST.GAM"_s, liblist);
        const GameDescriptor::Finding finding = GameDescriptor::examine(game.gameDir());
        QCOMPARE(finding.kind, kind);
        QTEST(finding.library, "library");

        const bool stock = kind == GameDescriptor::Finding::Kind::Stock;
        QString error;
        QCOMPARE(GameDescriptor::keepCopy(game.gameDir(), &error), stock);
        QCOMPARE(error.isEmpty(), stock);
        QCOMPARE(game.exists(u"OLD liblist.gam"_s), stock);
        if (!stock)
            return;
        QCOMPARE(game.read(u"OLD liblist.gam"_s), liblist);
        QCOMPARE(GameDescriptor::examine(game.gameDir()).kind, GameDescriptor::Finding::Kind::Kept);
        // A second copy never replaces the first: it may be the only record of the game's own file.
        game.write(u"LIBLIST.GAM"_s, "gamedll \"dlls\\mp.dll\"\r\n");
        QVERIFY(!GameDescriptor::keepCopy(game.gameDir(), &error));
        QCOMPARE(game.read(u"OLD liblist.gam"_s), liblist);
    }

    void setUpAnAddOn_data()
    {
        QTest::addColumn<QByteArray>("own");  // "OLD liblist.gam"; empty: none
        QTest::addColumn<QString>("windows"); // the libraries chosen
        QTest::addColumn<QString>("linuxLibrary");
        QTest::addColumn<QByteArray>("written"); // "RamBot liblist.gam"; empty: nothing written
        QTest::addColumn<bool>("noted");         // told that this platform's game starts without the bots
        const bool onWindows = QSysInfo::productType() == u"windows"_s;
        const QByteArray own = "game \"cs\"\r\ngamedll \"dlls\\mp.dll\"\r\ngamedll_linux \"dlls/cs.so\"\r\n";
        QTest::newRow("both") << own << u"rambot/rambot.dll"_s << u"dlls\\rambot_i386.so"_s
                              << "game \"cs\"\r\ngamedll \"rambot\\rambot.dll\"\r\n"
                                 "gamedll_linux \"dlls/rambot_i386.so\"\r\n"_ba
                              << false;
        // Every other line as it was, an 8-bit letter and trailing blanks included; LF becomes CR LF.
        QTest::newRow("Windows only, LF, no Linux line")
            << "game \"Caf\xe9\"  \nsecure \"1\"\ngamedll \"dlls\\mp.dll\""_ba << u"rb.dll"_s << QString()
            << "game \"Caf\xe9\"  \r\nsecure \"1\"\r\ngamedll \"rb.dll\"\r\n"_ba << !onWindows;
        QTest::newRow("Linux only, its line added")
            << "gamedll \"dlls\\mp.dll\"\r\n"_ba << QString() << u"dlls/rb.so"_s
            << "gamedll \"dlls\\mp.dll\"\r\ngamedll_linux \"dlls/rb.so\"\r\n"_ba << onWindows;
        QTest::newRow("no library") << own << QString() << QString() << QByteArray() << false;
        QTest::newRow("a quote in the name") << own << u"a\"b.dll"_s << QString() << QByteArray() << false;
        QTest::newRow("no kept descriptor") << QByteArray() << u"rb.dll"_s << QString() << QByteArray() << false;
    }

    void setUpAnAddOn()
    {
        QFETCH(QByteArray, own);
        QFETCH(QByteArray, written);
        GameDirFixture game;
        if (!own.isEmpty())
            game.write(u"OLD liblist.gam"_s, own);
        // A prepared copy there already is replaced under its own name.
        game.write(u"RAMBOT LIBLIST.GAM"_s, "before");
        QString error;
        QFETCH(QString, windows);
        QFETCH(QString, linuxLibrary);
        const AddOnSetup::Pair libraries{windows, linuxLibrary};
        QCOMPARE(AddOnSetup::setUp(game.gameDir(), u"RamBot"_s, libraries, &error), !written.isEmpty());
        QCOMPARE(error.isEmpty(), !written.isEmpty());
        QCOMPARE(game.read(u"RAMBOT LIBLIST.GAM"_s), written.isEmpty() ? "before"_ba : written);
        if (!written.isEmpty())
            QTEST(!AddOnSetup::missingLibraryNote(u"RamBot"_s, Liblist::parse(written)).isEmpty(), "noted");
    }

#ifndef Q_OS_WIN
    // The libraries an add-on's files brought, and none that lies too deep, outside the folder or is the game's.
    void findTheAddOnsLibraries()
    {
        GameDirFixture game;
        for (const QString &file :
             {u"dlls/mp.dll"_s, u"DLLS/CS.SO"_s, u"dlls/cs_i386.so"_s, u"rambot/RamBot.dll"_s, u"dlls/rambot_i386.so"_s,
              u"a/b/c/d/deep.so"_s, u"a/b/c/d/e/deeper.so"_s, u"maps/de_dust.bsp"_s, u"readme.dll.txt"_s})
            game.write(file, "x");
        QTemporaryDir outside;
        TestFiles::write(outside.filePath(u"out.so"_s), "x");
        QVERIFY(QFile::link(outside.path(), game.gameDir() + u"/linked"_s));
        QVERIFY(QFile::link(outside.filePath(u"out.so"_s), game.gameDir() + u"/dlls/out.so"_s));
        QVERIFY(QFile::link(game.gameDir() + u"/rambot/RamBot.dll"_s, game.gameDir() + u"/same.dll"_s));
        const AddOnSetup::Libraries found = AddOnSetup::findLibraries(game.gameDir());
        QCOMPARE(found.windowsLibraries, (QStringList{u"rambot/RamBot.dll"_s, u"same.dll"_s}));
        QCOMPARE(found.linuxLibraries, (QStringList{u"a/b/c/d/deep.so"_s, u"dlls/rambot_i386.so"_s}));
        QVERIFY(!found.cut);
        // Browse takes a file inside the folder, and refuses one outside it, through a link too.
        QCOMPARE(AddOnSetup::libraryPath(game.gameDir(), game.gameDir() + u"/a/b/c/d/e/deeper.so"_s),
                 u"a/b/c/d/e/deeper.so"_s);
        QString error;
        QVERIFY(!AddOnSetup::libraryPath(game.gameDir(), game.gameDir() + u"/dlls/out.so"_s, &error));
        QVERIFY2(error.contains(u"outside the game folder"_s), qPrintable(error));
        QVERIFY(!AddOnSetup::libraryPath(game.gameDir(), outside.filePath(u"out.so"_s)));
    }

    void startThroughSteam_data()
    {
        QTest::addColumn<bool>("steamLibrary"); // the game lies in a Steam library's steamapps/common
        QTest::addColumn<bool>("steamThere");   // `steam` is on the PATH
        QTest::addColumn<bool>("directly");     // the player chose to start the game directly
        QTest::newRow("Steam's copy, through Steam") << true << true << false;
        QTest::newRow("Steam's copy, directly as chosen") << true << true << true;
        QTest::newRow("Steam's copy, no Steam") << true << false << false;
        QTest::newRow("another folder") << false << true << false;
    }

    void startThroughSteam()
    {
        QFETCH(bool, steamLibrary);
        QFETCH(bool, steamThere);
        QFETCH(bool, directly);
        GameDirFixture game(steamLibrary ? u"steamapps/common/Half-Life"_s : u"Half-Life"_s);
        game.makeSetUp();
        game.write(u"RamBot liblist.gam"_s, "gamedll \"dlls\\rb.dll\"\r\ngamedll_linux \"dlls/rb.so\"\r\n");
        game.writeRecordingScript(u"hl.sh"_s);
        QTemporaryDir bin;
        // Only the scripts' folder is searched, so that a Steam on this machine is not found; the scripts need mv.
        QVERIFY(QFile::link(QStandardPaths::findExecutable(u"mv"_s), bin.filePath(u"mv"_s)));
        if (steamThere)
            QVERIFY(QFile::rename(game.writeRecordingScript(u"steam"_s), bin.filePath(u"steam"_s)));
        const auto restorePath = qScopeGuard([old = qgetenv("PATH")] { qputenv("PATH", old); });
        qputenv("PATH", QFile::encodeName(bin.path()));
        const auto settings = game.makeSettings();
        Session session;
        QCOMPARE(GameSetup::startUp(session, *settings, game.gameDir()), GameSetup::StartUp::Ready);
        session.setBotName(u"RamBot"_s);

        const GameLauncher::Launch launch = GameLauncher::launch(session, false, directly);
        QCOMPARE(launch.outcome, GameLauncher::Launch::Outcome::Started);
        const bool throughSteam = steamLibrary && steamThere && !directly;
        QCOMPARE(launch.command.throughSteam, throughSteam);
        QCOMPARE(launch.message().contains(u"through Steam"_s), throughSteam);
        const QStringList arguments{u"-console"_s, u"-game"_s, u"cstrike"_s};
        QCOMPARE(game.recordedRun().mid(1),
                 throughSteam ? (QStringList{u"-applaunch"_s, u"10"_s} + arguments) : arguments);
    }
#endif

    void selectDirectory_data()
    {
        QTest::addColumn<GameSetup::Selection>("outcome");
        QTest::newRow("remembered") << GameSetup::Selection::Done;
        // A folder where the settings file should be: the store cannot be written.
        QTest::newRow("settings that cannot be written") << GameSetup::Selection::NotRemembered;
        // A folder where hl.bat should be: the folder is not taken for this run.
        QTest::newRow("hl.bat that cannot be written") << GameSetup::Selection::BatchFileFailed;
    }

    // A valid folder chosen serves this run and gets a fresh hl.bat, whether the settings can remember it or not.
    void selectDirectory()
    {
        QFETCH(GameSetup::Selection, outcome);
        GameDirFixture game;
        game.makeSetUp();
        if (outcome == GameSetup::Selection::NotRemembered)
            QVERIFY(QDir().mkpath(game.settingsPath()));
        if (outcome == GameSetup::Selection::BatchFileFailed)
            QVERIFY(QDir(game.gameDir()).mkpath(u"hl.bat"_s));
        const auto settings = game.makeSettings();
        Session session;
        session.setHalfLifeDir(u"/from start-up"_s);
        // Choosing the same folder again gives the same Half-Life folder.
        for (int i = 0; i < 2; ++i) {
            QString error;
            QCOMPARE(GameSetup::selectDirectory(session, *settings, game.gameDir(), &error), outcome);
            if (outcome == GameSetup::Selection::NotRemembered)
                QCOMPARE(error, QDir::toNativeSeparators(game.settingsPath()));
            QCOMPARE(error.isEmpty(), outcome == GameSetup::Selection::Done);
            if (outcome == GameSetup::Selection::Done) {
                QCOMPARE(settings->value(AppSettings::Key::GameDir), game.gameDir());
                QCOMPARE(settings->value(AppSettings::Key::HalfLifeDir), game.halfLifeDir());
            }
        }
        QCOMPARE(session.isDirectoryValid(), outcome != GameSetup::Selection::BatchFileFailed);
        QVERIFY(game.exists(u"hl.bat"_s));
        QCOMPARE(session.halfLifeDir(), u"/from start-up"_s); // this run keeps the folder it started with
    }

    void variantReplacesLiblist_data()
    {
        QTest::addColumn<QString>("botName");
        QTest::addColumn<QString>("variantOnDisk");
        QTest::addColumn<QString>("liblistOnDisk"); // empty: the folder has none
        QTest::addColumn<bool>("replaced");
        QTest::newRow("variant in upper case") << u"ReduBot"_s << u"REDUBOT LIBLIST.GAM"_s << u"liblist.gam"_s << true;
        QTest::newRow("no liblist.gam yet") << u"RamBot"_s << u"RamBot liblist.gam"_s << QString() << true;
        QTest::newRow("liblist.gam in upper case")
            << u"RamBot"_s << u"RamBot liblist.gam"_s << u"LIBLIST.GAM"_s << true;
        QTest::newRow("the plain game") << u"Original CS"_s << u"OLD liblist.gam"_s << u"liblist.gam"_s << true;
        QTest::newRow("the plain game after a launch") << u"OLD"_s << u"OLD liblist.gam"_s << u"liblist.gam"_s << true;
        // A file named like an unnamed choice's copy serves neither a missing copy nor no choice at all.
        QTest::newRow("the add-on's copy gone") << u"RamBot"_s << u" liblist.gam"_s << u"liblist.gam"_s << false;
        QTest::newRow("nothing chosen") << QString() << u" liblist.gam"_s << u"liblist.gam"_s << false;
    }

    void variantReplacesLiblist()
    {
        QFETCH(QString, botName);
        QFETCH(QString, variantOnDisk);
        QFETCH(QString, liblistOnDisk);
        QFETCH(bool, replaced);
        GameDirFixture game;
        const QByteArray variant = "gamedll \"dlls\\variant.dll\"\r\nversion \"1.6\"\r\n";
        const QByteArray own = "gamedll \"dlls\\mp.dll\"\r\n";
        game.write(variantOnDisk, variant);
        if (!liblistOnDisk.isEmpty())
            game.write(liblistOnDisk, own);

        QCOMPARE(GameLauncher::activateVariant(game.gameDir(), botName),
                 replaced ? GameLauncher::Result::Done : GameLauncher::Result::VariantMissing);
        QCOMPARE(game.read(liblistOnDisk.isEmpty() ? u"liblist.gam"_s : liblistOnDisk), replaced ? variant : own);
        QCOMPARE(game.read(variantOnDisk), variant);
    }

#ifndef Q_OS_WIN
    void startsTheLauncher_data()
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

    void startsTheLauncher()
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

    void chooseAutostartFile_data()
    {
        QTest::addColumn<QString>("botName");
        QTest::addColumn<QString>("file");     // below the game folder; "mine.cfg" is written with the bytes
        QTest::addColumn<QByteArray>("bytes"); // of mine.cfg
        QTest::addColumn<QString>("message");  // a part of it; empty when taken
        QTest::addColumn<QString>("target");   // where the copy lands, below the game folder
        const auto row = [](const char *name, const QString &botName, const QByteArray &bytes, const QString &message,
                            const QString &target = {}, const QString &file = u"mine.cfg"_s) {
            QTest::newRow(name) << botName << file << bytes << message << target;
        };
        const QString notValid = AutostartFile::notValidMessage();
        // The game folder holds "BOT.CFG": the add-on's "bot.cfg" in another letter case, replaced as it is.
        row("RamBot", u"RamBot"_s, rosterOf(u"RamBot"_s), {}, u"BOT.CFG"_s);
        row("PodBot, its folder made", u"PodBot"_s, rosterOf(u"PodBot"_s), {}, u"podbot/podbot.cfg"_s);
        row("LF line ends", u"NNBot"_s, rosterOf(u"NNBot"_s).replace("\r\n", "\n"), {}, u"BOT.CFG"_s);
        row("another version", u"RamBot"_s, rosterOf(u"RamBot"_s, "1.0"), u"another version"_s);
        row("the plain game after a launch", u"OLD"_s, rosterOf(u"RamBot"_s), notValid);
        row("an empty file", u"RamBot"_s, {}, notValid);
        row("one line, the right one", u"RamBot"_s, rosterOf(u"RamBot"_s).first(35), notValid);
        row("a folder named like a config file", u"RamBot"_s, {}, u"but a folder"_s, {}, u"folder.cfg"_s);
        row("gone meanwhile", u"RamBot"_s, {}, u"is not there any more"_s, {}, u"gone.cfg"_s);
    }

    void chooseAutostartFile()
    {
        QFETCH(QString, botName);
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QFETCH(QString, target);
        GameDirFixture game;
        const std::unique_ptr<AppSettings> settings = game.makeSettings();
        settings->setValue(autostart, botName, u"old.cfg"_s);
        game.write(u"mine.cfg"_s, bytes);
        game.write(u"BOT.CFG"_s, "old");
        game.write(u"swat.cfg"_s, "old");
        QDir(game.gameDir()).mkdir(u"folder.cfg"_s);

        const QString path = file.isEmpty() ? QString() : QDir(game.gameDir()).filePath(file);
        const AutostartFile::Result result = AutostartFile::choose(path, game.gameDir(), botName, *settings);

        QVERIFY2(message.isEmpty() ? result.isDone() : result.message.contains(message), qPrintable(result.message));
        QCOMPARE(settings->value(autostart, botName), message.isEmpty() ? file : u"old.cfg"_s);
        QCOMPARE(game.read(target.isEmpty() ? u"BOT.CFG"_s : target), message.isEmpty() ? bytes : "old"_ba);
        // Nothing else in the game folder is touched.
        QCOMPARE(game.read(u"swat.cfg"_s), QByteArray("old"));
    }

    void clearAutostartFile_data()
    {
        QTest::addColumn<QString>("botName");
        QTest::addColumn<QStringList>("left"); // of bot.cfg, SWAT.cfg and podbot/PodBot.cfg
        QTest::addColumn<bool>("remembered");  // "None" is stored for the add-on
        const QStringList noBotCfg{u"SWAT.cfg"_s, u"podbot/PodBot.cfg"_s};
        QTest::newRow("PodBot") << u"PodBot"_s << QStringList{u"SWAT.cfg"_s, u"bot.cfg"_s} << true;
        QTest::newRow("the plain game") << u"Original CS"_s << noBotCfg << true;
        QTest::newRow("no add-on chosen") << QString() << noBotCfg << false;
    }

    void clearAutostartFile()
    {
        QFETCH(QString, botName);
        QFETCH(bool, remembered);
        GameDirFixture game;
        const std::unique_ptr<AppSettings> settings = game.makeSettings();
        const QString member = botName.isEmpty() ? u"x"_s : botName;
        settings->setValue(autostart, member, u"mine.cfg"_s);
        const QStringList all{u"SWAT.cfg"_s, u"bot.cfg"_s, u"podbot/PodBot.cfg"_s};
        for (const QString &file : all)
            game.write(file, "x");

        QVERIFY(AutostartFile::clear(game.gameDir(), botName, *settings).isDone());

        QStringList present;
        for (const QString &file : all) {
            if (game.exists(file))
                present << file;
        }
        QTEST(present, "left");
        QCOMPARE(settings->value(autostart, member), remembered ? AppSettings::none : u"mine.cfg"_s);
        // Cleared again, with the file gone: no fault.
        QVERIFY(AutostartFile::clear(game.gameDir(), botName, *settings).isDone());
    }

    // A write or a deletion of bot.cfg that fails leaves the choice as it was: here a folder stands in its place.
    // That the files themselves survive every kind of write fault is tst_filefaults' business.
    void failedAutostartWritesKeepTheChoice()
    {
        GameDirFixture game;
        game.write(u"mine.cfg"_s, rosterOf(u"RamBot"_s));
        QVERIFY(QDir(game.gameDir()).mkpath(u"bot.cfg"_s));
        const auto settings = game.makeSettings();
        const QString botCfg = QDir::toNativeSeparators(game.gameDir() + u"/bot.cfg"_s);
        AutostartFile::Result result
            = AutostartFile::choose(game.gameDir() + u"/mine.cfg"_s, game.gameDir(), u"RamBot"_s, *settings);
        QVERIFY2(result.message.contains(botCfg), qPrintable(result.message));
        QCOMPARE(settings->value(autostart, u"RamBot"_s), AppSettings::none);
        settings->setValue(autostart, u"RamBot"_s, u"mine.cfg"_s);
        result = AutostartFile::clear(game.gameDir(), u"RamBot"_s, *settings);
        QVERIFY2(result.message.contains(botCfg), qPrintable(result.message));
        // The file is still run by the game, so the choice is not forgotten.
        QCOMPARE(settings->value(autostart, u"RamBot"_s), u"mine.cfg"_s);
    }
};

QTEST_GUILESS_MAIN(TestGameSetup)
#include "tst_gamesetup.moc"
