#pragma once

#include "app/ChangeLog.h"
#include "app/History.h"
#include "app/IdleTimer.h"
#include "app/view/FormCanvas.h"
#include "common/view/TwipsTransform.h"
#include "form/FormState.h"

#include <QElapsedTimer>
#include <QImage>
#include <QWidget>

#include <array>
#include <functional>
#include <string>
#include <vector>

class MainForm;
class ColourButton;
class LectureMenu;
class LabelSpot;
class QCheckBox;
class ScenarioList;
class QPushButton;
class QTimer;
class RouterTable;
struct ButtonControl;

// The main window on screen. It draws the form's state, one twips-to-pixels transform for
// everything, and forwards each click and timer tick to the handler of the same name. Resizing
// scales the whole drawing uniformly.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    // Opens at the layout's full size, or scaled down to fit where `room` (a screen area) is
    // smaller.
    explicit MainWindow(MainForm& form, const QSize& room = {}, QWidget* parent = nullptr);

    // The smallest the window may be made, as a fraction of its full size: below it the captions
    // no longer fit their controls.
    static constexpr double kMinimumScale = 0.5;

    // Pixels per twip at the window's full size (1440 twips per logical inch).
    double BaseScale() const;
    // The size to open at in a screen area of `room`: the full size where it fits, else scaled
    // down to fit with the aspect kept, but never below the minimum size.
    QSize OpeningSize(const QSize& room) const;
    const TwipsTransform& Transform() const { return transform_; }
    // Brings every widget and the drawing up to date with the form's state, and starts or stops
    // the timer as the state asks.
    void Sync();
    // What MoveTimer calls every 40 ms: one tick of the form, then a repaint of what it changed.
    // The timer sleeps while a tick could change nothing (see IdleTimer).
    void Tick();

    // The lecturer's extras (LectureMenu maps keys and menu entries onto these).
    // Runs a user action: the ticks the sleeping timer skipped first, the state kept for undo,
    // then the action, then Sync.
    void Act(const std::function<void()>& action);
    bool Undo();
    bool Redo();
    void SetSpeed(IdleTimer::Speed speed);
    IdleTimer::Speed Speed() const { return idle_.CurrentSpeed(); }
    ChangeLog& Log() { return log_; }
    MainForm& Form() { return form_; }
    LectureMenu& Lecture() { return *extras_; }
    // Paints the window, child widgets included, straight onto the painter without the kept
    // pictures, so that a scaled or vector copy stays sharp.
    void RenderSharp(QPainter& painter);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // A right click on an empty part of the window opens the menu of extras.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct BoundButton {
        ColourButton* widget;
        const ButtonControl* control;
        bool namedByCaption; // command buttons: a screen reader says their current caption
    };
    QPushButton* AddButton(const ButtonControl& control, const QString& name,
                           const std::string& accessibleName = {}, const std::string& tip = {});
    void OnClick(QPushButton* button, std::function<void()> handler);
    void ScheduleTimer();
    // Undo or redo: the skipped ticks first, then the step through the history, then Sync.
    bool Travel(const std::function<bool()>& step);
    // Repaints what a tick can change: packets, the status line and the router panels.
    void SyncPackets();
    void Place();
    void SetTabOrder();
    QSize SizeAt(double fraction) const;
    void SyncButton(const BoundButton& button);

    MainForm& form_;
    TwipsTransform transform_;
    QSize placedSize_; // the window size the widgets were last placed for
    std::vector<BoundButton> buttons_;
    std::array<RouterTable*, kRouterCount> panels_{};
    std::array<LabelSpot*, Layout::kCostLabelCount> costSpots_{};
    LabelSpot* statusSpot_ = nullptr;
    QCheckBox* split_ = nullptr;
    ScenarioList* scenarios_ = nullptr;
    QTimer* timer_ = nullptr;
    IdleTimer idle_;
    QElapsedTimer clock_;
    History history_;
    ChangeLog log_;
    LectureMenu* extras_ = nullptr;
    FormCanvas canvas_;
    bool sharp_ = false; // painting for RenderSharp
};
