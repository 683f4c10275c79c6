#include "base/errors.h"
#include "base/string_list.h"

#include <gtest/gtest.h>

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
