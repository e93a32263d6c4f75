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
    void reads_data();
    void reads();
    void hlVersionIsDotted();
    void linesOfAnyLength_data();
    void linesOfAnyLength();
};

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
    // A value runs from the second character after the key's blank to the last but one, quotes or not.
    QTest::newRow("blanks inside the quotes, an empty value, no quotes")
        << "version \" 1.6 \"\r\nhlversion \"\"\r\ngamedll xdlls\\mp.dllx\r\n"_ba
        << QStringList{u" 1.6 "_s, QString(), u"dlls\\mp.dll"_s};
    QTest::newRow("the key ends at the first blank")
        << "version x \"1.6\"\r\n"_ba << QStringList{u" \"1.6"_s, u"-"_s, u"-"_s};
    QTest::newRow("missing") << QByteArray() << none;
    QTest::newRow("odd lines, other keys")
        << "\r\n\r\nnoblank\r\nx \r\nhlversion \"\r\nVersion \"1.0\"\r\ngame \"x\"\r\n"_ba << none;
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

void TestLiblist::linesOfAnyLength_data()
{
    // Lengths around the sixteen-byte steps in which line breaks are counted, and past the 255 steps after which
    // the counts are summed.
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

void TestLiblist::linesOfAnyLength()
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
    // Lines end at a line feed, taking a carriage return just before it along; a lone one stays in its line.
    QStringList lines = QString::fromLatin1(bytes).split(u'\n');
    if (lines.constLast().isEmpty())
        lines.removeLast();
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    QCOMPARE(TextLines::split(bytes), lines);
    QCOMPARE(TextLines::split(TextLines::join(lines)), lines);
    QCOMPARE(TextLines::Cursor(bytes).remaining(), lines.size());
}

QTEST_GUILESS_MAIN(TestLiblist)
#include "tst_liblist.moc"
