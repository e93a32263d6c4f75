#pragma once

#include <QObject>
#include <QString>

// What both roster editors keep of the roster they edit, whatever its add-on: the file it was last read from or
// written to, and whether it holds changes that no file has yet. The open and save dialogs and the editors' questions
// before unsaved bots are lost work through it alone.
class EditorDocument : public QObject
{
    Q_OBJECT

public:
    explicit EditorDocument(QObject *parent = nullptr);

    // The add-on the roster is for, as the dialogs' captions name it.
    virtual QString botName() const = 0;
    virtual bool isEmpty() const = 0;

    // The file last read or written; empty before either.
    QString fileName() const { return m_fileName; }
    bool isModified() const { return m_modified; }
    // Whether closing the document would lose bots that no file holds: it is modified and has bots at all.
    bool hasUnsavedBots() const { return m_modified && !isEmpty(); }

    // Reads path in place of the document. Empty on success, when the document is unmodified; otherwise the message
    // to show.
    virtual QString open(const QString &path) = 0;
    // Writes the document to path. Empty on success, when the document is unmodified; otherwise the message to show,
    // and the file is as it was.
    virtual QString save(const QString &path) = 0;

Q_SIGNALS:
    void modifiedChanged(bool modified);

protected:
    void setModified(bool modified);
    // A successful read or write: the document is now that file.
    void setStored(const QString &path);

private:
    QString m_fileName;
    bool m_modified = false;
};
