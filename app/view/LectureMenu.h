#pragma once

#include "app/Extras.h"

#include <QObject>
#include <QPoint>

#include <map>

class LogWindow;
class MainWindow;
class QAction;
class QMenu;
class QWidget;

// The lecturer's extras on the window: one action per extra with its keys, the context menu that
// lists them all, the help window (F1) with the same list, and the log window. It maps keys and
// menu entries onto the window's extras; their rules live in the core.
class LectureMenu : public QObject {
    Q_OBJECT

public:
    explicit LectureMenu(MainWindow& window);

    void Popup(const QPoint& globalPosition);
    // Keeps what the extras show up to date: the log window's lines and the highlight entry.
    void Refresh();

    // The menu, the log window and the help window are made when first wanted.
    QMenu* Menu();
    QAction* Action(Extras::Id id) const { return actions_.at(id); }
    LogWindow* Log();
    QWidget* Help();
    // What Save picture does once it has a file name and a scale (the dialogs ask for both).
    bool SavePicture(const QString& file, double scale);

private:
    void Trigger(Extras::Id id);
    void AskAndSavePicture();

    MainWindow& window_;
    QMenu* menu_ = nullptr;
    std::map<Extras::Id, QAction*> actions_;
    LogWindow* log_ = nullptr;
    QWidget* help_ = nullptr;
};
