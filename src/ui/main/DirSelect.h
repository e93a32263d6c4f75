#pragma once

#include <QDialog>

#include <memory>

class AppSettings;
struct AppState;

namespace Ui {
class DirSelect;
}

// Chooses the Counter-Strike folder: a folder tree and a path field that can be typed or pasted into (and on
// Windows a drive list). OK accepts a folder holding "cstrike.ico", remembers it and writes hl.bat.
class DirSelect : public QDialog
{
    Q_OBJECT

public:
    DirSelect(AppState &state, AppSettings &settings, QWidget *parent = nullptr);
    ~DirSelect() override;

    // The folder the dialog would take: the path shown in Label2, cleaned of a trailing separator.
    QString chosenPath() const;

Q_SIGNALS:
    // A valid folder was taken; the dialog closes itself afterwards.
    void directorySelected();

private:
    void showFolder(const QString &path);
    void pathTyped(const QString &text);
    void accept() override;

    std::unique_ptr<Ui::DirSelect> m_ui;
    AppState &m_state;
    AppSettings &m_settings;
};
