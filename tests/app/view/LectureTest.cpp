// The lecturer's extras on the window: the menu and its keys, speed, steps, undo, highlighting,
// the log window and pictures for slides.
#include "support/DesignValues.h"
#include "support/WindowFixture.h"

#include "app/view/LectureMenu.h"
#include "app/view/LogWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

namespace {

using Extras::Id;

struct Lecture : WindowView {
    LectureMenu& menu = window.Lecture();
    Lecture() {
        QApplication::setActiveWindow(&window);
        window.activateWindow();
        Choose("Example 1");
        window.Sync();
    }
    void Press(const QKeySequence& keys) { QTest::keySequence(&window, keys); }
};

} // namespace

TEST_F(Lecture, TheMenuListsEveryExtraWithItsKeys) {
    const QStringList keys{"Ctrl+1",           "Ctrl+2", "Ctrl+3",       "Ctrl+4", "Ctrl+Right",
                           "Ctrl+Shift+Right", "Ctrl+Z", "Ctrl+Shift+Z", "Ctrl+H", "Ctrl+L",
                           "Ctrl+C",           "Ctrl+S", "F11",          "F1"};
    QStringList shown;
    for (QAction* action : menu.Menu()->actions()) {
        if (!action->isSeparator()) {
            shown << action->shortcut().toString();
            EXPECT_EQ(action->shortcutContext(), Qt::ApplicationShortcut);
        }
    }
    EXPECT_EQ(shown, keys);
    // None takes a key a focused control uses.
    for (const char* taken : {"Space", "Return", "Up", "Down", "+", "-", "Left", "Right", "Tab"}) {
        EXPECT_FALSE(shown.contains(QString::fromLatin1(taken))) << taken;
    }
    const QString help = menu.Help()->findChild<QLabel*>()->text();
    EXPECT_TRUE(help.contains(QStringLiteral("Ctrl+Shift+Z - Redo")));
    EXPECT_TRUE(help.contains(QStringLiteral("F11 - Full screen")));
    Press(QKeySequence(Qt::Key_F1));
    EXPECT_TRUE(menu.Help()->isVisible());
}

TEST_F(Lecture, ARightClickOnAnEmptyPartOpensTheMenuButOnACostStepsIt) {
    const QPoint empty = window.Transform().Point(600, 7800).toPoint();
    ASSERT_EQ(window.childAt(empty), nullptr);
    QContextMenuEvent onEmpty(QContextMenuEvent::Mouse, empty, window.mapToGlobal(empty));
    QApplication::sendEvent(&window, &onEmpty);
    EXPECT_TRUE(menu.Menu()->isVisible());
    menu.Menu()->hide();
    QWidget* cost = Child<QWidget>("lblCost4");
    QTest::mouseClick(cost, Qt::RightButton);
    QContextMenuEvent onCost(QContextMenuEvent::Mouse, QPoint(2, 2),
                             cost->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(cost, &onCost);
    EXPECT_FALSE(menu.Menu()->isVisible());
    EXPECT_EQ(state.lblCost[4].caption, " 1") << "the right button stepped the cost down";
}

TEST_F(Lecture, SpeedChangesHowOftenTheTimerFires) {
    Child<QPushButton>("Command4")->click(); // packets: the timer runs
    QTimer* timer = Child<QTimer>("MoveTimer");
    ASSERT_TRUE(timer->isActive());
    Press(QKeySequence(QStringLiteral("Ctrl+1")));
    EXPECT_EQ(lesson.CurrentSpeed(), IdleTimer::Speed::Quarter);
    EXPECT_TRUE(menu.Action(Id::QuarterSpeed)->isChecked());
    window.Tick();
    EXPECT_EQ(timer->interval(), 160);
    Press(QKeySequence(QStringLiteral("Ctrl+4")));
    window.Tick();
    EXPECT_EQ(timer->interval(), 20);
    EXPECT_TRUE(menu.Action(Id::DoubleSpeed)->isChecked());
    EXPECT_FALSE(menu.Action(Id::QuarterSpeed)->isChecked());
}

TEST_F(Lecture, StepsMoveThePausedAnimationTickByTickAndHopByHop) {
    Child<QPushButton>("Command4")->click();
    Child<QPushButton>("Command3")->click(); // Pause
    Press(QKeySequence(QStringLiteral("Ctrl+Right")));
    EXPECT_EQ(Slot(0).tag.substr(0, 3), " 1:");
    Press(QKeySequence(QStringLiteral("Ctrl+Shift+Right")));
    EXPECT_EQ(Busy(), 0) << "one hop (26 ticks) later every table has arrived";
    EXPECT_EQ(Row(5, 4).cost, " 2") << "F learned e from E";
    EXPECT_EQ(state.Command3.caption, "Resume") << "still paused";
    EXPECT_FALSE(Child<QTimer>("MoveTimer")->isActive());
}

TEST_F(Lecture, UndoTakesBackABreakAndRedoBreaksAgain) {
    Child<QPushButton>("cmdBreak7")->click();
    EXPECT_EQ(state.Link(2, 3).colour, Design::kRed);
    Press(QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_EQ(state.Link(2, 3).colour, Design::kGrey);
    EXPECT_EQ(At(Picture(), 3400, 5160), ToQColor(Design::kGrey));
    Press(QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
    EXPECT_EQ(state.Link(2, 3).colour, Design::kRed);
    EXPECT_EQ(At(Picture(), 3400, 5160), QColor(255, 0, 0));
}

TEST_F(Lecture, ChangedRowsAreFramedAndTheLogSaysWhy) {
    Press(QKeySequence(QStringLiteral("Ctrl+H"))); // until the next tick
    EXPECT_EQ(lesson.CurrentHighlight(), ChangeLog::Highlight::UntilNextTick);
    Child<QPushButton>("btnRouter0")->click();
    Child<QPushButton>("btnRouter1")->click();
    Child<QPushButton>("Command3")->click(); // Pause, then step the hop
    lesson.Step(26, window.Now());
    window.Sync();
    EXPECT_TRUE(state.RouterTable[1].highlighted[0]) << "B's row a changed";
    EXPECT_FALSE(state.RouterTable[1].highlighted[1]);
    // The frame is drawn round row a of B's panel, in the highlight colour.
    const QImage panel = Child<QWidget>("RouterTable1")->grab().toImage();
    const QColor frame(0xD0, 0x40, 0x00);
    bool framed = false;
    for (int x = 0; x < panel.width(); ++x) {
        framed = framed || panel.pixelColor(x, (375 + 2) * panel.height() / 2685) == frame;
    }
    EXPECT_TRUE(framed);
    Press(QKeySequence(QStringLiteral("Ctrl+L")));
    LogWindow* log = menu.Log();
    ASSERT_TRUE(log->isVisible());
    EXPECT_TRUE(log->Text().contains(QStringLiteral("A <- Z: 3:A")));
    EXPECT_TRUE(log->Text().contains(
        QStringLiteral("B: route to a now cost 4 via A (A offers 1, link A-B adds 3)")));
    EXPECT_TRUE(log->Text().contains(QStringLiteral("tick 26  B <- R:0:A: 4:inf:inf:inf:inf:inf")));
}

TEST_F(Lecture, PicturesForSlides) {
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("window.png"));
    ASSERT_TRUE(menu.SavePicture(png, PictureFile::Format::Png, 2.0));
    const QImage saved(png);
    EXPECT_EQ(saved.size(), window.size() * 2);
    EXPECT_EQ(saved.pixelColor(window.Transform().Point(2228 - 300, 3428).toPoint() * 2),
              ToQColor(Design::kRouterColours[0]))
        << "router A's face at twice the size";

    const QString svg = dir.filePath(QStringLiteral("window.svg"));
    ASSERT_TRUE(menu.SavePicture(svg, PictureFile::Format::Svg, 1.5));
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList texts;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            xml.name() == QLatin1String("text")) {
            texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    for (const char* letter : {"A", "B", "C", "D", "E", "F", "Table A", "Table F"}) {
        EXPECT_TRUE(texts.contains(QString::fromLatin1(letter))) << letter;
    }

    Press(QKeySequence(QStringLiteral("Ctrl+C")));
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), window.size() * 2);
}
