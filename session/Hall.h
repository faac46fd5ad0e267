#pragma once

#include "common/Translate.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A hall that follows the lecture: the join code a phone gives with the address, the address
// shown, what a follower may send, and the sentences the lecturer reads about the hall.
class Hall {
public:
    // Letters and digits no one misreads from the back row: no 0, O, 1 or I.
    static constexpr std::string_view kCodeLetters = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";
    static constexpr std::size_t kCodeLength = 6;
    // The most a follower may send in one message, and how often.
    static constexpr std::size_t kLongestMessage = 256;
    static constexpr long kMessageEvery = 1000; // milliseconds

    // Where the lecturer's program serves a hall: an address of the machine (empty: all of
    // them) and a port (0: any free one).
    static constexpr int kPort = 8321;
    struct Place {
        std::string host;
        int port = kPort;
        bool operator==(const Place&) const = default;
    };
    // "[ADDRESS][:PORT]", an IPv6 address in brackets: "", "127.0.0.1:0", "[::1]:9000", ":80".
    // None, and why in `fault`, where the port is no port.
    static std::optional<Place> ReadPlace(std::string_view text, std::string& fault);

    // A fresh join code drawn from `seed`.
    static std::string NewCode(std::uint64_t seed);
    // The address a phone opens: "http://192.168.4.20:8321/?follow=K7QX2M" ([...] round an IPv6
    // host).
    static std::string Address(const std::string& host, int port, const std::string& code);
    // The machine's addresses (`addresses`, as written) in the order a hall is offered them:
    // private IPv4 networks first (10/8, 172.16/12, 192.168/16: a hall's Wi-Fi, a lecturer's
    // hotspot), then other IPv4 addresses, IPv6 ones (unique local before global) and IPv4
    // link-local last; loopback, IPv6 link-local and what is no address left out, each kept once.
    // None: loopback alone, "127.0.0.1".
    static std::vector<std::string> Hosts(const std::vector<std::string>& addresses);
    // The badge while the hall follows: "Hall: 37 following", and while a question is asked
    // "Hall: 37 following, 12 of 37 answered".
    static std::string Badge(int following, std::optional<int> answered = std::nullopt);

    // What a follower sends: a request for a snapshot, or its answer to question `number` (the
    // cells in their order), or through a relay that it is still there; or nothing the lecture
    // takes (with why).
    struct Message {
        enum class Kind { Snapshot, Answer, Here, Refused };
        Kind kind = Kind::Refused;
        int number = 0;
        std::vector<std::string> cells;
        std::string fault;
    };
    static Message Read(std::string_view text);
    // The same as its text: "snapshot", "here", or "answer NUMBER COUNT =CELL...".
    static std::string Snapshot() { return "snapshot"; }
    static std::string Here() { return "here"; }
    static std::string Answer(int number, const std::vector<std::string>& cells);

    // A student's page and the lecturer: joining (no snapshot yet), following, the connection
    // lost (being tried again), or stopped by the lecturer.
    enum class Link { Joining, Following, Lost, Stopped };
    // The bar a follower reads at the top of the page, and its one button ("" for none):
    // "Explore from here" gives the student a copy of the moment of their own, "Follow again"
    // goes back to the lecturer's.
    struct Bar {
        std::string said;
        std::string button;
        bool operator==(const Bar&) const = default;
    };
    static constexpr std::string_view kExplore = ::Message("Explore from here");
    static constexpr std::string_view kFollowAgain = ::Message("Follow again");
    static Bar FollowBar(Link link, bool exploring, bool lecturerAsks);
};
