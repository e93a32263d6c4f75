#include "AppSettings.h"
#include "HttpModule.h"
#include "ListSignature.h"
#include "ListSigner.h"
#include "NginxServer.h"
#include "TestFiles.h"
#include "UpdateFixture.h"
#include "UpdateJob.h"
#include "UpdateListWriter.h"
#include "UpdateSite.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QPluginLoader>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString base = u"http://127.0.0.1:8000/site/"_s;
const QByteArray list = "Trevlin\r\n2.0\r\nAndroidBot\r\n1.1\r\n";

// Runs Debian's minisign, never letting it wait for a password; its exit code, and what it said in output.
int minisign(const QStringList &arguments, QString *output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStandardPaths::findExecutable(u"minisign"_s), arguments);
    process.closeWriteChannel();
    const bool ended = process.waitForFinished(30'000);
    if (output)
        *output = QString::fromUtf8(process.readAll());
    return ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QByteArray flipByte(QByteArray bytes, qsizetype at)
{
    bytes[at] = char(bytes[at] ^ 0x01);
    return bytes;
}

// A file's line replaced, or dropped when replacement is null; with decoded, the line is base64 and replacement
// goes at that place of its bytes, or a null one flips the byte there.
QByteArray withLine(const QByteArray &file, int index, const QByteArray &replacement, qsizetype decoded = -1)
{
    QList<QByteArray> lines = file.split('\n');
    const QByteArray bytes = QByteArray::fromBase64(lines[index]);
    if (decoded >= 0)
        lines[index] = (replacement.isNull() ? flipByte(bytes, decoded)
                                             : QByteArray(bytes).replace(decoded, replacement.size(), replacement))
                           .toBase64();
    else if (replacement.isNull())
        lines.removeAt(index);
    else
        lines[index] = replacement;
    return lines.join('\n');
}

// Lays out a source folder: each path gets itself as its content; a path ending in "/" is an empty folder, and
// one starting with "=" goes into the output folder instead.
void lay(const QString &source, const QString &output, const QStringList &paths)
{
    for (const QString &path : paths) {
        const QString full = path.startsWith(u'=') ? output + u'/' + path.mid(1) : source + u'/' + path;
        if (path.endsWith(u'/'))
            QDir().mkpath(full);
        else
            TestFiles::write(full, path.toUtf8());
    }
}

std::unique_ptr<HttpSession> linkedSession()
{
    for (QObject *instance : QPluginLoader::staticInstances()) {
        if (auto *module = qobject_cast<HttpModule *>(instance))
            return std::unique_ptr<HttpSession>(module->newSession());
    }
    return nullptr;
}

QByteArray fetch(UpdateClient &client, const QString &url)
{
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QSignalSpy finished(&client, &UpdateClient::finished);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!client.fetch(QUrl(url), &sink, 0, &hash) || !finished.wait(5000)
        || !finished.first().first().toString().isEmpty())
        return "<not fetched>";
    return sink.data();
}

} // namespace

// Update lists signed by the real minisign and by the publisher, what the program makes of every way they can be
// spoiled, and a published site served by nginx.
class TestUpdateSite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(u"minisign"_s).isEmpty())
            QSKIP("minisign is not installed (./test installs it)");
        for (const QString &name : {u"site"_s, u"foreign"_s})
            QCOMPARE(minisign({u"-G"_s, u"-W"_s, u"-p"_s, path(name + u".pub"_s), u"-s"_s, path(name + u".key"_s)}), 0);
        m_key = QString::fromLatin1(TestFiles::read(path(u"site.pub"_s)).split('\n')[1]);
        const QByteArray secret = TestFiles::read(path(u"site.key"_s));
        TestFiles::write(path(u"locked.key"_s), withLine(secret, 1, "Sc", 2));
        TestFiles::write(path(u"damaged.key"_s), withLine(secret, 1, {}, 62));
        TestFiles::write(path(u"Versions.txt"_s), list);
    }

    void verify_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("minisig");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("error");
        QTest::addColumn<qint64>("time");     // -1: any time after the key was made
        QTest::addColumn<qint64>("accepted"); // the time of the list taken last, for a signed update; -1: none
        const QByteArray hashed = sign({});
        const QByteArray legacy = sign({u"-l"_s});
        const QByteArray dated = sign({u"-t"_s, u"timestamp:1234567890\tfile:Versions.txt"_s});
        const QString changed = u"The list does not match its signature: it was changed after it was signed."_s;
        const QString damaged = u"The list's signature is damaged: it is not a minisign signature file."_s;
        const auto row = [this](const char *name, const QByteArray &bytes, const QByteArray &minisig,
                                const QString &error, qint64 time = 0, const QString &key = {}, qint64 accepted = -1) {
            QTest::newRow(name) << bytes << minisig << (key.isNull() ? m_key : key) << error << time << accepted;
        };
        row("prehashed, as minisign signs by default", list, hashed, {}, -1);
        row("legacy", list, legacy, {}, -1);
        row("a trusted comment of its own", list, dated, {}, 1234567890);
        row("no timestamp in the comment", list, sign({u"-t"_s, u"file:Versions.txt"_s}), {}, 0);
        row("made by the publisher", list, signer().sign(list, u"Versions.txt"_s, 1800000000), {}, 1800000000);

        row("as new as the list taken last", list, dated, {}, 1234567890, {}, 1234567890);
        row("older than the list taken last", list, dated,
            u"Versions.txt is refused. It was signed on 2009-02-13 23:31:30 UTC, before the one taken last (signed on "
            "2009-02-13 23:31:31 UTC): the server must not take you back to older files."_s,
            1234567890, {}, 1234567891);
        row("no time, for a signed update", list, sign({u"-t"_s, u"file:Versions.txt"_s}),
            u"Versions.txt is refused. Its signature carries no time (\"timestamp:\" in its trusted comment), so it "
            "cannot be told from an older list."_s,
            0, {}, 0);
        row("signed as another list", list, sign({u"-t"_s, u"timestamp:1234567890\tfile:RamBot.txt"_s}),
            u"Versions.txt is refused. It was signed as RamBot.txt: the server must not hand one list out as another."_s,
            1234567890, {}, 0);
        row("naming no file, for a signed update", list, sign({u"-t"_s, u"timestamp:1234567890"_s}),
            u"Versions.txt is refused. Its signature names no file (\"file:\" in its trusted comment), so it cannot be "
            "told from another list."_s,
            1234567890, {}, 0);
        row("one byte of the list", flipByte(list, 9), hashed, changed);
        row("one byte of the signature", list, withLine(hashed, 1, {}, 73), changed);
        row("legacy and prehashed swapped", list, withLine(hashed, 1, "Ed", 0), changed);
        const auto idOf = [this](const QString &name) {
            return QString::fromLatin1(TestFiles::read(path(name + u".pub"_s)).split('\n')[0].split(' ').last());
        };
        row("a foreign key", list, sign({}, u"foreign"_s),
            u"The list was signed with another key (%1) than the one this program trusts (%2)."_s.arg(
                idOf(u"foreign"_s), idOf(u"site"_s)));
        row("truncated", list, hashed.left(60), damaged);
        row("no trusted comment", list, withLine(hashed, 2, {}), u"The list's signature has no trusted comment."_s);
        row("an altered trusted comment", list, QByteArray(dated).replace("1234567890", "1934567890"),
            u"The trusted comment of the list's signature was changed after it was signed."_s);
        row("no signature", list, {}, u"The list has no signature."_s);
        row("far too large", list, hashed + QByteArray(ListSignature::maxSignatureFileSize, '\n'), damaged);
        row("a broken trusted key", list, hashed,
            u"The signing key this program trusts is not a minisign public key."_s, 0, m_key.left(40));
    }

    void verify()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, minisig);
        QFETCH(QString, key);
        QFETCH(QString, error);
        QFETCH(qint64, time);
        QFETCH(qint64, accepted);
        const SignatureCheck check = accepted < 0
            ? ListSignature::verify(bytes, minisig, key)
            : ListSignature::acceptSigned(u"Versions.txt"_s, bytes, minisig, accepted, key);
        QCOMPARE(check.error, error);
        QCOMPARE(check.ok, error.isEmpty());
        QVERIFY2(time < 0 ? check.trustedTime > 1'700'000'000 : check.trustedTime == time,
                 qPrintable(QString::number(check.trustedTime)));
    }

    void publish_data()
    {
        QTest::addColumn<QStringList>("source");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // how standard output (exit code 0) or error (else) starts
        const QStringList ok{u"-b"_s, base, u"-s"_s, path(u"site.key"_s)};
        const QString ramBot = u"RamBot/1.2/counter-strike_dir/dlls/ram bot.dll"_s;
        const auto row = [](const char *name, const QStringList &source, const QStringList &options, int exitCode,
                            const QString &output) {
            QTest::newRow(name) << source << options << exitCode << output;
        };
        row("items, a note and a hidden file",
            {ramBot, u"AndroidBot/1.1/Half-Life_Dir/cstrike/androidbot/caf\u00e9.txt"_s,
             u"AndroidBot/1.1/counter-strike_dir/a.cfg"_s, u"README.txt"_s, u"Trevlin/2.0/.keep"_s},
            ok, 0, u"Published 3 items with 3 files to "_s);
        row("an item without files", {u"NNBot/1.0/"_s}, ok, 0, u"Published 1 items with 0 files to "_s);
        row("signed as of a time", {ramBot}, ok + QStringList{u"--signed-at"_s, u"1000"_s}, 0, u"Published 1 items"_s);
        row("no key", {ramBot}, {u"-b"_s, base}, 2, u"Give the base address (--base-url) and the secret key"_s);
        row("a key with a password", {ramBot}, {u"-b"_s, base, u"-s"_s, u"<keys>/locked.key"_s}, 1,
            u"The secret key <keys>/locked.key cannot be used: This secret key is protected by a password."_s);
        row("a damaged key", {ramBot}, {u"-b"_s, base, u"-s"_s, u"<keys>/damaged.key"_s}, 1,
            u"The secret key <keys>/damaged.key cannot be used: This secret key is damaged: its two halves"_s);
        row("not an item", {u"SkyBot/1.0/counter-strike_dir/a.dll"_s}, ok, 1, u"<source>/SkyBot is no update item"_s);
        row("two versions", {u"RamBot/1.1/counter-strike_dir/a.dll"_s, u"RamBot/1.2/counter-strike_dir/a.dll"_s}, ok, 1,
            u"<source>/RamBot must hold exactly one folder"_s);
        row("an unknown root", {u"RamBot/1.2/steam_dir/a.dll"_s}, ok, 1,
            u"<source>/RamBot/1.2/steam_dir is neither \"half-life_dir\""_s);
        row("names apart only in case", {ramBot, u"RamBot/1.2/counter-strike_dir/dlls/Ram Bot.dll"_s}, ok, 1,
            u"<source>/RamBot/1.2/counter-strike_dir/dlls/ram bot.dll has the same name"_s);
        row("a folder where a file is", {u"RamBot/1.2/counter-strike_dir/Dlls"_s, ramBot}, ok, 1,
            u"<source>/RamBot/1.2/counter-strike_dir/dlls is a folder where another file"_s);
        row("an output folder in use", {ramBot, u"=index.html"_s}, ok, 1, u"<output> is not empty"_s);
    }

    // What the publisher writes, UpdateLists reads back: the versions, and each file under its address, named and
    // placed as in the source, with its hash; and the real minisign accepts every signature.
    void publish()
    {
        QFETCH(QStringList, source);
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QTemporaryDir dir;
        const QString from = dir.filePath(u"source"_s);
        const QString site = dir.filePath(u"site"_s);
        lay(from, site, source);
        output.replace(u"<source>"_s, from).replace(u"<output>"_s, site).replace(u"<keys>"_s, m_dir.path());
        options.replaceInStrings(u"<keys>"_s, m_dir.path());
        QProcess publisher;
        publisher.start(QStringLiteral(TREVLIN_PUBLISH), options + QStringList{from, site});
        QVERIFY(publisher.waitForFinished(30'000));
        QCOMPARE(publisher.exitCode(), exitCode);
        const QString printed
            = QString::fromUtf8(exitCode == 0 ? publisher.readAllStandardOutput() : publisher.readAllStandardError());
        QVERIFY2(printed.startsWith(output), qPrintable(printed));
        if (exitCode != 0) {
            QCOMPARE(QDir(site).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(),
                     source.filter(u"="_s).size());
            return;
        }
        const ServerVersions versions = UpdateLists::parseVersions(TestFiles::read(site + u"/Versions.txt"_s));
        qsizetype files = 0;
        for (int index = 0; index < BotCatalogue::updateNameCount; ++index) {
            const QString name = BotCatalogue::updateNames()[index].trimmed();
            if (versions[index].isEmpty())
                continue;
            QVERIFY(!source.filter(name + u'/' + versions[index] + u'/').isEmpty());
            const FileList list
                = UpdateLists::parseFileList(TestFiles::read(site + u'/' + name + u".txt"_s), base, name);
            QCOMPARE(list.error, QString());
            for (const UpdateFile &file : list.files) {
                const QByteArray served
                    = TestFiles::read(site + u'/' + QUrl::fromPercentEncoding(file.url.mid(base.size()).toLatin1()));
                QCOMPARE(QCryptographicHash::hash(served, QCryptographicHash::Sha256), file.sha256);
                QVERIFY(QString::fromUtf8(served).endsWith(file.folders.join(u'/') + u'/' + file.fileName));
                ++files;
            }
        }
        QCOMPARE(files, source.filter(u"_dir/"_s, Qt::CaseInsensitive).size());
        for (const QString &name : QDir(site).entryList({u"*.txt"_s}, QDir::Files)) {
            QString said;
            QVERIFY2(minisign({u"-V"_s, u"-m"_s, site + u'/' + name, u"-p"_s, path(u"site.pub"_s)}, &said) == 0,
                     qPrintable(said));
            QCOMPARE(said.contains(u"timestamp:1000\t"_s), options.contains(u"--signed-at"_s));
        }
    }

    void servedByNginx()
    {
        if (NginxServer::program().isEmpty())
            QSKIP("nginx is not installed (./test installs nginx-light)");
        QTemporaryDir dir;
        const QString site = dir.filePath(u"site"_s);
        QDir().mkpath(site);
        NginxServer server(site);
        QVERIFY2(server.isRunning(), qPrintable(server.error()));
        lay(dir.filePath(u"source"_s), site, {u"RamBot/1.2/counter-strike_dir/dlls/ram bot.dll"_s});
        const auto published
            = UpdateSite::publish(dir.filePath(u"source"_s), server.baseUrl(), signer(), site, 2'000'000'000);
        QCOMPARE(published.error, QString());

        UpdateClient client{QUrl(server.baseUrl()), linkedSession()};
        QByteArray list;
        for (const QString &name : {u"Versions.txt"_s, u"RamBot.txt"_s}) {
            list = fetch(client, server.baseUrl() + name);
            const SignatureCheck check
                = ListSignature::verify(list, fetch(client, server.baseUrl() + name + u".minisig"_s), m_key);
            QVERIFY2(check.ok, qPrintable(name + u": "_s + check.error));
            QCOMPARE(check.trustedTime, 2'000'000'000);
        }
        const FileList files = UpdateLists::parseFileList(list, server.baseUrl(), u"RamBot"_s);
        QCOMPARE(files.files.size(), 1);
        QCOMPARE(QCryptographicHash::hash(fetch(client, files.files.first().url), QCryptographicHash::Sha256),
                 files.files.first().sha256);
    }

    void signedUpdate_data()
    {
        QTest::addColumn<QString>("spoiled");
        QTest::addColumn<QString>("error"); // how the update ends, in part; empty when RamBot is in place
        QTest::newRow("as published") << QString() << QString();
        QTest::newRow("one byte of the library")
            << u"library"_s << u"1.2/counter-strike_dir/dlls/rambot.dll does not match its sha256 hash"_s;
        QTest::newRow("the file list's signature removed")
            << u"signature"_s << u"The signature of RamBot.txt could not be fetched: "_s;
        QTest::newRow("versions older than the ones taken last")
            << u"older"_s << u"Versions.txt is refused. It was signed on "_s;
        QTest::newRow("one file named twice, signed anew")
            << u"twice"_s << u"The file list of RamBot is refused: "_s;
    }

    // A whole update as the window runs it, from a published site that nginx serves, with the publisher's key
    // trusted: it installs as published, and any change to the site changes nothing in the game and says why.
    void signedUpdate()
    {
        QFETCH(QString, spoiled);
        QFETCH(QString, error);
        if (NginxServer::program().isEmpty())
            QSKIP("nginx is not installed (./test installs nginx-light)");
        UpdateFixture fixture;
        const QString site = fixture.dir.filePath(u"site"_s);
        QDir().mkpath(site);
        NginxServer server(site);
        QVERIFY2(server.isRunning(), qPrintable(server.error()));
        const QString source = fixture.dir.filePath(u"source"_s);
        const QString library = u"RamBot/1.2/counter-strike_dir/dlls/rambot.dll"_s;
        lay(source, site, {library, u"RamBot/1.2/counter-strike_dir/rambot.cfg"_s});
        const qint64 signedAt = 2'000'000'000;
        QCOMPARE(UpdateSite::publish(source, server.baseUrl(), signer(), site, signedAt).error, QString());
        const QString served = site + u'/' + library;
        if (spoiled == u"library"_s)
            TestFiles::write(served, flipByte(TestFiles::read(served), 3));
        else if (spoiled == u"signature"_s)
            QVERIFY(QFile::remove(site + u"/RamBot.txt.minisig"_s));
        else if (spoiled == u"twice"_s) {
            FileList list = UpdateLists::parseFileList(TestFiles::read(site + u"/RamBot.txt"_s), server.baseUrl(),
                                                       u"RamBot"_s);
            list.files.append(list.files.first());
            list.files.last().fileName = list.files.last().fileName.toUpper();
            const QByteArray bytes = UpdateListWriter::fileList(list.files);
            TestFiles::write(site + u"/RamBot.txt"_s, bytes);
            TestFiles::write(site + u"/RamBot.txt.minisig"_s, signer().sign(bytes, u"RamBot.txt"_s, signedAt));
        }

        AppSettings settings(AppSettings::openFile(fixture.dir.filePath(u"Trevlin.conf"_s)));
        if (spoiled == u"older"_s)
            settings.setValue(AppSettings::Family::AcceptedListTime, u"Versions.txt"_s, QString::number(signedAt + 1));
        const BotCatalogue::UpdateNames names = BotCatalogue::updateNames();
        const QStringList keys(names.begin(), names.end());
        const int ramBot = int(keys.indexOf(QRegularExpression(u"^RamBot *$"_s)));
        UpdateJob job(server.baseUrl(), linkedSession(), {}, settings, keys);
        job.trustKey(m_key);
        job.setStagingParent(fixture.staging);
        const QStringList before = fixture.listing();
        QSignalSpy versions(&job, &UpdateJob::versionsArrived);
        job.fetchVersions();
        QVERIFY(versions.wait(5000));
        QString said = versions.first().first().toString();
        if (said.isEmpty()) {
            QCOMPARE(job.serverVersions()[ramBot], u"1.2"_s);
            QSignalSpy ended(&job, &UpdateJob::ended);
            job.start({ramBot}, {fixture.halfLife, fixture.cstrike});
            QVERIFY(ended.wait(10'000));
            said = ended.first().first().toString();
        }
        QVERIFY2(error.isEmpty() ? said.isEmpty() : said.contains(error), qPrintable(said));
        QCOMPARE(QDir(fixture.staging).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        const QString installed = settings.value(AppSettings::Family::InstalledVersion, keys[ramBot]);
        if (!error.isEmpty()) {
            QCOMPARE(fixture.listing(), before);
            QVERIFY(installed != u"1.2"_s);
            return;
        }
        QCOMPARE(installed, u"1.2"_s);
        QCOMPARE(TestFiles::read(fixture.cstrike + u"/dlls/rambot.dll"_s), library.toUtf8());
        QCOMPARE(settings.value(AppSettings::Family::AcceptedListTime, u"RamBot.txt"_s), QString::number(signedAt));
    }

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    ListSigner signer() const
    {
        QString error;
        const std::optional<ListSigner> signer = ListSigner::fromKeyFile(TestFiles::read(path(u"site.key"_s)), &error);
        if (!signer)
            qFatal("%s", qPrintable(error));
        return *signer;
    }

    QByteArray sign(const QStringList &options, const QString &key = u"site"_s) const
    {
        QString said;
        if (minisign(QStringList{u"-S"_s, u"-s"_s, path(key + u".key"_s), u"-m"_s, path(u"Versions.txt"_s)} + options,
                     &said)
            != 0)
            qWarning("minisign -S failed: %s", qPrintable(said));
        return TestFiles::read(path(u"Versions.txt.minisig"_s));
    }

    QTemporaryDir m_dir;
    QString m_key; // the public key line
};

QTEST_GUILESS_MAIN(TestUpdateSite)
#include "tst_updatesite.moc"
