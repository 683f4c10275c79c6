#pragma once
// A sorted list of words without duplicates, compared without regard to the case of
// ASCII letters (double-byte characters compare byte by byte): the reserved words that
// the painter colours, found by binary search.
#include <functional>
#include <string>
#include <vector>

class TWordList {
public:
    std::function<void()> OnChange;

    int Count() const { return static_cast<int>(FWords.size()); }
    const std::string& operator[](int Index) const {
        return FWords[static_cast<std::size_t>(Index)];
    }

    // Adds Word at its sorted place; a word already in the list (in any letter case) is
    // ignored.  Returns the index of the word.
    int Add(const std::string& Word);
    // True when Word is in the list; Index is its place, or where it would go.
    bool Find(const std::string& Word, int& Index) const;
    bool Contains(const std::string& Word) const;
    bool Contains(const char* Word, int Length) const;
    void Clear();

    // One word per line (CR LF, CR or LF); empty lines are skipped.
    void SetText(const std::string& Text);
    // The words, each followed by CR LF.
    std::string Text() const;

    void Assign(const TWordList& Source);
    bool operator==(const TWordList& Other) const { return FWords == Other.FWords; }

    // <0, 0, >0 as A sorts before, with or after B.
    static int Compare(const char* A, int ALength, const char* B, int BLength);

private:
    void Changed();

    std::vector<std::string> FWords;
};
