#pragma once
// Sets of flags as scoped enumerations: a flag enumeration opts in with ZEF_FLAGS(T)
// and then combines with | & ^ ~, and Has(Set, Flag) tests a flag.  The empty set is T().
#include <type_traits>

template <class T> struct TIsFlagSet : std::false_type {};

#define ZEF_FLAGS(T)                                                                               \
    template <> struct TIsFlagSet<T> : std::true_type {}

template <class T> using TFlagBits = typename std::underlying_type<T>::type;

template <class T, class = typename std::enable_if<TIsFlagSet<T>::value>::type>
constexpr T operator|(T A, T B) {
    return static_cast<T>(static_cast<TFlagBits<T>>(A) | static_cast<TFlagBits<T>>(B));
}
template <class T, class = typename std::enable_if<TIsFlagSet<T>::value>::type>
constexpr T operator&(T A, T B) {
    return static_cast<T>(static_cast<TFlagBits<T>>(A) & static_cast<TFlagBits<T>>(B));
}
template <class T, class = typename std::enable_if<TIsFlagSet<T>::value>::type>
constexpr T operator^(T A, T B) {
    return static_cast<T>(static_cast<TFlagBits<T>>(A) ^ static_cast<TFlagBits<T>>(B));
}
template <class T, class = typename std::enable_if<TIsFlagSet<T>::value>::type>
constexpr T operator~(T A) {
    return static_cast<T>(~static_cast<TFlagBits<T>>(A));
}
template <class T, class = typename std::enable_if<TIsFlagSet<T>::value>::type>
T& operator|=(T& A, T B) {
    return A = A | B;
}
template <class T, class = typename std::enable_if<TIsFlagSet<T>::value>::type>
T& operator&=(T& A, T B) {
    return A = A & B;
}

// True when Set holds any flag of Flags.
template <class T, class = typename std::enable_if<TIsFlagSet<T>::value>::type>
constexpr bool Has(T Set, T Flags) {
    return static_cast<TFlagBits<T>>(Set & Flags) != 0;
}
// The bits of a set, for storing and for the platform's own flag words.
template <class T, class = typename std::enable_if<TIsFlagSet<T>::value>::type>
constexpr TFlagBits<T> Bits(T Set) {
    return static_cast<TFlagBits<T>>(Set);
}
