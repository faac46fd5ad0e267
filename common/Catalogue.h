#pragma once

#include "common/PluralRule.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One language's translations of the program's messages, as the build writes them from a
// translator's .po file:
//   {"language": "de", "plural": "n != 1", "messages": {"Update": ["Aktualisieren"],
//    "{count} router": ["{count} Router", "{count} Router"]}}
// A message is known by its English text (the singular where it has a plural); its forms are in
// the order the language's plural rule numbers them.
class Catalogue {
public:
    // The catalogue a document holds, or nothing where it is none, and `fault` says why.
    static std::optional<Catalogue> Read(std::string_view json, std::string* fault);
    // A catalogue is read from the build's own files; this bounds one read from elsewhere.
    static constexpr std::size_t kLargest = 4 * 1024 * 1024;

    const std::string& Language() const { return language_; }
    // The translation of `message` as `n` of something takes it, or nothing where the catalogue
    // has none (or the rule names a form the translator did not write).
    const std::string* Find(std::string_view message, long n = 1) const;
    std::size_t Size() const { return messages_.size(); }

private:
    std::string language_;
    PluralRule plural_;
    std::map<std::string, std::vector<std::string>, std::less<>> messages_;
};
