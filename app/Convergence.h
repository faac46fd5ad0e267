#pragma once

#include "app/ShortestPaths.h"
#include "router/Router.h"

#include <string>

class FormRuntime;
class FormState;
struct RouterMessage;

// The lecturer's check on convergence, shown on request: beside every shown row the true cost of
// its route (ShortestPaths), the row marked stale where its router believes otherwise, and a
// meter of how many tables have arrived since any table last changed and whether every router
// knows the true cost of every network. With infinity 16, 16 and unreachable agree. It watches the
// messages through the runtime's router observer and changes nothing the routers do.
class Convergence {
public:
    // Watches the window's router messages from now on; must outlive the runtime's use.
    Convergence(FormState& form, FormRuntime& runtime);
    Convergence(const Convergence&) = delete;
    Convergence& operator=(const Convergence&) = delete;

    void Show(bool on);
    bool Shown() const { return shown_; }
    // Brings the true costs beside the rows up to date.
    void Refresh();
    int TablesSinceChange() const { return tables_; }
    // Whether every row of every shown panel holds its true cost (a row not shown: unreachable).
    bool Converged() const { return converged_; }

private:
    void OnMessage(const RouterMessage& message);

    FormState& form_;
    bool shown_ = false;
    int tables_ = 0;
    bool converged_ = false;
    std::string paths_; // the links and costs the true costs were found for
    ShortestPaths::Costs truth_{};
    // The tables and panels the marks beside the rows were made for.
    bool marked_ = false;
    std::array<std::array<RouteRow, Router::kRows>, kRouterCount> rows_{};
    std::array<bool, kRouterCount> visible_{};
};
