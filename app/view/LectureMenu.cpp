#include "app/view/LectureMenu.h"

#include "app/MainForm.h"
#include "app/view/LogWindow.h"
#include "app/view/MainWindow.h"
#include "app/view/Picture.h"
#include "packets/PacketMotion.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

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

const char* ModeName(ChangeLog::Highlight mode) {
    switch (mode) {
    case ChangeLog::Highlight::UntilNextTick:
        return "until the next tick";
    case ChangeLog::Highlight::ForSeconds:
        return "for three seconds";
    case ChangeLog::Highlight::UntilNextChange:
        return "until the next change";
    case ChangeLog::Highlight::Off:
        break;
    }
    return "off";
}

} // namespace

LectureMenu::LectureMenu(MainWindow& window) : QObject(&window), window_(window) {
    auto* speeds = new QActionGroup(this);
    for (const Extras::Entry& entry : Extras::kEntries) {
        auto* action = new QAction(QString::fromUtf8(entry.name), &window);
        action->setShortcut(QKeySequence(QString::fromLatin1(entry.keys)));
        action->setShortcutContext(Qt::WindowShortcut);
        window.addAction(action);
        connect(action, &QAction::triggered, this, [this, id = entry.id] { Trigger(id); });
        actions_[entry.id] = action;
        if (SpeedOf(entry.id) != IdleTimer::Speed::Normal || entry.id == Id::NormalSpeed) {
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
            if (entry.id == Id::DoubleSpeed || entry.id == Id::StepHop || entry.id == Id::Redo ||
                entry.id == Id::Log || entry.id == Id::SavePicture) {
                menu_->addSeparator();
            }
        }
    }
    return menu_;
}

LogWindow* LectureMenu::Log() {
    if (log_ == nullptr) {
        log_ = new LogWindow(&window_);
    }
    return log_;
}

QWidget* LectureMenu::Help() {
    if (help_ == nullptr) {
        help_ = new QWidget(&window_, Qt::Window);
        help_->setObjectName(QStringLiteral("HelpWindow"));
        help_->setWindowTitle(QStringLiteral("Pelko's Hopscape Demo - extras for the lecture"));
        auto* text = new QLabel(QString::fromStdString(Extras::HelpText()), help_);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        text->setMargin(12);
        (new QVBoxLayout(help_))->addWidget(text);
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
                      .arg(QString::fromLatin1(ModeName(window_.Log().CurrentHighlight()))));
    if (log_ != nullptr && log_->isVisible()) {
        log_->Show(window_.Log().Lines());
    }
}

void LectureMenu::Trigger(Id id) {
    switch (id) {
    case Id::QuarterSpeed:
    case Id::HalfSpeed:
    case Id::NormalSpeed:
    case Id::DoubleSpeed:
        window_.SetSpeed(SpeedOf(id));
        break;
    case Id::StepTick:
        window_.Act([this] { window_.Form().StepTicks(1); });
        break;
    case Id::StepHop:
        window_.Act([this] { window_.Form().StepTicks(PacketMotion::kArrivalTick); });
        break;
    case Id::Undo:
        window_.Undo();
        break;
    case Id::Redo:
        window_.Redo();
        break;
    case Id::Highlight:
        window_.Log().SetHighlight(ChangeLog::Next(window_.Log().CurrentHighlight()));
        window_.Sync();
        break;
    case Id::Log:
        if (!Log()->isVisible()) {
            // Beside the main window, so that both can be seen.
            log_->move(window_.frameGeometry().topRight() + QPoint(8, 0));
        }
        log_->show();
        log_->raise();
        log_->Show(window_.Log().Lines());
        break;
    case Id::CopyPicture:
        // Twice the window's size: sharp on a slide.
        QGuiApplication::clipboard()->setImage(Picture::Bitmap(window_, 2.0));
        break;
    case Id::SavePicture:
        AskAndSavePicture();
        break;
    case Id::FullScreen:
        window_.isFullScreen() ? window_.showNormal() : window_.showFullScreen();
        break;
    case Id::Help:
        Help()->show();
        help_->raise();
        break;
    }
    Refresh();
}

bool LectureMenu::SavePicture(const QString& file, double scale) {
    return file.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)
               ? Picture::SaveSvg(window_, file, scale)
               : Picture::SavePng(window_, file, scale);
}

void LectureMenu::AskAndSavePicture() {
    const QString file = QFileDialog::getSaveFileName(
        &window_, QStringLiteral("Save the picture"), QStringLiteral("hopscape.png"),
        QStringLiteral("PNG picture (*.png);;SVG drawing (*.svg)"));
    if (file.isEmpty()) {
        return;
    }
    bool ok = false;
    const double scale = QInputDialog::getDouble(
        &window_, QStringLiteral("Save the picture"),
        QStringLiteral("Scale (1 is the window's size on the screen):"), 2.0, 0.25, 8.0, 2, &ok);
    if (ok) {
        SavePicture(file, scale);
    }
}
