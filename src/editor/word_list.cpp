#include "editor/word_list.h"

#include "editor/column_map.h"

namespace {

unsigned char Fold(unsigned char C) {
    return C >= 'a' && C <= 'z' ? C - 'a' + 'A' : C;
}

} // namespace

int TWordList::Compare(const char* A, int ALength, const char* B, int BLength) {
    int N = ALength < BLength ? ALength : BLength;
    // Up to the first difference both strings have their lead bytes at the same places;
    // the byte after a lead byte is a trail byte and is not folded.
    bool Trail = false;
    for (int I = 0; I < N; ++I) {
        unsigned char X = static_cast<unsigned char>(A[I]);
        unsigned char Y = static_cast<unsigned char>(B[I]);
        if (!Trail) {
            X = Fold(X);
            Y = Fold(Y);
        }
        if (X != Y) return X < Y ? -1 : 1;
        Trail = !Trail && IsSjisLeadByte(X);
    }
    return ALength == BLength ? 0 : (ALength < BLength ? -1 : 1);
}

bool TWordList::Find(const std::string& Word, int& Index) const {
    int Lo = 0, Hi = Count();
    while (Lo < Hi) {
        int Mid = Lo + (Hi - Lo) / 2;
        const std::string& W = FWords[static_cast<std::size_t>(Mid)];
        int C = Compare(W.data(), static_cast<int>(W.size()), Word.data(),
                        static_cast<int>(Word.size()));
        if (C == 0) {
            Index = Mid;
            return true;
        }
        if (C < 0)
            Lo = Mid + 1;
        else
            Hi = Mid;
    }
    Index = Lo;
    return false;
}

bool TWordList::Contains(const std::string& Word) const {
    int Index;
    return Find(Word, Index);
}

bool TWordList::Contains(const char* Word, int Length) const {
    return Contains(std::string(Word, static_cast<std::size_t>(Length)));
}

int TWordList::Add(const std::string& Word) {
    int Index;
    if (Find(Word, Index)) return Index;
    FWords.insert(FWords.begin() + Index, Word);
    Changed();
    return Index;
}

void TWordList::Clear() {
    if (FWords.empty()) return;
    FWords.clear();
    Changed();
}

void TWordList::SetText(const std::string& Text) {
    std::function<void()> Saved;
    Saved.swap(OnChange); // one notification for the whole text
    FWords.clear();
    std::size_t P = 0;
    while (P < Text.size()) {
        std::size_t E = Text.find_first_of("\r\n", P);
        if (E == std::string::npos) E = Text.size();
        if (E > P) Add(Text.substr(P, E - P));
        P = E + 1;
    }
    Saved.swap(OnChange);
    Changed();
}

std::string TWordList::Text() const {
    std::string S;
    for (const std::string& W : FWords)
        S += W + "\r\n";
    return S;
}

void TWordList::Assign(const TWordList& Source) {
    if (&Source == this) return;
    FWords = Source.FWords;
    Changed();
}

void TWordList::Changed() {
    if (OnChange) OnChange();
}
