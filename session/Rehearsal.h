#pragma once

#include "app/ChangeLog.h"
#include "app/MainForm.h"
#include "common/SeededRandom.h"
#include "form/Platform.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// A copy of the running window that plays ahead of it, out of sight: what the tables will show
// once the tables on their way arrive, or after more rounds of Update, with every table a router
// heard on the way told as the log tells it. The window copied is never touched.
class Rehearsal {
public:
    // A table a router heard: who sent it, what it carried for each row ("" for a row left out),
    // the link cost it was charged, the rows before and after, and the log's lines on it.
    struct Heard {
        std::string sender;
        std::vector<std::string> carried;
        std::optional<double> linkCost;
        ChangeLog::Rows before;
        ChangeLog::Rows after;
        std::vector<ChangeLog::Line> lines;
    };

    explicit Rehearsal(const MainForm& original);
    Rehearsal(const Rehearsal&) = delete;
    Rehearsal& operator=(const Rehearsal&) = delete;

    const ChangeLog::Rows& Rows(int router) const;
    // Runs the ticks until every table now on its way has arrived, and returns how many that
    // took: none where no table is on its way.
    long ArriveTables();
    // Every packet on its way arrives and what it sets off settles: no packet moves, none is owed.
    void Settle() { form_.Settle(); }
    // One round of Update, settled. Returns whether the tables are at rest: no row of a shown
    // router changed, no clock waited to act (hold-down, garbage collection) before or after it,
    // and every learned route heard from its next hop during it, so that every round after it
    // starts as it started and does the same.
    bool Round();
    const std::vector<Heard>& HeardBy(int router) const { return heard_[router]; }
    // Why a row stands as it does, as a table row's explanation says it.
    std::string Explain(int router, int network) const { return log_.Explain(router, network); }

private:
    // The out-of-packets message, which a copy never shows.
    class Unseen : public Platform {
    public:
        void ShowMessage(const std::string&) override {}
        std::uint64_t ClockSeed() override { return 0; }
    };

    void OnMessage(const RouterMessage& message);

    Unseen platform_;
    SeededRandom random_;
    MainForm form_;
    ChangeLog log_;
    std::array<std::vector<Heard>, kRouterCount> heard_;
};
