#include "RandomSource.h"
#include "TitleEffect.h"

#include <QImage>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

using namespace std::chrono_literals;
using Kind = TitleEffect::Kind;

namespace {

// A title whose every pixel differs from its neighbours, so that a pixel copied from the wrong place shows.
QImage noise(QSize size, int scale)
{
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    QRandomGenerator generator(14);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, generator.generate() | 0xff000000u);
    }
    return image;
}

} // namespace

class TestTitleEffect : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void revealsTitle_data();
    void revealsTitle();
    void stormCopiesEachPixelOnce();
    void fraSidenSlidesEachRowInOnce();
    void linjerOpensEachRowFromTheMiddle_data();
    void linjerOpensEachRowFromTheMiddle();
};

void TestTitleEffect::revealsTitle_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("scale");
    for (const int scale : {1, 2}) {
        QTest::addRow("fra_siden x%d", scale) << Kind::FraSiden << scale;
        QTest::addRow("linjer x%d", scale) << Kind::Linjer << scale;
        QTest::addRow("storm x%d", scale) << Kind::Storm << scale;
    }
}

void TestTitleEffect::revealsTitle()
{
    QFETCH(Kind, kind);
    QFETCH(int, scale);
    RandomSource random;
    const QImage title = noise(TitleEffect::stormArea, scale);
    const TitleEffect effect(kind, random, TitleEffect::stormArea, TitleEffect::stormArea.width());
    QVERIFY(effect.duration() >= 1s && effect.duration() <= 2s);

    QImage canvas(title.size(), title.format());
    canvas.fill(Qt::transparent);
    // Frame by frame as the window draws it: nothing before the start, everything once the time is up.
    QCOMPARE(effect.dueSteps(0ms), qsizetype(0));
    qsizetype done = 0;
    for (auto elapsed = 16ms; done < effect.steps().size(); elapsed += 16ms) {
        QVERIFY(elapsed <= effect.duration() + 16ms);
        const qsizetype due = effect.dueSteps(elapsed);
        QVERIFY(due >= done);
        effect.apply(canvas, title, done, due, scale);
        done = due;
    }
    QCOMPARE(canvas, title);
}

void TestTitleEffect::stormCopiesEachPixelOnce()
{
    RandomSource random;
    const TitleEffect effect(Kind::Storm, random, TitleEffect::stormArea, TitleEffect::stormArea.width());
    QCOMPARE(effect.steps().size(), qsizetype(4218));
    QSet<QPoint> copied;
    for (const TitleCopy &step : effect.steps()) {
        QCOMPARE(step.source.size(), QSize(1, 1));
        QCOMPARE(step.target, step.source.topLeft());
        QVERIFY(QRect(QPoint(0, 0), TitleEffect::stormArea).contains(step.target));
        copied.insert(step.target);
    }
    QCOMPARE(copied.size(), qsizetype(4218));
}

void TestTitleEffect::fraSidenSlidesEachRowInOnce()
{
    constexpr int width = 222;
    QSet<bool> sides;
    // The rows and sides are drawn afresh each time; whatever they are, each row comes in once and comes to rest.
    for (int run = 0; run < 10; ++run) {
        RandomSource random;
        const QList<TitleCopy> steps = TitleEffect(Kind::FraSiden, random, QSize(width, 19), width).steps();
        QSet<int> rows;
        for (qsizetype start = 0; start < steps.size();) {
            const int row = steps.at(start).source.y();
            QVERIFY2(!rows.contains(row), "a row slides in twice");
            rows.insert(row);
            const bool fromRight = steps.at(start).target.x() > 0;
            sides.insert(fromRight);
            const int count = fromRight ? width : width + 2;
            for (int i = 0; i < count; ++i) {
                const TitleCopy &step = steps.at(start + i);
                QCOMPARE(step.source, QRect(0, row, width, 1));
                QCOMPARE(step.target, QPoint(fromRight ? width - 1 - i : -width - 1 + i, row));
            }
            start += count;
        }
        QCOMPARE(rows.size(), qsizetype(19));
    }
    QCOMPARE(sides.size(), qsizetype(2));
}

void TestTitleEffect::linjerOpensEachRowFromTheMiddle_data()
{
    QTest::addColumn<QSize>("title");
    QTest::addColumn<int>("canvasWidth");
    QTest::addColumn<int>("shift");
    QTest::newRow("10 wide") << QSize(10, 4) << 10 << 0;
    QTest::newRow("on a wider canvas") << QSize(10, 4) << 14 << 2;
    QTest::newRow("the title") << QSize(222, 19) << 222 << 0;
}

void TestTitleEffect::linjerOpensEachRowFromTheMiddle()
{
    QFETCH(QSize, title);
    QFETCH(int, canvasWidth);
    QFETCH(int, shift);
    const QList<TitleCopy> steps = TitleEffect::linjer(title, canvasWidth);
    const int perRow = title.width() / 2;
    QCOMPARE(steps.size(), qsizetype(perRow * title.height()));
    for (qsizetype s = 0; s < steps.size(); ++s) {
        const int i = int(s % perRow) + 1;
        const int row = int(s / perRow);
        // Strips 2, 4, 6, ... wide, each centred on the middle of the title and of the canvas.
        QCOMPARE(steps.at(s).source, QRect(title.width() / 2 - i, row, 2 * i, 3));
        QCOMPARE(steps.at(s).target, QPoint(title.width() / 2 - i + shift, row));
    }
}

QTEST_GUILESS_MAIN(TestTitleEffect)
#include "tst_titleeffect.moc"
