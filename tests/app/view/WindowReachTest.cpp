// The window for keyboard, wheel and screen-reader users, and on screens smaller than it.
#include "support/DesignValues.h"
#include "support/WindowFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
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

TEST_F(WindowReach, AWheelOverTheScenarioListChangesNothingUntilItHasTheFocus) {
    QComboBox* list = Child<QComboBox>("cmbSims");
    Child<QWidget>("Command4")->setFocus();
    Wheel(list);
    EXPECT_EQ(list->currentText(), QStringLiteral("Random 1"));
    EXPECT_EQ(state.cmbSims.text, "Random 1");
    EXPECT_FALSE(list->hasFocus()) << "the wheel gives no focus";
    list->setFocus();
    ASSERT_TRUE(list->hasFocus());
    Wheel(list);
    EXPECT_EQ(list->currentText(), QStringLiteral("Random 1 No Reverse"));
    EXPECT_EQ(state.cmbSims.text, "Random 1 No Reverse") << "a focused list sets the scenario up";
}

TEST_F(WindowReach, TabStartsAtTheScenarioListAndReachesEveryControl) {
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("cmbSims"))
        << "the window opens with the focus on the scenario list";
    Key(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
    Choose("Everything");
    window.Sync();
    QSet<QString> reached;
    for (int i = 0; i < 60; ++i) {
        Key(QApplication::focusWidget(), Qt::Key_Tab);
        reached.insert(QApplication::focusWidget()->objectName());
    }
    for (const char* name : {"Command1", "Command4", "chkSplit", "btnRouter0", "btnNetwork5",
                             "cmdBreak9", "lblCost0", "lblCost19"}) {
        EXPECT_TRUE(reached.contains(QString::fromLatin1(name))) << name;
    }
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
    EXPECT_EQ(Spoken(list, QAccessible::Value), QStringLiteral("Example 1"));
    QWidget* tableB = Child<QWidget>("RouterTable1");
    EXPECT_EQ(Spoken(tableB, QAccessible::Name), QStringLiteral("Table B"));
    EXPECT_EQ(tableB->accessibleDescription(), QStringLiteral("b, cost 1, next hop L"));
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

TEST_F(WindowReach, OpensFittedToAScreenSmallerThanItself) {
    const QSize full = window.size();
    EXPECT_EQ(window.OpeningSize(QSize(4000, 3000)), full) << "a large screen: full size";
    const QSize fitted = window.OpeningSize(QSize(800, 560));
    EXPECT_LE(fitted.width(), 800);
    EXPECT_LE(fitted.height(), 560);
    EXPECT_TRUE(fitted.width() == 800 || fitted.height() == 560) << "as large as fits";
    EXPECT_NEAR(static_cast<double>(fitted.width()) / fitted.height(), 12330.0 / 8745.0, 0.01);
    const QSize least = window.minimumSize();
    EXPECT_NEAR(least.width(), full.width() / 2, 1);
    EXPECT_NEAR(least.height(), full.height() / 2, 1);
    EXPECT_EQ(window.OpeningSize(QSize(100, 100)), least) << "never below the minimum";
}
