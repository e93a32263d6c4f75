#include "TitleEffect.h"

#include "RandomSource.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

using namespace std::chrono_literals;

TitleEffect::Kind TitleEffect::choose(RandomSource &random)
{
    return Kind(random.pick(3) + 1);
}

TitleEffect::TitleEffect(Kind kind, RandomSource &random, QSize title, int canvasWidth)
    : m_kind(kind)
{
    random.reseedFromClock();
    switch (kind) {
    case Kind::FraSiden:
        m_steps = fraSiden(random, title, canvasWidth);
        break;
    case Kind::Linjer:
        m_steps = linjer(title, canvasWidth);
        break;
    case Kind::Storm:
        m_steps = storm(random);
        break;
    }
}

QList<TitleCopy> TitleEffect::linjer(QSize title, int canvasWidth)
{
    const int width = title.width();
    QList<TitleCopy> steps;
    // Rows count from 1, as the title's artwork expects: its top row is left blank.
    for (int y = 1; y <= title.height(); ++y) {
        // Each row opens from the middle, a pixel wider on each side per step; the strips are three rows high, so
        // the next row starts over the lower part of this one. The half of an odd width rounds to the even pixel.
        int i = 1;
        do {
            const int source = int(std::nearbyint(width / 2.0 - i));
            steps.append({QRect(source, y, 2 * i, 3), QPoint(canvasWidth / 2 - i, y)});
            ++i;
        } while (width / 2 - i >= 0);
    }
    return steps;
}

QList<TitleCopy> TitleEffect::storm(RandomSource &random)
{
    constexpr int width = stormArea.width();
    constexpr int height = stormArea.height();
    std::array<bool, width * height> copied{};
    QList<TitleCopy> steps;
    steps.reserve(width * height);
    while (steps.size() < width * height) {
        const int x = random.pick(width);
        const int y = random.pick(height);
        bool &flag = copied.at(std::size_t(y * width + x));
        if (flag)
            continue;
        flag = true;
        steps.append({QRect(x, y, 1, 1), QPoint(x, y)});
    }
    return steps;
}

QList<TitleCopy> TitleEffect::fraSiden(RandomSource &random, QSize title, int canvasWidth)
{
    std::array<bool, slidingRows> done{};
    QList<TitleCopy> steps;
    for (int rowsDone = 0; rowsDone < slidingRows;) {
        // Rows 1 to 19, and the row's last step puts it at x = 1: the artwork's blank top row and left column
        // leave room for it.
        const int row = random.pick(slidingRows) + 1;
        if (done.at(std::size_t(row - 1)))
            continue;
        done.at(std::size_t(row - 1)) = true;
        ++rowsDone;
        const bool fromRight = random.pick(2) == 0;
        // From the right the row starts just past the canvas's right edge; from the left as far out the other way.
        const QRect source(0, row, title.width(), 1);
        if (fromRight) {
            for (int x = canvasWidth; x >= 1; --x)
                steps.append({source, QPoint(x, row)});
        } else {
            for (int x = -canvasWidth; x <= 1; ++x)
                steps.append({source, QPoint(x, row)});
        }
    }
    return steps;
}

std::chrono::milliseconds TitleEffect::duration() const
{
    // Slowest to quickest as they always were, squeezed into one to two seconds.
    switch (m_kind) {
    case Kind::Linjer:
        return 1800ms;
    case Kind::Storm:
        return 1400ms;
    case Kind::FraSiden:
        break;
    }
    return 1200ms;
}

qsizetype TitleEffect::dueSteps(std::chrono::milliseconds elapsed) const
{
    if (elapsed >= duration())
        return m_steps.size();
    if (elapsed.count() <= 0)
        return 0;
    return qsizetype(double(m_steps.size()) * double(elapsed.count()) / double(duration().count()));
}

void TitleEffect::apply(QImage &canvas, const QImage &title, qsizetype from, qsizetype to, int scale) const
{
    const QRect titleArea(QPoint(0, 0), title.size() / scale);
    QPainter painter(&canvas);
    // A plain copy: what the title holds replaces what the canvas held, transparency included.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (qsizetype i = std::max<qsizetype>(from, 0); i < std::min(to, m_steps.size()); ++i) {
        const TitleCopy &step = m_steps.at(i);
        // A strip reaching past the title's edge copies only the part that is there.
        const QRect source = step.source & titleArea;
        if (source.isEmpty())
            continue;
        const QPoint target = step.target + (source.topLeft() - step.source.topLeft());
        painter.drawImage(QRect(target * scale, source.size() * scale), title,
                          QRect(source.topLeft() * scale, source.size() * scale));
    }
}
