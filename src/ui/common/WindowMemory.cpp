#include "WindowMemory.h"

#include "AppSettings.h"

#include <QEvent>
#include <QWidget>

namespace {

// Set on a window once its place has been put back, so that showing it again keeps where the user has put it since.
constexpr const char restored[] = "trevlinPlaceRestored";

} // namespace

WindowMemory::WindowMemory(AppSettings &settings, std::span<const Place> places, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_places(places)
{ }

QLatin1StringView WindowMemory::keyOf(const QWidget *window) const
{
    // Only the program's own windows and dialogs are kept: not menus, tooltips or message boxes, which place
    // themselves.
    if (!window->isWindow())
        return {};
    const QWidget *owner = window->parentWidget();
    for (const Place &place : m_places) {
        if (window->metaObject() == place.window && (!place.owner || (owner && owner->metaObject() == place.owner))
            && (!place.named || window->objectName() == place.key))
            return place.key;
    }
    return {};
}

bool WindowMemory::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::Show && type != QEvent::Hide) || !watched->isWidgetType())
        return false;
    auto *window = static_cast<QWidget *>(watched);
    const QString key = keyOf(window);
    if (key.isEmpty())
        return false;
    if (type == QEvent::Show) {
        // Shown before the system maps it, so the window appears where it was, not first where it was made.
        if (!window->property(restored).toBool()) {
            window->setProperty(restored, true);
            const QString saved = m_settings.value(AppSettings::Family::WindowPlace, key);
            if (!saved.isEmpty())
                window->restoreGeometry(QByteArray::fromBase64(saved.toLatin1()));
        }
    } else {
        m_settings.setValue(AppSettings::Family::WindowPlace, key,
                            QString::fromLatin1(window->saveGeometry().toBase64()));
    }
    return false;
}
