#include "GameProcess.h"
#include "MainScreenHarness.h"
#include "MessageAnswerer.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>

using namespace Qt::Literals::StringLiterals;

class TestGameRunning : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void playKnowsWhetherTheGameRuns_data();
    void playKnowsWhetherTheGameRuns();
};

void TestGameRunning::playKnowsWhetherTheGameRuns_data()
{
    // How the stand-in game ends: it stays up until it is ended, it ends well, or it fails as it starts. A game
    // ended from outside right after its start counts as one that failed.
    QTest::addColumn<QByteArray>("ending");
    QTest::addColumn<QString>("printed"); // what the message after a quick end shows of the game's output
    QTest::newRow("stays up") << "stay"_ba << u"gamedll: dlls\\podbot.dll"_s;
    QTest::newRow("ends well") << "0"_ba << QString();
    QTest::newRow("fails at once") << "3"_ba << u"told to fail with exit code 3"_s;
}

void TestGameRunning::playKnowsWhetherTheGameRuns()
{
    QFETCH(QByteArray, ending);
    QFETCH(QString, printed);
    qputenv("TREVLIN_STANDIN_EXIT", ending);
    MainScreenHarness h;
    h.start({u"PodBot liblist.gam"_s});
    QVERIFY(QFile::link(QStringLiteral(TREVLIN_STANDIN_GAME), QDir(h.game.halfLifeDir()).filePath(u"hl_linux"_s)));
    auto *status = h.find<QLineEdit>(u"Text2"_s);
    MessageAnswerer answerer(QDialogButtonBox::No);
    h.press(u"Option8"_s);
    h.press(u"Command3"_s);
    QVERIFY2(status->text().contains(u"PodBot"_s), qPrintable(status->text()));
    QPointer<QProcess> game = h.window->findChild<QProcess *>();
    QVERIFY(game);

    // Another choice and Play while the game runs start nothing and leave its liblist.gam alone.
    h.press(u"Option7"_s);
    if (ending == "stay") {
        h.press(u"Command3"_s);
        QCOMPARE(h.game.read(u"liblist.gam"_s), h.game.read(u"PodBot liblist.gam"_s));
        QVERIFY2(status->text().contains(u"PodBot"_s), qPrintable(status->text()));
        // Ended from outside once it has said what it runs with.
        QTRY_VERIFY(!h.window->findChild<GameProcess *>()->lastLines(1).isEmpty());
        game->kill();
    }
    QTRY_VERIFY(!game || game->state() == QProcess::NotRunning);
    QCOMPARE(answerer.answered(), !printed.isEmpty());
    if (answerer.answered()) {
        QVERIFY2(answerer.text().contains(printed), qPrintable(answerer.text()));
        QCOMPARE(answerer.buttons(), (QStringList{u"Yes"_s, u"No"_s})); // Yes opens the whole log
    }

    // Once it has ended, Play starts the game again, with the add-on chosen now.
    qputenv("TREVLIN_STANDIN_EXIT", "0");
    h.press(u"Command3"_s);
    QCOMPARE(h.game.read(u"liblist.gam"_s), h.game.read(u"OLD liblist.gam"_s));
    QTRY_VERIFY(h.window->findChildren<QProcess *>().constLast()->state() == QProcess::NotRunning);
}

QTEST_MAIN(TestGameRunning)
#include "tst_gamerunning.moc"
