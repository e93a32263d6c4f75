#pragma once

#include <QDialog>

#include <memory>

struct AppState;
class Roster;
class RosterOptions;

namespace Ui {
class SaveScreen;
}

// Writes the editor's roster and options to a file the user names, in a folder picked as in the open dialog.
// Every save asks for the name again: the editor keeps no current file. A file of that name is replaced without a
// question; a file that cannot be written is reported and the dialog stays open.
class SaveScreen : public QDialog
{
    Q_OBJECT

public:
    SaveScreen(AppState &state, const QString &botName, RosterOptions &options, const Roster &roster,
               QWidget *parent = nullptr);
    ~SaveScreen() override;

Q_SIGNALS:
    // The file was written; the dialog closes itself right after.
    void saved();

private:
    void save();

    std::unique_ptr<Ui::SaveScreen> m_ui;
    AppState &m_state;
    const QString m_botName;
    RosterOptions &m_options;
    const Roster &m_roster;
};
