#include "ArchiveInstall.h"
#include "MainScreenHarness.h"
#include "MessageAnswerer.h"
#include "Update.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// The bot information as shown, each value as a screen reader hears it too: CS version, Half-Life version, game
// library, maps, then the start-up config file.
QStringList shownInfo(const MainScreenHarness &h)
{
    QStringList texts;
    for (const QString &name : {u"Label6"_s, u"Label7"_s, u"Label8"_s, u"Label1"_s, u"Label2"_s}) {
        QWidget *label = h.find(name);
        const QString text = label->property("text").toString();
        const QString heard = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
        texts.append(heard == text ? text : text + u" heard as "_s + heard);
    }
    return texts;
}

// The option buttons a screen reader hears as focused, then as checked: "Option8 focused", "Option8 checked".
QStringList heardOptions(const MainScreenHarness &h)
{
    QStringList focused, checked;
    for (int i = 1; i <= 12; ++i) {
        const QAccessible::State is = QAccessible::queryAccessibleInterface(h.find(u"Option%1"_s.arg(i)))->state();
        if (is.focused)
            focused << u"Option%1 focused"_s.arg(i);
        if (is.checked)
            checked << u"Option%1 checked"_s.arg(i);
    }
    return focused + checked;
}

// Whether assistive tools are told that from stands in the given relation to to.
bool related(QWidget *from, QAccessible::Relation relation, QWidget *to)
{
    const auto relations = QAccessible::queryAccessibleInterface(from)->relations(relation);
    return std::any_of(relations.cbegin(), relations.cend(),
                       [to](const auto &pair) { return pair.first->object() == to; });
}

} // namespace

class TestMainScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyControlCanBeReachedAndNamed()
    {
        MainScreenHarness h;
        h.window->show();
        QCOMPARE(Widgets::unnamedControls(h.window.get()), QStringList());
        // Tab goes in reading order from the window's first control: the edit buttons, the toolbar, play and exit.
        QStringList tabOrder;
        for (QWidget *w = h.window->nextInFocusChain(); w != h.window.get(); w = w->nextInFocusChain()) {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(h.window.get()))
                tabOrder.append(w->objectName());
        }
        QCOMPARE(tabOrder.constFirst(), u"Command1"_s);
        QCOMPARE(tabOrder.mid(tabOrder.indexOf(u"Command14"_s)),
                 (QStringList{u"Command14"_s, u"folderButton"_s, u"cancelButton"_s, u"Command3"_s, u"Command4"_s}));
    }

    void startUp_data()
    {
        QTest::addColumn<int>("folder");      // 0: none remembered, 1: remembered but not set up, 2: set up
        QTest::addColumn<QString>("message"); // a part of it; empty: none
        // The menu entry the first message points to is there.
        QTest::newRow("no folder yet") << 0 << u"File -> Select Directory menu"_s;
        QTest::newRow("folder not set up") << 1 << u"Not Properly Set Up"_s;
        QTest::newRow("set up") << 2 << QString();
    }

    void startUp()
    {
        QFETCH(int, folder);
        QFETCH(QString, message);
        MainScreenHarness h;
        h.game.write(u"AGBBot_liblist.gam"_s, "not the right name");
        if (folder == 2)
            h.setUp({u"RamBot liblist.gam"_s, u"REDUBOT LIBLIST.GAM"_s, u"AndroidBot liblist.gam"_s});
        else
            h.game.write(u"RamBot liblist.gam"_s, "version \"1.5\"\r\n");
        if (folder == 1)
            h.settings->setValue(AppSettings::Key::GameDir, h.game.gameDir());
        MessageAnswerer answerer;
        h.window->startUp();
        QCOMPARE(answerer.answered(), !message.isEmpty());
        QVERIFY2(answerer.text().contains(message), qPrintable(answerer.text()));
        // Titled with the program's name, with no icon and OK alone, as every message is.
        if (answerer.answered())
            QVERIFY(answerer.title() == u"Trevlin"_s && answerer.buttons() == QStringList{u"OK"_s}
                    && !answerer.hasIcon());
        QCOMPARE(h.find<QAction>(u"Properties"_s)->text(), u"&Select Directory"_s);
        // Without a set-up folder only the folder's choice and the updates; a copy named in upper case counts, one
        // with a wrong name does not.
        QCOMPARE(h.enabledAddOnControls(),
                 (folder < 2
                      ? QStringList{u"Properties"_s, u"updAll"_s}
                      : u"Command1 Command13 Command2 Option1 Option11 Option2 Option7 Properties andbots config "
                        "rambots redubot updAll updAndroidbot updRambot updReduBot"_s.split(u' ')));
        QCOMPARE(h.find(u"Command9"_s)->isHidden(), folder < 2);
        // Nothing is chosen until the user chooses.
        QVERIFY(h.session.botName().isEmpty());
    }

    // A fresh install's own liblist.gam; which files count as the game's own is tst_gamesetup's.
    void freshInstallKeepsItsDescriptor_data()
    {
        QTest::addColumn<QByteArray>("liblist");
        QTest::addColumn<QDialogButtonBox::StandardButton>("answer");
        QTest::addColumn<QStringList>("messages"); // a part of each, in order
        QTest::addColumn<QByteArray>("kept");      // "OLD liblist.gam" afterwards
        const QByteArray own = "game \"Counter-Strike\"\r\ngamedll \"dlls\\mp.dll\"\r\n";
        const QByteArray other = "game \"Counter-Strike\"\r\ngamedll \"dlls\\bot.dll\"\r\n";
        QTest::newRow("kept") << own << QDialogButtonBox::Yes << QStringList{u"Keep a copy"_s} << own;
        QTest::newRow("declined") << own << QDialogButtonBox::No
                                  << QStringList{u"Keep a copy"_s, u"Not Properly Set Up"_s} << QByteArray();
        QTest::newRow("another library") << other << QDialogButtonBox::Ok
                                         << QStringList{u"\"dlls\\bot.dll\", which is not the game's own"_s}
                                         << QByteArray();
        // The game's own library is still there: the kept copy starts it instead.
        QTest::newRow("another library, the game's own there")
            << other << QDialogButtonBox::Yes << QStringList{u"starts the game's own library (dlls/mp.dll) instead"_s}
            << own;
    }

    void freshInstallKeepsItsDescriptor()
    {
        QFETCH(QByteArray, liblist);
        QFETCH(QDialogButtonBox::StandardButton, answer);
        QFETCH(QStringList, messages);
        QFETCH(QByteArray, kept);
        MainScreenHarness h;
        h.game.write(u"liblist.gam"_s, liblist);
        if (QByteArray(QTest::currentDataTag()).endsWith("there"))
            h.game.write(u"dlls/mp.dll"_s, "x");
        h.settings->setValue(AppSettings::Key::GameDir, h.game.gameDir());
        MessageAnswerer answerer(answer);
        h.window->startUp();
        QCOMPARE(answerer.texts().size(), messages.size());
        for (qsizetype i = 0; i < messages.size(); ++i)
            QVERIFY2(answerer.texts()[i].contains(messages[i]), qPrintable(answerer.texts()[i]));
        QCOMPARE(h.game.exists(u"OLD liblist.gam"_s) ? h.game.read(u"OLD liblist.gam"_s) : QByteArray(), kept);
        // The plain game can be chosen once the copy is there.
        QCOMPARE(h.find(u"Option7"_s)->isEnabled(), !kept.isEmpty());
    }

    void setUpAnAddOnFromItsFiles_data()
    {
        QTest::addColumn<bool>("prepared"); // a prepared copy is there already
        QTest::addColumn<QDialogButtonBox::StandardButton>("answer");
        QTest::newRow("fresh") << false << QDialogButtonBox::Ok;
        QTest::newRow("replaced on Yes") << true << QDialogButtonBox::Yes;
        QTest::newRow("kept on No") << true << QDialogButtonBox::No;
    }

    // The install dialog stays until its install has ended, so that it can tell how it ended.
    void anInstallIsNotClosedUnderway()
    {
        QTemporaryDir halfLife;
        const AddOnArchive::Listing listing{{{u"RamBot/dlls/rambot.dll"_s, 1}}, {}};
        ArchiveInstall dialog(halfLife.filePath(u"gone.zip"_s), listing,
                              {halfLife.path(), halfLife.filePath(u"cstrike"_s)});
        dialog.show();
        MessageAnswerer answerer;
        Widgets::press(&dialog, u"installButton"_s);
        dialog.reject();
        QVERIFY(dialog.isVisible());
        QTRY_VERIFY(answerer.answered());
        QVERIFY2(answerer.text().contains(u"Nothing was installed"_s), qPrintable(answerer.text()));
        dialog.reject();
        QVERIFY(!dialog.isVisible());
    }

    // An add-on's files dropped into a folder that holds none of the prepared copies.
    void setUpAnAddOnFromItsFiles()
    {
        QFETCH(bool, prepared);
        QFETCH(QDialogButtonBox::StandardButton, answer);
        MainScreenHarness h;
        h.start(prepared ? QStringList{u"RamBot liblist.gam"_s} : QStringList());
        const QByteArray before = prepared ? h.game.read(u"RamBot liblist.gam"_s) : QByteArray();
        for (const QString &file : {u"dlls/mp.dll"_s, u"rambot/rambot.dll"_s, u"dlls/rambot_i386.so"_s})
            h.game.write(file, "x");
        h.press(u"setUpAddOnAction"_s);
        auto *dialog = h.window->findChild<QDialog *>(u"SetUpAddOn"_s);
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(Widgets::unnamedControls(dialog), QStringList());
        Widgets::child<QComboBox>(dialog, u"addOnBox"_s)->setCurrentText(u"RamBot"_s);
        // The libraries that carry the add-on's name are chosen; the game's own are not offered.
        QCOMPARE(Widgets::child<QComboBox>(dialog, u"windowsLibraryBox"_s)->currentData(), u"rambot/rambot.dll"_s);
        QCOMPARE(Widgets::child<QComboBox>(dialog, u"windowsLibraryBox"_s)->count(), 2);
        QCOMPARE(Widgets::child<QComboBox>(dialog, u"linuxLibraryBox"_s)->currentData(), u"dlls/rambot_i386.so"_s);
        MessageAnswerer answerer(answer);
        Widgets::press(dialog, u"setUpButton"_s);
        QCOMPARE(answerer.answered(), prepared);
        const bool written = answer != QDialogButtonBox::No;
        QCOMPARE(h.game.read(u"RamBot liblist.gam"_s),
                 written ? GameDirFixture::liblist({u"game \"Counter-Strike\""_s, u"version \"1.5\""_s,
                                                    u"hlversion \"1110\""_s, u"gamedll \"rambot\\rambot.dll\""_s,
                                                    u"gamedll_linux \"dlls/rambot_i386.so\""_s})
                         : before);
        QCOMPARE(dialog->isVisible(), !written);
        // Enabled and chosen at once, its library shown.
        QVERIFY(h.find(u"Option2"_s)->isEnabled());
        if (written)
            QCOMPARE(shownInfo(h).at(2), u"rambot\\rambot.dll"_s);
    }

    // The update entries open one update window; Exit closes it with the main window.
    void updateEntriesOpenOneWindowThatExitCloses()
    {
        // A closed port on this machine: the window asks it for the versions and gets no answer.
        qputenv("TREVLIN_UPDATE_URL", "http://127.0.0.1:9/");
        MainScreenHarness h;
        h.start({u"RamBot liblist.gam"_s, u"PodBot liblist.gam"_s});
        h.press(u"Option2"_s);
        h.press(u"updPodBot"_s);
        // The add-on's entry makes it the current one, the chosen option button stays.
        QCOMPARE(h.session.botName(), u"PodBot"_s);
        QVERIFY(h.find<QRadioButton>(u"Option2"_s)->isChecked());
        h.press(u"updAll"_s);
        QCOMPARE(h.session.botName(), u"PodBot"_s);
        QCOMPARE(h.window->findChildren<Update *>().size(), 1);
        QPointer<Update> update = h.window->findChild<Update *>();
        QVERIFY(update->isVisible());
        h.press(u"Command4"_s);
        QVERIFY(!h.window->isVisible());
        QTRY_VERIFY(update.isNull());
    }

    void chooseShowsBotInfoThenPlay()
    {
        MainScreenHarness h;
        h.setUp({u"PLBot liblist.gam"_s, u"PodBot liblist.gam"_s, u"AndroidBot liblist.gam"_s});
        h.game.write(u"liblist.gam"_s, "game \"left from an earlier launch\"\r\n");
        h.game.writeRecordingScript(u"hl.sh"_s);
        h.game.write(u"RamBot liblist.gam"_s,
                     "game \"CS\"\r\nversion \"1.6\"\r\nhlversion \"110\"\r\ngamedll \"dlls\\rambot.dll\"\r\n");
        h.game.write(u"NNBot liblist.gam"_s, "gamedll \"dlls\\nnbot.dll\"\r\n");
        h.game.write(u"maps/de_dust.rw1"_s);
        h.game.write(u"maps/cs_office.rw1"_s);
        h.settings->setValue(AppSettings::Family::AutostartFile, u"RamBot"_s, u"ram.cfg"_s);
        h.settings->setValue(AppSettings::Family::AutostartFile, u"PLBot"_s, u"pl.cfg"_s);
        h.window->startUp();
        // An empty value is heard as nothing, never as its caption.
        QCOMPARE(shownInfo(h), (QStringList{{}, {}, {}, {}, u"None"_s}));

        h.press(u"Option2"_s);
        QCOMPARE(h.session.botName(), u"RamBot"_s);
        QCOMPARE(shownInfo(h),
                 (QStringList{u"1.6"_s, u"1.1.0."_s, u"dlls\\rambot.dll"_s, u"cs_office, de_dust"_s, u"ram.cfg"_s}));
        // Each caption is heard once, as its value's label.
        for (const auto &[value, caption] : {std::pair{u"Label6"_s, u"Label3"_s}, std::pair{u"Label7"_s, u"Label4"_s},
                                             std::pair{u"Label8"_s, u"Label5"_s}, std::pair{u"Label1"_s, u"Frame3"_s},
                                             std::pair{u"Label2"_s, u"Frame2"_s}}) {
            QCOMPARE(QAccessible::queryAccessibleInterface(h.find(value))->role(), QAccessible::StaticText);
            QVERIFY2(related(h.find(value), QAccessible::Label, h.find(caption)), qPrintable(value));
            QVERIFY2(related(h.find(caption), QAccessible::Labelled, h.find(value)), qPrintable(value));
        }

        // NNBot's copy names no versions: those labels keep what RamBot showed.
        h.press(u"Option4"_s);
        QCOMPARE(shownInfo(h), (QStringList{u"1.6"_s, u"1.1.0."_s, u"dlls\\nnbot.dll"_s, {}, u"None"_s}));
        h.press(u"Option10"_s);
        QCOMPARE(shownInfo(h),
                 (QStringList{u"1.5"_s, u"1.1.0.8"_s, u"dlls\\plbot.dll"_s, u"All"_s, u"Not Available"_s}));
        // An edit button or a menu entry chooses its add-on as its option button does, whatever window it opens;
        // an entry whose button has no twin in the menu does what its button does.
        for (const auto &[control, option, botName] : {std::tuple{u"Command10"_s, u"Option8"_s, u"PodBot"_s},
                                                       std::tuple{u"andbots"_s, u"Option1"_s, u"AndroidBot"_s},
                                                       std::tuple{u"plbot"_s, u"Option10"_s, u"PLBot"_s}}) {
            h.press(control);
            QVERIFY2(h.find<QRadioButton>(option)->isChecked(), qPrintable(control));
            QCOMPARE(h.session.botName(), botName);
            QCOMPARE(shownInfo(h).at(2), u"dlls\\%1.dll"_s.arg(botName.toLower()));
        }
        h.press(u"Option7"_s);
        QCOMPARE(h.session.botName(), u"Original CS"_s);
        QCOMPARE(shownInfo(h), (QStringList{u"1.5"_s, u"1.1.1.0"_s, u"dlls\\mp.dll"_s, {}, u"None"_s}));

        // Once the plain game has been played, the choice is named after its copy.
        h.press(u"Command3"_s);
        QCOMPARE(h.session.botName(), u"OLD"_s);
        QCOMPARE(h.game.read(u"liblist.gam"_s), h.game.read(u"OLD liblist.gam"_s));
        QVERIFY(!h.game.recordedRun().isEmpty());
    }

    void longMapListIsReadInShort_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("spoken"); // its end
        QTest::newRow("none") << 0 << QString();
        QTest::newRow("fifty") << 50 << u"de_map48, de_map49"_s;
        QTest::newRow("fifty-one") << 51 << u"de_map48, de_map49 and 1 more"_s;
        QTest::newRow("ten thousand") << 10'000 << u"de_map48, de_map49 and 9950 more"_s;
    }

    void longMapListIsReadInShort()
    {
        QFETCH(int, count);
        QFETCH(QString, spoken);
        QStringList maps;
        for (int i = 0; i < count; ++i)
            maps.append(u"de_map%1"_s.arg(i));
        MainScreenHarness h;
        QWidget *label = h.find(u"Label1"_s);
        label->setProperty("text", maps.join(u", "_s));
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(label);
        const QString name = accessible->text(QAccessible::Name);
        QVERIFY2(name.endsWith(spoken) && name.startsWith(maps.mid(0, 50).join(u", "_s)), qPrintable(name.right(80)));
        // The whole list stays there to be read on demand.
        QCOMPARE(accessible->text(QAccessible::Value), maps.join(u", "_s));
    }

    // RamBot, NNBot, the plain game, PodBot and BobaBot are installed: Option2, 4, 7, 8 and 12 are enabled.
    void keysMoveAmongInstalledAddOns_data()
    {
        QTest::addColumn<QString>("choose"); // clicked first, if any, once Tab has come to the first add-on
        QTest::addColumn<QString>("from");   // focused before the key
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("lands");
        QTest::addColumn<QString>("botName"); // empty: nothing is chosen
        const QKeyCombination tab(Qt::Key_Tab), back(Qt::ShiftModifier, Qt::Key_Tab), up(Qt::Key_Up),
            down(Qt::Key_Down);
        const QKeyCombination left(Qt::Key_Left), right(Qt::Key_Right);
        // Tab comes to the chosen add-on, or else to the first one installed, passing over the disabled AndroidBot.
        QTest::newRow("Tab, nothing chosen") << QString() << u"Command4"_s << tab << u"Option2"_s << QString();
        // Tab comes to the chosen one, not to the one focused last: PodBot's edit button chooses PodBot while RamBot
        // is the add-on focused last.
        QTest::newRow("Tab, edit button") << u"Command10"_s << u"Command4"_s << tab << u"Option8"_s << u"PodBot"_s;
        QTest::newRow("Shift+Tab, edit button")
            << u"Command10"_s << u"Command2"_s << back << u"Option8"_s << u"PodBot"_s;
        // The arrows choose as they go, past the disabled add-ons, and wrap.
        QTest::newRow("down") << u"Option2"_s << u"Option2"_s << down << u"Option4"_s << u"NNBot"_s;
        QTest::newRow("right as down") << u"Option4"_s << u"Option4"_s << right << u"Option7"_s << u"Original CS"_s;
        QTest::newRow("left as up") << u"Option12"_s << u"Option12"_s << left << u"Option8"_s << u"PodBot"_s;
        QTest::newRow("up from the first wraps") << u"Option2"_s << u"Option2"_s << up << u"Option12"_s << u"BobaBot"_s;
        QTest::newRow("down, nothing chosen yet") << QString() << u"Option2"_s << down << u"Option4"_s << u"NNBot"_s;
    }

    void keysMoveAmongInstalledAddOns()
    {
        QFETCH(QString, choose);
        QFETCH(QString, from);
        QFETCH(QKeyCombination, key);
        QFETCH(QString, lands);
        QFETCH(QString, botName);
        MainScreenHarness h;
        QVERIFY(h.startActive(
            {u"RamBot liblist.gam"_s, u"NNBot liblist.gam"_s, u"PodBot liblist.gam"_s, u"BobaBot liblist.gam"_s}));
        h.find(u"Command4"_s)->setFocus();
        QTest::keyClick(h.find(u"Command4"_s), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), h.find(u"Option2"_s));
        if (!choose.isEmpty())
            QTest::mouseClick(h.find(choose), Qt::LeftButton);
        h.find(from)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(h.find(from), key.key(), key.keyboardModifiers());
        QCOMPARE(heardOptions(h),
                 QStringList{lands + u" focused"_s} + QStringList(botName.isEmpty() ? 0 : 1, lands + u" checked"_s));
        QCOMPARE(h.session.botName(), botName);
        // The add-ons are one stop: the next Tab leaves the group.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, key.keyboardModifiers());
        QVERIFY(!qobject_cast<QRadioButton *>(QApplication::focusWidget()));
    }

    void play_data()
    {
        QTest::addColumn<QString>("folder"); // "set up", or what it lacks
        QTest::addColumn<QString>("choose");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("message"); // a part of it, or the buttons of the question asked
        QTest::addColumn<bool>("started");
        const int ok = QDialogButtonBox::Ok;
        const QString chooseFolder = u"File -> Config"_s, question = u"OK|Cancel"_s, setUp = u"set up"_s;
        QTest::newRow("folder not set up") << u"not set up"_s << QString() << ok << chooseFolder << false;
        QTest::newRow("variant gone") << setUp << u"Option2"_s << ok << chooseFolder << false;
        QTest::newRow("no launcher") << u"no launcher"_s << u"Option7"_s << ok << u"hl.sh or hl_linux"_s << false;
        // A folder in liblist.gam's place. That the game folder keeps its own liblist.gam, on a read-only disk too,
        // is tst_filefaults' business; here the window says so and starts nothing.
        QTest::newRow("liblist.gam cannot be replaced")
            << u"no liblist.gam file"_s << u"Option7"_s << ok << u"still holds its previous liblist.gam"_s << false;
        // NNBot's copy names a newer game version than the one installed: the user is asked first.
        QTest::newRow("newer version, Cancel")
            << setUp << u"Option4"_s << int(QDialogButtonBox::Cancel) << question << false;
        QTest::newRow("newer version, OK") << setUp << u"Option4"_s << ok << question << true;
    }

    void play()
    {
        QFETCH(QString, folder);
        QFETCH(QString, choose);
        QFETCH(int, answer);
        QFETCH(QString, message);
        MainScreenHarness h;
        h.game.write(u"NNBot liblist.gam"_s, "version \"1.6\"\r\ngamedll \"dlls\\nnbot.dll\"\r\n");
        if (folder != "not set up"_L1) {
            h.setUp({u"RamBot liblist.gam"_s});
            h.window->startUp();
        }
        if (folder == "no liblist.gam file"_L1)
            QVERIFY(QDir(h.game.gameDir()).remove(u"liblist.gam"_s) && QDir(h.game.gameDir()).mkdir(u"liblist.gam"_s));
        if (folder != "no launcher"_L1)
            h.game.writeRecordingScript(u"hl.sh"_s);
        if (!choose.isEmpty())
            h.press(choose);
        QFile::remove(QDir(h.game.gameDir()).filePath(u"RamBot liblist.gam"_s));
        const QByteArray liblist = h.game.read(u"liblist.gam"_s);

        MessageAnswerer answerer{QDialogButtonBox::StandardButton(answer)};
        h.press(u"Command3"_s);
        const QString shown = message.contains(u'|') ? answerer.buttons().join(u'|') : answerer.text();
        QVERIFY2(shown.contains(message), qPrintable(shown));
        QFETCH(bool, started);
        if (started) {
            QCOMPARE(h.game.read(u"liblist.gam"_s), h.game.read(u"NNBot liblist.gam"_s));
            QCOMPARE(h.game.recordedRun().mid(1), (QStringList{u"-console"_s, u"-game"_s, u"cstrike"_s}));
        } else {
            QCOMPARE(h.game.read(u"liblist.gam"_s), liblist);
            QVERIFY(!h.game.exists(u"../../recorded-run.txt"_s));
        }
    }

    void statusLineFollowsThePointer_data()
    {
        // The controls the pointer moves over, one after the other, and what the status line says after each: the
        // status text of the control named, nothing, or what it said before.
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QStringList>("says");
        const auto row = [](const char *name, const QString &path, const QString &says) {
            QTest::newRow(name) << path.split(u' ') << says.split(u' ');
        };
        row("from a button to the background", u"Command3 centralwidget"_s, u"Command3 nothing"_s);
        row("from a label to its frame", u"Label6 Frame4 Label8"_s, u"Label6 Frame4 Label8"_s);
        row("from the toolbar to its frame", u"folderButton Frame2 Label2"_s, u"folderButton nothing Label2"_s);
        row("across the toolbar", u"folderButton cancelButton folderButton"_s,
            u"folderButton cancelButton folderButton"_s);
        row("an option button leaves it", u"Command4 Option2 Frame1"_s, u"Command4 Command4 Command4"_s);
        row("a greyed-out add-on tells how to set it up", u"Command4 Option3 Frame1"_s, u"Command4 set-up set-up"_s);
        row("back over the background", u"centralwidget Command9 centralwidget"_s, u"nothing Command9 nothing"_s);
    }

    void statusLineFollowsThePointer()
    {
        QFETCH(QStringList, path);
        QFETCH(QStringList, says);
        MainScreenHarness h;
        h.start({u"RamBot liblist.gam"_s});
        h.press(u"Option2"_s); // the values shown take room of their own
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
        auto *status = h.find<QLineEdit>(u"Text2"_s);
        for (qsizetype step = 0; step < path.size(); ++step) {
            QWidget *over = h.find(path.at(step));
            QVERIFY(over && over->isVisible());
            // A point of the control itself, not of one inside it.
            QPoint at(-1, -1);
            for (int y = 2; y < over->height() && at.y() < 0; y += 3) {
                for (int x = 2; x < over->width() && at.x() < 0; x += 3) {
                    if (h.window->childAt(over->mapTo(h.window.get(), QPoint(x, y))) == over)
                        at = QPoint(x, y);
                }
            }
            QVERIFY2(at.x() >= 0, qPrintable(path.at(step)));
            QTest::mouseMove(over, at);
            const QString &expected = says.at(step);
            if (expected == "set-up"_L1) {
                QVERIFY2(status->text().startsWith(u"RealBot is not set up"_s), qPrintable(status->text()));
                continue;
            }
            QCOMPARE(status->text(), expected == "nothing"_L1 ? QString() : h.find(expected)->accessibleDescription());
        }
    }
};

QTEST_MAIN(TestMainScreen)
#include "tst_mainscreen.moc"
