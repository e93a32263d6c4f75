#include "DirSelect.h"
#include "MainScreenHarness.h"
#include "MessageAnswerer.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;

class TestDirSelect : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensOnceShowingGameDir();
    void refusedFolderKeepsDialogOpen();
    void typedFolderIsAccepted_data();
    void typedFolderIsAccepted();
    void treeFollowsTypedPath();
    void offersTheGameFoundInASteamLibrary();

private:
    static DirSelect *open(const MainScreenHarness &h)
    {
        h.find<QAction>(u"Properties"_s)->trigger();
        return h.window->findChild<DirSelect *>(u"DirSelect"_s);
    }
};

void TestDirSelect::opensOnceShowingGameDir()
{
    MainScreenHarness h;
    h.session.setGameDir(h.game.gameDir());
    DirSelect *dialog = open(h);
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->findChild<QLabel *>(u"Label2"_s)->text(), QDir::toNativeSeparators(h.game.gameDir()));
    QVERIFY(dialog->findChild<QAbstractButton *>(u"Command1"_s)->property("default").toBool());
    // A second opening raises the same window.
    QCOMPARE(open(h), dialog);
    QCOMPARE(h.window->findChildren<DirSelect *>().size(), 1);
}

void TestDirSelect::refusedFolderKeepsDialogOpen()
{
    MainScreenHarness h;
    DirSelect *dialog = open(h);
    auto *path = dialog->findChild<QLineEdit *>(u"Path1"_s);
    path->clear();
    QTest::keyClicks(path, h.game.gameDir());

    MessageAnswerer answerer;
    answerer.arm();
    dialog->findChild<QAbstractButton *>(u"Command1"_s)->click();
    QVERIFY(answerer.answered());
    QVERIFY(dialog->isVisible());
    QCOMPARE(h.settings->value(AppSettings::Key::GameDir), u"None"_s);
    QCOMPARE(h.session.gameDir(), h.game.gameDir()); // taken before the check, as the game folder in memory
    QVERIFY(!h.find(u"Option7"_s)->isEnabled());
    QVERIFY(!h.game.exists(u"hl.bat"_s));
}

void TestDirSelect::typedFolderIsAccepted_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::newRow("as it is") << QString();
    QTest::newRow("trailing separator") << u"/"_s;
    QTest::newRow("surrounding blanks") << u"  "_s;
}

void TestDirSelect::typedFolderIsAccepted()
{
    QFETCH(QString, suffix);
    MainScreenHarness h;
    h.game.write(u"cstrike.ico"_s, "icon");
    h.game.write(u"OLD liblist.gam"_s, "version \"1.5\"\r\n");
    h.game.write(u"rambot LIBLIST.gam"_s, "version \"1.5\"\r\n");
    DirSelect *dialog = open(h);
    QPointer<DirSelect> guard(dialog);
    QSignalSpy selected(dialog, &DirSelect::directorySelected);
    auto *path = dialog->findChild<QLineEdit *>(u"Path1"_s);
    path->clear();
    QTest::keyClicks(path, QDir::toNativeSeparators(h.game.gameDir()) + suffix);
    QTest::keyClick(path, Qt::Key_Return); // the default button

    QCOMPARE(selected.size(), 1);
    QTRY_VERIFY(guard.isNull());
    const QString gameDir = QDir::toNativeSeparators(h.game.gameDir());
    QCOMPARE(h.session.gameDir(), gameDir);
    QVERIFY(h.session.isDirectoryValid());
    QCOMPARE(h.settings->value(AppSettings::Key::GameDir), gameDir);
    QCOMPARE(h.settings->value(AppSettings::Key::HalfLifeDir), QDir::toNativeSeparators(h.game.halfLifeDir()));
    // Remembered for the next start, though this home had no settings folder yet.
    QCOMPARE(h.game.makeSettings()->value(AppSettings::Key::GameDir), gameDir);
    QVERIFY(h.game.exists(u"hl.bat"_s));
    QVERIFY(h.find<QAction>(u"config"_s)->isEnabled());
    QVERIFY(!h.find(u"Command9"_s)->isHidden());
    QVERIFY(h.find(u"Option2"_s)->isEnabled());
    QVERIFY(h.find(u"Option7"_s)->isEnabled());
    QVERIFY(!h.find(u"Option3"_s)->isEnabled());
    // The installed game's version is read only at start-up.
    QVERIFY(h.session.installedCsVersion().isEmpty());
}

void TestDirSelect::treeFollowsTypedPath()
{
    MainScreenHarness h;
    DirSelect *dialog = open(h);
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

void TestDirSelect::offersTheGameFoundInASteamLibrary()
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
    QVERIFY(QDir(home.path()).mkpath(u".local/share/Steam/steamapps"_s));
    QFile vdf(home.filePath(u".local/share/Steam/steamapps/libraryfolders.vdf"_s));
    QVERIFY(vdf.open(QIODevice::WriteOnly));
    vdf.write(u"\"libraryfolders\" { \"0\" { \"path\" \"%1\" } }"_s.arg(library).toUtf8());
    vdf.close();

    DirSelect *dialog = open(h);
    auto *found = dialog->findChild<QListWidget *>(u"Found1"_s);
    QVERIFY(found->isVisibleTo(dialog));
    QCOMPARE(found->count(), 1);
    QCOMPARE(found->item(0)->text(), gameDir);
    found->setCurrentRow(0);
    QCOMPARE(dialog->findChild<QLineEdit *>(u"Path1"_s)->text(), gameDir);
    dialog->findChild<QAbstractButton *>(u"Command1"_s)->click();
    QCOMPARE(h.settings->value(AppSettings::Key::GameDir), gameDir);
}

QTEST_MAIN(TestDirSelect)
#include "tst_dirselect.moc"
