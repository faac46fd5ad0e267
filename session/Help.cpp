#include "session/Help.h"

#include "common/Translate.h"
#include "files/Extras.h"
#include "session/BuiltInLessons.h"

namespace Help {

namespace {

// A scenario's name as the help quotes it, in the language spoken.
std::string Quoted(const char* scenario) {
    return Translate("\"{scenario}\"", {{"scenario", Translate(scenario)}});
}

} // namespace

std::string Text(bool page) {
    // Paragraphs and list lines only: the window and the page wrap them to their own width.
    std::string text =
        Translate("What the window shows") + "\n" +
        Translate(
            "Six routers A to F, each with its own network a to f (the bars), joined by links. "
            "A link's cost stands beside the router it leads into; a red link is broken. "
            "Beside each router, its routing table: a row for each network it knows, its "
            "cost, an arrow and the next hop. \"b  4 -> B\": network b costs 4, through "
            "neighbour B. \"L\": the router's own network. \"inf -> -\": no route. The "
            "scenarios that route at random or flood ({random}, which the window opens in, "
            "{noReverse} and {flooding}) use no tables and show none: pick {example}, "
            "{three} or {four} in the list at the top to see them. Rest the mouse on a row "
            "to read why it is so; right-click a table to magnify it beside the drawing for "
            "the back of a hall. Small circles sliding along the links are tables and data "
            "on their way.",
            {{"random", Quoted("Random 1")},
             {"noReverse", Quoted("Random 1 No Reverse")},
             {"flooding", Quoted("Flooding 1")},
             {"example", Quoted("Example 1")},
             {"three", Quoted("Three Routers")},
             {"four", Quoted("Four Routers")}}) +
        "\n\n" + Translate("The buttons") + "\n" +
        Translate("{update}: every router sends its table to every neighbour. Click two routers: "
                  "one sends its table to the other. Click two networks: a data packet from the "
                  "first to the second; {one} sends it again, {many} sends random traffic until "
                  "{stop}. {pause} stops the animation, {kill} removes every packet, {reset} "
                  "starts every table afresh. The white squares on the links break and mend them; "
                  "a click on a cost raises it, a right click lowers it. {split}: a router tells a "
                  "neighbour inf for routes through it.",
                  {{"update", Translate("Update")},
                   {"one", Translate("One")},
                   {"many", Translate("Many")},
                   {"stop", Translate("Stop")},
                   {"pause", Translate("Pause")},
                   {"kill", Translate("Kill")},
                   {"reset", Translate("Reset")},
                   {"split", Translate("Split Horizons")}}) +
        "\n\n" +
        Translate("Lessons (right click, Lessons), stepped with Page Down or Right, back with Page "
                  "Up or Left:") +
        "\n";
    for (const auto& [title, line] : BuiltInLessons::Lines()) {
        text += "  " +
                Translate("{lesson}: {what}",
                          {{"lesson", Translate(title)}, {"what", Translate(line)}}) +
                "\n";
    }
    const Extras::Entry& mark = Extras::Of(Extras::Id::MarkPrediction);
    text += "\n" +
            Translate("Predict, then watch: a lesson, {keys} or practice (right click, Practice, "
                      "levels 1 to 3) stops with tables on their way and asks what a table will "
                      "show. Type each row's cost (a number or inf), Tab, its next hop, and Enter "
                      "checks; or use the keys under the caption. Page Down reveals the answer, "
                      "then in practice asks the next.",
                      {{"keys", page ? Extras::PageKeys(mark) : mark.keys}}) +
            "\n";
    text += "\n" +
            Translate("Extras for the lecture (also on a right click on an empty part of the "
                      "window):") +
            "\n\n";
    for (const Extras::Entry& entry : Extras::kEntries) {
        const char* keys = page ? Extras::PageKeys(entry) : entry.keys;
        if (*keys != 0 && (entry.onPage || !page)) {
            const std::string both =
                *entry.otherKeys != 0
                    ? Translate("{keys} or {other}", {{"keys", keys}, {"other", entry.otherKeys}})
                    : std::string(keys);
            text += both + " - " + Translate(entry.name) + "\n";
        }
    }
    if (page) {
        text += Translate("(In the page, Alt takes Ctrl's place where the browser keeps the key "
                          "for itself: Ctrl+1 to Ctrl+4 switch tabs, Ctrl+T opens one, Ctrl+R "
                          "reloads.)") +
                "\n";
    }
    return text + "Esc - " + Translate("Close this list or the log; leave full screen") + "\n\n" +
           Translate("The keys, a lesson's steps included, work from this list and the log too. "
                     "The menu also sets RIP's hold-down time, opens RIP's two demonstrations and "
                     "the built-in lessons, ends a lesson and exports the log and the tables.") +
           "\n";
}

} // namespace Help
