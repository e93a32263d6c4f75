#include "EditorDocument.h"

EditorDocument::EditorDocument(QObject *parent)
    : QObject(parent)
{ }

void EditorDocument::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    Q_EMIT modifiedChanged(modified);
}

void EditorDocument::setStored(const QString &path)
{
    m_fileName = path;
    setModified(false);
}
