#pragma once

#include "ServerText.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// "mapcycle.txt" in the game folder: the maps the server plays in turn, one per line when written; read as records
// that end at a line end or a comma.
class MapCycleFile
{
    Q_DECLARE_TR_FUNCTIONS(MapCycleFile)

public:
    static constexpr QLatin1StringView fileName{"mapcycle.txt"};
    // Ten thousand maps with long names fit several times over.
    static constexpr qsizetype sizeLimit = 4 * 1024 * 1024;

    struct ReadResult
    {
        QStringList entries; // empty for a missing or unreadable file
        QString message;     // the message to show when the file could not be read
    };

    static ReadResult read(const QString &gameDir);
    static QStringList parse(const QByteArray &bytes);

    // The reason entries cannot be written so that they read back as they are, naming the entry; empty when they
    // can: a comma, a leading blank, a character an 8-bit file cannot carry.
    static QString refusal(const QStringList &entries);
    // Writes the entries through an atomic save. An empty text on success, else the message to show.
    static QString write(const QString &gameDir, const QStringList &entries);
};
