#include "common/Fields.h"

std::vector<std::string> SplitFields(std::string_view text) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t colon = text.find(':', start);
        if (colon == std::string_view::npos) {
            fields.emplace_back(text.substr(start));
            return fields;
        }
        fields.emplace_back(text.substr(start, colon - start));
        start = colon + 1;
    }
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

std::string JoinFields(const std::vector<std::string>& fields) {
    std::string text;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            text += ':';
        }
        text += fields[i];
    }
    return text;
}
