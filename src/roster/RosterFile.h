#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class Roster;
struct RosterEntry;
class RosterOptions;
struct RosterAddOn;

// The roster file of the nine add-ons that share the generic editor: two header lines, the options as one console
// command each, then one "addbot" line per bot. It is 8-bit text, every line ended by CR LF.
class RosterFile
{
public:
    enum class ReadStatus {
        Loaded,
        NotValid,     // a line is missing, wrong or cannot be converted; also a file that cannot be opened
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
    // "This config file is made with another version. Unable to load."
    static QString otherVersionMessage();

    // The file's lines, in order, as the writer produces them. An empty Botskill field is written as its default
    // ("10" for RealBot with Auto Skill cleared, "2" otherwise); an empty Time Before Bot Entry as "3", empty
    // numbers of bots as "0".
    static QStringList lines(const RosterAddOn &addOn, const RosterOptions &options, const Roster &roster);
    // The same lines as the file's bytes, each ended by CR LF; what is saved.
    static QByteArray bytes(const RosterAddOn &addOn, const RosterOptions &options, const Roster &roster);

    // The reason the roster cannot be written as it stands, because the file would not read back as it is: an
    // option that must be a number and is not, a bot whose name, team, skill or skin the file cannot carry, a
    // character that an 8-bit line cannot carry; also more bots at the least than at the most. The message names
    // the bot or the option and what is wrong. Empty when the roster can be written.
    static QString refusal(const RosterAddOn &addOn, const RosterOptions &options, const Roster &roster);
    // The parts of it: the options alone, and one bot (the first bot's line is held to stricter rules).
    static QString optionsRefusal(const RosterAddOn &addOn, const RosterOptions &options);
    static QString botRefusal(const RosterEntry &entry, bool first);
    // The part of it that concerns what is typed, the name and the skill: a bot read from a file has a team and
    // a skin of the file's own codes.
    static QString typedFieldsRefusal(const RosterEntry &entry, bool first);
    // Why a typed bot name would not come back from the file as it was: it holds a blank (the file separates a bot's
    // fields by blanks), it is a number (the add-on would take it for the skill), or it holds a character that an
    // 8-bit line cannot carry. Empty when the name is fine.
    static QString unreadableName(QStringView name);
    // The same for a name whose characters a line can carry: blanks, or a name that is a number.
    static QString misreadName(QStringView name);
    // The common bot at a glance, for rosters of thousands read or saved: a name of printable 8-bit characters
    // without blanks that cannot start a number, and a skill of up to fifteen digits. Such a name and skill pass
    // every check either roster format makes of them; any other is checked one rule at a time.
    static bool plainNameAndSkill(QStringView name, QStringView skill);

    // Writes the whole file at path, replacing a file of that name, through an atomic save. Returns an empty text
    // on success; then an empty Botskill field shows the default that was written. Otherwise returns the message
    // to show, and neither the file nor the options have changed.
    static QString write(const QString &path, const RosterAddOn &addOn, RosterOptions &options, const Roster &roster);

    // Reads a file written for botName into roster and options. Only a file the writer could write again as it
    // was read is accepted: anything else is not valid. The roster is emptied first, whatever happens
    // next; the options are set line by line through their own rules, so a file that turns out invalid halfway
    // leaves the options of its first lines in place. The caller asks about unsaved changes beforehand and, on
    // success, clears the flag of unsaved changes.
    static ReadResult read(const QString &path, const RosterAddOn &addOn, RosterOptions &options, Roster &roster);
    // The same for a file's bytes.
    static ReadResult parse(const QByteArray &bytes, const RosterAddOn &addOn, RosterOptions &options, Roster &roster);
};
