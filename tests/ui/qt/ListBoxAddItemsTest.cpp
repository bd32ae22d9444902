// AddItems on every list box: the batch must leave each list as the same AddItem calls
// one by one would, and take nothing when not all of it fits.
#include "QStringPrinting.h"
#include "ui/MemoryListBox.h"
#include "ui/qt/QtListBox.h"

#include <QListWidget>

#include <gtest/gtest.h>

#include <type_traits>

namespace orvanta {
namespace {

struct MemoryList {
    MemoryListBox list;
    void select(qint16 index) { list.select(index); }
};

struct QtList {
    QListWidget widget;
    QtListBox list{widget};
    void select(qint16 index) { widget.setCurrentRow(index); }
};

template <typename Implementation>
class ListBoxAddItems : public ::testing::Test {
protected:
    void fill(int count)
    {
        for (int i = 0; i < count; ++i)
            list.AddItem(QString::number(i));
    }

    Implementation impl;
    ListBox& list = impl.list;
};

struct ImplementationName {
    template <typename T>
    static std::string GetName(int) { return std::is_same_v<T, MemoryList> ? "Memory" : "Qt"; }
};
using Implementations = ::testing::Types<MemoryList, QtList>;
TYPED_TEST_SUITE(ListBoxAddItems, Implementations, ImplementationName);

TYPED_TEST(ListBoxAddItems, AppendsInOrderAndLeavesTheSelectionWhereItWas)
{
    this->fill(2);
    this->impl.select(1);
    this->list.AddItems({"a", "b"});
    ASSERT_EQ(this->list.ListCount(), 4);
    EXPECT_EQ(this->list.List(2), "a");
    EXPECT_EQ(this->list.List(3), "b");
    EXPECT_EQ(this->list.ListIndex(), 1);
}

TYPED_TEST(ListBoxAddItems, TakesNothingUnlessAllFitAndFillsTheListToTheLastItem)
{
    this->fill(ListBox::MaxItems - 1);
    EXPECT_THROW(this->list.AddItems({"x", "y"}), ListFullError);
    EXPECT_EQ(this->list.ListCount(), ListBox::MaxItems - 1);
    this->list.AddItems({"x"});
    EXPECT_EQ(this->list.ListCount(), ListBox::MaxItems);
    EXPECT_EQ(this->list.List(ListBox::MaxItems - 1), "x");
    EXPECT_THROW(this->list.AddItems({"z"}), ListFullError);
}

} // namespace
} // namespace orvanta
