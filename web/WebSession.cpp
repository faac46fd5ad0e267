#include "web/WebSession.h"

#include "app/AccessibleText.h"
#include "scene/DrawingFit.h"
#include "app/TabOrder.h"
#include "common/JsonValue.h"
#include "files/HopscapeFile.h"
#include "form/Layout.h"
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

MainForm& StartedUp(MainForm& form, RandomSource& random, const StartOptions& options) {
    options.Start(form, random);
    return form;
}

// Pixels per twip at the drawing's full size: a CSS pixel is 15 twips.
constexpr double kBase = 1.0 / TwipsToPixels::kTwipsPerDesignPixel;
// CSS pixels down from the top that the menu's button takes at the top right.
constexpr int kMenuButton = PhoneLayout::kFinger + 4;

} // namespace

WebSession::WebSession(const StartOptions& options)
    : form_(platform_, random_), demonstration_(StartedUp(form_, random_, options)),
      lecture_(demonstration_) {
    if (options.demonstration) {
        demonstration_.Open(*options.demonstration, 0);
    }
    if (options.lesson) {
        lecture_.Player().Start(*options.lesson, 0);
    }
    if (options.practice) {
        lecture_.Practise(*options.practice, options.seed.value_or(platform_.ClockSeed()), 0);
    }
    demonstration_.SetProjector(options.projector);
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
    const FormState& state = demonstration_.State();
    return PhoneLayout(state, demonstration_.Magnified().Shown(state), viewportWidth_,
                       lecture_.Corner().shown);
}

Look WebSession::CurrentLook() const {
    const Look& look = LookFor(demonstration_.Projector());
    return Phone() ? PhoneLook(look) : look;
}

TwipsToPixels WebSession::Transform(int width, int height) const {
    if (const std::optional<PhoneLayout> phone = Phone()) {
        return phone->Drawing();
    }
    const FormState& state = demonstration_.State();
    DrawingFit fit(state.ClientWidth, state.ClientHeight);
    const Lecture::Strip strip = lecture_.CaptionStrip();
    fit.ShowCaptionStrip(strip.shown, !strip.pad.empty());
    const bool magnified = !demonstration_.Magnified().Shown(state).empty();
    fit.ShowMagnifiedStrip(magnified);
    const DrawingFit::Placement place = fit.Place(kBase, {width, height}, magnified);
    return {place.scale, {place.left, place.top}};
}

void WebSession::Paint(int width, int height, double ratio) {
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
        return;
    }
    const FormState& state = demonstration_.State();
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
}

void WebSession::PaintAll(const TwipsToPixels& transform, const PixelRect& all) {
    const FormState& state = demonstration_.State();
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
    const FormState& state = demonstration_.State();
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
         demonstration_.Magnified().Stand(state, static_cast<int>((width - right) / scale),
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
    PanelScene(demonstration_.State().RouterTable[place.router], place.scale, CurrentLook())
        .Paint(canvas, area);
    WebCanvas::Unclip();
    canvas.PopOrigin();
}

void WebSession::Magnify(int router) {
    if (router >= 0 && router < kRouterCount) {
        demonstration_.Magnified().Toggle(router);
        StillChanged();
    }
}

void WebSession::Picture(int width, int height) {
    WebCanvas canvas;
    WindowScene(demonstration_.State(), Transform(width, height),
                LookFor(demonstration_.Projector()))
        .Paint(canvas, {0, 0, width, height}, true);
}

std::string WebSession::Svg(int width, int height) {
    WebCanvas measure;
    SvgCanvas svg(measure, width, height);
    WindowScene(demonstration_.State(), Transform(width, height),
                LookFor(demonstration_.Projector()))
        .Paint(svg, {0, 0, width, height}, true);
    return svg.Document();
}

std::string WebSession::Controls(int width, int height) const {
    const FormState& state = demonstration_.State();
    const TwipsToPixels transform = Transform(width, height);
    const std::optional<PhoneLayout> phone = Phone();
    using Kind = TabOrder::Control::Kind;
    JsonValue controls = JsonValue::Array();
    for (const TabOrder::Control& control : TabOrder::Controls()) {
        const ButtonControl* button = nullptr;
        Box box;
        std::string caption;
        std::string spoken;
        double points = 8.25;
        bool bold = false;
        JsonValue rows = JsonValue::Array();
        bool visible = true;
        int colour = Colours::kForm;
        switch (control.kind) {
        case Kind::Router:
            button = &state.btnRouter[control.index];
            spoken = AccessibleText::RouterName(control.index);
            break;
        case Kind::Network:
            button = &state.btnNetwork[control.index];
            spoken = AccessibleText::NetworkName(control.index);
            break;
        case Kind::Break:
            button = &state.cmdBreak[control.index];
            spoken = AccessibleText::BreakName(control.index);
            break;
        case Kind::Command:
            button = TabOrder::Commands(state)[static_cast<std::size_t>(control.index)];
            break;
        case Kind::Cost: {
            const LabelControl& label = state.lblCost[control.index];
            box = label.box;
            visible = label.visible;
            spoken = AccessibleText::CostName(control.index);
            break;
        }
        case Kind::Check:
            box = state.chkSplit.box;
            caption = state.chkSplit.caption;
            points = state.chkSplit.fontPoints;
            break;
        case Kind::List:
            box = state.cmbSims.box;
            points = state.cmbSims.fontPoints;
            spoken = AccessibleText::kScenarioList;
            break;
        case Kind::Table: {
            const Layout::RouterPlace& place = Layout::kRouters[control.index];
            const RouterPanel& panel = state.RouterTable[control.index];
            box = {place.panelLeft, place.panelTop, PanelLayout::kWidth, panel.Height()};
            visible = panel.visible;
            spoken = AccessibleText::PanelName(control.index);
            // Each shown row: what a screen reader says, why it reads so (what the desktop says
            // under the mouse), and its band, down from the panel's top in CSS pixels.
            double scale = transform.Scale();
            if (phone) {
                for (const PhoneLayout::Table& table : phone->Tables()) {
                    scale = table.router == control.index ? table.scale : scale;
                }
            }
            const PanelScene scene(panel, scale, CurrentLook());
            for (int k = 0; k < Router::kRows; ++k) {
                if (panel.Engine().Rows()[k].shown) {
                    const PixelRect band = scene.RowArea(k);
                    rows.items.push_back(
                        JsonValue::Object()
                            .Set("said", JsonValue::String(panel.SpokenRow(k)))
                            .Set("why",
                                 JsonValue::String(demonstration_.ExplainRow(control.index, k)))
                            .Set("top", JsonValue::Number(band.top))
                            .Set("height", JsonValue::Number(band.height)));
                }
            }
            break;
        }
        }
        if (button != nullptr) {
            box = button->box;
            caption = button->caption;
            points = button->fontPoints;
            bold = button->bold;
            visible = button->visible;
            colour = button->backColour;
        }
        PixelRect at = transform.Pixels(box.left, box.top, box.width, box.height);
        PixelRect tap = at;
        double font = transform.FontOf(points, false).pixels;
        if (phone) {
            // Where a finger can take it, written no smaller than a phone's least; the rows of
            // their own read at the size of the strip's small print. A control on the drawing
            // keeps its drawn place and takes its tap from a finger's square round it.
            const bool row = control.kind == Kind::List || control.kind == Kind::Command ||
                             control.kind == Kind::Check || control.kind == Kind::Table;
            tap = phone->Control(control, at);
            at = row ? tap : at;
            font = row ? 16 : std::max(font, PhoneLayout::kLeastText);
        }
        JsonValue item = JsonValue::Object();
        item.Set("name", JsonValue::String(control.name))
            .Set("kind", JsonValue::Number(static_cast<double>(control.kind)))
            .Set("index", JsonValue::Number(control.index))
            .Set("box",
                 JsonValue::Array({JsonValue::Number(at.left), JsonValue::Number(at.top),
                                   JsonValue::Number(at.width), JsonValue::Number(at.height)}))
            .Set("tap",
                 JsonValue::Array({JsonValue::Number(tap.width), JsonValue::Number(tap.height)}))
            .Set("font", JsonValue::Number(font))
            .Set("bold", JsonValue::Bool(bold))
            .Set("caption", JsonValue::String(caption))
            .Set("colour", JsonValue::Number(colour))
            .Set("visible", JsonValue::Bool(visible))
            .Set("spoken", JsonValue::String(spoken))
            .Set("rows", std::move(rows));
        controls.items.push_back(std::move(item));
    }
    JsonValue scenarios = JsonValue::Array();
    for (const std::string& name : state.cmbSims.items) {
        scenarios.items.push_back(JsonValue::String(name));
    }
    JsonValue magnified = JsonValue::Array();
    for (const PanelPlace& place : Panels(transform, width, height)) {
        if (place.kept >= kRouterCount) {
            const PixelRect& b = place.box;
            magnified.items.push_back(
                JsonValue::Object()
                    .Set("router", JsonValue::Number(place.router))
                    .Set("box", JsonValue::Array(
                                    {JsonValue::Number(b.left), JsonValue::Number(b.top),
                                     JsonValue::Number(b.width), JsonValue::Number(b.height)})));
        }
    }
    JsonValue all = JsonValue::Object();
    all.Set("question", Question(transform));
    all.Set("controls", std::move(controls))
        .Set("magnified", std::move(magnified))
        .Set("scenarios", std::move(scenarios))
        .Set("scenario", JsonValue::String(state.cmbSims.text))
        .Set("split", JsonValue::Bool(state.chkSplit.value == 1))
        .Set("status", JsonValue::String(state.Label2.caption))
        .Set("phone", JsonValue::Bool(phone.has_value()))
        .Set("drawn height", JsonValue::Number(phone ? phone->DrawnHeight() : height));
    return HopscapeFile::Bytes(all);
}

JsonValue WebSession::Question(const TwipsToPixels& transform) const {
    const Quiz& quiz = demonstration_.Questions();
    if (!quiz.Asked()) {
        return JsonValue(); // null
    }
    const ::Question& asked = *quiz.Asked();
    const Layout::RouterPlace& place = Layout::kRouters[asked.Router()];
    const RouterPanel& panel = demonstration_.State().RouterTable[asked.Router()];
    PixelRect table =
        transform.Pixels(place.panelLeft, place.panelTop, PanelLayout::kWidth, panel.Height());
    double scale = transform.Scale();
    if (const std::optional<PhoneLayout> phone = Phone()) {
        for (const PhoneLayout::Table& shown : phone->Tables()) {
            if (shown.router == asked.Router() && !shown.magnified) {
                table = shown.box;
                scale = shown.scale;
            }
        }
    }
    const PanelScene scene(panel, scale, CurrentLook());
    JsonValue cells = JsonValue::Array();
    for (const ::Question::Cell& cell : asked.Cells()) {
        const PixelRect at = scene.CellArea(cell.network, cell.hop);
        cells.items.push_back(
            JsonValue::Object()
                .Set("name", JsonValue::String(cell.name))
                .Set("start", JsonValue::String(cell.start))
                .Set("hop", JsonValue::Bool(cell.hop))
                .Set("box", JsonValue::Array({JsonValue::Number(table.left + at.left),
                                              JsonValue::Number(table.top + at.top),
                                              JsonValue::Number(at.width),
                                              JsonValue::Number(at.height)})));
    }
    return JsonValue::Object()
        .Set("number", JsonValue::Number(quiz.Number()))
        .Set("prompt", JsonValue::String(asked.Prompt()))
        .Set("cells", std::move(cells));
}

std::string WebSession::Texts(int width, int height) const {
    const TwipsToPixels transform = Transform(width, height);
    const auto array = [](const PixelRect& at) {
        return JsonValue::Array({JsonValue::Number(at.left), JsonValue::Number(at.top),
                                 JsonValue::Number(at.width), JsonValue::Number(at.height)});
    };
    const auto place = [&](double left, double top, double across, double down) {
        return transform.Pixels(left, top, across, down);
    };
    const Lecture::Strip strip = lecture_.CaptionStrip(true);
    const Lecture::Meter meter = lecture_.Corner();
    const Box& m = Layout::kMeter;
    const Box& h = Layout::kHelpButton;
    PixelRect stripBox =
        place(0, Layout::kClientHeight, Layout::kClientWidth, Layout::kCaptionHeight);
    double stripFont = transform.FontOf(Layout::kCaptionPoints, true).pixels;
    double smallFont = transform.FontOf(Layout::kCaptionStepPoints, false).pixels;
    PixelRect meterBox = place(m.left, m.top, m.width, m.height);
    const double leastMeter = transform.FontOf(Layout::kNotePoints, false).pixels;
    double meterFont =
        transform
            .FontOf(std::max(Layout::kNotePoints, LookFor(demonstration_.Projector()).meterPoints),
                    false)
            .pixels;
    PixelRect helpBox = place(h.left, h.top, h.width, h.height);
    double helpFont = transform.FontOf(Layout::kCommandPoints, false).pixels;
    PixelRect statusBox;
    if (const std::optional<PhoneLayout> phone = Phone()) {
        // Held upright: in rows under the controls, as tall as their text (the page lets the
        // strip grow), and no smaller than a phone's least.
        stripBox = {0, phone->StripTop(), width, 0};
        stripFont = 18;
        smallFont = PhoneLayout::kLeastText + 1;
        meterBox = phone->Meter();
        meterFont = PhoneLayout::kLeastText + 1;
        helpBox = phone->Help();
        helpFont = 20;
        statusBox = phone->Status();
    }
    JsonValue all = JsonValue::Object();
    all.Set(
        "strip",
        JsonValue::Object()
            .Set("shown", JsonValue::Bool(strip.shown))
            .Set("caption", JsonValue::String(strip.caption))
            .Set("detail", JsonValue::String(strip.detail))
            .Set("keys", JsonValue::String(strip.keys))
            .Set("box", array(stripBox))
            .Set("pad",
                 [&] {
                     JsonValue keys = JsonValue::Array();
                     for (const std::string& key : strip.pad) {
                         keys.items.push_back(JsonValue::String(key));
                     }
                     return keys;
                 }())
            .Set("answering", JsonValue::Bool(strip.answering))
            .Set("next step", JsonValue::Number(lecture_.Extra(Extras::Id::NextStep).enabled
                                                    ? static_cast<double>(Extras::Id::NextStep)
                                                    : -1))
            .Set("back step", JsonValue::Number(lecture_.Extra(Extras::Id::PreviousStep).enabled
                                                    ? static_cast<double>(Extras::Id::PreviousStep)
                                                    : -1))
            .Set("pad box", array(place(0, Layout::kClientHeight + Layout::kCaptionHeight,
                                        Layout::kClientWidth, Layout::kPadHeight)))
            .Set("font", JsonValue::Number(stripFont))
            .Set("small font", JsonValue::Number(smallFont))
            .Set("back", JsonValue::Number(Layout::kCaptionBack))
            .Set("text", JsonValue::Number(Layout::kCaptionText))
            .Set("step text", JsonValue::Number(Layout::kCaptionStepText)));
    all.Set("meter", JsonValue::Object()
                         .Set("shown", JsonValue::Bool(meter.shown))
                         .Set("rules", JsonValue::String(meter.rules))
                         .Set("state", JsonValue::String(meter.state))
                         .Set("since", JsonValue::String(meter.since))
                         .Set("box", array(meterBox))
                         .Set("font", JsonValue::Number(meterFont))
                         .Set("least font", JsonValue::Number(std::min(meterFont, leastMeter))))
        .Set(
            "help",
            JsonValue::Object().Set("box", array(helpBox)).Set("font", JsonValue::Number(helpFont)))
        .Set("status", JsonValue::Object()
                           .Set("shown", JsonValue::Bool(!statusBox.Empty()))
                           .Set("text", JsonValue::String(demonstration_.State().Label2.caption))
                           .Set("box", array(statusBox)));
    return HopscapeFile::Bytes(all);
}
