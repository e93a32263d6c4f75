#include "UpdateLists.h"
#include "VersionMarks.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestUpdateLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void versions_data();
    void versions();
    void marks_data();
    void marks();
    void refusedFileLists_data();
    void refusedFileLists();
};

void TestUpdateLists::versions_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    QStringList twelve;
    QByteArray all;
    for (int i = 0; i < 14; ++i) {
        all += "label\r\n" + QByteArray::number(i + 1) + "\r\n";
        if (i < 12)
            twelve.append(QString::number(i + 1));
    }
    QTest::newRow("more than twelve pairs") << all << twelve;
    // Fewer pairs are read in tst_update's rowsAndMarks.
    QTest::newRow("an empty label ends the list") << QByteArray("a\r\n3\r\n\r\n4\r\nb\r\n5\r\n") << QStringList{u"3"_s};
    QTest::newRow("a label without its version") << QByteArray("a\r\n3\r\nb") << QStringList{u"3"_s};
}

void TestUpdateLists::versions()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    const ServerVersions versions = UpdateLists::parseVersions(bytes);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(versions[i], expected.value(i));
}

void TestUpdateLists::marks_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("installed");
    QTest::addColumn<bool>("marked");
    // A newer program, a positive number never installed, the same version installed, and "beta" never installed
    // are marked as tst_update's rowsAndMarks shows them; these rows are the rules that table does not reach.
    QTest::newRow("program: 10 sorts below 2") << 0 << u"10.0"_s << u"2.0"_s << false;
    QTest::newRow("never installed, zero") << 3 << u"0"_s << u"N/A"_s << false;
    QTest::newRow("installed, newer text") << 5 << u"1.2"_s << u"1.1"_s << true;
    QTest::newRow("installed, 10 below 9") << 5 << u"10"_s << u"9"_s << false;
    QTest::newRow("installed, letters by code") << 5 << u"1.2b"_s << u"1.2B"_s << true;
}

void TestUpdateLists::marks()
{
    QFETCH(int, index);
    QFETCH(QString, server);
    QFETCH(QString, installed);
    QTEST(VersionMarks::isNewer(index, server, installed), "marked");
}

void TestUpdateLists::refusedFileLists_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("badLine");
    const QByteArray url = "http://u.test/PLBot/f\r\n";
    const auto record = [&](const QByteArray &keyword, const QByteArray &folder, const QByteArray &name) {
        return url + keyword + "\r\nx\r\n" + (folder.isEmpty() ? "" : folder + "\r\n") + "---EndSubDirectories---\r\n"
            + name + "\r\n---\r\n";
    };
    QTest::newRow("traversal folder") << record("counter-strike_dir", "..", "f") << 4;
    QTest::newRow("traversal in name") << record("counter-strike_dir", "", "../f") << 5;
    QTest::newRow("absolute folder") << record("half-life_dir", "/etc", "f") << 4;
    QTest::newRow("drive letter") << record("half-life_dir", "C:", "f") << 4;
    QTest::newRow("backslash inside") << record("half-life_dir", "", "a\\..\\f") << 5;
    QTest::newRow("control character") << record("half-life_dir", "a\tb", "f") << 4;
    QTest::newRow("reserved name with extension") << record("half-life_dir", "Com1.txt", "f") << 4;
    QTest::newRow("unknown root keyword") << record("temp_dir", "", "f") << 2;
    QTest::newRow("address of another item") << QByteArray("http://u.test/RamBot/f\r\nhalf-life_dir\r\n") << 1;
    QTest::newRow("address leaving the item") << QByteArray("http://u.test/PLBot/../f\r\nhalf-life_dir\r\n") << 1;
    // Sent, encoded dots are dots, and a server may take an encoded slash for a slash.
    QTest::newRow("address leaving the item through encoded dots and slash")
        << QByteArray("http://u.test/PLBot/a/%2e%2E%2Ff\r\nhalf-life_dir\r\n") << 1;
    QTest::newRow("record cut short") << url + "half-life_dir\r\nx\r\ndlls\r\n" << 4;
}

void TestUpdateLists::refusedFileLists()
{
    QFETCH(QByteArray, record);
    QFETCH(int, badLine);
    // A good record first: the list is refused whole, not from the bad record on.
    const QByteArray good = "http://u.test/PLBot/ok\r\nhalf-life_dir\r\nx\r\n---EndSubDirectories---\r\nok\r\n---\r\n";
    const FileList list = UpdateLists::parseFileList(good + record, u"http://u.test/"_s, u"PLBot"_s);
    QVERIFY(list.files.isEmpty());
    QVERIFY2(list.error.startsWith(u"The file list of PLBot is refused: line %1 "_s.arg(badLine + 6)),
             qPrintable(list.error));
}

QTEST_GUILESS_MAIN(TestUpdateLists)
#include "tst_updatelists.moc"
