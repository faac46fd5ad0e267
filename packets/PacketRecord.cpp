#include "packets/PacketRecord.h"

#include "common/Fields.h"
#include "common/Letters.h"

#include <vector>

PacketRecord PacketRecord::Start(std::string_view kind, int destination, int hopEnd, int hopStart,
                                 std::string stepX, std::string stepY) {
    return {"0",
            std::string(kind),
            RouterLetter(destination),
            RouterLetter(hopEnd),
            RouterLetter(hopStart),
            std::move(stepX),
            std::move(stepY)};
}

PacketRecord PacketRecord::Parse(std::string_view text) {
    std::vector<std::string> fields = SplitFields(text);
    fields.resize(kFieldCount);
    return {std::move(fields[0]), std::move(fields[1]), std::move(fields[2]), std::move(fields[3]),
            std::move(fields[4]), std::move(fields[5]), std::move(fields[6])};
}

std::string PacketRecord::Text() const {
    return JoinFields({stepCount, kind, destination, hopEnd, hopStart, stepX, stepY});
}
