#include "base/string_list.h"

#include "base/errors.h"

#include <cstring>
#include <new>

#if defined(__linux__)
#include <stdlib.h>
#include <sys/mman.h>
#endif

TTextBlock::TTextBlock(std::size_t Capacity) {
    Resize(Capacity);
}

void TTextBlock::Resize(std::size_t Capacity) {
    if (Capacity == FCapacity) return;
    if (Capacity == 0) {
        std::free(FBytes);
        FBytes = nullptr;
        FCapacity = 0;
        return;
    }
    void* P = nullptr;
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    // A new large block asks for huge pages: filling it then faults in a page per 2 MB
    // instead of one per 4 KB, and faults are most of what reading a file into memory
    // costs.
    const std::size_t Huge = std::size_t(2) << 20;
    if (!FBytes && Capacity >= Huge) {
        if (posix_memalign(&P, Huge, Capacity) == 0)
            madvise(P, Capacity, MADV_HUGEPAGE);
        else
            P = nullptr;
    }
#endif
    if (!P) P = std::realloc(FBytes, Capacity);
    if (!P) throw std::bad_alloc();
    FBytes = static_cast<char*>(P);
    FCapacity = Capacity;
}

void TPointerStringList::CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count()) throw EListError(Index);
}

TRowText TPointerStringList::Get(int Index) const {
    CheckIndex(Index);
    return TextOf(Item(Index));
}

std::uint32_t TPointerStringList::NewSlot(std::string S) {
    if (!FFreeSlots.empty()) {
        std::uint32_t Slot = FFreeSlots.back();
        FFreeSlots.pop_back();
        FOwn[Slot] = std::move(S);
        return Slot;
    }
    FOwn.push_back(std::move(S));
    return static_cast<std::uint32_t>(FOwn.size() - 1);
}

void TPointerStringList::FreeSlot(std::uint32_t Slot) {
    // The bytes go at once; the slot is reused by the next string that needs one.
    std::string().swap(FOwn[Slot]);
    FFreeSlots.push_back(Slot);
}

void TPointerStringList::SetString(TItem& I, std::string S) {
    if (I.Block == NoBlock && I.Length && !S.empty()) {
        // Rewriting a row that already has bytes of its own keeps its slot.
        I.Length = static_cast<std::uint32_t>(S.size());
        FOwn[I.Where] = std::move(S);
        return;
    }
    Release(I);
    if (S.empty()) return;
    I.Length = static_cast<std::uint32_t>(S.size());
    I.Where = NewSlot(std::move(S));
}

void TPointerStringList::MoveItem(TItem& To, TPointerStringList& Source, TItem& From) {
    if (&To == &From) return;
    std::uint16_t Data = From.Data;
    if (&Source == this) {
        Release(To);
        To = From;
        From = TItem();
    } else if (From.Block == NoBlock && From.Length) {
        std::string S = std::move(Source.FOwn[From.Where]);
        Source.Release(From);
        SetString(To, std::move(S));
    } else {
        SetString(To, Source.TextOf(From).str());
        Source.Release(From);
    }
    To.Data = Data;
    From.Data = 0;
}

void TPointerStringList::Put(int Index, std::string S) {
    CheckIndex(Index);
    SetString(Item(Index), std::move(S));
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
    SetString(Item(Index), std::move(S));
    Changed();
}

void TPointerStringList::Delete(int Index) {
    CheckIndex(Index);
    EraseItems(Index, 1);
    Changed();
}

void TPointerStringList::Clear() {
    if (Count() == 0 && FBlocks.empty()) return;
    bool HadRows = Count() > 0;
    ClearItems();
    if (HadRows) Changed();
}

std::uint32_t TPointerStringList::Data(int Index) const {
    CheckIndex(Index);
    return Item(Index).Data;
}

void TPointerStringList::SetData(int Index, std::uint32_t Value) {
    CheckIndex(Index);
    Item(Index).Data = static_cast<std::uint16_t>(Value);
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
        Length += Item(I).Length + 2;
    std::string Result;
    Result.resize(Length);
    char* P = Length ? &Result[0] : nullptr;
    for (int I = 0; I < N; ++I) {
        TRowText S = TextOf(Item(I));
        if (!S.empty()) std::memcpy(P, S.data(), S.size());
        P += S.size();
        *P++ = '\r';
        *P++ = '\n';
    }
    return Result;
}

void TPointerStringList::SetText(const std::string& Text) {
    BeginUpdate();
    ClearItems();
    // Count the pieces first so the rows are made in one step: a CR LF pair ends one.
    std::size_t Pieces = 0, N = Text.size();
    for (std::size_t I = 0; I < N; ++I) {
        char C = Text[I];
        if (C == '\n')
            ++Pieces;
        else if (C == '\r' && (I + 1 == N || Text[I + 1] != '\n'))
            ++Pieces;
    }
    if (N > 0 && Text[N - 1] != '\n' && Text[N - 1] != '\r') ++Pieces;
    InsertItems(0, static_cast<int>(Pieces), FillSpare);
    std::size_t Start = 0;
    int Row = 0;
    while (Start < N) {
        std::size_t End = Start;
        while (End < N && Text[End] != '\r' && Text[End] != '\n')
            ++End;
        SetString(Item(Row++), Text.substr(Start, End - Start));
        if (End < N && Text[End] == '\r' && End + 1 < N && Text[End + 1] == '\n')
            End += 2;
        else if (End < N)
            ++End;
        Start = End;
    }
    Changed();
    EndUpdate();
}

void TPointerStringList::InsertItems(int Index, int N, int Spare) {
    FItems.insert(static_cast<std::size_t>(Index), static_cast<std::size_t>(N),
                  static_cast<std::size_t>(Spare));
    Touch(Index);
    ItemsMoved(Index, N, 0);
}

void TPointerStringList::EraseItems(int Index, int N) {
    for (int I = Index; I < Index + N; ++I)
        Release(Item(I));
    FItems.erase(static_cast<std::size_t>(Index), static_cast<std::size_t>(N));
    Touch(Index);
    ItemsMoved(Index, 0, N);
}

void TPointerStringList::ClearItems() {
    FItems.clear();
    std::vector<std::string>().swap(FOwn);
    std::vector<std::uint32_t>().swap(FFreeSlots);
    std::vector<TTextBlock>().swap(FBlocks);
    FFirstTouched = 0;
    ItemsMoved(-1, 0, 0);
}

void TPointerStringList::ItemsMoved(int, int, int) {}

int TPointerStringList::AdoptBlock(TTextBlock Block) {
    if (static_cast<int>(FBlocks.size()) >= MaxBlocks) throw std::bad_alloc();
    FBlocks.push_back(std::move(Block));
    return static_cast<int>(FBlocks.size() - 1);
}

std::size_t TPointerStringList::MemoryBytes() const {
    std::size_t Bytes = FItems.capacity_bytes() + FOwn.capacity() * sizeof(std::string) +
                        FFreeSlots.capacity() * sizeof(std::uint32_t);
    for (const std::string& S : FOwn) {
        const char* Own = reinterpret_cast<const char*>(&S);
        if (S.data() < Own || S.data() >= Own + sizeof(S))
            Bytes += S.capacity() + 1; // a heap block (allocator overhead not counted)
    }
    for (const TTextBlock& B : FBlocks)
        Bytes += B.Capacity();
    return Bytes;
}

void TPointerStringList::SwapItems(TPointerStringList& Other) {
    FItems.swap(Other.FItems);
    FOwn.swap(Other.FOwn);
    FFreeSlots.swap(Other.FFreeSlots);
    FBlocks.swap(Other.FBlocks);
    FFirstTouched = 0;
    Other.FFirstTouched = 0;
    ItemsMoved(-1, 0, 0);
    Other.ItemsMoved(-1, 0, 0);
}

void TPointerStringList::SwapRecords(TGapBuffer<TItem>& Records) {
    FItems.swap(Records);
    FFirstTouched = 0;
    ItemsMoved(-1, 0, 0);
}
