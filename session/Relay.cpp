#include "session/Relay.h"

#include "common/Translate.h"
#include "session/Hall.h"

std::optional<Relay::Place> Relay::Read(std::string_view text, std::string& fault) {
    const std::string given(text);
    constexpr std::string_view kScheme = "nats://";
    if (text.substr(0, kScheme.size()) != kScheme) {
        fault = Translate("A relay's address begins nats://, as {example}, not '{given}'.",
                          {{"example", "nats://relay.example.edu:4222"}, {"given", given}});
        return std::nullopt;
    }
    text.remove_prefix(kScheme.size());
    if (!text.empty() && text.back() == '/') {
        text.remove_suffix(1);
    }
    Place place;
    if (const std::size_t at = text.rfind('@'); at != std::string_view::npos) {
        const std::string_view who = text.substr(0, at);
        const std::size_t colon = who.find(':');
        place.user = std::string(who.substr(0, colon));
        place.password = colon == std::string_view::npos ? "" : std::string(who.substr(colon + 1));
        text.remove_prefix(at + 1);
    }
    // The host and port as a hall's place is written; a relay's own port where none is given.
    const bool ported = text.find("]:") != std::string_view::npos ||
                        (!text.empty() && text.front() != '[' && text.find(':') != text.npos);
    const std::optional<Hall::Place> at = Hall::ReadPlace(text, fault);
    if (!at) {
        return std::nullopt;
    }
    place.host = at->host;
    place.port = ported ? at->port : kPort;
    if (place.host.empty() || place.user.empty() ||
        place.host.find_first_of("/?#@ ") != std::string::npos) {
        fault = Translate("A relay's address names its host, as {example}, not '{given}'.",
                          {{"example", "nats://relay.example.edu:4222"}, {"given", given}});
        return std::nullopt;
    }
    if (place.port == 0) {
        fault = Translate("The relay's port must be a whole number from 1 to 65535, in '{given}'.",
                          {{"given", given}});
        return std::nullopt;
    }
    return place;
}

namespace {

std::string Host(const std::string& host) {
    return host.find(':') != std::string::npos ? "[" + host + "]" : host;
}

std::string Subject(std::string_view code, std::string_view what) {
    return "lecture." + std::string(code) + "." + std::string(what);
}

} // namespace

std::string Relay::Server(const Place& place) {
    return "nats://" + Host(place.host) + ":" + std::to_string(place.port);
}

std::string Relay::Events(std::string_view code) {
    return Subject(code, "events");
}

std::string Relay::Snapshots(std::string_view code) {
    return Subject(code, "snapshot");
}

std::string Relay::Answers(std::string_view code) {
    return Subject(code, "answers");
}

std::string Relay::Page(const Place& place) {
    return "https://" + Host(place.host) + "/?relay=wss://" + Host(place.host);
}

std::string Relay::Trouble(std::string_view error) {
    return error.find("Authorization") != std::string_view::npos ? Refused(error)
                                                                 : Translate(kUnreachable);
}

std::string Relay::PageFault(std::string_view text) {
    if (text.substr(0, 7) != "http://" && text.substr(0, 8) != "https://") {
        return Translate("The page phones open is an http:// or https:// address, not '{given}'.",
                         {{"given", std::string(text)}});
    }
    return "";
}

std::string Relay::Address(std::string_view page, std::string_view code) {
    const bool asks = page.find('?') != std::string_view::npos;
    return std::string(page) + (asks ? "&" : "?") + "follow=" + std::string(code);
}
