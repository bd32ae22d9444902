// One set of cases for every list box: the commands are tested against the in-memory
// list, so the Qt binding must behave exactly like it.
#include "MemoryListBox.h"
#include "QStringPrinting.h"
#include "ui/qt/QtListBox.h"

#include <QListView>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

struct MemoryList {
    testing::MemoryListBox list;
    void select(qint16 index) { list.select(index); }
};

struct QtList {
    QListView view;
    QtListBox list{view};
    // What a click does: the item becomes current (the keyboard cursor) and selected.
    void select(qint16 index) { view.setCurrentIndex(view.model()->index(index, 0)); }
};

template <typename Implementation>
class ListBoxContract : public ::testing::Test {
protected:
    void fill(int count)
    {
        for (int i = 0; i < count; ++i)
            list.AddItem(QString::number(i));
    }

    Implementation impl;
    ListBox& list = impl.list;
};

using Implementations = ::testing::Types<MemoryList, QtList>;
TYPED_TEST_SUITE(ListBoxContract, Implementations);

TYPED_TEST(ListBoxContract, NewItemsAreUnselectedAndRemovingOrUnselectingLeavesTheSelectionOnItsItemOrOnNone)
{
    // An unselected item keeps the keyboard cursor on Qt, which must select no neighbour.
    struct Case {
        qint16 selected, unselected, removed, expected;
    };
    for (const Case c : {Case{0, -1, 0, -1}, Case{1, -1, 1, -1}, Case{3, -1, 3, -1}, Case{1, 1, 1, -1},
                         Case{1, 1, 3, -1}, Case{2, 0, 0, 1}, Case{2, -1, 3, 2}}) {
        SCOPED_TRACE(::testing::Message()
                     << "select " << c.selected << ", unselect " << c.unselected << ", remove " << c.removed);
        this->fill(4);
        EXPECT_EQ(this->list.ListIndex(), -1);
        this->impl.select(c.selected);
        this->fill(1);
        if (c.unselected >= 0)
            this->list.Unselect(c.unselected);
        this->list.RemoveItem(c.removed);
        EXPECT_EQ(this->list.ListIndex(), c.expected);
        EXPECT_EQ(this->list.ListCount(), 4);
        while (this->list.ListCount() > 0)
            this->list.RemoveItem(0);
    }
}

TYPED_TEST(ListBoxContract, RemovingSeveralAtOnceLeavesTheSelectionOnItsItemOrOnNone)
{
    for (const auto& [selected, expected] : {std::pair<qint16, qint16>{4, 1}, {0, -1}, {2, -1}}) {
        SCOPED_TRACE(selected);
        this->fill(5);
        this->impl.select(selected);
        this->list.RemoveItems(0, 3);
        EXPECT_EQ(this->list.ListIndex(), expected);
        EXPECT_EQ(this->list.List(0) + this->list.List(1), "34");
        this->list.RemoveItems(0, 2);
        EXPECT_EQ(this->list.ListCount(), 0);
    }
}

TYPED_TEST(ListBoxContract, ABatchAppendsInOrderAndAFullListRefusesMoreItemsKeepingItsItemsAndSelection)
{
    this->fill(ListBox::MaxItems - 2);
    this->impl.select(5);
    // A batch goes in whole or not at all.
    EXPECT_THROW(this->list.AddItems({"x", "y", "z"}), ListFullError);
    EXPECT_EQ(this->list.ListCount(), ListBox::MaxItems - 2);
    this->list.AddItems({"a", "b"});
    EXPECT_THROW(this->list.AddItem("one too many"), ListFullError);
    EXPECT_THROW(this->list.AddItems({"z"}), ListFullError);
    ASSERT_EQ(this->list.ListCount(), ListBox::MaxItems);
    EXPECT_EQ(this->list.List(ListBox::MaxItems - 2) + this->list.List(ListBox::MaxItems - 1), "ab");
    EXPECT_EQ(this->list.ListIndex(), 5);
}

} // namespace
} // namespace orvanta
