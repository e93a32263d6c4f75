#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <chrono>

class QImage;
class RandomSource;

// One step of an effect: the area of the title picture at source is copied unchanged to target on the canvas.
struct TitleCopy
{
    QRect source;
    QPoint target;

    bool operator==(const TitleCopy &) const = default;
};

// The three ways the about window reveals its title picture on an empty canvas, as the steps that copy the title
// into the canvas bit by bit, and the time over which they are spread. The canvas is as wide as the title or wider.
class TitleEffect
{
public:
    // The numbers are those the random draw picks.
    enum class Kind { FraSiden = 1, Linjer = 2, Storm = 3 };

    // The area that storm dissolves and the rows that fra_siden slides in: the about title's own size.
    static constexpr QSize stormArea{222, 19};
    static constexpr int slidingRows = 19;

    // Draws one of the three effects.
    static Kind choose(RandomSource &random);

    // The effect's steps for a title of the given size. Reseeds random from the clock first, so that no two
    // showings look alike.
    TitleEffect(Kind kind, RandomSource &random, QSize title, int canvasWidth);

    // Lines opening from the middle, row by row from the top.
    static QList<TitleCopy> linjer(QSize title, int canvasWidth);
    // Every pixel of stormArea once, in random order.
    static QList<TitleCopy> storm(RandomSource &random);
    // Whole rows sliding in one after another, each from a random side.
    static QList<TitleCopy> fraSiden(RandomSource &random, QSize title, int canvasWidth);

    Kind kind() const { return m_kind; }
    const QList<TitleCopy> &steps() const { return m_steps; }
    std::chrono::milliseconds duration() const;
    // How many steps are due once elapsed has passed since the start: the steps are spread evenly over the
    // duration, so an effect takes the same time on any machine.
    qsizetype dueSteps(std::chrono::milliseconds elapsed) const;

    // Carries out steps [from, to) from title onto canvas. Both hold scale pixels for each of the title's own, and a
    // pixel ratio of 1: the copies are made pixel for pixel.
    void apply(QImage &canvas, const QImage &title, qsizetype from, qsizetype to, int scale = 1) const;

private:
    Kind m_kind;
    QList<TitleCopy> m_steps;
};
