#include "AtomicFile.h"
#include "ScratchMount.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestAtomicFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesAndReplaces();
    void blockedPathsAreReported();
    void fullDiskKeepsOldFile_data();
    void fullDiskKeepsOldFile();
    void readOnlyDiskKeepsOldFile();
};

void TestAtomicFile::writesAndReplaces()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"liblist.gam"_s);
    QVERIFY(AtomicFile::write(path, "first\r\n"));
    QCOMPARE(TestFiles::read(path), QByteArray("first\r\n"));
    QVERIFY(AtomicFile::write(path, "second"));
    QCOMPARE(TestFiles::read(path), QByteArray("second"));
    // No temporary file is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"liblist.gam"_s});
}

void TestAtomicFile::blockedPathsAreReported()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"hl.bat"_s));
    // A folder where the file should be, and a folder that is not there.
    for (const QString &name : {u"hl.bat"_s, u"gone/hl.bat"_s}) {
        QString error;
        QVERIFY(!AtomicFile::write(dir.filePath(name), "x", &error));
        QVERIFY2(!error.isEmpty(), qPrintable(name));
    }
    QVERIFY(QFileInfo(dir.filePath(u"hl.bat"_s)).isDir());
}

void TestAtomicFile::fullDiskKeepsOldFile_data()
{
    QTest::addColumn<int>("newSize");
    // A small write fails only when the buffered bytes are flushed; a large one fails while writing.
    QTest::newRow("small") << 300;
    QTest::newRow("large") << 200 * 1024;
}

void TestAtomicFile::fullDiskKeepsOldFile()
{
    QFETCH(int, newSize);
    ScratchMount disk(ScratchMount::Kind::Tiny);
    SKIP_UNLESS_MOUNTED(disk);
    disk.write(u"liblist.gam"_s, "game \"Counter-Strike\"\r\n");
    disk.fill();
    const QString path = QDir(disk.path()).filePath(u"liblist.gam"_s);

    QString error;
    QVERIFY(!AtomicFile::write(path, QByteArray(newSize, 'n'), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(TestFiles::read(path), QByteArray("game \"Counter-Strike\"\r\n"));
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files).size(), 2); // the file and the filler, nothing half-written
}

void TestAtomicFile::readOnlyDiskKeepsOldFile()
{
    ScratchMount disk(ScratchMount::Kind::Tiny);
    SKIP_UNLESS_MOUNTED(disk);
    disk.write(u"hl.bat"_s, "old");
    QVERIFY(disk.remount(true));
    const QString path = QDir(disk.path()).filePath(u"hl.bat"_s);

    QString error;
    QVERIFY(!AtomicFile::write(path, "new", &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(TestFiles::read(path), QByteArray("old"));
}

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
