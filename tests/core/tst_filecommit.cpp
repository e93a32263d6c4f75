#include "FileCommit.h"

#include "TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using namespace Qt::Literals::StringLiterals;

class TestFileCommit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commit_data();
    void commit();
};

void TestFileCommit::commit_data()
{
    QTest::addColumn<QStringList>("targets"); // below the game folder
    QTest::addColumn<QString>("fault");       // a rename to fail, "cancel", or empty
    QTest::addColumn<QString>("refusal");     // part of the message, or empty when the commit is to succeed

    QTest::newRow("placed, earlier bytes kept")
        << QStringList{u"liblist.gam"_s, u"new/deep/a.cfg"_s} << QString() << QString();
    QTest::newRow("one target twice") << QStringList{u"a.cfg"_s, u"b.cfg"_s, u"a.cfg"_s} << QString()
                                      << u"named twice"_s;
    QTest::newRow("two letter cases") << QStringList{u"a.cfg"_s, u"A.cfg"_s} << QString() << u"letter case"_s;
    QTest::newRow("folder in two letter cases")
        << QStringList{u"Dlls/a.dll"_s, u"dlls/b.dll"_s} << QString() << u"letter case"_s;
    QTest::newRow("file, then a folder of that name")
        << QStringList{u"x"_s, u"x/y"_s} << QString() << u"file and a folder"_s;
    QTest::newRow("folder, then a file of that name")
        << QStringList{u"x/y"_s, u"X"_s} << QString() << u"file and a folder"_s;
    QTest::newRow("file of the game where a folder must be")
        << QStringList{u"a.cfg"_s, u"liblist.gam/a"_s} << QString() << u"file where a folder"_s;
    QTest::newRow("folder where a file must be")
        << QStringList{u"a.cfg"_s, u"dlls"_s} << QString() << u"folder where a file"_s;
    QTest::newRow("a copy's name, after")
        << QStringList{u"a"_s, u"A.trevlin-update"_s} << QString() << u"copy put beside"_s;
    QTest::newRow("a copy's name, before")
        << QStringList{u"a.trevlin-backup"_s, u"a"_s} << QString() << u"copy put beside"_s;
    QTest::newRow("link out of the root on the way")
        << QStringList{u"a.cfg"_s, u"out/a.cfg"_s} << QString() << u"leads outside"_s;
    QTest::newRow("link out of the root as target")
        << QStringList{u"a.cfg"_s, u"away.cfg"_s} << QString() << u"leads outside"_s;
    QTest::newRow("not below a root") << QStringList{u"a.cfg"_s, u"../elsewhere/a.cfg"_s} << QString()
                                      << u"not below"_s;
    QTest::newRow("copy of the last fails") << QStringList{u"liblist.gam"_s, u"b.cfg"_s, u"dlls/new/c.dll"_s}
                                            << u"c.dll.trevlin-update"_s << u"could not be written"_s;
    // The rename fault fails with EIO: the message carries the system's reason, in the system's words.
    const QString notReplaced = u"could not be replaced: "_s + qt_error_string(EIO);
    QTest::newRow("a replaced file does not step aside") << QStringList{u"b.cfg"_s, u"liblist.gam"_s, u"dlls/mp.dll"_s}
                                                         << u"mp.dll.trevlin-backup"_s << notReplaced;
    QTest::newRow("the last rename fails") << QStringList{u"liblist.gam"_s, u"dlls/mp.dll"_s, u"dlls/new/c.dll"_s}
                                           << u"/c.dll"_s << notReplaced;
    QTest::newRow("cancelled while placing")
        << QStringList{u"liblist.gam"_s, u"new/b.cfg"_s, u"dlls/mp.dll"_s} << u"cancel"_s << QString();
}

void TestFileCommit::commit()
{
    QFETCH(QStringList, targets);
    QFETCH(QString, fault);
    QFETCH(QString, refusal);

    QTemporaryDir scratch;
    const QString game = scratch.filePath(u"game"_s);
    const QString keep = scratch.filePath(u"kept"_s);
    TestFiles::write(game + u"/liblist.gam"_s, "game \"Counter-Strike\"\r\n");
    TestFiles::write(game + u"/dlls/mp.dll"_s, "old library");
    TestFiles::write(scratch.filePath(u"outside/a.cfg"_s), "not the game's");
    QVERIFY(QFile::link(scratch.filePath(u"outside"_s), game + u"/out"_s));
    QVERIFY(QFile::link(scratch.filePath(u"outside/a.cfg"_s), game + u"/away.cfg"_s));
    FileCommit commit({game});
    commit.setKeepDir(keep);
    for (qsizetype i = 0; i < targets.size(); ++i) {
        const QString source = scratch.filePath(u"staged/"_s + QString::number(i));
        TestFiles::write(source, "new " + targets[i].toUtf8());
        commit.add(source, game + u'/' + targets[i]);
    }
    const QStringList before = TestFiles::listing(game) + TestFiles::listing(scratch.filePath(u"outside"_s));

    std::atomic_bool cancel = false;
    commit.setCancelFlag(&cancel);
    commit.setProgress([&](qsizetype done, qsizetype total) { cancel = fault == "cancel"_L1 && done > total / 2; });
    if (!fault.isEmpty() && fault != "cancel"_L1)
        qputenv("TREVLIN_RENAME_FAULT", "once:" + fault.toUtf8());
    const FileCommit::Result result = commit.commit();
    qunsetenv("TREVLIN_RENAME_FAULT");

    if (refusal.isEmpty() && fault.isEmpty()) {
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        for (const QString &target : targets)
            QCOMPARE(TestFiles::read(game + u'/' + target), "new " + target.toUtf8());
        QCOMPARE(result.replaced, QStringList{game + u"/liblist.gam"_s});
        QCOMPARE(result.created, QStringList{game + u"/new/deep/a.cfg"_s});
        QCOMPARE(TestFiles::read(keep + u"/liblist.gam"_s), "game \"Counter-Strike\"\r\n");
        QCOMPARE(QDir(game).entryList(QDir::Files | QDir::Hidden), (QStringList{u"away.cfg"_s, u"liblist.gam"_s}));
        return;
    }
    QVERIFY2(result.error.contains(refusal) && result.cancelled == (fault == "cancel"_L1), qPrintable(result.error));
    QCOMPARE(TestFiles::listing(game) + TestFiles::listing(scratch.filePath(u"outside"_s)), before);
    QVERIFY(!QFileInfo::exists(keep));
}

QTEST_GUILESS_MAIN(TestFileCommit)
#include "tst_filecommit.moc"
