#pragma once

#include "files/Extras.h"
#include "files/PictureFile.h"
#include "session/Lecture.h"

#include <QObject>
#include <QPoint>

#include <array>
#include <map>
#include <utility>
#include <vector>

class Demonstration;
class BlackScreen;
class LogWindow;
class QAction;
class QElapsedTimer;
class QMenu;
class QWidget;

// The lecturer's extras on the screen: one action per extra with its keys, which act from every
// window of the program; the context menu that lists them all; the help window (F1) with the
// same list; and the log window. It hands keys and menu entries to the lecture, whose rules they
// are, does the windows' part of what the lecture leaves to it, and says when the lecture
// changed. Esc closes the log and help windows.
class LectureMenu : public QObject {
    Q_OBJECT

public:
    // `window` is the main window; `clock` tells the time handed to the lesson.
    LectureMenu(::Lecture& lecture, QWidget& window, const QElapsedTimer& clock);

    void Popup(const QPoint& globalPosition);
    // Keeps what the extras show up to date: each entry's label, tick and whether it can be
    // chosen, as the lecture says, and the log window's lines.
    void Refresh();

    // The menu, the log window and the help window are made when first wanted.
    QMenu* Menu();
    QAction* Action(Extras::Id id) const { return actions_.at(id); }
    LogWindow* Log();
    // The log window if it has been made, else none.
    LogWindow* LogIfMade() const { return log_; }
    // Docks the log, if made, in the main window's `strip`, its lines in `font`; or, not
    // `docked`, makes it a window of its own again, shown as it was.
    void PlaceLog(bool docked, const QRect& strip, const QFont& font);
    BlackScreen* Black();
    QWidget* Help();
    // Saves the picture in the format chosen, adding its extension; says in a message box when
    // it could not. Returns whether it was saved.
    bool SavePicture(const QString& typed, PictureFile::Format format, double scale);

    // A submenu, placed after the entry given when the menu is made.
    void AddSubmenu(QMenu* menu, Extras::Id after) { submenus_.emplace_back(menu, after); }

signals:
    // The lesson changed: the window shows it anew and sets its timer.
    void Changed();
    // An extra was chosen whose part that is left is files and lessons', which LessonControls
    // carries out (None: only the caption strip may have changed).
    void Other(::Lecture::Job job);

private:
    void Trigger(Extras::Id id);
    void AskAndSavePicture();
    void AskHoldDownTime();
    // Opens a second window wholly on the main window's screen, beside it where there is room.
    // Shown beside the main window, and activated unless it asks not to be.
    void ShowBeside(QWidget& second);
    void ToggleLog();

    ::Lecture& lecture_;
    Demonstration& demonstration_;
    QWidget& window_;
    const QElapsedTimer& clock_;
    QMenu* menu_ = nullptr;
    std::map<Extras::Id, QAction*> actions_;
    std::array<::Lecture::ExtraState, Extras::kEntries.size()> shown_{}; // as the actions show
    LogWindow* log_ = nullptr;
    BlackScreen* black_ = nullptr;
    QWidget* help_ = nullptr;
    std::vector<std::pair<QMenu*, Extras::Id>> submenus_;
};
