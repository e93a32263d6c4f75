#pragma once

#include <QDialog>

#include <memory>

class RosterDocument;

namespace Ui {
class OpenScreen;
}

// Picks a roster file of the add-on being edited and reads it into the editor's document, for either editor. It starts
// in the game folder and lists only "*.cfg" files. A file that cannot be read is reported and the dialog stays open, so
// that the user can pick another one.
class OpenScreen : public QDialog
{
    Q_OBJECT

public:
    OpenScreen(const QString &gameDir, RosterDocument &document, QWidget *parent = nullptr);
    ~OpenScreen() override;

    // Selects fileName in the file list when the shown folder holds it.
    void selectFile(const QString &fileName);

    enum class Outcome { Opened, SaveFirst, Stayed };
    // Reads path into document, first asking whether to save unsaved changes (Yes: SaveFirst, and nothing is read;
    // Cancel: Stayed). A file that cannot be read is reported over asker, and the document stays as it was.
    static Outcome openInto(RosterDocument &document, const QString &path, QWidget *asker);

Q_SIGNALS:
    // A file was read into the document; the dialog closes itself right after.
    void loaded();
    // The user wants to save the changed roster before opening another one; the dialog stays open.
    void saveRequested();

private:
    void load();

    std::unique_ptr<Ui::OpenScreen> m_ui;
    RosterDocument &m_document;
};
