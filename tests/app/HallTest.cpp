// A hall that follows: where it is served, the join code and address, and what a follower may send.
#include "session/Hall.h"
#include "session/StartOptions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

TEST(Hall, APlaceIsAnAddressAndAPortEitherLeftOut) {
    const std::vector<std::pair<std::string, Hall::Place>> good{
        {"", {"", 8321}},
        {"127.0.0.1:0", {"127.0.0.1", 0}},
        {"192.168.4.20", {"192.168.4.20", 8321}},
        {":9000", {"", 9000}},
        {"[::1]:65535", {"::1", 65535}},
        {"[::]", {"::", 8321}},
    };
    for (const auto& [text, place] : good) {
        std::string fault;
        const std::optional<Hall::Place> read = Hall::ReadPlace(text, fault);
        ASSERT_TRUE(read) << text << ": " << fault;
        EXPECT_EQ(*read, place) << text;
    }
    for (const char* text : {"1.2.3.4:", "1.2.3.4:65536", "1.2.3.4:-1", "1.2.3.4:80x", "::1",
                             "[::1]80", "[::1]:", "[::1"}) {
        std::string fault;
        EXPECT_FALSE(Hall::ReadPlace(text, fault)) << text;
        EXPECT_FALSE(fault.empty()) << text;
    }
    StartOptions options;
    EXPECT_EQ(options.Set("serve", "127.0.0.1:99999"),
              "The port must be a whole number from 0 to 65535, in '127.0.0.1:99999'.");
    EXPECT_EQ(options.Set("serve", "10.0.0.2:8000"), "");
    EXPECT_EQ(options.serve, (Hall::Place{"10.0.0.2", 8000}));
}

TEST(Hall, AJoinCodeIsSixLettersAndDigitsNoOneMisreads) {
    std::set<std::string> codes;
    for (std::uint64_t seed = 0; seed < 2000; ++seed) {
        const std::string code = Hall::NewCode(seed);
        ASSERT_EQ(code.size(), 6u);
        EXPECT_EQ(code.find_first_of("0O1I"), std::string::npos) << code;
        EXPECT_EQ(code.find_first_not_of("ABCDEFGHJKLMNPQRSTUVWXYZ23456789"), std::string::npos)
            << code;
        codes.insert(code);
    }
    EXPECT_GT(codes.size(), 1990u) << "seeds give codes of their own";
    EXPECT_EQ(Hall::Address("192.168.4.20", 8321, "K7QX2M"),
              "http://192.168.4.20:8321/?follow=K7QX2M");
    EXPECT_EQ(Hall::Address("fe80::1", 80, "K7QX2M"), "http://[fe80::1]:80/?follow=K7QX2M");
    EXPECT_EQ(Hall::Badge(37), "Hall: 37 following");
}

TEST(Hall, AFollowerSendsOnlyARequestForASnapshotOrAnAnswer) {
    EXPECT_EQ(Hall::Read("snapshot").kind, Hall::Message::Kind::Snapshot);
    const Hall::Message answer = Hall::Read(Hall::Answer(3, {"10", "", "inf"}));
    EXPECT_EQ(Hall::Answer(3, {"10", "", "inf"}), "answer 3 3 =10 = =inf");
    ASSERT_EQ(answer.kind, Hall::Message::Kind::Answer) << answer.fault;
    EXPECT_EQ(answer.number, 3);
    EXPECT_EQ(answer.cells, (std::vector<std::string>{"10", "", "inf"}));
    const std::vector<std::pair<std::string, std::string>> refused{
        {"act 9 0 1 0 0 = 5", "unknown message \"act\""},
        {"tick 40", "unknown message \"tick\""},
        {"snapshot please", "words left over"},
        {"answer 0 1 =5", "question 0 out of range"},
        {"answer 1 2 =5", "cell missing"},
        {"answer 1 1 =12345678901234567", "cell too long"},
        {"answer 1 1 =5 =6", "words left over"},
        {std::string(257, 'a'), "a message over 256 bytes"},
        {"", "message missing"},
    };
    for (const auto& [text, fault] : refused) {
        const Hall::Message message = Hall::Read(text);
        EXPECT_EQ(message.kind, Hall::Message::Kind::Refused) << text;
        EXPECT_EQ(message.fault, fault) << text.substr(0, 40);
        EXPECT_TRUE(message.cells.empty());
    }
}
