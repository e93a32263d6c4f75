#pragma once

// Whether the program may move things on screen for show, such as the about window's title effects. Not when the
// user started it with --no-animations, and not when the platform says the user wants its effects off.
namespace Motion {

// The application property that holds true when the program was started with --no-animations. main() sets it from
// the command line; a test sets it on its own application.
inline constexpr char noAnimationsProperty[] = "trevlinNoAnimations";

bool allowed();

} // namespace Motion
