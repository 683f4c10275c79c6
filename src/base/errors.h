#pragma once
// The exceptions every subsystem raises, named after the platform errors they stand
// for; their messages are the texts the user sees in the error box.
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

// The file errors whose messages the user sees.
class EFOpenError : public std::runtime_error {
public:
    explicit EFOpenError(const std::string& FileName)
        : std::runtime_error("ファイル " + FileName + " は開けません") {}
};

class EFCreateError : public std::runtime_error {
public:
    explicit EFCreateError(const std::string& FileName)
        : std::runtime_error("ファイル " + FileName + " を作成できません") {}
};

// A read that failed after the file had been opened.
class EReadError : public std::runtime_error {
public:
    explicit EReadError(const std::string& FileName)
        : std::runtime_error("ファイル " + FileName + " を読み込めません") {}
};
