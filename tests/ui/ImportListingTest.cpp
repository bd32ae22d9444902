// The import hands lst_Import its titles in one batch. Nothing may tell: the titles are
// listed by the time anything can look at the list, and a list with room for only some
// stations takes exactly those.
#include "ui/ImportCommand.h"
#include "ui/MemoryListBox.h"
#include "ui/Module1.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using namespace orvanta;

namespace {

class ChosenFile final : public FileChooser {
public:
    QString path;
    std::optional<QString> chooseFileToOpen(const FileDialogRequest&) override { return path; }
    std::optional<QString> chooseFileToSave(const FileDialogRequest&) override { return std::nullopt; }
};

// Notes what lst_Import shows whenever a message comes up; its modal loop repaints the window.
class ListSeenByMessage final : public MessageBox {
public:
    explicit ListSeenByMessage(const MemoryListBox& list) : m_list(list) {}
    std::vector<QStringList> seen;
    void MsgBox(const QString&, const QString&) override { seen.push_back(m_list.items()); }

private:
    const MemoryListBox& m_list;
};

class EnabledWindow final : public WindowState {
public:
    bool Enabled() const override { return true; }
    void setEnabled(bool) override {}
};

QByteArray exported(const QStringList& titles)
{
    QByteArray bytes = "[playlist]\r\n";
    for (const QString& title : titles)
        bytes += "File1=http://" + title.toUtf8() + "/\r\nTitle1=" + title.toUtf8() + "\r\nLength1=-1\r\n\r\n";
    return bytes;
}

class ImportListingTest : public ::testing::Test {
protected:
    void SetUp() override { Module1::reset(); }
    void TearDown() override { Module1::reset(); }

    void importTitles(const QStringList& titles)
    {
        chooser.path = folder.filePath("chosen.pls");
        QFile file(chooser.path);
        const QByteArray bytes = exported(titles);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
        file.close();
        btn_Import_Click(parts);
    }

    QTemporaryDir folder;
    ChosenFile chooser;
    CommonDialog CommDL{chooser};
    MemoryListBox lst_Import;
    MemoryListBox lst_Output;
    ListSeenByMessage messages{lst_Import};
    EnabledWindow window;
    MainWindowParts parts{lst_Import, lst_Output, CommDL, messages, window, QLocale::c()};
};

} // namespace

TEST_F(ImportListingTest, TheStationsBeforeADuplicateAreListedWhenItsMessageShows)
{
    importTitles({"A", "B", "A", "C"});
    ASSERT_EQ(messages.seen.size(), 1u);
    EXPECT_EQ(messages.seen[0], QStringList({"A", "B"}));
    EXPECT_EQ(lst_Import.items(), QStringList({"A", "B"}));
}

TEST_F(ImportListingTest, AListWithRoomForSomeStationsTakesThoseAndTheNextIsNotAdded)
{
    for (int i = 0; i < ListBox::MaxItems - 2; ++i)
        lst_Import.AddItem(QString::number(i));
    importTitles({"A", "B", "C", "D"});
    EXPECT_EQ(lst_Import.ListCount(), ListBox::MaxItems);
    EXPECT_EQ(lst_Import.List(ListBox::MaxItems - 2), "A");
    EXPECT_EQ(lst_Import.List(ListBox::MaxItems - 1), "B");
    EXPECT_EQ(Module1::Playlists().Count(), 2);
    EXPECT_EQ(Module1::Playlists().findPlaylist("C"), nullptr);
    EXPECT_TRUE(messages.seen.empty());
}
