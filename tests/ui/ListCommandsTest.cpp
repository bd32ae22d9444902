#include "ui/ListCommands.h"

#include "ui/MemoryListBox.h"
#include "ui/Module1.h"

#include <gtest/gtest.h>

#include <string>

using namespace orvanta;

namespace {

class NoFileChooser : public FileChooser {
public:
    std::optional<QString> chooseFileToOpen(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> chooseFileToSave(const FileDialogRequest&) override { return std::nullopt; }
};

class CountingMessageBox : public MessageBox {
public:
    void MsgBox(const QString&, const QString&) override { ++shown; }
    int shown = 0;
};

class PlainWindowState : public WindowState {
public:
    bool Enabled() const override { return true; }
    void setEnabled(bool) override {}
};

// Both lists' titles, selection and repaints, so "changed nothing" is one comparison.
struct ListsSnapshot {
    QStringList importTitles;
    qint16 importIndex;
    int importRefreshes;
    QStringList outputTitles;
    qint16 outputIndex;
    int outputRefreshes;
    bool operator==(const ListsSnapshot&) const = default;
};

class ListCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { Module1::reset(); }

    static void fill(MemoryListBox& list, const QStringList& titles)
    {
        for (const QString& title : titles)
            list.AddItem(title);
    }

    static void fillTo(MemoryListBox& list, qint16 count, const QString& prefix)
    {
        for (qint16 i = list.ListCount(); i < count; ++i)
            list.AddItem(prefix + QString::number(i));
    }

    // Readable in a failure message, unlike a QStringList.
    static std::string joined(const MemoryListBox& list)
    {
        return list.items().join(QLatin1Char('|')).toStdString();
    }

    ListsSnapshot snapshot() const
    {
        return {lst_Import.items(), lst_Import.ListIndex(), lst_Import.refreshCount(),
                lst_Output.items(), lst_Output.ListIndex(), lst_Output.refreshCount()};
    }

    static void addStation(const QString& title, const QString& file)
    {
        Module1::Playlists().Add(1, file, title, -1, file);
    }

    MemoryListBox lst_Import;
    MemoryListBox lst_Output;
    NoFileChooser chooser;
    CommonDialog CommDL{chooser};
    CountingMessageBox messageBox;
    PlainWindowState window;
    MainWindowParts parts{lst_Import, lst_Output, CommDL, messageBox, window, QLocale::c()};
};

TEST_F(ListCommandsTest, MovesWithoutASelectionOrWithoutTitlesChangeAndRepaintNothing)
{
    btn_AllAdd_Click(parts);
    EXPECT_EQ(joined(lst_Output), "");
    btn_AllRem_Click(parts);
    EXPECT_EQ(joined(lst_Import), "");

    fill(lst_Import, {"A", "B"});
    fill(lst_Output, {"C"});
    const ListsSnapshot before = snapshot();
    btn_Add_Click(parts);
    btn_Rem_Click(parts);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(messageBox.shown, 0);
}

TEST_F(ListCommandsTest, SingleMovesAppendTheSelectedTitleAndLeaveTheSourceWithoutSelection)
{
    fill(lst_Import, {"A", "B", "C"});
    fill(lst_Output, {"X", "Y"});
    lst_Output.select(0);
    lst_Import.select(1);

    btn_Add_Click(parts);
    EXPECT_EQ(joined(lst_Import), "A|C");
    EXPECT_EQ(joined(lst_Output), "X|Y|B");
    EXPECT_EQ(lst_Import.ListIndex(), -1);
    EXPECT_EQ(lst_Output.ListIndex(), 0) << "the gaining list keeps its selection, the new item is not selected";

    // Out and back again lands at the end, not at the old position.
    lst_Output.select(2);
    lst_Import.select(0);
    btn_Rem_Click(parts);
    EXPECT_EQ(joined(lst_Import), "A|C|B");
    EXPECT_EQ(joined(lst_Output), "X|Y");
    EXPECT_EQ(lst_Output.ListIndex(), -1);
    EXPECT_EQ(lst_Import.ListIndex(), 0);

    // Nothing stops a title from standing twice in a list.
    fill(lst_Import, {"X"});
    lst_Import.select(3);
    btn_Add_Click(parts);
    EXPECT_EQ(joined(lst_Output), "X|Y|X");

    // Down to the last item, which leaves the list empty.
    for (int remaining = 3; remaining > 0; --remaining) {
        lst_Import.select(0);
        btn_Add_Click(parts);
    }
    EXPECT_EQ(joined(lst_Import), "");
    EXPECT_EQ(joined(lst_Output), "X|Y|X|A|C|B");
}

TEST_F(ListCommandsTest, MoveAllAppendsEveryTitleInOrderAfterTheTargetsTitles)
{
    fill(lst_Import, {"A", "B", "C"});
    fill(lst_Output, {"X", "Y"});
    lst_Output.select(1);

    btn_AllAdd_Click(parts);
    EXPECT_EQ(joined(lst_Import), "");
    EXPECT_EQ(joined(lst_Output), "X|Y|A|B|C");
    EXPECT_EQ(lst_Output.ListIndex(), 1);

    fill(lst_Import, {"D"});
    lst_Import.select(0);
    btn_AllRem_Click(parts);
    EXPECT_EQ(joined(lst_Output), "");
    EXPECT_EQ(lst_Output.ListIndex(), -1);
    EXPECT_EQ(joined(lst_Import), "D|X|Y|A|B|C");
    EXPECT_EQ(lst_Import.ListIndex(), 0);
}

TEST_F(ListCommandsTest, EachMoveRepaintsItsOwnListOnly)
{
    fill(lst_Import, {"A", "B"});
    lst_Import.select(0);
    btn_Add_Click(parts);
    EXPECT_EQ(lst_Import.refreshCount(), 0);
    EXPECT_EQ(lst_Output.refreshCount(), 1);

    lst_Output.select(0);
    btn_Rem_Click(parts);
    EXPECT_EQ(lst_Import.refreshCount(), 0);
    EXPECT_EQ(lst_Output.refreshCount(), 2);

    btn_AllAdd_Click(parts);
    EXPECT_EQ(lst_Import.refreshCount(), 1);
    EXPECT_EQ(lst_Output.refreshCount(), 2);

    btn_AllRem_Click(parts);
    EXPECT_EQ(lst_Import.refreshCount(), 1);
    EXPECT_EQ(lst_Output.refreshCount(), 3);
}

TEST_F(ListCommandsTest, MovesNeitherTouchTheCollectionNorListFocus)
{
    fill(lst_Import, {"A", "B"});
    lst_Import.select(0);
    btn_Add_Click(parts);
    lst_Output.select(0);
    btn_Rem_Click(parts);
    btn_AllAdd_Click(parts);
    btn_AllRem_Click(parts);

    EXPECT_EQ(joined(lst_Import), "B|A");
    EXPECT_FALSE(Module1::playlistsExist());
    EXPECT_EQ(Module1::ListFocus(), Module1::NoListFocus);
}

TEST_F(ListCommandsTest, DeleteDoesNothingUnlessTheFocusedListHasASelection)
{
    addStation("A", "http://a");
    addStation("X", "http://x");
    fill(lst_Import, {"A"});
    fill(lst_Output, {"X"});
    lst_Import.select(0);
    lst_Output.select(0);
    const ListsSnapshot both = snapshot();

    // Right after start no list has had the focus.
    btn_DelI_Click(parts);
    EXPECT_EQ(snapshot(), both);

    // The focused list decides, never the list that shows a selection.
    lst_Import.Unselect(0);
    Module1::setListFocus(Module1::ImportListFocus);
    const ListsSnapshot onlyOutputSelected = snapshot();
    btn_DelI_Click(parts);
    EXPECT_EQ(snapshot(), onlyOutputSelected);

    lst_Import.select(0);
    lst_Output.Unselect(0);
    Module1::setListFocus(Module1::OutputListFocus);
    const ListsSnapshot onlyImportSelected = snapshot();
    btn_DelI_Click(parts);
    EXPECT_EQ(snapshot(), onlyImportSelected);

    EXPECT_EQ(Module1::Playlists().Count(), 2);
    EXPECT_EQ(messageBox.shown, 0);
}

TEST_F(ListCommandsTest, DeleteAfterMovingTheSelectedTitleOutDoesNothing)
{
    addStation("A", "http://a");
    fill(lst_Import, {"A", "B"});
    Module1::setListFocus(Module1::ImportListFocus);
    lst_Import.select(0);
    btn_Add_Click(parts);
    lst_Output.select(0);
    const ListsSnapshot afterMove = snapshot();

    btn_DelI_Click(parts);

    EXPECT_EQ(snapshot(), afterMove);
    EXPECT_NE(Module1::Playlists().findPlaylist("A"), nullptr);
}

TEST_F(ListCommandsTest, DeleteRemovesTheSelectedItemOfTheFocusedListAndItsStation)
{
    addStation("A", "http://a");
    addStation("B", "http://b");
    addStation("X", "http://x");
    addStation("Y", "http://y");
    fill(lst_Import, {"A", "B"});
    fill(lst_Output, {"X", "Y"});
    lst_Import.select(1);
    lst_Output.select(0);

    Module1::setListFocus(Module1::OutputListFocus);
    btn_DelI_Click(parts);
    EXPECT_EQ(joined(lst_Output), "Y");
    EXPECT_EQ(lst_Output.ListIndex(), -1);
    EXPECT_EQ(joined(lst_Import), "A|B");
    EXPECT_EQ(lst_Import.ListIndex(), 1);
    EXPECT_EQ(Module1::Playlists().findPlaylist("X"), nullptr);
    EXPECT_EQ(Module1::Playlists().Count(), 3);
    EXPECT_EQ(Module1::ListFocus(), Module1::OutputListFocus);

    Module1::setListFocus(Module1::ImportListFocus);
    btn_DelI_Click(parts);
    EXPECT_EQ(joined(lst_Import), "A");
    EXPECT_EQ(lst_Import.ListIndex(), -1);
    EXPECT_EQ(joined(lst_Output), "Y");
    EXPECT_EQ(Module1::Playlists().findPlaylist("B"), nullptr);
    EXPECT_NE(Module1::Playlists().findPlaylist("A"), nullptr);
    EXPECT_NE(Module1::Playlists().findPlaylist("Y"), nullptr);
    EXPECT_EQ(Module1::ListFocus(), Module1::ImportListFocus);
}

TEST_F(ListCommandsTest, DeletingASharedTitleRemovesTheFirstStationAddedWhicheverItemIsSelected)
{
    addStation("Jazz", "http://first");
    addStation("Jazz", "http://second");
    fill(lst_Output, {"Jazz"});
    fill(lst_Import, {"Other", "Jazz"});
    Module1::setListFocus(Module1::ImportListFocus);

    lst_Import.select(1);
    btn_DelI_Click(parts);
    EXPECT_EQ(joined(lst_Import), "Other");
    EXPECT_EQ(joined(lst_Output), "Jazz");
    EXPECT_EQ(Module1::Playlists().findPlaylist("Jazz")->File(), "http://second");

    Module1::setListFocus(Module1::OutputListFocus);
    lst_Output.select(0);
    btn_DelI_Click(parts);
    EXPECT_EQ(joined(lst_Output), "");
    EXPECT_EQ(Module1::Playlists().findPlaylist("Jazz"), nullptr);
    EXPECT_EQ(Module1::Playlists().Count(), 0);
}

TEST_F(ListCommandsTest, DeletingATitleWithoutStationRemovesTheItemAlone)
{
    addStation("A", "http://a");
    fill(lst_Import, {"A", "Orphan"});
    Module1::setListFocus(Module1::ImportListFocus);
    lst_Import.select(1);

    btn_DelI_Click(parts);

    EXPECT_EQ(joined(lst_Import), "A");
    EXPECT_EQ(Module1::Playlists().Count(), 1);

    // On a collection not yet created, the item goes too.
    Module1::reset();
    Module1::setListFocus(Module1::ImportListFocus);
    lst_Import.select(0);
    btn_DelI_Click(parts);
    EXPECT_EQ(joined(lst_Import), "");
    EXPECT_EQ(Module1::Playlists().Count(), 0);
}

TEST_F(ListCommandsTest, DeletingAStationNotStoredUnderItsFileRemovesThatVeryStation)
{
    colPlaylist& playlists = Module1::Playlists();
    playlists.Add(1, "", "Keyless", -1, "");
    playlists.Add(1, "", "Keyless too", -1, "");
    // Stored under another key while a different station holds its File as key:
    // removing by File would take the wrong station.
    const PlaylistEntry keyHolder = playlists.Add(1, "http://shared", "Holder", -1, "http://shared");
    playlists.Add(1, "http://shared", "Elsewhere", -1, "other-key");
    fill(lst_Import, {"Keyless", "Elsewhere"});
    Module1::setListFocus(Module1::ImportListFocus);

    lst_Import.select(0);
    btn_DelI_Click(parts);
    EXPECT_EQ(joined(lst_Import), "Elsewhere");
    EXPECT_EQ(playlists.findPlaylist("Keyless"), nullptr);
    EXPECT_NE(playlists.findPlaylist("Keyless too"), nullptr);

    lst_Import.select(0);
    btn_DelI_Click(parts);
    EXPECT_EQ(joined(lst_Import), "");
    EXPECT_EQ(playlists.findPlaylist("Elsewhere"), nullptr);
    EXPECT_EQ(playlists.Item(QString("http://shared")), keyHolder);
    EXPECT_EQ(playlists.Count(), 2);
}

TEST_F(ListCommandsTest, SingleMovesIntoAFullListDoNothing)
{
    fillTo(lst_Output, ListBox::MaxItems, "out");
    fill(lst_Import, {"A"});
    lst_Import.select(0);
    const ListsSnapshot outputFull = snapshot();
    btn_Add_Click(parts);
    EXPECT_EQ(snapshot(), outputFull);

    fillTo(lst_Import, ListBox::MaxItems, "in");
    lst_Output.select(7);
    const ListsSnapshot bothFull = snapshot();
    btn_Rem_Click(parts);
    EXPECT_EQ(snapshot(), bothFull);
}

TEST_F(ListCommandsTest, MoveAllIntoANearlyFullListMovesTheLeadingTitlesThatFit)
{
    fillTo(lst_Output, ListBox::MaxItems - 2, "out");
    fill(lst_Import, {"A", "B", "C", "D", "E"});

    btn_AllAdd_Click(parts);
    EXPECT_EQ(lst_Output.ListCount(), ListBox::MaxItems);
    EXPECT_EQ(lst_Output.List(ListBox::MaxItems - 3), "out32764");
    EXPECT_EQ(lst_Output.List(ListBox::MaxItems - 2), "A");
    EXPECT_EQ(lst_Output.List(ListBox::MaxItems - 1), "B");
    EXPECT_EQ(joined(lst_Import), "C|D|E");

    // Nothing fits any more: every title stays where it is.
    btn_AllAdd_Click(parts);
    EXPECT_EQ(lst_Output.ListCount(), ListBox::MaxItems);
    EXPECT_EQ(joined(lst_Import), "C|D|E");

    // Back the other way only the leading titles fit behind the three; the tail stays.
    btn_AllRem_Click(parts);
    EXPECT_EQ(lst_Import.ListCount(), ListBox::MaxItems);
    EXPECT_EQ(lst_Import.List(2), "E");
    EXPECT_EQ(lst_Import.List(3), "out0");
    EXPECT_EQ(lst_Import.List(ListBox::MaxItems - 1), "out32763");
    EXPECT_EQ(joined(lst_Output), "out32764|A|B");
}

} // namespace
