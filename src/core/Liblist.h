#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// What a liblist.gam says about the game or add-on it starts. A key the file does not hold stays unset, so the
// display keeps what it showed before.
struct LiblistInfo
{
    std::optional<QString> version;      // the Counter-Strike version
    std::optional<QString> hlversion;    // the Half-Life version, four digits such as 1108
    std::optional<QString> gamedll;      // the game DLL, e.g. dlls\mp.dll
    std::optional<QString> gamedllLinux; // the game library the Linux game loads, e.g. dlls/cs.so
};

// The game's mod descriptor: lines of a key, one blank and a value in double quotes.
class Liblist
{
public:
    struct Line
    {
        QString key;
        QString value;
    };

    // The key is everything before the first blank; the value skips the blank and the opening quote and drops
    // the line's last character. A line without a blank or too short for a value gives nothing.
    static std::optional<Line> parseLine(QStringView line);

    // Reads version, hlversion, gamedll and gamedll_linux; a key given twice counts as its last occurrence. A file
    // that cannot be read gives nothing, and errorString says why.
    static LiblistInfo read(const QString &path, QString *errorString = nullptr);
    // The same for a file's bytes.
    static LiblistInfo parse(const QByteArray &bytes);

    // 1108 is shown as 1.1.0.8; a shorter value leaves the missing pieces empty.
    static QString formatHlVersion(QStringView value);
};
