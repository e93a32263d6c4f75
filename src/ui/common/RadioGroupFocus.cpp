#include "RadioGroupFocus.h"

#include <QKeyEvent>
#include <QRadioButton>

namespace {

bool reachable(const QRadioButton *button)
{
    return button->isEnabled() && !button->isHidden();
}

// +1 for the keys that go forward, -1 for those that go back, 0 for any other.
int arrowStep(const QKeyEvent *key)
{
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return 0;
    switch (key->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        return 1;
    case Qt::Key_Up:
    case Qt::Key_Left:
        return -1;
    default:
        return 0;
    }
}

} // namespace

RadioGroupFocus::RadioGroupFocus(QWidget *group)
    : QObject(group)
{
    const QList<QRadioButton *> children = group->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
    for (QRadioButton *button : children) {
        if (!button->autoExclusive())
            continue;
        // The buttons follow one another in the tab order, so that the one stop among them is the group's stop.
        if (!m_buttons.isEmpty())
            QWidget::setTabOrder(m_buttons.constLast(), button);
        m_buttons.append(button);
        button->installEventFilter(this);
        connect(button, &QAbstractButton::toggled, this, &RadioGroupFocus::updateTabStop);
    }
    updateTabStop();
}

void RadioGroupFocus::attach(QWidget *group)
{
    new RadioGroupFocus(group);
}

void RadioGroupFocus::updateTabStop()
{
    QRadioButton *stop = nullptr;
    for (QRadioButton *button : std::as_const(m_buttons)) {
        if (!reachable(button))
            continue;
        if (button->isChecked()) {
            stop = button;
            break;
        }
        if (!stop)
            stop = button;
    }
    for (QRadioButton *button : std::as_const(m_buttons))
        button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

QRadioButton *RadioGroupFocus::neighbour(QRadioButton *from, int step) const
{
    const qsizetype count = m_buttons.size();
    const qsizetype start = m_buttons.indexOf(from);
    for (qsizetype i = 1; i < count; ++i) {
        QRadioButton *button = m_buttons.at(((start + step * i) % count + count) % count);
        if (reachable(button))
            return button;
    }
    return nullptr;
}

bool RadioGroupFocus::eventFilter(QObject *watched, QEvent *event)
{
    // While a button is being destroyed it is a plain widget already, and still sends events.
    auto *button = qobject_cast<QRadioButton *>(watched);
    if (!button)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        if (const int step = arrowStep(static_cast<QKeyEvent *>(event))) {
            if (QRadioButton *next = neighbour(button, step)) {
                next->click();
                next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            }
            return true;
        }
        break;
    // Qt hands the tab stop to whichever button takes the focus, checked or not (pressed without a click, say);
    // once the focus leaves the group, it goes back to the checked one.
    case QEvent::FocusOut:
    case QEvent::EnabledChange:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        updateTabStop();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
