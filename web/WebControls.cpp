#include "web/WebControls.h"

#include "app/AccessibleText.h"
#include "app/TabOrder.h"
#include "common/JsonValue.h"
#include "common/JsonWriter.h"
#include "common/Translate.h"
#include "form/Layout.h"
#include "scene/Look.h"
#include "scene/PanelScene.h"
#include "web/WebSession.h"

#include <algorithm>

WebControls::WebControls(const WebSession& session, int width, int height)
    : session_(session), width_(width), height_(height),
      transform_(session.Transform(width, height)), phone_(session.Phone()) {}

std::string WebControls::Controls() const {
    const FormState& state = session_.Demonstration().State();
    const std::optional<PhoneLayout>& phone = phone_;
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
            caption = Translate(state.chkSplit.caption);
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
            double scale = transform_.Scale();
            if (phone) {
                for (const PhoneLayout::Table& table : phone->Tables()) {
                    scale = table.router == control.index ? table.scale : scale;
                }
            }
            const PanelScene scene(panel, scale, session_.CurrentLook());
            for (int k = 0; k < Router::kRows; ++k) {
                if (panel.Engine().Rows()[k].shown) {
                    const PixelRect band = scene.RowArea(k);
                    rows.items.push_back(
                        JsonValue::Object()
                            .Set("said", JsonValue::String(panel.SpokenRow(k)))
                            .Set("why", JsonValue::String(
                                            session_.Demonstration().ExplainRow(control.index, k)))
                            .Set("top", JsonValue::Number(band.top))
                            .Set("height", JsonValue::Number(band.height)));
                }
            }
            break;
        }
        }
        if (button != nullptr) {
            box = button->box;
            caption = Translate(button->caption);
            points = button->fontPoints;
            bold = button->bold;
            visible = button->visible;
            colour = button->backColour;
        }
        PixelRect at = transform_.Pixels(box.left, box.top, box.width, box.height);
        PixelRect tap = at;
        double font = transform_.FontOf(points, false).pixels;
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
    // Each scenario as it is known, and as it is shown.
    for (const std::string& name : state.cmbSims.items) {
        scenarios.items.push_back(
            JsonValue::Array({JsonValue::String(name), JsonValue::String(Translate(name))}));
    }
    JsonValue magnified = JsonValue::Array();
    for (const WebSession::PanelPlace& place : session_.Panels(transform_, width_, height_)) {
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
    all.Set("question", Question());
    all.Set("controls", std::move(controls))
        .Set("magnified", std::move(magnified))
        .Set("scenarios", std::move(scenarios))
        .Set("scenario", JsonValue::String(state.cmbSims.text))
        .Set("split", JsonValue::Bool(state.chkSplit.value == 1))
        .Set("phone", JsonValue::Bool(phone.has_value()))
        .Set("drawn height", JsonValue::Number(phone ? phone->DrawnHeight() : height_));
    return JsonWriter::WriteCompact(all);
}

JsonValue WebControls::Question() const {
    const Quiz& quiz = session_.Demonstration().Questions();
    if (!quiz.Asked()) {
        return JsonValue(); // null
    }
    const ::Question& asked = *quiz.Asked();
    const Layout::RouterPlace& place = Layout::kRouters[asked.Router()];
    const RouterPanel& panel = session_.Demonstration().State().RouterTable[asked.Router()];
    PixelRect table =
        transform_.Pixels(place.panelLeft, place.panelTop, PanelLayout::kWidth, panel.Height());
    double scale = transform_.Scale();
    if (const std::optional<PhoneLayout>& phone = phone_) {
        for (const PhoneLayout::Table& shown : phone->Tables()) {
            if (shown.router == asked.Router() && !shown.magnified) {
                table = shown.box;
                scale = shown.scale;
            }
        }
    }
    const PanelScene scene(panel, scale, session_.CurrentLook());
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

std::string WebControls::Texts() const {
    const auto array = [](const PixelRect& at) {
        return JsonValue::Array({JsonValue::Number(at.left), JsonValue::Number(at.top),
                                 JsonValue::Number(at.width), JsonValue::Number(at.height)});
    };
    const auto place = [&](double left, double top, double across, double down) {
        return transform_.Pixels(left, top, across, down);
    };
    const Lecture::Strip strip = session_.Strip();
    // A follower steps no lesson of its own: the strip's Back and Next are the lecturer's.
    const bool own = !session_.Following() || session_.Exploring();
    const auto step = [&](Extras::Id id) {
        return JsonValue::Number(
            own && session_.Lecture().Extra(id).enabled ? static_cast<double>(id) : -1);
    };
    const Lecture::Meter meter = session_.Lecture().Corner();
    const Box& m = Layout::kMeter;
    const Box& h = Layout::kHelpButton;
    PixelRect stripBox =
        place(0, Layout::kClientHeight, Layout::kClientWidth, Layout::kCaptionHeight);
    double stripFont = transform_.FontOf(Layout::kCaptionPoints, true).pixels;
    double smallFont = transform_.FontOf(Layout::kCaptionStepPoints, false).pixels;
    PixelRect meterBox = place(m.left, m.top, m.width, m.height);
    const double leastMeter = transform_.FontOf(Layout::kNotePoints, false).pixels;
    double meterFont =
        transform_
            .FontOf(std::max(Layout::kNotePoints,
                             LookFor(session_.Demonstration().Projector()).meterPoints),
                    false)
            .pixels;
    PixelRect helpBox = place(h.left, h.top, h.width, h.height);
    double helpFont = transform_.FontOf(Layout::kCommandPoints, false).pixels;
    PixelRect statusBox;
    if (const std::optional<PhoneLayout>& phone = phone_) {
        // Held upright: in rows under the controls, as tall as their text (the page lets the
        // strip grow), and no smaller than a phone's least.
        stripBox = {0, phone->StripTop(), width_, 0};
        stripFont = 18;
        smallFont = PhoneLayout::kLeastText + 1;
        meterBox = phone->Meter();
        meterFont = PhoneLayout::kLeastText + 1;
        helpBox = phone->Help();
        helpFont = 20;
        statusBox = phone->Status();
    }
    JsonValue all = JsonValue::Object();
    all.Set("strip",
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
                .Set("next step", step(Extras::Id::NextStep))
                .Set("back step", step(Extras::Id::PreviousStep))
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
        .Set("status",
             JsonValue::Object()
                 .Set("shown", JsonValue::Bool(!statusBox.Empty()))
                 .Set("text", JsonValue::String(session_.Demonstration().State().Label2.caption))
                 .Set("box", array(statusBox)));
    const Hall::Bar bar = session_.Bar();
    all.Set("follow", JsonValue::Object()
                          .Set("said", JsonValue::String(bar.said))
                          .Set("button", JsonValue::String(bar.button))
                          .Set("explores", JsonValue::Bool(!session_.Exploring())));
    return JsonWriter::WriteCompact(all);
}
