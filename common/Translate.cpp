#include "common/Translate.h"

#include <algorithm>
#include <span>

namespace {

std::optional<Catalogue>& Current() {
    static std::optional<Catalogue> catalogue;
    return catalogue;
}

// Puts in the arguments, and `extra` where one is given, in one pass: an argument's value is
// never read for braces itself.
std::string Fill(std::string_view text, std::span<const MessageArgument> arguments,
                 const MessageArgument* extra = nullptr) {
    std::string filled;
    filled.reserve(text.size() + 16);
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t open = text.find('{', at);
        const std::size_t close = open == std::string_view::npos ? open : text.find('}', open);
        if (close == std::string_view::npos) {
            filled += text.substr(at);
            break;
        }
        filled += text.substr(at, open - at);
        const std::string_view name = text.substr(open + 1, close - open - 1);
        const MessageArgument* given = extra && extra->name == name ? extra : nullptr;
        for (const MessageArgument& argument : arguments) {
            if (argument.name == name) {
                given = &argument;
            }
        }
        if (given) {
            filled += given->value;
        } else {
            filled += text.substr(open, close - open + 1);
        }
        at = close + 1;
    }
    return filled;
}

} // namespace

void UseCatalogue(std::optional<Catalogue> catalogue) {
    Current() = std::move(catalogue);
}

const Catalogue* CurrentCatalogue() {
    return Current() ? &*Current() : nullptr;
}

std::string FillArguments(std::string_view text, MessageArguments arguments) {
    return Fill(text, arguments);
}

std::string FillArguments(std::string_view text, std::span<const MessageArgument> arguments) {
    return Fill(text, arguments);
}

std::string Translate(std::string_view message, std::span<const MessageArgument> arguments) {
    const Catalogue* catalogue = CurrentCatalogue();
    const std::string* translated = catalogue ? catalogue->Find(message) : nullptr;
    return Fill(translated ? std::string_view(*translated) : message, arguments);
}

std::string Translate(std::string_view message, MessageArguments arguments) {
    const Catalogue* catalogue = CurrentCatalogue();
    const std::string* translated = catalogue ? catalogue->Find(message) : nullptr;
    return Fill(translated ? std::string_view(*translated) : message, arguments);
}

std::string TranslateCount(std::string_view one, std::string_view many, long count,
                           MessageArguments arguments) {
    const Catalogue* catalogue = CurrentCatalogue();
    const std::string* translated = catalogue ? catalogue->Find(one, count) : nullptr;
    const std::string_view text =
        translated ? std::string_view(*translated) : (count == 1 ? one : many);
    const MessageArgument number{"count", std::to_string(count)};
    return Fill(text, arguments, &number);
}

std::string ChooseLanguage(const std::vector<std::string>& wanted,
                           const std::vector<std::string>& available) {
    const auto has = [&available](const std::string& code) {
        for (const std::string& language : available) {
            if (language == code) {
                return true;
            }
        }
        return false;
    };
    for (std::string code : wanted) {
        if (IsEnglish(code)) {
            return "";
        }
        std::replace(code.begin(), code.end(), '_', '-');
        const std::string language = code.substr(0, code.find('-'));
        if (has(code)) {
            return code;
        }
        if (has(language)) {
            return language;
        }
    }
    return "";
}

bool IsEnglish(std::string_view code) {
    return code.substr(0, code.find_first_of("-_")) == "en" && code != "en-XA" && code != "en_XA";
}
