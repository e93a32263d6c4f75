#include "ConfigScreen.h"
#include "DirSelect.h"
#include "MainScreenHarness.h"
#include "MapCycle.h"
#include "MessageAnswerer.h"
#include "MotdScreen.h"
#include "UpDown.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QIcon>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPointer>

using namespace Qt::Literals::StringLiterals;

namespace {

using Widgets::child;
using Widgets::rows;

void select(QListView *list, const QList<int> &rowsToSelect)
{
    list->clearSelection();
    for (int row : rowsToSelect)
        list->selectionModel()->select(list->model()->index(row, 0), QItemSelectionModel::Select);
}

// A set-up game folder with RamBot chosen; with maps, it has five, RamBot waypoints for two of them, and a map
// cycle with blank lines.
struct MapGame
{
    GameDirFixture game;
    Session session;
    RandomSource random;
    QWidget opener;

    explicit MapGame(bool withMaps = true)
    {
        if (withMaps) {
            for (const char *map : {"as_oilrig", "cs_office", "de_aztec", "de_dust", "de_nuke"})
                game.write(u"maps/"_s + QLatin1StringView(map) + u".bsp"_s);
            game.write(u"maps/de_dust.rw1"_s);
            game.write(u"maps/DE_NUKE.RW1"_s);
            game.write(u"mapcycle.txt"_s, "de_dust\r\n\r\ncs_office\r\n");
        }
        session.setGameDir(game.gameDir());
        session.setBotName(u"RamBot"_s);
        session.setDirectoryValid(true);
    }
    MapCycle *open()
    {
        auto *window = new MapCycle(session, random, &opener);
        window->show();
        return window;
    }
};

} // namespace

class TestServerWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensFromTheMainWindowAndKeepsItsValuesAfterDone()
    {
        MainScreenHarness h;
        h.setUp({});
        h.game.write(u"game.cfg"_s, "exec skill.cfg\r\n");
        h.game.write(u"maps/de_dust.bsp"_s);
        h.window->startUp();
        MessageAnswerer answerer;
        child<QAbstractButton>(h.window.get(), u"Command9"_s)->click();
        QCOMPARE(answerer.texts().size(), 1); // the file is not there: the defaults are shown
        QCOMPARE(h.game.read(u"game.trb"_s), "exec skill.cfg\r\n"_ba);
        QPointer<ConfigScreen> screen = h.window->findChild<ConfigScreen *>();
        QVERIFY(screen && screen->isVisible());

        QTest::keyClick(child<QLineEdit>(screen, u"Text2"_s), Qt::Key_Up);     // Roundtime 5 to 6
        QTest::keyClick(child<QLineEdit>(screen, u"Text11"_s), Qt::Key_Up);    // Maximum Client Speed 320 to 330
        child<QCheckBox>(screen, u"Check17"_s)->click();                       // Enable Cheats
        QTest::keyClick(child<QLineEdit>(screen, u"Text1"_s), Qt::Key_Return); // Done
        QVERIFY(screen && !screen->isVisible());
        const QByteArray written = h.game.read(u"listenserver.cfg"_s);
        QVERIFY2(written.contains("\r\nmp_roundtime 6\r\n") && written.contains("\r\nsv_maxspeed 330\r\n")
                     && written.contains("\r\nsv_cheats 1\r\n"),
                 written.constData());

        // Reopened after Done: the same window with the same values, nothing read or moved again.
        h.game.write(u"game.cfg"_s, "again");
        h.find<QAction>(u"config"_s)->trigger();
        QCOMPARE(h.window->findChild<ConfigScreen *>(), screen.data());
        QVERIFY(screen->isVisible());
        QCOMPARE(child<QLineEdit>(screen, u"Text2"_s)->text(), u"6"_s);
        QVERIFY(h.game.exists(u"game.cfg"_s));

        // Cancel unloads it without a question; the next opening reads the file that Done wrote, and writes it back
        // the same.
        // The editors and the directory selection it opens outlive it, and stay one of each.
        child<QAbstractButton>(screen, u"Command4"_s)->click();
        QPointer<MapCycle> cycle = h.window->findChild<MapCycle *>();
        child<QAbstractButton>(screen, u"Command5"_s)->click();
        QVERIFY(h.window->findChild<DirSelect *>() && h.window->findChild<DirSelect *>()->isVisible());
        child<QLineEdit>(screen, u"Text3"_s)->setText(u"45"_s);
        child<QAbstractButton>(screen, u"Command2"_s)->click();
        QTRY_VERIFY(!screen);
        QVERIFY(cycle && cycle->isVisible());
        child<QAbstractButton>(h.window.get(), u"Command9"_s)->click();
        screen = h.window->findChild<ConfigScreen *>();
        QVERIFY(screen && !h.game.exists(u"game.cfg"_s));
        child<QAbstractButton>(screen, u"Command4"_s)->click();
        QCOMPARE(h.window->findChildren<MapCycle *>(), QList<MapCycle *>{cycle});
        QCOMPARE(answerer.texts().size(), 1); // the file is not there: the defaults are shown
        QVERIFY(child<QCheckBox>(screen, u"Check17"_s)->isChecked());
        child<QAbstractButton>(screen, u"Command1"_s)->click();
        QCOMPARE(h.game.read(u"listenserver.cfg"_s), written);
    }

    // Done takes what the boxes hold, a default beyond the range and a number as typed, and tells of a box it
    // cannot take; an arrow key steps a box in the test above. The
    // folder holds a file of another program's, named in upper case: its values are not taken, Done replaces it.
    void doneTakesTheBoxesAsTheyStand_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("before"); // the box's text, set before the keys
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("written"); // the box's line in the file
        QTest::addColumn<QString>("told");       // instead, a part of what Done says
        QTest::newRow("past the top refused, below the range told")
            << u"Text2"_s << QString() << u"20"_s << u"2"_s << QByteArray() << u"needs a number"_s;
        QTest::newRow("a default past the range stands")
            << u"Text7"_s << u"120"_s << u"5"_s << u"120"_s << "max_shells 120"_ba << QString();
        QTest::newRow("kept as typed") << u"Text3"_s << u"0"_s << u"5"_s << u"05"_s << "mp_timelimit 05"_ba
                                       << QString();
        QTest::newRow("empty told") << u"Text11"_s << QString() << QString() << QString() << QByteArray()
                                    << u"needs a number"_s;
        QTest::newRow("a comma refused") << u"Text1"_s << QString() << u"Dust, Inferno"_s << u"Dust, Inferno"_s
                                         << QByteArray() << u"comma"_s;
    }

    void doneTakesTheBoxesAsTheyStand()
    {
        QFETCH(QString, box);
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(QByteArray, written);
        QFETCH(QString, told);
        MapGame maps;
        maps.game.write(u"LISTENSERVER.CFG"_s, "// trevlin LISTENSERVER Config File\r\nhostname \"Mine\"\r\n");
        ConfigScreen screen(maps.session, maps.random);
        MessageAnswerer answerer;
        screen.load();
        QVERIFY2(answerer.text().contains(u"Not A Trevlin Config File"_s), qPrintable(answerer.text()));
        auto *text = child<QLineEdit>(&screen, box);
        text->setText(before);
        QTest::keyClicks(text, typed);
        QTEST(text->text(), "shown");
        child<QAbstractButton>(&screen, u"Command1"_s)->click();
        QCOMPARE(answerer.texts().size(), told.isEmpty() ? 1 : 2);
        const QByteArray file = maps.game.read(u"LISTENSERVER.CFG"_s);
        if (told.isEmpty()) {
            QVERIFY2(file.contains("\r\n" + written + "\r\n") && file.contains("hostname \"SERVER NAME!\""), file);
        } else {
            QVERIFY2(answerer.text().contains(text->accessibleName()) && answerer.text().contains(told),
                     qPrintable(answerer.text()));
            QVERIFY(screen.result() != QDialog::Accepted && file.startsWith("// trevlin"));
        }
    }

    // The map cycle and message editors open only for a valid folder, and once each; every control of the three
    // windows is named, and a box is heard by its label's caption.
    void editorsOpenOnceWithEveryControlNamed()
    {
        MapGame maps;
        maps.session.setDirectoryValid(false);
        ConfigScreen screen(maps.session, maps.random);
        for (const QString &editor : {u"Command4"_s, u"Command3"_s})
            Widgets::press(&screen, editor);
        QVERIFY(!screen.findChild<MapCycle *>() && !screen.findChild<MotdScreen *>());
        maps.session.setDirectoryValid(true);
        for (const QString &editor : {u"Command4"_s, u"Command4"_s, u"Command3"_s, u"Command3"_s})
            Widgets::press(&screen, editor);
        QCOMPARE(screen.findChildren<MapCycle *>().size(), 1);
        QCOMPARE(screen.findChildren<MotdScreen *>().size(), 1);
        for (QWidget *window : {static_cast<QWidget *>(&screen), static_cast<QWidget *>(screen.findChild<MapCycle *>()),
                                static_cast<QWidget *>(screen.findChild<MotdScreen *>())})
            QCOMPARE(Widgets::unnamedControls(window), QStringList());
        QCOMPARE(QAccessible::queryAccessibleInterface(child<QLineEdit>(&screen, u"Text4"_s))->text(QAccessible::Name),
                 u"Freezetime (Seconds)"_s);
    }

    void editsTheMapCycle()
    {
        MapGame maps;
        QPointer<MapCycle> window = maps.open();
        auto *files = child<QListView>(window, u"File1"_s);
        auto *cycle = child<QListView>(window, u"List1"_s);
        QCOMPARE(rows(files), u"as_oilrig.bsp cs_office.bsp de_aztec.bsp de_dust.bsp de_nuke.bsp"_s.split(u' '));
        QCOMPARE(rows(cycle), (QStringList{u"de_dust"_s, u"cs_office"_s}));

        // A map without RamBot waypoints carries a sign and says why, in both lists; which maps those are is
        // tst_serverfiles' marksMapsWithoutWaypoints.
        const auto marked = [](const QListView *list, int row) {
            const QModelIndex index = list->model()->index(row, 0);
            return !index.data(Qt::ToolTipRole).toString().isEmpty()
                && !index.data(Qt::DecorationRole).value<QIcon>().isNull();
        };
        QVERIFY(marked(files, 1) && !marked(files, 3) && marked(cycle, 1) && !marked(cycle, 0));
        select(files, {4, 0, 2});
        child<QAbstractButton>(window, u"Command1"_s)->click();
        child<QAbstractButton>(window, u"Command1"_s)->click();
        const QStringList added
            = u"de_dust cs_office as_oilrig de_aztec de_nuke as_oilrig de_aztec de_nuke"_s.split(u' ');
        QCOMPARE(rows(cycle), added);
        cycle->clearSelection();
        child<QAbstractButton>(window, u"Command2"_s)->click();
        QCOMPARE(rows(cycle), added);
        select(cycle, {7, 0, 2});
        child<QAbstractButton>(window, u"Command2"_s)->click();
        QCOMPARE(rows(cycle), u"cs_office de_aztec de_nuke as_oilrig de_aztec"_s.split(u' '));

        // The spinner stops at the number of maps; Random for all five gives each once, for six it refuses.
        auto *count = child<QLineEdit>(window, u"Text1"_s);
        QCOMPARE(count->text(), u"10"_s);
        count->setText(u"4"_s);
        QTest::keyClick(count, Qt::Key_Up);
        QTest::keyClick(count, Qt::Key_Up);
        QCOMPARE(count->text(), u"5"_s);
        child<QAbstractButton>(window, u"Command6"_s)->click();
        QStringList drawn = rows(cycle);
        drawn.sort();
        QCOMPARE(drawn, u"as_oilrig cs_office de_aztec de_dust de_nuke"_s.split(u' '));
        const QStringList beforeSix = rows(cycle);
        count->setText(u"6"_s);
        {
            MessageAnswerer answerer;
            child<QAbstractButton>(window, u"Command6"_s)->click();
            QCOMPARE(answerer.texts().size(), 1);
        }
        QCOMPARE(rows(cycle), beforeSix);

        // Escape asks before the edits go: Cancel goes back to them, and Done then keeps them.
        const auto escape = [&window](QDialogButtonBox::StandardButton answer) {
            MessageAnswerer asked(answer);
            QTest::keyClick(window, Qt::Key_Escape);
            QStringList buttons = asked.buttons();
            buttons.sort();
            return buttons.join(u' ');
        };
        QCOMPARE(escape(QDialogButtonBox::Cancel), u"Cancel No Yes"_s);
        QVERIFY(window && window->isVisible());
        child<QAbstractButton>(window, u"Command4"_s)->click();
        QTRY_VERIFY(!window);
        const QByteArray saved = (beforeSix.join(u"\r\n"_s) + u"\r\n"_s).toLatin1();
        QCOMPARE(maps.game.read(u"mapcycle.txt"_s), saved);

        // Opened again, it reads them back; Clear empties the cycle, and No to Escape's question lets that go.
        window = maps.open();
        cycle = child<QListView>(window, u"List1"_s);
        QCOMPARE(rows(cycle), beforeSix);
        child<QAbstractButton>(window, u"Command3"_s)->click();
        QCOMPARE(rows(cycle), QStringList());
        QCOMPARE(escape(QDialogButtonBox::No), u"Cancel No Yes"_s);
        QTRY_VERIFY(!window);
        QCOMPARE(maps.game.read(u"mapcycle.txt"_s), saved);
    }

    void opensWithoutMapsOrCycle()
    {
        MapGame maps(false);
        MessageAnswerer answerer;
        MapCycle window(maps.session, maps.random, &maps.opener);
        QCOMPARE(answerer.texts().size(), 1); // there is no maps folder
        QCOMPARE(rows(child<QListView>(&window, u"File1"_s)), QStringList());
        QCOMPARE(rows(child<QListView>(&window, u"List1"_s)), QStringList());
        child<QLineEdit>(&window, u"Text1"_s)->setText(u"0"_s);
        child<QAbstractButton>(&window, u"Command6"_s)->click();
        QCOMPARE(answerer.texts().size(), 1);
    }

    void editsTheMessageOfTheDay()
    {
        MapGame maps(false);
        maps.game.write(u"motd.txt"_s, "Welcome\r\nHave fun");
        QWidget &opener = maps.opener;
        QPointer<MotdScreen> window = new MotdScreen(maps.session, &opener);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto *text = child<QPlainTextEdit>(window, u"Text1"_s);
        QCOMPARE(text->toPlainText(), u"Welcome\nHave fun\n"_s);
        // The platform's fixed-pitch font, whichever font that turns out to be on this machine.
        QCOMPARE(text->font(), QFontDatabase::systemFont(QFontDatabase::FixedFont));
        QCOMPARE(QApplication::focusWidget(), text);

        // Enter in the box starts a line, it does not close; coming back to the window reads nothing again over
        // what was typed.
        QTest::keyClicks(text, u"Bye"_s);
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, u"x"_s);
        QVERIFY(window->isVisible());
        opener.show();
        QVERIFY(QTest::qWaitForWindowActive(&opener));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(text->toPlainText(), u"Welcome\nHave fun\nBye\n\nx"_s);
        child<QAbstractButton>(window, u"Command1"_s)->click();
        QTRY_VERIFY(!window);
        QCOMPARE(maps.game.read(u"motd.txt"_s), "Welcome\r\nHave fun\r\nBye\r\n\r\nx\r\n"_ba);
    }
};

QTEST_MAIN(TestServerWindows)
#include "tst_serverwindows.moc"
