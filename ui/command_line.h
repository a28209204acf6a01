#pragma once

namespace baralune {

// What the command line asks for besides the windows.
enum class CommandLineRequest { Windows, Help, Version };

// Reads the arguments after the program's name; needs no application object, so --help and
// --version work where no display is. Qt's own options (-platform, -style …) and anything
// after "--" are left to Qt.
CommandLineRequest ReadCommandLine(int argc, const char* const* argv);

// Prints the help or the version on standard output in the program's language (an
// application object must exist). Returns the exit status: 0, or 1 when the text could not be
// written.
int PrintCommandLineAnswer(CommandLineRequest request);

}  // namespace baralune
