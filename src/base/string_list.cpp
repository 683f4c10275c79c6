#include "base/string_list.h"

#include "base/errors.h"

#include <cstring>

void TPointerStringList::CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count()) throw EListError(Index);
}

const std::string& TPointerStringList::Get(int Index) const {
    CheckIndex(Index);
    return Item(Index).S;
}

void TPointerStringList::Put(int Index, std::string S) {
    CheckIndex(Index);
    Item(Index).S = std::move(S);
    Changed();
}

int TPointerStringList::Add(std::string S) {
    int Index = Count();
    Insert(Index, std::move(S));
    return Index;
}

void TPointerStringList::Insert(int Index, std::string S) {
    if (Index < 0 || Index > Count()) throw EListError(Index);
    InsertItems(Index, 1);
    Item(Index).S = std::move(S);
    Changed();
}

void TPointerStringList::Delete(int Index) {
    CheckIndex(Index);
    EraseItems(Index, 1);
    Changed();
}

void TPointerStringList::Clear() {
    if (Count() == 0) return;
    ClearItems();
    Changed();
}

std::uint32_t TPointerStringList::Data(int Index) const {
    CheckIndex(Index);
    return Item(Index).Data;
}

void TPointerStringList::SetData(int Index, std::uint32_t Value) {
    CheckIndex(Index);
    Item(Index).Data = Value;
    Touch(Index);
}

void TPointerStringList::BeginUpdate() {
    if (FUpdates.Begin()) SetUpdateState(true);
}

void TPointerStringList::EndUpdate() {
    if (FUpdates.End()) SetUpdateState(false);
}

void TPointerStringList::SetUpdateState(bool Updating) {
    if (!Updating) Changed();
}

void TPointerStringList::Changed() {
    if (!FUpdates.Updating() && OnChange) OnChange();
}

std::string TPointerStringList::Text() const {
    std::size_t Length = 0;
    int N = Count();
    for (int I = 0; I < N; ++I)
        Length += Item(I).S.size() + 2;
    std::string Result;
    Result.resize(Length);
    char* P = &Result[0];
    for (int I = 0; I < N; ++I) {
        const std::string& S = Item(I).S;
        std::memcpy(P, S.data(), S.size());
        P += S.size();
        *P++ = '\r';
        *P++ = '\n';
    }
    return Result;
}

void TPointerStringList::SetText(const std::string& Text) {
    BeginUpdate();
    ClearItems();
    std::size_t Pieces = 0;
    for (char C : Text)
        Pieces += (C == '\n' || C == '\r');
    // Count the pieces first so the rows are made in one step.
    std::size_t Start = 0, N = Text.size();
    int Row = 0;
    InsertItems(0, static_cast<int>(Pieces + 1));
    while (Start < N) {
        std::size_t End = Start;
        while (End < N && Text[End] != '\r' && Text[End] != '\n')
            ++End;
        Item(Row++).S.assign(Text, Start, End - Start);
        if (End < N && Text[End] == '\r' && End + 1 < N && Text[End + 1] == '\n')
            End += 2;
        else if (End < N)
            ++End;
        Start = End;
    }
    EraseItems(Row, Count() - Row);
    Changed();
    EndUpdate();
}

void TPointerStringList::InsertItems(int Index, int N) {
    FItems.insert(static_cast<std::size_t>(Index), static_cast<std::size_t>(N));
    Touch(Index);
    ItemsMoved(Index, N, 0);
}

void TPointerStringList::EraseItems(int Index, int N) {
    FItems.erase(static_cast<std::size_t>(Index), static_cast<std::size_t>(N));
    Touch(Index);
    ItemsMoved(Index, 0, N);
}

void TPointerStringList::ClearItems() {
    FItems.clear();
    FFirstTouched = 0;
    ItemsMoved(-1, 0, 0);
}

void TPointerStringList::ItemsMoved(int, int, int) {}

std::size_t TPointerStringList::MemoryBytes() const {
    std::size_t Bytes = FItems.capacity_bytes();
    int N = Count();
    for (int I = 0; I < N; ++I) {
        const std::string& S = Item(I).S;
        const char* Own = reinterpret_cast<const char*>(&S);
        if (S.data() < Own || S.data() >= Own + sizeof(S))
            Bytes += S.capacity() + 1; // a heap block (allocator overhead not counted)
    }
    return Bytes;
}

void TPointerStringList::SwapItems(TPointerStringList& Other) {
    FItems.swap(Other.FItems);
    FFirstTouched = 0;
    Other.FFirstTouched = 0;
    ItemsMoved(-1, 0, 0);
    Other.ItemsMoved(-1, 0, 0);
}
