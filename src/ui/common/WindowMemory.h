#pragma once

#include <QObject>

class AppSettings;

// Remembers where each window of the program was and how large, between runs: a window is put back where it was
// when it is shown, and its place is saved when it is hidden. Windows are told apart by their object names; a place
// on a screen that is gone comes back on a screen that is there. Installed once, on the application.
class WindowMemory : public QObject
{
    Q_OBJECT

public:
    explicit WindowMemory(AppSettings &settings, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AppSettings &m_settings;
};
