#include "support/DesignValues.h"
#include "support/FormInvariants.h"
#include "support/WindowFixture.h"

#include "desktop/ColourButton.h"
#include "desktop/MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>

TEST_F(WindowView, OpensAtTheLayoutsClientSize) {
    const double base = window.Sizes().BaseScale();
    EXPECT_EQ(window.width(), std::lround(12330 * base));
    EXPECT_EQ(window.height(), std::lround(8745 * base));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Pelko's Hopscape Demo"));
    EXPECT_EQ(Child<QComboBox>("cmbSims")->currentText(), QStringLiteral("Random 1"));
    // The list's seven in their order, then RIP's two demonstrations: whatever the list shows,
    // its pop-up has.
    QStringList items;
    auto* list = Child<QComboBox>("cmbSims");
    for (int i = 0; i < list->count(); ++i) {
        items << list->itemText(i);
    }
    EXPECT_EQ(items, (QStringList{"Random 1", "Random 1 No Reverse", "Flooding 1", "Example 1",
                                  "Three Routers", "Four Routers", "Everything", "",
                                  "Three-Router Loop", "Hold-Down Delays Good News"}));
}

TEST_F(WindowView, RoutersShowTheirColours) {
    const QImage image = Picture();
    for (int i = 0; i < 6; ++i) {
        const auto [left, top] = Design::kRouterPlaces[i];
        // A quarter in from the left edge: the button's face, clear of its letter.
        EXPECT_EQ(At(image, left + 270, top + 300), ToQColor(Design::kRouterColours[i])) << i;
    }
}

TEST_F(WindowView, ClickedBreakButtonTurnsItsLinkRed) {
    Choose("Example 1");
    window.Sync();
    sent.clear();
    EXPECT_EQ(At(Picture(), 3400, 5160), ToQColor(Design::kGrey));
    Child<QPushButton>("cmdBreak7")->click();
    EXPECT_EQ(At(Picture(), 3400, 5160), QColor(255, 0, 0));
    EXPECT_EQ(sent, (std::vector<std::string>{"C|B:D", "D|B:C"}));
}

TEST_F(WindowView, ThreeRoutersLeavesDEFUndrawn) {
    Choose("Three Routers");
    window.Sync();
    const QImage image = Picture();
    const QColor form = ToQColor(Design::kForm);
    for (int i = 3; i < 6; ++i) {
        const auto [left, top] = Design::kRouterPlaces[i];
        EXPECT_EQ(At(image, left + 270, top + 300), form) << i;
        EXPECT_FALSE(Child<QWidget>(("RouterTable" + std::to_string(i)).c_str())->isVisible());
    }
    EXPECT_EQ(At(image, 2228 + 270, 3120 + 300), ToQColor(Design::kRouterColours[0]));
}

TEST_F(WindowView, WholeDrawingScalesWithTheWindow) {
    const QRect router = Child<QPushButton>("btnRouter0")->geometry();
    const QPointF centre = window.Transform().Point(2228, 3428);
    window.resize(window.width() * 2, window.height() * 2);
    const QRect twice = Child<QPushButton>("btnRouter0")->geometry();
    EXPECT_NEAR(twice.center().x(), 2 * router.center().x(), 2);
    EXPECT_NEAR(twice.center().y(), 2 * router.center().y(), 2);
    EXPECT_NEAR(window.Transform().Point(2228, 3428).x(), 2 * centre.x(), 0.01);
    EXPECT_NEAR(window.Transform().Point(2228, 3428).y(), 2 * centre.y(), 0.01);
    EXPECT_EQ(At(Picture(), 2228 - 270, 3428), ToQColor(Design::kRouterColours[0]));
    // A wider window keeps the aspect ratio and centres the drawing.
    window.resize(window.height() * 3, window.height());
    EXPECT_GT(window.Transform().Point(0, 0).x(), 0);
    EXPECT_NEAR(window.Transform().Point(0, 0).y(), 0, 0.01);
}

TEST_F(WindowView, PressOnCostLabelStepsItWithTheButtonUsed) {
    Choose("Example 1");
    window.Sync();
    // Whatever widget lies at the label's place takes the press, as under a real mouse.
    const auto press = [&](double x, double y, Qt::MouseButton button) {
        const QPoint p = window.Transform().Point(x, y).toPoint();
        QWidget* target = window.childAt(p);
        target = target != nullptr ? target : &window;
        const QPointF local = target->mapFrom(&window, QPointF(p));
        QMouseEvent event(QEvent::MouseButtonPress, local, window.mapToGlobal(QPointF(p)), button,
                          button, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    };
    press(2760 + 200, 4560 + 180, Qt::LeftButton); // lblCost(4), "2"
    EXPECT_EQ(state.lblCost[4].caption, " 3");
    press(2760 + 200, 4560 + 180, Qt::RightButton);
    press(2760 + 200, 4560 + 180, Qt::RightButton);
    EXPECT_EQ(state.lblCost[4].caption, " 1");
    EXPECT_EQ(state.Label2.caption, " 3");
    press(7920 + 200, 5040 + 180, Qt::LeftButton); // lblCost(7), hidden in Example 1
    EXPECT_EQ(state.lblCost[7].caption, "2");
}

TEST_F(WindowView, ControlsHaveAccessibleNamesAndTips) {
    EXPECT_EQ(Child<QWidget>("btnRouter0")->accessibleName(), QStringLiteral("Router A"));
    EXPECT_EQ(Child<QWidget>("btnNetwork2")->accessibleName(), QStringLiteral("Network c"));
    EXPECT_EQ(Child<QWidget>("cmdBreak0")->accessibleName(), QStringLiteral("Break link A-B"));
    EXPECT_EQ(Child<QWidget>("cmdBreak9")->accessibleName(), QStringLiteral("Break link E-F"));
    EXPECT_FALSE(Child<QWidget>("cmdBreak9")->toolTip().isEmpty());
    EXPECT_EQ(Child<QWidget>("lblCost0")->accessibleName(), QStringLiteral("Cost from A to B"));
    EXPECT_EQ(Child<QWidget>("lblCost3")->accessibleName(), QStringLiteral("Cost from B to A"));
    EXPECT_EQ(Child<QWidget>("lblCost1")->accessibleName(), QStringLiteral("Cost from A to D"));
    EXPECT_TRUE(Child<QWidget>("lblCost19")->toolTip().contains(QStringLiteral("left click")));
    EXPECT_EQ(Child<QWidget>("RouterTable4")->accessibleName(), QStringLiteral("Table E"));
    EXPECT_EQ(Child<QWidget>("cmbSims")->accessibleName(), QStringLiteral("Scenario"));
    QPushButton* many = Child<QPushButton>("Command2");
    EXPECT_EQ(many->accessibleName(), QStringLiteral("Many"));
    many->click();
    EXPECT_EQ(many->accessibleName(), QStringLiteral("Stop")) << "the name follows the caption";
    form.btnRouter_Click(2);
    window.Sync();
    EXPECT_EQ(Child<QWidget>("Label2")->accessibleDescription(), QStringLiteral("Start from C"));
}

TEST_F(WindowView, ScenarioListAndResetReachTheirHandlers) {
    QComboBox* list = Child<QComboBox>("cmbSims");
    list->setCurrentIndex(4);
    emit list->activated(4);
    EXPECT_EQ(state.cmbSims.text, "Three Routers");
    EXPECT_FALSE(state.btnRouter[3].visible);
    state.Command3.caption = "Resume";
    Child<QPushButton>("Command5")->click();
    EXPECT_EQ(state.Command3.caption, "Pause");
    EXPECT_EQ(Child<QPushButton>("Command3")->text(), QStringLiteral("Pause"));
}

TEST_F(WindowView, TablePacketSlidesAlongItsLinkAfterUpdate) {
    Choose("Example 1");
    window.Sync();
    Child<QPushButton>("Command4")->click();
    for (int t = 0; t < 5; ++t) {
        window.Tick();
    }
    const QImage image = Picture();
    // E's table to F: starts at (9240, 3960) and moves (-15, 60) a tick.
    EXPECT_EQ(At(image, 9240 - 5 * 15, 3960 + 5 * 60), QColor(255, 255, 255)) << "white fill";
    EXPECT_EQ(At(image, 9240 - 5 * 15 - 230, 3960 + 5 * 60), ToQColor(Design::kRouterColours[5]))
        << "border in the receiving router's colour";
    EXPECT_EQ(At(image, 9240, 3960 + 20), ToQColor(Design::kGrey)) << "the start is left behind";
}

TEST_F(WindowView, PauseButtonStopsTheTimerAndSaysResume) {
    QPushButton* pause = Child<QPushButton>("Command3");
    QTimer* timer = Child<QTimer>("MoveTimer");
    Child<QPushButton>("Command1")->click(); // a packet on the screen: the timer runs
    EXPECT_TRUE(timer->isActive());
    EXPECT_LE(timer->interval(), 40) << "the first tick falls on the beat of the idle timer";
    window.Tick();
    EXPECT_EQ(timer->interval(), 40) << "then every 40 ms";
    pause->click();
    EXPECT_EQ(pause->text(), QStringLiteral("Resume"));
    EXPECT_FALSE(timer->isActive());
    Child<QPushButton>("Command1")->click();
    EXPECT_EQ(pause->text(), QStringLiteral("Pause"));
    EXPECT_TRUE(timer->isActive());
}

TEST_F(WindowView, TheTimerSleepsWhileNothingCanChange) {
    QTimer* timer = Child<QTimer>("MoveTimer");
    EXPECT_FALSE(timer->isActive()) << "nothing on the screen and Many off: no wake-ups";
    Child<QPushButton>("Command2")->click(); // Many
    EXPECT_TRUE(timer->isActive()) << "Many launches on the countdown";
    Child<QPushButton>("Command2")->click(); // Stop
    EXPECT_FALSE(timer->isActive());
    Child<QPushButton>("btnNetwork0")->click();
    Child<QPushButton>("btnNetwork0")->click();
    EXPECT_TRUE(timer->isActive()) << "a packet to move";
    for (int t = 0; t < 52 && Busy() > 0; ++t) {
        window.Tick();
    }
    EXPECT_EQ(Busy(), 0) << "delivered: a to a climbs and runs back down";
    EXPECT_FALSE(timer->isActive()) << "asleep again once the last packet is gone";
}

TEST_F(WindowView, SplitHorizonBoxSetsTheFlag) {
    QCheckBox* box = Child<QCheckBox>("chkSplit");
    box->click();
    EXPECT_TRUE(state.SplitHorizon);
    EXPECT_EQ(state.chkSplit.value, 1);
    box->click();
    EXPECT_FALSE(state.SplitHorizon);
}

TEST_F(WindowView, RouterPairSendsATableAndNetworkPairData) {
    Choose("Example 1");
    window.Sync();
    Child<QPushButton>("btnRouter0")->click();
    Child<QPushButton>("btnRouter1")->click();
    ASSERT_TRUE(Slot(0).visible);
    EXPECT_EQ(Slot(0).tag, "0:T:B:B:A: 80: 10");
    EXPECT_EQ(state.Label2.caption, "R:0:A: 4:inf:inf:inf:inf:inf");
    Child<QPushButton>("btnNetwork0")->click();
    Child<QPushButton>("btnNetwork2")->click();
    ASSERT_TRUE(Slot(1).visible);
    EXPECT_EQ(Slot(1).tag, "0:U:C:A:A: 45:-15");
    EXPECT_EQ(Child<QWidget>("Label2")->accessibleDescription(),
              QStringLiteral("0:U:C:A:A: 45:-15"));
    // The table packet is drawn centred on the start of A-B, just right of router A: white,
    // ringed in B's colour.
    const QImage image = Picture();
    EXPECT_EQ(At(image, 2760 + 100, 3360 + 12), QColor(255, 255, 255));
    EXPECT_EQ(At(image, 2760 + 205, 3360), ToQColor(Design::kRouterColours[1]));
}

TEST_F(WindowView, KillHidesEveryPacketFromTheScreen) {
    Choose("Example 1");
    window.Sync();
    Child<QPushButton>("Command4")->click();
    EXPECT_EQ(Busy(), 18);
    // On E-F just below router E, where E's table to F starts.
    EXPECT_EQ(At(Picture(), 9215, 4060), QColor(255, 255, 255)) << "E's table leaving for F";
    Child<QPushButton>("Command7")->click();
    EXPECT_EQ(Busy(), 0);
    EXPECT_EQ(At(Picture(), 9215, 4060), ToQColor(Design::kGrey)) << "only the link is left";
}

TEST_F(WindowView, AHiddenLinkIsNotDrawn) {
    // A quarter of the way along B-F, clear of its break button and cost labels.
    const double x = 5760 + (8280 - 5760) / 4.0;
    const double y = 3960 + (5400 - 3960) / 4.0;
    Choose("Example 1");
    window.Sync();
    EXPECT_EQ(At(Picture(), x, y), ToQColor(Design::kForm));
    EXPECT_FALSE(Child<QWidget>("cmdBreak6")->isVisible());
    Choose("Everything");
    window.Sync();
    EXPECT_EQ(At(Picture(), x, y), ToQColor(Design::kGrey));
    EXPECT_TRUE(Child<QWidget>("cmdBreak6")->isVisible());
}

TEST_F(WindowView, AButtonCopiedFromTheStylesDrawingLooksTheSame) {
    QPushButton* update = Child<QPushButton>("Command4");
    const QImage drawn = update->grab().toImage();  // drawn by the style
    const QImage copied = update->grab().toImage(); // the same look again: copied
    ASSERT_EQ(drawn.size(), copied.size());
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor a = drawn.pixelColor(x, y);
            const QColor b = copied.pixelColor(x, y);
            differing += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                                     std::abs(a.blue() - b.blue()) >
                                 48
                             ? 1
                             : 0;
        }
    }
    EXPECT_EQ(differing, 0) << "caption, font and frame as the style draws them";
}

// What is on the screen is what a fresh full repaint draws, tick after tick, across clicks,
// scenario changes and resizes: every repaint region a tick asks for covers all that changed,
// and a tick painted straight into the backing store reaches the display. The fresh picture is
// drawn straight from the window's state at the screen's pixel ratio, none of its caches used.
TEST_F(WindowView, TheScreenIsAlwaysWhatAFullRepaintDraws) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // The test ticks by hand: the window's own timers must not tick in between.
    Child<QTimer>("MoveTimer")->blockSignals(true);
    Child<QTimer>("FrameTimer")->blockSignals(true);
    const auto screen = [this] {
        // The repaint asked for, delivered and painted.
        for (int pass = 0; pass < 3; ++pass) {
            QCoreApplication::processEvents();
        }
        return window.screen()
            ->grabWindow(window.winId())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    };
    // Pixels that differ by more than a quarter of a channel from the fresh pixel and from each
    // of its neighbours: the anti-aliased edge of a circle copied from its sprite may fall half a
    // pixel from one drawn straight; a stale pixel differs from all of them. At a fractional
    // ratio the window system blends a child widget's half-covered edge pixels with what lay
    // beneath when they were painted, and a button's caption copied from the picture it keeps is
    // hinted unlike one drawn straight: those edges, and the buttons (opaque: nothing stale shows
    // under them), are left out there; the runs at whole ratios compare them.
    const auto stale = [this](const QImage& a, const QImage& b) {
        const auto near = [](QRgb p, QRgb q) {
            return std::abs(qRed(p) - qRed(q)) <= 64 && std::abs(qGreen(p) - qGreen(q)) <= 64 &&
                   std::abs(qBlue(p) - qBlue(q)) <= 64;
        };
        const double ratio = window.devicePixelRatioF();
        QRegion left;
        if (ratio != std::round(ratio)) {
            for (const QWidget* child : window.findChildren<QWidget*>()) {
                if (!child->isVisible() || child->isWindow()) {
                    continue;
                }
                const QRectF r = child->geometry();
                const QRect device = QRectF(r.topLeft() * ratio, r.size() * ratio).toAlignedRect();
                left += qobject_cast<const ColourButton*>(child) != nullptr
                            ? QRegion(device.adjusted(-1, -1, 1, 1))
                            : QRegion(device.adjusted(-1, -1, 1, 1)) -
                                  QRegion(device.adjusted(1, 1, -1, -1));
            }
        }
        int count = 0;
        for (int y = 0; y < a.height(); ++y) {
            const auto* shown = reinterpret_cast<const QRgb*>(a.constScanLine(y));
            const auto* same = reinterpret_cast<const QRgb*>(b.constScanLine(y));
            for (int x = 0; x < a.width(); ++x) {
                if (near(shown[x], same[x])) {
                    continue;
                }
                bool matched = left.contains(QPoint(x, y));
                for (int dy = -1; dy <= 1 && !matched; ++dy) {
                    for (int dx = -1; dx <= 1 && !matched; ++dx) {
                        matched =
                            b.valid(x + dx, y + dy) && near(shown[x], b.pixel(x + dx, y + dy));
                    }
                }
                count += matched ? 0 : 1;
            }
        }
        return count;
    };
    // The window drawn afresh at the screen's pixel ratio, straight from its state: none of the
    // pictures it keeps between ticks, none of the painting straight into its backing store.
    const auto fresh = [this] {
        const double ratio = window.devicePixelRatioF();
        QImage image(window.size() * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::black);
        window.setProperty("directPainting", true);
        window.render(&image);
        window.setProperty("directPainting", false);
        return image;
    };
    const QSize full = window.size();
    using Control = Action::Control;
    const auto act = [this](const Action& action) { demonstration.Act(action, window.Now()); };
    // Tables that route, and data on the move: the status line changes during ticks too, away
    // from any packet.
    act(Action::Choose("Three Routers"));
    for (int round = 0; round < 3; ++round) {
        act(Action::Click(Control::Update));
        for (int t = 0; t < 26; ++t) {
            form.MoveTimer_Timer();
        }
    }
    act(Action::Click(Control::Many));
    SeededRandom user(17);
    for (int step = 0; step < 40; ++step) {
        if (step == 20) {
            // The second half with the tables shown, RIP's clocks and the true costs written
            // beside their rows.
            act(Action::Choose("Example 1"));
            demonstration.SetAllRules(true, window.Now());
            demonstration.ShowShortestPaths(true, window.Now());
        }
        const double pick = user.Next();
        if (pick < 0.15) {
            // As a window manager resizes: no call of the window's own between.
            const double zoom = 0.6 + user.Next();
            const QSize wanted(static_cast<int>(full.width() * zoom),
                               static_cast<int>(full.height() * zoom));
            window.resize(wanted);
            for (int wait = 0; wait < 300 && window.windowHandle()->size() != wanted; ++wait) {
                QTest::qWait(10);
            }
        } else if (pick < 0.3) {
            act(Action::Click(Control::Update));
        } else if (pick < 0.6) {
            act(Action::Click(Control::Network, static_cast<int>(user.Next() * 6)));
            act(Action::Click(Control::Network, static_cast<int>(user.Next() * 6)));
        } else if (const auto action = UserAction(static_cast<std::uint8_t>(user.Next() * 12),
                                                  static_cast<std::uint8_t>(user.Next() * 256))) {
            const bool keepTables = step >= 20 && action->control == Control::Scenario;
            act(keepTables ? Action::Choose("Example 1") : *action);
        }
        if (pick >= 0.15) {
            window.Sync();
        }
        // The action's own repaint, then each tick's.
        for (int t = static_cast<int>(user.Next() * 30); t >= -1; --t) {
            if (t >= 0) {
                window.Tick();
            }
            const QImage shown = screen();
            const QImage drawn = fresh();
            ASSERT_EQ(shown.size(), drawn.size());
            ASSERT_EQ(stale(shown, drawn), 0) << "step " << step << ", tick " << t;
        }
    }
}

// A data packet is a circle filled in its destination's colour, and it grows with the window; a
// cost label lets the link beneath show through.
TEST_F(WindowView, PacketsAreRoundInTheirDestinationsColourAndCostsAreTransparent) {
    Choose("Example 1");
    window.Sync();
    EXPECT_EQ(At(Picture(), 2160, 3720 + 340), ToQColor(Design::kGrey))
        << "link A-C under the cost label of C to A";
    SendData(0, 2); // network a to network c
    for (int t = 0; t < 12; ++t) {
        window.Tick();
    }
    // The packet's extent across its centre, in pixels of the packet's fill.
    const auto measure = [this](int& across) {
        const ShapeControl& packet = Slot(0);
        const QImage image = Picture();
        const QPointF centre = window.Transform().Point(packet.left + packet.width / 2,
                                                        packet.top + packet.height / 2);
        const QColor fill = image.pixelColor(centre.toPoint());
        across = 0;
        for (int x = 0; x < image.width(); ++x) {
            across += image.pixelColor(x, static_cast<int>(centre.y())) == fill ? 1 : 0;
        }
        const QPointF corner = window.Transform().Point(packet.left + 20, packet.top + 20);
        EXPECT_NE(image.pixelColor(corner.toPoint()), fill) << "round: its corner is not filled";
        return fill;
    };
    int across = 0;
    EXPECT_EQ(measure(across), ToQColor(Design::kRouterColours[2])) << "network c's router C";
    window.resize(window.size() * 2);
    window.Sync();
    int twice = 0;
    EXPECT_EQ(measure(twice), ToQColor(Design::kRouterColours[2]));
    EXPECT_NEAR(twice, 2 * across, 3) << "the circle grew with the window";
}
