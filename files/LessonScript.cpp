#include "files/LessonScript.h"

#include <algorithm>

LessonScript::Step LessonScript::Step::Do(const Action& action) {
    Step step;
    step.kind = Kind::Act;
    step.action = action;
    return step;
}

LessonScript::Step LessonScript::Step::Say(std::string caption, std::string detail) {
    Step step;
    step.kind = Kind::Caption;
    step.caption = std::move(caption);
    step.detail = std::move(detail);
    return step;
}

LessonScript::Step LessonScript::Step::WaitTicks(long ticks) {
    Step step;
    step.kind = Kind::Wait;
    step.until = Until::Ticks;
    step.ticks = ticks;
    return step;
}

LessonScript::Step LessonScript::Step::WaitQuiet() {
    Step step;
    step.kind = Kind::Wait;
    step.until = Until::Quiet;
    return step;
}

LessonScript::Step LessonScript::Step::Of(Extras::Id extra, long value) {
    Step step;
    step.kind = Kind::Extra;
    step.extra = extra;
    step.value = value;
    return step;
}

LessonScript::Step LessonScript::Step::Predict(int router, std::string networks) {
    Step step;
    step.kind = Kind::Predict;
    step.router = router;
    step.networks = std::move(networks);
    return step;
}

LessonScript::Step LessonScript::Step::PredictRounds(int router, char network) {
    Step step = Predict(router, std::string(1, network));
    step.rounds = true;
    return step;
}

bool LessonScript::Step::Acts() const {
    return kind == Kind::Act || (kind == Kind::Extra && Extras::Of(extra).acts);
}

long LessonScript::Actions() const {
    return static_cast<long>(
        std::count_if(steps.begin(), steps.end(), [](const Step& step) { return step.Acts(); }));
}

std::size_t LessonScript::PressEnd(std::size_t from) const {
    bool acted = false;
    // A click on a router or a network selects it; the press goes on to the click that
    // completes the pair.
    bool pairOpen = false;
    Action::Control pairOf = Action::Control::Router;
    for (std::size_t i = from; i < steps.size(); ++i) {
        const Step& step = steps[i];
        if (step.Acts()) {
            const bool control = step.kind == Step::Kind::Act;
            const bool completes = pairOpen && control && step.action.control == pairOf;
            if (acted && !completes) {
                return i; // the next press's action
            }
            acted = true;
            pairOpen = !completes && control &&
                       (step.action.control == Action::Control::Router ||
                        step.action.control == Action::Control::Network);
            pairOf = step.action.control;
        } else if (step.kind == Step::Kind::Caption && !step.caption.empty()) {
            return i + 1;
        }
    }
    return steps.size();
}

long LessonScript::Presses() const {
    long presses = 0;
    for (std::size_t from = 0; from < steps.size(); from = PressEnd(from)) {
        ++presses;
    }
    return presses;
}
