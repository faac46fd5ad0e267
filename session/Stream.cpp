#include "session/Stream.h"

#include "session/Fingerprint.h"

#include <cstdio>

Stream::Stream(std::string start, class Lecture& lecture)
    : lecture_(lecture), start_(std::move(start)), print_(Fingerprint::Of(lecture)) {}

Event::Outcome Stream::Take(const Event& event) {
    const bool timer = event.kind == Event::Kind::Tick || event.kind == Event::Kind::Frames;
    if (timer && lecture_.Demonstration().Form().Runtime().MessageOpen) {
        return {};
    }
    const Event::Outcome outcome = event.Apply(lecture_);
    Add(event);
    if (!timer) {
        ++settled_;
        next_ = outcome.next;
    }
    return outcome;
}

std::string Stream::Journal() const {
    return full_ ? std::string() : start_ + "\n" + journal_;
}

void Stream::Serve(bool on) {
    serving_ = on;
    gathered_.clear();
    if (on) {
        framed_ = journal_.size();
        print_ = Fingerprint::Of(lecture_);
    }
}

void Stream::Add(const Event& event) {
    const std::string line = event.Text() + "\n";
    if (serving_) {
        gathered_ += line;
    }
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

std::string Stream::Frame() {
    ++number_;
    print_ = Fingerprint::Of(lecture_);
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
