#pragma once

#include "desktop/Clock.h"
#include "desktop/FormCanvas.h"
#include "desktop/FormWidgets.h"
#include "desktop/TwipsTransform.h"
#include "desktop/WindowSize.h"
#include "session/Lecture.h"
#include "session/StartOptions.h"
#include "session/Stream.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class BeatTimers;
class CaptionStrip;
class Corner;
class LectureMenu;
class HallControls;
class LessonControls;
class Demonstration;
class MagnifiedTables;
class PredictionCells;
class SideStrip;
struct Action;

// The main window on screen: the form's drawing (FormCanvas) under its widgets (FormWidgets),
// one twips-to-pixels transform for all of it, scaled uniformly with the window. It hands every
// click to the lesson with the time, fires the lesson's ticks with MoveTimer and repaints only
// what a tick changed; a second timer clears framed rows on time while MoveTimer sleeps.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    // Opens at the layout's full size, or scaled down to fit where `room` (a screen area) is
    // smaller, with the demonstration started up as `options` ask (their seed given) and then
    // what they ask beyond it done.
    explicit MainWindow(class Demonstration& demonstration, const QSize& room = {},
                        QWidget* parent = nullptr, const StartOptions& options = {});
    ~MainWindow() override;

    // How large the window is made: its full size, the size it opens at.
    const WindowSize& Sizes() const { return size_; }
    const TwipsTransform& Transform() const { return transform_; }
    // Brings every widget and the drawing up to date with the lesson, and sets the timers.
    void Sync();
    // What MoveTimer calls: one tick of the lesson, then a repaint of what it changed.
    void Tick();
    // The look for a hall's projector, or the design's own, as the lesson says.
    void SyncLook();
    class Demonstration& Demonstration() {
        return demonstration_;
    }
    LectureMenu& Lecture() { return *extras_; }
    // Every event of the lecture goes through it, and a hall follows it.
    class Stream& Stream() {
        return stream_;
    }
    LessonControls& Lessons() { return *lessons_; }
    // Letting the hall follow.
    HallControls& Hall() { return *hall_; }
    // Milliseconds since the window was made: the time handed to the lesson.
    long Now() const { return clock_.Now(); }
    class Clock& Clock() {
        return clock_;
    }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Entering or leaving full screen docks or frees the log.
    void changeEvent(QEvent* event) override;
    // A right click on an empty part of the window opens the menu of extras.
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Esc leaves full screen.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Act(const Action& action);
    // Starts or stops MoveTimer and the frame timer as the lecture asks after the last event
    // that settled it, once for each such event.
    void Schedule();
    void Schedule(const ::Lecture::Next& next);
    void RefreshFrames();
    // Repaints what a tick can change: packets, the status line and the router panels; `now`
    // paints the drawing's part at once where it can, else it is repainted with the window.
    void SyncPackets(bool now);
    void Place();
    // Makes room for magnified tables, or gives it back, as they come and go.
    void SyncSide();
    // Runs `change`, then grows or shrinks the window by what it added or took away.
    void Regrow(const std::function<void()>& change);
    // Shows the lesson's caption (or how much has been recorded), and grows or shrinks the
    // window by the strip as it comes or goes, the drawing's scale kept.
    void SyncCaption();

    class Demonstration& demonstration_;
    ::Lecture lecture_;
    class Stream stream_;
    long scheduled_ = 0; // the events settled when the timers were last set
    class Clock clock_;
    TwipsTransform transform_;
    QSize placedSize_; // the window size the widgets were last placed for
    bool projectorShown_ = false;
    bool logDocked_ = false;
    WindowSize size_;
    FormWidgets widgets_;
    FormCanvas canvas_;
    BeatTimers* timers_ = nullptr;
    LectureMenu* extras_ = nullptr;
    LessonControls* lessons_ = nullptr;
    HallControls* hall_ = nullptr;
    CaptionStrip* strip_ = nullptr;
    PredictionCells* cells_ = nullptr;
    MagnifiedTables* magnified_ = nullptr;
    Corner* corner_ = nullptr;
    std::unique_ptr<SideStrip> side_;
};
