#include "packets/PacketRecord.h"

#include "common/Letters.h"

#include <array>

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
    // Read on every tick for every packet: split in place, without a list of fields.
    PacketRecord record{"", "", "", "", "", "", ""};
    const std::array<std::string*, kFieldCount> fields{
        &record.stepCount, &record.kind,  &record.destination, &record.hopEnd,
        &record.hopStart,  &record.stepX, &record.stepY};
    for (std::string* field : fields) {
        const std::size_t colon = text.find(':');
        field->assign(text.substr(0, colon));
        if (colon == std::string_view::npos) {
            break;
        }
        text.remove_prefix(colon + 1);
    }
    return record;
}

std::string PacketRecord::Text() const {
    std::string text;
    text.reserve(stepCount.size() + kind.size() + destination.size() + hopEnd.size() +
                 hopStart.size() + stepX.size() + stepY.size() + kFieldCount - 1);
    for (const std::string* field :
         {&stepCount, &kind, &destination, &hopEnd, &hopStart, &stepX, &stepY}) {
        if (field != &stepCount) {
            text += ':';
        }
        text += *field;
    }
    return text;
}
