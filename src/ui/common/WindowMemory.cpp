#include "WindowMemory.h"

#include "AppSettings.h"

#include <QEvent>
#include <QMessageBox>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

// Set on a window once its place has been put back, so that showing it again keeps where the user has put it since.
constexpr const char restored[] = "trevlinPlaceRestored";

// The program's own windows and dialogs: not menus, tooltips or message boxes, which place themselves.
bool isRemembered(const QWidget *widget)
{
    if (!widget->isWindow() || widget->objectName().isEmpty() || qobject_cast<const QMessageBox *>(widget))
        return false;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog;
}

} // namespace

WindowMemory::WindowMemory(AppSettings &settings, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
{ }

bool WindowMemory::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::Show && type != QEvent::Hide) || !watched->isWidgetType())
        return false;
    auto *window = static_cast<QWidget *>(watched);
    if (!isRemembered(window))
        return false;
    if (type == QEvent::Show) {
        // Shown before the system maps it, so the window appears where it was, not first where it was made.
        if (!window->property(restored).toBool()) {
            window->setProperty(restored, true);
            const QString saved = m_settings.value(AppSettings::Family::WindowPlace, window->objectName());
            if (!saved.isEmpty())
                window->restoreGeometry(QByteArray::fromBase64(saved.toLatin1()));
        }
    } else {
        m_settings.setValue(AppSettings::Family::WindowPlace, window->objectName(),
                            QString::fromLatin1(window->saveGeometry().toBase64()));
    }
    return false;
}
