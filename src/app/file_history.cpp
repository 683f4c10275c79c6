#include "app/file_history.h"

#include "base/file_name.h"
#include "app/menu/menu_item.h"

#include <memory>

namespace {
const char NoneCaption[] = "(なし)";
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

