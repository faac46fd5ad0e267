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
class Stream;
class BlackScreen;
class LogWindow;
class QTimer;
class QAction;
class Clock;
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
    LectureMenu(Stream& stream, QWidget& window, const Clock& clock);

    void Popup(const QPoint& globalPosition);
    // Keeps what the extras show up to date: each entry's label, tick and whether it can be
    // chosen, as the lecture says, and the log window's lines. After a `tick`, the log is brought
    // up to date every fifth tick, or once a fifth of a second has gone by, and a fifth of a
    // second after the last tick: five times a second is as fast as a reader follows it.
    void Refresh(bool tick = false);

    // The menu, the log window and the help window are made when first wanted.
    QMenu* Menu();
    QAction* Action(Extras::Id id) const { return actions_.at(id); }
    // The log window, its lines brought up to date.
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

    Stream& stream_;
    ::Lecture& lecture_;
    Demonstration& demonstration_;
    QWidget& window_;
    const Clock& clock_;
    QMenu* menu_ = nullptr;
    std::map<Extras::Id, QAction*> actions_;
    std::array<::Lecture::ExtraState, Extras::kEntries.size()> shown_{}; // as the actions show
    LogWindow* log_ = nullptr;
    static constexpr int kTicksBetweenLogLines = 5;
    static constexpr int kLogLinesMilliseconds = 200;
    void ShowLogLines();
    int ticksUnshown_ = 0;       // ticks whose log lines the log has not shown yet
    qint64 logShownAt_ = 0;      // when it last showed them, on `clock_`
    QTimer* logLater_ = nullptr; // shows them after the last tick
    BlackScreen* black_ = nullptr;
    QWidget* help_ = nullptr;
    std::vector<std::pair<QMenu*, Extras::Id>> submenus_;
};
