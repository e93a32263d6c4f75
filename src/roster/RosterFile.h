#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

class Roster;
class RosterOptions;
struct RosterAddOn;

// The roster file of every add-on with a roster editor: two header lines, the option lines of its format, then one
// bot a line. It is 8-bit text, every line ended by CR LF. One reader, bounded by the format's cap, and one writer,
// through the atomic save, serve every format; what lies between the header and the bots, the format says.
class RosterFile
{
    Q_DECLARE_TR_FUNCTIONS(RosterFile)

public:
    enum class ReadStatus {
        Loaded,
        NotValid,     // a line is missing, wrong or cannot be converted; also no file at all
        OtherVersion, // the second header line names another program version
        NotRead,      // not a regular file, far too large, or unreadable: the message names the file and why
    };

    struct ReadResult
    {
        ReadStatus status = ReadStatus::NotValid;
        QString message; // the exact message to show; empty when loaded
        bool isLoaded() const { return status == ReadStatus::Loaded; }
    };

    // "The file you selected is not a valid Counter-Strike Trevlin RamBot Config file"
    static QString notValidMessage(QStringView botName);

    // The file's lines, in order, as the writer produces them.
    static QStringList lines(const RosterAddOn &addOn, const RosterOptions &options, const Roster &roster);
    // The same lines as the file's bytes, each ended by CR LF; what is saved.
    static QByteArray bytes(const RosterAddOn &addOn, const RosterOptions &options, const Roster &roster);

    // The reason the roster cannot be written as it stands, because the file would not read back as it is (see the
    // format's refusals). Empty when the roster can be written.
    static QString refusal(const RosterAddOn &addOn, const RosterOptions &options, const Roster &roster);

    // Writes the whole file at path, replacing a file of that name, through an atomic save. Returns an empty text
    // on success; then the options show what was written (an empty Botskill field its default). Otherwise returns
    // the message to show, and neither the file nor the options have changed.
    static QString write(const QString &path, const RosterAddOn &addOn, RosterOptions &options, const Roster &roster);

    // Reads a file written for the add-on into roster and options. Only a file the writer could write again as it
    // was read is accepted: anything else is not valid. The roster is emptied first, whatever happens next; the
    // options are set line by line through their own rules, so a file that turns out invalid halfway leaves the
    // options of its first lines in place.
    static ReadResult read(const QString &path, const RosterAddOn &addOn, RosterOptions &options, Roster &roster);
    // The same for a file's bytes.
    static ReadResult parse(const QByteArray &bytes, const RosterAddOn &addOn, RosterOptions &options, Roster &roster);
};
