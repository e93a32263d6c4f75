#include "ItemInstaller.h"
#include "LoopbackServer.h"
#include "TestFiles.h"
#include "UpdateClient.h"
#include "UpdateFixture.h"

#include <QBuffer>
#include <QPluginLoader>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;
using Route = LoopbackServer::Route;
using State = UpdateClient::State;

namespace {

const QByteArray body(100'000, 'b');

// Runs one item through an installer against server; returns its error.
QString install(LoopbackServer &server, UpdateFixture &fixture, const QString &item)
{
    UpdateClient client{QUrl(server.baseUrl())};
    client.setLimits({.silenceMs = 1000, .deadlineMs = 3000});
    ItemInstaller installer(client, server.baseUrl());
    QSignalSpy done(&installer, &ItemInstaller::done);
    installer.start(item, fixture.staging, {fixture.halfLife, fixture.cstrike});
    return done.wait(8000) ? done.first().first().toString() : u"no end"_s;
}

QByteArray record(const QString &base, const QByteArray &path, const QByteArray &keyword, const QByteArray &folders,
                  const QByteArray &name, const QByteArray &third = "x")
{
    return base.toLatin1() + path + "\r\n" + keyword + "\r\n" + third + "\r\n" + folders + "---EndSubDirectories---\r\n"
        + name + "\r\n------\r\n";
}

} // namespace

class TestUpdateClient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void transfers_data();
    void transfers();
    void installsAnItem();
    void itemsThatChangeNothing_data();
    void itemsThatChangeNothing();
    void moduleFileServesAFetch();
};

void TestUpdateClient::transfers_data()
{
    QTest::addColumn<Route>("route");
    // A part of the error, "*" for any error (Qt ends a redirect loop in more than one way), empty for success.
    QTest::addColumn<QString>("error");
    QTest::newRow("whole") << Route{.body = body} << QString();
    QTest::newRow("redirect on the server") << Route{.status = 302, .location = "/moved"} << QString();
    QTest::newRow("404") << Route{.status = 404, .body = "no"} << u"answered 404"_s;
    QTest::newRow("cut, announced") << Route{.body = body, .cutAfter = 500} << u"incomplete"_s;
    // Without its length (chunked or not) and without a hash, a part would pass for the whole file.
    QTest::newRow("cut, unannounced") << Route{.body = body, .length = Route::Length::Unannounced, .cutAfter = 500}
                                      << u"how large"_s;
    QTest::newRow("stalled") << Route{.body = body, .stall = true} << u"stopped sending"_s;
    QTest::newRow("drip") << Route{.body = body, .dripMs = 100} << u"took too long"_s;
    QTest::newRow("endless") << Route{.endless = true} << u"larger than"_s;
    QTest::newRow("redirect loop") << Route{.status = 302, .location = "/file"} << u"*"_s;
    QTest::newRow("redirect to another host")
        << Route{.status = 302, .location = "http://elsewhere.invalid/file"} << u"another address"_s;
}

void TestUpdateClient::transfers()
{
    QFETCH(Route, route);
    QFETCH(QString, error);
    LoopbackServer server;
    server.route("/file", route);
    server.serve("/moved", body);
    UpdateClient client{QUrl(server.baseUrl())};
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
    // Memory stays bounded: at most the cap reached the sink.
    QVERIFY(sink.size() <= client.limits().maxBytes);
    // Qt may send a request twice when the server closes the connection; a loop still ends after a few.
    QVERIFY(server.requests("/file") <= 8);
}

void TestUpdateClient::installsAnItem()
{
    LoopbackServer server;
    UpdateFixture fixture;
    TestFiles::write(fixture.cstrike + u"/DLLS/rambot.dll"_s, "old");
    const QByteArray dll(300'000, 'd');
    const QByteArray hash = QCryptographicHash::hash(dll, QCryptographicHash::Sha256).toHex();
    server.serve("/RamBot/rambot.dll", dll);
    server.serve("/RamBot/readme.txt", "read me");
    const QString base = server.baseUrl();
    server.serve("/RamBot.txt",
                 record(base, "RamBot/rambot.dll", "counter-strike_dir", "dlls\r\n", "\\rambot.dll", "sha256:" + hash)
                     + record(base, "RamBot/readme.txt", "HALF-LIFE_DIR", "docs\r\nrambot\r\n", "readme.txt"));
    QCOMPARE(install(server, fixture, u"RamBot"_s), QString());
    // The existing folder is found in any letter case; a missing one is made; no copy is left beside a file.
    QCOMPARE(TestFiles::read(fixture.cstrike + u"/DLLS/rambot.dll"_s), dll);
    QCOMPARE(TestFiles::read(fixture.halfLife + u"/docs/rambot/readme.txt"_s), QByteArray("read me"));
    QCOMPARE(QDir(fixture.cstrike + u"/DLLS"_s).entryList(QDir::Files), QStringList{u"rambot.dll"_s});
}

void TestUpdateClient::itemsThatChangeNothing_data()
{
    QTest::addColumn<QByteArray>("list"); // null: the server has none
    QTest::addColumn<QString>("error");   // a part of it; empty for none
    QTest::addColumn<int>("fetches");     // of a.dll
    // The placeholder BASE stands for the server's address.
    const auto rec = [](const QByteArray &folders, const QByteArray &name, const QByteArray &third = "x") {
        return record(u"BASE"_s, "NNBot/a.dll", "counter-strike_dir", folders, name, third);
    };
    const QByteArray good = rec("dlls\r\n", "a.dll");
    // Names a file list may not hold (traversal, absolute paths, reserved names) are refused by tst_updatelists'
    // rows before anything is fetched; these are refused on the way. A file that is not there, and a cancel in the
    // middle, are tried in tst_update's failedItemChangesNothing and busyAndCancel.
    QTest::newRow("empty file list") << ""_ba << QString() << 0;
    QTest::newRow("link leading outside") << good + rec("outside\r\n", "a.dll") << u"leads outside"_s << 0;
    QTest::newRow("hash mismatch") << good + rec("", "b.dll", "sha256:" + QByteArray(64, '0')) << u"sha256"_s << 2;
    QTest::newRow("list missing") << QByteArray() << u"file list of NNBot could not be fetched"_s << 0;
}

void TestUpdateClient::itemsThatChangeNothing()
{
    QFETCH(QByteArray, list);
    QFETCH(QString, error);
    LoopbackServer server;
    UpdateFixture fixture;
    QTemporaryDir elsewhere;
    QVERIFY(QFile::link(elsewhere.path(), fixture.cstrike + u"/outside"_s));
    server.serve("/NNBot/a.dll", "new dll");
    if (!list.isNull())
        server.serve("/NNBot.txt", QByteArray(list).replace("BASE", server.baseUrl().toLatin1()));
    const QStringList before = fixture.listing();
    const QString got = install(server, fixture, u"NNBot"_s);
    QVERIFY2(error.isEmpty() ? got.isEmpty() : got.contains(error), qPrintable(got));
    QCOMPARE(fixture.listing(), before);
    QVERIFY(QDir(elsewhere.path()).isEmpty());
    QTEST(server.requests("/NNBot/a.dll"), "fetches");
}

// The program loads the network module from its file at the first fetch; the other tests link it in.
void TestUpdateClient::moduleFileServesAFetch()
{
    QPluginLoader loader(QStringLiteral(TREVLIN_NETWORK_MODULE));
    auto *module = qobject_cast<HttpModule *>(loader.instance());
    QVERIFY2(module, qPrintable(loader.errorString()));
    struct Listener : HttpGet::Listener
    {
        void onConnecting() override { }
        void onRequestSent() override { }
        void onHeaders() override { }
        void onBytes() override { }
        void onProgress(qint64) override { }
        void onRedirected(const QUrl &) override { }
        void onFinished() override { done = true; }
        bool done = false;
    } listener;
    LoopbackServer server;
    server.serve("/file", "the body");
    const std::unique_ptr<HttpSession> session(module->newSession());
    HttpGet *get = session->get(QUrl(server.baseUrl() + u"file"_s), 3, 1024, &listener);
    QTRY_VERIFY(listener.done);
    QCOMPARE(get->status(), 200);
    char bytes[16] = {};
    QCOMPARE(get->read(bytes, sizeof bytes), 8);
    QCOMPARE(QByteArray(bytes), QByteArray("the body"));
    get->release();
}

QTEST_GUILESS_MAIN(TestUpdateClient)
#include "tst_updateclient.moc"
