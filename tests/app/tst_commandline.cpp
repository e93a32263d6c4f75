#include "GameDirFixture.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void runs_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("remembered"); // the settings name the game folder; otherwise --game-dir has to
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // the start of what is printed, on standard output for 0, else error
        QTest::addColumn<bool>("started");   // the game was started
        QTest::addColumn<QString>("locale"); // the desktop's language
        const auto row = [](const char *name, const QStringList &arguments, int exitCode, const QString &output,
                            bool started = false, bool remembered = true, const QString &locale = u"C"_s) {
            QTest::newRow(name) << arguments << remembered << exitCode << output << started << locale;
        };
        row("version", {u"--version"_s}, 0, u"Trevlin 2.0\nQt 6."_s);
        row("help", {u"--help"_s}, 0, u"Usage: trevlin [options]"_s);
        row("a wrong option", {u"--fast"_s}, 2, u"Unknown option 'fast'.\n\nUsage: trevlin [options]"_s);
        row("a stray argument", {u"RamBot"_s}, 2, u"Unexpected argument: RamBot"_s);
        row("launch", {u"--launch"_s, u"rambot"_s}, 0, u"Counter-Strike was started with RamBot: "_s, true);
        row("launch the plain game", {u"--launch"_s, u"original cs"_s}, 0,
            u"Counter-Strike was started without bots: "_s, true);
        row("an add-on not installed", {u"--launch"_s, u"AGBBot"_s}, 1, u"AGBBot is not installed in "_s);
        row("no such add-on", {u"--launch"_s, u"SkyBot"_s}, 1, u"Trevlin knows no add-on called \"SkyBot\""_s);
        row("no folder chosen", {u"--launch"_s, u"RamBot"_s}, 1, u"No Counter-Strike folder is chosen yet"_s, false,
            false);
        row("a folder for this run", {u"--game-dir"_s, u"<game>"_s, u"--launch"_s, u"RamBot"_s}, 0,
            u"Counter-Strike was started with RamBot: "_s, true, false);
        row("help in German", {u"--lang"_s, u"de"_s, u"--help"_s}, 0, u"Aufruf: trevlin [Optionen]\nTrevlin startet"_s);
        row("the desktop's language", {u"--help"_s}, 0, u"Использование: trevlin [параметры]"_s, false, true,
            u"ru_RU.UTF-8"_s);
        row("an English desktop", {u"--help"_s}, 0, u"Usage: trevlin [options]"_s, false, true, u"en_GB.UTF-8"_s);
        row("--lang over the desktop", {u"--lang"_s, u"en"_s, u"--version"_s}, 0, u"Trevlin 2.0"_s, false, true,
            u"de_DE.UTF-8"_s);
        row("a language without texts", {u"--lang"_s, u"xx"_s}, 2, u"Trevlin has no texts in \"xx\"; it has en, de"_s);
        row("launch in Portuguese", {u"--launch"_s, u"rambot"_s}, 0, u"O Counter-Strike foi iniciado com RamBot: "_s,
            true, true, u"pt_BR.UTF-8"_s);
        row("a wrong option in Russian", {u"--lang"_s, u"ru"_s, u"--fast"_s}, 2, u"Неизвестный параметр"_s);
    }

    void runs()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, remembered);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(bool, started);
        QFETCH(QString, locale);
        GameDirFixture game;
        game.makeSetUp();
        game.write(u"RamBot liblist.gam"_s, GameDirFixture::liblist({u"gamedll \"dlls\\rambot.dll\""_s}));
        game.writeRecordingScript(u"hl.sh"_s);
        QTemporaryDir config;
        const QString settings = config.filePath(u"Trevlin/Trevlin.conf"_s);
        TestFiles::write(settings, remembered ? u"[Install]\nDirectory=\"%1\"\n"_s.arg(game.gameDir()).toUtf8() : "");
        arguments.replaceInStrings(u"<game>"_s, game.gameDir());

        QProcess trevlin;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_CONFIG_HOME"_s, config.path());
        // Nothing here needs a display; a window would wait for a user who is not there.
        environment.remove(u"DISPLAY"_s);
        environment.remove(u"WAYLAND_DISPLAY"_s);
        environment.remove(u"QT_QPA_PLATFORM"_s);
        for (const QString &override : {u"LANGUAGE"_s, u"LC_ALL"_s, u"LC_MESSAGES"_s})
            environment.remove(override);
        environment.insert(u"LANG"_s, locale);
        trevlin.setProcessEnvironment(environment);
        trevlin.start(QStringLiteral(TREVLIN_EXECUTABLE), arguments);
        QVERIFY(trevlin.waitForFinished(20000));

        QCOMPARE(trevlin.exitStatus(), QProcess::NormalExit);
        QCOMPARE(trevlin.exitCode(), exitCode);
        const QString printed
            = QString::fromLocal8Bit(exitCode == 0 ? trevlin.readAllStandardOutput() : trevlin.readAllStandardError());
        QVERIFY2(printed.startsWith(output), qPrintable(printed));
        if (started)
            QVERIFY(!game.recordedRun().isEmpty());
        else
            QVERIFY(!QFile::exists(QDir(game.root()).filePath(u"recorded-run.txt"_s)));
        // A folder given for the run is not remembered.
        QCOMPARE(TestFiles::read(settings).contains("Directory"), remembered);
    }

    void leavesNothingBehind_data()
    {
        QTest::addColumn<bool>("killed"); // ended outright, so only the next run can clean up
        QTest::newRow("a logout") << false;
        QTest::newRow("killed, then started again") << true;
    }

    // However the program ends, its temporary folder holds nothing of it afterwards.
    void leavesNothingBehind()
    {
        QFETCH(bool, killed);
        GameDirFixture game;
        game.makeSetUp();
        QTemporaryDir temp;
        QTemporaryDir runtime; // a desktop session's own, which Qt would otherwise make in the temporary folder
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"TMPDIR"_s, temp.path());
        environment.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
        environment.insert(u"XDG_CONFIG_HOME"_s, game.root());
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        QProcess trevlin;
        trevlin.setProcessEnvironment(environment);
        trevlin.start(QStringLiteral(TREVLIN_EXECUTABLE), {u"--game-dir"_s, game.gameDir()});
        // The settings' scratch copy is there once the program is up.
        const QDir tempDir(temp.path());
        QTRY_VERIFY_WITH_TIMEOUT(!tempDir.entryList({u"Trevlin-*"_s}, QDir::Dirs).isEmpty(), 20000);
        if (killed) {
            trevlin.kill();
            QVERIFY(trevlin.waitForFinished(20000));
            environment.insert(u"TREVLIN_QUIT_AFTER_SHOW"_s, u"1"_s);
            trevlin.setProcessEnvironment(environment);
            trevlin.start(QStringLiteral(TREVLIN_EXECUTABLE), {u"--game-dir"_s, game.gameDir()});
        } else {
            trevlin.terminate();
        }
        QVERIFY(trevlin.waitForFinished(20000));
        QCOMPARE(trevlin.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tempDir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).join(u" "_s), QString());
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
