#include "web/WebSession.h"

#include "common/Fields.h"
#include "files/HopscapeFile.h"
#include "form/Layout.h"
#include "scene/DrawingFit.h"
#include "scene/FormScene.h"
#include "scene/Look.h"
#include "scene/PanelScene.h"
#include "scene/PhoneLayout.h"
#include "scene/SvgCanvas.h"
#include "scene/WindowScene.h"
#include "session/Magnifier.h"
#include "web/WebCanvas.h"

#include <emscripten.h>

#include <span>
#include <vector>

EM_JS(void, hs_js_message, (const char* text), { alert(UTF8ToString(text)); });
EM_JS(double, hs_js_clock_seed, (), { return Date.now() % 4294967296; });

void WebPlatform::ShowMessage(const std::string& text) {
    hs_js_message(text.c_str());
}

std::uint64_t WebPlatform::ClockSeed() {
    return static_cast<std::uint64_t>(hs_js_clock_seed());
}

namespace {

// Pixels per twip at the drawing's full size: a CSS pixel is 15 twips.
constexpr double kBase = 1.0 / TwipsToPixels::kTwipsPerDesignPixel;
// CSS pixels down from the top that the menu's button takes at the top right.
constexpr int kMenuButton = PhoneLayout::kFinger + 4;

} // namespace

WebSession::WebSession(StartOptions options) {
    if (!options.seed) {
        options.Set("seed", std::to_string(platform_.ClockSeed()));
    }
    replica_ = std::make_unique<Replica>(
        options, *options.seed, [this](const std::string& text) { platform_.ShowMessage(text); });
    stream_ = std::make_unique<class Stream>(Replica::StartLine(*options.seed, options),
                                             replica_->Lecture());
}

std::optional<Event::Outcome> WebSession::Own(Event event) {
    if (follower_ && !exploring_) {
        return std::nullopt;
    }
    event.time -= shift_;
    return stream_->Take(event);
}

void WebSession::Follow() {
    follower_ = std::make_unique<Follower>();
}

Follower::Outcome WebSession::Take(std::string_view frame, long now) {
    Follower::Outcome outcome = follower_ ? follower_->Take(frame, now) : Follower::Outcome{};
    if (exploring_) {
        outcome.changed = outcome.rebuilt;
        outcome.rebuilt = false;
    } else if (outcome.rebuilt) {
        StillChanged();
    }
    return outcome;
}

Follower::Outcome WebSession::Play(long now) {
    Follower::Outcome outcome = follower_ ? follower_->Play(now) : Follower::Outcome{};
    if (exploring_) {
        outcome.changed = outcome.still;
    } else if (outcome.still) {
        StillChanged();
    }
    return outcome;
}

std::string WebSession::Answer(std::vector<std::string> cells) {
    return follower_ && !exploring_ ? follower_->Answer(std::move(cells)) : std::string();
}

bool WebSession::Explore(long now) {
    if (!follower_ || follower_->Copy() == nullptr || follower_->Journal().empty()) {
        return false;
    }
    const std::vector<std::string_view> lines = SplitLines(follower_->Journal());
    const Replica::Start start = Replica::ReadStart(lines.front());
    if (!start.fault.empty()) {
        return false;
    }
    replaying_ = true;
    auto replica =
        std::make_unique<Replica>(start.options, start.seed, [this](const std::string& text) {
            if (!replaying_) {
                platform_.ShowMessage(text);
            }
        });
    auto stream = std::make_unique<class Stream>(std::string(lines.front()), replica->Lecture());
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::string fault;
        if (const std::optional<Event> event = Event::Read(lines[i], fault)) {
            stream->Take(*event);
        }
    }
    replaying_ = false;
    replica_ = std::move(replica);
    stream_ = std::move(stream);
    exploring_ = true;
    shift_ = follower_->Offset();
    Own(Event::Settle(now));
    StillChanged();
    return true;
}

void WebSession::FollowAgain() {
    exploring_ = false;
    StillChanged();
}

Hall::Bar WebSession::Bar() const {
    if (!follower_) {
        return {};
    }
    const Replica* copy = follower_->Copy();
    const bool asks = copy != nullptr && copy->Demonstration().Asking();
    Hall::Bar bar = Hall::FollowBar(link_, exploring_, asks);
    if (!exploring_ && (copy == nullptr || follower_->Journal().empty())) {
        bar.button.clear(); // nothing yet, or too long a lecture, to explore
    }
    return bar;
}

::Lecture::Strip WebSession::Strip() const {
    return Shown() ? follower_->Strip() : Lecture().CaptionStrip(true);
}

bool WebSession::SetViewport(int width, int height) {
    const bool was = Phone().has_value();
    viewportWidth_ = width;
    viewportHeight_ = height;
    const bool phone = Phone().has_value();
    if (phone != was) {
        StillChanged();
    }
    return phone;
}

std::optional<PhoneLayout> WebSession::Phone() const {
    if (!PhoneLayout::Upright(viewportWidth_, viewportHeight_)) {
        return std::nullopt;
    }
    const FormState& state = Demonstration().State();
    return PhoneLayout(state, Demonstration().Magnified().Shown(state), viewportWidth_,
                       Lecture().Corner().shown);
}

Look WebSession::CurrentLook() const {
    const Look& look = LookFor(Demonstration().Projector());
    return Phone() ? PhoneLook(look) : look;
}

TwipsToPixels WebSession::Transform(int width, int height) const {
    if (const std::optional<PhoneLayout> phone = Phone()) {
        return phone->Drawing();
    }
    const FormState& state = Demonstration().State();
    DrawingFit fit(state.ClientWidth, state.ClientHeight);
    const Lecture::Strip strip = Lecture().CaptionStrip();
    fit.ShowCaptionStrip(strip.shown, !strip.pad.empty());
    const bool magnified = !Demonstration().Magnified().Shown(state).empty();
    fit.ShowMagnifiedStrip(magnified);
    const DrawingFit::Placement place = fit.Place(kBase, {width, height}, magnified);
    return {place.scale, {place.left, place.top}};
}

bool WebSession::Paint(int width, int height, double ratio) {
    const TwipsToPixels transform = Transform(width, height);
    const PixelRect all{0, 0, width, height};
    // A table that moved or grew (a magnified one as its rows come) leaves the still layer to
    // be drawn again.
    std::vector<PixelRect> places;
    for (const PanelPlace& place : Panels(transform, width, height)) {
        places.push_back(place.box);
    }
    if (kept_.stale || width != kept_.width || height != kept_.height || ratio != kept_.ratio ||
        places != kept_.places) {
        kept_ = {false, width, height, ratio, {}, {}, places};
        PaintAll(transform, all);
        return true;
    }
    const FormState& state = Demonstration().State();
    const Look look = CurrentLook();
    const FormScene scene(state, transform, look);
    bool statusChanged = false;
    const std::vector<PixelRect> rects = kept_.ticks.Changed(state, scene, statusChanged);
    const std::array<PixelRect, kPacketSlots> areas = scene.PacketAreas();
    WebCanvas canvas;
    for (const PixelRect& rect : rects) {
        WebCanvas::Clip(rect);
        WebCanvas::CopyStill(rect);
        scene.PaintMoving(canvas, rect, areas);
        WebCanvas::Unclip();
    }
    // The tables stand above the drawing: one a marker crossed is drawn again where it did.
    for (const PanelPlace& place : Panels(transform, width, height)) {
        const RouterPanel& panel = state.RouterTable[place.router];
        const PanelRepaint::Change change =
            kept_.panels[static_cast<std::size_t>(place.kept)].Refresh(
                panel, PanelScene(panel, place.scale, look));
        if (change.all) {
            PaintPanel(place, {0, 0, place.box.width, place.box.height});
            continue;
        }
        std::vector<PixelRect> parts = change.notes;
        for (const PixelRect& rect : rects) {
            if (rect.Intersects(place.box)) {
                parts.push_back({rect.left - place.box.left, rect.top - place.box.top, rect.width,
                                 rect.height});
            }
        }
        for (const PixelRect& part : parts) {
            PaintPanel(place, part);
        }
    }
    return false;
}

void WebSession::PaintAll(const TwipsToPixels& transform, const PixelRect& all) {
    const FormState& state = Demonstration().State();
    const Look look = CurrentLook();
    const FormScene scene(state, transform, look);
    WebCanvas still;
    WebCanvas::Still(all.width, all.height);
    scene.PaintStill(still, all);
    WebCanvas::Shown();
    WebCanvas canvas;
    WebCanvas::CopyStill(all);
    scene.PaintMoving(canvas, std::span<const PixelRect>(&all, 1));
    kept_.ticks.Drawn(state, scene);
    for (const PanelPlace& place : Panels(transform, all.width, all.height)) {
        const RouterPanel& panel = state.RouterTable[place.router];
        kept_.panels[static_cast<std::size_t>(place.kept)].Refresh(
            panel, PanelScene(panel, place.scale, look));
        PaintPanel(place, {0, 0, place.box.width, place.box.height});
    }
}

std::vector<WebSession::PanelPlace> WebSession::Panels(const TwipsToPixels& transform, int width,
                                                       int height) const {
    const FormState& state = Demonstration().State();
    std::vector<PanelPlace> places;
    if (const std::optional<PhoneLayout> phone = Phone()) {
        for (const PhoneLayout::Table& table : phone->Tables()) {
            places.push_back({table.router, table.router + (table.magnified ? kRouterCount : 0),
                              table.scale, table.box});
        }
        return places;
    }
    for (int i = 0; i < kRouterCount; ++i) {
        const RouterPanel& panel = state.RouterTable[i];
        if (panel.visible) {
            const Layout::RouterPlace& place = Layout::kRouters[i];
            places.push_back({i, i, transform.Scale(),
                              transform.Pixels(place.panelLeft, place.panelTop, PanelLayout::kWidth,
                                               panel.Height())});
        }
    }
    // The magnified tables stand in the strip right of the drawing, as large as they fit, under
    // the menu's button at the top right.
    const double scale = transform.Scale();
    const int right = transform.Pixels(0, 0, state.ClientWidth, 1).Right() + 1;
    const TwipsToPixels strip(scale, {static_cast<double>(right), kMenuButton});
    for (const Magnifier::Standing& table :
         Demonstration().Magnified().Stand(state, static_cast<int>((width - right) / scale),
                                           static_cast<int>((height - kMenuButton) / scale))) {
        const Box& box = table.place;
        places.push_back({table.router, kRouterCount + table.router, scale * table.magnification,
                          strip.Pixels(box.left, box.top, box.width, box.height)});
    }
    return places;
}

void WebSession::PaintPanel(const PanelPlace& place, const PixelRect& part) {
    // A panel is a control of its own: nothing of it is drawn outside its box.
    const PixelRect area = part.Intersected({0, 0, place.box.width, place.box.height});
    if (area.Empty()) {
        return;
    }
    WebCanvas canvas;
    canvas.PushOrigin({static_cast<double>(place.box.left), static_cast<double>(place.box.top)});
    WebCanvas::Clip(area);
    PanelScene(Demonstration().State().RouterTable[place.router], place.scale, CurrentLook())
        .Paint(canvas, area);
    WebCanvas::Unclip();
    canvas.PopOrigin();
}

void WebSession::Magnify(int router) {
    if (router >= 0 && router < kRouterCount) {
        Demonstration().Magnified().Toggle(router);
        StillChanged();
    }
}

void WebSession::Picture(int width, int height) {
    WebCanvas canvas;
    WindowScene(Demonstration().State(), Transform(width, height),
                LookFor(Demonstration().Projector()))
        .Paint(canvas, {0, 0, width, height}, true);
}

std::string WebSession::Svg(int width, int height) {
    WebCanvas measure;
    SvgCanvas svg(measure, width, height);
    WindowScene(Demonstration().State(), Transform(width, height),
                LookFor(Demonstration().Projector()))
        .Paint(svg, {0, 0, width, height}, true);
    return svg.Document();
}
