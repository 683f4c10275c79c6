#include "base/errors.h"
#include "base/string_list.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

TEST(StringList, NotifiesOnceAtTheEndOfTheOutermostUpdate) {
    TPointerStringList L;
    int calls = 0;
    L.OnChange = [&] { ++calls; };
    L.Add("a");
    EXPECT_EQ(1, calls);
    L.BeginUpdate();
    L.BeginUpdate();
    L.Add("b");
    L.Put(0, "c");
    L.EndUpdate();
    EXPECT_EQ(1, calls) << "an inner end is still inside the update";
    L.EndUpdate();
    EXPECT_EQ(2, calls);
    EXPECT_EQ("c\r\nb\r\n", L.Text());
}

TEST(StringList, AnUnmatchedEndUpdateDoesNotSilenceChanges) {
    TPointerStringList L;
    int calls = 0;
    L.OnChange = [&] { ++calls; };
    L.EndUpdate();
    L.EndUpdate();
    EXPECT_EQ(0, L.UpdateCount());
    EXPECT_EQ(0, calls);
    L.Add("a");
    EXPECT_EQ(1, calls);
    L.BeginUpdate();
    L.Delete(0);
    L.EndUpdate();
    EXPECT_EQ(2, calls);
}

TEST(StringList, DataWordsTravelWithTheirStrings) {
    TPointerStringList L;
    L.SetText("one\r\ntwo\nthree\rfour");
    ASSERT_EQ(4, L.Count());
    L.SetData(1, 7);
    L.Insert(0, "zero");
    EXPECT_EQ(0u, L.Data(0)) << "a new string starts with data 0";
    EXPECT_EQ(7u, L.Data(2));
    L.Put(2, "TWO");
    EXPECT_EQ(7u, L.Data(2)) << "Put keeps the data word";
    L.Delete(1);
    EXPECT_EQ("TWO", L.Get(1));
    EXPECT_EQ(7u, L.Data(1));
    EXPECT_THROW(L.Get(4), EListError);
    EXPECT_THROW(L.Insert(6, "x"), EListError);
    EXPECT_THROW(L.SetData(-1, 0), EListError);
}

// Text written with CR LF line breaks makes one row per line, and no more room for rows
// than the same text with LF line breaks.
TEST(StringList, CrLfTextReservesOneRowPerLine) {
    std::string Lf, CrLf;
    for (int I = 0; I < 1000; ++I) {
        Lf += "row\n";
        CrLf += "row\r\n";
    }
    TPointerStringList A, B;
    A.SetText(Lf);
    B.SetText(CrLf);
    EXPECT_EQ(1000, B.Count());
    EXPECT_EQ(A.MemoryBytes(), B.MemoryBytes());
    B.SetText("a\r\n\rb\n\r\nc");
    EXPECT_EQ(5, B.Count()) << "CR LF, lone CR, LF, CR LF, and a last piece";
    EXPECT_EQ("", B.Get(1));
    EXPECT_EQ("b", B.Get(2));
    EXPECT_EQ("c", B.Get(4));
}

// Strings refer to the bytes of an adopted block until written; a written string has
// bytes of its own, and the others keep reading the block.
TEST(StringList, BlockStringsAreCopiedOnWrite) {
    struct TList : TPointerStringList {
        void Fill(const std::string& Bytes, const std::vector<std::pair<int, int>>& Spans) {
            TTextBlock Block(Bytes.size());
            std::memcpy(Block.Bytes(), Bytes.data(), Bytes.size());
            int B = AdoptBlock(std::move(Block));
            InsertItems(Count(), static_cast<int>(Spans.size()));
            for (std::size_t I = 0; I < Spans.size(); ++I)
                SetBlockString(Item(static_cast<int>(I)), B, Spans[I].first, Spans[I].second);
        }
    } L;
    L.Fill("alpha\nbeta\ngamma", {{0, 5}, {6, 4}, {11, 5}});
    EXPECT_EQ("alpha\r\nbeta\r\ngamma\r\n", L.Text());
    L.SetData(1, 9);
    L.Put(1, "BETA!");
    EXPECT_EQ("BETA!", L.Get(1));
    EXPECT_EQ(9u, L.Data(1));
    EXPECT_EQ("gamma", L.Get(2));
    L.Insert(0, "zero");
    L.Delete(2);
    EXPECT_EQ("zero\r\nalpha\r\ngamma\r\n", L.Text());
    L.Put(1, "");
    L.Put(2, "G");
    L.Add("more");
    EXPECT_EQ("zero\r\n\r\nG\r\nmore\r\n", L.Text());
    L.Clear();
    EXPECT_EQ(0, L.Count());
    EXPECT_EQ(0, L.BlockCount()) << "clearing releases the blocks";
}
