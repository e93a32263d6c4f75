#include "UpDown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

UpDown::UpDown(QWidget *parent)
    : QWidget(parent)
    , m_up(new QToolButton(this))
    , m_down(new QToolButton(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const std::pair<QToolButton *, Qt::ArrowType> arrows[] = {{m_up, Qt::UpArrow}, {m_down, Qt::DownArrow}};
    for (const auto &[button, arrow] : arrows) {
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        // The keyboard steps through the text box; the arrows are for the pointer.
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(18, 12);
        layout->addWidget(button);
    }
    m_up->setObjectName(u"up"_s);
    m_down->setObjectName(u"down"_s);
    m_up->setAccessibleName(u"Increase"_s);
    m_down->setAccessibleName(u"Decrease"_s);
    connect(m_up, &QToolButton::clicked, this, [this] { Q_EMIT stepRequested(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Q_EMIT stepRequested(-1); });
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void UpDown::setBuddy(QLineEdit *buddy)
{
    if (m_buddy)
        m_buddy->removeEventFilter(this);
    m_buddy = buddy;
    if (m_buddy)
        m_buddy->installEventFilter(this);
}

void UpDown::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
}

QString UpDown::stepped(const QString &text, int delta) const
{
    bool isNumber = false;
    const int value = text.trimmed().toInt(&isNumber);
    if (!isNumber)
        return QString::number(m_minimum);
    return QString::number(std::clamp(value + delta, m_minimum, m_maximum));
}

bool UpDown::eventFilter(QObject *watched, QEvent *event)
{
    // The type first: comparing with the guarded pointer casts the object, which while being destroyed is a plain
    // widget already.
    if (event->type() == QEvent::KeyPress && watched == m_buddy && isEnabled()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Q_EMIT stepRequested(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
