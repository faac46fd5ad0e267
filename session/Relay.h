#pragma once

#include "common/Translate.h"

#include <optional>
#include <string>
#include <string_view>

// A relay a lecture goes through past one hall: a NATS server that the lecturer's program and the
// students' browsers both reach (deploy/nats configures one). Where it is, the subjects a lecture
// uses on it, and the address a phone opens to follow through it.
class Relay {
public:
    static constexpr int kPort = 4222;
    // A lecturer's program connects as this user unless the address names another.
    static constexpr std::string_view kLecturer = "lecturer";

    struct Place {
        std::string host;
        int port = kPort;
        std::string user{kLecturer};
        std::string password;
        bool operator==(const Place&) const = default;
    };
    // "nats://[USER[:PASSWORD]@]HOST[:PORT]", an IPv6 host in brackets; none, and why in `fault`.
    static std::optional<Place> Read(std::string_view text, std::string& fault);
    // "nats://HOST:PORT", as the client library connects to it (the user and password apart).
    static std::string Server(const Place& place);

    // The subjects of lecture `code`: the numbered frames the lecturer publishes, the snapshots,
    // and what the phones send (the same texts as a hall's: Hall::Read).
    static std::string Events(std::string_view code);
    static std::string Snapshots(std::string_view code);
    static std::string Answers(std::string_view code);

    // Where phones open the page and reach the relay, unless the lecturer says: the page hosted
    // with the relay, "https://HOST/?relay=wss://HOST".
    static std::string Page(const Place& place);
    // Whether `text` is a page's address a phone may open ("" where it is, else why).
    static std::string PageFault(std::string_view text);
    // The address a phone opens: `page` (the page with its relay given) and the join code,
    // "https://relay.example.edu/?relay=wss://relay.example.edu&follow=K7QX2M".
    static std::string Address(std::string_view page, std::string_view code);

    // The lecturer's dialogue for a relay (the menu's "Follow through a relay..."); the password
    // is not kept.
    static constexpr std::string_view kDialogue = Message("Follow through a relay");
    static constexpr std::string_view kUse = Message("Let the hall follow through this relay");
    static constexpr std::string_view kServerLabel = Message("Relay:");
    static constexpr std::string_view kServerHint = "nats://relay.example.edu:4222";
    static constexpr std::string_view kPasswordLabel = Message("Lecturer's password:");
    static constexpr std::string_view kPageLabel = Message("Page phones open:");
    static constexpr std::string_view kPageHint = Message("the page hosted with the relay");
    static constexpr std::string_view kKept = Message("Kept for next time, but for the password.");

    // How the lecturer's program stands with the relay, where it is not connected, for the badge.
    static constexpr std::string_view kUnreachable = Message("Relay: unreachable, trying again");
    // "Relay: refused: Authorization Violation", the relay's words.
    static std::string Refused(std::string_view why) {
        return Translate("Relay: refused: {why}", {{"why", std::string(why)}});
    }
    // What the badge says while the program is not connected, the client library's last error
    // given: refused where the relay turned the lecturer away, else unreachable.
    static std::string Trouble(std::string_view error);

    // How often a phone following through a relay says it is there, and how long the lecturer's
    // program counts it after it last did.
    static constexpr long kHereEvery = 20000; // milliseconds
    static constexpr long kHereFor = 45000;
};
