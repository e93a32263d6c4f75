#include "RosterHeader.h"

#include "ProgramVersion.h"

using namespace Qt::Literals::StringLiterals;

QString RosterHeader::firstLine(QStringView botName)
{
    return u"//%1 Config File Created With"_s.arg(botName);
}

QString RosterHeader::versionLine()
{
    return u"//Counter-Strike Trevlin %1"_s.arg(programVersion);
}

RosterHeader::Match RosterHeader::check(QStringView firstLine, QStringView secondLine, QStringView botName)
{
    if (firstLine != RosterHeader::firstLine(botName))
        return Match::OtherAddOn;
    return secondLine == versionLine() ? Match::Matches : Match::OtherVersion;
}
