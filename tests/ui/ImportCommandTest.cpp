#include "pls/PlaylistFileBytes.h"
#include "ui/ImportCommand.h"
#include "ui/MemoryListBox.h"
#include "ui/Module1.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <utility>
#include <vector>

using namespace orvanta;

namespace {

// Answers the open dialog with one path (nothing = cancel) and keeps what it was shown.
class OneAnswerChooser final : public FileChooser {
public:
    std::optional<QString> answer;
    std::vector<FileDialogRequest> opened;

    std::optional<QString> chooseFileToOpen(const FileDialogRequest& request) override
    {
        opened.push_back(request);
        return answer;
    }
    std::optional<QString> chooseFileToSave(const FileDialogRequest&) override
    {
        ADD_FAILURE() << "the import showed a save dialog";
        return std::nullopt;
    }
};

class RecordingMessageBox final : public MessageBox {
public:
    std::vector<std::pair<QString, QString>> shown;
    void MsgBox(const QString& prompt, const QString& title) override { shown.emplace_back(prompt, title); }
};

class EnabledWindow final : public WindowState {
public:
    bool Enabled() const override { return true; }
    void setEnabled(bool) override { ADD_FAILURE() << "the import changed the window's Enabled"; }
};

const QString Duplicate = QStringLiteral("Duplicate Item: Ignoring.");

QByteArray exportedBlocks(std::initializer_list<const char*> titles)
{
    QByteArray bytes = "[playlist]\r\n";
    for (const char* title : titles)
        bytes += QByteArray("File1=http://") + title + "/\r\nTitle1=" + title + "\r\nLength1=-1\r\n\r\n";
    return bytes;
}

class ImportCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Module1::reset();
        ASSERT_TRUE(folder.isValid());
    }
    void TearDown() override { Module1::reset(); }

    // Imports the given bytes as a chosen .pls file.
    void importFile(const QByteArray& bytes)
    {
        const QString path = folder.filePath("chosen.pls");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
        file.close();
        importPath(path);
    }
    void importPath(const QString& path)
    {
        chooser.answer = path;
        btn_Import_Click(parts);
    }

    // A station imported earlier whose title the user moved to lst_Output.
    void addOutputStation(const QString& title)
    {
        Module1::Playlists().Add(1, "http://" + title + "/", title, -1, "http://" + title + "/");
        lst_Output.AddItem(title);
    }

    static qsizetype openDescriptorCount() { return QDir("/proc/self/fd").count(); }

    int entryCount() const { return Module1::playlistsExist() ? Module1::Playlists().Count() : 0; }

    QTemporaryDir folder;
    OneAnswerChooser chooser;
    RecordingMessageBox messages;
    EnabledWindow window;
    MemoryListBox lst_Import;
    MemoryListBox lst_Output;
    CommonDialog CommDL{chooser};
    MainWindowParts parts{lst_Import, lst_Output, CommDL, messages, window, QLocale::c()};
};

struct ImportCase {
    const char* name;
    QByteArray file;
    QStringList imported;
    bool duplicateShown = false;
};

void PrintTo(const ImportCase& importCase, std::ostream* out)
{
    *out << importCase.name;
}

class ImportOutcomeTest : public ImportCommandTest, public ::testing::WithParamInterface<ImportCase> {};

} // namespace

TEST_P(ImportOutcomeTest, CommitsStationsUntilTheFileEndsOrStops)
{
    const qsizetype openBefore = openDescriptorCount();
    importFile(GetParam().file);
    EXPECT_EQ(openDescriptorCount(), openBefore) << "the playlist file was left open";

    EXPECT_EQ(lst_Import.items(), GetParam().imported);
    ASSERT_EQ(entryCount(), GetParam().imported.size());
    for (const QString& title : GetParam().imported)
        EXPECT_NE(Module1::Playlists().findPlaylist(title), nullptr) << title.toStdString();
    EXPECT_EQ(messages.shown.size(), GetParam().duplicateShown ? 1u : 0u);
    for (const auto& shown : messages.shown)
        EXPECT_EQ(shown, std::make_pair(Duplicate, AppTitle));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImportOutcomeTest,
    ::testing::Values(
        ImportCase{"ExportedFile", exportedBlocks({"A", "B", "C"}), {"A", "B", "C"}},
        ImportCase{"EmptyFile", "", {}},
        ImportCase{"MissingTitleRepeatsThePrevious", "[playlist]\r\nFile1=a\r\nTitle1=A\r\nLength1=1\r\n"
                                                     "File2=b\r\nLength2=1\r\n",
                   {"A"}, true},
        ImportCase{"MissingAddressRepeatsKeyQuietly", "[playlist]\r\nFile1=a\r\nTitle1=A\r\nLength1=1\r\n"
                                                      "Title2=B\r\nLength2=1\r\nTitle3=C\r\nLength3=1\r\n",
                   {"A"}},
        ImportCase{"FailureKeepsEarlierStations", exportedBlocks({"A", "B"}) + "Title1=C\r\nLength1=x\r\n",
                   {"A", "B"}},
        ImportCase{"Utf8Titles", "[playlist]\r\nFile1=a\r\nTitle1=Caf\xC3\xA9 \xE2\x99\xAA\r\nLength1=1\r\n",
                   {QString::fromUtf8(u8"Café ♪")}},
        ImportCase{"Windows1252Titles", "[playlist]\r\nFile1=a\r\nTitle1=Caf\xE9\r\nLength1=1\r\n",
                   {QString::fromUtf8(u8"Café")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ImportCommandTest, GivesTheDialogItsSettingsAndKeepsTheOthers)
{
    CommDL.FileName = "last-export.pls";
    CommDL.DefaultExt = ".pls";
    importFile(exportedBlocks({"A"}));

    ASSERT_EQ(chooser.opened.size(), 1u);
    const FileDialogRequest& shown = chooser.opened[0];
    EXPECT_EQ(shown.title, "Select a Shoutcast Playlist");
    EXPECT_EQ(shown.filters, QList<FileTypeFilter>({{"(Shoutcast Playlist) *.pls", "*.pls"}}));
    EXPECT_EQ(shown.fileName, "");
    EXPECT_EQ(shown.defaultExtension, ".pls");
    EXPECT_TRUE(CommDL.CancelError);
}

TEST_F(ImportCommandTest, CancelChangesNothing)
{
    CommDL.CancelError = false;
    chooser.answer = std::nullopt;
    btn_Import_Click(parts);

    EXPECT_EQ(chooser.opened.size(), 1u);
    EXPECT_TRUE(CommDL.CancelError);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(lst_Import.ListCount(), 0);
    EXPECT_FALSE(Module1::playlistsExist());
}

TEST_F(ImportCommandTest, TitleInEitherListShowsDuplicateOnceAndEnds)
{
    addOutputStation("B");
    importFile(exportedBlocks({"A", "B", "C"}));
    EXPECT_EQ(lst_Import.items(), QStringList({"A"}));
    EXPECT_EQ(messages.shown.size(), 1u);

    importFile(exportedBlocks({"A", "D"}));
    EXPECT_EQ(lst_Import.items(), QStringList({"A"}));
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(entryCount(), 2);
}

TEST_F(ImportCommandTest, FullImportListEndsBeforeAnEntryIsAdded)
{
    for (int i = 0; i < ListBox::MaxItems; ++i)
        lst_Import.AddItem(QString::number(i));
    importFile(exportedBlocks({"A"}));

    EXPECT_EQ(lst_Import.ListCount(), ListBox::MaxItems);
    EXPECT_EQ(lst_Import.List(ListBox::MaxItems - 1), QString::number(ListBox::MaxItems - 1));
    EXPECT_EQ(entryCount(), 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ImportCommandTest, UnreadablePathsImportNothingQuietly)
{
    // Sparse, so it costs no disk; holding a complete station, so reading it would show.
    const QString huge = folder.filePath("huge.pls");
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(exportedBlocks({"A"}));
        ASSERT_TRUE(file.resize(2 * MaxPlaylistFileBytes));
    }
    for (const QString& path : {folder.filePath("missing.pls"), folder.path(), huge}) {
        importPath(path);
        EXPECT_EQ(lst_Import.ListCount(), 0) << path.toStdString();
        EXPECT_EQ(entryCount(), 0);
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST_F(ImportCommandTest, LengthReadInTheGivenLocale)
{
    const QByteArray file = "[playlist]\r\nFile1=a\r\nTitle1=A\r\nLength1=2,5\r\n";
    importFile(file);
    EXPECT_EQ(entryCount(), 0);

    parts.numberLocale = QLocale(QLocale::German, QLocale::Germany);
    importFile(file);
    ASSERT_EQ(entryCount(), 1);
    EXPECT_EQ(Module1::Playlists().findPlaylist("A")->Length(), 2);
}

TEST_F(ImportCommandTest, EntryTakesTheStationsFields)
{
    importFile("[playlist]\nnumberofentries=12\nFile1=http://a:8000/\nTitle1=A\nLength1=-1\n");
    const PlaylistEntry entry = Module1::Playlists().Item("HTTP://A:8000/");
    EXPECT_EQ(entry->NumEntries(), 2);
    EXPECT_EQ(entry->File(), "http://a:8000/");
    EXPECT_EQ(entry->Title(), "A");
    EXPECT_EQ(entry->Length(), -1);
}
