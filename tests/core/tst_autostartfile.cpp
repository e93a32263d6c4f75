#include "AppSettings.h"
#include "AutostartFile.h"
#include "GameDirFixture.h"
#include "ScratchMount.h"
#include "TestFiles.h"

#include <QDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray rosterOf(const QString &botName, const QByteArray &version = "2.0")
{
    return TestFiles::roster(botName).replace("Trevlin 2.0", "Trevlin " + version);
}

const QString otherVersion = u"another version"_s;

} // namespace

class TestAutostartFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void choose_data();
    void choose();
    void copyThatFailsKeepsTheOldFile();
    void clear_data();
    void clear();
    void deleteThatFailsIsReported();
};

void TestAutostartFile::choose_data()
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
    // The game folder holds "BOT.CFG": the add-on's "bot.cfg" in another letter case, replaced as it is.
    row("RamBot", u"RamBot"_s, rosterOf(u"RamBot"_s), {}, u"BOT.CFG"_s);
    row("PLBot goes to bot.cfg too", u"PLBot"_s, rosterOf(u"PLBot"_s), {}, u"BOT.CFG"_s);
    row("SwatBot", u"SwatBot"_s, rosterOf(u"SwatBot"_s), {}, u"swat.cfg"_s);
    row("PodBot, its folder made", u"PodBot"_s, rosterOf(u"PodBot"_s), {}, u"podbot/podbot.cfg"_s);
    row("LF line ends", u"NNBot"_s, rosterOf(u"NNBot"_s).replace("\r\n", "\n"), {}, u"BOT.CFG"_s);
    row("another add-on's file", u"RamBot"_s, rosterOf(u"NNBot"_s), AutostartFile::notValidMessage());
    row("another version", u"RamBot"_s, rosterOf(u"RamBot"_s, "1.0"), otherVersion);
    row("the plain game after a launch", u"OLD"_s, rosterOf(u"RamBot"_s), AutostartFile::notValidMessage());
    row("an empty file", u"RamBot"_s, {}, AutostartFile::notValidMessage());
    row("one line, the right one", u"RamBot"_s, rosterOf(u"RamBot"_s).first(35), AutostartFile::notValidMessage());
    row("no file selected", u"RamBot"_s, {}, u"select a config file"_s, {}, {});
    row("a folder named like a config file", u"RamBot"_s, {}, u"is not a config file but a folder"_s, {},
        u"folder.cfg"_s);
    row("gone meanwhile", u"RamBot"_s, {}, u"is not there any more"_s, {}, u"gone.cfg"_s);
}

void TestAutostartFile::choose()
{
    QFETCH(QString, botName);
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(QString, target);
    GameDirFixture game;
    const std::unique_ptr<AppSettings> settings = game.makeSettings();
    settings->setValue(AppSettings::Family::AutostartFile, botName, u"old.cfg"_s);
    game.write(u"mine.cfg"_s, bytes);
    game.write(u"BOT.CFG"_s, "old");
    game.write(u"swat.cfg"_s, "old");
    QDir(game.gameDir()).mkdir(u"folder.cfg"_s);

    const QString path = file.isEmpty() ? QString() : QDir(game.gameDir()).filePath(file);
    const AutostartFile::Result result = AutostartFile::choose(path, game.gameDir(), botName, *settings);

    QVERIFY2(message.isEmpty() ? result.isDone() : result.message.contains(message), qPrintable(result.message));
    QCOMPARE(settings->value(AppSettings::Family::AutostartFile, botName), message.isEmpty() ? file : u"old.cfg"_s);
    const QString autostart = target.isEmpty() ? u"BOT.CFG"_s : target;
    QCOMPARE(game.read(autostart), message.isEmpty() ? bytes : QByteArray("old"));
    // Nothing else in the game folder is touched.
    if (target != "swat.cfg"_L1)
        QCOMPARE(game.read(u"swat.cfg"_s), QByteArray("old"));
}

void TestAutostartFile::copyThatFailsKeepsTheOldFile()
{
    ScratchMount disk(ScratchMount::Kind::Tiny);
    SKIP_UNLESS_MOUNTED(disk);
    GameDirFixture elsewhere;
    const std::unique_ptr<AppSettings> settings = elsewhere.makeSettings();
    elsewhere.write(u"mine.cfg"_s, rosterOf(u"RamBot"_s) + QByteArray(8192, 'x'));
    disk.write(u"bot.cfg"_s, "old");
    disk.fill();

    const AutostartFile::Result result
        = AutostartFile::choose(QDir(elsewhere.gameDir()).filePath(u"mine.cfg"_s), disk.path(), u"RamBot"_s, *settings);

    QVERIFY2(result.message.contains(QDir::toNativeSeparators(disk.path() + u"/bot.cfg"_s)),
             qPrintable(result.message));
    QCOMPARE(disk.read(u"bot.cfg"_s), QByteArray("old"));
    QCOMPARE(settings->value(AppSettings::Family::AutostartFile, u"RamBot"_s), AppSettings::none);
}

void TestAutostartFile::clear_data()
{
    QTest::addColumn<QString>("botName");
    QTest::addColumn<QStringList>("left"); // of bot.cfg, SWAT.cfg and podbot/PodBot.cfg
    QTest::addColumn<bool>("remembered");  // "None" is stored for the add-on
    const QStringList all{u"SWAT.cfg"_s, u"bot.cfg"_s, u"podbot/PodBot.cfg"_s};
    QTest::newRow("PodBot") << u"PodBot"_s << QStringList{u"SWAT.cfg"_s, u"bot.cfg"_s} << true;
    QTest::newRow("SwatBot") << u"SwatBot"_s << QStringList{u"bot.cfg"_s, u"podbot/PodBot.cfg"_s} << true;
    QTest::newRow("RamBot") << u"RamBot"_s << QStringList{u"SWAT.cfg"_s, u"podbot/PodBot.cfg"_s} << true;
    QTest::newRow("the plain game") << u"Original CS"_s << QStringList{u"SWAT.cfg"_s, u"podbot/PodBot.cfg"_s} << true;
    QTest::newRow("PLBot deletes nothing") << u"PLBot"_s << all << true;
    QTest::newRow("no add-on chosen") << QString() << QStringList{u"SWAT.cfg"_s, u"podbot/PodBot.cfg"_s} << false;
}

void TestAutostartFile::clear()
{
    QFETCH(QString, botName);
    QFETCH(QStringList, left);
    QFETCH(bool, remembered);
    GameDirFixture game;
    const std::unique_ptr<AppSettings> settings = game.makeSettings();
    settings->setValue(AppSettings::Family::AutostartFile, botName.isEmpty() ? u"x"_s : botName, u"mine.cfg"_s);
    const QStringList all{u"SWAT.cfg"_s, u"bot.cfg"_s, u"podbot/PodBot.cfg"_s};
    for (const QString &file : all)
        game.write(file, "x");

    QVERIFY(AutostartFile::clear(game.gameDir(), botName, *settings).isDone());

    QStringList present;
    for (const QString &file : all) {
        if (game.exists(file))
            present << file;
    }
    QCOMPARE(present, left);
    QCOMPARE(settings->value(AppSettings::Family::AutostartFile, botName.isEmpty() ? u"x"_s : botName),
             remembered ? AppSettings::none : u"mine.cfg"_s);
    // Cleared again, with the file gone: no fault.
    QVERIFY(AutostartFile::clear(game.gameDir(), botName, *settings).isDone());
}

void TestAutostartFile::deleteThatFailsIsReported()
{
    ScratchMount disk(ScratchMount::Kind::ReadOnly);
    SKIP_UNLESS_MOUNTED(disk);
    QVERIFY(disk.remount(false));
    disk.write(u"bot.cfg"_s, "x");
    QVERIFY(disk.remount(true));
    GameDirFixture elsewhere;
    const std::unique_ptr<AppSettings> settings = elsewhere.makeSettings();
    settings->setValue(AppSettings::Family::AutostartFile, u"RamBot"_s, u"mine.cfg"_s);

    const AutostartFile::Result result = AutostartFile::clear(disk.path(), u"RamBot"_s, *settings);

    QVERIFY2(result.message.contains(QDir::toNativeSeparators(disk.path() + u"/bot.cfg"_s)),
             qPrintable(result.message));
    QCOMPARE(disk.read(u"bot.cfg"_s), QByteArray("x"));
    // The file is still run by the game, so the choice is not forgotten.
    QCOMPARE(settings->value(AppSettings::Family::AutostartFile, u"RamBot"_s), u"mine.cfg"_s);
}

QTEST_GUILESS_MAIN(TestAutostartFile)
#include "tst_autostartfile.moc"
