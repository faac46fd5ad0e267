#include "desktop/MainWindow.h"

#include "app/MainForm.h"
#include "desktop/CaptionStrip.h"
#include "desktop/Corner.h"
#include "desktop/DirectPaint.h"
#include "desktop/LectureMenu.h"
#include "desktop/LessonControls.h"
#include "desktop/LogWindow.h"
#include "desktop/MagnifiedTables.h"
#include "desktop/PredictionCells.h"
#include "form/Layout.h"
#include "scene/Look.h"
#include "session/Demonstration.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

MainWindow::MainWindow(class Demonstration& demonstration, const QSize& room, QWidget* parent)
    : QWidget(parent), demonstration_(demonstration), lecture_(demonstration),
      fit_(demonstration.State().ClientWidth, demonstration.State().ClientHeight),
      widgets_(*this, demonstration.State(), [this](const Action& action) { Act(action); }),
      canvas_(demonstration.State(), transform_) {
    clock_.start();
    setWindowTitle(QString::fromStdString(demonstration_.State().Caption));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click on an empty part of the window takes the focus from whichever control had it.
    setFocusPolicy(Qt::ClickFocus);
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("MoveTimer"));
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(static_cast<int>(demonstration_.Interval()));
    connect(timer_, &QTimer::timeout, this, &MainWindow::Tick);
    frameTimer_ = new QTimer(this);
    frameTimer_->setObjectName(QStringLiteral("FrameTimer"));
    frameTimer_->setSingleShot(true);
    connect(frameTimer_, &QTimer::timeout, this, &MainWindow::RefreshFrames);
    extras_ = new LectureMenu(lecture_, *this, clock_);
    corner_ = new Corner(*this, *extras_->Action(Extras::Id::Help));
    connect(extras_, &LectureMenu::Changed, this, &MainWindow::Sync);
    strip_ = new CaptionStrip(this);
    cells_ = new PredictionCells(lecture_, *this, clock_);
    connect(strip_, &CaptionStrip::PadPressed, cells_, &PredictionCells::Press);
    connect(cells_, &PredictionCells::Answered, this, &MainWindow::Sync);
    magnified_ = new MagnifiedTables(demonstration_, *this);
    extras_->AddSubmenu(magnified_->Submenu(), Extras::Id::Projector);
    connect(magnified_, &MagnifiedTables::Changed, this, &MainWindow::SyncSide);
    lessons_ = new LessonControls(lecture_, *extras_, *this, clock_);
    connect(lessons_, &LessonControls::Changed, this, &MainWindow::Sync);
    connect(lessons_, &LessonControls::CaptionChanged, this, &MainWindow::SyncCaption);
    const auto explain = [this](int router, int row) {
        return QString::fromStdString(demonstration_.ExplainRow(router, row));
    };
    widgets_.ExplainRows(explain);
    magnified_->ExplainRows(explain);
    setMinimumSize(SizeAt(DrawingFit::kMinimumScale));
    resize(room.isValid() ? OpeningSize(room) : SizeAt(1.0));
    Place();
    Sync();
}

QSize MainWindow::SizeAt(double fraction) const {
    const DrawingFit::Size size = fit_.At(BaseScale(), fraction);
    return {size.width, size.height};
}

QSize MainWindow::OpeningSize(const QSize& room) const {
    const DrawingFit::Size size = fit_.Opening(BaseScale(), {room.width(), room.height()});
    return {size.width, size.height};
}

double MainWindow::BaseScale() const {
    return logicalDpiX() / TwipsTransform::kTwipsPerInch;
}

void MainWindow::Act(const Action& action) {
    demonstration_.Act(action, Now());
    Sync();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    const QWidget* child = childAt(event->pos());
    if (child == nullptr) {
        extras_->Popup(event->globalPos());
        return;
    }
    // A table, of the drawing or magnified, offers to be magnified or shrunk back.
    for (int r = 0; r < kRouterCount; ++r) {
        if (child->objectName() == QStringLiteral("RouterTable%1").arg(r) ||
            child->objectName() == QStringLiteral("MagnifiedTable%1").arg(r)) {
            QMenu menu(this);
            menu.addAction(magnified_->Choice(r));
            magnified_->Refresh();
            menu.exec(event->globalPos());
            return;
        }
    }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && isFullScreen()) {
        showNormal();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::Tick() {
    const ::Lecture::Next next = lecture_.Tick(Now());
    if (!next.tick) {
        timer_->stop();
    } else if (!timer_->isActive() || timer_->interval() != *next.tick) {
        // The first tick after waking or a change of speed came early or late to keep the beat;
        // the rest keep the interval. A timer stopped meanwhile (by a message box's event loop)
        // is started again.
        timer_->start(static_cast<int>(*next.tick));
    }
    SyncPackets(true);
    SetFrameTimer(next.frame);
    extras_->Refresh();
    if (next.stepsRan) {
        lessons_->StepsRan();
    }
}

void MainWindow::Schedule() {
    // Restarted on the lesson's beat: the next tick falls one interval after the last.
    const ::Lecture::Next next = lecture_.Settle(Now());
    if (next.tick) {
        timer_->start(static_cast<int>(*next.tick));
    } else {
        timer_->stop();
    }
    SetFrameTimer(next.frame);
    if (next.stepsRan) {
        lessons_->StepsRan();
    }
}

void MainWindow::SetFrameTimer(std::optional<long> next) {
    if (next) {
        frameTimer_->start(static_cast<int>(*next));
    } else if (frameTimer_->isActive()) {
        frameTimer_->stop();
    }
}

void MainWindow::RefreshFrames() {
    const std::optional<long> next = lecture_.Frames(Now());
    widgets_.SyncTick(false);
    SetFrameTimer(next);
}

void MainWindow::SyncPackets(bool now) {
    bool statusChanged = false;
    QRegion dirty = canvas_.Changed(statusChanged);
    widgets_.SyncTick(statusChanged);
    magnified_->Refresh();
    corner_->Sync(lecture_.Corner());
    // What the router buttons, network bars and panels cover is hidden by them: those opaque
    // widgets need not repaint for a packet passing beneath.
    dirty -= widgets_.Opaque();
    if (!dirty.isEmpty() &&
        !(now && DirectPaint::Paint(*this, canvas_, widgets_.Opaque(), dirty))) {
        update(dirty);
    }
}

void MainWindow::Place() {
    if (size() == placedSize_ && LogDocked() == logDocked_) {
        return;
    }
    placedSize_ = size();
    logDocked_ = LogDocked();
    // The log docked or tables magnified take the strip at the right: the drawing stands at the
    // left.
    DrawingFit::Placement place =
        fit_.Place(BaseScale(), {width(), height()}, logDocked_ || fit_.MagnifiedStrip());
    if (magnified_->Any() && (isFullScreen() || isMaximized())) {
        // A window that cannot grow: the drawing makes room for the magnified tables.
        place.scale = demonstration_.Magnified().DrawingScale(
            demonstration_.State(), demonstration_.State().ClientWidth, place.scale, width(),
            static_cast<int>(height() * (logDocked_ ? Magnifier::kOverLog : 1.0)));
        place.top = (height() - fit_.Height() * place.scale) / 2;
    }
    transform_ = TwipsTransform(place.scale, QPointF(place.left, place.top));
    widgets_.Place(transform_);
    corner_->Place(transform_, LookFor(demonstration_.Projector()));
    strip_->Place(transform_, fit_.CaptionHeight());
    cells_->Place();
    PlaceSide();
    canvas_.Invalidate(true);
    update();
}

bool MainWindow::LogDocked() const {
    const LogWindow* log = extras_ != nullptr ? extras_->LogIfMade() : nullptr;
    return isFullScreen() && log != nullptr && log->isVisible();
}

void MainWindow::PlaceSide() {
    const int right = static_cast<int>(
        std::ceil(transform_.Rect(0, 0, demonstration_.State().ClientWidth, 1).right()));
    const QRect side(right + 1, 0, width() - right - 1, height());
    // Magnified tables stand at the top, the log under them; beside the log they take no more
    // than the share of the height kept for them.
    const int tables = magnified_->Place(
        logDocked_
            ? side.adjusted(0, 0, 0, -static_cast<int>(side.height() * (1 - Magnifier::kOverLog)))
            : side,
        transform_.Scale(), demonstration_.Projector());
    extras_->PlaceLog(logDocked_, side.adjusted(0, tables, 0, 0),
                      transform_.Font(Layout::kNotePoints, false));
}

void MainWindow::SyncSide() {
    if (magnified_->Any() == fit_.MagnifiedStrip()) {
        if (magnified_->Moved()) {
            placedSize_ = QSize();
            Place();
        }
        return;
    }
    Regrow([this] { fit_.ShowMagnifiedStrip(magnified_->Any()); });
}

void MainWindow::Regrow(const std::function<void()>& change) {
    // The window grows or shrinks by what came or went at the scale it has; a maximised or
    // full-screen window keeps its size and the drawing makes room.
    const double fraction = transform_.Scale() / BaseScale();
    change();
    setMinimumSize(SizeAt(DrawingFit::kMinimumScale));
    if (!isMaximized() && !isFullScreen()) {
        resize(SizeAt(fraction));
    }
    placedSize_ = QSize();
    Place();
}

void MainWindow::Sync() {
    if (demonstration_.Projector() != projectorShown_) {
        SyncLook();
    }
    if (LogDocked() != logDocked_) {
        Place();
    }
    SyncSide();
    widgets_.Sync();
    canvas_.Invalidate(false);
    SyncPackets(false);
    Schedule();
    update();
    extras_->Refresh();
    SyncCaption();
}

void MainWindow::paintEvent(QPaintEvent* event) {
    canvas_.Paint(*this, event->region(), property("directPainting").toBool());
}

void MainWindow::resizeEvent(QResizeEvent*) {
    Place();
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        Place();
    }
}

void MainWindow::SyncCaption() {
    const ::Lecture::Strip shows = lecture_.CaptionStrip();
    if (shows.shown) {
        QStringList pad;
        for (const std::string& key : shows.pad) {
            pad << QString::fromStdString(key);
        }
        strip_->Show(QString::fromStdString(shows.caption), QString::fromStdString(shows.detail),
                     QString::fromStdString(shows.keys), pad, shows.answering);
    }
    // The fit says whether room is made for the strip; the widget's visibility would also say
    // hidden while the window is.
    const bool pad = !shows.pad.empty();
    if (fit_.CaptionStrip() != shows.shown || fit_.CaptionPad() != pad) {
        Regrow([this, shown = shows.shown, pad] {
            fit_.ShowCaptionStrip(shown, pad);
            strip_->setVisible(shown);
        });
    }
    cells_->Sync();
}

void MainWindow::SyncLook() {
    projectorShown_ = demonstration_.Projector();
    widgets_.SetLook(demonstration_.Projector());
    placedSize_ = QSize();
    Place();
    canvas_.SetLook(LookFor(demonstration_.Projector()));
    update();
}
