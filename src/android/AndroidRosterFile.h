#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct AndroidAddOn;
class AndroidOptions;
class AndroidRoster;

// The roster file of AndroidBot and PodBot: two header lines, the pause, PodBot's three option lines, the team
// balance, then one "addbot" line per bot (skill, team code, name). It is 8-bit text, every line ended by CR LF.
class AndroidRosterFile
{
public:
    enum class ReadStatus {
        Loaded,
        NotValid,        // a line is missing, wrong or cannot be converted; also a file that cannot be read
        PreviousVersion, // the second header line names another program version
        TooLarge,        // far larger than any roster, so not read at all
    };

    struct ReadResult
    {
        ReadStatus status = ReadStatus::NotValid;
        QString message; // the exact message to show; empty when loaded
        bool isLoaded() const { return status == ReadStatus::Loaded; }
    };

    // A roster of a hundred thousand bots takes a few megabytes; anything beyond this is not a roster file.
    static constexpr qint64 sizeLimit = 16 * 1024 * 1024;

    // "The file you selected is not a valid Counter-Strike Trevlin PodBot Config file"
    static QString notValidMessage(QStringView botName);
    // "This config file is made with a previous version. Unable to load."
    static QString previousVersionMessage();

    // The file's lines, in order, as the writer produces them: an empty entry delay is written as "3", PodBot's
    // empty minimum bot skill as "60".
    static QStringList lines(const AndroidAddOn &addOn, const AndroidOptions &options, const AndroidRoster &roster);
    // The same lines as the file's bytes, each ended by CR LF; what is saved.
    static QByteArray bytes(const AndroidAddOn &addOn, const AndroidOptions &options, const AndroidRoster &roster);

    // Why the roster cannot be written as it stands, because the file would not read back: no bots at all, an entry
    // delay that is no number, a bot whose name, skill or team the file cannot carry, a first bot whose name holds a
    // blank, a character outside the 8-bit code page. The message names the bot or the option. Empty when the
    // roster can be written.
    static QString refusal(const AndroidAddOn &addOn, const AndroidOptions &options, const AndroidRoster &roster);
    // The options alone.
    static QString optionsRefusal(const AndroidAddOn &addOn, const AndroidOptions &options);

    // Writes the whole file at path, replacing a file of that name, through an atomic save. Empty on success;
    // otherwise the message to show, and the file is as it was.
    static QString write(const QString &path, const AndroidAddOn &addOn, const AndroidOptions &options,
                         const AndroidRoster &roster);

    // Reads a file written for the add-on into roster and options; only a file the writer could write again as it
    // was read is accepted. The roster is emptied first, whatever happens
    // next; the options are set as their lines are read, so a file that fails halfway leaves those of its first
    // lines in place.
    static ReadResult read(const QString &path, const AndroidAddOn &addOn, AndroidOptions &options,
                           AndroidRoster &roster);
    // The same for a file's bytes.
    static ReadResult parse(const QByteArray &bytes, const AndroidAddOn &addOn, AndroidOptions &options,
                            AndroidRoster &roster);
};
