#include "app/History.h"
#include "app/MainForm.h"
#include "common/SeededRandom.h"
#include "support/FakePlatform.h"
#include "support/FormInvariants.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Undoable {
    FakePlatform platform{7};
    SeededRandom random{5};
    MainForm form{platform, random};
    History history{form.State()};
    Undoable() { form.Form_Load(); }
    std::string Now() const { return DescribeState(form.State()); }
};

} // namespace

// Any action, undone, leaves the window exactly as it was; redone, exactly as the action left it.
TEST(History, EveryActionUndoesAndRedoesExactly) {
    for (std::uint64_t seed : {11u, 12u, 13u}) {
        Undoable w;
        SeededRandom user(seed);
        for (int step = 0; step < 400; ++step) {
            // Time passes between actions: packets move, arrive and launch.
            for (int t = static_cast<int>(user.Next() * 30); t > 0; --t) {
                w.form.MoveTimer_Timer();
            }
            const std::string before = w.Now();
            w.history.BeforeAction("an action");
            ApplyUserAction(w.form, static_cast<std::uint8_t>(user.Next() * 12),
                            static_cast<std::uint8_t>(user.Next() * 256));
            const std::string after = w.Now();
            ASSERT_TRUE(w.history.Undo());
            ASSERT_EQ(w.Now(), before) << "seed " << seed << ", step " << step;
            ASSERT_TRUE(w.history.Redo());
            ASSERT_EQ(w.Now(), after) << "seed " << seed << ", step " << step;
            EXPECT_FALSE(w.history.CanRedo());
        }
    }
}

TEST(History, UndoesManyLevelsInTurnAndANewActionClearsRedo) {
    Undoable w;
    w.form.State().cmbSims.text = "Example 1";
    w.form.cmbSims_Click();
    std::vector<std::string> states{w.Now()};
    for (int i = 0; i < 120; ++i) {
        w.history.BeforeAction("a cost");
        w.form.lblCost_MouseDown(i % 20, i % 3 == 0 ? 2 : 1);
        w.form.MoveTimer_Timer();
        states.push_back(w.Now());
    }
    // The last 100 actions can be undone, newest first; no more.
    for (int level = 0; level < 100; ++level) {
        ASSERT_TRUE(w.history.Undo()) << level;
        EXPECT_EQ(w.Now(), states[states.size() - 2 - level]) << level;
    }
    EXPECT_FALSE(w.history.Undo());
    EXPECT_EQ(w.Now(), states[20]);
    ASSERT_TRUE(w.history.Redo());
    EXPECT_EQ(w.Now(), states[21]);
    w.history.BeforeAction("break of link A-B");
    w.form.cmdBreak_Click(0);
    EXPECT_FALSE(w.history.CanRedo()) << "a new action forgets what could be redone";
    EXPECT_FALSE(w.history.Redo());
}

TEST(History, UndoingABreakMendsTheLinkAndBringsTheRoutesBack) {
    Undoable w;
    w.form.State().cmbSims.text = "Three Routers";
    w.form.cmbSims_Click();
    for (int round = 0; round < 3; ++round) {
        w.form.Command4_Click();
        for (int t = 0; t < 26; ++t) {
            w.form.MoveTimer_Timer();
        }
    }
    const std::string converged = w.Now();
    w.history.BeforeAction("break of link A-B");
    w.form.cmdBreak_Click(0);
    EXPECT_EQ(w.form.State().Link(0, 1).colour, 0x0000FF);
    EXPECT_EQ(w.form.State().RouterTable[1].Engine().Rows()[0].cost, " 3") << "through C";
    w.history.Undo();
    EXPECT_EQ(w.form.State().Link(0, 1).colour, 0x808080);
    EXPECT_EQ(w.Now(), converged);
}
