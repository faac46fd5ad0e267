#include "web/WebSession.h"

#include "app/AccessibleText.h"
#include "app/DrawingFit.h"
#include "app/TabOrder.h"
#include "common/JsonValue.h"
#include "files/HopscapeFile.h"
#include "form/Layout.h"
#include "scene/FormScene.h"
#include "scene/Look.h"
#include "scene/PanelScene.h"
#include "scene/SvgCanvas.h"
#include "scene/WindowScene.h"
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

} // namespace

WebSession::WebSession(const StartOptions& options)
    : form_(platform_, random_), lesson_(StartedUp(form_, random_, options)), lecture_(lesson_) {
    if (options.demonstration) {
        lesson_.Open(*options.demonstration, 0);
    }
    if (options.lesson) {
        lecture_.Player().Start(*options.lesson, 0);
    }
    lesson_.SetProjector(options.projector);
}

TwipsToPixels WebSession::Transform(int width, int height) const {
    const FormState& state = lesson_.State();
    DrawingFit fit(state.ClientWidth, state.ClientHeight);
    fit.ShowCaptionStrip(lecture_.CaptionStrip().shown);
    const DrawingFit::Placement place = fit.Place(kBase, {width, height}, false);
    return {place.scale, {place.left, place.top}};
}

void WebSession::Paint(int width, int height, double ratio) {
    const TwipsToPixels transform = Transform(width, height);
    const PixelRect all{0, 0, width, height};
    if (kept_.stale || width != kept_.width || height != kept_.height || ratio != kept_.ratio) {
        kept_ = {false, width, height, ratio, {}, {}};
        PaintAll(transform, all);
        return;
    }
    const FormState& state = lesson_.State();
    const FormScene scene(state, transform, LookFor(lesson_.Projector()));
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
    for (int i = 0; i < kRouterCount; ++i) {
        const RouterPanel& panel = state.RouterTable[i];
        if (!panel.visible) {
            continue;
        }
        const PixelRect box = PanelBox(i, transform);
        const PanelRepaint::Change change = kept_.panels[static_cast<std::size_t>(i)].Refresh(
            panel, PanelScene(panel, transform.Scale(), LookFor(lesson_.Projector())));
        if (change.all) {
            PaintPanel(i, transform, {0, 0, box.width, box.height});
            continue;
        }
        std::vector<PixelRect> parts = change.notes;
        for (const PixelRect& rect : rects) {
            if (rect.Intersects(box)) {
                parts.push_back(
                    {rect.left - box.left, rect.top - box.top, rect.width, rect.height});
            }
        }
        for (const PixelRect& part : parts) {
            PaintPanel(i, transform, part);
        }
    }
}

void WebSession::PaintAll(const TwipsToPixels& transform, const PixelRect& all) {
    const FormState& state = lesson_.State();
    const Look& look = LookFor(lesson_.Projector());
    const FormScene scene(state, transform, look);
    WebCanvas still;
    WebCanvas::Still(all.width, all.height);
    scene.PaintStill(still, all);
    WebCanvas::Shown();
    WebCanvas canvas;
    WebCanvas::CopyStill(all);
    scene.PaintMoving(canvas, std::span<const PixelRect>(&all, 1));
    kept_.ticks.Drawn(state, scene);
    for (int i = 0; i < kRouterCount; ++i) {
        const RouterPanel& panel = state.RouterTable[i];
        kept_.panels[static_cast<std::size_t>(i)].Refresh(
            panel, PanelScene(panel, transform.Scale(), look));
        if (panel.visible) {
            const PixelRect box = PanelBox(i, transform);
            PaintPanel(i, transform, {0, 0, box.width, box.height});
        }
    }
}

PixelRect WebSession::PanelBox(int router, const TwipsToPixels& transform) const {
    const Layout::RouterPlace& place = Layout::kRouters[router];
    return transform.Pixels(place.panelLeft, place.panelTop, PanelLayout::kWidth,
                            lesson_.State().RouterTable[router].Height());
}

void WebSession::PaintPanel(int router, const TwipsToPixels& transform, const PixelRect& part) {
    // A panel is a control of its own: nothing of it is drawn outside its box.
    const PixelRect box = PanelBox(router, transform);
    const PixelRect area = part.Intersected({0, 0, box.width, box.height});
    if (area.Empty()) {
        return;
    }
    WebCanvas canvas;
    canvas.PushOrigin({static_cast<double>(box.left), static_cast<double>(box.top)});
    WebCanvas::Clip(area);
    PanelScene(lesson_.State().RouterTable[router], transform.Scale(), LookFor(lesson_.Projector()))
        .Paint(canvas, area);
    WebCanvas::Unclip();
    canvas.PopOrigin();
}

void WebSession::Picture(int width, int height) {
    WebCanvas canvas;
    WindowScene(lesson_.State(), Transform(width, height), LookFor(lesson_.Projector()))
        .Paint(canvas, {0, 0, width, height}, true);
}

std::string WebSession::Svg(int width, int height) {
    WebCanvas measure;
    SvgCanvas svg(measure, width, height);
    WindowScene(lesson_.State(), Transform(width, height), LookFor(lesson_.Projector()))
        .Paint(svg, {0, 0, width, height}, true);
    return svg.Document();
}

std::string WebSession::Controls(int width, int height) const {
    const FormState& state = lesson_.State();
    const TwipsToPixels transform = Transform(width, height);
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
        case Kind::Command: {
            // In the order Tab walks them: One, Many, Pause, Kill, Reset, Update.
            const ButtonControl* commands[] = {&state.Command1, &state.Command2, &state.Command3,
                                               &state.Command7, &state.Command5, &state.Command4};
            button = commands[control.index];
            break;
        }
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
            const PanelScene scene(panel, transform.Scale(), LookFor(lesson_.Projector()));
            for (int k = 0; k < Router::kRows; ++k) {
                if (panel.Engine().Rows()[k].shown) {
                    const PixelRect band = scene.RowArea(k);
                    rows.items.push_back(
                        JsonValue::Object()
                            .Set("said", JsonValue::String(panel.SpokenRow(k)))
                            .Set("why", JsonValue::String(lesson_.ExplainRow(control.index, k)))
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
        const PixelRect at = transform.Pixels(box.left, box.top, box.width, box.height);
        JsonValue item = JsonValue::Object();
        item.Set("name", JsonValue::String(control.name))
            .Set("kind", JsonValue::Number(static_cast<double>(control.kind)))
            .Set("index", JsonValue::Number(control.index))
            .Set("box",
                 JsonValue::Array({JsonValue::Number(at.left), JsonValue::Number(at.top),
                                   JsonValue::Number(at.width), JsonValue::Number(at.height)}))
            .Set("font", JsonValue::Number(transform.FontOf(points, false).pixels))
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
    JsonValue all = JsonValue::Object();
    all.Set("controls", std::move(controls))
        .Set("scenarios", std::move(scenarios))
        .Set("scenario", JsonValue::String(state.cmbSims.text))
        .Set("split", JsonValue::Bool(state.chkSplit.value == 1))
        .Set("status", JsonValue::String(state.Label2.caption));
    return HopscapeFile::Bytes(all);
}

std::string WebSession::Texts(int width, int height) const {
    const TwipsToPixels transform = Transform(width, height);
    const auto place = [&](double left, double top, double across, double down) {
        const PixelRect at = transform.Pixels(left, top, across, down);
        return JsonValue::Array({JsonValue::Number(at.left), JsonValue::Number(at.top),
                                 JsonValue::Number(at.width), JsonValue::Number(at.height)});
    };
    const Lecture::Strip strip = lecture_.CaptionStrip(true);
    const Lecture::Meter meter = lecture_.Corner();
    JsonValue all = JsonValue::Object();
    all.Set(
        "strip",
        JsonValue::Object()
            .Set("shown", JsonValue::Bool(strip.shown))
            .Set("caption", JsonValue::String(strip.caption))
            .Set("detail", JsonValue::String(strip.detail))
            .Set("keys", JsonValue::String(strip.keys))
            .Set("box",
                 place(0, Layout::kClientHeight, Layout::kClientWidth, Layout::kCaptionHeight))
            .Set("font", JsonValue::Number(transform.FontOf(Layout::kCaptionPoints, true).pixels))
            .Set("small font",
                 JsonValue::Number(transform.FontOf(Layout::kCaptionStepPoints, false).pixels))
            .Set("back", JsonValue::Number(Layout::kCaptionBack))
            .Set("text", JsonValue::Number(Layout::kCaptionText))
            .Set("step text", JsonValue::Number(Layout::kCaptionStepText)));
    const Box& m = Layout::kMeter;
    const Box& h = Layout::kHelpButton;
    all.Set("meter", JsonValue::Object()
                         .Set("shown", JsonValue::Bool(meter.shown))
                         .Set("rules", JsonValue::String(meter.rules))
                         .Set("state", JsonValue::String(meter.state))
                         .Set("since", JsonValue::String(meter.since))
                         .Set("box", place(m.left, m.top, m.width, m.height))
                         .Set("font", JsonValue::Number(
                                          transform.FontOf(Layout::kNotePoints, false).pixels)))
        .Set("help", JsonValue::Object()
                         .Set("box", place(h.left, h.top, h.width, h.height))
                         .Set("font", JsonValue::Number(
                                          transform.FontOf(Layout::kCommandPoints, false).pixels)));
    return HopscapeFile::Bytes(all);
}
