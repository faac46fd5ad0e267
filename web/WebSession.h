#pragma once

#include "app/MainForm.h"
#include "common/JsonValue.h"
#include "common/SeededRandom.h"
#include "form/Platform.h"
#include "scene/Look.h"
#include "scene/PanelRepaint.h"
#include "scene/PhoneLayout.h"
#include "scene/TickRepaint.h"
#include "scene/TwipsToPixels.h"
#include "session/Demonstration.h"
#include "session/Event.h"
#include "session/Follower.h"
#include "session/Hall.h"
#include "session/Lecture.h"
#include "session/Replica.h"
#include "session/StartOptions.h"
#include "session/Stream.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The page's platform: the out-of-packets message as the browser's own modal message, which
// holds the page (and so the tick) until it is dismissed, and the clock as the random source's
// seed.
class WebPlatform : public Platform {
public:
    void ShowMessage(const std::string& text) override;
    std::uint64_t ClockSeed() override;
};

// The demonstration as the page opens it: the lecture started up as the options ask (the seed
// from the clock where they give none), and the stream every event the page's timers and controls
// hand it goes through.
class WebSession {
public:
    explicit WebSession(StartOptions options);
    // The lecture shown: the lecturer's copy while following, else the page's own.
    ::Lecture& Lecture() { return Current().Lecture(); }
    const ::Lecture& Lecture() const { return Current().Lecture(); }
    class Demonstration& Demonstration() {
        return Current().Demonstration();
    }
    const class Demonstration& Demonstration() const { return Current().Demonstration(); }
    class Stream& Stream() {
        return *stream_;
    }

    // Brings the page's canvas of `width` x `height` CSS pixels at `ratio` device pixels to one
    // up to date: after a tick, what moved and the tables that changed, over the still layer
    // kept as a picture; after anything else (StillChanged), a change of size or ratio, all of it.
    // Returns whether it drew all of it: then more than the packets and the tables may have
    // changed.
    bool Paint(int width, int height, double ratio);
    // Everything but ticks may change the still layer: a click, a key, a file, a lesson's step.
    void StillChanged() { kept_.stale = true; }
    // The page's window is `width` x `height` CSS pixels: held upright on a phone, the page is
    // laid out as PhoneLayout says, and scrolls. Returns whether it is.
    bool SetViewport(int width, int height);
    // How tall the drawing is, its tables under it, where the page is held upright on a phone.
    int DrawnHeight() const { return Phone() ? Phone()->DrawnHeight() : 0; }
    // Magnifies a router's table beside the drawing, or shrinks it back.
    void Magnify(int router);
    // The whole window drawn afresh, with its controls, for a picture.
    void Picture(int width, int height);
    // The window's picture as SVG.
    std::string Svg(int width, int height);

    // An event of the page's own, from its controls or its timers: the page's lecture takes it.
    // While it follows a lecturer nothing does (none is answered); while it explores, the event
    // falls at the lecturer's time of the moment explored, and on from there.
    std::optional<Event::Outcome> Own(Event event);

    // Following a lecturer: what the page's own controls do is refused until it explores.
    void Follow();
    bool Following() const { return follower_ != nullptr; }
    // A frame from the lecturer, and playing it: see Follower. The still layer is drawn afresh
    // after a snapshot. While the page explores the lecturer's copy plays on unseen: only an event
    // that may change the bar's words (any but a timer's) is said to have changed anything.
    Follower::Outcome Take(std::string_view frame, long now);
    Follower::Outcome Play(long now);
    // The student's answer to the lecturer's question: see Follower::Answer.
    std::string Answer(std::vector<std::string> cells);
    // The page's own copy of the lecturer's moment, as it stands at `now`, to play with (its
    // journal goes on from the lecturer's); false before the first snapshot. Follow again goes
    // back to the lecturer's copy, which has followed on meanwhile.
    bool Explore(long now);
    void FollowAgain();
    bool Exploring() const { return exploring_; }
    // How the page stands with the lecturer, as its socket says, and the bar that says so.
    void SetLink(Hall::Link link) { link_ = link; }
    Hall::Bar Bar() const;
    // The caption strip the page shows: a follower's (Follower::Strip) while it follows.
    ::Lecture::Strip Strip() const;
    std::optional<long> NextEvent(long now) const {
        return follower_ ? follower_->Next(now) : std::nullopt;
    }

private:
    friend class WebControls; // the page's controls are laid out over the drawing as it stands
    TwipsToPixels Transform(int width, int height) const;
    // The phone's layout, while the page is held upright on one.
    std::optional<PhoneLayout> Phone() const;
    // The look the drawing is painted in: the lecturer's, made for a phone where it is on one.
    Look CurrentLook() const;
    // A table as it stands on the canvas: the drawing's own, or one magnified beside it (its
    // place among the kept repaints is then kRouterCount on).
    struct PanelPlace {
        int router = 0;
        int kept = 0;
        double scale = 1; // pixels per twip
        PixelRect box;
    };
    // The drawing's tables that show, then the magnified ones.
    std::vector<PanelPlace> Panels(const TwipsToPixels& transform, int width, int height) const;
    void PaintAll(const TwipsToPixels& transform, const PixelRect& all);
    void PaintPanel(const PanelPlace& place, const PixelRect& part);

    // What the page's canvas shows, kept between ticks.
    struct Kept {
        bool stale = true;
        int width = 0;
        int height = 0;
        double ratio = 0;
        TickRepaint ticks;
        std::array<PanelRepaint, 2 * kRouterCount> panels;
        std::vector<PixelRect> places; // where the tables stood
    };

    WebPlatform platform_;
    std::unique_ptr<Replica> replica_;
    std::unique_ptr<class Stream> stream_;
    std::unique_ptr<Follower> follower_;
    bool exploring_ = false;
    long shift_ = 0;         // while exploring: the page's time less the lecturer's
    bool replaying_ = false; // no message is shown while a copy is made
    Hall::Link link_ = Hall::Link::Joining;
    bool Shown() const { return follower_ && !exploring_ && follower_->Copy() != nullptr; }
    Replica& Current() { return Shown() ? *follower_->Copy() : *replica_; }
    const Replica& Current() const { return Shown() ? *follower_->Copy() : *replica_; }
    Kept kept_;
    int viewportWidth_ = 0;
    int viewportHeight_ = 0;
};
