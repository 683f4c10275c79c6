#pragma once
// A list of screen rows: every string is one row, and its data word holds how the row
// ends (bits 0-3) and the colouring state at its start plus 2 (bits 4-7).
#include "base/string_list.h"

#include <string>

enum class TEditorRowAttribute : unsigned char {
    raCrlf = 0,    // the row ends its logical line with a line break
    raWrapped = 1, // the logical line continues on the next row
    raEof = 2,     // the last row, no line break after it
    raInvalid = 3, // never stored: the attribute of no row
};

// True when Text ends with a line break (CR LF, LF or a lone CR).
inline bool EndsWithLineBreak(const std::string& Text) {
    return !Text.empty() && (Text.back() == '\n' || Text.back() == '\r');
}

// The state of a row whose colouring has not been computed yet.
constexpr int RowStateNotComputed = -2;

class TEditorStringList : public TPointerStringList {
public:
    TEditorRowAttribute GetRowAttribute(int Index) const {
        return static_cast<TEditorRowAttribute>(Data(Index) & 0xF);
    }
    void SetRowAttribute(int Index, TEditorRowAttribute Value) {
        SetData(Index, (Data(Index) & 0xFF0) | static_cast<std::uint32_t>(Value));
    }
    int GetRowState(int Index) const { return static_cast<int>((Data(Index) & 0xF0) >> 4) - 2; }
    // A state change does not count as a touch of the row: indexes derived from the
    // attributes (the line starts) stay valid.
    void SetRowState(int Index, int State) {
        CheckIndex(Index);
        std::uint16_t& D = Item(Index).Data;
        D = static_cast<std::uint16_t>((D & 0xFF0F) | (static_cast<unsigned>(State + 2) << 4));
        NoteState(Index, State);
    }

    // Every row from this index on is known to have no computed state, so that marking
    // the rest of a long list as not computed costs only the rows that had a state.
    int UncomputedFrom() const { return FUncomputedFrom; }

    // Appends a row with the given attribute and an uncomputed state.
    void AddRow(std::string S, TEditorRowAttribute Attribute);

    // Filling from a loaded text: Count empty raCrlf rows are appended in one step, and
    // then each is pointed at its bytes in a block adopted with AdoptBlock.
    void AppendEmptyRows(int Count) {
        if (Count > 0) InsertItems(this->Count(), Count, FillSpare);
    }
    void SetRowBytes(int Index, int Block, std::size_t Offset, std::size_t Length,
                     TEditorRowAttribute Attribute) {
        TItem& I = Item(Index);
        SetBlockString(I, Block, Offset, Length);
        I.Data = static_cast<std::uint16_t>(Attribute);
    }

    // The document moves rows out of temporary lists record by record.
    friend class TEditorScreenStrings;

protected:
    void ItemsMoved(int Index, int Inserted, int Erased) override;
    // Every row from Index on has just been marked not computed.
    void MarkUncomputedFrom(int Index) { FUncomputedFrom = Index; }
    // Keeps UncomputedFrom right after the state of Index was written.
    void NoteState(int Index, int State) {
        if (State != RowStateNotComputed && Index >= FUncomputedFrom) FUncomputedFrom = Index + 1;
    }

private:
    int FUncomputedFrom = 0;
};
