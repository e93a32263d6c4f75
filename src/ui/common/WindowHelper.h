#pragma once

#include <QPointer>
#include <QWidget>

// Windows and dialogs of which one at a time is open: the opener keeps a guarded pointer, makes the window when
// there is none (a window that has closed and deleted itself counts as none) and brings it to the front.
namespace WindowHelper {

// Puts window in front of the others and gives it the keyboard.
inline void bringUp(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

// The window in slot, made by create() when there is none yet, brought to the front.
template<typename Window, typename Create> Window *showSingle(QPointer<Window> &slot, Create create)
{
    if (!slot)
        slot = create();
    bringUp(slot);
    return slot;
}

} // namespace WindowHelper
