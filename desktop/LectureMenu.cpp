#include "desktop/LectureMenu.h"

#include "desktop/Clock.h"

#include "app/Scenarios.h"
#include "desktop/BlackScreen.h"
#include "desktop/LogView.h"
#include "desktop/LogWindow.h"
#include "desktop/Picture.h"
#include "desktop/QtText.h"
#include "packets/PacketMotion.h"
#include "scene/WindowPlacement.h"
#include "session/Demonstration.h"
#include "session/Help.h"
#include "session/Stream.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
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
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace {

using Extras::Id;

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

LectureMenu::LectureMenu(Stream& stream, QWidget& window, const Clock& clock)
    : QObject(&window), stream_(stream), lecture_(stream.Lecture()),
      demonstration_(lecture_.Demonstration()), window_(window), clock_(clock) {
    auto* speeds = new QActionGroup(this);
    for (const Extras::Entry& entry : Extras::kEntries) {
        auto* action = new QAction(QString::fromUtf8(entry.name), &window);
        QList<QKeySequence> keys{QKeySequence(QString::fromLatin1(entry.keys))};
        if (*entry.otherKeys != 0) {
            keys << QKeySequence(QString::fromLatin1(entry.otherKeys));
        }
        action->setShortcuts(keys);
        action->setCheckable(entry.kind != Extras::Kind::Plain);
        // The keys act from the log and help windows too, a clicker's included.
        action->setShortcutContext(Qt::ApplicationShortcut);
        window.addAction(action);
        connect(action, &QAction::triggered, this, [this, id = entry.id] { Trigger(id); });
        actions_[entry.id] = action;
        if (entry.kind == Extras::Kind::Speed) {
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
            if (entry.endsGroup) {
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
    if (log_ != nullptr && ticksUnshown_ > 0 && log_->isVisible()) {
        ShowLogLines();
    }
    if (log_ == nullptr) {
        log_ = new LogWindow(&window_);
        // The keyboard stays with the main window, where the lecturer is, whatever the window
        // manager does with a window newly shown: the log asks not to be activated.
        log_->setAttribute(Qt::WA_ShowWithoutActivating);
        CloseOnEscape(*log_);
    }
    return log_;
}

QWidget* LectureMenu::Help() {
    if (help_ == nullptr) {
        help_ = new QWidget(&window_, Qt::Window);
        help_->setObjectName(QStringLiteral("HelpWindow"));
        help_->setWindowTitle(QtText("Pelko's Hopscape Demo - help"));
        auto* text = new QLabel(QString::fromStdString(Help::Text()));
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        text->setMargin(12);
        // The guide is written in paragraphs, wrapped at about ninety letters.
        text->setWordWrap(true);
        text->setFixedWidth(text->fontMetrics().averageCharWidth() * 90 + 24);
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
        help_->resize(text->width() + pages->verticalScrollBar()->sizeHint().width(),
                      std::min(text->heightForWidth(text->width()), most));
        CloseOnEscape(*help_);
    }
    return help_;
}

void LectureMenu::Popup(const QPoint& globalPosition) {
    Refresh();
    Menu()->popup(globalPosition);
}

void LectureMenu::Refresh(bool tick) {
    // Called after every tick: a label is only made anew when it changed. A checked entry is
    // compared with the action itself, which Qt ticks on a click before the lecture decides.
    for (const Extras::Entry& entry : Extras::kEntries) {
        ::Lecture::ExtraState state = lecture_.Extra(entry.id);
        QAction* action = actions_.at(entry.id);
        if (action->isCheckable() && action->isChecked() != state.checked) {
            action->setChecked(state.checked);
        }
        ::Lecture::ExtraState& shown = shown_[static_cast<std::size_t>(entry.id)];
        if (state.label != shown.label || state.enabled != shown.enabled) {
            shown = std::move(state);
            action->setText(QString::fromStdString(shown.label));
            action->setEnabled(shown.enabled);
        }
    }
    if (log_ == nullptr || !log_->isVisible()) {
        return;
    }
    if (tick && ++ticksUnshown_ < kTicksBetweenLogLines &&
        clock_.Now() - logShownAt_ < kLogLinesMilliseconds) {
        if (logLater_ == nullptr) {
            logLater_ = new QTimer(this);
            logLater_->setSingleShot(true);
            connect(logLater_, &QTimer::timeout, this, &LectureMenu::ShowLogLines);
        }
        if (!logLater_->isActive()) {
            logLater_->start(kLogLinesMilliseconds);
        }
        return;
    }
    ShowLogLines();
}

void LectureMenu::ShowLogLines() {
    ticksUnshown_ = 0;
    logShownAt_ = clock_.Now();
    if (logLater_ != nullptr) {
        logLater_->stop();
    }
    if (log_ != nullptr && log_->isVisible()) {
        log_->Show(demonstration_.LogLines(), demonstration_.LogLinesDropped());
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
    if (!second.testAttribute(Qt::WA_ShowWithoutActivating)) {
        second.activateWindow();
    }
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
        log_->Lines().SetWrap(true);
        log_->show();
    } else if (!log_->isWindow()) {
        const bool shown = log_->isVisible();
        log_->setParent(&window_, Qt::Window);
        log_->Lines().setFont(QFont());
        log_->Lines().SetWrap(false);
        log_->setVisible(shown);
    }
}

void LectureMenu::ToggleLog() {
    if (Log()->isVisible()) {
        log_->close();
        return;
    }
    ShowBeside(*log_);
    log_->Show(demonstration_.LogLines(), demonstration_.LogLinesDropped());
    // The keyboard stays with the main window, where the lecturer is.
    window_.activateWindow();
}

void LectureMenu::Trigger(Id id) {
    using Job = ::Lecture::Job;
    const Job job = stream_.Take(Event::Extra(id, clock_.Now())).job;
    switch (job) {
    case Job::ToggleLog:
        ToggleLog();
        break;
    case Job::CopyPicture:
        // Twice the window's size: sharp on a slide.
        QGuiApplication::clipboard()->setImage(Picture::Bitmap(window_, 2.0));
        break;
    case Job::SavePicture:
        AskAndSavePicture();
        break;
    case Job::EnterFullScreen:
        window_.showFullScreen();
        break;
    case Job::ToggleFullScreen:
        window_.isFullScreen() ? window_.showNormal() : window_.showFullScreen();
        break;
    case Job::BlackScreen:
        Black()->Cover();
        break;
    case Job::AskHoldDownTime:
        AskHoldDownTime();
        break;
    case Job::Help:
        ShowBeside(*Help());
        break;
    default:
        emit Other(job);
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

void LectureMenu::AskHoldDownTime() {
    bool ok = false;
    const ::Lecture::NumberQuestion asked = lecture_.HoldDownQuestion();
    const int seconds = QInputDialog::getInt(&window_, QString::fromStdString(asked.title),
                                             QString::fromStdString(asked.question), asked.value,
                                             asked.least, asked.most, 10, &ok);
    if (ok) {
        stream_.Take(Event::HoldDown(seconds, clock_.Now()));
    }
}

void LectureMenu::AskAndSavePicture() {
    const QString png = QtText("PNG picture (*.png)");
    QString chosen;
    const QString file = QFileDialog::getSaveFileName(
        &window_, QtText("Save the picture"), QStringLiteral("hopscape.png"),
        png + QStringLiteral(";;") + QtText("SVG drawing (*.svg)"), &chosen);
    if (file.isEmpty()) {
        return;
    }
    bool ok = false;
    const double scale = QInputDialog::getDouble(
        &window_, QtText("Save the picture"),
        QtText("Scale (1 is the window's size on the screen):"), 2.0, 0.25, 8.0, 2, &ok);
    if (ok) {
        SavePicture(file, chosen == png ? PictureFile::Format::Png : PictureFile::Format::Svg,
                    scale);
    }
}
