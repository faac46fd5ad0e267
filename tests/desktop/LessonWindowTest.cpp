// Files and lessons at the window, driven through its real widgets and keys: a lesson stepped
// with a clicker's keys and its caption strip, a recorded lesson replayed in another window,
// hostile files that change nothing, save and open giving the same bytes, the projector look, and
// a student practising.
#include "support/WindowFixture.h"

#include "common/SeededRandom.h"
#include "desktop/CaptionStrip.h"
#include "desktop/DocumentFile.h"
#include "desktop/LectureMenu.h"
#include "desktop/LessonControls.h"
#include "desktop/LogView.h"
#include "desktop/LogWindow.h"
#include "files/DemonstrationFile.h"
#include "form/Layout.h"
#include "support/FormInvariants.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QWindow>

#include <rapidcheck.h>

namespace {

struct Room : WindowView {
    LessonControls& lessons = window.Lessons();
    QTemporaryDir dir;
    Room() {
        QApplication::setActiveWindow(&window);
        window.activateWindow();
    }
    QString File(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void Key(Qt::Key key, QWidget* where = nullptr) {
        QTest::keyClick(where != nullptr ? where : &window, key);
    }
    QString Caption() { return Child<CaptionStrip>("CaptionStrip")->Caption(); }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // Runs ticks as MoveTimer would.
    void Ticks(int count) {
        for (int t = 0; t < count; ++t) {
            window.Tick();
        }
    }
};

} // namespace

// A built-in lesson from the menu: the window grows by the caption strip at the same scale; Page
// Down and Right step it (also while the scenario list has the focus), Page Up steps back to
// exactly where the step began, and ending the lesson gives the window back its size.
TEST_F(Room, AClickerStepsALessonUnderItsCaption) {
    const QSize before = window.size();
    const double scale = window.Transform().Scale();
    QMenu* menu = lessons.LessonsMenu();
    ASSERT_EQ(menu->actions().size(), 7);
    EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("Count to infinity"));
    menu->actions()[1]->trigger();
    EXPECT_EQ(Caption().toStdString(), "Count to infinity");
    EXPECT_DOUBLE_EQ(window.Transform().Scale(), scale);
    EXPECT_EQ(window.height(), before.height() + std::lround(Layout::kCaptionHeight * scale));

    Key(Qt::Key_PageDown);
    EXPECT_EQ(Caption().toStdString(), "A-B costs 9; the way round through C costs 2");
    Key(Qt::Key_Right, Child<QWidget>("cmbSims")); // Update, with the list focused
    EXPECT_TRUE(lessons.Player().Waiting() || Busy() > 0);
    EXPECT_EQ(Caption().toStdString(), "") << "the caption before is no longer true";
    Key(Qt::Key_PageDown); // a press during a wait ends it at once
    EXPECT_EQ(Caption().toStdString(),
              "Round 1: every router learns its neighbours' networks; B reaches a directly, at 10");
    // Under the caption, for a student alone, its longer line; in a hall's look, the caption only.
    const auto* strip = Child<CaptionStrip>("CaptionStrip");
    EXPECT_EQ(strip->Detail().toStdString(),
              "B's first offer of a came straight from A, over the link that costs 9: 9 plus A's "
              "own 1.");
    const QRect caption = Child<QLabel>("Caption")->geometry();
    const QRect detail = Child<QLabel>("CaptionDetail")->geometry();
    const QRect step = Child<QLabel>("CaptionStep")->geometry();
    EXPECT_LE(caption.bottom(), detail.top());
    EXPECT_LE(detail.bottom(), step.top());
    EXPECT_LE(step.bottom(), strip->rect().bottom());
    QTest::keySequence(&window, QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    EXPECT_EQ(strip->Detail(), QString());
    QTest::keySequence(&window, QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    Key(Qt::Key_PageDown);
    Key(Qt::Key_PageDown);
    Key(Qt::Key_PageDown);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(Caption().toStdString(), "Converged: B reaches a through C at 3");
    EXPECT_EQ(Row(1, 0).cost, " 3");
    EXPECT_EQ(Row(1, 0).nextHop, "C");

    Key(Qt::Key_PageDown); // break A-B
    const Snapshot broken = demonstration.Capture();
    Key(Qt::Key_PageDown); // break A-C
    EXPECT_EQ(state.Link(0, 2).colour, 0x0000FF);
    Key(Qt::Key_PageUp);
    EXPECT_TRUE(demonstration.Capture() == broken) << "back to just after the first break";
    EXPECT_EQ(state.Link(0, 2).colour, 0x808080);

    lessons.Player().Stop();
    lessons.EndLesson();
    EXPECT_EQ(window.size(), before);
    EXPECT_FALSE(Child<CaptionStrip>("CaptionStrip")->isVisible());
}

// The clicker's keys step the lesson from the log and help windows too, opening the log leaves
// the keyboard with the main window, b blacks the screen until the next key (which does nothing
// else), F5 enters full screen with the lesson where it was, and a stray click that opened the
// scenario list does not swallow the next Page Down.
TEST_F(Room, TheClickerWorksFromEveryWindow) {
    lessons.LessonsMenu()->actions()[1]->trigger(); // Count to infinity
    window.Sync();
    QTest::keySequence(&window, QKeySequence(QStringLiteral("Ctrl+L")));
    LogWindow* log = window.Lecture().Log();
    ASSERT_TRUE(log->isVisible());
    EXPECT_EQ(QApplication::activeWindow(), &window) << "the keyboard stays with the lecturer";
    Key(Qt::Key_PageDown, &log->Lines());
    EXPECT_EQ(Caption().toStdString(), "A-B costs 9; the way round through C costs 2");
    QTest::keyClick(&window, Qt::Key_F1);
    QWidget* help = window.Lecture().Help();
    ASSERT_TRUE(help->isVisible());
    Key(Qt::Key_PageUp, help);
    EXPECT_EQ(Caption().toStdString(), "Count to infinity");
    Key(Qt::Key_Right, help);
    EXPECT_EQ(Caption().toStdString(), "A-B costs 9; the way round through C costs 2");

    QTest::keyClick(&window, Qt::Key_B);
    auto* black = Child<QWidget>("BlackScreen");
    ASSERT_TRUE(black->isVisible());
    EXPECT_EQ(black->geometry(), window.rect());
    Key(Qt::Key_PageDown, black);
    EXPECT_FALSE(black->isVisible());
    EXPECT_EQ(Caption().toStdString(), "A-B costs 9; the way round through C costs 2")
        << "the key that ends the black screen does nothing else";
    QTest::keyClick(&window, Qt::Key_Period);
    ASSERT_TRUE(black->isVisible());
    QTest::mouseClick(black, Qt::LeftButton);
    EXPECT_FALSE(black->isVisible());

    QTest::keyClick(&window, Qt::Key_F5);
    EXPECT_TRUE(window.isFullScreen());
    EXPECT_EQ(Caption().toStdString(), "A-B costs 9; the way round through C costs 2");
    EXPECT_EQ(lessons.Player().Progress(), "Count to infinity: step 1 of 10");

    auto* list = Child<QComboBox>("cmbSims");
    list->showPopup();
    ASSERT_TRUE(list->view()->isVisible());
    Key(Qt::Key_PageDown, list->view());
    EXPECT_FALSE(list->view()->isVisible());
    EXPECT_EQ(lessons.Player().Progress(), "Count to infinity: step 2 of 10, running");
    EXPECT_EQ(state.cmbSims.text, "Three Routers");
}

// Recorded at one window with the mouse and the keys, captions written into the file by hand,
// the lesson replays in a new window (a restart) and ends exactly where the lecturer ended.
TEST_F(Room, ARecordedLessonWithCaptionsReplaysInANewWindow) {
    // Both windows' clocks stand still: the idle ticks a sleeping timer makes up for would
    // otherwise count how long the machine took between two keys.
    window.Clock().Stop(window.Now());
    Choose("Three Routers");
    window.Sync();
    QTest::keySequence(&window, QKeySequence(QStringLiteral("Ctrl+Shift+R")));
    ASSERT_TRUE(demonstration.Recording());
    for (int round = 0; round < 3; ++round) {
        QTest::mouseClick(Child<QPushButton>("Command4"), Qt::LeftButton); // Update
        Ticks(26);
    }
    QTest::mouseClick(Child<QPushButton>("cmdBreak0"), Qt::LeftButton); // A-B
    QTest::mouseClick(Child<QPushButton>("cmdBreak1"), Qt::LeftButton); // A-C
    QTest::keySequence(&window, QKeySequence(QStringLiteral("Ctrl+Z")));
    QTest::mouseClick(Child<QPushButton>("Command4"), Qt::LeftButton);
    const Snapshot end = demonstration.Capture(); // the ticks after the last action are no step
    auto* recordingStrip = Child<CaptionStrip>("CaptionStrip");
    EXPECT_TRUE(recordingStrip->isVisible());
    EXPECT_EQ(recordingStrip->Caption(), QStringLiteral("Recording: 7 actions so far"));
    ASSERT_TRUE(lessons.SaveRecording(File("recorded.json")));
    EXPECT_FALSE(demonstration.Recording());
    EXPECT_FALSE(recordingStrip->isVisible());

    // Captions written in by hand where the recording left them blank.
    QJsonObject document = QJsonDocument::fromJson(Read(File("recorded.json"))).object();
    QJsonArray steps = document[QStringLiteral("steps")].toArray();
    int written = 0;
    for (auto step : steps) {
        QJsonObject object = step.toObject();
        if (object.contains(QStringLiteral("caption"))) {
            object[QStringLiteral("caption")] = QStringLiteral("Caption %1").arg(++written);
            step = object;
        }
    }
    EXPECT_EQ(written, 7) << "one after each of the seven actions";
    document[QStringLiteral("steps")] = steps;
    Write(File("captioned.json"), QJsonDocument(document).toJson());

    FakePlatform platform2;
    SeededRandom random2;
    MainForm form2{platform2, random2};
    form2.Form_Load();
    Demonstration demonstration2{form2};
    MainWindow window2{demonstration2};
    window2.Clock().Stop(window2.Now());
    window2.show();
    QApplication::setActiveWindow(&window2);
    ASSERT_TRUE(window2.Lessons().OpenFile(File("captioned.json")));
    // Pressed through as the lecturer would, the window's timer running out each wait.
    auto* strip = window2.findChild<CaptionStrip*>(QStringLiteral("CaptionStrip"));
    std::vector<std::string> shown;
    int presses = 0;
    for (; presses < 40 && !window2.Lessons().Player().AtEnd(); ++presses) {
        QTest::keyClick(&window2, Qt::Key_PageDown);
        while (window2.Lessons().Player().Waiting()) {
            window2.Tick();
        }
        if (shown.empty() || shown.back() != strip->Caption().toStdString()) {
            shown.push_back(strip->Caption().toStdString());
        }
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"Caption 1", "Caption 2", "Caption 3", "Caption 4",
                                               "Caption 5", "Caption 6", "Caption 7"}));
    EXPECT_EQ(presses, 7) << "one press an action, its caption shown once it has played out";
    EXPECT_TRUE(window2.Lessons().Player().AtEnd());
    EXPECT_TRUE(demonstration2.Capture() == end);
    EXPECT_EQ(DescribeState(form2.State()), DescribeState(state));
}

// Whatever is wrong with a file, opening it names the file and the fault in a box and leaves the
// window exactly as it was.
TEST_F(Room, AHostileFileNeverChangesTheOpenDemonstration) {
    Choose("Example 1");
    QTest::mouseClick(Child<QPushButton>("Command4"), Qt::LeftButton);
    Ticks(5);
    ASSERT_TRUE(lessons.SaveDemonstration(File("good.json")));
    const QByteArray good = Read(File("good.json"));
    QByteArray deep(70, '[');
    deep += QByteArray(70, ']');
    QByteArray badUtf8 = good;
    badUtf8.replace("Example 1", "Example \xff");
    QByteArray twice = good;
    twice.replace("\"version\": 1", "\"version\": 1, \"version\": 3");
    const struct {
        const char* name;
        QByteArray bytes;
        const char* fault;
    } cases[] = {
        {"truncated.json", good.left(good.size() / 2), "is not valid JSON: "},
        {"utf8.json", badUtf8, "is not valid JSON: invalid UTF8 string"},
        {"twice.json", twice, "version: is given twice"},
        {"deep.json", deep, "is not valid JSON: the document nests more than 64 deep"},
        {"huge.json", good + QByteArray(1 << 20, ' '), "is 1"},
        {"empty.json", QByteArray(), "is not valid JSON: "},
        {"array.json", "[1, 2]", "the document: is not a JSON object"},
    };
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.json")));
    QTest::mouseClick(Child<QPushButton>("Command3"), Qt::LeftButton); // pause: nothing moves
    const Snapshot shown = demonstration.Capture();
    for (const auto& c : cases) {
        Write(File(c.name), c.bytes);
    }
    for (const char* name : {"truncated.json", "utf8.json", "twice.json", "deep.json", "huge.json",
                             "empty.json", "array.json", "folder.json", "missing.json"}) {
        QString said;
        CloseNextBox(said);
        EXPECT_FALSE(lessons.OpenFile(File(name))) << name;
        EXPECT_TRUE(said.startsWith(File(name) + QStringLiteral(": "))) << said.toStdString();
        EXPECT_TRUE(demonstration.Capture() == shown) << name;
    }
    for (const auto& c : cases) {
        QString said;
        CloseNextBox(said);
        lessons.OpenFile(File(c.name));
        EXPECT_TRUE(said.contains(QString::fromLatin1(c.fault))) << said.toStdString();
    }
}

// Property: any demonstration reached by random actions, saved, opened and saved again, gives
// the same bytes, and opens as it was.
TEST_F(Room, SaveOpenSaveGivesTheSameBytes) {
    const bool held = rc::check([this](std::uint64_t seed) {
        SeededRandom user(seed);
        for (int i = 0; i < 30; ++i) {
            const auto op = static_cast<std::uint8_t>(user.Next() * 256);
            const auto arg = static_cast<std::uint8_t>(user.Next() * 256);
            if (!(UserAction(op % 20, arg) == Action::Choose("no such scenario"))) {
                ApplyLectureAction(demonstration, op, arg, window.Now());
            }
        }
        // Text outside Latin-1 goes through the file's UTF-8 unchanged.
        demonstration.State().Label2.caption +=
            "  \u03a9 \u221e \u00fc \u2192 \u8def\u7531 \U0001f642";
        const Snapshot before = demonstration.Capture();
        RC_ASSERT(lessons.SaveDemonstration(File("first.json")));
        RC_ASSERT(lessons.OpenFile(File("first.json")));
        RC_ASSERT(demonstration.Capture() == before);
        RC_ASSERT(lessons.SaveDemonstration(File("second.json")));
        RC_ASSERT(Read(File("first.json")) == Read(File("second.json")));
    });
    EXPECT_TRUE(held);
}

// Saving where nothing can be written says where and why, and writes nothing; a file dropped on
// the window opens.
TEST_F(Room, SavingWhereNothingCanBeWrittenAndDroppingAFile) {
    QString said;
    CloseNextBox(said);
    EXPECT_FALSE(lessons.SaveDemonstration(QStringLiteral("/no/such/folder/demo.json")));
    EXPECT_TRUE(said.startsWith(
        QStringLiteral("The demonstration could not be saved to /no/such/folder/demo.json: ")))
        << said.toStdString();

    Choose("Four Routers");
    window.Sync();
    ASSERT_TRUE(lessons.SaveDemonstration(File("four.json")));
    ASSERT_TRUE(lessons.ExportTables(File("tables.csv")));
    EXPECT_TRUE(Read(File("tables.csv")).startsWith("router,network,cost,next hop\nA,a,1,L\n"));
    Choose("Example 1");
    window.Sync();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(File("four.json"))});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter); // a drop comes after the drag entered
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    QApplication::processEvents();
    EXPECT_EQ(state.cmbSims.text, "Four Routers");
}

// The projector look outlines every packet in a dark ring and writes the tables larger.
TEST_F(Room, TheProjectorLookOutlinesPacketsAndEnlargesTheTables) {
    // The design's "Label2" at start is the plain window's, not the projector look's.
    const auto statusInk = [&] {
        const Box& line = Layout::kStatusLine;
        const QRect area = window.Transform().Rect(line.left, line.top, line.width, line.height);
        const QImage picture = Picture();
        int dark = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                dark += picture.pixelColor(x, y).lightness() < 100 ? 1 : 0;
            }
        }
        return dark;
    };
    ASSERT_EQ(state.Label2.caption, "Label2");
    EXPECT_GT(statusInk(), 20);
    QTest::keySequence(&window, QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    EXPECT_EQ(statusInk(), 0);
    Choose("Example 1");
    window.Sync();
    // The links' cost digits as tall as a row's cost, and heavier than in the design's look: A-B's
    // "3" against row a's "1" in table A.
    const auto digit = [&](const QRect& area) {
        const QImage picture = Picture();
        int top = area.bottom();
        int bottom = area.top() - 1;
        int dark = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (picture.pixelColor(x, y).lightness() < 100) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                    ++dark;
                }
            }
        }
        return std::pair(bottom - top + 1, dark);
    };
    const QRect linkCost = window.Transform().Rect(4200, 3240, 405, 375);
    const QRect table = Child<QWidget>("RouterTable0")->geometry();
    const double perTwip = table.width() / 1815.0;
    const QRect rowCost(table.left() + static_cast<int>(360 * perTwip),
                        table.top() + static_cast<int>(360 * perTwip),
                        static_cast<int>(615 * perTwip), static_cast<int>(375 * perTwip));
    EXPECT_GE(digit(linkCost).first, digit(rowCost).first);
    const int heavyCost = digit(linkCost).second;
    QTest::keySequence(&window, QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    EXPECT_GT(heavyCost, digit(linkCost).second * 5 / 4) << "heavier cost digits";
    QTest::mouseClick(Child<QPushButton>("Command4"), Qt::LeftButton);
    Ticks(8);
    const ShapeControl& packet = Slot(0);
    ASSERT_TRUE(packet.visible);
    const auto edge = [&] {
        // Just inside the marker's left edge, half way down.
        const QPointF left = window.Transform().Point(packet.left, packet.top + packet.height / 2);
        return Picture().pixelColor(static_cast<int>(left.x()) + 1, static_cast<int>(left.y()));
    };
    // The ink of table A's text: how many of its pixels are dark.
    const auto ink = [&] {
        const QImage panel = Child<QWidget>("RouterTable0")->grab().toImage();
        int dark = 0;
        for (int y = 0; y < panel.height(); ++y) {
            for (int x = 0; x < panel.width(); ++x) {
                dark += panel.pixelColor(x, y).lightness() < 100 ? 1 : 0;
            }
        }
        return dark;
    };
    EXPECT_GT(edge().lightness(), 128) << "the ring in the router's pale colour";
    const int plainInk = ink();
    QTest::keySequence(&window, QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    EXPECT_TRUE(demonstration.Projector());
    EXPECT_LT(edge().lightness(), 60) << "the dark outline";
    EXPECT_GT(ink(), plainInk * 3 / 2) << "larger, heavier rows";
}

// A wait longer than what moves ends when the timer goes to sleep, not at the lecturer's next
// press: the caption shows once the tables have arrived.
TEST_F(Room, AWaitEndsWhenNothingMovesAnyMore) {
    Write(File("long.json"),
          R"({"format": "hopscape-lesson", "version": 1, "title": "Long wait",
              "start": {"scenario": "Three Routers"},
              "steps": [{"click": "update"}, {"wait": {"ticks": 500}}, {"caption": "Arrived"}]})");
    ASSERT_TRUE(lessons.OpenFile(File("long.json")));
    Key(Qt::Key_PageDown);
    ASSERT_TRUE(lessons.Player().Waiting());
    const auto* timer = window.findChild<QTimer*>(QStringLiteral("MoveTimer"));
    for (int t = 0; t < 500 && timer->isActive(); ++t) {
        window.Tick();
    }
    EXPECT_FALSE(lessons.Player().Waiting());
    EXPECT_EQ(Caption(), QStringLiteral("Arrived"));
}

// A right click on a table of the drawing magnifies it beside the drawing: the window grows by the
// strip at the drawing's scale, and the magnified table follows its panel. At a 4K projector's
// size, in the projector look, its capitals stand at least 100 pixels tall; a second right click
// shrinks it back.
TEST_F(Room, ARightClickedTableIsMagnifiedBesideTheDrawing) {
    Choose("Example 1");
    window.Sync();
    const QSize before = window.size();
    const double scale = window.Transform().Scale();
    // Chooses the first entry of the menu a right click on a table opens.
    const auto rightClick = [&](QWidget* table) {
        auto* looking = new QTimer(qApp);
        QObject::connect(looking, &QTimer::timeout, looking, [looking] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                menu->actions().front()->trigger();
                menu->close();
                looking->deleteLater();
            }
        });
        looking->start(5);
        const QPoint middle = table->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, middle, table->mapToGlobal(middle));
        QApplication::sendEvent(table, &event);
    };
    rightClick(Child<QWidget>("RouterTable0"));
    auto* magnified = Child<QWidget>("MagnifiedTable0");
    ASSERT_NE(magnified, nullptr);
    EXPECT_DOUBLE_EQ(window.Transform().Scale(), scale);
    EXPECT_EQ(window.width(), before.width() + std::lround(3600 * scale));
    EXPECT_GT(magnified->x(), window.Transform().Rect(0, 0, 12330, 1).right());
    const QImage early = magnified->grab().toImage();
    for (int round = 0; round < 4; ++round) {
        QTest::mouseClick(Child<QPushButton>("Command4"), Qt::LeftButton);
        Ticks(26);
    }
    // It follows its router: A's six rows now stand in it.
    EXPECT_NE(magnified->grab().toImage(), early);
    EXPECT_NEAR(magnified->height(),
                2685 *
                    demonstration.Magnified()
                        .Stand(demonstration.State(), 3600, 8745)
                        .front()
                        .magnification *
                    window.Transform().Scale(),
                2);
    // The capital "B" of the next hop in row b, "b 4 -> B", in the magnified table's pixels.
    window.resize(3840, 2160);
    // From the menu: a key right after a pop-up menu closed may reach no active window yet.
    window.Lecture().Action(Extras::Id::Projector)->trigger();
    ASSERT_TRUE(demonstration.Projector());
    const QImage picture = magnified->grab().toImage();
    const double perTwip = picture.width() / 1815.0;
    int top = picture.height();
    int bottom = -1;
    for (int y = static_cast<int>(720 * perTwip); y < static_cast<int>(1095 * perTwip); ++y) {
        for (int x = static_cast<int>(1200 * perTwip); x < static_cast<int>(1455 * perTwip); ++x) {
            if (picture.pixelColor(x, y).lightness() < 100) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    EXPECT_GE(bottom - top + 1, 100);
    rightClick(magnified);
    QApplication::processEvents();
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("MagnifiedTable0")), nullptr);
    window.resize(before);
}

// Full screen on a hall's 4K screen, in the projector look, "Example 1" converged, the log docked
// and tables A and B magnified: each magnified table's capitals stand 100 pixels tall or more
// (the drawing makes room), and the docked log breaks its long lines to its width, the newest
// in sight.
TEST_F(Room, AtFourKTheMagnifiedTablesStayLargeBesideTheDockedLog) {
    Choose("Example 1");
    for (int round = 0; round < 4; ++round) {
        QTest::mouseClick(Child<QPushButton>("Command4"), Qt::LeftButton);
        Ticks(26);
    }
    QScreen* hall = nullptr;
    for (QScreen* screen : QGuiApplication::screens()) {
        hall = screen->size() == QSize(3840, 2160) ? screen : hall;
    }
    ASSERT_NE(hall, nullptr);
    window.windowHandle()->setScreen(hall);
    window.move(hall->geometry().topLeft() + QPoint(100, 100));
    window.showFullScreen();
    QApplication::processEvents();
    ASSERT_EQ(window.size(), QSize(3840, 2160));
    window.Lecture().Action(Extras::Id::Projector)->trigger();
    window.Lecture().Action(Extras::Id::Log)->trigger();
    demonstration.Magnified().Toggle(0);
    demonstration.Magnified().Toggle(1);
    window.Sync();
    QApplication::processEvents();
    LogWindow* log = window.Lecture().LogIfMade();
    ASSERT_NE(log, nullptr);
    ASSERT_FALSE(log->isWindow()) << "docked";
    for (const char* name : {"MagnifiedTable0", "MagnifiedTable1"}) {
        auto* magnified = Child<QWidget>(name);
        ASSERT_NE(magnified, nullptr);
        EXPECT_FALSE(magnified->geometry().intersects(log->geometry()));
        // The capital of row a's letter, "a", is a small letter: row b's next hop, "B" in A's
        // table and "L" in B's, a capital, is measured.
        const QImage picture = magnified->grab().toImage();
        const double perTwip = picture.width() / 1815.0;
        int top = picture.height();
        int bottom = -1;
        for (int y = static_cast<int>(720 * perTwip); y < static_cast<int>(1095 * perTwip); ++y) {
            for (int x = static_cast<int>(1200 * perTwip); x < static_cast<int>(1455 * perTwip);
                 ++x) {
                if (picture.pixelColor(x, y).lightness() < 100) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        EXPECT_GE(bottom - top + 1, 100) << name;
    }
    LogView* lines = log->findChild<LogView*>();
    ASSERT_NE(lines, nullptr);
    EXPECT_EQ(lines->horizontalScrollBar()->maximum(), 0) << "no scrolling sideways";
    const QImage shown = lines->viewport()->grab().toImage();
    // Nothing is drawn in the last few pixels of the right edge: the lines are broken before it.
    int inked = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = shown.width() - 4; x < shown.width(); ++x) {
            inked += shown.pixelColor(x, y).lightness() < 128 ? 1 : 0;
        }
    }
    EXPECT_EQ(inked, 0);
    window.showNormal();
}

// A student practising at the window: the cells on the asked rows take the keyboard (a cost,
// Tab, a next hop, Enter checks), the strip grades the answer, and Page Down asks afresh; the
// pad's keys type a letter after a number into its next hop, and its Check answers.
TEST_F(Room, AStudentPractisesByKeyboardAndByThePad) {
    lessons.Practise(1, 42);
    QApplication::processEvents();
    // Seed 42 at level 1: B's table goes to A over the link of 7; A keeps c at 3 through C.
    auto* cost = Child<QLineEdit>("PredictCostb");
    ASSERT_NE(cost, nullptr);
    EXPECT_EQ(cost->accessibleName(), QStringLiteral("A's cost to network b"));
    EXPECT_TRUE(cost->hasFocus());
    QTest::keyClicks(cost, QStringLiteral("8"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("b"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("4"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(Caption(), QStringLiteral("A's table: 1 of 2 rows right"));
    EXPECT_EQ(Child<CaptionStrip>("CaptionStrip")->Detail(),
              QStringLiteral("c: 3, next hop C. A keeps c at 3 via C: B offers 4, link B-A adds "
                             "7, and 11 is no better"));
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("PredictCostb")), nullptr);
    using Mark = RouterPanel::Prediction;
    EXPECT_EQ(demonstration.State().RouterTable[0].prediction[1], Mark::Right);
    EXPECT_EQ(demonstration.State().RouterTable[0].prediction[2], Mark::Wrong);

    Key(Qt::Key_PageDown);
    const std::optional<Question>& asked = demonstration.Questions().Asked();
    ASSERT_TRUE(asked.has_value());
    const std::vector<std::string> answer = asked->Answer();
    const QList<QLineEdit*> cells = window.findChildren<QLineEdit*>(QRegularExpression("^Predict"));
    ASSERT_EQ(static_cast<std::size_t>(cells.size()), answer.size());
    // The right answer typed with the pad alone: each row's digits, then its letter.
    for (std::size_t i = 0; i < answer.size(); i += 2) {
        cells[static_cast<int>(i)]->setFocus();
        cells[static_cast<int>(i)]->clear();
        for (const char digit : answer[i]) {
            QTest::mouseClick(Child<QToolButton>("PadKey " + std::string(1, digit)),
                              Qt::LeftButton);
        }
        if (answer[i] == "inf") {
            QTest::mouseClick(Child<QToolButton>("PadKey inf"), Qt::LeftButton);
        }
        QTest::mouseClick(Child<QToolButton>("PadKey " + answer[i + 1]), Qt::LeftButton);
    }
    QTest::mouseClick(Child<QToolButton>("PadKey Check"), Qt::LeftButton);
    EXPECT_TRUE(Caption().endsWith(QStringLiteral("rows right: well done")))
        << Caption().toStdString();
}
