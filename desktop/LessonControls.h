#pragma once

#include "files/Extras.h"
#include "session/Lecture.h"

#include <QObject>
#include <QString>

class Demonstration;
class Stream;
class LectureMenu;
class Clock;
class QMenu;
class QWidget;

// Files and lessons at the window: opening a demonstration or a lesson (menu, Ctrl+O, a file
// dropped on the window), saving the demonstration, the built-in lessons, stepping a lesson
// with a clicker's keys, recording one, exporting the log and the tables, and the projector
// look. A file that cannot be opened is named in a message box, with what is wrong, and the
// window stays as it was.
class LessonControls : public QObject {
    Q_OBJECT

public:
    LessonControls(Stream& stream, LectureMenu& menu, QWidget& window, const Clock& clock);

    LessonPlayer& Player() { return player_; }
    // Each returns whether it did what it was asked; where not, a message box said why.
    bool OpenFile(const QString& path);
    bool SaveDemonstration(const QString& path);
    bool SaveRecording(const QString& path);
    bool ExportLog(const QString& path);
    bool ExportTables(const QString& path);
    // The built-in lesson at `index` in BuiltInLessons::All().
    void StartLesson(std::size_t index);
    // Practice at a level from 1 to 3, its first question from `seed`.
    void Practise(int level, std::uint64_t seed);
    void EndLesson();
    // A lesson's wait ended and the steps after it ran: the window shows them.
    void StepsRan();
    // The enabled entries, the recording entry's text and the projector tick, as they stand.
    void Refresh();
    QMenu* LessonsMenu();

protected:
    // A demonstration or lesson file dropped on the window is opened.
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The lesson changed: the window shows it anew and sets its timer.
    void Changed();
    // A lesson started or ended, or its caption changed: the strip under the drawing follows.
    void CaptionChanged();

private:
    // Carries out what an extra left to files and lessons.
    void Trigger(::Lecture::Job job);
    void AskAndOpen();
    void AskAndSave(const QString& title, const QString& name, const QString& filter,
                    const char* extension, bool (LessonControls::*save)(const QString&));
    bool Saved(const char* what, const QString& path, const QByteArray& bytes);
    void Warn(const QString& objectName, const QString& text);

    Stream& stream_;
    Lecture& lecture_;
    Demonstration& demonstration_;
    LectureMenu& menu_;
    QWidget& window_;
    const Clock& clock_;
    LessonPlayer& player_;
    QMenu* lessons_ = nullptr;
    std::string caption_; // the caption last shown
};
