#pragma once

#include "app/Snapshot.h"
#include "common/JsonValue.h"

#include <optional>
#include <string>
#include <vector>

class JsonReader;

// A demonstration as a JSON document, and every rule of what a valid one is. A front end parses
// the file into a JsonValue and hands it here; a fault comes back as one line that names the
// place and what is wrong ("packets[3].record: the hop ends at router G, which does not exist").
class DemonstrationFile {
public:
    static constexpr const char* kFormat = "hopscape-demonstration";
    // The format's version: files of this version and older are read, newer ones refused.
    static constexpr int kVersion = 1;
    // The largest file read, in bytes.
    static constexpr std::size_t kMostBytes = 1 << 20;
    // How deep the format nests (the rows RIP last compared: root, rip, seen, router, row).
    static constexpr std::size_t kDeepest = 5;

    struct Read {
        std::optional<Snapshot> demonstration; // none when the document is refused
        std::string fault;
        std::vector<std::string> ignored; // members no reader knows, by path
    };

    static JsonValue ToJson(const Snapshot& demonstration);
    static Read FromJson(const JsonValue& document);
    // Checks the format name, version and depth common to demonstrations and lessons.
    static void CheckFormat(JsonReader& reader, const JsonValue& document, const char* format);
    // Reads a demonstration that stands at `path` (a lesson's start holds one).
    static Snapshot ReadDemonstration(JsonReader& reader, const JsonValue& value,
                                      const std::string& path);
    // What is wrong with a file of `bytes` bytes before it is read, or the empty text.
    static std::string CheckSize(std::size_t bytes);
};
