#pragma once
// The command line as the system's parser (CommandLineToArgvW) cuts the program's own name from it, and how
// the console twin runs the program.
#include <cstdint>

namespace base {

// What follows the program's name on a command line: the arguments as typed, quotes and leading blank
// included. The name is a quoted run, which ends at its closing quote even with no blank after it, or else
// everything up to the first blank or tab.
const wchar_t* ApresLeProgramme(const wchar_t* ligne);

// Whether the console twin is alone on its console, from GetConsoleProcessList's count of its processes (1):
// a console made for it, as Explorer or a shortcut makes one, that nobody reads. The twin frees it rather
// than keep it open, and take its Ctrl+C, for as long as the window. With a prompt (2 or more) the console is
// the prompt's; with none (0, a failed call) there is nothing to free.
bool SeulSurSaConsole(uint32_t processusDeLaConsole);

}  // namespace base
