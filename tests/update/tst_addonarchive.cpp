#include "AddOnArchive.h"
#include "AddOnInstall.h"
#include "UpdateFixture.h"

#include <QTest>

#include <archive.h>
#include <archive_entry.h>

using namespace Qt::StringLiterals;

namespace {

struct Item
{
    Item(const QByteArray &path = {}, const QByteArray &body = {}, int type = AE_IFREG, const QByteArray &link = {})
        : path(path), body(body), type(type), link(link)
    {
    }
    QByteArray path;
    QByteArray body;
    int type;
    QByteArray link; // a symbolic link's target, or a hard link's other name with type 0
};

enum class Format { Zip, TarGz, SevenZip };

} // namespace

Q_DECLARE_METATYPE(Item)

namespace {

void makeArchive(const QString &path, const QList<Item> &items, Format format = Format::Zip)
{
    archive *a = archive_write_new();
    if (format == Format::Zip)
        archive_write_set_format_zip(a);
    else if (format == Format::SevenZip)
        archive_write_set_format_7zip(a);
    else {
        archive_write_set_format_pax_restricted(a);
        archive_write_add_filter_gzip(a);
    }
    QCOMPARE(archive_write_open_filename(a, QFile::encodeName(path).constData()), ARCHIVE_OK);
    for (const Item &item : items) {
        archive_entry *entry = archive_entry_new();
        archive_entry_set_pathname(entry, item.path.constData());
        archive_entry_set_perm(entry, 0644);
        if (item.type == 0) {
            archive_entry_set_filetype(entry, AE_IFREG);
            archive_entry_set_hardlink(entry, item.link.constData());
        } else {
            archive_entry_set_filetype(entry, item.type);
            if (item.type == AE_IFLNK)
                archive_entry_set_symlink(entry, item.link.constData());
            if (item.type == AE_IFREG)
                archive_entry_set_size(entry, item.body.size());
        }
        QCOMPARE(archive_write_header(a, entry), ARCHIVE_OK);
        if (!item.body.isEmpty())
            archive_write_data(a, item.body.constData(), item.body.size());
        archive_entry_free(entry);
    }
    archive_write_close(a);
    archive_write_free(a);
}

// A tar whose one header announces a file of the given size; the bytes themselves never follow.
void makeTarAnnouncing(const QString &path, qint64 size)
{
    QByteArray header(512, '\0');
    header.replace(0, 7, "big.dll");
    header.replace(100, 8, QByteArray("0000644\0", 8));
    header.replace(108, 8, QByteArray("0000000\0", 8));
    header.replace(116, 8, QByteArray("0000000\0", 8));
    header.replace(136, 12, QByteArray("00000000000\0", 12));
    header[156] = '0';
    header.replace(257, 8, QByteArray("ustar\0" "00", 8));
    header[124] = char(0x80); // the size in base 256, as tar writes sizes past 8 GB
    for (int i = 0; i < 8; ++i)
        header[135 - i] = char((size >> (8 * i)) & 0xff);
    header.replace(148, 8, "        ");
    unsigned sum = 0;
    for (const char c : std::as_const(header))
        sum += static_cast<unsigned char>(c);
    header.replace(148, 8, QByteArray::number(sum, 8).rightJustified(6, '0') + QByteArray("\0 ", 2));
    TestFiles::write(path, header + QByteArray(4096, 'x'));
}

} // namespace

class TestAddOnArchive : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusesHostileArchives_data();
    void refusesHostileArchives();
    void guessesWhereFilesGo_data();
    void guessesWhereFilesGo();
    void installsAndUninstalls_data();
    void installsAndUninstalls();
};

void TestAddOnArchive::refusesHostileArchives_data()
{
    QTest::addColumn<QList<Item>>("items");
    QTest::addColumn<QString>("why");
    QTest::addColumn<qint64>("announced"); // when set, a tar announcing a file of this size stands in for items

    QTest::newRow("10 GB announced") << QList<Item>{} << u"more than the"_s << 10LL * 1024 * 1024 * 1024;
    QTest::newRow("traversal") << QList<Item>{{"../liblist.gam", "x"}} << u"leads out"_s << qint64(0);
    QTest::newRow("traversal below a folder") << QList<Item>{{"dlls/../../hl.sh", "x"}} << u"leads out"_s << qint64(0);
    QTest::newRow("absolute path") << QList<Item>{{"/etc/cron.d/evil", "x"}} << u"absolute"_s << qint64(0);
    QTest::newRow("drive letter") << QList<Item>{{"C:/Windows/evil.dll", "x"}} << u"absolute"_s << qint64(0);
    QTest::newRow("device name") << QList<Item>{{"dlls/nul.dll", "x"}} << u"device name"_s << qint64(0);
    QTest::newRow("symbolic link") << QList<Item>{{"dlls", {}, AE_IFLNK, "/etc"}} << u"a link"_s << qint64(0);
    QTest::newRow("hard link") << QList<Item>{{"a.txt", "x"}, {"b.txt", {}, 0, "a.txt"}} << u"a link"_s << qint64(0);
    QTest::newRow("device file") << QList<Item>{{"dlls/zero", {}, AE_IFCHR}} << u"device file"_s << qint64(0);
    QTest::newRow("two letter cases")
        << QList<Item>{{"dlls/RamBot.dll", "a"}, {"DLLS/rambot.dll", "b"}} << u"twice"_s << qint64(0);
    QTest::newRow("file, then folder of that name")
        << QList<Item>{{"dlls", "a"}, {"dlls/rambot.dll", "b"}} << u"as a file"_s << qint64(0);
    QTest::newRow("folder, then file of that name")
        << QList<Item>{{"dlls/rambot.dll", "b"}, {"DLLS", "a"}} << u"as a folder"_s << qint64(0);
    // The file unpacks to 64 MB from a few kilobytes: past the cap, whatever it compresses to.
    QTest::newRow("zip bomb") << QList<Item>{{"bomb.dll", QByteArray(64 * 1024 * 1024, '\0')}} << u"more than"_s << qint64(0);
    QTest::newRow("empty") << QList<Item>{} << u"holds no files"_s << qint64(0);
}

void TestAddOnArchive::refusesHostileArchives()
{
    QFETCH(QList<Item>, items);
    QFETCH(QString, why);
    QFETCH(qint64, announced);
    UpdateFixture game;
    const QString path = game.dir.filePath(u"addon.zip"_s);
    if (announced > 0)
        makeTarAnnouncing(path, announced);
    else if (std::any_of(items.cbegin(), items.cend(), [](const Item &item) { return item.type != AE_IFREG; }))
        makeArchive(path, items, Format::TarGz); // zip holds neither hard links nor device files
    else
        makeArchive(path, items);
    const QStringList before = game.listing();

    AddOnArchive::Limits limits;
    limits.maxFileBytes = 16 * 1024 * 1024;
    const AddOnArchive::Listing listing = AddOnArchive::list(path, limits);
    QVERIFY2(listing.error.contains(why), qPrintable(listing.error));
    QVERIFY(listing.files.isEmpty());
    QCOMPARE(game.listing(), before);
}

void TestAddOnArchive::guessesWhereFilesGo_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<int>("root");
    QTest::addColumn<QString>("strip");

    const int game = int(AddOnInstall::Root::Game);
    const int halfLife = int(AddOnInstall::Root::HalfLife);
    QTest::newRow("the mod folder itself") << QStringList{u"cstrike/dlls/rambot.dll"_s} << halfLife << QString();
    QTest::newRow("its folders") << QStringList{u"dlls/rambot.dll"_s, u"rambot.cfg"_s} << game << QString();
    QTest::newRow("an add-on folder the game has")
        << QStringList{u"podbot/podbot.cfg"_s, u"podbot/podbot_mm.dll"_s} << game << QString();
    QTest::newRow("a release folder around the mod folder")
        << QStringList{u"RamBot 1.6/cstrike/dlls/rambot.dll"_s, u"RamBot 1.6/cstrike/readme.txt"_s} << halfLife
        << u"RamBot 1.6"_s;
    QTest::newRow("a release folder around its folders")
        << QStringList{u"rambot-1.6/dlls/rambot.dll"_s, u"rambot-1.6/rambot.cfg"_s} << game << u"rambot-1.6"_s;
    QTest::newRow("an add-on folder of its own") << QStringList{u"jk_botti/jk_botti.dll"_s} << game << QString();
}

void TestAddOnArchive::guessesWhereFilesGo()
{
    QFETCH(QStringList, paths);
    QFETCH(int, root);
    QFETCH(QString, strip);
    UpdateFixture game;
    QDir().mkpath(game.cstrike + u"/podbot"_s);
    QList<AddOnArchive::Entry> files;
    for (const QString &path : std::as_const(paths))
        files.append({path, 1});

    const AddOnInstall::Placement placement = AddOnInstall::guess(files, {game.halfLife, game.cstrike});
    QCOMPARE(int(placement.root), root);
    QCOMPARE(placement.strip, strip);
}

void TestAddOnArchive::installsAndUninstalls_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("changeAfterwards");

    QTest::newRow("zip") << int(Format::Zip) << false;
    QTest::newRow("tar.gz") << int(Format::TarGz) << false;
    QTest::newRow("7z") << int(Format::SevenZip) << false;
    QTest::newRow("changed since") << int(Format::Zip) << true;
}

// Installing replaces a game file and adds others below a folder that was not there; uninstalling puts the game
// folder back byte for byte, except what the player changed in between, which stays and is named.
void TestAddOnArchive::installsAndUninstalls()
{
    QFETCH(int, format);
    QFETCH(bool, changeAfterwards);
    UpdateFixture game;
    TestFiles::write(game.cstrike + u"/podbot/podbot.cfg"_s, "// the game's own\r\n");
    TestFiles::write(game.cstrike + u"/OLD liblist.gam"_s, game.read(game.cstrike + u"/liblist.gam"_s));
    const QStringList before = game.listing();
    const QString path = game.dir.filePath(u"podbot.archive"_s);
    makeArchive(path,
                {{"podbot/", {}, AE_IFDIR},
                 {"podbot/podbot.cfg", "// the archive's\r\n"},
                 {"podbot/podbot_mm.dll", "MZ"},
                 {"podbot/wpt/de_dust.pwf", "waypoints"}},
                Format(format));

    const AddOnArchive::Listing listing = AddOnArchive::list(path);
    QVERIFY2(listing.error.isEmpty(), qPrintable(listing.error));
    const AddOnInstall::Folders folders{game.halfLife, game.cstrike};
    const QString data = game.dir.filePath(u"data"_s);
    const AddOnInstall::Outcome outcome = AddOnInstall::install(path, listing, AddOnInstall::guess(listing.files, folders),
                                                                folders, u"PodBot"_s, data, game.staging);
    QVERIFY2(outcome.error.isEmpty(), qPrintable(outcome.error));
    QCOMPARE(game.read(game.cstrike + u"/podbot/podbot.cfg"_s), "// the archive's\r\n");
    QCOMPARE(game.read(game.cstrike + u"/podbot/wpt/de_dust.pwf"_s), "waypoints");
    QCOMPARE(outcome.libraries, QStringList{game.cstrike + u"/podbot/podbot_mm.dll"_s});
    QVERIFY(AddOnInstall::isInstalled(data, u"PodBot"_s));
    QVERIFY(!AddOnInstall::install(path, listing, {}, folders, u"PodBot"_s, data, game.staging).error.isEmpty());

    // Set up and played: its prepared descriptor stands in place of the game's own.
    const QByteArray prepared = "game \"Counter-Strike\"\r\ngamedll \"podbot\\podbot_mm.dll\"\r\n";
    TestFiles::write(game.cstrike + u"/PodBot liblist.gam"_s, prepared);
    TestFiles::write(game.cstrike + u"/liblist.gam"_s, prepared);
    if (changeAfterwards)
        TestFiles::write(game.cstrike + u"/podbot/wpt/de_dust.pwf"_s, "edited by the player");
    const AddOnInstall::Removal removal = AddOnInstall::uninstall(folders, u"PodBot"_s, data);
    QVERIFY2(removal.error.isEmpty(), qPrintable(removal.error));
    QVERIFY(!AddOnInstall::isInstalled(data, u"PodBot"_s));
    if (!changeAfterwards) {
        QCOMPARE(game.listing(), before);
        QVERIFY(removal.changed.isEmpty());
    } else {
        QCOMPARE(removal.changed, QStringList{QDir::toNativeSeparators(game.cstrike + u"/podbot/wpt/de_dust.pwf"_s)});
        QCOMPARE(game.read(game.cstrike + u"/podbot/podbot.cfg"_s), "// the game's own\r\n");
    }
}

QTEST_GUILESS_MAIN(TestAddOnArchive)
#include "tst_addonarchive.moc"
