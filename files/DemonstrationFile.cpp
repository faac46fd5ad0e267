#include "files/DemonstrationFile.h"

#include "app/Scenarios.h"
#include "common/Fields.h"
#include "common/JsonReader.h"
#include "common/Translate.h"
#include "files/DemonstrationParts.h"
#include "files/FileWords.h"
#include "packets/PacketMotion.h"

namespace {

using Json = JsonValue;

constexpr long long kLongest = 1LL << 53; // ticks: whole numbers a double holds

// A cost label's text: blank, or one digit with or without a leading blank.
bool CostText(const std::string& text) {
    const std::string_view digits = TrimBlanks(text);
    return text.empty() || (digits.size() == 1 && digits[0] >= '0' && digits[0] <= '9' &&
                            text.size() <= 2 && text.back() == digits[0]);
}

} // namespace

std::string DemonstrationFile::CheckSize(std::size_t bytes) {
    if (bytes > kMostBytes) {
        return Translate("is {bytes} bytes long; a demonstration is at most {most} bytes",
                         {{"bytes", std::to_string(bytes)}, {"most", std::to_string(kMostBytes)}});
    }
    return "";
}

JsonValue DemonstrationFile::ToJson(const Snapshot& d) {
    Json costs = Json::Array();
    for (const std::string& cost : d.costs) {
        costs.items.push_back(Json::String(cost));
    }
    Json links = Json::Object();
    for (int b = 0; b < Layout::kBreakCount; ++b) {
        links.Set(FileWords::LinkName(b), Json::String(d.broken[b] ? "broken" : "up"));
    }
    Json routers = Json::Array();
    for (const Snapshot::Panel& panel : d.routers) {
        routers.items.push_back(DemonstrationParts::PanelJson(panel));
    }
    Json packets = Json::Array();
    for (const Snapshot::Packet& packet : d.packets) {
        packets.items.push_back(DemonstrationParts::PacketJson(packet));
    }
    Json picks = Json::Object()
                     .Set("start", Json::Number(d.start))
                     .Set("end", Json::Number(d.end))
                     .Set("router started", Json::Bool(d.routerStarted))
                     .Set("network started", Json::Bool(d.networkStarted));
    Json random = Json::Object()
                      .Set("seed", Json::String(std::to_string(d.random.seed)))
                      .Set("state", Json::String(std::to_string(d.random.state)));
    return Json::Object()
        .Set("format", Json::String(kFormat))
        .Set("version", Json::Number(kVersion))
        .Set("scenario", Json::String(d.scenario))
        .Set("costs", costs)
        .Set("links", links)
        .Set("split horizons", Json::Number(d.split))
        .Set("paused", Json::Bool(d.paused))
        .Set("many", Json::Bool(d.many))
        .Set("status", Json::String(d.status))
        .Set("picks", picks)
        .Set("countdown", Json::Number(d.countdown))
        .Set("tick", Json::Number(static_cast<double>(d.tick)))
        .Set("speed", Json::String(FileWords::SpeedName(d.speed)))
        .Set("random", random)
        .Set("rip", DemonstrationParts::RipJson(d.rip))
        .Set("routers", routers)
        .Set("packets", packets);
}

void DemonstrationFile::CheckFormat(JsonReader& r, const JsonValue& document, const char* format) {
    if (document.kind != JsonValue::Kind::Object) {
        r.Fail("", Translate("is not a JSON object"));
        return;
    }
    const std::string name = r.String(r.Member(document, "", "format"), "format");
    if (r.Ok() && name != format) {
        r.Fail("format", Translate("{value} is not \"{format}\"",
                                   {{"value", JsonReader::Quote(name)}, {"format", format}}));
        return;
    }
    const JsonValue& version = r.Member(document, "", "version");
    const long long number = r.Integer(version, "version", 1, 1LL << 31);
    if (r.Ok() && number > kVersion) {
        r.Fail("version", Translate("the file was written in version {version} of the format; "
                                    "this program reads version {read} and older",
                                    {{"version", std::to_string(number)},
                                     {"read", std::to_string(kVersion)}}));
    }
}

Snapshot DemonstrationFile::ReadDemonstration(JsonReader& r, const JsonValue& v,
                                              const std::string& path) {
    const auto at = [&](const char* key) { return JsonReader::At(path, key); };
    const auto member = [&](const char* key) -> const Json& { return r.Member(v, path, key); };
    r.Members(v, path,
              {"format", "version", "scenario", "costs", "links", "split horizons", "paused",
               "many", "status", "picks", "countdown", "tick", "speed", "random", "rip", "routers",
               "packets"});
    Snapshot d;
    d.scenario = r.String(member("scenario"), at("scenario"));
    if (r.Ok() && !Scenarios::Known(d.scenario)) {
        r.Fail(at("scenario"), Translate("no scenario is called {value}",
                                         {{"value", JsonReader::Quote(d.scenario)}}));
    }
    const auto& costs = r.Array(member("costs"), at("costs"), Layout::kCostLabelCount);
    for (std::size_t c = 0; c < costs.size(); ++c) {
        d.costs[c] = r.String(costs[c], JsonReader::At(at("costs"), c));
        if (r.Ok() && !CostText(d.costs[c])) {
            r.Fail(JsonReader::At(at("costs"), c),
                   Translate("{value} is neither blank nor one digit",
                             {{"value", JsonReader::Quote(d.costs[c])}}));
        }
    }
    const Json& links = member("links");
    std::vector<std::string_view> names;
    std::vector<std::string> linkNames;
    for (int b = 0; b < Layout::kBreakCount; ++b) {
        linkNames.push_back(FileWords::LinkName(b));
    }
    for (const std::string& name : linkNames) {
        names.push_back(name);
    }
    r.Members(links, at("links"), names);
    for (int b = 0; b < Layout::kBreakCount; ++b) {
        d.broken[b] = r.Choice(r.Member(links, at("links"), linkNames[b]),
                               JsonReader::At(at("links"), linkNames[b]), {"up", "broken"}) == 1;
    }
    d.split = static_cast<int>(r.Integer(member("split horizons"), at("split horizons"), 0, 2));
    d.paused = r.Bool(member("paused"), at("paused"));
    d.many = r.Bool(member("many"), at("many"));
    d.status = r.String(member("status"), at("status"));
    const Json& picks = member("picks");
    r.Members(picks, at("picks"), {"start", "end", "router started", "network started"});
    const auto pick = [&](const char* key) {
        return static_cast<int>(r.Integer(r.Member(picks, at("picks"), key),
                                          JsonReader::At(at("picks"), key), 0, kRouterCount - 1));
    };
    d.start = pick("start");
    d.end = pick("end");
    d.routerStarted = r.Bool(r.Member(picks, at("picks"), "router started"),
                             JsonReader::At(at("picks"), "router started"));
    d.networkStarted = r.Bool(r.Member(picks, at("picks"), "network started"),
                              JsonReader::At(at("picks"), "network started"));
    d.countdown = static_cast<int>(
        r.Integer(member("countdown"), at("countdown"), 0, PacketMotion::kCountdownCycle - 1));
    d.tick = static_cast<long>(r.Integer(member("tick"), at("tick"), 0, kLongest));
    d.speed = FileWords::kSpeedValues[static_cast<std::size_t>(
        r.Choice(member("speed"), at("speed"), FileWords::kSpeeds))];
    const Json& random = member("random");
    r.Members(random, at("random"), {"seed", "state"});
    d.random.seed =
        r.Unsigned(r.Member(random, at("random"), "seed"), JsonReader::At(at("random"), "seed"));
    d.random.state =
        r.Unsigned(r.Member(random, at("random"), "state"), JsonReader::At(at("random"), "state"));
    d.rip = DemonstrationParts::ReadRip(r, member("rip"), at("rip"));
    const auto& routers = r.Array(member("routers"), at("routers"), kRouterCount);
    for (std::size_t i = 0; i < routers.size(); ++i) {
        d.routers[i] =
            DemonstrationParts::ReadPanel(r, routers[i], JsonReader::At(at("routers"), i));
    }
    const auto& packets = r.Array(member("packets"), at("packets"), kPacketSlots);
    for (std::size_t i = 0; i < packets.size(); ++i) {
        d.packets[i] =
            DemonstrationParts::ReadPacket(r, packets[i], JsonReader::At(at("packets"), i));
    }
    if (r.Ok()) {
        DemonstrationParts::CheckAgainstRules(r, d, path);
    }
    return d;
}

DemonstrationFile::Read DemonstrationFile::FromJson(const JsonValue& document) {
    JsonReader r;
    Read read;
    if (document.Depth() > kDeepest) {
        read.fault = Translate(
            "the document nests {depth} deep; a demonstration nests at most {most}",
            {{"depth", std::to_string(document.Depth())}, {"most", std::to_string(kDeepest)}});
        return read;
    }
    CheckFormat(r, document, kFormat);
    const Snapshot d = ReadDemonstration(r, document, "");
    read.fault = r.Fault();
    read.ignored = r.Ignored();
    if (r.Ok()) {
        read.demonstration = d;
    }
    return read;
}
