#pragma once

#include "RosterEntry.h"
#include "TextLines.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLatin1StringView>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct RosterAddOn;
class RosterOptions;

// One kind of roster file, and what its editor and entry dialogs make of it. Both kinds start with the two header
// lines of every roster file and end with one bot a line; what lies between, how a bot line reads, what cannot be
// written and the words of the messages differ, and every such difference is a field or a function here. The add-on
// table says which add-on uses which format; the reader, the writer, the document and the windows ask the format.
class RosterFormat
{
    Q_DECLARE_TR_FUNCTIONS(RosterFormat)

public:
    virtual ~RosterFormat() = default;

    // The two formats: the "addbot" lines of the nine add-ons of the generic editor, and AndroidBot's and PodBot's.
    static const RosterFormat &addBot();
    static const RosterFormat &android();

    // The roster's columns, in the order the editor shows them.
    QList<RosterEntry::Field> columns;
    bool hasSkins() const { return columns.contains(RosterEntry::Skin); }

    // The object names of the editor and its dialogs, which a screen reader and a test find them by.
    struct Names
    {
        QLatin1StringView editor, add, edit, several, open, save;
        // The controls of the entry dialogs that each format's windows name their own way: the add dialog's Cancel,
        // the captions of the team and skill boxes, and the add-several dialog's Auto Skill and team caption.
        QLatin1StringView addCancel, teamLabel, skillLabel, autoSkillLabel, autoSkillBox, severalTeamLabel;
    };
    Names names;

    // "This config file is made with another version. Unable to load.", marked with QT_TRANSLATE_NOOP in the
    // context "RosterFormat" as every text below; otherVersionMessage() translates it.
    const char *otherVersionText = nullptr;
    QString otherVersionMessage() const { return tr(otherVersionText); }
    // A file that could not be read at all is reported as not valid too, with the reason below.
    bool unreadFileIsNotValid = false;
    // A roster without bots is not written: the add-on takes such a file for a broken one.
    bool refusesEmptyRoster = false;

    // The editor: New leaves Auto Team Balance as it is; Edit Bot without a selected row opens nothing; closing,
    // New and Open ask about changed options even with no bots; the save dialog that a question opens has a caption
    // of its own (none: the File menu's); the open and save dialogs' buttons have their mnemonics.
    bool newKeepsTeamBalance = false;
    bool editNeedsSelectedRow = false;
    bool asksWithoutBots = false;
    const char *askedSaveCaption = nullptr;
    bool fileButtonMnemonics = false;

    // The entry dialogs: the lowest skill, whether the skill box comes before the team box, whether a team that no
    // list offers shows as typed when a bot is edited, and whether the add and add-several dialogs pick their first
    // team at each press of their button.
    int skillMinimum = 1;
    bool skillBeforeTeam = false;
    bool editShowsTypedTeam = false;
    bool addPicksFirstTeam = true;
    // The tooltip of the edit dialog's Apply To All.
    const char *applyToAllTip = nullptr;
    // Adding several: the spinners' upper bounds (a skill bound of 0 is the add-on's skill maximum), the skill the
    // box starts with, whether checking Auto Skill empties the box, and whether the random source is seeded afresh
    // from the clock at each Done.
    int severalCountMaximum = 20;
    int severalSkillSpinnerMaximum = 0;
    QLatin1StringView severalStartSkill;
    bool autoSkillClearsSkill = true;
    bool severalReseeds = false;

    // The teams the add and edit dialogs offer, and those of the add-several dialog.
    virtual QStringList teams(const RosterAddOn &addOn) const = 0;
    virtual QStringList severalTeams(const RosterAddOn &addOn) const { return teams(addOn); }
    // "Skill 1 to 20 (1=best)".
    virtual QString skillLabel(const RosterAddOn &addOn) const = 0;
    enum class Entry { Add, Edit, EditAll };
    // Why an entry dialog cannot take bot, by the first of its checks that fails: the format's checks of the fields,
    // then (but for Apply To All) a row to change, rowSelected, and a name that the file gives back. Empty when it
    // can.
    QString entryRefusal(const RosterAddOn &addOn, const RosterEntry &bot, Entry entry, bool rowSelected) const;
    virtual QString fieldRefusal(const RosterAddOn &addOn, const RosterEntry &bot, Entry entry) const = 0;
    // Why a typed bot name would not come back from the file as it was; empty when the name is fine.
    virtual QString unreadableName(QStringView name) const = 0;

    // The option lines after the header, in their order, as the writer produces them.
    virtual void writeOptions(const RosterAddOn &addOn, const RosterOptions &options, QStringList &lines) const = 0;
    // Reads the option lines through the options' own rules; false for a file that is not valid.
    virtual bool readOptions(const RosterAddOn &addOn, TextLines::Cursor &lines, RosterOptions &options) const = 0;
    // One bot line, its line break left out.
    virtual void appendBot(const RosterAddOn &addOn, const RosterEntry &entry, QByteArray &bytes) const = 0;
    // Reads one bot line into entry; false when the file is not valid.
    virtual bool readBot(const RosterAddOn &addOn, QByteArrayView line, bool first, RosterEntry &entry) const = 0;

    // Why the options, or one bot (the first bot's line is held to stricter rules), could not be written so as to
    // read back as they are; empty when they can. The message names the option or the bot.
    virtual QString optionsRefusal(const RosterAddOn &addOn, const RosterOptions &options) const = 0;
    virtual QString botRefusal(const RosterAddOn &addOn, const RosterEntry &entry, bool first) const = 0;
    // What the writer puts into the options after a save, such as the default of an empty skill field.
    virtual void afterWrite(const RosterAddOn &, RosterOptions &) const { }

    // The shared rules of both formats' messages.
    // What in text an 8-bit line cannot carry, as a message names it: the first character outside Latin-1 (both
    // halves of a character beyond the basic plane) or a line break. Empty when the text can be written.
    static QString unwritablePart(QStringView text);
    // The common bot at a glance, for rosters of thousands read or saved: a name of printable 8-bit characters
    // without blanks that cannot start a number, and a skill of up to fifteen digits. Such a name and skill pass
    // every check either format makes of them; any other is checked one rule at a time.
    static bool plainNameAndSkill(QStringView name, QStringView skill);
    static QString quoted(QStringView text) { return u'"' + text.toString() + u'"'; }
    // The text of a field, or what an empty one is written as.
    static QString textOr(const QString &text, const QString &fallback) { return text.isEmpty() ? fallback : text; }
    // The length first: a roster of thousands looks up a team for every bot.
    static bool is(QStringView text, QLatin1StringView known) { return text.size() == known.size() && text == known; }
    // "The bot "Alpha" cannot be saved", made only for a bot that is refused.
    static QString botStart(const RosterEntry &entry);
    static QString namelessBotMessage();
    static QString numberNameMessage();
    static QString noBotsMessage();
    static QString pleaseChange();
    // The next line as text; none at the end of the file.
    static std::optional<QString> nextLine(TextLines::Cursor &lines);
    // The text after a line's first blank, or the whole line without one.
    static QStringView afterFirstSpace(QStringView line);
    // The pause is stored as a whole number within 16 bits, halves going to the even neighbour; none for a text
    // that is no number or lies outside.
    static std::optional<int> pauseValue(QStringView text);
};
