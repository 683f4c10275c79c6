#pragma once
// A string list with change notification and nested begin/end update, carrying one
// data word beside every string.  Add and Insert start the word at 0, Put keeps it,
// Delete removes it with its string.  OnChange fires after a change made outside any
// update, and whenever the outermost update ends.
//
// The strings are not held one heap string each.  A string either refers to bytes in a
// large shared block that the list owns (a loaded file's text, adopted whole with
// AdoptBlock), or it has bytes of its own (every string written through Put, Add,
// Insert and the like: copy on write).  A record costs 12 bytes on every platform, and
// freeing a loaded text is one release per block.
#include "base/gap_buffer.h"
#include "base/update_counter.h"

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The bytes of one string of a list, read in place.  It stays valid until the list is
// changed.  It reads like a const std::string (size, data, indexing, find, comparison,
// substr giving a std::string) and converts to one where a std::string is wanted.
class TRowText : public std::string_view {
public:
    TRowText() = default;
    TRowText(const char* Data, std::size_t Size) : std::string_view(Data, Size) {}
    TRowText(std::string_view View) : std::string_view(View) {}
    TRowText(const std::string& S) : std::string_view(S) {}

    operator std::string() const { return std::string(data(), size()); }
    std::string str() const { return std::string(data(), size()); }
    std::string substr(size_type Pos = 0, size_type Count = npos) const {
        return std::string(std::string_view::substr(Pos, Count));
    }
};

inline std::string operator+(TRowText A, const std::string& B) {
    std::string R;
    R.reserve(A.size() + B.size());
    return R.append(A).append(B);
}
inline std::string operator+(const std::string& A, TRowText B) {
    std::string R;
    R.reserve(A.size() + B.size());
    return R.append(A).append(B);
}
inline std::string operator+(TRowText A, const char* B) {
    return A + std::string(B);
}
inline std::string operator+(const char* A, TRowText B) {
    return std::string(A) + B;
}
inline std::string operator+(TRowText A, char B) {
    return A.str() + B;
}
inline std::string operator+(TRowText A, TRowText B) {
    return A + B.str();
}

// A block of text bytes from malloc, released with free (so that it can be shrunk in
// place once its length is known).
class TTextBlock {
public:
    TTextBlock() = default;
    explicit TTextBlock(std::size_t Capacity);
    TTextBlock(TTextBlock&& Other) noexcept { Swap(Other); }
    TTextBlock& operator=(TTextBlock&& Other) noexcept {
        TTextBlock(std::move(Other)).Swap(*this);
        return *this;
    }
    TTextBlock(const TTextBlock&) = delete;
    TTextBlock& operator=(const TTextBlock&) = delete;
    ~TTextBlock() { std::free(FBytes); }

    char* Bytes() { return FBytes; }
    const char* Bytes() const { return FBytes; }
    std::size_t Capacity() const { return FCapacity; }
    // Grows or shrinks the block, keeping its first min(old, new) bytes; throws
    // std::bad_alloc when memory runs out (the block is then unchanged).
    void Resize(std::size_t Capacity);
    void Swap(TTextBlock& Other) noexcept {
        std::swap(FBytes, Other.FBytes);
        std::swap(FCapacity, Other.FCapacity);
    }

private:
    char* FBytes = nullptr;
    std::size_t FCapacity = 0;
};

class TPointerStringList {
public:
    using TChangeEvent = std::function<void()>;

    TPointerStringList() = default;
    TPointerStringList(const TPointerStringList&) = delete;
    TPointerStringList& operator=(const TPointerStringList&) = delete;
    virtual ~TPointerStringList() = default;

    TChangeEvent OnChange;

    int Count() const { return static_cast<int>(FItems.size()); }
    TRowText Get(int Index) const;
    void Put(int Index, std::string S);
    int Add(std::string S);
    void Insert(int Index, std::string S);
    void Delete(int Index);
    virtual void Clear();

    // The data word: 16 bits are kept.
    std::uint32_t Data(int Index) const;
    void SetData(int Index, std::uint32_t Value);

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdates.Count(); }

    // Every string followed by CR LF.
    std::string Text() const;
    // Replaces the strings by the pieces of Text cut at CR LF, CR or LF; a final piece
    // without a line break is included, a final line break makes no empty piece.
    void SetText(const std::string& Text);

    // The lowest index whose string list position or data word changed since the last
    // ResetTouched (Count() when none did); lets owners keep derived indexes lazily.
    int FirstTouched() const { return FFirstTouched; }
    void ResetTouched() { FFirstTouched = Count(); }

    // Bytes held by the list: records and their gap, the strings' own bytes (counted at
    // their capacity when on the heap) and the shared blocks.
    std::size_t MemoryBytes() const;

    // Shared blocks: the list takes Block over and returns its number, by which
    // strings then refer to bytes in it (SetBlockString).  At most MaxBlocks blocks.
    static constexpr int MaxBlocks = 0xFFFE;
    int AdoptBlock(TTextBlock Block);
    int BlockCount() const { return static_cast<int>(FBlocks.size()); }
    const char* BlockBytes(int Block) const { return FBlocks[Block].Bytes(); }

protected:
    static constexpr std::uint16_t NoBlock = 0xFFFF;
    // One string: Length bytes at Where in block Block, or, with Block NoBlock, the
    // string held in slot Where of the list's own strings (no slot when Length is 0).
    struct TItem {
        std::uint32_t Where = 0;
        std::uint32_t Length = 0;
        std::uint16_t Block = NoBlock;
        std::uint16_t Data = 0;
    };

    // Called at the start (true) and end (false) of the outermost update.
    virtual void SetUpdateState(bool Updating);
    // Raises OnChange unless an update is in progress.
    virtual void Changed();

    void CheckIndex(int Index) const;
    void Touch(int Index) {
        if (Index < FFirstTouched) FFirstTouched = Index;
    }

    // Direct access to the records for the row-moving operations of derived lists;
    // callers Touch what they change and call Changed themselves.
    TItem& Item(int Index) { return FItems[static_cast<std::size_t>(Index)]; }
    const TItem& Item(int Index) const { return FItems[static_cast<std::size_t>(Index)]; }
    TRowText TextOf(const TItem& I) const {
        if (I.Block != NoBlock)
            return TRowText(FBlocks[I.Block].Bytes() + I.Where, I.Length);
        return I.Length ? TRowText(FOwn[I.Where]) : TRowText();
    }
    // The string of a record: its own bytes from now on (the old ones released).
    void SetString(TItem& I, std::string S);
    // The record refers to Length bytes at Offset of block Block.
    void SetBlockString(TItem& I, int Block, std::size_t Offset, std::size_t Length) {
        Release(I);
        I.Block = static_cast<std::uint16_t>(Block);
        I.Where = static_cast<std::uint32_t>(Offset);
        I.Length = static_cast<std::uint32_t>(Length);
    }
    // Moves the string and data word of Source's record From (Source may be this list)
    // into To; From is left empty.  Strings of another list's blocks are copied.
    void MoveItem(TItem& To, TPointerStringList& Source, TItem& From);
    // Lets go of a record's own bytes; the record becomes the empty string.
    void Release(TItem& I) {
        if (I.Block == NoBlock && I.Length) FreeSlot(I.Where);
        I.Block = NoBlock;
        I.Where = 0;
        I.Length = 0;
    }
    // A list filled in one step keeps room for this many more rows, so that the first
    // rows typed into a long text do not have to move all records at once.
    static constexpr int FillSpare = 16384;
    void InsertItems(int Index, int N, int Spare = 0);
    void EraseItems(int Index, int N);
    void ClearItems();
    // Called after records were inserted (Inserted new ones at Index) or erased (Erased
    // from Index on); after ClearItems and SwapItems with Index -1.
    virtual void ItemsMoved(int Index, int Inserted, int Erased);
    // Exchanges all records, own strings and blocks with Other.
    void SwapItems(TPointerStringList& Other);
    // Records are exchanged with a bare record buffer (built aside by the list itself
    // over its own strings and blocks).
    void SwapRecords(TGapBuffer<TItem>& Records);

private:
    std::uint32_t NewSlot(std::string S);
    void FreeSlot(std::uint32_t Slot);

    TGapBuffer<TItem> FItems;
    std::vector<std::string> FOwn;
    std::vector<std::uint32_t> FFreeSlots;
    std::vector<TTextBlock> FBlocks;
    TUpdateCounter FUpdates;
    int FFirstTouched = 0;
};
