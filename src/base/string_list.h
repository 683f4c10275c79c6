#pragma once
// A string list with change notification and nested begin/end update, carrying one
// 32-bit data word beside every string.  Add and Insert start the word at 0, Put keeps
// it, Delete removes it with its string.  OnChange fires after a change made outside
// any update, and whenever the outermost update ends.
#include "base/gap_buffer.h"
#include "base/update_counter.h"

#include <cstdint>
#include <functional>
#include <string>

class TPointerStringList {
public:
    using TChangeEvent = std::function<void()>;

    TPointerStringList() = default;
    TPointerStringList(const TPointerStringList&) = delete;
    TPointerStringList& operator=(const TPointerStringList&) = delete;
    virtual ~TPointerStringList() = default;

    TChangeEvent OnChange;

    int Count() const { return static_cast<int>(FItems.size()); }
    const std::string& Get(int Index) const;
    void Put(int Index, std::string S);
    int Add(std::string S);
    void Insert(int Index, std::string S);
    void Delete(int Index);
    virtual void Clear();

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

    // Bytes held by the list beyond the string bytes themselves (records, gap, heap
    // blocks of long strings counted at their capacity).
    std::size_t MemoryBytes() const;

protected:
    struct TItem {
        std::string S;
        std::uint32_t Data = 0;
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
    void InsertItems(int Index, int N);
    void EraseItems(int Index, int N);
    void ClearItems();
    // Called after records were inserted (Inserted new ones at Index) or erased (Erased
    // from Index on); after ClearItems and SwapItems with Index -1.
    virtual void ItemsMoved(int Index, int Inserted, int Erased);
    // Exchanges all records with Other (rows built aside replace these in one step).
    void SwapItems(TPointerStringList& Other);

private:
    TGapBuffer<TItem> FItems;
    TUpdateCounter FUpdates;
    int FFirstTouched = 0;
};
