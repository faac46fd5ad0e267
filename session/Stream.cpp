#include "session/Stream.h"

#include "session/Fingerprint.h"

#include <cstdio>

Stream::Stream(std::string start, const Lecture& lecture)
    : start_(std::move(start)), print_(Fingerprint::Of(lecture)) {}

void Stream::Add(const Event& event) {
    const std::string line = event.Text() + "\n";
    gathered_ += line;
    if (!full_ && journal_.size() + line.size() <= kLongest) {
        journal_ += line;
    } else {
        full_ = true;
        journal_.clear();
        journal_.shrink_to_fit();
    }
}

std::string Stream::Head(const char* kind, long number, std::uint64_t print) {
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(print));
    return std::string(kind) + " " + std::to_string(number) + " " + hex + "\n";
}

std::string Stream::Frame(const Lecture& lecture) {
    ++number_;
    print_ = Fingerprint::Of(lecture);
    framed_ = journal_.size();
    std::string frame = Head("frame", number_, print_) + gathered_;
    gathered_.clear();
    return frame;
}

std::string Stream::Snapshot() const {
    if (full_) {
        return {};
    }
    return Head("snapshot", number_, print_) + start_ + "\n" + journal_.substr(0, framed_);
}
