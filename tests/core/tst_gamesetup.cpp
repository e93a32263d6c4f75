#include "AppSettings.h"
#include "GameDirFixture.h"
#include "GameSetup.h"
#include "ScratchMount.h"
#include "Session.h"

#include <QSettings>

#include <QDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestGameSetup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUpOutcomes_data();
    void startUpOutcomes();
    void acceptedFolderIsRemembered();
    void batchFileFailureKeepsFolderUnchanged();
    void unsavedSettingsAreReported();
    void unreadableOldLiblistIsReported();
    void relativeFolderIsTakenFromTheCurrentOne();
};

void TestGameSetup::startUpOutcomes_data()
{
    QTest::addColumn<bool>("directoryStored");
    QTest::addColumn<QByteArray>("oldLiblist"); // empty: no "OLD liblist.gam"
    QTest::addColumn<GameSetup::StartUp>("outcome");
    QTest::addColumn<QString>("installedVersion");
    QTest::newRow("nothing stored") << false << QByteArray() << GameSetup::StartUp::NoDirectory << QString();
    QTest::newRow("not set up") << true << QByteArray() << GameSetup::StartUp::NotSetUp << QString();
    QTest::newRow("ready") << true << QByteArray("version \"1.5\"\r\n") << GameSetup::StartUp::Ready << u"1.5"_s;
    QTest::newRow("no version line") << true << QByteArray("game \"cs\"\r\n") << GameSetup::StartUp::Ready << QString();
}

void TestGameSetup::startUpOutcomes()
{
    QFETCH(bool, directoryStored);
    QFETCH(QByteArray, oldLiblist);
    QFETCH(GameSetup::StartUp, outcome);
    GameDirFixture game;
    const auto settings = game.makeSettings();
    if (directoryStored) {
        settings->setValue(AppSettings::Key::GameDir, game.gameDir());
        settings->setValue(AppSettings::Key::HalfLifeDir, u"/remembered"_s);
    }
    if (!oldLiblist.isEmpty())
        game.write(u"old LIBLIST.gam"_s, oldLiblist);

    Session session;
    QCOMPARE(GameSetup::startUp(session, *settings), outcome);
    QCOMPARE(session.isDirectoryValid(), outcome == GameSetup::StartUp::Ready);
    QTEST(session.installedCsVersion(), "installedVersion");
    QCOMPARE(session.gameDir(), directoryStored ? game.gameDir() : QString());
    QCOMPARE(session.halfLifeDir(), directoryStored ? u"/remembered"_s : QString());
}

void TestGameSetup::acceptedFolderIsRemembered()
{
    GameDirFixture game;
    game.makeSetUp();
    const auto settings = game.makeSettings();
    Session session;
    session.setHalfLifeDir(u"/from start-up"_s);
    // Choosing the same folder again gives the same Half-Life folder.
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(GameSetup::selectDirectory(session, *settings, game.gameDir()), GameSetup::Selection::Done);
        QCOMPARE(settings->value(AppSettings::Key::GameDir), game.gameDir());
        QCOMPARE(settings->value(AppSettings::Key::HalfLifeDir), game.halfLifeDir());
    }
    QVERIFY(session.isDirectoryValid());
    QCOMPARE(session.halfLifeDir(), u"/from start-up"_s); // this run keeps the folder it started with
}

void TestGameSetup::batchFileFailureKeepsFolderUnchanged()
{
    ScratchMount disk(ScratchMount::Kind::Tiny);
    SKIP_UNLESS_MOUNTED(disk);
    disk.write(u"cstrike/cstrike.ico"_s, "icon");
    disk.write(u"cstrike/hl.bat"_s, "@echo off\r\nmy own\r\n");
    QVERIFY(disk.remount(true));
    const QString gameDir = QDir(disk.path()).filePath(u"cstrike"_s);

    GameDirFixture elsewhere;
    const auto settings = elsewhere.makeSettings();
    Session session;
    QString error;
    QCOMPARE(GameSetup::selectDirectory(session, *settings, gameDir, &error), GameSetup::Selection::BatchFileFailed);
    QVERIFY(!error.isEmpty());
    QVERIFY(!session.isDirectoryValid());
    QCOMPARE(disk.read(u"cstrike/hl.bat"_s), QByteArray("@echo off\r\nmy own\r\n"));
}

void TestGameSetup::unsavedSettingsAreReported()
{
    GameDirFixture game;
    game.makeSetUp();
    // A folder where the settings file should be: the store cannot be written.
    QVERIFY(QDir().mkpath(game.settingsPath()));
    AppSettings settings(AppSettings::openFile(game.settingsPath()));
    Session session;
    QString error;
    QCOMPARE(GameSetup::selectDirectory(session, settings, game.gameDir(), &error),
             GameSetup::Selection::NotRemembered);
    QCOMPARE(error, QDir::toNativeSeparators(game.settingsPath()));
    // The folder still serves this run.
    QVERIFY(session.isDirectoryValid());
    QVERIFY(game.exists(u"hl.bat"_s));
}

void TestGameSetup::unreadableOldLiblistIsReported()
{
    GameDirFixture game;
    game.write(u"cstrike.ico"_s);
    // Found by name, but no file that can be read.
    QVERIFY(QDir(game.gameDir()).mkdir(u"OLD liblist.gam"_s));
    const auto settings = game.makeSettings();
    Session session;
    QString warning;
    QCOMPARE(GameSetup::startUp(session, *settings, game.gameDir(), &warning), GameSetup::StartUp::Ready);
    QVERIFY2(warning.contains(u"OLD liblist.gam"_s), qPrintable(warning));
    QCOMPARE(session.installedCsVersion(), QString());
}

void TestGameSetup::relativeFolderIsTakenFromTheCurrentOne()
{
    GameDirFixture game;
    game.makeSetUp();
    const auto settings = game.makeSettings();
    Session session;
    const QString relative = QDir(session.currentFolder()).relativeFilePath(game.gameDir());
    QCOMPARE(GameSetup::startUp(session, *settings, relative), GameSetup::StartUp::Ready);
    // Held whole, so that no later change of the current folder moves it.
    QCOMPARE(session.gameDir(), game.gameDir());
    QCOMPARE(session.halfLifeDir(), game.halfLifeDir());
    QVERIFY(session.enterGameDir());
    QCOMPARE(session.currentFolder(), game.gameDir());
}

QTEST_GUILESS_MAIN(TestGameSetup)
#include "tst_gamesetup.moc"
