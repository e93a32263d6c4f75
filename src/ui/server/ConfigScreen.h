#pragma once

#include "ListenServerConfig.h"

#include <QDialog>

#include <array>
#include <memory>

class QCheckBox;
class QLineEdit;
class RandomSource;
class Session;

namespace Ui {
class ConfigScreen;
}

// The listen server's settings. Done writes "listenserver.cfg" and only hides the window, so the next opening
// shows the same values; Cancel, Escape and the close box unload it, and the next opening reads the file afresh.
class ConfigScreen : public QDialog
{
    Q_OBJECT

public:
    ConfigScreen(Session &session, RandomSource &random, QWidget *parent = nullptr);
    ~ConfigScreen() override;

    // What a new window does first: moves the game's "game.cfg" aside and shows what "listenserver.cfg" holds, or
    // the defaults after saying why. Messages are shown over the opener, as the window is not up yet.
    void load();

    ListenServerConfig config() const;
    void showConfig(const ListenServerConfig &config);

Q_SIGNALS:
    // "Select Directory": the main window owns the directory selection and what follows a new folder.
    void directoryRequested();

public Q_SLOTS:
    // Done: writes the file and hides; a file that cannot be written is reported and the window stays.
    void accept() override;
    // Escape and the close box: asks first when a value has changed since it was read or written.
    void reject() override;
    // Cancel: unloads the window, writing nothing.
    void discard();

private:
    QLineEdit *box(ListenServerConfig::Field field) const { return m_boxes[int(field)]; }
    QCheckBox *checkBox(ListenServerConfig::Flag flag) const { return m_checkBoxes[int(flag)]; }
    void setUpControls();
    QWidget *editorOwner();
    void showMotdScreen();
    void showMapCycle();

    std::unique_ptr<Ui::ConfigScreen> m_ui;
    Session &m_session;
    RandomSource &m_random;
    std::array<QLineEdit *, ListenServerConfig::fieldCount> m_boxes{};
    std::array<QCheckBox *, ListenServerConfig::flagCount> m_checkBoxes{};
    ListenServerConfig m_kept; // as last read or written
};
