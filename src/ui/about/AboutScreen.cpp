#include "AboutScreen.h"

#include "ui_AboutScreen.h"

#include "DialogKeys.h"
#include "MessageBox.h"
#include "Motion.h"
#include "Pictures.h"
#include "ProgramVersion.h"

#include <QDesktopServices>
#include <QEvent>

#include <chrono>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// One frame at sixty frames a second: each frame copies a few dozen pixels at most, so the window answers as
// quickly while an effect runs as when it is still.
constexpr std::chrono::milliseconds frameInterval(16);

} // namespace

AboutScreen::AboutScreen(RandomSource &random, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::AboutScreen>())
    , m_random(random)
{
    m_ui->setupUi(this);
    DialogKeys::attach(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Counter-Strike Trevlin Version %1").arg(programVersion));

    // The effects copy between images in plain pixels; only the pixmap shown carries the pixel ratio.
    m_scale = std::max(1, int(std::ceil(devicePixelRatioF())));
    m_title = Pictures::pixmap(Pictures::aboutTitle, m_scale)
                  .toImage()
                  .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    m_title.setDevicePixelRatio(1.0);
    m_canvas = QImage(m_title.size(), m_title.format());
    m_canvas.fill(Qt::transparent);
    m_ui->Picture1->setFixedSize(Pictures::size(Pictures::aboutTitle));
    // Without effects the title is there from the start and stays.
    if (!Motion::allowed())
        m_canvas = m_title;
    showCanvas();
    m_ui->Image1->setPixmap(Pictures::pixmap(Pictures::aboutEmblem, devicePixelRatioF()));

    m_ui->Label1->setToolTip(homePage().toString());
    m_ui->Label6->setToolTip(mailLink().toString());
    for (QPushButton *link : {m_ui->Label1, m_ui->Label6, m_ui->Label7})
        link->setCursor(Qt::PointingHandCursor);
    // The two addresses look like the links they are.
    for (QPushButton *link : {m_ui->Label1, m_ui->Label6}) {
        QFont font = link->font();
        font.setUnderline(true);
        link->setFont(font);
        QPalette colours = link->palette();
        colours.setColor(QPalette::ButtonText, colours.color(QPalette::Link));
        link->setPalette(colours);
    }
    // Without a browser or a mail program the address is shown instead, where it can be selected and copied.
    connect(m_ui->Label1, &QPushButton::clicked, this, [this] {
        if (!QDesktopServices::openUrl(homePage())) {
            MessageBox::information(
                this,
                tr("No web browser is set up to open the home page. Its address is: %1").arg(homePage().toString()));
        }
    });
    connect(m_ui->Label6, &QPushButton::clicked, this, [this] {
        if (!QDesktopServices::openUrl(mailLink())) {
            MessageBox::information(
                this, tr("No mail program is set up to write the mail. Please write to: %1").arg(mailLink().path()));
        }
    });
    connect(m_ui->Label7, &QPushButton::clicked, this, &AboutScreen::close);

    m_frames.setInterval(frameInterval);
    m_frames.setTimerType(Qt::PreciseTimer);
    connect(&m_frames, &QTimer::timeout, this, &AboutScreen::nextFrame);
}

AboutScreen::~AboutScreen() = default;

QUrl AboutScreen::homePage()
{
    return QUrl(QStringLiteral(TREVLIN_HOME_PAGE));
}

QUrl AboutScreen::mailLink()
{
    return QUrl("mailto:"_L1 + QStringLiteral(TREVLIN_CONTACT_MAIL));
}

bool AboutScreen::event(QEvent *event)
{
    // Each time the window comes to the front, also on a return from another window, the title is revealed anew.
    // Showing counts too, for a window manager that keeps the focus where it was. A return while an effect still
    // runs lets that one finish rather than starting over.
    const bool comesToFront = event->type() == QEvent::WindowActivate || event->type() == QEvent::Show;
    if (comesToFront && !effectRunning() && Motion::allowed())
        startEffect();
    return QDialog::event(event);
}

void AboutScreen::startEffect()
{
    const TitleEffect::Kind kind = TitleEffect::choose(m_random);
    m_effect.emplace(kind, m_random, Pictures::size(Pictures::aboutTitle), m_ui->Picture1->width());
    m_stepsDone = 0;
    m_canvas.fill(Qt::transparent);
    showCanvas();
    m_clock.start();
    m_frames.start();
    Q_EMIT effectStarted(kind);
}

void AboutScreen::nextFrame()
{
    const qsizetype due = m_effect->dueSteps(std::chrono::milliseconds(m_clock.elapsed()));
    m_effect->apply(m_canvas, m_title, m_stepsDone, due, m_scale);
    m_stepsDone = due;
    showCanvas();
    if (m_stepsDone == m_effect->steps().size()) {
        m_frames.stop();
        Q_EMIT effectFinished();
    }
}

void AboutScreen::showCanvas()
{
    QPixmap picture = QPixmap::fromImage(m_canvas);
    picture.setDevicePixelRatio(m_scale);
    m_ui->Picture1->setPixmap(picture);
}
