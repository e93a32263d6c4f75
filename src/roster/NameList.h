#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class RandomSource;

// The names that bots added several at a time are drawn from: "TRNames.txt" in the game folder, four header lines
// and then one name per line, taken whole, blanks included. A name is told apart by its line, not its text, so two
// equal lines are two names; each is drawn at most once.
class NameList
{
    Q_DECLARE_TR_FUNCTIONS(NameList)

public:
    static constexpr QLatin1StringView fileName{"TRNames.txt"};

    // "The File 'TRNames.txt' Was Not Found In Your Counter-Strike Directory. ..."
    static QString missingMessage();
    // The file in gameDir, in any letter case; empty when there is none.
    static QString find(const QString &gameDir);

    // Reads the file at path. On failure the list is empty and errorMessage says why: the file could not be read
    // (not a regular file, far too large), it holds no name after its header, or a name no config file can carry.
    static NameList read(const QString &path, QString *errorMessage);
    // The names of a file's bytes: the lines after the four header lines, less one empty line at the end. The file
    // is 8-bit text; one that starts with a UTF-8 or UTF-16 byte-order mark is decoded as such. A name holding a
    // character that no config file can carry (outside the 8-bit range, or a line break) empties the list, and
    // errorMessage names its line.
    static NameList parse(const QByteArray &bytes, QString *errorMessage = nullptr);

    int size() const { return m_size; }
    // The names not drawn yet.
    int left() const { return m_left; }
    // Every name, in the order of the file.
    QStringList names() const;

    // A name not drawn before, picked at random among all names; drawing again while the pick was drawn before.
    // None once every name has been drawn.
    std::optional<QString> draw(RandomSource &random);

private:
    static NameList fromLatin1(const QByteArray &text, QString *errorMessage);
    // Where the name that starts at start ends in the text: before its line break, or where the names end.
    qsizetype nameEnd(qsizetype start) const;
    // Where the name with this index starts in the text.
    qsizetype nameStart(int index) const;
    QString name(qsizetype start) const;

    // A list of a hundred thousand names is drawn from twenty at a time: the names stay in the file's 8-bit text,
    // and only those drawn become strings. No name is indexed one by one either: the line feeds are counted per
    // block of the text, and a name is found by counting within its block.
    static constexpr qsizetype blockSize = 1024;
    QByteArray m_text;
    qsizetype m_namesStart = 0;
    qsizetype m_namesEnd = 0;
    // The line feeds of the names' text before each block of it, and then all of them.
    QList<qint32> m_feedsBefore;
    int m_size = 0;
    QList<bool> m_drawn;
    int m_left = 0;
};
