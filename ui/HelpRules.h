#pragma once
// The help requests and how the program's help page stands in for the help file. Plain text rules, so
// that the jump command and the browser's command line can be checked without a window system.
#include <optional>
#include <string>
#include <string_view>

namespace ui {

// The help engine's macro that jumps to a topic of the help file already open, cut to the 255 characters
// that the engine's command buffer holds: JumpID("","topic").
std::string JumpCommand(std::string_view topic);

// The topic of such a macro; nullopt for any other macro, or one that was cut short.
std::optional<std::string> JumpTopic(std::string_view macro);

// The HTML page that stands for a help file: its file name with the extension ".html", in the program's
// folder (whatever folder the help file name gives).
std::wstring HelpPage(std::wstring_view programFolder, std::wstring_view helpFile);

// The file: URL of a local path (drive or UNC), percent-encoded in UTF-8, with an anchor.
std::wstring FileUrl(std::wstring_view path, std::wstring_view anchor);

// The command line that opens `url` from the browser's registered command ("...exe" -url "%1"): the
// placeholder %1 or %L is replaced; without one, the URL is appended in quotes.
std::wstring BrowserCommandLine(std::wstring_view pattern, std::wstring_view url);

}  // namespace ui
