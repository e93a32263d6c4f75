#pragma once

#include <QDialog>

#include <memory>

class AppSettings;
class Session;

namespace Ui {
class ConfigFile;
}

// Chooses the roster file that the current add-on runs when the game starts: a folder tree and a list of "*.cfg"
// files, starting in the current folder, and a field for a typed path. OK (or a double click on a file) takes a
// file written for the add-on and closes; any other file is refused with a message and the dialog stays open.
class ConfigFile : public QDialog
{
    Q_OBJECT

public:
    // Serves the add-on the session names at each moment: the caption follows the choice, and OK takes a file for
    // the add-on named when it is pressed.
    ConfigFile(Session &session, AppSettings &settings, QWidget *parent = nullptr);
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
    Session &m_session;
    AppSettings &m_settings;
};
