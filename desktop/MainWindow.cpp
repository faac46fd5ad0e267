#include "desktop/MainWindow.h"

#include "app/MainForm.h"
#include "desktop/BeatTimers.h"
#include "desktop/CaptionStrip.h"
#include "desktop/Corner.h"
#include "desktop/DirectPaint.h"
#include "desktop/HallControls.h"
#include "desktop/LectureMenu.h"
#include "desktop/LessonControls.h"
#include "desktop/MagnifiedTables.h"
#include "desktop/PredictionCells.h"
#include "desktop/SideStrip.h"
#include "form/Layout.h"
#include "scene/Look.h"
#include "session/Demonstration.h"
#include "session/Replica.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QTimer>

MainWindow::MainWindow(class Demonstration& demonstration, const QSize& room, QWidget* parent,
                       const StartOptions& options)
    : QWidget(parent), demonstration_(demonstration), lecture_(demonstration),
      stream_(Replica::StartLine(options.seed.value_or(0), options), lecture_),
      size_(*this, demonstration.State().ClientWidth, demonstration.State().ClientHeight),
      widgets_(*this, demonstration.State(), [this](const Action& action) { Act(action); }),
      canvas_(demonstration.State(), transform_) {
    setWindowTitle(QString::fromStdString(demonstration_.State().Caption));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click on an empty part of the window takes the focus from whichever control had it.
    setFocusPolicy(Qt::ClickFocus);
    timers_ = new BeatTimers(*this, demonstration_.Interval());
    connect(&timers_->Move(), &QTimer::timeout, this, &MainWindow::Tick);
    connect(&timers_->Frame(), &QTimer::timeout, this, &MainWindow::RefreshFrames);
    extras_ = new LectureMenu(stream_, *this, clock_);
    corner_ = new Corner(*this, *extras_->Action(Extras::Id::Help));
    connect(extras_, &LectureMenu::Changed, this, &MainWindow::Sync);
    strip_ = new CaptionStrip(this);
    cells_ = new PredictionCells(stream_, *this, clock_);
    connect(strip_, &CaptionStrip::PadPressed, cells_, &PredictionCells::Press);
    connect(cells_, &PredictionCells::Answered, this, &MainWindow::Sync);
    magnified_ = new MagnifiedTables(demonstration_, *this);
    side_ = std::make_unique<SideStrip>(demonstration_, *magnified_, *extras_);
    extras_->AddSubmenu(magnified_->Submenu(), Extras::Id::Projector);
    connect(magnified_, &MagnifiedTables::Changed, this, &MainWindow::SyncSide);
    lessons_ = new LessonControls(stream_, *extras_, *this, clock_);
    hall_ = new HallControls(stream_, *this);
    if (options.serve) {
        hall_->SetPlace(*options.serve);
    }
    if (options.relay) {
        hall_->SetRelay(*options.relay, QString::fromStdString(options.relayPage));
    } else if (!options.serve) {
        hall_->LoadRelay();
    }
    connect(extras_, &LectureMenu::Other, hall_, [this](::Lecture::Job job) {
        if (job == ::Lecture::Job::HallFollows) {
            hall_->Toggle();
        } else if (job == ::Lecture::Job::AskRelay) {
            hall_->AskRelay();
        }
    });
    connect(hall_, &HallControls::Changed, this, [this] {
        lecture_.SetHallFollowing(hall_->Following());
        extras_->Refresh(false);
    });
    connect(lessons_, &LessonControls::Changed, this, &MainWindow::Sync);
    connect(lessons_, &LessonControls::CaptionChanged, this, &MainWindow::SyncCaption);
    const auto explain = [this](int router, int row) {
        return QString::fromStdString(demonstration_.ExplainRow(router, row));
    };
    widgets_.ExplainRows(explain);
    magnified_->ExplainRows(explain);
    setMinimumSize(size_.At(DrawingFit::kMinimumScale));
    resize(room.isValid() ? size_.Opening(room) : size_.At(1.0));
    Place();
    Replica::Begin(options, options.seed.value_or(0), lecture_);
    // The timers start at once: a demonstration opened with packets in flight moves on.
    Schedule(stream_.Take(Event::Settle(Now())).next);
    scheduled_ = stream_.Settled();
    lessons_->StepsRan();
    Sync();
}

MainWindow::~MainWindow() {
    // The hall goes before the lecture and stream it serves, which are members of this window.
    delete hall_;
}

void MainWindow::Act(const Action& action) {
    stream_.Take(Event::Act(action, Now()));
    Sync();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    const QWidget* child = childAt(event->pos());
    if (child == nullptr) {
        extras_->Popup(event->globalPos());
        return;
    }
    // A table, of the drawing or magnified, offers to be magnified or shrunk back.
    magnified_->OfferFor(*child, event->globalPos());
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && hall_->CardShown()) {
        hall_->HideCard();
        return;
    }
    if (event->key() == Qt::Key_A && event->modifiers() == Qt::NoModifier && hall_->CardShown()) {
        hall_->NextHost();
        return;
    }
    if (event->key() == Qt::Key_Escape && isFullScreen()) {
        showNormal();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::Tick() {
    const ::Lecture::Next next = stream_.Take(Event::Tick(Now())).next;
    timers_->AfterTick(next.tick);
    SyncPackets(true);
    timers_->SetFrame(next.frame);
    extras_->Refresh(true);
    if (next.stepsRan) {
        lessons_->StepsRan();
    }
}

void MainWindow::Schedule() {
    if (stream_.Settled() != scheduled_) {
        scheduled_ = stream_.Settled();
        Schedule(stream_.Next());
    }
}

void MainWindow::Schedule(const ::Lecture::Next& next) {
    // Restarted on the lesson's beat: the next tick falls one interval after the last.
    timers_->Restart(next.tick);
    timers_->SetFrame(next.frame);
    if (next.stepsRan) {
        lessons_->StepsRan();
    }
}

void MainWindow::RefreshFrames() {
    const std::optional<long> next = stream_.Take(Event::Frames(Now())).next.frame;
    widgets_.SyncTick(false);
    timers_->SetFrame(next);
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
    if (size() == placedSize_ && side_->LogDocked(isFullScreen()) == logDocked_) {
        return;
    }
    placedSize_ = size();
    logDocked_ = side_->LogDocked(isFullScreen());
    // The log docked or tables magnified take the strip at the right: the drawing stands at the
    // left.
    DrawingFit::Placement place = size_.Fit().Place(size_.BaseScale(), {width(), height()},
                                                    logDocked_ || size_.Fit().MagnifiedStrip());
    // A window that cannot grow: the drawing makes room for the magnified tables.
    place.scale =
        side_->DrawingScale(place.scale, size(), logDocked_, isFullScreen() || isMaximized());
    place.top = (height() - size_.Fit().Height() * place.scale) / 2;
    transform_ = TwipsTransform(place.scale, QPointF(place.left, place.top));
    widgets_.Place(transform_);
    corner_->Place(transform_, LookFor(demonstration_.Projector()));
    strip_->Place(transform_, size_.Fit().CaptionHeight());
    cells_->Place();
    side_->Place(transform_, size(), logDocked_);
    hall_->Place(transform_.Scale() * TwipsToPixels::kTwipsPerDesignPixel);
    canvas_.Invalidate(true);
    update();
}

void MainWindow::SyncSide() {
    if (magnified_->Any() == size_.Fit().MagnifiedStrip()) {
        if (magnified_->Moved()) {
            placedSize_ = QSize();
            Place();
        }
        return;
    }
    Regrow([this] { size_.Fit().ShowMagnifiedStrip(magnified_->Any()); });
}

void MainWindow::Regrow(const std::function<void()>& change) {
    size_.Regrow(transform_.Scale(), change);
    placedSize_ = QSize();
    Place();
}

void MainWindow::Sync() {
    if (demonstration_.Projector() != projectorShown_) {
        SyncLook();
    }
    if (side_->LogDocked(isFullScreen()) != logDocked_) {
        Place();
    }
    SyncSide();
    widgets_.Sync();
    hall_->Sync();
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
        strip_->Show(shows);
    }
    // The fit says whether room is made for the strip; the widget's visibility would also say
    // hidden while the window is.
    const bool pad = !shows.pad.empty();
    if (size_.Fit().CaptionStrip() != shows.shown || size_.Fit().CaptionPad() != pad) {
        Regrow([this, shown = shows.shown, pad] {
            size_.Fit().ShowCaptionStrip(shown, pad);
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
