#pragma once

#include "TestFiles.h"

#include <QString>
#include <QTemporaryDir>
#include <QTest>

// A tiny file system of its own, mounted for one test: full after a few kilobytes, or read-only. Mounting needs
// the right to mount (root on Linux); where it is missing, isMounted() is false and skipReason() says so.
class ScratchMount
{
public:
    enum class Kind { Tiny, ReadOnly };

    explicit ScratchMount(Kind kind);
    ~ScratchMount();

    bool isMounted() const { return m_mounted; }
    QString skipReason() const { return m_skipReason; }
    QString path() const { return m_dir.path(); }
    // Mounts the same file system again read-only, or writable, keeping what it holds.
    bool remount(bool readOnly);
    // Fills the file system up to its last byte.
    void fill();
    // Writes and reads a file below the mount point; write creates the folders on the way.
    void write(const QString &relativePath, const QByteArray &bytes) const;
    QByteArray read(const QString &relativePath) const { return TestFiles::read(m_dir.filePath(relativePath)); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_skipReason;
};

// Skips the running test when its scratch file system is not mounted, saying that the test needs root (CI runs it).
#define SKIP_UNLESS_MOUNTED(mount)                                                                                     \
    do {                                                                                                               \
        if (!(mount).isMounted())                                                                                      \
            QSKIP(qPrintable((mount).skipReason()));                                                                   \
    } while (false)
