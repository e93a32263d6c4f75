#pragma once

#include <QDialog>

#include <memory>

class RosterDocument;

namespace Ui {
class SaveScreen;
}

// Writes the editor's document, for either editor, to a file the user names, in a folder picked as in the open dialog.
// Every save asks for the name again, starting from the name of the roster's own file. That file is replaced without a
// question, any other only when the user agrees; a roster the file could not give back, or a file that cannot be
// written, is reported and the dialog stays open.
class SaveScreen : public QDialog
{
    Q_OBJECT

public:
    SaveScreen(const QString &gameDir, RosterDocument &document, QWidget *parent = nullptr);
    ~SaveScreen() override;

    // "Save RamBot Config File", the File menu's caption of the dialog.
    static QString caption(const QString &botName);

Q_SIGNALS:
    // The file was written; the dialog closes itself right after.
    void saved();

private:
    void save();

    std::unique_ptr<Ui::SaveScreen> m_ui;
    RosterDocument &m_document;
};
