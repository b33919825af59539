#pragma once
// The command line as the system's parser (CommandLineToArgvW) cuts the program's own name from it.

namespace base {

// What follows the program's name on a command line: the arguments as typed, quotes and leading blank
// included. The name is a quoted run, which ends at its closing quote even with no blank after it, or else
// everything up to the first blank or tab.
const wchar_t* ApresLeProgramme(const wchar_t* ligne);

}  // namespace base
