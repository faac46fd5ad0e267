#include "app/Extras.h"

namespace Extras {

std::string HelpText() {
    std::string text = "Extras for the lecture (also on a right click on an empty part of the "
                       "window):\n\n";
    for (const Entry& entry : kEntries) {
        if (*entry.keys != 0) {
            const std::string other =
                *entry.otherKeys != 0 ? " or " + std::string(entry.otherKeys) : "";
            text += std::string(entry.keys) + other + " - " + entry.name + "\n";
        }
    }
    return text + "Esc - Close this list or the log; leave full screen\n\n"
                  "The keys, a lesson's steps included, work from this list and the log too.\n"
                  "The menu also sets RIP's hold-down time, opens RIP's two demonstrations and\n"
                  "the built-in lessons, ends a lesson and exports the log and the tables.\n";
}

} // namespace Extras
