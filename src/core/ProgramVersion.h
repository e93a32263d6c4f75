#pragma once

#include <QLatin1StringView>

// The program's version: the second header line of every roster file carries it, and the about window and the
// update list compare against it.
inline constexpr QLatin1StringView programVersion("2.0");
