#include "AndroidAddOn.h"

#include <array>

namespace {

constexpr std::array addOns{
    AndroidAddOn{.botName = u"AndroidBot", .quotedNames = true, .autoAssignCode = u'0'},
    AndroidAddOn{.botName = u"PodBot", .podBotOptions = true, .autoAssignCode = u'5'},
};

} // namespace

const AndroidAddOn *AndroidAddOn::find(QStringView botName)
{
    for (const AndroidAddOn &addOn : addOns) {
        if (addOn.botName == botName)
            return &addOn;
    }
    return nullptr;
}

std::span<const AndroidAddOn> AndroidAddOn::all()
{
    return addOns;
}
