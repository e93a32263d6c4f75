// The roster file of the generic editor: whatever the bytes, reading ends with a result, and a file that is
// accepted writes back as lines that read again to the same roster and the same lines.
#include "FuzzCheck.h"
#include "Roster.h"
#include "RosterAddOn.h"
#include "RosterFile.h"
#include "RosterOptions.h"
#include "TextLines.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

using namespace Qt::Literals::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::array<QString, 9> botNames{u"RealBot"_s, u"NNBot"_s,   u"HPBBot"_s,  u"RamBot"_s, u"SwatBot"_s,
                                                 u"AGBBot"_s,  u"BobaBot"_s, u"ReduBot"_s, u"PLBot"_s};
    if (size == 0)
        return 0;
    // The first byte picks the add-on, the rest is the file.
    const RosterAddOn &addOn = *RosterAddOn::find(botNames[data[0] % botNames.size()]);
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    RosterOptions options(addOn);
    Roster roster;
    if (!RosterFile::parse(bytes, addOn, options, roster).isLoaded()) {
        FUZZ_CHECK(roster.isEmpty());
        return 0;
    }
    FUZZ_CHECK(!roster.isEmpty());
    FUZZ_CHECK(RosterFile::refusal(addOn, options, roster).isEmpty());
    const QStringList written = RosterFile::lines(addOn, options, roster);

    RosterOptions againOptions(addOn);
    Roster again;
    FUZZ_CHECK(RosterFile::parse(TextLines::join(written), addOn, againOptions, again).isLoaded());
    FUZZ_CHECK(again.entries() == roster.entries());
    FUZZ_CHECK(RosterFile::lines(addOn, againOptions, again) == written);
    return 0;
}
