// The keyboard and the mouse of a real X server under a window manager (Xvfb with openbox, the
// keys and clicks sent by xdotool), while a question stands: the log opened with Ctrl+L leaves
// the keyboard where the answer is being typed, a checked answer leaves it where the clicker's
// keys work and no arrow switches the scenario, and the pad types over a pre-filled cell. Run
// by CTest under xvfb-run with openbox; skipped elsewhere.
#include "support/WindowFixture.h"

#include "desktop/LessonControls.h"
#include "desktop/LogWindow.h"
#include "session/BuiltInLessons.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QToolButton>

#include <cstdlib>
#include <functional>

namespace {

struct RealKeys : WindowView {
    void SetUp() override {
        if (std::getenv("HOPSCAPE_WINDOW_MANAGER") == nullptr) {
            GTEST_SKIP() << "needs an X server with a window manager";
        }
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window, 20000));
        // Wholly on the laptop's screen, as the program opens, whatever its size.
        window.move(0, 0);
        ASSERT_TRUE(Until([&] { return window.frameGeometry().topLeft() == QPoint(0, 0); }));
    }
    // xdotool, as a user's keyboard and mouse.
    static void Send(const QStringList& arguments) {
        ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), arguments), 0) << "xdotool";
    }
    // Events are handled until `done` holds, for as long as a busy machine needs.
    static bool Until(const std::function<bool()>& done) {
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.elapsed() > 20000) {
                return false;
            }
            QTest::qWait(20);
        }
        return true;
    }
    // Every key sent has arrived once a key that marks the end has.
    void Settle() {
        QTest::qWait(200);
        QApplication::processEvents();
    }
    std::vector<QLineEdit*> Cells() {
        std::vector<QLineEdit*> cells;
        for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
            if (edit->objectName().startsWith(QStringLiteral("Predict")) && edit->isVisible()) {
                cells.push_back(edit);
            }
        }
        return cells;
    }
    void AskIn(const char* lesson) {
        LessonPlayer& player = window.Lessons().Player();
        player.Start(*BuiltInLessons::Named(lesson), window.Now());
        for (int press = 0; press < 20 && !demonstration.Asking(); ++press) {
            player.Next(window.Now());
            player.Finish(window.Now());
        }
        window.Sync();
        ASSERT_TRUE(demonstration.Asking());
        ASSERT_TRUE(Until([&] { return !Cells().empty() && Cells().front()->hasFocus(); }));
    }
};

} // namespace

// "inf", Ctrl+L half way through, "A": the log opens beside the window and the answer goes on
// being typed in the cells; Enter checks it right; then Up, Down and Right: the scenario stays,
// and Right, the clicker's key, steps the lesson on.
TEST_F(RealKeys, TheAnswerKeepsTheKeyboardWhateverOpensAndAfterItIsChecked) {
    AskIn("Hold-down");
    ASSERT_EQ(Cells().size(), 2U);
    Send({QStringLiteral("type"), QStringLiteral("in")});
    Send({QStringLiteral("key"), QStringLiteral("ctrl+l")});
    LogWindow* log = window.findChild<LogWindow*>();
    ASSERT_TRUE(Until([&] { return log != nullptr || (log = window.findChild<LogWindow*>()); }));
    ASSERT_TRUE(Until([&] { return log->isVisible(); }));
    Settle();
    Send({QStringLiteral("type"), QStringLiteral("f")});
    Send({QStringLiteral("key"), QStringLiteral("Tab")});
    Send({QStringLiteral("type"), QStringLiteral("A")});
    // Tab has moved on to the next hop, which held A already: the cost was typed whole.
    ASSERT_TRUE(Until([&] { return Cells().size() == 2 && Cells()[1]->hasFocus(); }));
    Settle();
    EXPECT_EQ(Cells()[0]->text(), QStringLiteral("inf")) << "typed into the cells, not the log";
    EXPECT_EQ(Cells()[1]->text(), QStringLiteral("A"));
    Send({QStringLiteral("key"), QStringLiteral("Return")});
    ASSERT_TRUE(Until([&] { return demonstration.Questions().Graded().has_value(); }));
    EXPECT_TRUE(demonstration.Questions().Graded()->AllRight());

    const QString scenario = Child<QComboBox>("cmbSims")->currentText();
    const std::string progress = window.Lessons().Player().Progress();
    Send({QStringLiteral("key"), QStringLiteral("Up")});
    Send({QStringLiteral("key"), QStringLiteral("Down")});
    Settle();
    EXPECT_EQ(Child<QComboBox>("cmbSims")->currentText(), scenario);
    EXPECT_EQ(demonstration.State().cmbSims.text, scenario.toStdString());
    Send({QStringLiteral("key"), QStringLiteral("Right")});
    EXPECT_TRUE(Until([&] { return window.Lessons().Player().Progress() != progress; }))
        << "the clicker's key still steps the lesson";
}

// The pad's keys, clicked with the mouse: Tab goes on to b's cost, which holds the table's 2,
// selected; a digit types over it, the next digit adds to it.
TEST_F(RealKeys, ThePadTypesOverAPrefilledCell) {
    AskIn("Count to infinity");
    ASSERT_EQ(Cells().size(), 4U);
    QLineEdit* first = Cells()[2];
    ASSERT_EQ(first->text(), QStringLiteral("2"));
    Send({QStringLiteral("key"), QStringLiteral("Tab"), QStringLiteral("Tab")});
    ASSERT_TRUE(Until([&] { return first->hasFocus(); }));
    ASSERT_EQ(first->selectedText(), QStringLiteral("2"));
    const auto click = [&](const char* key) {
        auto* button =
            window.findChild<QToolButton*>(QStringLiteral("PadKey ") + QString::fromUtf8(key));
        ASSERT_NE(button, nullptr) << key;
        const QPoint at = button->mapToGlobal(button->rect().center());
        Send({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
              QStringLiteral("click"), QStringLiteral("1")});
    };
    click("5");
    ASSERT_TRUE(Until([&] { return first->text() == "5"; })) << first->text().toStdString();
    click("3");
    ASSERT_TRUE(Until([&] { return first->text() == "53"; })) << first->text().toStdString();
}
