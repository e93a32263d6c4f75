#pragma once

#include <QDialog>

#include <memory>

class AppSettings;
struct AppState;

namespace Ui {
class ConfigFile;
}

// Chooses the roster file that the current add-on runs when the game starts: a folder tree and a list of "*.cfg"
// files, starting in the game folder, and a field for a typed path. OK (or a double click on a file) takes a file
// written for the add-on and closes; any other file is refused with a message and the dialog stays open.
class ConfigFile : public QDialog
{
    Q_OBJECT

public:
    ConfigFile(AppState &state, AppSettings &settings, QWidget *parent = nullptr);
    ~ConfigFile() override;

    // The file OK would take: the one typed into the path field, else the one selected in the list.
    QString chosenFile() const;

Q_SIGNALS:
    // fileName (without its folder) is now the add-on's autostart file; the dialog closes itself right after.
    void fileChosen(const QString &fileName);

private:
    void pathTyped(const QString &text);
    void accept() override;

    std::unique_ptr<Ui::ConfigFile> m_ui;
    AppState &m_state;
    AppSettings &m_settings;
    // Fixed when the dialog opens: a choice made in the main window meanwhile changes the caption's add-on.
    const QString m_botName;
};
