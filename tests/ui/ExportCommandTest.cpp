#include "ExportHarness.h"

#include "ui/ExportCommand.h"

#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <cstring>

using namespace orvanta;
using orvanta::exporttest::ExportTest;

namespace {

const QString FailureHeadline = QStringLiteral("The playlist could not be saved.\n");

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Caps the size of files this process writes, so that a write fails as it would on a
// full disk; permission bits cannot do that for root. The signal the cap would raise
// is ignored, so the write reports the error instead of ending the process.
class FileSizeCap {
public:
    explicit FileSizeCap(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit capped = m_old;
        capped.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &capped) == 0;
    }
    ~FileSizeCap()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeCap(const FileSizeCap&) = delete;
    FileSizeCap& operator=(const FileSizeCap&) = delete;

    bool active() const { return m_active; }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_active = false;
};

} // namespace

class ExportCommandTest : public ExportTest {
protected:
    // The reason part of the one failure message shown for path, after checking its frame.
    QString shownReason(const QString& path) const
    {
        if (messages.shown.size() != 1) {
            ADD_FAILURE() << "expected one message, got " << messages.shown.size();
            return {};
        }
        const exporttest::ShownMessage& message = messages.shown.front();
        EXPECT_EQ(message.title, "Orvanta Playlist Builder");
        const QString lead = FailureHeadline + path + QStringLiteral(": ");
        EXPECT_TRUE(message.prompt.startsWith(lead)) << message.prompt.toStdString();
        const QString reason = message.prompt.mid(lead.size());
        EXPECT_FALSE(reason.trimmed().isEmpty()) << "no reason given";
        EXPECT_FALSE(reason.contains(QLatin1Char('\n'))) << "the reason is one line";
        return reason;
    }

    void expectListsUntouched(const QStringList& output, int entries) const
    {
        EXPECT_EQ(lst_Output.items(), output);
        EXPECT_TRUE(lst_Import.items().isEmpty());
        EXPECT_EQ(Module1::Playlists().Count(), entries);
    }
};

TEST_F(ExportCommandTest, WritesEachOutputTitleAsTheFirstEntryWithThatTitle)
{
    addOutputStation("http://g:8000", "Gamma", 128);
    addOutputStation("http://a:8000", "Alpha", -1);
    addOutputStation("http://b:8000", "Beta", 0);
    lst_Output.AddItem("Alpha");
    // Added later under the same title, and an entry of no output title: neither is written.
    Module1::Playlists().Add(1, "http://shadow:8000", "Alpha", 5, "http://shadow:8000");
    Module1::Playlists().Add(1, "http://other:8000", "Other", 9, "http://other:8000");
    const QString path = pathIn("out.pls");
    chooser.answers = {path};

    btn_Export_Click(parts);

    EXPECT_EQ(contentsOf(path), QByteArray("[playlist]\r\n"
                                           "File1=http://g:8000\r\nTitle1=Gamma\r\nLength1=128\r\n\r\n"
                                           "File1=http://a:8000\r\nTitle1=Alpha\r\nLength1=-1\r\n\r\n"
                                           "File1=http://b:8000\r\nTitle1=Beta\r\nLength1=0\r\n\r\n"
                                           "File1=http://a:8000\r\nTitle1=Alpha\r\nLength1=-1\r\n\r\n"));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(folderEntries(), QStringList({"out.pls"}));
    expectListsUntouched({"Gamma", "Alpha", "Beta", "Alpha"}, 5);
}

TEST_F(ExportCommandTest, AnExistingLongerFileIsReplacedWhole)
{
    const QString path = pathIn("MyPlaylist.pls");
    writeFile(path, QByteArray(4096, 'x'));
    chooser.answers = {path};

    btn_Export_Click(parts);

    EXPECT_EQ(contentsOf(path), QByteArray("[playlist]\r\n"));
    EXPECT_EQ(folderEntries(), QStringList({"MyPlaylist.pls"}));
    EXPECT_TRUE(messages.shown.empty());
}

// The filter that an import leaves is checked together with the import.
TEST_F(ExportCommandTest, EveryRunOffersTheSameSettings)
{
    addOutputStation("http://a:8000", "Alpha", -1);
    chooser.answers = {pathIn("first.pls"), pathIn("second.pls")};

    btn_Export_Click(parts);
    btn_Export_Click(parts);

    ASSERT_EQ(chooser.saved.size(), 2u);
    EXPECT_TRUE(chooser.opened.empty());
    for (const FileDialogRequest& request : chooser.saved) {
        EXPECT_EQ(request.title, "Please save your Playlist");
        EXPECT_EQ(request.fileName, "MyPlaylist.pls");
        EXPECT_EQ(request.defaultExtension, ".pls");
        EXPECT_TRUE(request.filters.isEmpty());
    }
    EXPECT_TRUE(CommDL.CancelError);
    EXPECT_EQ(folderEntries(), QStringList({"first.pls", "second.pls"}));
}

TEST_F(ExportCommandTest, CancelCreatesAndChangesNothingAndSaysNothing)
{
    addOutputStation("http://a:8000", "Alpha", -1);
    const QString offered = pathIn("MyPlaylist.pls");
    writeFile(offered, "an older playlist");
    chooser.answers = {exporttest::ScriptedChooser::cancel()};

    btn_Export_Click(parts);

    EXPECT_EQ(chooser.saved.size(), 1u);
    EXPECT_EQ(contentsOf(offered), "an older playlist");
    EXPECT_EQ(folderEntries(), QStringList({"MyPlaylist.pls"}));
    EXPECT_TRUE(messages.shown.empty());
    expectListsUntouched({"Alpha"}, 1);
}

TEST_F(ExportCommandTest, APathThatCannotBeWrittenIsReportedAndNothingAppears)
{
    addOutputStation("http://a:8000", "Alpha", -1);
    ASSERT_TRUE(QDir(folder.path()).mkdir("taken"));
    writeFile(pathIn("taken/inside.pls"), "kept");
    // A folder that does not exist, and a path that names a folder.
    const QString inMissingFolder = pathIn("missing/out.pls");
    const QString aFolder = pathIn("taken");

    for (const QString& path : {inMissingFolder, aFolder}) {
        SCOPED_TRACE(path.toStdString());
        messages.shown.clear();
        chooser.answers = {path};

        btn_Export_Click(parts);

        const QString reason = shownReason(path);
        if (path == inMissingFolder) {
            EXPECT_EQ(reason, systemReason(ENOENT));
        }
        EXPECT_EQ(folderEntries(), QStringList({"taken"}));
        EXPECT_EQ(QDir(aFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList({"inside.pls"}));
        EXPECT_EQ(contentsOf(pathIn("taken/inside.pls")), "kept");
        expectListsUntouched({"Alpha"}, 1);
    }
}

TEST_F(ExportCommandTest, AWriteThatFailsPartWayLeavesTheOldFileWholeAndNoTemporaryFile)
{
    for (int i = 0; i < 40; ++i)
        addOutputStation(QStringLiteral("http://station%1.example:8000").arg(i), QStringLiteral("Station %1").arg(i), -1);
    const QString path = pathIn("MyPlaylist.pls");
    const QByteArray old = "[playlist]\r\nFile1=http://old:1\r\nTitle1=Old\r\nLength1=-1\r\n\r\n";
    writeFile(path, old);
    chooser.answers = {path};

    {
        // The new playlist is some 2 KB; a 256-byte cap lets its writing start and then fail.
        FileSizeCap cap(256);
        ASSERT_TRUE(cap.active());
        btn_Export_Click(parts);
    }

    EXPECT_EQ(shownReason(path), systemReason(EFBIG));
    EXPECT_EQ(contentsOf(path), old);
    EXPECT_EQ(folderEntries(), QStringList({"MyPlaylist.pls"}));
    EXPECT_EQ(lst_Output.ListCount(), 40);
}

TEST_F(ExportCommandTest, ATitleWithoutEntryWritesNothingAndNamesTheTitle)
{
    addOutputStation("http://a:8000", "Alpha", -1);
    lst_Output.AddItem("Ghost");
    addOutputStation("http://b:8000", "Beta", 0);
    const QString existing = pathIn("MyPlaylist.pls");
    writeFile(existing, "an older playlist");
    const QString fresh = pathIn("fresh.pls");

    for (const QString& path : {existing, fresh}) {
        SCOPED_TRACE(path.toStdString());
        messages.shown.clear();
        chooser.answers = {path};

        btn_Export_Click(parts);

        EXPECT_EQ(shownReason(path), "No station entry has the title \"Ghost\".");
        EXPECT_EQ(contentsOf(existing), "an older playlist");
        EXPECT_FALSE(QFile::exists(fresh));
        EXPECT_EQ(folderEntries(), QStringList({"MyPlaylist.pls"}));
        expectListsUntouched({"Alpha", "Ghost", "Beta"}, 2);
    }
}
