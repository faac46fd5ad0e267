#pragma once

#include "app/Action.h"
#include "common/Letters.h"
#include "desktop/TwipsTransform.h"
#include "form/Layout.h"

#include <QRegion>

#include <array>
#include <functional>
#include <string>
#include <vector>

class ColourButton;
class FormState;
class LabelSpot;
class CheckBox;
class QWidget;
class RouterTable;
class ScenarioList;
struct ButtonControl;

// The window's child widgets, each bound to its control of the form: the command, router,
// network and break buttons, the check box, the scenario list, the router panels, and invisible
// stand-ins for the painted cost labels and status line. Made once with their names, accessible
// texts and Tab order; placed for each transform; brought up to date with the form. A click on
// any of them is handed on as an Action.
class FormWidgets {
public:
    FormWidgets(QWidget& window, FormState& form, std::function<void(const Action&)> act);

    // Sizes and places every widget for the transform, fonts included.
    void Place(const TwipsTransform& transform);
    // Brings every widget up to date with the form: captions, colours, visibility, the check box,
    // the list and what each says to a screen reader.
    void Sync();
    // What a tick can change besides the drawing: the router panels, and what the status line
    // says to a screen reader.
    void SyncTick(bool statusChanged);
    // The pixels the opaque widgets (router and network buttons, router panels) cover: nothing
    // painted beneath them shows. Found again whenever one of them moves, appears or goes.
    const QRegion& Opaque() const { return opaque_; }
    ScenarioList* List() const { return list_; }
    // The router panels write in a projector's look, or in the design's own.
    void SetLook(bool projector);
    // Where a router panel's row tells what it means when the mouse rests on it.
    void ExplainRows(const std::function<QString(int router, int row)>& explain);

private:
    struct BoundButton {
        ColourButton* widget;
        const ButtonControl* control;
        bool namedByCaption; // command buttons: a screen reader says their current caption
    };
    void AddButton(const ButtonControl& control, const QString& name, const Action& action,
                   const std::string& accessibleName = {}, const std::string& tip = {});
    void MakeStandIns();
    void SetTabOrder();
    void SyncButton(const BoundButton& button);
    void FindOpaque();

    QWidget& window_;
    FormState& form_;
    std::function<void(const Action&)> act_;
    std::vector<BoundButton> buttons_;
    std::array<RouterTable*, kRouterCount> panels_{};
    std::array<LabelSpot*, Layout::kCostLabelCount> costSpots_{};
    LabelSpot* statusSpot_ = nullptr;
    CheckBox* split_ = nullptr;
    ScenarioList* list_ = nullptr;
    QRegion opaque_;
};
