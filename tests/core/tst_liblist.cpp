#include "Liblist.h"
#include "TestFiles.h"
#include "TextLines.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestLiblist : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lineRule_data();
    void lineRule();
    void reads_data();
    void reads();
    void hlVersionIsDotted();
    void linesSplitOnCrLfAndLf_data();
    void linesSplitOnCrLfAndLf();
    void bytesCountedSixteenAtATime_data();
    void bytesCountedSixteenAtATime();
};

void TestLiblist::lineRule_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("parsed");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("backslash kept") << u"gamedll \"dlls\\mp.dll\""_s << true << u"gamedll"_s << u"dlls\\mp.dll"_s;
    QTest::newRow("blanks inside the quotes")
        << u"game \" Counter Strike \""_s << true << u"game"_s << u" Counter Strike "_s;
    QTest::newRow("empty value") << u"url_dl \"\""_s << true << u"url_dl"_s << QString();
    // The opening quote is skipped and the last character dropped, whatever they are.
    QTest::newRow("no quotes") << u"version 1.0x"_s << true << u"version"_s << u".0"_s;
    QTest::newRow("key cut at the first blank") << u"my key \"v\""_s << true << u"my"_s << u"ey \"v"_s;
    QTest::newRow("no blank") << u"//comment"_s << false << QString() << QString();
    QTest::newRow("blank and one character") << u"version \""_s << false << QString() << QString();
}

void TestLiblist::lineRule()
{
    QFETCH(QString, line);
    QFETCH(bool, parsed);
    const std::optional<Liblist::Line> result = Liblist::parseLine(line);
    QCOMPARE(result.has_value(), parsed);
    if (result) {
        QTEST(result->key, "key");
        QTEST(result->value, "value");
    }
}

void TestLiblist::reads_data()
{
    QTest::addColumn<QByteArray>("bytes");  // null: there is no file
    QTest::addColumn<QStringList>("found"); // version, hlversion and gamedll; "-" for none
    const QStringList none{u"-"_s, u"-"_s, u"-"_s};
    // Read as 8-bit text, the final line without a line break included.
    QTest::newRow("the last of each")
        << "game \"CS\"\r\n\r\nversion \"1.0\"\r\n//note\nhlversion \"1108\"\r\nversion \"1.6\"\r\n"
           "gamedll \"dlls\\\xe9t\xe9.dll\""_ba
        << QStringList{u"1.6"_s, u"1108"_s, u"dlls\\\u00e9t\u00e9.dll"_s};
    QTest::newRow("missing") << QByteArray() << none;
    QTest::newRow("odd lines, other keys") << "\r\n\r\nnoblank\r\nx \r\nVersion \"1.0\"\r\ngame \"x\"\r\n"_ba << none;
}

void TestLiblist::reads()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"liblist.gam"_s);
    if (!bytes.isNull())
        TestFiles::write(path, bytes);
    const LiblistInfo info = Liblist::read(path);
    const auto shown = [](const std::optional<QString> &value) {
        return value.value_or(u"-"_s);
    };
    QTEST((QStringList{shown(info.version), shown(info.hlversion), shown(info.gamedll)}), "found");
}

void TestLiblist::hlVersionIsDotted()
{
    QCOMPARE(Liblist::formatHlVersion(u"1108"_s), u"1.1.0.8"_s);
    QCOMPARE(Liblist::formatHlVersion(u"110"_s), u"1.1.0."_s);
    QCOMPARE(Liblist::formatHlVersion(u"11081"_s), u"1.1.0.8"_s);
}

void TestLiblist::linesSplitOnCrLfAndLf_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF, LF, none at the end") << QByteArray("a\r\nb\nc") << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("empty lines kept") << QByteArray("\r\n\r\na\r\n") << QStringList{QString(), QString(), u"a"_s};
    QTest::newRow("lone CR stays") << QByteArray("a\rb\n") << QStringList{u"a\rb"_s};
    QTest::newRow("nothing") << QByteArray() << QStringList();
}

void TestLiblist::linesSplitOnCrLfAndLf()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(TextLines::split(bytes), lines);
    if (!bytes.contains('\r') || bytes.contains("\r\n"))
        QCOMPARE(TextLines::split(TextLines::join(lines)), lines);
}

void TestLiblist::bytesCountedSixteenAtATime_data()
{
    // Lengths around the sixteen-byte steps and past the 255 steps after which the counts are summed.
    QTest::addColumn<QByteArray>("bytes");
    quint32 seed = 7;
    const auto random = [&seed] {
        return (seed = seed * 1664525u + 1013904223u) >> 16;
    };
    for (const int size : {0, 1, 15, 16, 17, 31, 32, 33, 255 * 16, 255 * 16 + 17, 10'000}) {
        for (const char *alphabet : {"\r\n", "\r\nab", "\nabcdefgh"}) {
            QByteArray bytes;
            for (int i = 0; i < size; ++i)
                bytes += alphabet[random() % qstrlen(alphabet)];
            QTest::addRow("%d of \"%s\"", size, QByteArray(alphabet).toPercentEncoding().constData()) << bytes;
        }
    }
    QTest::newRow("carriage return last in a step") << QByteArray(15, 'a') + "\r" + QByteArray(16, 'a');
    QTest::newRow("carriage return at the end") << QByteArray(40, '\n') + "\r";
}

void TestLiblist::bytesCountedSixteenAtATime()
{
    QFETCH(QByteArray, bytes);
    // A carriage return last of all may yet be followed by its line feed.
    const qsizetype bare = QString::fromLatin1(bytes).indexOf(QRegularExpression(u"\r(?=[^\n])"_s));
    // In one pass, and in pieces that may end between a carriage return and its line feed.
    const TextLines::LineBreaks whole = TextLines::lineBreaks(bytes, 0, bytes.size());
    QCOMPARE(whole.lineFeeds, bytes.count('\n'));
    QCOMPARE(whole.bareCarriageReturn, bare);
    const qsizetype half = bytes.size() / 2;
    const TextLines::LineBreaks first = TextLines::lineBreaks(bytes, 0, half);
    const TextLines::LineBreaks second = TextLines::lineBreaks(bytes, half, bytes.size());
    QCOMPARE(first.lineFeeds + second.lineFeeds, bytes.count('\n'));
    QCOMPARE(first.bareCarriageReturn >= 0 ? first.bareCarriageReturn : second.bareCarriageReturn, bare);
    qsizetype feeds = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes.at(i) == '\n')
            QCOMPARE(TextLines::nthLineFeed(bytes, ++feeds), i);
    }
    QCOMPARE(TextLines::nthLineFeed(bytes, feeds + 1), -1);
    TextLines::Cursor cursor(bytes);
    QCOMPARE(cursor.remaining(), TextLines::split(bytes).size());
}

QTEST_GUILESS_MAIN(TestLiblist)
#include "tst_liblist.moc"
