#include "FolderFiles.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestFolderFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sortsByFoldedNames_data();
    void sortsByFoldedNames();
    void picksFilesByTheirEnd();
};

void TestFolderFiles::sortsByFoldedNames_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("sorted");
    QTest::newRow("none") << QStringList() << QStringList();
    QTest::newRow("case alone tells apart")
        << QStringList{u"b"_s, u"a"_s, u"B"_s, u"A"_s} << QStringList{u"A"_s, u"a"_s, u"B"_s, u"b"_s};
    // '_' lies between the upper and the lower case letters: only folded names put it first.
    QTest::newRow("folded before compared") << QStringList{u"DEB"_s, u"de_x"_s} << QStringList{u"de_x"_s, u"DEB"_s};
    QTest::newRow("shorter first") << QStringList{u"abc"_s, u"ab"_s, u"AB"_s}
                                   << QStringList{u"AB"_s, u"ab"_s, u"abc"_s};
    QTest::newRow("past sixteen characters")
        << QStringList{u"de_bench_long_nameB"_s, u"de_bench_long_namea"_s, u"DE_BENCH_LONG_NAMEA"_s,
                       u"de_bench_long_nam"_s, u"de_bench_long_na"_s}
        << QStringList{u"de_bench_long_na"_s, u"de_bench_long_nam"_s, u"DE_BENCH_LONG_NAMEA"_s,
                       u"de_bench_long_namea"_s, u"de_bench_long_nameB"_s};
    QTest::newRow("outside ASCII") << QStringList{u"\u00c9mile"_s, u"zulu"_s, u"emile"_s, u"\u00e9a"_s}
                                   << QStringList{u"emile"_s, u"zulu"_s, u"\u00e9a"_s, u"\u00c9mile"_s};
    // The Kelvin sign folds to a plain k.
    QTest::newRow("folds to ASCII") << QStringList{u"kb"_s, u"\u212aa"_s, u"Ka"_s}
                                    << QStringList{u"Ka"_s, u"\u212aa"_s, u"kb"_s};
}

void TestFolderFiles::sortsByFoldedNames()
{
    QFETCH(QStringList, names);
    FolderFiles::sortCaseBlind(names);
    QTEST(names, "sorted");
}

void TestFolderFiles::picksFilesByTheirEnd()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString &name : {u"a.bsp"_s, u"B.BSP"_s, u".bsp"_s, u".hidden.bsp"_s, u"c.rw1"_s, u"d.bsp.rw1"_s,
                                u"e.rw1.bsp"_s, u"f.txt"_s, u"g.RW1"_s, u"\u00e9.rw1"_s, u"x.b\u017fp"_s})
        TestFiles::write(dir.filePath(name), {});
    QVERIFY(QDir(dir.path()).mkdir(u"folder.bsp"_s));
    QVERIFY(QFile::link(dir.filePath(u"a.bsp"_s), dir.filePath(u"link.bsp"_s)));
    QVERIFY(QFile::link(dir.filePath(u"folder.bsp"_s), dir.filePath(u"folderlink.bsp"_s)));
    QVERIFY(QFile::link(dir.filePath(u"gone"_s), dir.filePath(u"broken.bsp"_s)));

    QStringList taken;
    const auto take = [&taken](qsizetype suffix, const QString &name) {
        taken.append(u"%1 %2"_s.arg(suffix).arg(name));
    };
    FolderFiles::walk(dir.path(), {u".bsp", u".rw1"}, take);
    taken.sort();
    // Folders and links to them are left out, as is a name that is all suffix; a long s folds to an s, as in
    // QString's comparison without regard to case.
    QCOMPARE(taken,
             (QStringList{u"0 .hidden.bsp"_s, u"0 B.BSP"_s, u"0 a.bsp"_s, u"0 broken.bsp"_s, u"0 e.rw1.bsp"_s,
                          u"0 link.bsp"_s, u"0 x.b\u017fp"_s, u"1 c.rw1"_s, u"1 d.bsp.rw1"_s, u"1 g.RW1"_s,
                          u"1 \u00e9.rw1"_s}));

    taken.clear();
    FolderFiles::walk(dir.path(), {QStringView()}, take);
    FolderFiles::walk(dir.filePath(u"missing"_s), {u".bsp"}, take);
    FolderFiles::walk(QString(), {u".bsp"}, take);
    QCOMPARE(taken, QStringList());
}

QTEST_GUILESS_MAIN(TestFolderFiles)
#include "tst_folderfiles.moc"
