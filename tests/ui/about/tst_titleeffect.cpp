#include "RandomSource.h"
#include "TitleEffect.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

using namespace std::chrono_literals;
using Kind = TitleEffect::Kind;

namespace {

// A title whose every pixel differs from its neighbours, so that a pixel copied from the wrong place shows; its top
// row and left column are blank, as the artwork's are.
QImage noise(QSize size, int scale)
{
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    QRandomGenerator generator(14);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, x < scale || y < scale ? 0u : generator.generate() | 0xff000000u);
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
    // The sliding rows come to rest one pixel to the right.
    QImage expected = title;
    if (kind == Kind::FraSiden) {
        expected.fill(Qt::transparent);
        QPainter(&expected).drawImage(scale, 0, title);
    }
    QCOMPARE(canvas, expected);
}

QTEST_GUILESS_MAIN(TestTitleEffect)
#include "tst_titleeffect.moc"
