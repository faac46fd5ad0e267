#include "session/Help.h"

#include "files/Extras.h"
#include "session/BuiltInLessons.h"

namespace Help {

std::string Text(bool page) {
    // Paragraphs and list lines only: the window and the page wrap them to their own width.
    std::string text =
        "What the window shows\n"
        "Six routers A to F, each with its own network a to f (the bars), joined by links. A "
        "link's cost stands beside the router it leads into; a red link is broken. Beside each "
        "router, its routing table: a row for each network it knows, its cost, an arrow and the "
        "next hop. \"b  4 -> B\": network b costs 4, through neighbour B. \"L\": the router's "
        "own network. \"inf -> -\": no route. The scenarios that route at random or flood "
        "(\"Random 1\", which the window opens in, \"Random 1 No Reverse\" and \"Flooding 1\") "
        "use no tables and show none: pick \"Example 1\", \"Three Routers\" or \"Four Routers\" "
        "in the list at the top to see them. Rest the mouse on a row to read why it is so; "
        "right-click a table to magnify it beside the drawing for the back of a hall. Small "
        "circles sliding along the links are tables and data on their way.\n\n"
        "The buttons\n"
        "Update: every router sends its table to every neighbour. Click two routers: one sends "
        "its table to the other. Click two networks: a data packet from the first to the "
        "second; One sends it again, Many sends random traffic until Stop. Pause stops the "
        "animation, Kill removes every packet, Reset starts every table afresh. The white "
        "squares on the links break and mend them; a click on a cost raises it, a right click "
        "lowers it. Split Horizons: a router tells a neighbour inf for routes through it.\n\n"
        "Lessons (right click, Lessons), stepped with Page Down or Right, back with Page Up or "
        "Left:\n";
    for (const auto& [title, line] : BuiltInLessons::Lines()) {
        text += "  " + title + ": " + line + "\n";
    }
    const Extras::Entry& mark = Extras::Of(Extras::Id::MarkPrediction);
    text += "\nPredict, then watch: a lesson, " +
            std::string(page ? Extras::PageKeys(mark) : mark.keys) +
            " or practice (right click, Practice, levels 1 to 3) stops with tables on their way "
            "and asks what a table will show. Type each row's cost (a number or inf), Tab, its "
            "next hop, and Enter checks; or use the keys under the caption. Page Down reveals the "
            "answer, then in practice asks the next.\n";
    text += "\nExtras for the lecture (also on a right click on an empty part of the window):\n\n";
    for (const Extras::Entry& entry : Extras::kEntries) {
        const char* keys = page ? Extras::PageKeys(entry) : entry.keys;
        if (*keys != 0 && (entry.onPage || !page)) {
            const std::string other =
                *entry.otherKeys != 0 ? " or " + std::string(entry.otherKeys) : "";
            text += std::string(keys) + other + " - " + entry.name + "\n";
        }
    }
    if (page) {
        text += "(In the page, Alt takes Ctrl's place where the browser keeps the key for itself: "
                "Ctrl+1 to Ctrl+4 switch tabs, Ctrl+T opens one, Ctrl+R reloads.)\n";
    }
    return text + "Esc - Close this list or the log; leave full screen\n\n"
                  "The keys, a lesson's steps included, work from this list and the log too. "
                  "The menu also sets RIP's hold-down time, opens RIP's two demonstrations and "
                  "the built-in lessons, ends a lesson and exports the log and the tables.\n";
}

} // namespace Help
