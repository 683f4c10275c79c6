#pragma once
// Scoped enumerations print as their numbers in failed expectations and traces.
#include <ostream>
#include <string>
#include <type_traits>

template <class E, class = typename std::enable_if<std::is_enum<E>::value>::type>
std::ostream& operator<<(std::ostream& Out, E Value) {
    return Out << static_cast<long long>(Value);
}

template <class E, class = typename std::enable_if<std::is_enum<E>::value>::type>
std::string EnumText(E Value) {
    return std::to_string(static_cast<long long>(Value));
}
