// What only a list on the screen shows: the user's clicks and keys, and painting.
#include "QStringPrinting.h"
#include "ui/qt/QtListBox.h"

#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

class QtListBoxOnScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_widget.resize(200, 200);
        m_widget.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_widget));
    }

    void click(int row, Qt::KeyboardModifiers modifiers = {})
    {
        const QRect rect = m_widget.visualItemRect(m_widget.item(row));
        QTest::mouseClick(m_widget.viewport(), Qt::LeftButton, modifiers, rect.center());
    }

    QListWidget m_widget;
    QtListBox m_list{m_widget};
};

TEST_F(QtListBoxOnScreen, TheUserCanSelectOneItemAtMost)
{
    for (const char* title : {"a", "b", "c", "d"})
        m_list.AddItem(title);

    click(0);
    click(2, Qt::ControlModifier);
    click(3, Qt::ShiftModifier);

    EXPECT_EQ(m_widget.selectedItems().size(), 1);
    EXPECT_EQ(m_list.ListIndex(), 3);
}

TEST_F(QtListBoxOnScreen, TheKeyboardCursorIsNoSelection)
{
    m_widget.setFocus(Qt::OtherFocusReason);
    m_list.AddItem("first into a focused list");
    m_list.AddItem("second");
    m_widget.clearFocus();
    m_widget.setFocus(Qt::TabFocusReason);
    ASSERT_EQ(m_widget.currentRow(), 0) << "Qt puts the cursor on the first item";
    EXPECT_EQ(m_list.ListIndex(), -1);

    QTest::keyClick(&m_widget, Qt::Key_Down);
    EXPECT_EQ(m_list.ListIndex(), 1);

    m_list.RemoveItem(1);
    EXPECT_EQ(m_list.ListIndex(), -1);
}

TEST_F(QtListBoxOnScreen, RefreshPaintsBeforeItReturns)
{
    m_list.AddItem("a");
    QCoreApplication::processEvents();
    int paints = 0;
    struct PaintCounter : QObject {
        int& count;
        explicit PaintCounter(int& c) : count(c) {}
        bool eventFilter(QObject*, QEvent* event) override
        {
            count += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter(paints);
    m_widget.viewport()->installEventFilter(&counter);

    m_list.Refresh();

    EXPECT_GE(paints, 1);
    m_widget.viewport()->removeEventFilter(&counter);
}

} // namespace
} // namespace orvanta
