// Focus on the shown window, driven by real mouse clicks and key presses: the tab order,
// the initial focus, ListFocus and the clearing of the other list's selection.
#include "QStringPrinting.h"
#include "ui/Module1.h"
#include "ui/qt/PlayListMainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

class MainWindowFocus : public ::testing::Test {
protected:
    void SetUp() override
    {
        Module1::reset();
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    }

    MainWindowParts& parts() { return m_window.parts(); }
    QListWidget& importWidget() { return *m_window.controls().lst_Import; }
    QListWidget& outputWidget() { return *m_window.controls().lst_Output; }

    void fill(ListBox& list, std::initializer_list<const char*> titles)
    {
        for (const char* title : titles)
            list.AddItem(QString::fromUtf8(title));
    }

    static void clickItem(QListWidget& list, int row)
    {
        const QRect rect = list.visualItemRect(list.item(row));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rect.center());
    }

    static QString focusName()
    {
        const QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QStringLiteral("<none>");
    }

    static void pressTab(Qt::Key key = Qt::Key_Tab)
    {
        QTest::keyClick(QApplication::focusWidget(), key);
    }

    PlayListMainWindow m_window;
};

TEST_F(MainWindowFocus, TheWindowOpensWithTheFocusOnExportAndNoListFocus)
{
    EXPECT_EQ(focusName(), "btn_Export");
    EXPECT_EQ(Module1::ListFocus(), Module1::NoListFocus);
}

TEST_F(MainWindowFocus, TabCyclesThroughTheButtonsAndListsInTabIndexOrder)
{
    const QStringList forward = {"btn_Import", "lst_Import", "lst_Output", "btn_Add", "btn_Rem",
                                 "btn_AllAdd", "btn_AllRem", "btn_DelI", "btn_Export"};
    QStringList visited;
    for (qsizetype i = 0; i < forward.size(); ++i) {
        pressTab();
        visited.append(focusName());
    }
    EXPECT_EQ(visited, forward);

    QStringList backward;
    for (qsizetype i = 0; i < forward.size(); ++i) {
        pressTab(Qt::Key_Backtab);
        backward.append(focusName());
    }
    QStringList reversed(forward.rbegin() + 1, forward.rend());
    reversed.append("btn_Export");
    EXPECT_EQ(backward, reversed);
}

TEST_F(MainWindowFocus, ClickingAnItemOfOneListClearsTheSelectionOfTheOther)
{
    fill(parts().lst_Import, {"in 1", "in 2", "in 3"});
    fill(parts().lst_Output, {"out 1", "out 2"});

    clickItem(importWidget(), 2);
    EXPECT_EQ(Module1::ListFocus(), Module1::ImportListFocus);
    EXPECT_EQ(parts().lst_Import.ListIndex(), 2);

    clickItem(outputWidget(), 1);
    EXPECT_EQ(Module1::ListFocus(), Module1::OutputListFocus);
    EXPECT_EQ(parts().lst_Output.ListIndex(), 1);
    EXPECT_EQ(parts().lst_Import.ListIndex(), -1);
    EXPECT_TRUE(importWidget().selectedItems().isEmpty());

    // Back into the same list by keyboard clears the other list's selection again.
    importWidget().setCurrentRow(0);
    pressTab();
    pressTab(Qt::Key_Backtab);
    ASSERT_EQ(focusName(), "lst_Output");
    EXPECT_EQ(Module1::ListFocus(), Module1::OutputListFocus);
    EXPECT_EQ(parts().lst_Output.ListIndex(), 1);
    EXPECT_EQ(parts().lst_Import.ListIndex(), -1);
}

TEST_F(MainWindowFocus, TabbingIntoAListClearsTheOtherListButSelectsNothing)
{
    fill(parts().lst_Import, {"in 1", "in 2"});
    fill(parts().lst_Output, {"out 1", "out 2"});
    clickItem(outputWidget(), 0);
    ASSERT_EQ(Module1::ListFocus(), Module1::OutputListFocus);

    m_window.controls().btn_Import->setFocus(Qt::MouseFocusReason);
    pressTab();

    ASSERT_EQ(focusName(), "lst_Import");
    EXPECT_EQ(Module1::ListFocus(), Module1::ImportListFocus);
    EXPECT_EQ(parts().lst_Output.ListIndex(), -1);
    EXPECT_EQ(parts().lst_Import.ListIndex(), -1);
}

TEST_F(MainWindowFocus, LeavingAListForAButtonKeepsItsSelectionAndListFocus)
{
    fill(parts().lst_Output, {"out 1", "out 2"});
    clickItem(outputWidget(), 1);

    // Pressed and let go off the button: the press takes the focus, no click follows.
    QPushButton* button = m_window.controls().btn_DelI;
    QTest::mousePress(button, Qt::LeftButton);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-10, -10));
    EXPECT_EQ(focusName(), "btn_DelI");
    EXPECT_EQ(Module1::ListFocus(), Module1::OutputListFocus);
    EXPECT_EQ(parts().lst_Output.ListIndex(), 1);

    outputWidget().setFocus(Qt::MouseFocusReason);
    pressTab();
    EXPECT_EQ(focusName(), "btn_Add");
    EXPECT_EQ(Module1::ListFocus(), Module1::OutputListFocus);
    EXPECT_EQ(parts().lst_Output.ListIndex(), 1);
}

TEST_F(MainWindowFocus, ADisabledWindowIgnoresTheWindowManagersCloseRequest)
{
    // A close request reaches the widget through its platform window, as a click on the
    // title bar's close button does.
    const auto requestClose = [this] {
        QCloseEvent request;
        QCoreApplication::sendEvent(m_window.windowHandle(), &request);
        return request.isAccepted();
    };

    parts().window.setEnabled(false);
    EXPECT_FALSE(requestClose());
    EXPECT_TRUE(m_window.isVisible());

    parts().window.setEnabled(true);
    EXPECT_TRUE(requestClose());
    EXPECT_FALSE(m_window.isVisible());
}

} // namespace
} // namespace orvanta
