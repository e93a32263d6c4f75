#include "BoundedFile.h"
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
#include "TestFiles.h"
#include "Unprivileged.h"

#include <QDir>
#include <QFile>
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

} // namespace

class TestHostileFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
