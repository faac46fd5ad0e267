#pragma once

#include "common/Catalogue.h"

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Every text a person reads is a message: its English text, written once where it is used, with
// named arguments in braces ("{router}: route to {network} now cost {cost} via {hop}"), never
// pieces joined, so that a translator can move the arguments where the language puts them.
// Numbers reach a message already in the one number form (NumberText); letters, "inf" and "L" as
// they are.

// A message's argument: its name, without braces, and what it stands for.
struct MessageArgument {
    std::string_view name;
    std::string value;
};
using MessageArguments = std::initializer_list<MessageArgument>;

// The language the program speaks from now on: a catalogue, or none for English, the design's own
// texts. The front end chooses it once, before the lecture starts.
void UseCatalogue(std::optional<Catalogue> catalogue);
const Catalogue* CurrentCatalogue();

// `message` in the current language with its arguments put in. An argument the message does not
// name is left out; a name in braces no argument gives stays as written.
std::string Translate(std::string_view message, MessageArguments arguments = {});
// The same with arguments gathered at run time.
std::string Translate(std::string_view message, std::span<const MessageArgument> arguments);
// The same for a message about a count, by the language's plural rule: `one` is English's
// singular, `many` its plural; `{count}` is the count.
std::string TranslateCount(std::string_view one, std::string_view many, long count,
                           MessageArguments arguments = {});
// Puts the arguments in a text, with no translation.
std::string FillArguments(std::string_view text, MessageArguments arguments);
std::string FillArguments(std::string_view text, std::span<const MessageArgument> arguments);

// The language to speak of those `available` (catalogues by their codes, "de", "pt-BR"), for
// someone who reads `wanted` in that order (a system's or a browser's languages, "de-AT", "fr"):
// the first wanted that is available, by its whole code or by its language alone ("de-AT" reads
// "de"); a wanted language none is available for is passed over. English, the program's own, is
// "", and is chosen where it comes first or nothing else is found.
std::string ChooseLanguage(const std::vector<std::string>& wanted,
                           const std::vector<std::string>& available);
// Whether `code` is English, spoken without a catalogue ("en", "en-GB", "en_US"; not the made-up
// "en-XA", which has one).
bool IsEnglish(std::string_view code);

// Marks a message written where it is not yet shown (a table's label, a constant): the catalogue's
// template finds it here, and the place that shows it translates it.
constexpr std::string_view Message(std::string_view message) {
    return message;
}
