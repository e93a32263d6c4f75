#include "RosterFormat.h"

#include "NumberText.h"

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

QString RosterFormat::entryRefusal(const RosterAddOn &addOn, const RosterEntry &bot, Entry entry,
                                   bool rowSelected) const
{
    if (const QString why = fieldRefusal(addOn, bot, entry); !why.isEmpty() || entry == Entry::EditAll)
        return why;
    if (!rowSelected)
        return tr("There is no bot selected in the list. Please select the bot you want to change, then press Done "
                  "again.");
    return unreadableName(bot.name);
}

QString RosterFormat::unwritablePart(QStringView text)
{
    const auto unwritable = [](QChar c) {
        return c.unicode() > 0xff || c == u'\r' || c == u'\n';
    };
    const auto found = std::find_if(text.begin(), text.end(), unwritable);
    if (found == text.end())
        return {};
    if (*found == u'\r' || *found == u'\n')
        return tr("a line break");
    const qsizetype i = found - text.begin();
    const bool pair = found->isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    return quoted(text.sliced(i, pair ? 2 : 1));
}

bool RosterFormat::plainNameAndSkill(QStringView name, QStringView skill)
{
    if (name.isEmpty() || skill.isEmpty() || skill.size() > 15)
        return false;
    const char16_t lead = name.front().unicode();
    if (lead == u'+' || lead == u'-' || lead == u'.' || (lead >= u'0' && lead <= u'9'))
        return false;
    bool plain = true;
    for (QChar c : name)
        plain &= c.unicode() > u' ' && c.unicode() <= 0xff;
    for (QChar c : skill)
        plain &= c.unicode() >= u'0' && c.unicode() <= u'9';
    return plain;
}

QString RosterFormat::botStart(const RosterEntry &entry)
{
    return tr("The bot %1 cannot be saved").arg(quoted(entry.name));
}

QString RosterFormat::namelessBotMessage()
{
    return tr("A bot without a name cannot be saved: the config file would not read back. Please give it a name "
              "and save again.");
}

QString RosterFormat::numberNameMessage()
{
    return tr("A bot name cannot be a number, because the bot add-on would take it for the skill level. Please "
              "use another name.");
}

QString RosterFormat::noBotsMessage()
{
    return tr("There are no bots to save. Add at least one bot first.");
}

QString RosterFormat::pleaseChange()
{
    return tr(" Please change it and save again.");
}

std::optional<QString> RosterFormat::nextLine(TextLines::Cursor &lines)
{
    QByteArrayView line;
    if (!lines.next(line))
        return std::nullopt;
    return QString::fromLatin1(line);
}

QStringView RosterFormat::afterFirstSpace(QStringView line)
{
    const qsizetype space = line.indexOf(u' ');
    return space < 0 ? line : line.sliced(space + 1);
}

std::optional<int> RosterFormat::pauseValue(QStringView text)
{
    const std::optional<double> value = NumberText::value(text);
    if (!value)
        return std::nullopt;
    // The default rounding mode takes a half to the even neighbour (2.5 gives 2, 3.5 gives 4).
    const double rounded = std::nearbyint(*value);
    if (rounded < -32768 || rounded > 32767)
        return std::nullopt;
    return int(rounded);
}
