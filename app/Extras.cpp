#include "app/Extras.h"

namespace Extras {

std::string HelpText() {
    std::string text = "Extras for the lecture (also on a right click on an empty part of the "
                       "window):\n\n";
    for (const Entry& entry : kEntries) {
        if (*entry.keys != 0) {
            text += std::string(entry.keys) + " - " + entry.name + "\n";
        }
    }
    return text + "Esc - Close this list or the log; leave full screen\n\n"
                  "The keys work from this list and the log too. The menu also sets RIP's\n"
                  "hold-down time and opens RIP's two demonstrations.\n";
}

} // namespace Extras
