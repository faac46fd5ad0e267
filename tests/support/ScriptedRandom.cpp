#include "support/ScriptedRandom.h"

#include <stdexcept>

double ScriptedRandom::Next() {
    if (values_.empty()) {
        if (goOn_) {
            return fallback_.Next();
        }
        throw std::logic_error("the test scripted no more random numbers");
    }
    const double value = values_.front();
    values_.pop_front();
    return value;
}
