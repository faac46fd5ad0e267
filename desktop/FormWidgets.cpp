#include "desktop/FormWidgets.h"

#include "app/AccessibleText.h"
#include "app/TabOrder.h"
#include "common/Translate.h"
#include "desktop/CheckBox.h"
#include "desktop/ColourButton.h"
#include "desktop/LabelSpot.h"
#include "desktop/RouterTable.h"
#include "desktop/ScenarioList.h"
#include "form/FormState.h"
#include "scene/Look.h"

#include <algorithm>
#include <cmath>

namespace {

// Mouse buttons as the cost labels' handler numbers them; any other lowers a cost as the right
// one does.
int ButtonNumber(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::kLeft;
    case Qt::MiddleButton:
        return MouseButton::kMiddle;
    default:
        return MouseButton::kRight;
    }
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The check box's tick box, in design pixels.
constexpr int kTickBox = 13;

} // namespace

FormWidgets::FormWidgets(QWidget& window, FormState& form, std::function<void(const Action&)> act)
    : window_(window), form_(form), act_(std::move(act)) {
    using Control = Action::Control;
    // The scenario list comes first, so that it is first to take the focus when the window opens.
    list_ = new ScenarioList(&window_);
    list_->setObjectName(QStringLiteral("cmbSims"));
    list_->setAccessibleName(QString::fromLatin1(AccessibleText::kScenarioList));
    QObject::connect(list_, &QComboBox::activated, &window_, [this](int index) {
        act_(Action::Choose(list_->itemData(index).toString().toStdString()));
    });
    // Painted labels get their stand-ins next, so that every button stays above them.
    MakeStandIns();
    for (int i = 0; i < kRouterCount; ++i) {
        AddButton(form_.btnRouter[i], "btnRouter" + QString::number(i),
                  Action::Click(Control::Router, i), AccessibleText::RouterName(i));
    }
    for (int i = 0; i < kNetworkCount; ++i) {
        AddButton(form_.btnNetwork[i], "btnNetwork" + QString::number(i),
                  Action::Click(Control::Network, i), AccessibleText::NetworkName(i));
    }
    for (int i = 0; i < Layout::kBreakCount; ++i) {
        AddButton(form_.cmdBreak[i], "cmdBreak" + QString::number(i),
                  Action::Click(Control::Break, i), AccessibleText::BreakName(i),
                  AccessibleText::BreakTip(i));
    }
    AddButton(form_.Command1, QStringLiteral("Command1"), Action::Click(Control::One));
    AddButton(form_.Command2, QStringLiteral("Command2"), Action::Click(Control::Many));
    AddButton(form_.Command3, QStringLiteral("Command3"), Action::Click(Control::Pause));
    AddButton(form_.Command7, QStringLiteral("Command7"), Action::Click(Control::Kill));
    AddButton(form_.Command5, QStringLiteral("Command5"), Action::Click(Control::Reset));
    AddButton(form_.Command4, QStringLiteral("Command4"), Action::Click(Control::Update));

    split_ = new CheckBox(Q(Translate(form_.chkSplit.caption)), &window_);
    split_->setObjectName(QStringLiteral("chkSplit"));
    QObject::connect(split_, &QCheckBox::clicked, &window_,
                     [this] { act_(Action::Split(split_->checkState() == Qt::Checked)); });
    for (int i = 0; i < kRouterCount; ++i) {
        panels_[i] = new RouterTable(form_.RouterTable[i], &window_);
        panels_[i]->setObjectName("RouterTable" + QString::number(i));
        panels_[i]->setAccessibleName(Q(AccessibleText::PanelName(i)));
    }
    SetTabOrder();
}

void FormWidgets::MakeStandIns() {
    for (int i = 0; i < Layout::kCostLabelCount; ++i) {
        costSpots_[i] = new LabelSpot(&window_, [this, i](Qt::MouseButton button) {
            act_(Action::CostPress(i, ButtonNumber(button)));
        });
        costSpots_[i]->setObjectName("lblCost" + QString::number(i));
        costSpots_[i]->setAccessibleName(Q(AccessibleText::CostName(i)));
        costSpots_[i]->setToolTip(Q(AccessibleText::CostTip(i)));
    }
    statusSpot_ = new LabelSpot(&window_);
    statusSpot_->setObjectName(QStringLiteral("Label2"));
    statusSpot_->setAccessibleName(QString::fromLatin1(AccessibleText::kStatusLine));
}

void FormWidgets::AddButton(const ButtonControl& control, const QString& name, const Action& action,
                            const std::string& accessibleName, const std::string& tip) {
    auto* button = new ColourButton(&window_);
    button->setObjectName(name);
    // A click takes the focus, as on any desktop button, so that the keys pressed next no longer
    // reach the scenario list.
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAccessibleName(Q(accessibleName));
    button->setToolTip(Q(tip));
    QObject::connect(button, &QPushButton::clicked, &window_, [this, action] { act_(action); });
    buttons_.push_back({button, &control, accessibleName.empty()});
}

void FormWidgets::SetTabOrder() {
    QWidget* before = nullptr;
    for (const TabOrder::Control& control : TabOrder::Controls()) {
        auto* widget = window_.findChild<QWidget*>(QString::fromStdString(control.name),
                                                   Qt::FindDirectChildrenOnly);
        if (before != nullptr && widget != nullptr) {
            QWidget::setTabOrder(before, widget);
        }
        before = widget;
    }
}

void FormWidgets::Place(const TwipsTransform& transform) {
    for (const BoundButton& b : buttons_) {
        const Box& box = b.control->box;
        b.widget->setGeometry(transform.Rect(box.left, box.top, box.width, box.height));
        b.widget->Fit(transform.Font(b.control->fontPoints, b.control->bold));
    }
    const Box& check = form_.chkSplit.box;
    split_->setGeometry(transform.Rect(check.left, check.top, check.width, check.height));
    // The tick box grows with the drawing: 13 design pixels.
    split_->Fit(transform.Font(form_.chkSplit.fontPoints, false),
                static_cast<int>(std::lround(transform.PenWidth(kTickBox))));
    const Box& list = form_.cmbSims.box;
    list_->setFont(transform.Font(form_.cmbSims.fontPoints, false));
    const QRect listRect = transform.Rect(list.left, list.top, list.width, 0);
    list_->setGeometry(listRect.x(), listRect.y(), listRect.width(), list_->sizeHint().height());
    for (int i = 0; i < kRouterCount; ++i) {
        const Layout::RouterPlace& place = Layout::kRouters[i];
        panels_[i]->Place(place.panelLeft, place.panelTop, transform);
    }
    for (int i = 0; i < Layout::kCostLabelCount; ++i) {
        const Box& b = form_.lblCost[i].box;
        costSpots_[i]->setGeometry(transform.Rect(b.left, b.top, b.width, b.height));
    }
    const Box& status = form_.Label2.box;
    statusSpot_->setGeometry(transform.Rect(status.left, status.top, status.width, status.height));
    FindOpaque();
}

void FormWidgets::SyncButton(const BoundButton& b) {
    const ButtonControl& control = *b.control;
    // A blank caption (the break buttons' " ") shows nothing, so nothing is drawn for it.
    const bool blank = control.caption.find_first_not_of(' ') == std::string::npos;
    const QString caption = blank ? QString() : Q(Translate(control.caption));
    if (b.widget->text() != caption) {
        b.widget->setText(caption);
        b.widget->Fit(b.widget->Given());
        if (b.namedByCaption) {
            b.widget->setAccessibleName(caption);
        }
    }
    // Router and network buttons show their router's colour exactly, flat, as packets use it.
    if (control.backColour != ButtonControl{}.backColour) {
        b.widget->SetColour(ToQColor(control.backColour));
    }
    b.widget->setVisible(control.visible);
}

void FormWidgets::Sync() {
    for (const BoundButton& b : buttons_) {
        SyncButton(b);
    }
    split_->setCheckState(form_.chkSplit.value == 1   ? Qt::Checked
                          : form_.chkSplit.value == 2 ? Qt::PartiallyChecked
                                                      : Qt::Unchecked);
    list_->Show(form_.cmbSims.items, form_.cmbSims.text);
    for (int i = 0; i < Layout::kCostLabelCount; ++i) {
        costSpots_[i]->setVisible(form_.lblCost[i].visible);
        costSpots_[i]->setAccessibleDescription(
            Q(AccessibleText::CostValue(form_.lblCost[i].caption)));
    }
    for (RouterTable* panel : panels_) {
        panel->Refresh();
    }
    FindOpaque();
}

void FormWidgets::SyncTick(bool statusChanged) {
    if (statusChanged) {
        statusSpot_->setAccessibleDescription(Q(form_.Label2.caption));
    }
    bool moved = false;
    for (RouterTable* panel : panels_) {
        moved = panel->Refresh() || moved;
    }
    if (moved) {
        FindOpaque();
    }
}

void FormWidgets::FindOpaque() {
    QRegion opaque;
    for (const BoundButton& b : buttons_) {
        if (!b.widget->isHidden() && b.control->backColour != ButtonControl{}.backColour) {
            opaque += b.widget->geometry();
        }
    }
    for (RouterTable* panel : panels_) {
        if (!panel->isHidden()) {
            opaque += panel->geometry();
        }
    }
    opaque_ = opaque;
}

void FormWidgets::SetLook(bool projector) {
    for (RouterTable* panel : panels_) {
        panel->SetLook(LookFor(projector));
    }
}

void FormWidgets::ExplainRows(const std::function<QString(int router, int row)>& explain) {
    for (int i = 0; i < kRouterCount; ++i) {
        panels_[i]->SetExplain([explain, i](int row) { return explain(i, row); });
    }
}
