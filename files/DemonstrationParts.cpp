#include "files/DemonstrationParts.h"

#include "common/Fields.h"
#include "common/JsonReader.h"
#include "common/NumberText.h"
#include "common/Translate.h"
#include "form/Topology.h"
#include "packets/PacketMotion.h"
#include "packets/PacketRecord.h"
#include "router/RipRules.h"

#include <algorithm>
#include <cmath>

namespace {

using Json = JsonValue;

constexpr long long kLongest = 1LL << 53; // ticks and clocks: whole numbers a double holds
constexpr double kFarthest = 100000;      // twips a packet may stand from the window's corner
constexpr int kWidest = 10000;            // twips across a packet or down a panel
constexpr int kMostColour = 0xFFFFFF;
constexpr int kThickest = 100; // a packet's border, in design pixels
constexpr int kRowMask = 0x3F;

Json Numbers(const auto& values) {
    Json list = Json::Array();
    for (const auto& value : values) {
        list.items.push_back(Json::Number(static_cast<double>(value)));
    }
    return list;
}

Json RowJson(const RouteRow& row) {
    return Json::Object()
        .Set("cost", Json::String(row.cost))
        .Set("next hop", Json::String(row.nextHop))
        .Set("shown", Json::Bool(row.shown));
}

RouteRow ReadRow(JsonReader& r, const Json& value, const std::string& path, bool withClocks) {
    if (withClocks) {
        r.Members(value, path,
                  {"cost", "next hop", "shown", "heard", "collected at", "held until"});
    } else {
        r.Members(value, path, {"cost", "next hop", "shown"});
    }
    RouteRow row;
    row.cost = r.String(r.Member(value, path, "cost"), JsonReader::At(path, "cost"));
    if (r.Ok() && row.cost != "inf" &&
        (!IsNumeric(row.cost) || std::abs(ReadNumber(row.cost)) > kFarthest)) {
        r.Fail(JsonReader::At(path, "cost"),
               Translate("{value} is neither inf nor a number from -100000 to 100000",
                         {{"value", JsonReader::Quote(row.cost)}}));
    }
    row.nextHop = r.String(r.Member(value, path, "next hop"), JsonReader::At(path, "next hop"));
    const bool hop = row.nextHop == "L" || row.nextHop == "-" ||
                     (row.nextHop.size() == 1 && RouterIndex(row.nextHop) >= 0);
    if (r.Ok() && !hop) {
        r.Fail(JsonReader::At(path, "next hop"),
               Translate("{value} is none of L, - and the routers A to F",
                         {{"value", JsonReader::Quote(row.nextHop)}}));
    }
    row.shown = r.Bool(r.Member(value, path, "shown"), JsonReader::At(path, "shown"));
    return row;
}

RouteClock ReadClock(JsonReader& r, const Json& value, const std::string& path) {
    const auto tick = [&](const char* key) {
        return static_cast<long>(
            r.Integer(r.Member(value, path, key), JsonReader::At(path, key), -1, kLongest));
    };
    return {tick("heard"), tick("collected at"), tick("held until")};
}

// A packet on the screen carries a record that names routers that exist.
void CheckRecord(JsonReader& r, const std::string& text, const std::string& path) {
    const PacketRecord record = PacketRecord::Parse(text);
    const int fields = static_cast<int>(SplitFields(text).size());
    if (fields != PacketRecord::kFieldCount) {
        r.Fail(path, Translate("has {fields} fields, not 7", {{"fields", std::to_string(fields)}}));
        return;
    }
    if (!IsNumeric(record.stepCount) || ReadNumber(record.stepCount) < 0 ||
        ReadNumber(record.stepCount) >= PacketMotion::kArrivalTick) {
        r.Fail(path, Translate("the step count \"{value}\" is not from 0 to 25",
                               {{"value", record.stepCount}}));
        return;
    }
    const std::string_view kinds[] = {PacketRecord::kTable, PacketRecord::kUp,
                                      PacketRecord::kRouted, PacketRecord::kDelivery};
    if (std::find(std::begin(kinds), std::end(kinds), record.kind) == std::end(kinds)) {
        r.Fail(path, Translate("the kind \"{value}\" is none of T, U, R and D",
                               {{"value", record.kind}}));
        return;
    }
    const struct {
        const std::string& letter;
        const char* what;
    } routers[] = {
        {record.destination,
         Message("the destination is router {router}, which does not exist").data()},
        {record.hopEnd, Message("the hop ends at router {router}, which does not exist").data()},
        {record.hopStart,
         Message("the hop starts at router {router}, which does not exist").data()}};
    for (const auto& router : routers) {
        if (router.letter.size() != 1 || RouterIndex(router.letter) < 0) {
            r.Fail(path, Translate(router.what, {{"router", router.letter}}));
            return;
        }
    }
    // A table or routed data travels a link between two routers.
    const bool between =
        record.kind == PacketRecord::kTable || record.kind == PacketRecord::kRouted;
    if (between &&
        Topology::CostLabel(RouterIndex(record.hopStart), RouterIndex(record.hopEnd)) < 0) {
        r.Fail(path, Translate("the hop from {from} to {to} follows no link",
                               {{"from", record.hopStart}, {"to", record.hopEnd}}));
        return;
    }
    for (const std::string* step : {&record.stepX, &record.stepY}) {
        if (!IsNumeric(*step) || std::abs(ReadNumber(*step)) > kWidest) {
            r.Fail(path, Translate("the step \"{value}\" is not a number from -10000 to 10000",
                                   {{"value", *step}}));
            return;
        }
    }
}

} // namespace

JsonValue DemonstrationParts::RipJson(const RipState& rip) {
    Json seen = Json::Array();
    for (const auto& rows : rip.seen) {
        Json router = Json::Array();
        for (const RouteRow& row : rows) {
            router.items.push_back(RowJson(row));
        }
        seen.items.push_back(router);
    }
    Json queued = Json::Array();
    for (const auto& row : rip.queued) {
        queued.items.push_back(Numbers(row));
    }
    const RipSwitches& on = rip.on;
    return Json::Object()
        .Set("infinity", Json::Bool(on.infinity))
        .Set("periodic", Json::Bool(on.periodic))
        .Set("triggered", Json::Bool(on.triggered))
        .Set("hold-down", Json::Bool(on.holdDown))
        .Set("simple-split", Json::Bool(on.simpleSplit))
        .Set("timeout-only", Json::Bool(on.timeoutOnly))
        .Set("hold-down seconds", Json::Number(on.holdDownSeconds))
        .Set("clock", Json::Number(static_cast<double>(rip.clock)))
        .Set("next periodic", Numbers(rip.nextPeriodic))
        .Set("next triggered", Numbers(rip.nextTriggered))
        .Set("changed", Numbers(rip.changed))
        .Set("queued", queued)
        .Set("seen", seen);
}

JsonValue DemonstrationParts::PanelJson(const Snapshot::Panel& panel) {
    Json rows = Json::Array();
    for (int k = 0; k < Router::kRows; ++k) {
        Json row = RowJson(panel.rows[k]);
        row.Set("heard", Json::Number(static_cast<double>(panel.clocks[k].heard)))
            .Set("collected at", Json::Number(static_cast<double>(panel.clocks[k].garbageUntil)))
            .Set("held until", Json::Number(static_cast<double>(panel.clocks[k].heldUntil)));
        rows.items.push_back(row);
    }
    return Json::Object()
        .Set("rows", rows)
        .Set("height", Json::Number(panel.height))
        .Set("reply", Json::String(panel.reply))
        .Set("clock", Json::Number(static_cast<double>(panel.clock)));
}

JsonValue DemonstrationParts::PacketJson(const Snapshot::Packet& p) {
    const ShapeControl& m = p.marker;
    return Json::Object()
        .Set("visible", Json::Bool(m.visible))
        .Set("record", Json::String(m.tag))
        .Set("left", Json::Number(m.left))
        .Set("top", Json::Number(m.top))
        .Set("width", Json::Number(m.width))
        .Set("height", Json::Number(m.height))
        .Set("border", Json::Number(m.borderColour))
        .Set("fill", Json::Number(m.fillColour))
        .Set("border width", Json::Number(m.borderWidth))
        .Set("payload", Json::String(p.payload))
        .Set("link cost", Json::Number(p.linkCost));
}

RipState DemonstrationParts::ReadRip(JsonReader& r, const Json& value, const std::string& path) {
    r.Members(value, path,
              {"infinity", "periodic", "triggered", "hold-down", "simple-split", "timeout-only",
               "hold-down seconds", "clock", "next periodic", "next triggered", "changed", "queued",
               "seen"});
    RipState rip;
    const auto flag = [&](const char* key) {
        return r.Bool(r.Member(value, path, key), JsonReader::At(path, key));
    };
    rip.on.infinity = flag("infinity");
    rip.on.periodic = flag("periodic");
    rip.on.triggered = flag("triggered");
    rip.on.holdDown = flag("hold-down");
    rip.on.simpleSplit = flag("simple-split");
    rip.on.timeoutOnly = flag("timeout-only");
    const std::string seconds = JsonReader::At(path, "hold-down seconds");
    rip.on.holdDownSeconds = static_cast<int>(r.Integer(
        r.Member(value, path, "hold-down seconds"), seconds, 1, RipSwitches::kMostHoldDownSeconds));
    rip.clock = static_cast<long>(
        r.Integer(r.Member(value, path, "clock"), JsonReader::At(path, "clock"), 0, kLongest));
    const auto ticks = [&](const char* key, auto& into) {
        const std::string at = JsonReader::At(path, key);
        const auto& items = r.Array(r.Member(value, path, key), at, kRouterCount);
        for (std::size_t i = 0; i < items.size(); ++i) {
            into[i] = static_cast<long>(r.Integer(items[i], JsonReader::At(at, i), 0, kLongest));
        }
    };
    ticks("next periodic", rip.nextPeriodic);
    ticks("next triggered", rip.nextTriggered);
    const std::string changed = JsonReader::At(path, "changed");
    const auto& rows = r.Array(r.Member(value, path, "changed"), changed, kRouterCount);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rip.changed[i] =
            static_cast<std::uint8_t>(r.Integer(rows[i], JsonReader::At(changed, i), 0, kRowMask));
    }
    const std::string queued = JsonReader::At(path, "queued");
    const auto& senders = r.Array(r.Member(value, path, "queued"), queued, kRouterCount);
    for (std::size_t p = 0; p < senders.size(); ++p) {
        const std::string at = JsonReader::At(queued, p);
        const auto& receivers = r.Array(senders[p], at, kRouterCount);
        for (std::size_t q = 0; q < receivers.size(); ++q) {
            rip.queued[p][q] = static_cast<std::uint8_t>(
                r.Integer(receivers[q], JsonReader::At(at, q), 0, kRowMask));
            const int from = static_cast<int>(p);
            const int to = static_cast<int>(q);
            if (r.Ok() && rip.queued[p][q] != 0 && Topology::CostLabel(from, to) < 0) {
                r.Fail(JsonReader::At(at, q),
                       Translate("a table waits to go from {from} to {to}, which no link joins",
                                 {{"from", RouterLetter(from)}, {"to", RouterLetter(to)}}));
            }
        }
    }
    const std::string seen = JsonReader::At(path, "seen");
    const auto& routers = r.Array(r.Member(value, path, "seen"), seen, kRouterCount);
    for (std::size_t i = 0; i < routers.size(); ++i) {
        const std::string at = JsonReader::At(seen, i);
        const auto& list = r.Array(routers[i], at, Router::kRows);
        for (std::size_t k = 0; k < list.size(); ++k) {
            rip.seen[i][k] = ReadRow(r, list[k], JsonReader::At(at, k), false);
        }
    }
    return rip;
}

Snapshot::Panel DemonstrationParts::ReadPanel(JsonReader& r, const Json& value,
                                              const std::string& path) {
    r.Members(value, path, {"rows", "height", "reply", "clock"});
    Snapshot::Panel panel;
    const std::string at = JsonReader::At(path, "rows");
    const auto& rows = r.Array(r.Member(value, path, "rows"), at, Router::kRows);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        panel.rows[k] = ReadRow(r, rows[k], JsonReader::At(at, k), true);
        panel.clocks[k] = ReadClock(r, rows[k], JsonReader::At(at, k));
    }
    panel.height = static_cast<int>(
        r.Integer(r.Member(value, path, "height"), JsonReader::At(path, "height"), 0, kWidest));
    panel.reply = r.String(r.Member(value, path, "reply"), JsonReader::At(path, "reply"));
    panel.clock = static_cast<long>(
        r.Integer(r.Member(value, path, "clock"), JsonReader::At(path, "clock"), 0, kLongest));
    return panel;
}

Snapshot::Packet DemonstrationParts::ReadPacket(JsonReader& r, const Json& value,
                                                const std::string& path) {
    r.Members(value, path,
              {"visible", "record", "left", "top", "width", "height", "border", "fill",
               "border width", "payload", "link cost"});
    Snapshot::Packet p;
    ShapeControl& m = p.marker;
    const auto at = [&](const char* key) { return JsonReader::At(path, key); };
    const auto member = [&](const char* key) -> const Json& { return r.Member(value, path, key); };
    m.visible = r.Bool(member("visible"), at("visible"));
    m.tag = r.String(member("record"), at("record"));
    if (m.visible && r.Ok()) {
        CheckRecord(r, m.tag, at("record"));
    }
    const auto place = [&](const char* key, double lo, double hi) {
        return static_cast<float>(r.Number(member(key), at(key), lo, hi));
    };
    m.left = place("left", -kFarthest, kFarthest);
    m.top = place("top", -kFarthest, kFarthest);
    m.width = place("width", 0, kWidest);
    m.height = place("height", 0, kWidest);
    m.borderColour = static_cast<int>(r.Integer(member("border"), at("border"), 0, kMostColour));
    m.fillColour = static_cast<int>(r.Integer(member("fill"), at("fill"), 0, kMostColour));
    m.borderWidth =
        static_cast<int>(r.Integer(member("border width"), at("border width"), 0, kThickest));
    p.payload = r.String(member("payload"), at("payload"));
    // What the cost label read when the table went: a blank or one digit.
    p.linkCost = static_cast<int>(r.Integer(member("link cost"), at("link cost"), 0, 9));
    return p;
}

void DemonstrationParts::CheckAgainstRules(JsonReader& r, const Snapshot& d,
                                           const std::string& path) {
    const auto at = [&](const char* key) { return JsonReader::At(path, key); };
    const RipState& rip = d.rip;
    if (rip.on.infinity) {
        for (std::size_t c = 0; c < d.costs.size() && r.Ok(); ++c) {
            if (ReadNumber(d.costs[c]) < 1) {
                r.Fail(JsonReader::At(at("costs"), c),
                       Translate("{value} costs less than 1, and infinity is 16",
                                 {{"value", JsonReader::Quote(d.costs[c])}}));
            }
        }
    }
    // No clock of RIP's is set further ahead than the longest hold-down.
    const long ahead = RipRules::Ticks(RipSwitches::kMostHoldDownSeconds);
    const auto late = [&](long tick, long now, const std::string& where) {
        if (r.Ok() && tick > now + ahead) {
            r.Fail(where,
                   Translate("{tick} lies more than {seconds} s after RIP's clock",
                             {{"tick", std::to_string(tick)},
                              {"seconds", std::to_string(RipSwitches::kMostHoldDownSeconds)}}));
        }
    };
    for (int i = 0; i < kRouterCount; ++i) {
        late(rip.nextPeriodic[i], rip.clock, JsonReader::At(at("rip.next periodic"), i));
        late(rip.nextTriggered[i], rip.clock, JsonReader::At(at("rip.next triggered"), i));
    }
    for (std::size_t i = 0; i < d.routers.size() && r.Ok(); ++i) {
        const Snapshot::Panel& panel = d.routers[i];
        const std::string rows = JsonReader::At(JsonReader::At(at("routers"), i), "rows");
        for (int k = 0; k < Router::kRows && r.Ok(); ++k) {
            const std::string row = JsonReader::At(rows, k);
            const RouteRow& route = panel.rows[k];
            if (rip.on.infinity && IsNumeric(route.cost) &&
                ReadNumber(route.cost) >= RipRules::kInfinity) {
                r.Fail(JsonReader::At(row, "cost"),
                       Translate("{value} is 16 or more, and infinity is 16",
                                 {{"value", JsonReader::Quote(route.cost)}}));
            }
            late(panel.clocks[k].heard, panel.clock, JsonReader::At(row, "heard"));
            late(panel.clocks[k].garbageUntil, panel.clock, JsonReader::At(row, "collected at"));
            late(panel.clocks[k].heldUntil, panel.clock, JsonReader::At(row, "held until"));
        }
    }
}
