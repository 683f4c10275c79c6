#include "base/errors.h"
#include "base/notify_persistent.h"

#include <gtest/gtest.h>

namespace {

class Leaf : public TNotifyPersistent {
public:
    void SetValue(int v) {
        if (v == value) return;
        value = v;
        Changed();
    }
    int value = 0;
};

class Tree : public TNotifyPersistent {
public:
    Tree() {
        Adopt(a);
        Adopt(b);
    }
    Leaf a, b;
};

} // namespace

TEST(NotifyPersistent, ChildChangesReachTheOwnerOncePerChange) {
    Tree t;
    int calls = 0;
    TNotifyPersistent* sender = nullptr;
    t.OnChange = [&](TNotifyPersistent* s) { ++calls, sender = s; };
    t.a.SetValue(1);
    t.a.SetValue(1);
    EXPECT_EQ(1, calls);
    EXPECT_EQ(&t, sender);
    t.BeginUpdate();
    t.a.SetValue(2);
    t.b.SetValue(3);
    EXPECT_EQ(1, calls);
    t.EndUpdate();
    EXPECT_EQ(2, calls);
}

TEST(NotifyPersistent, NestedUpdatesNotifyAtTheOutermostEnd) {
    Leaf l;
    int calls = 0;
    l.OnChange = [&](TNotifyPersistent*) { ++calls; };
    l.BeginUpdate();
    l.BeginUpdate();
    l.EndUpdate();
    EXPECT_EQ(0, calls);
    l.EndUpdate();
    EXPECT_EQ(1, calls);
}

TEST(NotifyPersistent, AssignFromAnUnrelatedClassRaises) {
    Leaf l;
    Tree t;
    EXPECT_THROW(l.Assign(t), EConvertError);
}

// An unmatched EndUpdate must not leave the object silent: the next change still
// notifies, and a later update still notifies once at its end.
TEST(NotifyPersistent, AnUnmatchedEndUpdateDoesNotSilenceChanges) {
    Leaf l;
    int calls = 0;
    l.OnChange = [&](TNotifyPersistent*) { ++calls; };
    l.EndUpdate();
    EXPECT_EQ(0, calls) << "ending no update is no change";
    EXPECT_EQ(0, l.UpdateCount());
    l.SetValue(1);
    EXPECT_EQ(1, calls);
    l.BeginUpdate();
    l.SetValue(2);
    EXPECT_EQ(1, calls);
    l.EndUpdate();
    EXPECT_EQ(2, calls);
    l.EndUpdate();
    l.EndUpdate();
    l.SetValue(3);
    EXPECT_EQ(3, calls);
}
