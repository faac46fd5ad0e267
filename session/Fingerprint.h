#pragma once

#include <cstdint>
#include <string_view>

class Lecture;

// A lecture's state in 64 bits: two lectures that stand alike give the same print, and one that
// has gone its own way (a lost event, a different build) almost surely another. It covers the
// demonstration as its file would hold it (tables, packets in flight, switches, where the random
// source stands), the lesson's caption and step, the question asked, the log's length, undo and
// the look.
class Fingerprint {
public:
    static std::uint64_t Of(const Lecture& lecture);
    // FNV-1a over the bytes, 64 bits.
    static std::uint64_t Of(std::string_view bytes);
};
