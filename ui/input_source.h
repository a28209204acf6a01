#pragma once

namespace baralune {

// Whether the latest key or mouse button press anywhere in the program came from the keyboard.
// A window opened by that press (Deal, for instance) shows its focus frame from the start when
// the reader works with the keyboard, and looks as always to a mouse user.
bool LastPressFromKeyboard();

// Starts watching the presses; the first call installs the watch, later calls do nothing.
void WatchInputSource();

}  // namespace baralune
