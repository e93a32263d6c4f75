#pragma once

#include <QCoreApplication>
#include <QString>

// "motd.txt" in the game folder: the message the server shows each player who joins, plain text with CR LF.
class MotdFile
{
    Q_DECLARE_TR_FUNCTIONS(MotdFile)

public:
    static constexpr QLatin1StringView fileName{"motd.txt"};
    // The game shows a screenful at most; this leaves room for far more.
    static constexpr qsizetype sizeLimit = 1024 * 1024;

    struct ReadResult
    {
        QString text;    // every line followed by a line break ('\n'); empty for a missing or unreadable file
        QString message; // the message to show when the file could not be read
    };

    static ReadResult read(const QString &gameDir);
    static QString parse(const QByteArray &bytes);

    // The file's lines for text: a line break ends a line, a text ending with one gives no empty line after it.
    static QStringList lines(const QString &text);
    // Writes text through an atomic save. An empty text on success, else the message to show.
    static QString write(const QString &gameDir, const QString &text);
};
