// One set of cases for every list-box implementation: the commands are tested against
// the in-memory list, so the Qt binding must behave exactly like it.
#include "QStringPrinting.h"
#include "ui/MemoryListBox.h"
#include "ui/qt/QtListBox.h"

#include <QListWidget>
#include <gtest/gtest.h>

#include <stdexcept>

namespace orvanta {
namespace {

struct MemoryList {
    MemoryListBox list;
    void select(qint16 index) { list.select(index); }
};

struct QtList {
    QListWidget widget;
    QtListBox list{widget};
    // What a click does: the item becomes current and the only one selected.
    void select(qint16 index) { widget.setCurrentRow(index); }
};

template <typename Implementation>
class ListBoxContract : public ::testing::Test {
protected:
    ListBox& list() { return m_impl.list; }
    void select(qint16 index) { m_impl.select(index); }
    void add(std::initializer_list<const char*> titles)
    {
        for (const char* title : titles)
            list().AddItem(QString::fromUtf8(title));
    }
    QStringList items()
    {
        QStringList texts;
        for (qint16 i = 0; i < list().ListCount(); ++i)
            texts.append(list().List(i));
        return texts;
    }

private:
    Implementation m_impl;
};

struct ImplementationName {
    template <typename T>
    static std::string GetName(int)
    {
        return std::is_same_v<T, MemoryList> ? "Memory" : "Qt";
    }
};

using Implementations = ::testing::Types<MemoryList, QtList>;
TYPED_TEST_SUITE(ListBoxContract, Implementations, ImplementationName);

TYPED_TEST(ListBoxContract, AddedItemsKeepTheirOrderUnsortedAndUnselected)
{
    EXPECT_EQ(this->list().ListCount(), 0);
    EXPECT_EQ(this->list().ListIndex(), -1);

    this->add({"Radio B", "Radio A", "Radio B"});

    EXPECT_EQ(this->items(), QStringList({"Radio B", "Radio A", "Radio B"}));
    EXPECT_EQ(this->list().ListIndex(), -1);

    this->select(0);
    this->add({"Radio C"});
    EXPECT_EQ(this->list().ListIndex(), 0) << "adding moves no selection";
}

TYPED_TEST(ListBoxContract, SelectingAnotherItemMovesTheOnlySelection)
{
    this->add({"a", "b", "c"});
    this->select(0);
    this->select(2);
    EXPECT_EQ(this->list().ListIndex(), 2);

    this->list().Unselect(0);
    EXPECT_EQ(this->list().ListIndex(), 2) << "unselecting an unselected item changes nothing";

    this->list().Unselect(2);
    EXPECT_EQ(this->list().ListIndex(), -1);
}

TYPED_TEST(ListBoxContract, RemovingTheSelectedItemLeavesNoneSelected)
{
    for (qint16 position : {0, 1, 2}) {
        SCOPED_TRACE(position);
        this->add({"a", "b", "c"});
        this->select(position);

        this->list().RemoveItem(position);

        EXPECT_EQ(this->list().ListIndex(), -1);
        EXPECT_EQ(this->list().ListCount(), 2);
        while (this->list().ListCount() > 0)
            this->list().RemoveItem(0);
    }
}

TYPED_TEST(ListBoxContract, RemovingAnItemThatWasUnselectedSelectsNoNeighbour)
{
    // The item keeps the keyboard cursor after losing its selection.
    this->add({"a", "b", "c"});
    this->select(1);
    this->list().Unselect(1);

    this->list().RemoveItem(1);

    EXPECT_EQ(this->list().ListIndex(), -1);
    EXPECT_EQ(this->items(), QStringList({"a", "c"}));
}

TYPED_TEST(ListBoxContract, RemovingAnotherItemKeepsTheSelectionOnItsItem)
{
    this->add({"a", "b", "c", "d"});
    this->select(2);

    this->list().RemoveItem(3);
    EXPECT_EQ(this->list().ListIndex(), 2);

    this->list().RemoveItem(0);
    EXPECT_EQ(this->list().ListIndex(), 1);
    EXPECT_EQ(this->list().List(1), "c");
}

TYPED_TEST(ListBoxContract, RemovingTheFirstItemRepeatedlyEmptiesTheListInOrder)
{
    this->add({"a", "b", "c", "d"});
    this->select(3);

    for (const char* expectedFirst : {"b", "c", "d"}) {
        this->list().RemoveItem(0);
        EXPECT_EQ(this->list().List(0), expectedFirst);
        EXPECT_EQ(this->list().List(this->list().ListIndex()), "d");
    }
    this->list().RemoveItem(0);

    EXPECT_EQ(this->list().ListCount(), 0);
    EXPECT_EQ(this->list().ListIndex(), -1);
}

TYPED_TEST(ListBoxContract, AFullListRefusesAnotherItemAndStaysAsItWas)
{
    for (int i = 0; i < ListBox::MaxItems; ++i)
        this->list().AddItem(QString::number(i));
    this->select(5);
    ASSERT_TRUE(this->list().isFull());

    EXPECT_THROW(this->list().AddItem("one too many"), ListFullError);

    EXPECT_EQ(this->list().ListCount(), ListBox::MaxItems);
    EXPECT_EQ(this->list().List(ListBox::MaxItems - 1), "32766");
    EXPECT_EQ(this->list().ListIndex(), 5);

    this->list().RemoveItem(0);
    this->list().AddItem("fits again");
    EXPECT_EQ(this->list().List(ListBox::MaxItems - 1), "fits again");
}

TYPED_TEST(ListBoxContract, BadPositionsAreRefusedAndRefreshChangesNothing)
{
    this->add({"a", "b"});
    this->select(1);

    EXPECT_THROW(this->list().List(-1), std::out_of_range);
    EXPECT_THROW(this->list().List(2), std::out_of_range);
    EXPECT_THROW(this->list().RemoveItem(2), std::out_of_range);
    EXPECT_THROW(this->list().Unselect(-1), std::out_of_range);
    this->list().Refresh();

    EXPECT_EQ(this->items(), QStringList({"a", "b"}));
    EXPECT_EQ(this->list().ListIndex(), 1);
}

} // namespace
} // namespace orvanta
