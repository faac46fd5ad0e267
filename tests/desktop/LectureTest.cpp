// The lecturer's extras on the window, driven through their keys, menu and second windows: the
// menu, speed, steps, undo, highlighting, the log and help windows and pictures for slides.
#include "support/DesignValues.h"
#include "support/WindowFixture.h"

#include "desktop/LectureMenu.h"
#include "desktop/LogView.h"
#include "desktop/LogWindow.h"
#include "desktop/Picture.h"
#include "desktop/ScenarioList.h"
#include "form/Layout.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QXmlStreamReader>

#include <set>

namespace {

using Extras::Id;

struct LectureExtras : WindowView {
    LectureMenu& menu = window.Lecture();
    LectureExtras() {
        QApplication::setActiveWindow(&window);
        window.activateWindow();
        Choose("Example 1");
        window.Sync();
    }
    void Press(const QKeySequence& keys, QWidget* where = nullptr) {
        QTest::keySequence(where != nullptr ? where : &window, keys);
    }
    void Press(const char* keys, QWidget* where = nullptr) {
        Press(QKeySequence(QString::fromLatin1(keys)), where);
    }
    // Opens the context menu as a right click at a point of the window (in twips) would.
    bool MenuOpensAt(double x, double y) {
        const QPoint at = window.Transform().Point(x, y).toPoint();
        QWidget* target = window.childAt(at) != nullptr ? window.childAt(at) : &window;
        const QPoint local = target->mapFrom(&window, at);
        QContextMenuEvent event(QContextMenuEvent::Mouse, local, target->mapToGlobal(local));
        QApplication::sendEvent(target, &event);
        const bool open = menu.Menu()->isVisible();
        menu.Menu()->hide();
        return open;
    }
    Box Frame(const QWidget& w) const {
        const QRect r = w.frameGeometry();
        return {r.x(), r.y(), r.width(), r.height()};
    }
};

bool Inside(const QRect& outer, const QRect& inner) {
    return outer.contains(inner);
}

} // namespace

TEST_F(LectureExtras, TheMenuListsEveryExtraWithItsKeysAndOpensOnlyOverEmptySpace) {
    const QStringList keys{"Ctrl+1",
                           "Ctrl+2",
                           "Ctrl+3",
                           "Ctrl+4",
                           "Ctrl+Right",
                           "Ctrl+Shift+Right",
                           "Ctrl+Z",
                           "Ctrl+Shift+Z",
                           "Ctrl+H",
                           "Ctrl+L",
                           "Ctrl+G",
                           "Ctrl+R",
                           "Ctrl+I",
                           "Ctrl+P",
                           "Ctrl+T",
                           "Ctrl+D",
                           "Ctrl+J",
                           "Ctrl+E",
                           "",
                           "",
                           "",
                           "Ctrl+C",
                           "Ctrl+S",
                           "Ctrl+O",
                           "",
                           "Ctrl+Shift+S",
                           "PgDown",
                           "PgUp",
                           "",
                           "Ctrl+Shift+R",
                           "Ctrl+K",
                           "",
                           "",
                           "",
                           "",
                           "",
                           "Ctrl+Shift+P",
                           "",
                           "F11",
                           "F5",
                           "B",
                           "Ctrl+Shift+H",
                           "",
                           "F1"};
    QStringList shown;
    QStringList active; // the keys of the entries that can be chosen now
    for (QAction* action : menu.Menu()->actions()) {
        if (!action->isSeparator()) {
            shown << action->shortcut().toString();
            for (const QKeySequence& key : action->shortcuts()) {
                active << (action->isEnabled() ? key.toString() : QString());
            }
        }
    }
    EXPECT_EQ(shown, keys);
    // None takes a key a focused control uses; a lesson's step keys only while it runs.
    for (const char* taken : {"Space", "Return", "Up", "Down", "+", "-", "Left", "Right", "Tab",
                              "PgDown", "PgUp", "Esc"}) {
        EXPECT_FALSE(active.contains(QString::fromLatin1(taken))) << taken;
    }
    const QString help = menu.Help()->findChild<QLabel*>()->text();
    EXPECT_TRUE(help.contains(QStringLiteral("Ctrl+Shift+Z - Redo")));
    EXPECT_TRUE(help.contains(QStringLiteral("F11 - Full screen")));

    EXPECT_TRUE(MenuOpensAt(600, 7800)) << "an empty corner";
    EXPECT_FALSE(MenuOpensAt(6480 + 600, 960 + 250)) << "over the One button";
    EXPECT_FALSE(MenuOpensAt(2228, 3428)) << "over router A";
    EXPECT_FALSE(MenuOpensAt(2760 + 200, 4560 + 180)) << "over a cost";
}

TEST_F(LectureExtras, EachSpeedsIntervalAndTheHighlightingsChoices) {
    Child<QPushButton>("Command4")->click(); // packets: the timer runs
    QTimer* timer = Child<QTimer>("MoveTimer");
    ASSERT_TRUE(timer->isActive());
    const struct {
        const char* keys;
        int interval;
        Id id;
    } speeds[] = {{"Ctrl+1", 160, Id::QuarterSpeed},
                  {"Ctrl+2", 80, Id::HalfSpeed},
                  {"Ctrl+4", 20, Id::DoubleSpeed},
                  {"Ctrl+3", 40, Id::NormalSpeed}};
    for (const auto& speed : speeds) {
        Press(speed.keys);
        window.Tick();
        EXPECT_EQ(timer->interval(), speed.interval) << speed.keys;
        EXPECT_TRUE(menu.Action(speed.id)->isChecked()) << speed.keys;
    }
    const char* choices[] = {"until the next tick", "for three seconds", "until the next change",
                             "off"};
    for (const char* choice : choices) {
        Press("Ctrl+H");
        EXPECT_EQ(
            menu.Action(Id::Highlight)->text(),
            QStringLiteral("Highlight changed rows (now %1)").arg(QString::fromLatin1(choice)));
    }
}

// A hop is 26 ticks: a packet from network a to itself climbs for 26 ticks, then starts running
// down, its step count back at 0.
TEST_F(LectureExtras, StepsMoveOnlyThePausedAnimationTickByTickAndHopByHop) {
    Child<QPushButton>("btnNetwork0")->click();
    Child<QPushButton>("btnNetwork0")->click();
    Press("Ctrl+Right");
    Press("Ctrl+Shift+Right");
    EXPECT_EQ(Slot(0).tag.substr(0, 2), "0:") << "running: the step keys do nothing";
    Press("Ctrl+Z");
    EXPECT_EQ(state.Label2.caption, "Undone: click on network a") << "and take no undo level";
    Press("Ctrl+Shift+Z");
    Child<QPushButton>("Command3")->click(); // Pause
    Press("Ctrl+Right");
    EXPECT_EQ(Slot(0).tag.substr(0, 4), " 1:U");
    Press("Ctrl+Z");
    Press("Ctrl+Shift+Right");
    EXPECT_EQ(Slot(0).tag.substr(0, 4), "0:D:") << "26 ticks: at network a's router, turned down";
    EXPECT_EQ(state.Command3.caption, "Resume") << "still paused";
    EXPECT_FALSE(Child<QTimer>("MoveTimer")->isActive());
}

TEST_F(LectureExtras, UndoTakesBackABreakSaysSoAndClearsTheFrames) {
    EXPECT_FALSE(menu.Action(Id::Undo)->isEnabled());
    EXPECT_FALSE(menu.Action(Id::Redo)->isEnabled());
    Press("Ctrl+H"); // until the next tick
    Child<QPushButton>("Command4")->click();
    for (int t = 0; t < 26; ++t) {
        window.Tick();
    }
    Child<QPushButton>("cmdBreak7")->click();
    EXPECT_EQ(state.Link(2, 3).colour, Design::kRed);
    ASSERT_TRUE(AnyFramed());
    Press("Ctrl+Z");
    EXPECT_EQ(state.Link(2, 3).colour, Design::kGrey);
    EXPECT_FALSE(AnyFramed());
    EXPECT_EQ(state.Label2.caption, "Undone: break of link C-D");
    EXPECT_EQ(At(Picture(), 3400, 5160), ToQColor(Design::kGrey));
    EXPECT_TRUE(menu.Action(Id::Redo)->isEnabled());
    Press("Ctrl+Shift+Z");
    EXPECT_EQ(state.Link(2, 3).colour, Design::kRed);
    EXPECT_EQ(At(Picture(), 3400, 5160), QColor(255, 0, 0));
    EXPECT_FALSE(menu.Action(Id::Redo)->isEnabled());
}

TEST_F(LectureExtras, ChangedRowsAreFramedUntilTheSleepingTimersNextTickAndTheLogSaysWhy) {
    Press("Ctrl+H"); // until the next tick
    Child<QPushButton>("btnRouter0")->click();
    Child<QPushButton>("btnRouter1")->click();
    for (int t = 0; t < 26; ++t) {
        window.Tick();
    }
    EXPECT_TRUE(state.RouterTable[1].highlighted[0]) << "B's row a changed";
    EXPECT_FALSE(state.RouterTable[1].highlighted[1]);
    const QImage panel = Child<QWidget>("RouterTable1")->grab().toImage();
    EXPECT_NE(panel.pixelColor(panel.width() / 2, 375 * panel.height() / 2685),
              ToQColor(Design::kRouterColours[1]))
        << "the frame's top edge";
    // Nothing moves: MoveTimer sleeps, and the frame timer clears the frame on the next tick.
    EXPECT_FALSE(Child<QTimer>("MoveTimer")->isActive());
    EXPECT_TRUE(Child<QTimer>("FrameTimer")->isActive());
    EXPECT_TRUE(QTest::qWaitFor([this] { return !AnyFramed(); }, 500));

    Press("Ctrl+L");
    LogWindow* log = menu.Log();
    ASSERT_TRUE(log->isVisible());
    EXPECT_TRUE(log->Text().contains(QStringLiteral("A <- Z: 3:A")));
    EXPECT_TRUE(log->Text().contains(
        QStringLiteral("B: route to a now cost 4 via A (A offers 1, link A-B adds 3)")));
}

// The extras' keys act from the log and help windows too; Ctrl+C in the log copies its text;
// Esc closes those windows and leaves full screen; Ctrl+L opens and closes the log.
TEST_F(LectureExtras, TheExtrasKeysActFromEveryWindowAndEscCloses) {
    Press("Ctrl+L");
    LogWindow* log = menu.Log();
    ASSERT_TRUE(log->isVisible());
    QApplication::setActiveWindow(log);
    LogView* text = &log->Lines();
    text->setFocus();
    Press("Ctrl+H", text);
    EXPECT_EQ(demonstration.CurrentHighlight(), ChangeLog::Highlight::UntilNextTick);
    Press("Ctrl+4", text);
    EXPECT_EQ(demonstration.CurrentSpeed(), IdleTimer::Speed::Double);
    Press(QKeySequence::SelectAll, text);
    Press(QKeySequence::Copy, text);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), log->Text()) << "the log's own lines";
    EXPECT_GT(log->Text().count(QLatin1Char('\n')), 3);
    Press("F1", text);
    ASSERT_TRUE(menu.Help()->isVisible());
    QApplication::setActiveWindow(menu.Help());
    Press("Ctrl+2", menu.Help());
    EXPECT_EQ(demonstration.CurrentSpeed(), IdleTimer::Speed::Half);
    Press("Esc", menu.Help());
    EXPECT_FALSE(menu.Help()->isVisible());
    QApplication::setActiveWindow(log);
    Press("Esc", text);
    EXPECT_FALSE(log->isVisible());

    QApplication::setActiveWindow(&window);
    Press("Ctrl+L");
    EXPECT_TRUE(log->isVisible());
    Press("Ctrl+L");
    EXPECT_FALSE(log->isVisible());
    Press("F11");
    EXPECT_TRUE(window.isFullScreen());
    Press("Esc");
    EXPECT_FALSE(window.isFullScreen());
}

// The log and help windows open wholly on the screen that shows the main window: beside it where
// there is room, else over its right part.
TEST_F(LectureExtras, SecondWindowsOpenWhollyOnTheMainWindowsScreen) {
    QRect laptop;
    QRect projector;
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->size() == QSize(1366, 768)) {
            laptop = screen->availableGeometry();
        } else if (screen->size() == QSize(1920, 1080)) {
            projector = screen->availableGeometry();
        }
    }
    ASSERT_EQ(laptop.size(), QSize(1366, 768));
    ASSERT_EQ(projector.size(), QSize(1920, 1080));
    // On the laptop there is no room beside the window at the second window's own width: it is
    // narrowed to the room there is, never over the window.
    const struct {
        QPoint at;
        const QRect& screen;
    } places[] = {{{0, 0}, laptop},
                  {{laptop.width() - window.width() - 100, 100}, laptop},
                  {{projector.x() + 20, 40}, projector},
                  {{projector.right() - 900, 200}, projector}};
    for (const auto& place : places) {
        window.move(place.at);
        for (QWidget* second : {static_cast<QWidget*>(menu.Log()), menu.Help()}) {
            second->hide();
            Press(second == menu.Help() ? "F1" : "Ctrl+L");
            ASSERT_TRUE(second->isVisible());
            EXPECT_TRUE(Inside(place.screen, second->frameGeometry()))
                << second->objectName().toStdString() << " at " << place.at.x() << ": "
                << second->frameGeometry().x() << "," << second->frameGeometry().y() << " "
                << second->frameGeometry().width() << "x" << second->frameGeometry().height();
            EXPECT_FALSE(second->frameGeometry().intersects(window.frameGeometry()))
                << second->objectName().toStdString() << " at " << place.at.x();
            second->hide();
        }
    }
    // In full screen the log docks in the strip beside the drawing, never over it, its text
    // scaled with the drawing; back in a window it is a window again.
    window.showFullScreen();
    QCoreApplication::processEvents();
    Press("Ctrl+L");
    LogWindow* log = menu.Log();
    ASSERT_TRUE(log->isVisible());
    EXPECT_FALSE(log->isWindow());
    const QRect drawing = window.Transform().Rect(0, 0, state.ClientWidth, state.ClientHeight);
    EXPECT_EQ(window.Transform().Rect(0, 0, 1, 1).left(), 0) << "the drawing at the left";
    EXPECT_GT(log->geometry().left(), drawing.right());
    EXPECT_EQ(log->geometry().right(), window.width() - 1);
    EXPECT_GT(log->width(), window.width() / 10);
    EXPECT_EQ(log->Lines().font().pixelSize(),
              window.Transform().Font(Layout::kNotePoints, false).pixelSize());
    window.showNormal();
    QCoreApplication::processEvents();
    EXPECT_TRUE(log->isWindow());
    EXPECT_TRUE(log->isVisible());
}

// While packets move, the open log shows the new lines a few ticks at a time, and the last of them
// soon after the last tick, with nothing else happening.
TEST_F(LectureExtras, TheOpenLogCatchesUpAfterTheLastTick) {
    Press("Ctrl+L");
    Child<QPushButton>("Command4")->click();
    const auto shown = [this] { return menu.LogIfMade()->Text().count(QLatin1Char('\n')) + 1; };
    const auto held = [this] { return static_cast<qsizetype>(demonstration.LogLines().size()); };
    for (int t = 0; t < 27 && shown() == held(); ++t) {
        window.Tick();
    }
    ASSERT_LT(shown(), held()) << "a tick's lines wait for the next showing";
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown() == held(); }, 5000));
}

// The open log shows every new line once, also after it drops its oldest lines.
TEST_F(LectureExtras, TheOpenLogShowsEachLineOnceAfterDroppingTheOldest) {
    Press("Ctrl+L");
    for (int round = 0; round < 400; ++round) {
        Child<QPushButton>("Command4")->click();
        for (int t = 0; t < 26; ++t) {
            window.Tick();
        }
    }
    const std::size_t all = demonstration.LogLinesDropped() + demonstration.LogLines().size();
    ASSERT_GT(all, ChangeLog::kMostLines) << "the log dropped its oldest lines";
    const QStringList shown = menu.Log()->Text().split(QLatin1Char('\n'));
    EXPECT_EQ(static_cast<std::size_t>(shown.size()), ChangeLog::kMostLines);
    // The lines the log still holds are the last ones shown, in order, each once.
    const auto& lines = demonstration.LogLines();
    const qsizetype first = shown.size() - static_cast<qsizetype>(lines.size());
    ASSERT_GE(first, 0);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ASSERT_EQ(shown[first + static_cast<qsizetype>(i)],
                  QStringLiteral("tick %1  %2")
                      .arg(lines[i].tick)
                      .arg(QString::fromStdString(lines[i].text)))
            << i;
    }
}

TEST_F(LectureExtras, PicturesForSlides) {
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("window.png"));
    ASSERT_TRUE(menu.SavePicture(png, PictureFile::Format::Png, 2.0));
    const QImage saved(png);
    EXPECT_EQ(saved.size(), window.size() * 2);
    EXPECT_EQ(saved.pixelColor(window.Transform().Point(2228 - 300, 3428).toPoint() * 2),
              ToQColor(Design::kRouterColours[0]))
        << "router A's face at twice the size";

    // SVG chosen, a name typed without its extension: an SVG drawing, named so.
    ASSERT_TRUE(
        menu.SavePicture(dir.filePath(QStringLiteral("slide")), PictureFile::Format::Svg, 2.0));
    QFile file(dir.filePath(QStringLiteral("slide.svg")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList texts;
    int bitmaps = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("image")) {
            ++bitmaps;
        } else if (xml.name() == QLatin1String("text")) {
            texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(bitmaps, 0) << "shapes and text only, the buttons too";
    for (const char* text :
         {"A", "F", "Table A", "Table F", "Split Horizons", "Update", "Example 1"}) {
        EXPECT_TRUE(texts.contains(QString::fromLatin1(text))) << text;
    }
    // Rendered back, the drawing is whole: router F's face at its place, at twice the size.
    QSvgRenderer renderer(file.fileName());
    QImage back(window.size() * 2, QImage::Format_ARGB32);
    back.fill(Qt::white);
    QPainter painter(&back);
    renderer.render(&painter);
    painter.end();
    EXPECT_EQ(back.pixelColor(window.Transform().Point(8280 + 200, 5400 + 300).toPoint() * 2),
              ToQColor(Design::kRouterColours[5]));
    // "Split Horizons" is drawn as on the screen, narrowed to fit its box, not cut off: the
    // caption's dark pixels, counted column by column, nearly match the bitmap's.
    const QRect box = Child<QWidget>("chkSplit")->geometry();
    const auto columns = [&box](const QImage& image) {
        std::vector<int> dark(static_cast<std::size_t>(box.width() * 2));
        for (int y = box.top() * 2; y < box.bottom() * 2; ++y) {
            for (int x = 0; x < box.width() * 2 && box.left() * 2 + x < image.width(); ++x) {
                dark[static_cast<std::size_t>(x)] +=
                    qGray(image.pixel(box.left() * 2 + x, y)) < 96 ? 1 : 0;
            }
        }
        return dark;
    };
    const std::vector<int> svgColumns = columns(back);
    const std::vector<int> pngColumns = columns(Picture::Bitmap(window, 2.0));
    int apart = 0;
    int all = 0;
    for (std::size_t x = 0; x < svgColumns.size(); ++x) {
        apart += std::abs(svgColumns[x] - pngColumns[x]);
        all += svgColumns[x] + pngColumns[x];
    }
    EXPECT_LT(apart, all / 5) << apart << " of " << all;

    Press("Ctrl+C");
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), window.size() * 2);
}

TEST_F(LectureExtras, APictureThatCannotBeSavedSaysWhereAndWhy) {
    QString said;
    CloseNextBox(said);
    EXPECT_FALSE(
        menu.SavePicture(QStringLiteral("/no/such/folder/slide"), PictureFile::Format::Png, 1.0));
    EXPECT_TRUE(said.startsWith(
        QStringLiteral("The picture could not be saved to /no/such/folder/slide.png: ")))
        << said.toStdString();
    EXPECT_GT(said.size(), 60) << "and the reason";
}

// RIP's rules from the keyboard: each switch undoable, shown ticked in the menu; the true costs
// and the meter beside the tables; a demonstration from the menu named in the list.
TEST_F(LectureExtras, RipsRulesAndTheTrueCostsAtTheWindow) {
    Press("Ctrl+I");
    EXPECT_TRUE(state.Rip.on.infinity);
    EXPECT_TRUE(menu.Action(Id::Infinity16)->isChecked());
    Press("Ctrl+Z");
    EXPECT_FALSE(state.Rip.on.infinity);
    EXPECT_EQ(state.Label2.caption, "Undone: infinity 16 on");
    EXPECT_FALSE(menu.Action(Id::Infinity16)->isChecked());
    Press("Ctrl+R");
    EXPECT_TRUE(state.Rip.on.periodic && state.Rip.on.timeoutOnly);
    EXPECT_TRUE(menu.Action(Id::AllOfRip)->isChecked());
    EXPECT_TRUE(Child<QWidget>("Meter")->isVisible());
    EXPECT_EQ(static_cast<QLabel*>(Child<QWidget>("Meter"))->text(),
              QStringLiteral("RIP: all rules, hold-down 180 s"));
    Press("Ctrl+R");
    EXPECT_FALSE(state.Rip.on.Any());

    menu.Action(Id::ThreeRouterLoop)->trigger();
    auto* list = Child<ScenarioList>("cmbSims");
    EXPECT_EQ(list->Chosen(), QStringLiteral("Three-Router Loop"));
    EXPECT_FALSE(state.btnRouter[4].visible);

    QWidget* meter = Child<QWidget>("Meter");
    EXPECT_FALSE(meter->isVisible());
    Press("Ctrl+G");
    ASSERT_TRUE(meter->isVisible());
    EXPECT_TRUE(static_cast<QLabel*>(meter)->text().startsWith(QStringLiteral("<b>Not converged")));
    Press("Ctrl+P"); // periodic updates: the tables converge on their own, the clocks run
    for (int t = 0; t < 156 * 3; ++t) {
        window.Tick();
    }
    EXPECT_TRUE(static_cast<QLabel*>(meter)->text().startsWith(
        QStringLiteral("RIP: periodic<br><b>Converged</b><br>")))
        << "the rules on are said with the meter";
    const QString spoken = Child<QWidget>("RouterTable0")->accessibleDescription();
    EXPECT_TRUE(spoken.contains(QStringLiteral("b, cost 2, next hop B, times out in ")))
        << spoken.toStdString();
    EXPECT_TRUE(spoken.contains(QStringLiteral("shortest path 2")));
    // The clock's seconds and the true cost are written right of row b's next hop.
    const QImage panel = Child<QWidget>("RouterTable0")->grab().toImage();
    const double pixelsPerTwip = window.Transform().Scale();
    int written = 0;
    for (int x = static_cast<int>(1470 * pixelsPerTwip); x < panel.width(); ++x) {
        for (int y = static_cast<int>(735 * pixelsPerTwip); y < 1095 * pixelsPerTwip; ++y) {
            written += panel.pixelColor(x, y) != ToQColor(Design::kRouterColours[0]) ? 1 : 0;
        }
    }
    EXPECT_GT(written, 20);
}

// A student alone finds the help by the small "?", and a row resting under the mouse says what
// it means and why.
TEST_F(LectureExtras, AStudentFindsTheHelpAndReadsARow) {
    auto* question = Child<QToolButton>("HelpButton");
    ASSERT_TRUE(question->isVisible());
    QTest::mouseClick(question, Qt::LeftButton);
    ASSERT_TRUE(menu.Help()->isVisible());
    EXPECT_TRUE(menu.Help()->findChild<QLabel*>()->text().contains(
        QStringLiteral("\"b  4 -> B\": network b costs 4, through neighbour B.")));
    menu.Help()->hide();

    Choose("Example 1");
    Child<QPushButton>("Command4")->click();
    for (int t = 0; t < 26; ++t) {
        window.Tick();
    }
    QWidget* table = Child<QWidget>("RouterTable1");
    QStringList said;
    for (int y = 0; y < table->height(); y += 2) {
        QHelpEvent hover(QEvent::ToolTip, QPoint(table->width() / 4, y),
                         table->mapToGlobal(QPoint(table->width() / 4, y)));
        QApplication::sendEvent(table, &hover);
        if (QToolTip::isVisible() && !said.contains(QToolTip::text())) {
            said << QToolTip::text();
        }
    }
    // The tick the table arrived on: the window's own timer may have run a tick or two more.
    const QStringList reasons = said.filter(QStringLiteral(
        "B reaches network a at cost 4 through A: A offered 1 and the link A-B adds 3 (tick "));
    EXPECT_EQ(reasons.size(), 1) << said.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("Network b is B's own: cost 1, next hop L")));
}
