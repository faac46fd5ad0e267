#include "desktop/LessonControls.h"

#include "desktop/Clock.h"

#include "desktop/DocumentFile.h"
#include "desktop/LectureMenu.h"
#include "desktop/QtText.h"
#include "files/PictureFile.h"
#include "session/BuiltInLessons.h"
#include "session/Demonstration.h"
#include "session/Stream.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {

using Extras::Id;

// The files a demonstration or lesson is saved in, as a file dialogue lists them.
QString FilesFilter() {
    return QtText("Demonstrations and lessons (*.json)");
}

std::string Named(const QString& path) {
    return QDir::toNativeSeparators(path).toStdString();
}

} // namespace

LessonControls::LessonControls(Stream& stream, LectureMenu& menu, QWidget& window,
                               const Clock& clock)
    : QObject(&window), stream_(stream), lecture_(stream.Lecture()),
      demonstration_(lecture_.Demonstration()), menu_(menu), window_(window), clock_(clock),
      player_(lecture_.Player()) {
    connect(&menu_, &LectureMenu::Other, this, &LessonControls::Trigger);
    window_.setAcceptDrops(true);
    window_.installEventFilter(this);
    menu_.AddSubmenu(LessonsMenu(), Id::OpenFile);
    Refresh();
}

QMenu* LessonControls::LessonsMenu() {
    if (lessons_ == nullptr) {
        lessons_ = new QMenu(QtText("Lessons"), &window_);
        lessons_->setObjectName(QStringLiteral("LessonsMenu"));
        const std::vector<LessonScript>& all = BuiltInLessons::All();
        for (std::size_t index = 0; index < all.size(); ++index) {
            QAction* entry = lessons_->addAction(QtText(all[index].title));
            connect(entry, &QAction::triggered, this, [this, index] {
                StartLesson(index);
                emit Changed();
            });
        }
    }
    return lessons_;
}

void LessonControls::Trigger(::Lecture::Job job) {
    using Job = ::Lecture::Job;
    switch (job) {
    case Job::AskOpen:
        AskAndOpen();
        break;
    case Job::AskSaveDemonstration:
        AskAndSave(QtText("Save the demonstration"), QStringLiteral("demonstration.json"),
                   FilesFilter(), ".json", &LessonControls::SaveDemonstration);
        break;
    case Job::AskSaveRecording:
        AskAndSave(QtText("Save the recorded lesson"), QStringLiteral("lesson.json"), FilesFilter(),
                   ".json", &LessonControls::SaveRecording);
        break;
    case Job::AskExportLog:
        AskAndSave(QtText("Export the message log"), QStringLiteral("log.txt"),
                   QtText("Text (*.txt)"), ".txt", &LessonControls::ExportLog);
        break;
    case Job::AskExportTables:
        AskAndSave(QtText("Export the tables"), QStringLiteral("tables.csv"),
                   QtText("Comma-separated values (*.csv)"), ".csv", &LessonControls::ExportTables);
        break;
    default:
        break;
    }
    emit CaptionChanged();
}

void LessonControls::Refresh() {
    menu_.Refresh();
}

void LessonControls::StartLesson(std::size_t index) {
    stream_.Take(Event::Lesson(static_cast<int>(index), clock_.Now()));
    Refresh();
    emit CaptionChanged();
}

void LessonControls::Practise(int level, std::uint64_t seed) {
    stream_.Take(Event::Practise(level, seed, clock_.Now()));
    Refresh();
    emit CaptionChanged();
}

void LessonControls::EndLesson() {
    stream_.Take(Event::Extra(Extras::Id::EndLesson, clock_.Now()));
    Refresh();
    emit CaptionChanged();
}

bool LessonControls::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_ ||
        (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop)) {
        return false;
    }
    auto* drop = static_cast<QDropEvent*>(event);
    const QList<QUrl> urls = drop->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) {
        return false;
    }
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop) {
        // Opened once the drop is over: a file that cannot be opened says so in a message box,
        // which must not hold the drag up.
        QTimer::singleShot(0, this, [this, file = urls.front().toLocalFile()] { OpenFile(file); });
    }
    return true;
}

void LessonControls::StepsRan() {
    Refresh();
    emit Changed();
    emit CaptionChanged();
}

bool LessonControls::OpenFile(const QString& path) {
    std::string bytes;
    const HopscapeFile::Read read = DocumentFile::Open(path, bytes);
    if (!read.fault.empty()) {
        Warn(QStringLiteral("FileNotOpened"), QString::fromStdString(read.fault));
        return false;
    }
    stream_.Take(Event::Open(Named(path), std::move(bytes), clock_.Now()));
    Refresh();
    emit Changed();
    emit CaptionChanged();
    return true;
}

bool LessonControls::SaveDemonstration(const QString& path) {
    return Saved("demonstration", path, QByteArray::fromStdString(lecture_.DemonstrationBytes()));
}

bool LessonControls::SaveRecording(const QString& path) {
    // The recording stops once it is saved; one that could not be saved goes on, to be saved
    // elsewhere.
    if (!Saved("lesson", path, QByteArray::fromStdString(lecture_.RecordingBytes()))) {
        return false;
    }
    stream_.Take(Event::Saved(clock_.Now()));
    Refresh();
    emit CaptionChanged();
    return true;
}

bool LessonControls::ExportLog(const QString& path) {
    return Saved("log", path, QByteArray::fromStdString(lecture_.LogText()));
}

bool LessonControls::ExportTables(const QString& path) {
    return Saved("tables", path, QByteArray::fromStdString(lecture_.TablesCsv()));
}

bool LessonControls::Saved(const char* what, const QString& path, const QByteArray& bytes) {
    const QString problem = DocumentFile::Write(path, bytes);
    if (problem.isEmpty()) {
        return true;
    }
    Warn(QStringLiteral("FileNotSaved"),
         QString::fromStdString(PictureFile::SaveFailed(what, Named(path), problem.toStdString())));
    return false;
}

void LessonControls::Warn(const QString& objectName, const QString& text) {
    QMessageBox box(QMessageBox::Warning, window_.windowTitle(), text, QMessageBox::Ok, &window_);
    box.setObjectName(objectName);
    box.exec();
}

void LessonControls::AskAndOpen() {
    const QString file = QFileDialog::getOpenFileName(
        &window_, QtText("Open a demonstration or a lesson"), QString(),
        FilesFilter() + QStringLiteral(";;") + QtText("All files (*)"));
    if (!file.isEmpty()) {
        OpenFile(file);
    }
}

void LessonControls::AskAndSave(const QString& title, const QString& name, const QString& filter,
                                const char* extension,
                                bool (LessonControls::*save)(const QString&)) {
    const QString file = QFileDialog::getSaveFileName(&window_, title, name, filter);
    if (!file.isEmpty()) {
        (this->*save)(QString::fromStdString(
            PictureFile::WithExtension(file.toStdString(), std::string(extension))));
    }
}
