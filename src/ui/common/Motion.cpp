#include "Motion.h"

#include <QApplication>

bool Motion::allowed()
{
    if (qApp->property(noAnimationsProperty).toBool())
        return false;
    // Qt 6.4 has no reduced-motion hint of its own. Its nearest is the theme's "UI effects" switch, and only the
    // Windows theme fills that from the user's setting; the other themes leave it off whatever the user chose, so
    // there it says nothing.
    if (QGuiApplication::platformName() == QLatin1StringView("windows"))
        return QApplication::isEffectEnabled(Qt::UI_General);
    return true;
}
