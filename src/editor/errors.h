#pragma once
// Exceptions of the editor's framework pieces, named after the platform
// errors they stand for.
#include <stdexcept>
#include <string>

// An index outside a list ("List index out of bounds (5)").
class EListError : public std::out_of_range {
public:
    explicit EListError(int Index)
        : std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")") {}
};

// Assign between objects of unrelated classes.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
