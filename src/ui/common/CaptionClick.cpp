#include "CaptionClick.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMouseEvent>

CaptionClick::CaptionClick(QLabel *caption, QAbstractButton *box)
    : QObject(caption)
    , m_box(box)
{
    caption->installEventFilter(this);
}

void CaptionClick::attach(QLabel *caption, QAbstractButton *box)
{
    new CaptionClick(caption, box);
}

bool CaptionClick::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton
        && m_box && m_box->isEnabled() && m_box->isVisible()) {
        m_box->click();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
