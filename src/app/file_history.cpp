#include "app/file_history.h"

#include "app/menu/menu_item.h"

#include <memory>

namespace {
const char NoneCaption[] = "(なし)";
// TODO(base): the shared Shift_JIS helper replaces this.
bool IsLeadByte(unsigned char C) { return (C >= 0x81 && C <= 0x9F) || (C >= 0xE0 && C <= 0xFC); }
}

TFileHistory::TFileHistory(TMenuItem& Menu, int HistoryCommand)
    : FMenu(Menu), FCommand(HistoryCommand) {}

int TFileHistory::ItemCount() const {
    int N = 0;
    while (N < FMenu.Count() && FMenu[N].Command == FCommand) ++N;
    return N;
}

bool TFileHistory::FirstItemEnabled() const {
    return ItemCount() > 0 && FMenu[0].Enabled;
}

std::vector<std::string> TFileHistory::Paths() const {
    std::vector<std::string> Result;
    if (!FirstItemEnabled()) return Result;
    for (int I = 0, N = ItemCount(); I < N; ++I) Result.push_back(FMenu[I].Hint);
    return Result;
}

std::string TFileHistory::Caption(int Index, const std::string& Path) {
    const int Number = Index < 9 ? Index + 1 : 0;
    return "&" + std::to_string(Number) + ": " + Path;
}

void TFileHistory::Renumber() {
    if (!FirstItemEnabled()) return;
    for (int I = 0, N = ItemCount(); I < N; ++I) FMenu[I].Caption = Caption(I, FMenu[I].Hint);
}

void TFileHistory::InsertNone() {
    auto Item = std::make_unique<TMenuItem>("", NoneCaption);
    Item->Command = FCommand;
    Item->Enabled = false;
    FMenu.Insert(0, std::move(Item));
}

void TFileHistory::Clear() {
    for (int N = ItemCount(); N > 0; --N) FMenu.Delete(0);
}

void TFileHistory::Build(const std::vector<std::string>& Paths) {
    Clear();
    int I = 0;
    for (const std::string& Path : Paths) {
        if (I == FileHistoryMax) break;
        auto Item = std::make_unique<TMenuItem>("", "", Path);
        Item->Command = FCommand;
        FMenu.Insert(I++, std::move(Item));
    }
    if (I == 0)
        InsertNone();
    else
        Renumber();
}

bool TFileHistory::Add(const std::string& Path) {
    if (Path.empty()) return false;
    if (ItemCount() > 0 && !FMenu[0].Enabled) FMenu.Delete(0);
    for (int I = ItemCount() - 1; I >= 0; --I)
        if (SameFileName(FMenu[I].Hint, Path)) FMenu.Delete(I);
    auto Item = std::make_unique<TMenuItem>("", "", Path);
    Item->Command = FCommand;
    FMenu.Insert(0, std::move(Item));
    while (ItemCount() > FileHistoryMax) FMenu.Delete(FileHistoryMax);
    Renumber();
    return true;
}

void TFileHistory::Remove(int Index) {
    if (!FirstItemEnabled() || Index < 0 || Index >= ItemCount()) return;
    FMenu.Delete(Index);
    if (ItemCount() == 0)
        InsertNone();
    else
        Renumber();
}

bool SameFileName(const std::string& A, const std::string& B) {
    if (A.size() != B.size()) return false;
    for (std::size_t I = 0; I < A.size(); ++I) {
        unsigned char X = static_cast<unsigned char>(A[I]), Y = static_cast<unsigned char>(B[I]);
        if (X != Y) {
            if (X >= 'A' && X <= 'Z') X = static_cast<unsigned char>(X + 32);
            if (Y >= 'A' && Y <= 'Z') Y = static_cast<unsigned char>(Y + 32);
            if (X != Y) return false;
        }
        // The trail byte of a double-byte character is compared as it is.
        if (IsLeadByte(X) && I + 1 < A.size()) {
            ++I;
            if (A[I] != B[I]) return false;
        }
    }
    return true;
}
