#include "session/Hall.h"

#include "common/SeededRandom.h"
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
            fault = "An IPv6 address is written in brackets, as [::1]:8321, not '" +
                    std::string(text) + "'.";
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
            fault =
                "The port must be a whole number from 0 to 65535, in '" + std::string(text) + "'.";
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

std::string Hall::Badge(int following, std::optional<int> answered) {
    const std::string badge = "Hall: " + std::to_string(following) + " following";
    return answered ? badge + ", " + HallAnswers::Said(*answered, following) : badge;
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
    if (kind == "snapshot") {
        words.End();
        message.kind = Message::Kind::Snapshot;
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
            return {"Exploring on your own; the lecturer has stopped the hall following", ""};
        }
        return {lecturerAsks ? "The lecturer asks a question: follow again to answer it"
                             : "Exploring on your own; the lecturer goes on",
                std::string(kFollowAgain)};
    }
    switch (link) {
    case Link::Joining:
        return {"Joining the lecturer\u2019s demonstration\u2026", ""};
    case Link::Following:
        return {"Following the lecturer", std::string(kExplore)};
    case Link::Lost:
        return {"Connection lost: trying again", std::string(kExplore)};
    case Link::Stopped:
        break;
    }
    return {"The lecturer has stopped the hall following", std::string(kExplore)};
}
