#pragma once
#include <initializer_list>
#include <string>

// A byte string written as numbers: B({0x82, 0xA0}).
inline std::string B(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes)
        s += static_cast<char>(b);
    return s;
}
