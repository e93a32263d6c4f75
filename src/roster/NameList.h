#pragma once

#include <QByteArray>
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

    int size() const { return int(m_lines.size()); }
    // The names not drawn yet.
    int left() const { return m_left; }
    // Every name, in the order of the file.
    QStringList names() const;

    // A name not drawn before, picked at random among all names; drawing again while the pick was drawn before.
    // None once every name has been drawn.
    std::optional<QString> draw(RandomSource &random);

private:
    // Where a name lies in the file's text.
    struct Line
    {
        qint32 start;
        qint32 length;
    };

    template<typename Char>
    static NameList fromText(const Char *text, qsizetype size, QString *errorMessage);
    QString name(qsizetype line) const;

    // A list of a hundred thousand names is drawn from twenty at a time: the names stay in the file's text (its
    // 8-bit bytes, or its decoded text), and only those drawn become strings.
    QByteArray m_latin1;
    QString m_decoded;
    QList<Line> m_lines;
    QList<bool> m_drawn;
    int m_left = 0;
};
