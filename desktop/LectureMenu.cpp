#include "desktop/LectureMenu.h"

#include "app/Scenarios.h"
#include "app/WindowPlacement.h"
#include "desktop/BlackScreen.h"
#include "desktop/LogView.h"
#include "desktop/LogWindow.h"
#include "desktop/Picture.h"
#include "packets/PacketMotion.h"
#include "session/Lesson.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace {

using Extras::Id;

IdleTimer::Speed SpeedOf(Id id) {
    switch (id) {
    case Id::QuarterSpeed:
        return IdleTimer::Speed::Quarter;
    case Id::HalfSpeed:
        return IdleTimer::Speed::Half;
    case Id::DoubleSpeed:
        return IdleTimer::Speed::Double;
    default:
        return IdleTimer::Speed::Normal;
    }
}

// The RIP rule an extra switches, if it is one.
std::optional<RipControl::Rule> RuleOf(Id id) {
    using Rule = RipControl::Rule;
    switch (id) {
    case Id::Infinity16:
        return Rule::Infinity;
    case Id::PeriodicUpdates:
        return Rule::Periodic;
    case Id::TriggeredUpdates:
        return Rule::Triggered;
    case Id::HoldDown:
        return Rule::HoldDown;
    case Id::SimpleSplit:
        return Rule::SimpleSplit;
    case Id::TimeoutOnly:
        return Rule::TimeoutOnly;
    default:
        return std::nullopt;
    }
}

bool IsSpeed(Id id) {
    return id == Id::QuarterSpeed || id == Id::HalfSpeed || id == Id::NormalSpeed ||
           id == Id::DoubleSpeed;
}

// The entries after which the menu draws a separator.
bool EndsGroup(Id id) {
    return id == Id::DoubleSpeed || id == Id::StepHop || id == Id::Redo || id == Id::Log ||
           id == Id::ShortestPaths || id == Id::HoldDownTime || id == Id::HoldDownDemo ||
           id == Id::SavePicture || id == Id::SaveDemonstration || id == Id::RecordLesson ||
           id == Id::ExportTables;
}

// Extras that are switched on and off, and show a tick while on.
bool IsSwitch(Id id) {
    return RuleOf(id) || id == Id::AllOfRip || id == Id::ShortestPaths;
}

Box ToBox(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

// Esc closes a second window.
void CloseOnEscape(QWidget& second) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &second);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, &second, &QWidget::close);
}

} // namespace

LectureMenu::LectureMenu(Lesson& lesson, QWidget& window, const QElapsedTimer& clock)
    : QObject(&window), lesson_(lesson), window_(window), clock_(clock) {
    auto* speeds = new QActionGroup(this);
    for (const Extras::Entry& entry : Extras::kEntries) {
        auto* action = new QAction(QString::fromUtf8(entry.name), &window);
        QList<QKeySequence> keys{QKeySequence(QString::fromLatin1(entry.keys))};
        if (*entry.otherKeys != 0) {
            keys << QKeySequence(QString::fromLatin1(entry.otherKeys));
        }
        action->setShortcuts(keys);
        action->setCheckable(IsSwitch(entry.id));
        // The keys act from the log and help windows too, a clicker's included.
        action->setShortcutContext(Qt::ApplicationShortcut);
        window.addAction(action);
        connect(action, &QAction::triggered, this, [this, id = entry.id] { Trigger(id); });
        actions_[entry.id] = action;
        if (IsSpeed(entry.id)) {
            action->setCheckable(true);
            action->setChecked(entry.id == Id::NormalSpeed);
            speeds->addAction(action);
        }
    }
    Refresh();
}

QMenu* LectureMenu::Menu() {
    // Made when first wanted: the window opens no faster for a menu it does not show.
    if (menu_ == nullptr) {
        menu_ = new QMenu(&window_);
        menu_->setObjectName(QStringLiteral("ExtrasMenu"));
        for (const Extras::Entry& entry : Extras::kEntries) {
            menu_->addAction(actions_.at(entry.id));
            for (const auto& [menu, after] : submenus_) {
                if (after == entry.id) {
                    menu_->addMenu(menu);
                }
            }
            if (EndsGroup(entry.id)) {
                menu_->addSeparator();
            }
        }
    }
    return menu_;
}

BlackScreen* LectureMenu::Black() {
    if (black_ == nullptr) {
        black_ = new BlackScreen(window_);
    }
    return black_;
}

LogWindow* LectureMenu::Log() {
    if (log_ == nullptr) {
        log_ = new LogWindow(&window_);
        CloseOnEscape(*log_);
    }
    return log_;
}

QWidget* LectureMenu::Help() {
    if (help_ == nullptr) {
        help_ = new QWidget(&window_, Qt::Window);
        help_->setObjectName(QStringLiteral("HelpWindow"));
        help_->setWindowTitle(QStringLiteral("Pelko's Hopscape Demo - extras for the lecture"));
        auto* text = new QLabel(QString::fromStdString(Extras::HelpText()));
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        text->setMargin(12);
        // The guide scrolls where the screen is lower than the guide is long.
        auto* pages = new QScrollArea(help_);
        pages->setWidget(text);
        pages->setWidgetResizable(true);
        pages->setFrameShape(QFrame::NoFrame);
        auto* layout = new QVBoxLayout(help_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(pages);
        // Its size is known before it is placed: the guide's width, at most half the screen's
        // height.
        const int most = window_.screen()->availableGeometry().height() / 2;
        help_->resize(text->sizeHint().width() + pages->verticalScrollBar()->sizeHint().width(),
                      std::min(text->sizeHint().height(), most));
        CloseOnEscape(*help_);
    }
    return help_;
}

void LectureMenu::Popup(const QPoint& globalPosition) {
    Refresh();
    Menu()->popup(globalPosition);
}

void LectureMenu::Refresh() {
    actions_.at(Id::Highlight)
        ->setText(QStringLiteral("Highlight changed rows (now %1)")
                      .arg(QString::fromLatin1(ChangeLog::Name(lesson_.CurrentHighlight()))));
    actions_.at(Id::Undo)->setEnabled(lesson_.CanUndo());
    actions_.at(Id::Redo)->setEnabled(lesson_.CanRedo());
    for (const Extras::Entry& entry : Extras::kEntries) {
        if (const std::optional<RipControl::Rule> rule = RuleOf(entry.id)) {
            actions_.at(entry.id)->setChecked(lesson_.RuleOn(*rule));
        }
    }
    actions_.at(Id::AllOfRip)->setChecked(AllRulesOn());
    actions_.at(Id::ShortestPaths)->setChecked(lesson_.ShortestPathsShown());
    actions_.at(Id::HoldDownTime)
        ->setText(
            QStringLiteral("RIP: hold-down time (now %1 s)...").arg(lesson_.HoldDownSeconds()));
    if (log_ != nullptr && log_->isVisible()) {
        log_->Show(lesson_.LogLines(), lesson_.LogLinesDropped());
    }
}

void LectureMenu::ShowBeside(QWidget& second) {
    if (!second.isVisible()) {
        const QScreen* screen = window_.screen();
        // The frame the window system puts round a window, as round the main window.
        const QMargins frame(window_.geometry().left() - window_.frameGeometry().left(),
                             window_.geometry().top() - window_.frameGeometry().top(),
                             window_.frameGeometry().right() - window_.geometry().right(),
                             window_.frameGeometry().bottom() - window_.geometry().bottom());
        const QSize framed = second.size().grownBy(frame);
        const Box place = WindowPlacement::Beside(ToBox(screen->availableGeometry()),
                                                  ToBox(window_.frameGeometry()), framed.width(),
                                                  framed.height());
        second.resize(QSize(place.width, place.height).shrunkBy(frame));
        second.move(place.left, place.top);
    }
    second.show();
    second.raise();
    second.activateWindow();
}

void LectureMenu::PlaceLog(bool docked, const QRect& strip, const QFont& font) {
    if (log_ == nullptr) {
        return;
    }
    if (docked) {
        if (log_->isWindow()) {
            log_->setParent(&window_, Qt::Widget);
        }
        log_->setGeometry(strip);
        log_->Lines().setFont(font);
        log_->show();
    } else if (!log_->isWindow()) {
        const bool shown = log_->isVisible();
        log_->setParent(&window_, Qt::Window);
        log_->Lines().setFont(QFont());
        log_->setVisible(shown);
    }
}

void LectureMenu::ToggleLog() {
    if (Log()->isVisible()) {
        log_->close();
        return;
    }
    ShowBeside(*log_);
    log_->Show(lesson_.LogLines(), lesson_.LogLinesDropped());
    // The keyboard stays with the main window, where the lecturer is.
    window_.activateWindow();
}

void LectureMenu::Trigger(Id id) {
    const long now = clock_.elapsed();
    switch (id) {
    case Id::QuarterSpeed:
    case Id::HalfSpeed:
    case Id::NormalSpeed:
    case Id::DoubleSpeed:
        lesson_.SetSpeed(SpeedOf(id), now);
        break;
    case Id::StepTick:
        lesson_.Step(1, now);
        break;
    case Id::StepHop:
        lesson_.Step(PacketMotion::kArrivalTick, now);
        break;
    case Id::Highlight:
        lesson_.CycleHighlight(now);
        break;
    case Id::Log:
        ToggleLog();
        break;
    case Id::CopyPicture:
        // Twice the window's size: sharp on a slide.
        QGuiApplication::clipboard()->setImage(Picture::Bitmap(window_, 2.0));
        break;
    case Id::SavePicture:
        AskAndSavePicture();
        break;
    case Id::EnterFullScreen:
        window_.showFullScreen();
        break;
    case Id::BlackScreen:
        Black()->Cover();
        break;
    case Id::FullScreen:
        window_.isFullScreen() ? window_.showNormal() : window_.showFullScreen();
        break;
    case Id::ShortestPaths:
        lesson_.ShowShortestPaths(!lesson_.ShortestPathsShown(), now);
        break;
    case Id::AllOfRip:
        lesson_.SetAllRules(!AllRulesOn(), now);
        break;
    case Id::HoldDownTime:
        AskHoldDownTime();
        break;
    case Id::ThreeRouterLoop:
        lesson_.Act(Action::Choose(Scenarios::kDemonstrations[0]), now);
        break;
    case Id::HoldDownDemo:
        lesson_.Act(Action::Choose(Scenarios::kDemonstrations[1]), now);
        break;
    case Id::Infinity16:
    case Id::PeriodicUpdates:
    case Id::TriggeredUpdates:
    case Id::HoldDown:
    case Id::SimpleSplit:
    case Id::TimeoutOnly:
        lesson_.SetRule(*RuleOf(id), !lesson_.RuleOn(*RuleOf(id)), now);
        break;
    case Id::Help:
        ShowBeside(*Help());
        break;
    case Id::OpenFile:
    case Id::SaveDemonstration:
    case Id::NextStep:
    case Id::PreviousStep:
    case Id::EndLesson:
    case Id::RecordLesson:
    case Id::ExportLog:
    case Id::ExportTables:
    case Id::Projector:
    case Id::Undo:
    case Id::Redo:
        emit Other(id);
        break;
    }
    emit Changed();
    Refresh();
}

bool LectureMenu::SavePicture(const QString& typed, PictureFile::Format format, double scale) {
    const QString file =
        QString::fromStdString(PictureFile::WithExtension(typed.toStdString(), format));
    const QString problem = Picture::Save(window_, file, format, scale);
    if (problem.isEmpty()) {
        return true;
    }
    QMessageBox box(
        QMessageBox::Warning, window_.windowTitle(),
        QString::fromStdString(PictureFile::SaveFailed(file.toStdString(), problem.toStdString())),
        QMessageBox::Ok, &window_);
    box.setObjectName(QStringLiteral("PictureNotSaved"));
    box.exec();
    return false;
}

bool LectureMenu::AllRulesOn() const {
    for (const RipControl::RuleName& rule : RipControl::kRules) {
        if (!lesson_.RuleOn(rule.rule)) {
            return false;
        }
    }
    return true;
}

void LectureMenu::AskHoldDownTime() {
    bool ok = false;
    const int seconds = QInputDialog::getInt(
        &window_, QStringLiteral("RIP: hold-down time"),
        QStringLiteral("Seconds a route gone unreachable refuses every offer:"),
        lesson_.HoldDownSeconds(), 1, RipSwitches::kMostHoldDownSeconds, 10, &ok);
    if (ok) {
        lesson_.SetHoldDownSeconds(seconds, clock_.elapsed());
    }
}

void LectureMenu::AskAndSavePicture() {
    const QString png = QStringLiteral("PNG picture (*.png)");
    QString chosen;
    const QString file = QFileDialog::getSaveFileName(
        &window_, QStringLiteral("Save the picture"), QStringLiteral("hopscape.png"),
        png + QStringLiteral(";;SVG drawing (*.svg)"), &chosen);
    if (file.isEmpty()) {
        return;
    }
    bool ok = false;
    const double scale = QInputDialog::getDouble(
        &window_, QStringLiteral("Save the picture"),
        QStringLiteral("Scale (1 is the window's size on the screen):"), 2.0, 0.25, 8.0, 2, &ok);
    if (ok) {
        SavePicture(file, chosen == png ? PictureFile::Format::Png : PictureFile::Format::Svg,
                    scale);
    }
}
