#pragma once

#include "TestFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QStringList>
#include <QTemporaryDir>

// A Half-Life folder with its cstrike folder in a temporary place, and a listing of everything below it (names,
// link targets and contents), to show that a refused update changed nothing.
struct UpdateFixture
{
    QTemporaryDir dir;
    QString halfLife = dir.filePath(QStringLiteral("Half-Life"));
    QString cstrike = halfLife + QStringLiteral("/cstrike");
    QString staging = dir.filePath(QStringLiteral("staging"));

    UpdateFixture()
    {
        QDir().mkpath(staging);
        TestFiles::write(cstrike + QStringLiteral("/liblist.gam"), "game \"Counter-Strike\"\r\n");
    }

    static QByteArray read(const QString &path) { return TestFiles::read(path); }

    QStringList listing() const
    {
        QStringList entries;
        QDirIterator it(halfLife, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo info = it.nextFileInfo();
            QString entry = info.filePath();
            if (info.isSymLink())
                entry += QStringLiteral(" -> ") + info.symLinkTarget();
            else if (info.isFile())
                entry += QStringLiteral(" ")
                    + QString::fromLatin1(
                             QCryptographicHash::hash(read(info.filePath()), QCryptographicHash::Sha256).toHex());
            entries.append(entry);
        }
        entries.sort();
        return entries;
    }
};
