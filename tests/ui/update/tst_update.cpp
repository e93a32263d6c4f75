#include "AppSettings.h"
#include "ListSigner.h"
#include "LoopbackServer.h"
#include "MessageAnswerer.h"
#include "Session.h"
#include "Translations.h"
#include "Update.h"
#include "UpdateClient.h"
#include "UpdateFixture.h"
#include "UpdateSite.h"
#include "Widgets.h"

#include <QAccessible>
#include <QDate>
#include <QDirIterator>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

QString pad(const QString &name)
{
    return name.leftJustified(23);
}

QByteArray record(const QString &base, const QByteArray &path, const QByteArray &folders, const QByteArray &name)
{
    return base.toLatin1() + path + "\r\ncounter-strike_dir\r\n\r\n" + folders + "---EndSubDirectories---\r\n" + name
        + "\r\n------\r\n";
}

} // namespace

class TestUpdate : public QObject
{
    Q_OBJECT

    std::unique_ptr<LoopbackServer> m_server;
    std::unique_ptr<UpdateFixture> m_game;
    std::unique_ptr<QTemporaryDir> m_cache;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<Session> m_session;
    QPointer<Update> m_window;

    template<typename T> T *child(const QString &name) const { return m_window->findChild<T *>(name); }

    // Opens the window and waits for its rows.
    QTreeWidget *open()
    {
        m_window = new Update(*m_session, *m_settings);
        QSignalSpy filled(m_window.data(), &Update::rowsFilled);
        m_window->show();
        m_window->activateWindow();
        if (!filled.wait(5000))
            qWarning("the rows were not filled");
        return child<QTreeWidget>(u"List1"_s);
    }

    // Each row's cells, joined by '|'.
    QStringList rows() const
    {
        QStringList texts;
        auto *list = child<QTreeWidget>(u"List1"_s);
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QStringList cells;
            for (int column = 0; column < list->columnCount(); ++column)
                cells.append(list->topLevelItem(i)->text(column));
            texts.append(cells.join(u'|'));
        }
        return texts;
    }

    QList<bool> marks() const
    {
        QList<bool> checked;
        auto *list = child<QTreeWidget>(u"List1"_s);
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            checked.append(list->topLevelItem(i)->checkState(0) == Qt::Checked);
        return checked;
    }

    // Presses Update Selected Bots and waits until the update has ended.
    bool update()
    {
        QSignalSpy ended(m_window.data(), &Update::updateEnded);
        QTest::mouseClick(child<QPushButton>(u"Command1"_s), Qt::LeftButton);
        return ended.wait(5000);
    }

    // Nothing is left in the staging folder below the cache folder.
    bool stagingGone() const
    {
        return !QDirIterator(m_cache->path(), QDir::Files, QDirIterator::Subdirectories).hasNext();
    }

private Q_SLOTS:
    void init()
    {
        m_server = std::make_unique<LoopbackServer>();
        m_game = std::make_unique<UpdateFixture>();
        m_cache = std::make_unique<QTemporaryDir>();
        qputenv("TREVLIN_UPDATE_URL", m_server->baseUrl().toLatin1());
        qputenv("XDG_CACHE_HOME", m_cache->path().toLocal8Bit());
        m_settings = std::make_unique<AppSettings>(AppSettings::openFile(m_game->dir.filePath(u"Trevlin.conf"_s)));
        m_session = std::make_unique<Session>();
        m_session->setGameDir(m_game->cstrike);
        m_session->setHalfLifeDir(m_game->halfLife);
    }

    void cleanup()
    {
        delete m_window;
        m_server.reset();
    }

    // What the status line says at each state of the transfer of the version list.
    void everyStateIsShown()
    {
        m_server->serve("/Versions.txt", "Trevlin\r\n2.0\r\n");
        m_window = new Update(*m_session, *m_settings);
        QStringList shown;
        auto *status = child<QLabel>(u"Label1"_s);
        connect(child<UpdateClient>(QString()), &UpdateClient::stateChanged, status,
                [&] { shown.append(status->text()); });
        QSignalSpy filled(m_window.data(), &Update::rowsFilled);
        m_window->show();
        QVERIFY(filled.wait(5000));
        QStringList states;
        using enum UpdateClient::State;
        for (const UpdateClient::State state :
             {LookingUp, ServerFound, Connecting, Connected, Requesting, RequestSent, Receiving, ResponseReceived})
            states.append(UpdateClient::stateText(state));
        QCOMPARE(shown, states);
    }

    // A version list the server does not give says why in the log, wrapped to the log's width, and in the status.
    void aMissingListSaysWhy()
    {
        m_window = new Update(*m_session, *m_settings);
        QSignalSpy filled(m_window.data(), &Update::rowsFilled);
        m_window->show();
        QVERIFY(filled.wait(5000));
        QCOMPARE(child<QLabel>(u"Label1"_s)->text(), UpdateClient::stateText(UpdateClient::State::Error));
        auto *log = child<QListWidget>(u"List2"_s);
        QCOMPARE(log->count(), 1);
        QVERIFY2(log->item(0)->text().contains(u"404"_s), qPrintable(log->item(0)->text()));
        QVERIFY(log->visualItemRect(log->item(0)).width() <= log->viewport()->width());
    }

    // The rows say "never" in the player's language; the settings keep the value the files have always had.
    void neverIsSaidInTheLanguage()
    {
        const Translations german(u"de"_s);
        open();
        QCOMPARE(rows()[11], u"BobaBot||k. A.|k. A."_s);
        QCOMPARE(m_settings->value(AppSettings::Family::InstalledVersion, pad(u"BobaBot"_s)), u"N/A"_s);
    }

    void rowsAndMarks()
    {
        // Five pairs: the later items have no server version. The fifth item has long versions and a long date.
        m_server->serve("/Versions.txt",
                        "Trevlin\r\n2.1\r\nAndroidBot\r\n1.0\r\nRamBot\r\n1.2\r\nRealBot\r\nbeta\r\ne\r\n10.2.1b\r\n");
        m_settings->setValue(AppSettings::Family::InstalledVersion, pad(u"RamBot"_s), u"1.2"_s);
        m_settings->setValue(AppSettings::Family::UpdateDate, pad(u"RamBot"_s), u"1/2/25"_s);
        const QString fifth = m_session->updateNames()[4];
        m_settings->setValue(AppSettings::Family::InstalledVersion, fifth, u"10.1.17"_s);
        const QString date = QLocale::system().toString(QDate(2025, 12, 31), QLocale::ShortFormat);
        m_settings->setValue(AppSettings::Family::UpdateDate, fifth, date);
        QTreeWidget *list = open();
        QVERIFY(child<QLabel>(u"httpNotice"_s)->isVisible());
        QCOMPARE(rows()[0], u"Trevlin|2.1|2.0|N/A"_s);
        QCOMPARE(rows()[2], u"RamBot|1.2|1.2|1/2/25"_s);
        QCOMPARE(rows()[4], fifth.trimmed() + u"|10.2.1b|10.1.17|"_s + date);
        QCOMPARE(rows()[11], u"BobaBot||N/A|N/A"_s);
        QCOMPARE(marks(),
                 (QList<bool>{true, true, false, false, true, false, false, false, false, false, false, false}));
        // Every item now has its entries; the program has no version entry.
        QCOMPARE(m_settings->value(AppSettings::Family::InstalledVersion, pad(u"BobaBot"_s)), u"N/A"_s);
        QCOMPARE(m_settings->value(AppSettings::Family::UpdateDate, pad(u"Trevlin"_s)), u"N/A"_s);
        QCOMPARE(m_settings->get(u"Versions"_s, pad(u"Trevlin"_s)), AppSettings::none); // never written

        // At the window's first size every cell and every header shows whole, with no scrolling sideways.
        QVERIFY(!list->isHeaderHidden());
        const QHeaderView *header = list->header();
        for (int column = 0; column < list->columnCount(); ++column) {
            QVERIFY(header->sectionSize(column) >= header->sectionSizeHint(column));
            QVERIFY(header->sectionSize(column) >= static_cast<QAbstractItemView *>(list)->sizeHintForColumn(column));
        }
        QVERIFY(header->length() <= list->viewport()->width());
        // A screen reader hears each cell's column header as it is shown.
        QAccessibleTableInterface *table = QAccessible::queryAccessibleInterface(list)->tableInterface();
        for (int column = 1; column < list->columnCount(); ++column) {
            const auto heads = table->cellAt(4, column)->tableCellInterface()->columnHeaderCells();
            QCOMPARE(heads.size(), 1);
            QVERIFY(!list->headerItem()->text(column).isEmpty());
            QCOMPARE(heads.first()->text(QAccessible::Name), list->headerItem()->text(column));
        }

        // With nothing marked, Update Selected Bots does nothing.
        for (const int row : {0, 1, 4})
            list->topLevelItem(row)->setCheckState(0, Qt::Unchecked);
        QTest::mouseClick(child<QPushButton>(u"Command1"_s), Qt::LeftButton);
        QVERIFY(!m_window->isBusy());
        QCOMPARE(m_server->requests("/Trevlin.txt") + m_server->requests("/AndroidBot.txt"), 0);
    }

    void updatesTwoItems()
    {
        const QString base = m_server->baseUrl();
        m_server->serve("/Versions.txt", "a\r\n2.0\r\nb\r\n1.1\r\nc\r\n1.2\r\n");
        m_server->serve("/AndroidBot/android.dll", QByteArray(200'000, 'a'));
        m_server->serve("/AndroidBot.txt", record(base, "AndroidBot/android.dll", "dlls\r\n", "\\android.dll"));
        m_server->serve("/RamBot/a.cfg", "cfg");
        m_server->serve("/RamBot/b.cfg", "cfg b");
        m_server->serve("/RamBot.txt",
                        record(base, "RamBot/a.cfg", "", "a.cfg") + record(base, "RamBot/b.cfg", "", "b.cfg"));
        open();
        QCOMPARE(marks().mid(0, 3), (QList<bool>{false, true, true}));
        QVERIFY(update());

        QCOMPARE(UpdateFixture::read(m_game->cstrike + u"/dlls/android.dll"_s), QByteArray(200'000, 'a'));
        QCOMPARE(UpdateFixture::read(m_game->cstrike + u"/b.cfg"_s), QByteArray("cfg b"));
        // The log holds the last item's update, a line for each of its files.
        const QStringList log = Widgets::rows(child<QListWidget>(u"List2"_s));
        QVERIFY2(log.size() == 6 && log.at(2).contains(u"a.cfg"_s) && log.at(3).contains(u"b.cfg"_s)
                     && log.last().contains(u"RamBot"_s),
                 qPrintable(log.join(u" | "_s)));
        const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
        QCOMPARE(rows().mid(1, 2), (QStringList{u"AndroidBot|1.1|1.1|"_s + today, u"RamBot|1.2|1.2|"_s + today}));
        QCOMPARE(marks().mid(0, 3), (QList<bool>{false, false, false}));
        QCOMPARE(m_settings->value(AppSettings::Family::InstalledVersion, pad(u"RamBot"_s)), u"1.2"_s);
        auto *total = child<QProgressBar>(u"totalProgress"_s);
        QCOMPARE(total->value(), total->maximum());
        QCOMPARE(child<QLabel>(u"Label1"_s)->text(), UpdateClient::stateText(UpdateClient::State::ResponseReceived));
        // Nothing is left to cancel, and the staging folder is gone with the update.
        QCOMPARE(child<QPushButton>(u"Command2"_s)->text(), u"Close"_s);
        QVERIFY(stagingGone());
    }

    // An item with a file missing on the server, or an update cancelled while a file arrives, installs nothing.
    void interruptedUpdateChangesNothing_data()
    {
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("a file missing") << false;
        QTest::newRow("cancelled") << true;
    }

    void interruptedUpdateChangesNothing()
    {
        QFETCH(bool, cancelled);
        const QString base = m_server->baseUrl();
        m_server->serve("/Versions.txt", "a\r\n2.0\r\nb\r\n1.1\r\nc\r\n1.2\r\n");
        m_server->serve("/AndroidBot/ok.dll", "ok");
        m_server->route("/AndroidBot/slow.dll", {.body = QByteArray(500, 's'), .dripMs = 20});
        m_server->serve("/AndroidBot.txt",
                        record(base, "AndroidBot/ok.dll", "", "ok.dll")
                            + record(base, cancelled ? "AndroidBot/slow.dll" : "AndroidBot/gone.dll", "",
                                     cancelled ? "slow.dll" : "gone.dll"));
        open();
        const QStringList rowsBefore = rows();
        const QStringList before = m_game->listing();
        if (cancelled) {
            QTest::mouseClick(child<QPushButton>(u"Command1"_s), Qt::LeftButton);
            QTRY_VERIFY(m_server->requests("/AndroidBot/slow.dll") == 1);
            MessageAnswerer answerer;
            QTest::mouseClick(child<QPushButton>(u"Command1"_s), Qt::LeftButton);
            QVERIFY(answerer.answered()); // still busy with the last request
            // Coming back to the front during an update does not ask the server again or take the rows away.
            QCOMPARE(rows(), rowsBefore);
            QCOMPARE(m_server->requests("/Versions.txt"), 1);
            // Cancel stops the update at once and closes the window.
            QTest::mouseClick(child<QPushButton>(u"Command2"_s), Qt::LeftButton);
            QTRY_VERIFY(!m_window);
        } else {
            QVERIFY(update());
            QCOMPARE(child<QLabel>(u"Label1"_s)->text(), UpdateClient::stateText(UpdateClient::State::Error));
            QCOMPARE(rows(), rowsBefore);
            QCOMPARE(marks().mid(0, 3), (QList<bool>{false, true, true})); // RamBot was not tried and waits
        }
        QCOMPARE(m_game->listing(), before);
        QCOMPARE(m_settings->value(AppSettings::Family::InstalledVersion, pad(u"AndroidBot"_s)), u"N/A"_s);
        QCOMPARE(m_server->requests("/RamBot.txt"), 0);
        QVERIFY(stagingGone());
    }

    void demoSampleUpdate()
    {
        // The sample that ./run demo --with-update-server publishes with the demo key and serves.
        const QString demo = QStringLiteral(TREVLIN_DEMO);
        QString error;
        const auto signer = ListSigner::fromKeyFile(UpdateFixture::read(demo + u"/keys/demo.key"_s), &error);
        QVERIFY2(signer, qPrintable(error));
        QTemporaryDir site;
        QCOMPARE(UpdateSite::publish(demo + u"/update-source"_s, m_server->baseUrl(), *signer, site.path(), 1).error,
                 QString());
        for (QDirIterator files(site.path(), QDir::Files, QDirIterator::Subdirectories); files.hasNext();) {
            const QString path = files.next();
            m_server->serve("/" + QDir(site.path()).relativeFilePath(path).toLatin1(), UpdateFixture::read(path));
        }
        open();
        QCOMPARE(marks(),
                 (QList<bool>{false, true, true, false, false, false, false, false, false, false, false, false}));
        QVERIFY(update());
        QVERIFY(QFile::exists(m_game->cstrike + u"/androidbot/docs/android_update.txt"_s));
        QVERIFY(QFile::exists(m_game->cstrike + u"/rambot/rambot_update.txt"_s));
        QVERIFY(!marks().contains(true));
    }
};

QTEST_MAIN(TestUpdate)
#include "tst_update.moc"
