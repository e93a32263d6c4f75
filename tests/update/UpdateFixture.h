#pragma once

#include "TestFiles.h"

#include <QDir>
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

    QStringList listing() const { return TestFiles::listing(halfLife); }
};
