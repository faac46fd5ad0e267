#pragma once

#include <string>
#include <string_view>

// Routers are "A" to "F" and networks "a" to "f"; network n hangs off router n. Texts always
// carry the upper-case letter.
inline constexpr int kRouterCount = 6;
inline constexpr int kNetworkCount = kRouterCount;

inline std::string RouterLetter(int index) {
    return std::string(1, static_cast<char>('A' + index));
}

inline std::string NetworkLetter(int index) {
    return std::string(1, static_cast<char>('a' + index));
}

// Index of the router named by the first character of a letter field (code minus 65), or -1 when
// the field is empty or does not start with "A" to "F".
inline int RouterIndex(std::string_view letter) {
    if (letter.empty() || letter.front() < 'A' || letter.front() > 'F') {
        return -1;
    }
    return letter.front() - 'A';
}
