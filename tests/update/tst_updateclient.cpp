#include "ItemInstaller.h"
#include "LoopbackServer.h"
#include "UpdateClient.h"
#include "UpdateFixture.h"

#include <QBuffer>
#include <QPluginLoader>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using Route = LoopbackServer::Route;

class TestUpdateClient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void transfers_data();
    void transfers();
    void statesReachTheStatusLine();
    void installsAnItem();
    void emptyFileList();
    void refusedItemsChangeNothing_data();
    void refusedItemsChangeNothing();
    void cancelInTheMiddle();
    void moduleFileServesAFetch();
};

void TestUpdateClient::transfers_data()
{
    QTest::addColumn<Route>("route");
    // A part of the error, "*" for any error (Qt ends a redirect loop in more than one way), empty for success.
    QTest::addColumn<QString>("error");
    const QByteArray body(100'000, 'b');
    QTest::newRow("whole, announced") << Route{.body = body} << QString();
    QTest::newRow("whole, chunked, no hash") << Route{.body = body, .length = Route::Length::Chunked} << u"how large"_s;
    QTest::newRow("404") << Route{.status = 404, .body = "no"} << u"answered 404"_s;
    QTest::newRow("500") << Route{.status = 500, .body = "oops"} << u"answered 500"_s;
    QTest::newRow("cut, announced") << Route{.body = body, .cutAfter = 500} << u"incomplete"_s;
    QTest::newRow("cut, chunked") << Route{.body = body, .length = Route::Length::Chunked, .cutAfter = 500}
                                  << u"how large"_s;
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
    UpdateClient client{QUrl(server.baseUrl())};
    client.setLimits({.silenceMs = 400, .deadlineMs = 1500, .maxBytes = 2 * 1024 * 1024, .maxRedirects = 3});
    QSignalSpy finished(&client, &UpdateClient::finished);
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QVERIFY(client.fetch(QUrl(server.baseUrl() + u"file"_s), &sink));
    QVERIFY(client.isBusy());
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.size(), 1);
    const QString got = finished.first().first().toString();
    if (error.isEmpty()) {
        QCOMPARE(got, QString());
        QCOMPARE(sink.data(), route.body);
    } else {
        QVERIFY2(error == u"*"_s ? !got.isEmpty() : got.contains(error, Qt::CaseInsensitive), qPrintable(got));
    }
    QVERIFY(!client.isBusy());
    // Memory stays bounded: at most the cap reached the sink.
    QVERIFY(sink.size() <= client.limits().maxBytes);
    // Qt may send a request twice when the server closes the connection; a loop still ends after a few.
    if (!route.location.isEmpty())
        QVERIFY(server.requests("/file") <= 8);
}

void TestUpdateClient::statesReachTheStatusLine()
{
    LoopbackServer server;
    server.serve("/v", "x");
    UpdateClient client{QUrl(server.baseUrl())};
    QList<UpdateClient::State> states;
    connect(&client, &UpdateClient::stateChanged, this, [&](UpdateClient::State state) { states.append(state); });
    QSignalSpy finished(&client, &UpdateClient::finished);
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    client.fetch(QUrl(server.baseUrl() + u"v"_s), &sink);
    QVERIFY(finished.wait(5000));
    // The status line goes through the states in the order of a fetch.
    using State = UpdateClient::State;
    QCOMPARE(states.first(), State::LookingUp);
    QCOMPARE(states.last(), State::ResponseReceived);
    QList<State> order = states;
    std::sort(order.begin(), order.end());
    QCOMPARE(states, order);
    for (const State state : {State::Connecting, State::RequestSent, State::Receiving})
        QVERIFY(states.contains(state));
}

namespace {

// Runs one item through an installer against server; returns its error and the log.
QString install(LoopbackServer &server, UpdateFixture &fixture, const QString &item, QStringList *log = nullptr)
{
    UpdateClient client{QUrl(server.baseUrl())};
    client.setLimits({.silenceMs = 1000, .deadlineMs = 3000});
    ItemInstaller installer(client, server.baseUrl());
    QStringList lines;
    QObject::connect(&installer, &ItemInstaller::logAdded, [&](const QString &line) { lines.append(line); });
    QObject::connect(&installer, &ItemInstaller::lastLogChanged, [&](const QString &line) { lines.last() = line; });
    QSignalSpy done(&installer, &ItemInstaller::done);
    installer.start(item, fixture.staging, {fixture.halfLife, fixture.cstrike});
    if (!done.wait(8000))
        return u"no end"_s;
    if (log)
        *log = lines;
    return done.first().first().toString();
}

QByteArray record(const QString &base, const QByteArray &path, const QByteArray &keyword, const QByteArray &folders,
                  const QByteArray &name, const QByteArray &third = "x")
{
    return base.toLatin1() + path + "\r\n" + keyword + "\r\n" + third + "\r\n" + folders + "---EndSubDirectories---\r\n"
        + name + "\r\n------\r\n";
}

} // namespace

void TestUpdateClient::installsAnItem()
{
    LoopbackServer server;
    UpdateFixture fixture;
    QDir().mkpath(fixture.cstrike + u"/DLLS"_s);
    UpdateFixture::write(fixture.cstrike + u"/DLLS/rambot.dll"_s, "old");
    const QByteArray dll(300'000, 'd');
    const QByteArray hash = QCryptographicHash::hash(dll, QCryptographicHash::Sha256).toHex();
    server.serve("/RamBot/rambot.dll", dll);
    server.serve("/RamBot/readme.txt", "read me");
    const QString base = server.baseUrl();
    server.serve("/RamBot.txt",
                 record(base, "RamBot/rambot.dll", "counter-strike_dir", "dlls\r\n", "\\rambot.dll", "sha256:" + hash)
                     + record(base, "RamBot/readme.txt", "HALF-LIFE_DIR", "docs\r\nrambot\r\n", "readme.txt"));
    QStringList log;
    QCOMPARE(install(server, fixture, u"RamBot"_s, &log), QString());
    // The existing folder is found in any letter case; a missing one is made.
    QCOMPARE(UpdateFixture::read(fixture.cstrike + u"/DLLS/rambot.dll"_s), dll);
    QCOMPARE(UpdateFixture::read(fixture.halfLife + u"/docs/rambot/readme.txt"_s), QByteArray("read me"));
    QCOMPARE(log, (QStringList{u"Getting File : rambot.dll ... Done"_s, u"Getting File : readme.txt ... Done"_s}));
    QCOMPARE(QDir(fixture.cstrike + u"/DLLS"_s).entryList(QDir::Files), QStringList{u"rambot.dll"_s});
}

void TestUpdateClient::emptyFileList()
{
    LoopbackServer server;
    UpdateFixture fixture;
    server.serve("/PLBot.txt", "");
    const QStringList before = fixture.listing();
    QCOMPARE(install(server, fixture, u"PLBot"_s), QString());
    QCOMPARE(fixture.listing(), before);
}

void TestUpdateClient::refusedItemsChangeNothing_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("fetches"); // of a.dll
    // The placeholder BASE stands for the server's address.
    const auto rec = [](const QByteArray &folders, const QByteArray &name, const QByteArray &third = "x") {
        return record(u"BASE"_s, "NNBot/a.dll", "counter-strike_dir", folders, name, third);
    };
    const QByteArray good = rec("dlls\r\n", "a.dll");
    // Names a file list may not hold (traversal, absolute paths, reserved names) are refused by tst_updatelists'
    // rows before anything is fetched; these are refused on the way.
    QTest::newRow("link leading outside") << good + rec("outside\r\n", "a.dll") << u"leads outside"_s << 0;
    QTest::newRow("hash mismatch") << good + rec("", "b.dll", "sha256:" + QByteArray(64, '0')) << u"sha256"_s << 2;
    QTest::newRow("second file missing") << good
            + record(u"BASE"_s, "NNBot/gone.dll", "counter-strike_dir", "", "gone.dll")
                                         << u"answered 404"_s << 1;
    QTest::newRow("list missing") << QByteArray() << u"file list of NNBot could not be fetched"_s << 0;
}

void TestUpdateClient::refusedItemsChangeNothing()
{
    QFETCH(QByteArray, list);
    QFETCH(QString, error);
    QFETCH(int, fetches);
    LoopbackServer server;
    UpdateFixture fixture;
    QTemporaryDir elsewhere;
    QVERIFY(QFile::link(elsewhere.path(), fixture.cstrike + u"/outside"_s));
    server.serve("/NNBot/a.dll", "new dll");
    if (!list.isEmpty())
        server.serve("/NNBot.txt", QByteArray(list).replace("BASE", server.baseUrl().toLatin1()));
    const QStringList before = fixture.listing();
    const QString got = install(server, fixture, u"NNBot"_s);
    QVERIFY2(got.contains(error), qPrintable(got));
    QCOMPARE(fixture.listing(), before);
    QVERIFY(QDir(elsewhere.path()).isEmpty());
    QCOMPARE(server.requests("/NNBot/a.dll"), fetches);
}

void TestUpdateClient::cancelInTheMiddle()
{
    LoopbackServer server;
    UpdateFixture fixture;
    const QString base = server.baseUrl();
    server.serve("/SwatBot/one", "1");
    server.route("/SwatBot/two", Route{.body = QByteArray(1000, '2'), .dripMs = 20});
    server.serve("/SwatBot.txt",
                 record(base, "SwatBot/one", "counter-strike_dir", "", "one")
                     + record(base, "SwatBot/two", "counter-strike_dir", "", "two"));
    UpdateClient client{QUrl(base)};
    ItemInstaller installer(client, base);
    QSignalSpy done(&installer, &ItemInstaller::done);
    QSignalSpy files(&installer, &ItemInstaller::itemProgress);
    const QStringList before = fixture.listing();
    installer.start(u"SwatBot"_s, fixture.staging, {fixture.halfLife, fixture.cstrike});
    QTRY_VERIFY(files.size() >= 2); // the first file has arrived
    QTest::qWait(100);
    installer.cancel();
    QVERIFY(!client.isBusy());
    QTest::qWait(200);
    QCOMPARE(done.size(), 0);
    QCOMPARE(fixture.listing(), before);
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
    QCOMPARE(get->announcedLength(), std::optional<qint64>(8));
    char body[16] = {};
    QCOMPARE(get->read(body, sizeof body), 8);
    QCOMPARE(QByteArray(body), QByteArray("the body"));
    QCOMPARE(get->networkError(), QString());
    get->release();
}

QTEST_GUILESS_MAIN(TestUpdateClient)
#include "tst_updateclient.moc"
