#pragma once

#include <string>

namespace Help {

// What the window shows, the lessons and the keys, as the help window shows them, the extras one
// a line: "Ctrl+1 - Quarter speed"; on a web `page`, with the page's keys ("Alt+1").
std::string Text(bool page = false);

} // namespace Help
