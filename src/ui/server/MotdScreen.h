#pragma once

#include <QDialog>

#include <memory>

class Session;

namespace Ui {
class MotdScreen;
}

// The message of the day in "motd.txt", edited as one text in a fixed-pitch font, as the game shows it. The file
// is read once per opening; Done writes it into the game folder of the moment and closes, Cancel closes without
// writing.
class MotdScreen : public QDialog
{
    Q_OBJECT

public:
    explicit MotdScreen(const Session &session, QWidget *parent = nullptr);
    ~MotdScreen() override;

public Q_SLOTS:
    void accept() override;
    // Escape and the close box: asks first when the text has changed since it was read.
    void reject() override;
    // Cancel: closes the window, writing nothing.
    void discard();

private:
    std::unique_ptr<Ui::MotdScreen> m_ui;
    const Session &m_session;
    QString m_read; // the text as read
};
