#include "DirSelect.h"
#include "MainScreenHarness.h"
#include "MessageAnswerer.h"
#include "TestFiles.h"

#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;

class TestDirSelect : public QObject
{
    Q_OBJECT

    static DirSelect *open(const MainScreenHarness &h)
    {
        h.press(u"Properties"_s);
        return h.window->findChild<DirSelect *>(u"DirSelect"_s);
    }

private Q_SLOTS:
    void typedFolder_data()
    {
        QTest::addColumn<bool>("setUp"); // the folder holds the game's marker and its own liblist.gam copy
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QByteArray>("own"); // the game's own liblist.gam, and no copy of it yet
        QTest::newRow("not set up: refused") << false << QString() << QByteArray();
        QTest::newRow("as it is") << true << QString() << QByteArray();
        QTest::newRow("trailing separator") << true << u"/"_s << QByteArray();
        QTest::newRow("surrounding blanks") << true << u"  "_s << QByteArray();
        QTest::newRow("a fresh install keeps its own") << true << QString() << "gamedll \"dlls\\mp.dll\"\r\n"_ba;
    }

    void typedFolder()
    {
        QFETCH(bool, setUp);
        QFETCH(QString, suffix);
        QFETCH(QByteArray, own);
        MainScreenHarness h;
        if (setUp) {
            h.game.write(u"cstrike.ico"_s, "icon");
            h.game.write(own.isEmpty() ? u"OLD liblist.gam"_s : u"liblist.gam"_s,
                         own.isEmpty() ? "version \"1.5\"\r\n" : own);
        }
        h.game.write(u"rambot LIBLIST.gam"_s, "version \"1.5\"\r\n");
        QPointer<DirSelect> dialog = open(h);
        QSignalSpy selected(dialog.data(), &DirSelect::directorySelected);
        auto *path = dialog->findChild<QLineEdit *>(u"Path1"_s);
        path->clear();
        const QString gameDir = QDir::toNativeSeparators(h.game.gameDir());
        QTest::keyClicks(path, gameDir + suffix);
        MessageAnswerer answerer(own.isEmpty() ? QDialogButtonBox::Ok : QDialogButtonBox::Yes);
        QTest::keyClick(path, Qt::Key_Return); // the default button

        QCOMPARE(answerer.answered(), !setUp || !own.isEmpty());
        if (!own.isEmpty())
            QCOMPARE(h.game.read(u"OLD liblist.gam"_s), own);
        QCOMPARE(selected.size(), setUp ? 1 : 0);
        // A refused folder is the game folder in memory all the same: it was taken before the check.
        QCOMPARE(h.session.gameDir(), gameDir);
        QCOMPARE(h.session.isDirectoryValid(), setUp);
        QCOMPARE(h.settings->value(AppSettings::Key::GameDir), setUp ? gameDir : u"None"_s);
        if (!setUp) {
            QVERIFY(dialog->isVisible());
            QCOMPARE(h.enabledAddOnControls(), (QStringList{u"Properties"_s, u"updAll"_s}));
            return;
        }
        QTRY_VERIFY(dialog.isNull());
        // Remembered for the next start, though this home had no settings folder yet.
        QCOMPARE(h.game.makeSettings()->value(AppSettings::Key::GameDir), gameDir);
        // The add-on found in the folder comes to life; which copies count is tst_mainscreen's startUp.
        QVERIFY(h.find(u"Option2"_s)->isEnabled() && !h.find(u"Command9"_s)->isHidden());
        // The installed game's version is read only at start-up.
        QVERIFY(h.session.installedCsVersion().isEmpty());
    }

    // The dialog opens once, on the game folder; the tree and the label follow the typed path, and the path box and
    // the label follow the tree.
    void treeFollowsTypedPath()
    {
        MainScreenHarness h;
        h.session.setGameDir(h.game.gameDir());
        DirSelect *dialog = open(h);
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->findChild<QLabel *>(u"Label2"_s)->text(), QDir::toNativeSeparators(h.game.gameDir()));
        QCOMPARE(open(h), dialog);
        QCOMPARE(h.window->findChildren<DirSelect *>().size(), 1);

        auto *path = dialog->findChild<QLineEdit *>(u"Path1"_s);
        path->clear();
        QTest::keyClicks(path, h.game.halfLifeDir());
        auto *tree = dialog->findChild<QTreeView *>(u"Dir1"_s);
        QTRY_COMPARE(QDir::fromNativeSeparators(tree->currentIndex().data(QFileSystemModel::FilePathRole).toString()),
                     h.game.halfLifeDir());
        QCOMPARE(dialog->findChild<QLabel *>(u"Label2"_s)->text(), h.game.halfLifeDir());

        // Choosing in the tree shows the folder in the field and the label.
        auto *model = qobject_cast<QFileSystemModel *>(tree->model());
        tree->setFocus();
        tree->setCurrentIndex(model->index(h.game.gameDir()));
        QCOMPARE(path->text(), QDir::toNativeSeparators(h.game.gameDir()));
        QCOMPARE(dialog->chosenPath(), QDir::toNativeSeparators(h.game.gameDir()));
    }

    void offersTheGameFoundInASteamLibrary()
    {
        // A user who has never chosen a folder, whose Steam has Counter-Strike in a library of its own.
        QTemporaryDir home;
        const auto restoreHome = qScopeGuard([old = qgetenv("HOME")] { qputenv("HOME", old); });
        qputenv("HOME", QFile::encodeName(home.path()));
        MainScreenHarness h;
        h.game.makeSetUp();
        const QString library = QFileInfo(h.game.halfLifeDir()).absolutePath();
        QVERIFY(QDir().mkpath(library + u"/steamapps/common"_s));
        QVERIFY(QFile::rename(h.game.halfLifeDir(), library + u"/steamapps/common/Half-Life"_s));
        const QString gameDir = QDir::toNativeSeparators(library + u"/steamapps/common/Half-Life/cstrike"_s);
        TestFiles::write(home.filePath(u".local/share/Steam/steamapps/libraryfolders.vdf"_s),
                         u"\"libraryfolders\" { \"0\" { \"path\" \"%1\" } }"_s.arg(library).toUtf8());

        DirSelect *dialog = open(h);
        auto *found = dialog->findChild<QListWidget *>(u"Found1"_s);
        QVERIFY(found->isVisibleTo(dialog));
        QCOMPARE(Widgets::rows(found), QStringList{gameDir});
        found->setCurrentRow(0);
        QCOMPARE(dialog->findChild<QLineEdit *>(u"Path1"_s)->text(), gameDir);
        dialog->findChild<QAbstractButton *>(u"Command1"_s)->click();
        QCOMPARE(h.settings->value(AppSettings::Key::GameDir), gameDir);
    }
};

QTEST_MAIN(TestDirSelect)
#include "tst_dirselect.moc"
