#pragma once

#include <QLatin1StringView>
#include <QObject>

#include <span>

class AppSettings;
class QWidget;

// Remembers where each window of the program was and how large, between runs: a window is put back where it was
// when it is first shown, and its place is saved when it is hidden. A place on a screen that is gone comes back on a
// screen that is there. Installed once, on the application, with the windows it keeps and the key of each.
class WindowMemory : public QObject
{
    Q_OBJECT

public:
    // A window of class window (of that very class, not one derived from it), whose place is kept under key. A
    // window whose key depends on the window it belongs to names that one's class as owner; one of a class that
    // serves as several windows, each with an object name of its own (the roster editor of each format and its
    // dialogs), is told apart by that name, which is then its key.
    struct Place
    {
        const QMetaObject *window;
        QLatin1StringView key;
        const QMetaObject *owner = nullptr;
        bool named = false;
    };

    WindowMemory(AppSettings &settings, std::span<const Place> places, QObject *parent = nullptr);

    // The key of window's place; empty for a window whose place is not kept.
    QLatin1StringView keyOf(const QWidget *window) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AppSettings &m_settings;
    std::span<const Place> m_places;
};
