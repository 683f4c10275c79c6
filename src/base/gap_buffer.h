#pragma once
// A sequence with a movable gap: inserting or erasing at the gap costs only the
// elements inserted or erased, and moving the gap costs the distance moved.  Edits
// that stay near each other (typing, line operations at one place) are therefore
// O(1) amortised however long the sequence is; the row list keeps its rows here.
#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

template <typename T> class TGapBuffer {
public:
    std::size_t size() const { return FBuf.size() - (FGapEnd - FGapStart); }
    bool empty() const { return size() == 0; }

    T& operator[](std::size_t I) { return FBuf[I < FGapStart ? I : I + (FGapEnd - FGapStart)]; }
    const T& operator[](std::size_t I) const {
        return FBuf[I < FGapStart ? I : I + (FGapEnd - FGapStart)];
    }

    // Inserts N default elements before position Pos.  When the storage has to grow, it
    // grows to leave a gap of at least Spare elements after them.
    void insert(std::size_t Pos, std::size_t N, std::size_t Spare = 0) {
        if (N == 0) return;
        Reserve(N, Spare);
        MoveGap(Pos);
        FGapStart += N; // the gap slots already hold reset elements
    }

    // Erases N elements from position Pos on.
    void erase(std::size_t Pos, std::size_t N) {
        if (N == 0) return;
        MoveGap(Pos);
        for (std::size_t I = FGapEnd; I < FGapEnd + N; ++I)
            FBuf[I] = T();
        FGapEnd += N;
    }

    void push_back(T Value) {
        insert(size(), 1);
        (*this)[size() - 1] = std::move(Value);
    }

    void clear() {
        FBuf.clear();
        FBuf.shrink_to_fit();
        FGapStart = FGapEnd = 0;
    }

    // Bytes of element storage, the gap included.
    std::size_t capacity_bytes() const { return FBuf.capacity() * sizeof(T); }

    void swap(TGapBuffer& Other) {
        FBuf.swap(Other.FBuf);
        std::swap(FGapStart, Other.FGapStart);
        std::swap(FGapEnd, Other.FGapEnd);
    }

private:
    // Makes the gap at least N elements wide; the whole tail moves once per growth.
    void Reserve(std::size_t N, std::size_t Spare = 0) {
        std::size_t Gap = FGapEnd - FGapStart;
        if (Gap >= N) return;
        std::size_t Used = size();
        std::size_t NewSize = std::max(Used + N + Spare, Used + Used / 2 + 16);
        std::size_t Tail = FBuf.size() - FGapEnd;
        std::vector<T> NewBuf(NewSize);
        for (std::size_t I = 0; I < FGapStart; ++I)
            NewBuf[I] = std::move(FBuf[I]);
        for (std::size_t I = 0; I < Tail; ++I)
            NewBuf[NewSize - Tail + I] = std::move(FBuf[FGapEnd + I]);
        FBuf.swap(NewBuf);
        FGapEnd = NewSize - Tail;
    }

    // Moves the gap so that it starts at Pos; vacated slots are left reset.
    void MoveGap(std::size_t Pos) {
        if (FGapStart == FGapEnd) {
            // An empty gap moves without moving elements (moving an element onto its own
            // slot and resetting the source would wipe it).
            FGapStart = FGapEnd = Pos;
            return;
        }
        if (Pos < FGapStart) {
            std::size_t N = FGapStart - Pos;
            for (std::size_t I = 0; I < N; ++I) {
                FBuf[FGapEnd - 1 - I] = std::move(FBuf[FGapStart - 1 - I]);
                FBuf[FGapStart - 1 - I] = T();
            }
            FGapStart -= N;
            FGapEnd -= N;
        } else if (Pos > FGapStart) {
            std::size_t N = Pos - FGapStart;
            for (std::size_t I = 0; I < N; ++I) {
                FBuf[FGapStart + I] = std::move(FBuf[FGapEnd + I]);
                FBuf[FGapEnd + I] = T();
            }
            FGapStart += N;
            FGapEnd += N;
        }
    }

    std::vector<T> FBuf;
    std::size_t FGapStart = 0;
    std::size_t FGapEnd = 0;
};
