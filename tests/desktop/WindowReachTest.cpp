// The window for keyboard, wheel and screen-reader users, and on screens smaller than it.
#include "support/DesignValues.h"
#include "support/FormInvariants.h"
#include "support/WindowFixture.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

namespace {

struct WindowReach : WindowView {
    WindowReach() {
        QApplication::setActiveWindow(&window);
        window.activateWindow();
    }
    void Wheel(QWidget* target) {
        const QPointF centre = QRectF(target->rect()).center();
        QWheelEvent event(centre, target->mapToGlobal(centre), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    }
    void Key(QWidget* target, int key, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &press);
    }
    QString Spoken(QWidget* widget, QAccessible::Text kind) {
        return QAccessible::queryAccessibleInterface(widget)->text(kind);
    }
};

} // namespace

// The lecture's first minutes, through real mouse, wheel and key events: a scenario chosen with
// the mouse, three rounds of Update, then what a hand on the wheel or a presenter's clicker does
// by accident changes nothing; only a list the user went to with Tab chooses with the arrows.
TEST_F(WindowReach, NothingDoneByAccidentSwitchesTheScenario) {
    QComboBox* list = Child<QComboBox>("cmbSims");
    ASSERT_TRUE(list->hasFocus()) << "the list has the focus from start-up";
    for (int key : {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Up, Qt::Key_End}) {
        QTest::keyClick(list, static_cast<Qt::Key>(key));
    }
    Wheel(list);
    EXPECT_EQ(state.cmbSims.text, "Random 1") << "the focus it opened with chooses nothing";

    QTest::mouseClick(list, Qt::LeftButton);
    QAbstractItemView* popup = list->view();
    ASSERT_TRUE(popup->isVisible());
    const QPoint item = popup->visualRect(list->model()->index(3, 0)).center();
    QTest::mouseMove(popup->viewport(), item);
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, item);
    ASSERT_EQ(state.cmbSims.text, "Example 1");
    for (int round = 0; round < 3; ++round) {
        QTest::mouseClick(Child<QPushButton>("Command4"), Qt::LeftButton);
        for (int t = 0; t < 26; ++t) {
            window.Tick();
        }
    }
    const std::string converged = DescribeState(state);
    EXPECT_FALSE(list->hasFocus()) << "the click on Update took the focus";

    Wheel(list);
    for (int key : {Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Down, Qt::Key_Up, Qt::Key_Right,
                    Qt::Key_Left, Qt::Key_Down}) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
    }
    EXPECT_EQ(state.cmbSims.text, "Example 1");
    EXPECT_EQ(DescribeState(state), converged) << "no table was reset";

    // Shift+Tab from "One" goes back to the list: now the arrows choose, and Page Down never.
    QTest::mouseClick(Child<QPushButton>("Command1"), Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(list->hasFocus());
    QTest::keyClick(list, Qt::Key_PageDown);
    Wheel(list);
    EXPECT_EQ(state.cmbSims.text, "Example 1");
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(state.cmbSims.text, "Three Routers");
}

TEST_F(WindowReach, TabStartsAtTheScenarioListAndReachesEveryControl) {
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("cmbSims"))
        << "the window opens with the focus on the scenario list";
    Key(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
    Choose("Everything");
    window.Sync();
    QStringList reached;
    for (int i = 0; i < 66; ++i) {
        Key(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget()->objectName();
    }
    for (const char* name :
         {"Command1", "Command4", "chkSplit", "btnRouter0", "btnNetwork5", "cmdBreak9", "lblCost0",
          "lblCost19", "RouterTable0", "RouterTable5"}) {
        EXPECT_TRUE(reached.contains(QString::fromLatin1(name))) << name;
    }
    EXPECT_EQ(reached.indexOf(QStringLiteral("RouterTable0")),
              reached.indexOf(QStringLiteral("lblCost19")) + 1)
        << "the routing tables come after the costs";
}

TEST_F(WindowReach, FocusedRouterAndNetworkButtonsShowTheFocusMark) {
    // As after a Tab: the style marks the focus only once the keyboard has moved it.
    window.setAttribute(Qt::WA_KeyboardFocusChange);
    for (const char* name : {"Command1", "btnRouter1", "btnNetwork1"}) {
        QPushButton* button = Child<QPushButton>(name);
        window.setFocus();
        const QImage plain = button->grab().toImage();
        button->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(button->hasFocus()) << name;
        const QImage focused = button->grab().toImage();
        EXPECT_NE(plain, focused) << name << " looks the same with the focus";
        if (name[0] == 'b') {
            // The mark lies inside the face; the face beside it keeps the router's colour.
            const QColor face = focused.pixelColor(focused.width() / 2, focused.height() / 5);
            EXPECT_EQ(face, ToQColor(Design::kRouterColours[1])) << name;
        }
    }
}

TEST_F(WindowReach, CostLabelsTakeTheFocusAndStepWithTheArrowKeys) {
    Choose("Example 1");
    window.Sync();
    QWidget* label = Child<QWidget>("lblCost4"); // "2"
    label->setFocus();
    ASSERT_TRUE(label->hasFocus());
    Key(label, Qt::Key_Up);
    EXPECT_EQ(state.lblCost[4].caption, " 3");
    EXPECT_EQ(state.Label2.caption, " 3") << "as a left click";
    Key(label, Qt::Key_Plus, QStringLiteral("+"));
    EXPECT_EQ(state.lblCost[4].caption, " 4");
    Key(label, Qt::Key_Down);
    Key(label, Qt::Key_Minus, QStringLiteral("-"));
    EXPECT_EQ(state.lblCost[4].caption, " 2");
    EXPECT_EQ(state.Label2.caption, " 4") << "as a right click, which leaves the status line";
    EXPECT_EQ(label->accessibleDescription(), QStringLiteral("2")) << "it says its value";
    Choose("Random 1");
    window.Sync();
    EXPECT_EQ(label->accessibleDescription(), QStringLiteral("blank, counts as 0"));
}

TEST_F(WindowReach, ScreenReadersHearTheScenarioAndTheTables) {
    QComboBox* list = Child<QComboBox>("cmbSims");
    EXPECT_EQ(Spoken(list, QAccessible::Name), QStringLiteral("Scenario"));
    EXPECT_EQ(Spoken(list, QAccessible::Value), QStringLiteral("Random 1"));
    Choose("Example 1");
    window.Sync();
    // Screen readers on Linux read a combo box's value from its text.
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(list)->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()), QStringLiteral("Example 1"));
    EXPECT_EQ(Spoken(list, QAccessible::Value), QStringLiteral("Example 1"));
    QWidget* tableB = Child<QWidget>("RouterTable1");
    EXPECT_EQ(Spoken(tableB, QAccessible::Name), QStringLiteral("Table B"));
    EXPECT_EQ(Spoken(tableB, QAccessible::Description), QStringLiteral("b, cost 1, next hop L"));
    SendTable(0, 1);
    window.Sync();
    for (int t = 0; t < 26; ++t) {
        window.Tick();
    }
    EXPECT_EQ(tableB->accessibleDescription(),
              QStringLiteral("a, cost 4, next hop A; b, cost 1, next hop L"))
        << "updated when a table packet changes the rows";
    form.cmdBreak_Click(0);
    window.Sync();
    EXPECT_EQ(tableB->accessibleDescription(),
              QStringLiteral("a, cost inf, no next hop; b, cost 1, next hop L"));
}
