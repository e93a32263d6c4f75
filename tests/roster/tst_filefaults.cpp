#include "AppSettings.h"
#include "AutostartFile.h"
#include "BoundedFile.h"
#include "FileCommit.h"
#include "GameDirFixture.h"
#include "GameFolder.h"
#include "GameLauncher.h"
#include "Liblist.h"
#include "ListenServerFile.h"
#include "MapCycleFile.h"
#include "MotdFile.h"
#include "NameList.h"
#include "RosterAddOn.h"
#include "RosterDocument.h"
#include "RosterFile.h"
#include "RosterFormat.h"
#include "RosterOptions.h"
#include "ScratchMount.h"
#include "TestFiles.h"
#include "Unprivileged.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// A reader of one file in the game folder: what it tells the user, or "<none>" for one that only falls back.
using Reader = std::function<QString(const QString &gameDir, const QString &path)>;

struct Target
{
    QString name; // the file the reader reads, below the game folder
    qint64 limit;
    Reader read;
};

QList<Target> targets()
{
    const auto roster = [](const char *botName, const QString &name) {
        const RosterAddOn &addOn = *RosterAddOn::find(QString::fromLatin1(botName));
        return Target{name, BoundedFile::rosterLimit, [&addOn](const QString &, const QString &path) {
                          return RosterDocument(addOn).open(path);
                      }};
    };
    return {
        roster("RamBot", u"bots.cfg"_s),
        roster("PodBot", u"podbot.cfg"_s),
        {u"TRNames.txt"_s, BoundedFile::nameListLimit,
         [](const QString &, const QString &path) {
             QString error;
             NameList::read(path, &error);
             return error;
         }},
        {u"OLD liblist.gam"_s, BoundedFile::smallFileLimit,
         [](const QString &, const QString &path) {
             QString error;
             Liblist::read(path, &error);
             return error;
         }},
        {u"RamBot liblist.gam"_s, BoundedFile::smallFileLimit,
         [](const QString &gameDir, const QString &) {
             QString error;
             GameLauncher::activateVariant(gameDir, u"RamBot"_s, &error);
             return error;
         }},
        // The arguments fall back to those hl.bat would hold.
        {u"hl.bat"_s, BoundedFile::smallFileLimit,
         [](const QString &gameDir, const QString &) {
             return GameFolder::gameArguments(gameDir) == QStringList{u"-console"_s, u"-game"_s, u"cstrike"_s}
                 ? u"<none>"_s
                 : u"other arguments"_s;
         }},
        {u"listenserver.cfg"_s, ListenServerFile::sizeLimit,
         [](const QString &gameDir, const QString &) {
             const ListenServerFile::ReadResult read = ListenServerFile::read(gameDir);
             return read.config == ListenServerConfig::defaults() ? read.message : u"not the defaults"_s;
         }},
        {u"mapcycle.txt"_s, MapCycleFile::sizeLimit,
         [](const QString &gameDir, const QString &) {
             const MapCycleFile::ReadResult read = MapCycleFile::read(gameDir);
             return read.entries.isEmpty() ? read.message : u"entries read"_s;
         }},
        {u"motd.txt"_s, MotdFile::sizeLimit,
         [](const QString &gameDir, const QString &) {
             const MotdFile::ReadResult read = MotdFile::read(gameDir);
             return read.text.isEmpty() ? read.message : u"a message read"_s;
         }},
    };
}

// One way the program writes a file: what lies in the folder before, and the write itself, which returns the
// message shown to the user (empty on success). A large write is larger than the scratch file system.
struct WritePath
{
    QString name;
    QString target;
    QByteArray old;
    std::function<QString(const QString &folder, bool large)> write;
    std::function<void(const QString &folder, bool large)> prepare = {}; // before the fault is set up
    // For a write that is one rename, which needs no room: the file (in the same folder) whose bytes then stand as
    // the target on a full disk.
    QString movedFrom = {};
    QByteArray moved = {};
};

QByteArray rosterBytes(int bots)
{
    QByteArray lines;
    for (int i = 0; i < bots; ++i)
        lines += "addbot 1 1 Bot" + QByteArray::number(i) + " 3\r\n";
    return TestFiles::roster(u"RamBot"_s, lines);
}

int botCount(bool large)
{
    return large ? 5000 : 2;
}

// Outside the folder under test: the roster copied to the autostart file, the settings it remembers it in, and the
// staging folder of an update.
QTemporaryDir &elsewhere()
{
    static QTemporaryDir dir;
    return dir;
}

QList<WritePath> writePaths()
{
    return {
        // One writer serves the rosters of both formats.
        {u"roster"_s, u"bots.cfg"_s, rosterBytes(1),
         [](const QString &folder, bool large) {
             RosterDocument document(*RosterAddOn::find(u"RamBot"));
             QList<RosterEntry> bots;
             for (int i = 0; i < botCount(large); ++i)
                 bots.append({u"Bot%1"_s.arg(i), u"Terrorist"_s, u"3"_s, u"Phoenix Connection"_s});
             document.append(bots);
             document.options().setText(RosterOptions::Field::Botskill, {}); // a save shows the "2" it wrote
             const QString path = QDir(folder).filePath(u"bots.cfg"_s), message = document.save(path);
             // A failed save names the file and leaves the editor as it was.
             if (!message.isEmpty())
                 QTest::qVerify(message.contains(QDir::toNativeSeparators(path)) && document.isModified()
                                    && document.options().text(RosterOptions::Field::Botskill).isEmpty(),
                                "the editor as it was", qPrintable(message), __FILE__, __LINE__);
             return message;
         }},
        {u"autostart copy"_s, u"bot.cfg"_s, "old\r\n",
         [](const QString &folder, bool large) {
             const QString source = elsewhere().filePath(u"chosen.cfg"_s);
             TestFiles::write(source, rosterBytes(botCount(large)));
             AppSettings settings(AppSettings::openFile(elsewhere().filePath(u"Trevlin.conf"_s)));
             return AutostartFile::choose(source, folder, u"RamBot"_s, settings).message;
         }},
        {u"liblist swap"_s, u"liblist.gam"_s, "game \"Counter-Strike\"\r\n",
         [](const QString &folder, bool) {
             QString error;
             return GameLauncher::activateVariant(folder, u"RamBot"_s, &error) == GameLauncher::Result::Done
                 ? QString()
                 : u"not swapped: "_s + error;
         },
         [](const QString &folder, bool large) {
             TestFiles::write(QDir(folder).filePath(u"RamBot liblist.gam"_s),
                              large ? QByteArray(60000, 'x') : QByteArray("gamedll \"dlls\\rambot.dll\"\r\n"));
         }},
        {u"hl.bat"_s, u"hl.bat"_s, "@echo off\r\nmine\r\n",
         [](const QString &folder, bool) {
             QString error;
             return GameFolder::writeBatchFile(folder, &error) ? QString() : u"not written: "_s + error;
         }},
        {u"settings"_s, u"Trevlin.conf"_s, "[Install]\nDirectory=old\n",
         [](const QString &folder, bool large) {
             AppSettings settings(AppSettings::openFile(QDir(folder).filePath(u"Trevlin.conf"_s)));
             const QString value = large ? QString(100000, u'x') : u"/games/cstrike"_s;
             return settings.save(u"Install"_s, u"Directory"_s, value) ? QString() : settings.location();
         }},
        {u"listenserver.cfg"_s, u"listenserver.cfg"_s, "// Trevlin LISTENSERVER Config File\r\nold\r\n",
         [](const QString &folder, bool large) {
             ListenServerConfig config = ListenServerConfig::defaults();
             // Just below the file's own cap, and larger than the scratch file system.
             if (large)
                 config.setText(ListenServerConfig::Field::ServerName, QString(63000, u'x'));
             return ListenServerFile::write(folder, config, {});
         }},
        {u"game.cfg moved aside"_s, u"game.trb"_s, "// the older copy\r\n",
         [](const QString &folder, bool) { return ListenServerFile::moveGameConfigAside(folder); },
         [](const QString &folder, bool) { TestFiles::write(QDir(folder).filePath(u"game.cfg"_s), "sv_aim 0\r\n"); },
         u"game.cfg"_s, "sv_aim 0\r\n"},
        {u"mapcycle.txt"_s, u"mapcycle.txt"_s, "de_dust\r\n",
         [](const QString &folder, bool large) {
             QStringList maps{u"de_dust2"_s, u"cs_office"_s};
             for (int i = 0; large && i < 10000; ++i)
                 maps << u"de_map%1"_s.arg(i);
             return MapCycleFile::write(folder, maps);
         }},
        {u"motd.txt"_s, u"motd.txt"_s, "Welcome\r\n",
         [](const QString &folder, bool large) {
             return MotdFile::write(folder, large ? QString(100000, u'x') : u"Play fair\n"_s);
         }},
        // Two files, the one under test last; the first goes into a folder of its own.
        {u"file commit"_s, u"rambot.dll"_s, "old dll",
         [](const QString &folder, bool large) {
             const QString staging = elsewhere().filePath(u"staging"_s);
             TestFiles::write(staging + u"/0"_s, "Bot1\r\n");
             TestFiles::write(staging + u"/1"_s, large ? QByteArray(100000, 'd') : QByteArray("new dll"));
             FileCommit commit({folder});
             commit.add(staging + u"/0"_s, folder + u"/rambot/names.txt"_s);
             commit.add(staging + u"/1"_s, folder + u"/rambot.dll"_s);
             return commit.commit().error;
         },
         [](const QString &folder, bool) {
             QVERIFY(QDir(folder).mkdir(u"rambot"_s));
         }},
    };
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// The child's side of a run in another process: the folder to write in, and how the write is to end.
constexpr auto childFolder = "TREVLIN_FAULT_FOLDER";

} // namespace

class TestFileFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oldFileOrNewOneWhole_data()
    {
        QTest::addColumn<int>("path");
        QTest::addColumn<QString>("fault");
        const QList<WritePath> paths = writePaths();
        for (int i = 0; i < int(paths.size()); ++i) {
            for (const QString &fault :
                 {u"full disk, small write"_s, u"full disk, large write"_s, u"rename fails"_s,
                  u"folder in the file's place"_s, u"read-only folder"_s, u"killed before the rename"_s}) {
                // hl.bat is always three short lines, and a rename writes nothing.
                if ((paths.at(i).target == "hl.bat"_L1 || !paths.at(i).movedFrom.isEmpty())
                    && fault.endsWith("large write"_L1))
                    continue;
                QTest::newRow((paths.at(i).name + u", "_s + fault).toUtf8().constData()) << i << fault;
            }
        }
    }

    // Whatever goes wrong, a clear message, and the old file byte for byte, with no temporary file left beside it. Only
    // a rename may go through on a full disk, and then the moved file stands whole in the old one's place.
    void oldFileOrNewOneWhole()
    {
        QFETCH(int, path);
        QFETCH(QString, fault);
        const WritePath write = writePaths().at(path);

        if (const QString folder = qEnvironmentVariable(childFolder); !folder.isEmpty()) {
            // In the child, with the rename failing or the process about to die in it.
            QVERIFY2(!write.write(folder, false).isEmpty(), "the write was reported as done");
            return;
        }
        if (fault == "read-only folder"_L1 && Unprivileged::ranAsNobody())
            return;

        std::unique_ptr<ScratchMount> disk;
        QTemporaryDir scratch;
        QString folder = scratch.path();
        if (fault.startsWith("full disk"_L1)) {
            disk = std::make_unique<ScratchMount>(ScratchMount::Kind::Tiny);
            SKIP_UNLESS_MOUNTED(*disk);
            folder = disk->path();
        }
        const bool large = fault.endsWith("large write"_L1);
        if (write.prepare)
            write.prepare(folder, large);
        const QString target = QDir(folder).filePath(write.target);
        if (fault == "folder in the file's place"_L1)
            QVERIFY(QDir().mkpath(target));
        else
            TestFiles::write(target, write.old);
        if (fault == "full disk, small write"_L1)
            disk->fill();
        if (fault == "read-only folder"_L1)
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const QStringList before = entries(folder);

        bool done = false; // the write was reported as done
        QString message;
        if (fault == "rename fails"_L1 || fault == "killed before the rename"_L1) {
            QProcess child;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QString::fromLatin1(childFolder), folder);
            environment.insert(u"LD_PRELOAD"_s, QStringLiteral(TREVLIN_RENAME_FAULT_LIBRARY));
            environment.insert(u"TREVLIN_RENAME_FAULT"_s, fault == "rename fails"_L1 ? u"fail"_s : u"kill"_s);
            // A build with AddressSanitizer wants its runtime loaded first; the fault library does not need it.
            environment.insert(u"ASAN_OPTIONS"_s, u"verify_asan_link_order=0:detect_leaks=0"_s);
            child.setProcessEnvironment(environment);
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.start(QCoreApplication::applicationFilePath(),
                        {QString::fromLatin1(QTest::currentTestFunction()) + u':'
                         + QString::fromUtf8(QTest::currentDataTag())});
            QVERIFY(child.waitForFinished(60000));
            if (fault == "killed before the rename"_L1)
                QCOMPARE(child.exitStatus(), QProcess::CrashExit);
            else // the child has checked the message
                QVERIFY2(child.exitCode() == 0, child.readAll().constData());
        } else {
            message = write.write(folder, large);
            done = message.isEmpty();
        }
        if (fault == "read-only folder"_L1)
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

        if (done && fault.startsWith("full disk"_L1) && !write.movedFrom.isEmpty()) {
            QCOMPARE(TestFiles::read(target), write.moved);
            QStringList after = before;
            after.removeOne(write.movedFrom);
            QCOMPARE(entries(folder), after);
            return;
        }
        QVERIFY2(!done, "the write was reported as done");
        // A full disk is named as such, not as an unknown error.
        QVERIFY2(!message.contains(u"Unknown error"_s), qPrintable(message));
        if (fault == "folder in the file's place"_L1)
            QVERIFY(QFileInfo(target).isDir());
        else
            QCOMPARE(TestFiles::read(target), write.old);
        QCOMPARE(entries(folder), before);
    }

    void readersTurnDownWhatIsNoFileOfTheirs_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("kind");
        for (int i = 0; i < int(targets().size()); ++i) {
            for (const QString &kind :
                 {u"pipe"_s, u"link to /dev/zero"_s, u"folder"_s, u"too large"_s, u"unreadable"_s}) {
                const QByteArray tag = (targets().at(i).name + u", "_s + kind).toUtf8();
                QTest::newRow(tag.constData()) << i << kind;
            }
        }
    }

    // A pipe used to block the window for ever and /dev/zero to fill the memory; each now ends at once with a message
    // naming the file, and one that is too large names the cap too. A file its user may not read says so.
    void readersTurnDownWhatIsNoFileOfTheirs()
    {
        QFETCH(int, target);
        QFETCH(QString, kind);
        if (kind == "unreadable"_L1 && Unprivileged::ranAsNobody())
            return;
        const Target reader = targets().at(target);
        GameDirFixture game;
        const QString path = QDir(game.gameDir()).filePath(reader.name);
        const QByteArray encoded = QFile::encodeName(path);
        if (kind == "pipe"_L1) {
            QCOMPARE(::mkfifo(encoded.constData(), 0600), 0);
        } else if (kind == "link to /dev/zero"_L1) {
            QCOMPARE(::symlink("/dev/zero", encoded.constData()), 0);
        } else if (kind == "folder"_L1) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == "unreadable"_L1) {
            TestFiles::write(path, "x");
            QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        } else {
            // A sparse file one byte above the cap: large on paper, no room on the disk.
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(reader.limit + 1));
        }
        // A reader that blocked on the pipe would run into the test's time limit.
        const QString message = reader.read(game.gameDir(), path);
        // A folder is what the open dialog hands over when no file is chosen: the roster reader calls that not valid.
        if (message != "<none>"_L1 && !(kind == "folder"_L1 && message.contains(u"not a valid"_s)))
            QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
        if (kind == "too large"_L1 && message != "<none>"_L1)
            QVERIFY2(message.contains(BoundedFile::sizeText(reader.limit)), qPrintable(message));
        if (kind == "unreadable"_L1 && message != "<none>"_L1)
            QVERIFY2(message.contains(u"ermission"_s), qPrintable(message));
        // The AndroidBot format calls every file it cannot read not valid first.
        if (reader.name == "podbot.cfg"_L1)
            QVERIFY2(message.startsWith(RosterFile::notValidMessage(u"PodBot")), qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(TestFileFaults)
#include "tst_filefaults.moc"
