#include "AppSettings.h"
#include "LoopbackServer.h"
#include "Session.h"
#include "Update.h"
#include "UpdateClient.h"

#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestTransferStates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyStateIsShown();
};

void TestTransferStates::everyStateIsShown()
{
    LoopbackServer server;
    server.serve("/Versions.txt", "Trevlin\r\n2.0\r\n");
    qputenv("TREVLIN_UPDATE_URL", server.baseUrl().toLatin1());
    QTemporaryDir dir;
    AppSettings settings(AppSettings::openFile(dir.filePath(u"Trevlin.conf"_s)));
    Session session;
    Update window(session, settings);
    // What the status line says at each state of the transfer of the version list.
    QStringList shown;
    auto *status = window.findChild<QLabel *>(u"Label1"_s);
    connect(window.findChild<UpdateClient *>(), &UpdateClient::stateChanged, status,
            [&] { shown.append(status->text()); });
    QSignalSpy filled(&window, &Update::rowsFilled);
    window.show();
    window.activateWindow();
    QVERIFY(filled.wait(5000));
    QStringList states;
    using enum UpdateClient::State;
    for (const UpdateClient::State state :
         {LookingUp, ServerFound, Connecting, Connected, Requesting, RequestSent, Receiving, ResponseReceived})
        states.append(UpdateClient::stateText(state));
    QCOMPARE(shown, states);
}

QTEST_MAIN(TestTransferStates)
#include "tst_transferstates.moc"
