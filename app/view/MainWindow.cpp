#include "app/view/MainWindow.h"

#include "app/AccessibleText.h"
#include "app/IdleTimer.h"
#include "app/MainForm.h"
#include "app/view/ColourButton.h"
#include "app/view/FormCanvas.h"
#include "app/view/LabelSpot.h"
#include "app/view/LectureMenu.h"
#include "app/view/ScenarioList.h"
#include "form/Layout.h"
#include "router/view/RouterTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

// Mouse buttons as the cost labels' handler numbers them: left 1, right 2, middle 4.
int ButtonNumber(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 8;
    }
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

MainWindow::MainWindow(MainForm& form, const QSize& room, QWidget* parent)
    : QWidget(parent), form_(form), idle_(form), history_(form.State()), log_(form.State()),
      canvas_(form.State(), transform_) {
    clock_.start();
    FormState& state = form_.State();
    setWindowTitle(QString::fromStdString(state.Caption));
    setAttribute(Qt::WA_OpaquePaintEvent);

    // The scenario list comes first, so that it is first to take the focus when the window opens.
    scenarios_ = new ScenarioList(this);
    scenarios_->setObjectName(QStringLiteral("cmbSims"));
    scenarios_->setAccessibleName(QString::fromLatin1(AccessibleText::kScenarioList));
    connect(scenarios_, &QComboBox::activated, this, [this](int index) {
        Act([this, index] {
            form_.State().cmbSims.text = scenarios_->itemText(index).toStdString();
            form_.cmbSims_Click();
        });
    });
    // Painted labels get their stand-ins next, so that every button stays above them.
    for (int i = 0; i < Layout::kCostLabelCount; ++i) {
        costSpots_[i] = new LabelSpot(this, [this, i](Qt::MouseButton button) {
            Act([this, i, button] { form_.lblCost_MouseDown(i, ButtonNumber(button)); });
        });
        costSpots_[i]->setObjectName("lblCost" + QString::number(i));
        costSpots_[i]->setAccessibleName(Q(AccessibleText::CostName(i)));
        costSpots_[i]->setToolTip(Q(AccessibleText::CostTip(i)));
    }
    statusSpot_ = new LabelSpot(this);
    statusSpot_->setObjectName(QStringLiteral("Label2"));
    statusSpot_->setAccessibleName(QString::fromLatin1(AccessibleText::kStatusLine));

    for (int i = 0; i < kRouterCount; ++i) {
        OnClick(AddButton(state.btnRouter[i], "btnRouter" + QString::number(i),
                          AccessibleText::RouterName(i)),
                [this, i] { form_.btnRouter_Click(i); });
    }
    for (int i = 0; i < kNetworkCount; ++i) {
        OnClick(AddButton(state.btnNetwork[i], "btnNetwork" + QString::number(i),
                          AccessibleText::NetworkName(i)),
                [this, i] { form_.btnNetwork_Click(i); });
    }
    for (int i = 0; i < Layout::kBreakCount; ++i) {
        OnClick(AddButton(state.cmdBreak[i], "cmdBreak" + QString::number(i),
                          AccessibleText::BreakName(i), AccessibleText::BreakTip(i)),
                [this, i] { form_.cmdBreak_Click(i); });
    }
    const struct {
        const ButtonControl& control;
        const char* name;
        std::function<void()> handler;
    } commands[] = {
        {state.Command1, "Command1", [this] { form_.Command1_Click(); }},
        {state.Command2, "Command2", [this] { form_.Command2_Click(); }},
        {state.Command3, "Command3", [this] { form_.Command3_Click(); }},
        {state.Command7, "Command7", [this] { form_.Command7_Click(); }},
        {state.Command5, "Command5", [this] { form_.Command5_Click(); }},
        {state.Command4, "Command4", [this] { form_.Command4_Click(); }},
    };
    for (const auto& command : commands) {
        OnClick(AddButton(command.control, QString::fromLatin1(command.name)), command.handler);
    }

    split_ = new QCheckBox(QString::fromStdString(state.chkSplit.caption), this);
    split_->setObjectName(QStringLiteral("chkSplit"));
    connect(split_, &QCheckBox::clicked, this, [this] {
        Act([this] {
            form_.State().chkSplit.value = split_->checkState() == Qt::Checked ? 1 : 0;
            form_.chkSplit_Click();
        });
    });
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("MoveTimer"));
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(state.MoveTimer.interval);
    connect(timer_, &QTimer::timeout, this, &MainWindow::Tick);
    for (int i = 0; i < kRouterCount; ++i) {
        panels_[i] = new RouterTable(state.RouterTable[i], this);
        panels_[i]->setObjectName("RouterTable" + QString::number(i));
        panels_[i]->setAccessibleName(Q(AccessibleText::PanelName(i)));
    }

    SetTabOrder();
    extras_ = new LectureMenu(*this);
    setMinimumSize(SizeAt(kMinimumScale));
    resize(room.isValid() ? OpeningSize(room) : SizeAt(1.0));
    Place();
    Sync();
}

QSize MainWindow::SizeAt(double fraction) const {
    const FormState& state = form_.State();
    const double scale = BaseScale() * fraction;
    return {static_cast<int>(std::lround(state.ClientWidth * scale)),
            static_cast<int>(std::lround(state.ClientHeight * scale))};
}

QSize MainWindow::OpeningSize(const QSize& room) const {
    const QSize full = SizeAt(1.0);
    const double fit = std::min({1.0, static_cast<double>(room.width()) / full.width(),
                                 static_cast<double>(room.height()) / full.height()});
    return SizeAt(std::max(fit, kMinimumScale));
}

void MainWindow::SetTabOrder() {
    // The scenario list first, then the commands and the check box, then the drawing's own
    // controls: routers, networks, break buttons and cost labels.
    std::vector<QWidget*> order{scenarios_};
    for (const BoundButton& b : buttons_) {
        if (b.namedByCaption) {
            order.push_back(b.widget);
        }
    }
    order.push_back(split_);
    for (const BoundButton& b : buttons_) {
        if (!b.namedByCaption) {
            order.push_back(b.widget);
        }
    }
    order.insert(order.end(), costSpots_.begin(), costSpots_.end());
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

double MainWindow::BaseScale() const {
    return logicalDpiX() / TwipsTransform::kTwipsPerInch;
}

void MainWindow::OnClick(QPushButton* button, std::function<void()> handler) {
    connect(button, &QPushButton::clicked, this,
            [this, handler = std::move(handler)] { Act(handler); });
}

void MainWindow::Act(const std::function<void()>& action) {
    const long now = clock_.elapsed();
    idle_.CatchUp(now);
    log_.SetNow(now);
    history_.BeforeAction();
    action();
    Sync();
}

bool MainWindow::Undo() {
    return Travel([this] { return history_.Undo(); });
}

bool MainWindow::Redo() {
    return Travel([this] { return history_.Redo(); });
}

bool MainWindow::Travel(const std::function<bool()>& step) {
    idle_.CatchUp(clock_.elapsed());
    if (!step()) {
        return false;
    }
    log_.ClearMarks();
    Sync();
    return true;
}

void MainWindow::SetSpeed(IdleTimer::Speed speed) {
    const long next = idle_.SetSpeed(speed, clock_.elapsed());
    if (next >= 0) {
        timer_->start(static_cast<int>(next));
    }
}

void MainWindow::RenderSharp(QPainter& painter) {
    sharp_ = true;
    setProperty("directPainting", true);
    render(&painter);
    setProperty("directPainting", false);
    sharp_ = false;
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (childAt(event->pos()) == nullptr) {
        extras_->Popup(event->globalPos());
    }
}

void MainWindow::Tick() {
    const long now = clock_.elapsed();
    log_.SetNow(now);
    if (!idle_.Fire(now)) {
        timer_->stop();
    } else if (timer_->interval() != idle_.Interval()) {
        // The first tick after waking or a change of speed came early or late to keep the beat;
        // the rest keep the interval.
        timer_->setInterval(static_cast<int>(idle_.Interval()));
    }
    log_.Refresh();
    SyncPackets();
    extras_->Refresh();
}

void MainWindow::ScheduleTimer() {
    const long next = idle_.Next(clock_.elapsed());
    if (next < 0) {
        timer_->stop();
    } else if (!timer_->isActive()) {
        timer_->start(static_cast<int>(std::max(0L, next)));
    }
}

void MainWindow::SyncPackets() {
    bool statusChanged = false;
    QRegion dirty = canvas_.Changed(statusChanged);
    if (statusChanged) {
        statusSpot_->setAccessibleDescription(Q(form_.State().Label2.caption));
    }
    for (RouterTable* panel : panels_) {
        panel->Refresh();
    }
    // What lies under a router button, a network bar or a panel is hidden by it: those opaque
    // widgets need not repaint for a packet passing beneath.
    for (const BoundButton& b : buttons_) {
        if (b.widget->isVisible() && b.control->backColour != ButtonControl{}.backColour) {
            dirty -= b.widget->geometry();
        }
    }
    for (RouterTable* panel : panels_) {
        if (panel->isVisible()) {
            dirty -= panel->geometry();
        }
    }
    if (!dirty.isEmpty()) {
        update(dirty);
    }
}

QPushButton* MainWindow::AddButton(const ButtonControl& control, const QString& name,
                                   const std::string& accessibleName, const std::string& tip) {
    auto* button = new ColourButton(this);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::TabFocus);
    button->setAccessibleName(Q(accessibleName));
    button->setToolTip(Q(tip));
    buttons_.push_back({button, &control, accessibleName.empty()});
    return button;
}

void MainWindow::Place() {
    if (size() == placedSize_) {
        return;
    }
    placedSize_ = size();
    const FormState& state = form_.State();
    const double base = BaseScale();
    const double fit =
        std::min(width() / (state.ClientWidth * base), height() / (state.ClientHeight * base));
    const double scale = base * fit;
    const QPointF offset((width() - state.ClientWidth * scale) / 2,
                         (height() - state.ClientHeight * scale) / 2);
    transform_ = TwipsTransform(scale, offset);

    for (const BoundButton& b : buttons_) {
        const Box& box = b.control->box;
        b.widget->setGeometry(transform_.Rect(box.left, box.top, box.width, box.height));
        b.widget->setFont(transform_.Font(b.control->fontPoints, b.control->bold));
    }
    const Box& check = state.chkSplit.box;
    split_->setGeometry(transform_.Rect(check.left, check.top, check.width, check.height));
    // The caption must fit its box: where this font runs wider than the layout's, narrow it.
    // The tick box grows with the drawing; at the style's own size no style sheet is needed.
    const int tick = static_cast<int>(std::lround(transform_.PenWidth(13)));
    if (tick != split_->style()->pixelMetric(QStyle::PM_IndicatorWidth) ||
        !split_->styleSheet().isEmpty()) {
        split_->setStyleSheet(
            QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; }").arg(tick));
    }
    QFont checkFont = transform_.Font(state.chkSplit.fontPoints, false);
    split_->setFont(checkFont);
    const int room = split_->width();
    const int needed = split_->sizeHint().width();
    if (needed > room && needed > 0) {
        checkFont.setStretch(std::max(70, 100 * room / needed));
        split_->setFont(checkFont);
    }
    const Box& list = state.cmbSims.box;
    scenarios_->setFont(transform_.Font(state.cmbSims.fontPoints, false));
    const QRect listRect = transform_.Rect(list.left, list.top, list.width, 0);
    scenarios_->setGeometry(listRect.x(), listRect.y(), listRect.width(),
                            scenarios_->sizeHint().height());
    for (int i = 0; i < kRouterCount; ++i) {
        const Layout::RouterPlace& place = Layout::kRouters[i];
        panels_[i]->Place(place.panelLeft, place.panelTop, transform_);
    }
    for (int i = 0; i < Layout::kCostLabelCount; ++i) {
        const Box& b = state.lblCost[i].box;
        costSpots_[i]->setGeometry(transform_.Rect(b.left, b.top, b.width, b.height));
    }
    const Box& status = state.Label2.box;
    statusSpot_->setGeometry(transform_.Rect(status.left, status.top, status.width, status.height));
    canvas_.Invalidate(true);
    update();
}

void MainWindow::SyncButton(const BoundButton& b) {
    const ButtonControl& control = *b.control;
    // A blank caption (the break buttons' " ") shows nothing, so nothing is drawn for it.
    const bool blank = control.caption.find_first_not_of(' ') == std::string::npos;
    const QString caption = blank ? QString() : QString::fromStdString(control.caption);
    if (b.widget->text() != caption) {
        b.widget->setText(caption);
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

void MainWindow::Sync() {
    const FormState& state = form_.State();
    for (const BoundButton& b : buttons_) {
        SyncButton(b);
    }
    split_->setCheckState(state.chkSplit.value == 1   ? Qt::Checked
                          : state.chkSplit.value == 2 ? Qt::PartiallyChecked
                                                      : Qt::Unchecked);
    if (scenarios_->count() != static_cast<int>(state.cmbSims.items.size())) {
        scenarios_->clear();
        for (const std::string& item : state.cmbSims.items) {
            scenarios_->addItem(QString::fromStdString(item));
        }
    }
    scenarios_->setCurrentIndex(scenarios_->findText(QString::fromStdString(state.cmbSims.text)));
    for (int i = 0; i < Layout::kCostLabelCount; ++i) {
        costSpots_[i]->setVisible(state.lblCost[i].visible);
        costSpots_[i]->setAccessibleDescription(
            Q(AccessibleText::CostValue(state.lblCost[i].caption)));
    }
    canvas_.Invalidate(false);
    log_.Refresh();
    SyncPackets();
    ScheduleTimer();
    update();
    extras_->Refresh();
}

void MainWindow::paintEvent(QPaintEvent* event) {
    canvas_.Paint(*this, event->region(), sharp_);
}

void MainWindow::resizeEvent(QResizeEvent*) {
    Place();
}
