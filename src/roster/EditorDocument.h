#pragma once

#include <QObject>
#include <QString>

// What an editor keeps of the document it edits besides its content: the file it was last read from or written to,
// and whether it holds changes that no file has yet.
class EditorDocument : public QObject
{
    Q_OBJECT

public:
    explicit EditorDocument(QObject *parent = nullptr);

    // The file last read or written; empty before either.
    QString fileName() const { return m_fileName; }
    bool isModified() const { return m_modified; }

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
