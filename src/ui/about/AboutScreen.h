#pragma once

#include "TitleEffect.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <optional>

class RandomSource;

namespace Ui {
class AboutScreen;
}

// The program's version in the caption, its title revealed by one of three effects each time the window comes to
// the front, links to the home page and to mail, and EXIT.
class AboutScreen : public QDialog
{
    Q_OBJECT

public:
    explicit AboutScreen(RandomSource &random, QWidget *parent = nullptr);
    ~AboutScreen() override;

    // The addresses the links open; both are fixed when the program is built.
    static QUrl homePage();
    static QUrl mailLink();

    bool effectRunning() const { return m_frames.isActive(); }

Q_SIGNALS:
    void effectStarted(TitleEffect::Kind kind);
    void effectFinished();

protected:
    bool event(QEvent *event) override;

private:
    void startEffect();
    void nextFrame();
    void showCanvas();

    std::unique_ptr<Ui::AboutScreen> m_ui;
    RandomSource &m_random;
    // Picture1 shows the canvas; the title is what the effects copy from. Both hold scale pixels for each of the
    // title's own, so that the title stays sharp on a dense screen.
    int m_scale = 1;
    QImage m_title;
    QImage m_canvas;
    std::optional<TitleEffect> m_effect;
    qsizetype m_stepsDone = 0;
    QElapsedTimer m_clock;
    QTimer m_frames;
};
