// The five list buttons on the shown window, driven by real mouse clicks: what each
// leaves in the two list widgets, their selections and the station collection.
#include "ui/Module1.h"
#include "ui/qt/PlayListMainWindow.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <string>

namespace orvanta {
namespace {

class ListCommandsWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        Module1::reset();
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    }

    const MainWindowControls& controls() const { return m_window.controls(); }
    QListWidget& importWidget() { return *controls().lst_Import; }
    QListWidget& outputWidget() { return *controls().lst_Output; }

    // Each title is also a station, keyed by an address made from it.
    void fill(ListBox& list, const QStringList& titles)
    {
        for (const QString& title : titles) {
            Module1::Playlists().Add(1, "http://" + title, title, -1, "http://" + title);
            list.AddItem(title);
        }
    }

    static void clickItem(QListWidget& list, int row)
    {
        const QRect rect = list.visualItemRect(list.item(row));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rect.center());
    }

    static void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // What the widget shows, readable in a failure message.
    static std::string shown(const QListWidget& list)
    {
        QStringList titles;
        for (int row = 0; row < list.count(); ++row)
            titles.append(list.item(row)->text());
        return titles.join(QLatin1Char('|')).toStdString();
    }

    static std::string selected(const QListWidget& list)
    {
        QStringList titles;
        for (const QListWidgetItem* item : list.selectedItems())
            titles.append(item->text());
        return titles.join(QLatin1Char('|')).toStdString();
    }

    PlayListMainWindow m_window;
};

TEST_F(ListCommandsWidget, AddMovesTheClickedTitleAndSelectsNoNeighbour)
{
    fill(m_window.parts().lst_Import, {"A", "B", "C"});
    fill(m_window.parts().lst_Output, {"X"});

    clickItem(importWidget(), 1);
    click(controls().btn_Add);

    EXPECT_EQ(shown(importWidget()), "A|C");
    EXPECT_EQ(shown(outputWidget()), "X|B");
    EXPECT_EQ(selected(importWidget()), "");
    EXPECT_EQ(selected(outputWidget()), "");
    EXPECT_EQ(Module1::ListFocus(), Module1::ImportListFocus);

    // Nothing selected any more: a second click changes nothing.
    click(controls().btn_Add);
    EXPECT_EQ(shown(importWidget()), "A|C");
    EXPECT_EQ(shown(outputWidget()), "X|B");
}

TEST_F(ListCommandsWidget, RemoveMovesTheClickedTitleBackToTheEnd)
{
    fill(m_window.parts().lst_Import, {"A", "B"});
    fill(m_window.parts().lst_Output, {"X", "Y", "Z"});

    clickItem(outputWidget(), 0);
    click(controls().btn_Rem);

    EXPECT_EQ(shown(outputWidget()), "Y|Z");
    EXPECT_EQ(shown(importWidget()), "A|B|X");
    EXPECT_EQ(selected(outputWidget()), "");
    EXPECT_EQ(selected(importWidget()), "");
    EXPECT_EQ(Module1::ListFocus(), Module1::OutputListFocus);
}

TEST_F(ListCommandsWidget, AddAllAndRemoveAllAppendInOrderAndKeepTheTargetsSelection)
{
    fill(m_window.parts().lst_Import, {"A", "B", "C"});
    fill(m_window.parts().lst_Output, {"X", "Y"});

    clickItem(outputWidget(), 1);
    click(controls().btn_AllAdd);
    EXPECT_EQ(shown(importWidget()), "");
    EXPECT_EQ(shown(outputWidget()), "X|Y|A|B|C");
    EXPECT_EQ(selected(outputWidget()), "Y");

    clickItem(outputWidget(), 3);
    click(controls().btn_AllRem);
    EXPECT_EQ(shown(outputWidget()), "");
    EXPECT_EQ(shown(importWidget()), "X|Y|A|B|C");
    EXPECT_EQ(selected(importWidget()), "");
    EXPECT_EQ(Module1::Playlists().Count(), 5);
}

TEST_F(ListCommandsWidget, DeleteActsOnTheListClickedLastAndNotAfterItsItemMovedAway)
{
    fill(m_window.parts().lst_Import, {"A", "B", "C"});
    fill(m_window.parts().lst_Output, {"X", "Y"});

    clickItem(outputWidget(), 1);
    click(controls().btn_DelI);
    EXPECT_EQ(shown(outputWidget()), "X");
    EXPECT_EQ(shown(importWidget()), "A|B|C");
    EXPECT_EQ(Module1::Playlists().findPlaylist("Y"), nullptr);

    // Once ">" has moved the selected title, the import list has nothing selected and
    // delete must not fall on a neighbour or on the moved title.
    clickItem(importWidget(), 1);
    click(controls().btn_Add);
    click(controls().btn_DelI);
    EXPECT_EQ(shown(importWidget()), "A|C");
    EXPECT_EQ(shown(outputWidget()), "X|B");
    EXPECT_EQ(Module1::Playlists().Count(), 4);

    clickItem(importWidget(), 0);
    click(controls().btn_DelI);
    EXPECT_EQ(shown(importWidget()), "C");
    EXPECT_EQ(selected(importWidget()), "");
    EXPECT_EQ(Module1::Playlists().findPlaylist("A"), nullptr);
    EXPECT_EQ(Module1::Playlists().Count(), 3);
}

} // namespace
} // namespace orvanta
