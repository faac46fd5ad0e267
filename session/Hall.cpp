#include "session/Hall.h"

#include "common/SeededRandom.h"
#include "common/Translate.h"
#include "session/Event.h"
#include "session/EventWords.h"
#include "session/HallAnswers.h"

#include <algorithm>
#include <charconv>

std::optional<Hall::Place> Hall::ReadPlace(std::string_view text, std::string& fault) {
    Place place;
    std::string_view port;
    if (!text.empty() && text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos ||
            (close + 1 < text.size() && text[close + 1] != ':')) {
            fault =
                Translate("An IPv6 address is written in brackets, as [::1]:8321, not '{given}'.",
                          {{"given", std::string(text)}});
            return std::nullopt;
        }
        place.host = std::string(text.substr(1, close - 1));
        port = close + 1 < text.size() ? text.substr(close + 2) : std::string_view();
        if (close + 1 < text.size() && port.empty()) {
            port = "-";
        }
    } else {
        const std::size_t colon = text.find(':');
        place.host = std::string(text.substr(0, colon));
        if (colon != std::string_view::npos) {
            port = text.substr(colon + 1);
            if (port.empty() || port.find(':') != std::string_view::npos) {
                port = "-";
            }
        }
    }
    if (!port.empty()) {
        int value = 0;
        const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
        if (error != std::errc() || end != port.data() + port.size() || value < 0 ||
            value > 65535) {
            fault = Translate("The port must be a whole number from 0 to 65535, in '{given}'.",
                              {{"given", std::string(text)}});
            return std::nullopt;
        }
        place.port = value;
    }
    return place;
}

std::string Hall::NewCode(std::uint64_t seed) {
    SeededRandom random(seed);
    std::string code;
    for (std::size_t i = 0; i < kCodeLength; ++i) {
        const auto pick = static_cast<std::size_t>(random.Next() * kCodeLetters.size());
        code += kCodeLetters[std::min(pick, kCodeLetters.size() - 1)];
    }
    return code;
}

std::string Hall::Address(const std::string& host, int port, const std::string& code) {
    const bool six = host.find(':') != std::string::npos;
    return "http://" + (six ? "[" + host + "]" : host) + ":" + std::to_string(port) +
           "/?follow=" + code;
}

namespace {

// An IPv4 address's four bytes, or none for anything else.
std::optional<std::uint32_t> FourBytes(std::string_view text) {
    std::uint32_t address = 0;
    for (int part = 0; part < 4; ++part) {
        unsigned value = 256;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        const auto used = static_cast<std::size_t>(end - text.data());
        if (error != std::errc() || value > 255 || used == 0 || used > 3) {
            return std::nullopt;
        }
        address = (address << 8) | value;
        text.remove_prefix(used);
        if (part < 3) {
            if (text.empty() || text.front() != '.') {
                return std::nullopt;
            }
            text.remove_prefix(1);
        }
    }
    if (!text.empty()) {
        return std::nullopt;
    }
    return address;
}

// Where an address comes in the order a hall is offered them; none where it is left out.
std::optional<int> HostRank(const std::string& text) {
    if (const std::optional<std::uint32_t> four = FourBytes(text)) {
        const std::uint32_t a = *four;
        if ((a >> 24) == 127 || a == 0) {
            return std::nullopt;
        }
        if ((a >> 24) == 10 || (a >> 20) == ((172u << 4) | 1u) ||
            (a >> 16) == ((192u << 8) | 168u)) {
            return 0;
        }
        return (a >> 16) == ((169u << 8) | 254u) ? 4 : 1;
    }
    if (text.find(':') == std::string::npos ||
        text.find_first_not_of("0123456789abcdefABCDEF:.") != std::string::npos) {
        return std::nullopt; // not an address, or one with a scope (link-local)
    }
    std::string lower;
    for (const char c : text) {
        lower += static_cast<char>(c >= 'A' && c <= 'F' ? c - 'A' + 'a' : c);
    }
    if (lower.find_first_not_of("0:") == std::string::npos || lower == "::1" ||
        lower.rfind("fe8", 0) == 0 || lower.rfind("fe9", 0) == 0 || lower.rfind("fea", 0) == 0 ||
        lower.rfind("feb", 0) == 0) {
        return std::nullopt; // unspecified, loopback, link-local
    }
    return lower.rfind("fc", 0) == 0 || lower.rfind("fd", 0) == 0 ? 2 : 3;
}

} // namespace

std::vector<std::string> Hall::Hosts(const std::vector<std::string>& addresses) {
    std::vector<std::pair<int, std::string>> ranked;
    for (const std::string& address : addresses) {
        const std::optional<int> rank = HostRank(address);
        const auto same = [&](const auto& kept) { return kept.second == address; };
        if (rank && std::none_of(ranked.begin(), ranked.end(), same)) {
            ranked.emplace_back(*rank, address);
        }
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> hosts;
    for (auto& [rank, address] : ranked) {
        hosts.push_back(std::move(address));
    }
    if (hosts.empty()) {
        hosts.emplace_back("127.0.0.1");
    }
    return hosts;
}

std::string Hall::Badge(int following, std::optional<int> answered) {
    const std::string badge =
        Translate("Hall: {count} following", {{"count", std::to_string(following)}});
    return answered ? Translate(
                          "{badge}, {answered}",
                          {{"badge", badge}, {"answered", HallAnswers::Said(*answered, following)}})
                    : badge;
}

std::string Hall::Answer(int number, const std::vector<std::string>& cells) {
    std::string text = "answer " + std::to_string(number) + " " + std::to_string(cells.size());
    for (const std::string& cell : cells) {
        text += " " + EventWords::Escaped(cell);
    }
    return text;
}

Hall::Message Hall::Read(std::string_view text) {
    Message message;
    if (text.size() > kLongestMessage) {
        message.fault = "a message over " + std::to_string(kLongestMessage) + " bytes";
        return message;
    }
    EventWords words(text, 3 + Event::kMostCells);
    const std::string_view kind = words.Next("message");
    if (kind == "snapshot" || kind == "here") {
        words.End();
        message.kind = kind == "here" ? Message::Kind::Here : Message::Kind::Snapshot;
    } else if (kind == "answer") {
        message.number = static_cast<int>(words.Number("question", 1, Event::kLatest));
        const long count = words.Number("cells", 0, static_cast<long>(Event::kMostCells));
        for (long cell = 0; cell < count && words.Fault().empty(); ++cell) {
            message.cells.push_back(words.Text("cell", Event::kLongestCell));
        }
        words.End();
        message.kind = Message::Kind::Answer;
    } else {
        words.Fail("unknown message \"" + std::string(kind.substr(0, 24)) + "\"");
    }
    if (!words.Fault().empty()) {
        message = {};
        message.fault = words.Fault();
    }
    return message;
}

Hall::Bar Hall::FollowBar(Link link, bool exploring, bool lecturerAsks) {
    if (exploring) {
        if (link == Link::Stopped) {
            return {Translate("Exploring on your own; the lecturer has stopped the hall following"),
                    ""};
        }
        return {lecturerAsks ? Translate("The lecturer asks a question: follow again to answer it")
                             : Translate("Exploring on your own; the lecturer goes on"),
                Translate(kFollowAgain)};
    }
    switch (link) {
    case Link::Joining:
        return {Translate("Joining the lecturer\u2019s demonstration\u2026"), ""};
    case Link::Following:
        return {Translate("Following the lecturer"), Translate(kExplore)};
    case Link::Lost:
        return {Translate("Connection lost: trying again"), Translate(kExplore)};
    case Link::Stopped:
        break;
    }
    return {Translate("The lecturer has stopped the hall following"), Translate(kExplore)};
}
