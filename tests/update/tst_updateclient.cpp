#include "AppSettings.h"
#include "LoopbackServer.h"
#include "TestFiles.h"
#include "UpdateFixture.h"
#include "UpdateJob.h"
#include "VersionMarks.h"

#include <QBuffer>
#include <QPluginLoader>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;
using Route = LoopbackServer::Route;
using State = UpdateClient::State;

namespace {

const QByteArray body(100'000, 'b');
const QByteArray dll(300'000, 'd');

// A session of the network module linked into the test.
std::unique_ptr<HttpSession> linkedSession()
{
    for (QObject *instance : QPluginLoader::staticInstances()) {
        if (auto *module = qobject_cast<HttpModule *>(instance))
            return std::unique_ptr<HttpSession>(module->newSession());
    }
    return nullptr;
}

QByteArray record(const QString &base, const QByteArray &path, const QByteArray &keyword, const QByteArray &folders,
                  const QByteArray &name, const QByteArray &third = "x")
{
    return base.toLatin1() + path + "\r\n" + keyword + "\r\n" + third + "\r\n" + folders + "---EndSubDirectories---\r\n"
        + name + "\r\n------\r\n";
}

} // namespace

// The update lists as the server sends them, and the client that fetches them and an item's files.
class TestUpdateClient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void versions_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("versions"); // the twelve, joined by commas
        QByteArray fourteen;
        for (int i = 1; i <= 14; ++i)
            fourteen += "label\r\n" + QByteArray::number(i) + "\r\n";
        QTest::newRow("more than twelve pairs") << fourteen << u"1,2,3,4,5,6,7,8,9,10,11,12"_s;
        // Fewer pairs are read in tst_update's rowsAndMarks.
        QTest::newRow("an empty label ends the list") << "a\r\n3\r\n\r\n4\r\nb\r\n5\r\n"_ba << u"3,,,,,,,,,,,"_s;
        QTest::newRow("a label without its version") << "a\r\n3\r\nb"_ba << u"3,,,,,,,,,,,"_s;
    }

    void versions()
    {
        QFETCH(QByteArray, bytes);
        const ServerVersions versions = UpdateLists::parseVersions(bytes);
        QTEST(QStringList(versions.cbegin(), versions.cend()).join(u','), "versions");
    }

    void marks_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("installed");
        QTest::addColumn<bool>("marked");
        // A newer program, a positive number never installed, the same version installed, and "beta" never installed
        // are marked as tst_update's rowsAndMarks shows them; these rows are the rules that table does not reach.
        QTest::newRow("program: 10 sorts below 2") << 0 << u"10.0"_s << u"2.0"_s << false;
        QTest::newRow("never installed, zero") << 3 << u"0"_s << u"N/A"_s << false;
        QTest::newRow("installed, newer text") << 5 << u"1.2"_s << u"1.1"_s << true;
        QTest::newRow("installed, 10 below 9") << 5 << u"10"_s << u"9"_s << false;
        QTest::newRow("installed, letters by code") << 5 << u"1.2b"_s << u"1.2B"_s << true;
    }

    void marks()
    {
        QFETCH(int, index);
        QFETCH(QString, server);
        QFETCH(QString, installed);
        QTEST(VersionMarks::isNewer(index, server, installed), "marked");
    }

    void refusedFileLists_data()
    {
        QTest::addColumn<QByteArray>("bad");
        QTest::addColumn<int>("badLine");
        const QString u = u"http://u.test/"_s;
        QTest::newRow("traversal folder") << record(u, "PLBot/f", "counter-strike_dir", "..\r\n", "f") << 4;
        QTest::newRow("traversal in name") << record(u, "PLBot/f", "counter-strike_dir", "", "../f") << 5;
        QTest::newRow("absolute folder") << record(u, "PLBot/f", "half-life_dir", "/etc\r\n", "f") << 4;
        QTest::newRow("drive letter") << record(u, "PLBot/f", "half-life_dir", "C:\r\n", "f") << 4;
        QTest::newRow("backslash inside") << record(u, "PLBot/f", "half-life_dir", "", "a\\..\\f") << 5;
        QTest::newRow("control character") << record(u, "PLBot/f", "half-life_dir", "a\tb\r\n", "f") << 4;
        QTest::newRow("reserved name with extension")
            << record(u, "PLBot/f", "half-life_dir", "Com1.txt\r\n", "f") << 4;
        QTest::newRow("unknown root keyword") << record(u, "PLBot/f", "temp_dir", "", "f") << 2;
        QTest::newRow("address of another item") << QByteArray("http://u.test/RamBot/f\r\nhalf-life_dir\r\n") << 1;
        QTest::newRow("address leaving the item") << QByteArray("http://u.test/PLBot/../f\r\nhalf-life_dir\r\n") << 1;
        // Sent, encoded dots are dots, and a server may take an encoded slash for a slash.
        QTest::newRow("address leaving the item through encoded dots and slash")
            << QByteArray("http://u.test/PLBot/a/%2e%2E%2Ff\r\nhalf-life_dir\r\n") << 1;
        // A hash line in any other form would otherwise be taken for none, and a tampered file would pass.
        const QByteArray hex(64, 'a');
        const std::pair<const char *, QByteArray> hashLines[] = {{"63 digits", "sha256:" + hex.left(63)},
                                                                 {"65 digits", "sha256:" + hex + 'a'},
                                                                 {"capitals", "SHA256:" + hex},
                                                                 {"blank after the colon", "sha256: " + hex},
                                                                 {"not hex", "sha256:" + hex.left(63) + 'g'},
                                                                 {"trailing text", "sha256:" + hex + " x"}};
        for (const auto &[name, third] : hashLines)
            QTest::newRow(name) << record(u, "PLBot/f", "half-life_dir", "", "f", third) << 3;
        QTest::newRow("record cut short") << "http://u.test/PLBot/f\r\nhalf-life_dir\r\nx\r\ndlls\r\n"_ba << 4;
    }

    void refusedFileLists()
    {
        QFETCH(QByteArray, bad);
        QFETCH(int, badLine);
        // A good record first: the list is refused whole, not from the bad record on.
        const QByteArray good = record(u"http://u.test/"_s, "PLBot/ok", "half-life_dir", "", "ok");
        const FileList list = UpdateLists::parseFileList(good + bad, u"http://u.test/"_s, u"PLBot"_s);
        QVERIFY(list.files.isEmpty());
        QVERIFY2(list.error.contains(u"PLBot is refused: line %1 "_s.arg(badLine + 6)), qPrintable(list.error));
    }

    void transfers_data()
    {
        QTest::addColumn<Route>("route");
        // A part of the error, "*" for any error (Qt ends a redirect loop in more than one way), empty for success.
        QTest::addColumn<QString>("error");
        QTest::newRow("whole") << Route{.body = body} << QString();
        QTest::newRow("redirect on the server") << Route{.status = 302, .location = "/moved"} << QString();
        QTest::newRow("404") << Route{.status = 404, .body = "no"} << u"answered 404"_s;
        QTest::newRow("cut, announced") << Route{.body = body, .cutAfter = 500} << u"incomplete"_s;
        // Without its length (chunked or not) and without a hash, a part would pass for the whole file.
        QTest::newRow("cut, unannounced")
            << Route{.body = body, .length = Route::Length::Unannounced, .cutAfter = 500} << u"how large"_s;
        QTest::newRow("stalled") << Route{.body = body, .stall = true} << u"stopped sending"_s;
        QTest::newRow("drip") << Route{.body = body, .dripMs = 100} << u"took too long"_s;
        QTest::newRow("endless") << Route{.endless = true} << u"larger than"_s;
        QTest::newRow("redirect loop") << Route{.status = 302, .location = "/file"} << u"*"_s;
        QTest::newRow("redirect to another host")
            << Route{.status = 302, .location = "http://elsewhere.invalid/file"} << u"another address"_s;
        QTest::newRow("error page") << Route{.status = 500, .body = body} << u"answered 500"_s;
        QTest::newRow("error page, unannounced")
            << Route{.status = 404, .body = body, .length = Route::Length::Unannounced} << u"answered 404"_s;
        QTest::newRow("two lengths") << Route{.body = body, .headers = "Content-Length: 5\r\n"} << u"two different"_s;
    }

    void transfers()
    {
        QFETCH(Route, route);
        QFETCH(QString, error);
        LoopbackServer server;
        server.route("/file", route);
        server.serve("/moved", body);
        UpdateClient client{QUrl(server.baseUrl()), linkedSession()};
        client.setLimits({.silenceMs = 400, .deadlineMs = 1500, .maxBytes = 2 * 1024 * 1024, .maxRedirects = 3});
        QList<State> states;
        connect(&client, &UpdateClient::stateChanged, this, [&](State state) { states.append(state); });
        QSignalSpy finished(&client, &UpdateClient::finished);
        QBuffer sink;
        sink.open(QIODevice::WriteOnly);
        QVERIFY(client.fetch(QUrl(server.baseUrl() + u"file"_s), &sink));
        QVERIFY(client.isBusy());
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.size(), 1);
        QVERIFY(!client.isBusy());
        const QString got = finished.first().first().toString();
        // The status line goes through the states in the order of a fetch and ends on how it went.
        QCOMPARE(states.first(), State::LookingUp);
        QCOMPARE(states.last(), error.isEmpty() ? State::ResponseReceived : State::Error);
        if (error.isEmpty()) {
            QCOMPARE(got, QString());
            QCOMPARE(sink.data(), body);
            if (route.location.isEmpty())
                QVERIFY(std::is_sorted(states.cbegin(), states.cend()) && states.contains(State::Receiving));
        } else {
            QVERIFY2(error == u"*"_s ? !got.isEmpty() : got.contains(error, Qt::CaseInsensitive), qPrintable(got));
        }
        // Memory stays bounded: at most the cap reached the sink, and nothing of a body already refused.
        QVERIFY(sink.size() <= client.limits().maxBytes);
        if (route.status >= 400 || !route.headers.isEmpty() || error == "how large"_L1)
            QCOMPARE(sink.size(), 0);
        // Qt may send a request twice when the server closes the connection; a loop still ends after a few.
        QVERIFY(server.requests("/file") <= 8);
    }

    void job_data()
    {
        QTest::addColumn<QByteArray>("list"); // null: the server has none
        QTest::addColumn<Route>("readme");
        QTest::addColumn<QList<int>>("limits"); // item deadline, update deadline (ms), staging cap (bytes); 0: as built
        QTest::addColumn<QString>("error");     // a part of it; empty for none, and then the item is in place
        QTest::addColumn<int>("fetches");       // of a.dll
        // The placeholder BASE stands for the server's address.
        const auto rec = [](const QByteArray &keyword, const QByteArray &folders, const QByteArray &path,
                            const QByteArray &name, const QByteArray &third = "x") {
            return record(u"BASE"_s, path, keyword, folders, name, third);
        };
        const QByteArray hash = QCryptographicHash::hash(dll, QCryptographicHash::Sha256).toHex();
        // Each list begins with a file that replaces one of the game's, to show that it is put back.
        const QByteArray good = rec("counter-strike_dir", "dlls\r\n", "NNBot/a.dll", "\\a.dll", "sha256:" + hash);
        const QByteArray readme = rec("HALF-LIFE_DIR", "docs\r\nnnbot\r\n", "NNBot/readme.txt", "readme.txt");
        const Route text{.body = "read me"};
        const Route drip{.body = "read me", .dripMs = 100};
        // The existing folder is found in any letter case; a missing one is made.
        QTest::newRow("installed") << good + readme << text << QList<int>{} << QString() << 1;
        QTest::newRow("empty file list") << ""_ba << text << QList<int>{} << QString() << 0;
        QTest::newRow("list missing") << QByteArray() << text << QList<int>{} << u"NNBot could not be fetched"_s << 0;
        QTest::newRow("link leading outside") << good + rec("counter-strike_dir", "outside\r\n", "NNBot/a.dll", "a.dll")
                                              << text << QList<int>{} << u"leads outside"_s << 0;
        QTest::newRow("hash mismatch") << good
                + rec("counter-strike_dir", "", "NNBot/a.dll", "b.dll", "sha256:" + QByteArray(64, '0'))
                                       << text << QList<int>{} << u"sha256"_s << 2;
        QTest::newRow("one target twice, in two letter cases")
            << good + rec("counter-strike_dir", "DLLS\r\n", "NNBot/readme.txt", "A.DLL") << text << QList<int>{}
            << u"twice"_s << 0;
        QTest::newRow("a file of the game where a folder must be")
            << good + rec("counter-strike_dir", "liblist.gam\r\n", "NNBot/readme.txt", "x") << text << QList<int>{}
            << u"file where a folder"_s << 0;
        QTest::newRow("a folder of the game where a file must be")
            << good + rec("half-life_dir", "", "NNBot/readme.txt", "cstrike") << text << QList<int>{}
            << u"folder where a file"_s << 0;
        QTest::newRow("named like another file's copy")
            << good + rec("counter-strike_dir", "dlls\r\n", "NNBot/readme.txt", "a.dll.trevlin-update") << text
            << QList<int>{} << u"copy put beside"_s << 0;
        QTest::newRow("item deadline") << good + readme << drip << QList<int>{400, 0, 0}
                                       << u"update of NNBot took longer"_s << 1;
        QTest::newRow("update deadline") << good + readme << drip << QList<int>{0, 400, 0}
                                         << u"whole update took longer"_s << 1;
        QTest::newRow("staging cap") << good + readme << text << QList<int>{0, 0, 100'000} << u"stage more than"_s << 1;
        QTest::newRow("cancelled as a file arrives") << good + readme << drip << QList<int>{} << u"cancel"_s << 1;
    }

    void job()
    {
        QFETCH(QByteArray, list);
        QFETCH(Route, readme);
        QFETCH(QList<int>, limits);
        QFETCH(QString, error);
        LoopbackServer server;
        UpdateFixture fixture;
        TestFiles::write(fixture.cstrike + u"/DLLS/a.dll"_s, "old");
        QTemporaryDir elsewhere;
        QVERIFY(QFile::link(elsewhere.path(), fixture.cstrike + u"/outside"_s));
        server.serve("/NNBot/a.dll", dll);
        server.route("/NNBot/readme.txt", readme);
        server.serve("/Versions.txt", "Trevlin\r\n0\r\nNNBot\r\n2.5\r\n");
        if (!list.isNull())
            server.serve("/NNBot.txt", QByteArray(list).replace("BASE", server.baseUrl().toLatin1()));
        AppSettings settings(AppSettings::openFile(fixture.dir.filePath(u"Trevlin.conf"_s)));
        UpdateJob job(server.baseUrl(), linkedSession(), {}, settings, {u"Trevlin"_s, u"NNBot   "_s});
        UpdateJob::Limits bounds;
        bounds.transfer = {.silenceMs = 1000, .deadlineMs = 3000};
        if (limits.size() == 3) {
            bounds.itemDeadlineMs = limits[0] ? limits[0] : bounds.itemDeadlineMs;
            bounds.updateDeadlineMs = limits[1] ? limits[1] : bounds.updateDeadlineMs;
            bounds.stagingCap = limits[2] ? limits[2] : bounds.stagingCap;
        }
        job.setLimits(bounds);
        job.setStagingParent(fixture.staging);
        QSignalSpy versions(&job, &UpdateJob::versionsArrived);
        job.fetchVersions();
        QVERIFY(versions.wait(5000));
        const QStringList before = fixture.listing();
        QSignalSpy ended(&job, &UpdateJob::ended);
        job.start({1}, {fixture.halfLife, fixture.cstrike});
        if (error == "cancel"_L1) {
            QTRY_VERIFY_WITH_TIMEOUT(server.requests("/NNBot/readme.txt") == 1, 5000);
            job.cancel();
            QVERIFY(!job.isBusy());
        } else {
            QVERIFY(ended.wait(8000));
            const QString got = ended.first().first().toString();
            QVERIFY2(error.isEmpty() ? got.isEmpty() : got.contains(error), qPrintable(got));
        }
        QVERIFY(QDir(elsewhere.path()).isEmpty());
        QTEST(server.requests("/NNBot/a.dll"), "fetches");
        // Nothing stays staged, whatever the end.
        QCOMPARE(QDir(fixture.staging).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        const QString installed = settings.value(AppSettings::Family::InstalledVersion, u"NNBot   "_s);
        if (!error.isEmpty() || list.isEmpty()) {
            QCOMPARE(fixture.listing(), before);
            QCOMPARE(installed == u"2.5"_s, error.isEmpty());
            return;
        }
        QCOMPARE(installed, u"2.5"_s);
        QCOMPARE(TestFiles::read(fixture.cstrike + u"/DLLS/a.dll"_s), dll);
        QCOMPARE(TestFiles::read(fixture.halfLife + u"/docs/nnbot/readme.txt"_s), QByteArray("read me"));
        // No copy is left beside a file.
        QCOMPARE(QDir(fixture.cstrike + u"/DLLS"_s).entryList(QDir::Files), QStringList{u"a.dll"_s});
    }

    // The program loads the network module from its file at the first fetch; the other tests link in the same
    // sources and fetch through them.
    void moduleFileLoads()
    {
        QPluginLoader loader(QStringLiteral(TREVLIN_NETWORK_MODULE));
        auto *module = qobject_cast<HttpModule *>(loader.instance());
        QVERIFY2(module, qPrintable(loader.errorString()));
        QVERIFY(std::unique_ptr<HttpSession>(module->newSession()));
    }
};

QTEST_GUILESS_MAIN(TestUpdateClient)
#include "tst_updateclient.moc"
