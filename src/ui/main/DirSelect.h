#pragma once

#include <QDialog>

#include <memory>

class AppSettings;
class Session;

namespace Ui {
class DirSelect;
}

// Chooses the Counter-Strike folder: a folder tree and a path field that can be typed or pasted into (and on
// Windows a drive list). OK accepts a folder holding "cstrike.ico", remembers it and writes hl.bat.
class DirSelect : public QDialog
{
    Q_OBJECT

public:
    DirSelect(Session &session, AppSettings &settings, QWidget *parent = nullptr);
    ~DirSelect() override;

    // The folder the dialog would take: the path shown in Label2, from the current folder when it is relative, cleaned
    // of a trailing separator.
    QString chosenPath() const;

Q_SIGNALS:
    // A valid folder was taken; the dialog closes itself afterwards.
    void directorySelected();

private:
    void showFolder(const QString &path);
    QString absolute(const QString &path) const;
    void pathTyped(const QString &text);
    void accept() override;

    std::unique_ptr<Ui::DirSelect> m_ui;
    Session &m_session;
    AppSettings &m_settings;
};
