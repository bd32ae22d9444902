#include "ui/EditDialog.h"

#include "ui/MemoryListBox.h"
#include "ui/Module1.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace orvanta;

namespace {

class NoFileChooser : public FileChooser {
public:
    std::optional<QString> chooseFileToOpen(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> chooseFileToSave(const FileDialogRequest&) override { return std::nullopt; }
};

class RecordingMessageBox : public MessageBox {
public:
    void MsgBox(const QString& prompt, const QString& title) override { shown.push_back(prompt + "|" + title); }
    QStringList shown;
};

class PlainWindowState : public WindowState {
public:
    bool Enabled() const override { return m_enabled; }
    void setEnabled(bool enabled) override { m_enabled = enabled; }

private:
    bool m_enabled = true;
};

// The dialog as three strings and whether it is shown; unloading empties the fields
// as the real dialog does.
class FakeEditDialog : public EditDialogView {
public:
    QString titleText() const override { return title; }
    void setTitleText(const QString& text) override { title = text; }
    QString urlText() const override { return url; }
    void setUrlText(const QString& text) override { url = text; }
    QString lengthText() const override { return length; }
    void setLengthText(const QString& text) override { length = text; }
    void Show() override { shown = true; }
    void Unload() override
    {
        shown = false;
        title.clear();
        url.clear();
        length.clear();
    }

    QString title;
    QString url;
    QString length;
    bool shown = false;
};

class EditDialogTest : public ::testing::Test {
protected:
    void SetUp() override { Module1::reset(); }

    // A station as the import leaves it: in Playlists under its address, its title in lst_Import.
    PlaylistEntry importStation(const QString& title, const QString& file, qint16 length = -1)
    {
        lst_Import.AddItem(title);
        return Module1::Playlists().Add(0, file, title, length, file);
    }

    void openOn(qint16 index)
    {
        lst_Import.select(index);
        lst_Import_DblClick(parts, frm_Edit);
    }

    static std::vector<PlaylistEntry> stations()
    {
        return {Module1::Playlists().begin(), Module1::Playlists().end()};
    }

    static std::string joined(const MemoryListBox& list) { return list.items().join('|').toStdString(); }

    MemoryListBox lst_Import;
    MemoryListBox lst_Output;
    NoFileChooser chooser;
    CommonDialog CommDL{chooser};
    RecordingMessageBox messageBox;
    PlainWindowState window;
    MainWindowParts parts{lst_Import, lst_Output, CommDL, messageBox, window, QLocale::c()};
    FakeEditDialog frm_Edit;
};

TEST_F(EditDialogTest, LengthsSurviveTheRoundTripThroughTheField)
{
    // Swedish writes its minus sign as U+2212; the field's plain "-" must still read back.
    for (const qint16 length : {qint16(-32768), qint16(-1), qint16(0), qint16(32767)}) {
        Module1::reset();
        MemoryListBox list;
        MainWindowParts withList{list, lst_Output, CommDL, messageBox, window, QLocale(QLocale::Swedish, QLocale::Sweden)};
        list.AddItem("Alpha");
        Module1::Playlists().Add(0, "http://a", "Alpha", length, "http://a");
        list.select(0);

        lst_Import_DblClick(withList, frm_Edit);
        btn_OK_Click(withList, frm_Edit);

        ASSERT_FALSE(frm_Edit.shown) << length;
        EXPECT_EQ(Module1::Playlists().findPlaylist("Alpha")->Length(), length);
    }
}

TEST_F(EditDialogTest, ATitleOfAStationInEitherListIsRefusedButOneDifferingInCaseIsNot)
{
    importStation("Alpha", "http://a");
    // A station whose title stands only in the output list counts as well.
    Module1::Playlists().Add(1, "http://c", "Gamma", -1, "http://c");
    lst_Output.AddItem("Gamma");
    const auto before = stations();

    openOn(0);
    frm_Edit.title = "Gamma";
    btn_OK_Click(parts, frm_Edit);

    EXPECT_EQ(messageBox.shown, QStringList({"Duplicate Item: Ignoring.|Orvanta Playlist Builder"}));
    EXPECT_TRUE(frm_Edit.shown);
    EXPECT_EQ(frm_Edit.title, "Gamma");
    EXPECT_FALSE(window.Enabled());
    EXPECT_EQ(joined(lst_Import), "Alpha");
    EXPECT_EQ(lst_Import.ListIndex(), 0);
    EXPECT_EQ(stations(), before);

    // Titles compare with letter case, as the lists do.
    frm_Edit.title = "GAMMA";
    btn_OK_Click(parts, frm_Edit);
    EXPECT_EQ(joined(lst_Import), "GAMMA");
    EXPECT_EQ(joined(lst_Output), "Gamma");
    EXPECT_EQ(messageBox.shown.size(), 1);
    EXPECT_TRUE(window.Enabled());
}

TEST_F(EditDialogTest, AStationWithoutAddressIsReplacedItselfNeitherLostNorDoubled)
{
    // An empty address stores a station without a key; two such stations must stay apart.
    lst_Import.AddItem("First");
    const PlaylistEntry first = Module1::Playlists().Add(1, "", "First", -1, "");
    lst_Import.AddItem("Second");
    const PlaylistEntry second = Module1::Playlists().Add(1, "", "Second", 5, "");

    openOn(1);
    EXPECT_EQ(frm_Edit.url, "");
    frm_Edit.title = "Renamed";
    btn_OK_Click(parts, frm_Edit);

    EXPECT_EQ(joined(lst_Import), "First|Renamed");
    const auto after = stations();
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0], first);
    EXPECT_EQ(after[1]->Title(), "Renamed");
    EXPECT_EQ(after[1]->File(), "");
    EXPECT_EQ(after[1]->Length(), 5);
    EXPECT_EQ(Module1::Playlists().findPlaylist("Second"), nullptr);
    EXPECT_NE(after[1], second);
    EXPECT_TRUE(window.Enabled());
    EXPECT_FALSE(frm_Edit.shown);
}

TEST_F(EditDialogTest, FieldsThatNoLongerDescribeTheStationLeaveEverythingAsItWas)
{
    // The address and length fields are read-only in the window; should they ever hold
    // other texts, the edit is refused before anything is removed.
    importStation("Alpha", "http://a");
    importStation("Beta", "http://b");
    const auto before = stations();

    openOn(0);
    frm_Edit.length = "abc";
    btn_OK_Click(parts, frm_Edit);
    frm_Edit.length = "-1";
    frm_Edit.url = "http://b";
    btn_OK_Click(parts, frm_Edit);

    EXPECT_EQ(stations(), before);
    EXPECT_EQ(joined(lst_Import), "Alpha|Beta");
    EXPECT_TRUE(frm_Edit.shown);
    EXPECT_FALSE(window.Enabled());
    EXPECT_TRUE(messageBox.shown.isEmpty());
}

} // namespace
