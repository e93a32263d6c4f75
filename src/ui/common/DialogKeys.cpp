#include "DialogKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

namespace {

// The keys that press a dialog's default button, as QDialog itself takes them.
bool isEnter(const QKeyEvent *key)
{
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    return key->modifiers() == Qt::NoModifier
        || (key->modifiers() == Qt::KeypadModifier && key->key() == Qt::Key_Enter);
}

} // namespace

DialogKeys::DialogKeys(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    // Only the application sees a key before the focused widget, and again before each widget it is passed on to.
    qApp->installEventFilter(this);
}

void DialogKeys::attach(QWidget *window)
{
    new DialogKeys(window);
}

bool DialogKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() || watched == m_window)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const auto *widget = static_cast<QWidget *>(watched);
    if (!isEnter(key) || widget->window() != m_window)
        return false;
    // The focused widget gets the key first; any other widget here is one it was passed on to, unused.
    if (widget == QApplication::focusWidget()) {
        if (qobject_cast<QPushButton *>(watched) || qobject_cast<QToolButton *>(watched)) {
            static_cast<QAbstractButton *>(watched)->click();
            key->accept();
            return true;
        }
        if (!qobject_cast<const QAbstractButton *>(widget))
            return false;
    }
    QCoreApplication::sendEvent(m_window, key);
    key->accept();
    return true;
}
