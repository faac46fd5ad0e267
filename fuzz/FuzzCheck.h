#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// Where a harness's property does not hold: says what failed and aborts, so that libFuzzer keeps
// the input that broke it.
inline void Check(bool holds, const char* what, const std::string& detail = {}) {
    if (!holds) {
        std::fprintf(stderr, "%s %s\n", what, detail.c_str());
        std::abort();
    }
}
