#pragma once

#include "WindowMemory.h"

#include <span>

// The windows of the program whose places are kept between runs, and the key each is kept under in the settings.
namespace WindowPlaces {

std::span<const WindowMemory::Place> all();

} // namespace WindowPlaces
