#pragma once

#include <QString>
#include <QTemporaryDir>

// A throw-away copy of the demo Half-Life folder, removed with the object. Below root(): "Half-Life" with its
// "cstrike" game folder, and room for settings files beside it.
class ScratchGameFolder
{
public:
    ScratchGameFolder();

    // False when the temporary folder could not be made or the copy failed; error() says why.
    bool isValid() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    QString root() const { return m_root.path(); }
    QString halfLifeDir() const;
    QString gameDir() const;

    // Writes the "[Install]" section that points the program at this copy into an INI file at path.
    bool writeSettings(const QString &path) const;

private:
    QTemporaryDir m_root;
    QString m_error;
};
