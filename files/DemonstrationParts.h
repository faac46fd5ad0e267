#pragma once

#include "app/Snapshot.h"
#include "common/JsonValue.h"

#include <string>

class JsonReader;

// The parts a demonstration file is made of: RIP's state, each router's panel and each packet,
// written as JSON and read back under every rule of what a valid part is.
class DemonstrationParts {
public:
    static JsonValue RipJson(const RipState& rip);
    static JsonValue PanelJson(const Snapshot::Panel& panel);
    static JsonValue PacketJson(const Snapshot::Packet& packet);

    static RipState ReadRip(JsonReader& reader, const JsonValue& value, const std::string& path);
    static Snapshot::Panel ReadPanel(JsonReader& reader, const JsonValue& value,
                                     const std::string& path);
    static Snapshot::Packet ReadPacket(JsonReader& reader, const JsonValue& value,
                                       const std::string& path);
    // What RIP's switches forbid of the rest: with infinity 16 a cost label below 1 or a row at
    // 16 or more; any of RIP's clocks set further ahead than the longest hold-down.
    static void CheckAgainstRules(JsonReader& reader, const Snapshot& demonstration,
                                  const std::string& path);
};
