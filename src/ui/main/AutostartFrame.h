#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <optional>

class AppSettings;
class ConfigFile;
class QBoxLayout;
class QLabel;
class QToolBar;
class QWidget;
class Session;

// The main window's "Config File To Run" frame: the toolbar whose "folder" button chooses the add-on's autostart
// file and whose "cancel" button clears it, and the label that shows the file chosen. It tells what the status line
// says of them; a double click on the label asks for the file to be opened in its editor.
class AutostartFrame : public QObject
{
    Q_OBJECT

public:
    // The toolbar goes first into layout, before label; the keyboard reaches its buttons after tabAfter.
    AutostartFrame(Session &session, AppSettings &settings, QBoxLayout *layout, QLabel *label, QWidget *tabAfter,
                   QObject *parent);

    // The last of the frame's controls on Tab.
    QWidget *cancelButton() const { return m_cancelButton; }

    // Shows the autostart file remembered for the add-on chosen: its name, "None" for an empty one, and "Not
    // Available" for an add-on whose autostart file is not chosen here.
    void showFile(const std::optional<QString> &fileName);

    // "folder": the selection dialog, for a current add-on that runs an autostart file at all.
    void chooseFile();
    // "cancel": deletes the add-on's autostart file and forgets the choice.
    void clearFile();

    // Where the toolbar's two status texts part, in its own pixels: 450 twips (30 pixels at 96 dots an inch) at
    // the screen's dots per inch, kept between the two buttons however large they are drawn. A point up to and
    // including it explains "folder", one beyond it "cancel".
    static int statusBoundary(qreal logicalDpi, int folderRight, int cancelLeft);

    // The status line's text for the pointer at global over the toolbar or the label; none over anything else.
    std::optional<QString> statusText(const QWidget *over, QPoint global) const;

Q_SIGNALS:
    // The label was double-clicked while it names a file.
    void editRequested(const QString &fileName);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Session &m_session;
    AppSettings &m_settings;
    QLabel *m_label;
    QToolBar *m_toolbar;
    QWidget *m_folderButton;
    QWidget *m_cancelButton;
    QString m_fileName; // the file the label names, empty when it names none
    QPointer<ConfigFile> m_dialog;
};
