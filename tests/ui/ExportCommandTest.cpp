// The export against real files in a scratch folder: the cancel and the failures that must
// leave the disk as it was, and the exact bytes of a playlist that an import brought in.
#include "HeadlessProgram.h"

#include "ui/ExportCommand.h"
#include "ui/ImportCommand.h"
#include "ui/ListCommands.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cerrno>
#include <csignal>

using namespace orvanta;
using namespace orvanta::testing;

// The folder is also the working directory, so that a write to the dialog's bare default
// name lands where the tests look.
class ExportCommandTest : public HeadlessProgramTest {
protected:
    void SetUp() override { HeadlessProgramTest::SetUp(), QDir::setCurrent(folder.path()); }
    void TearDown() override { QDir::setCurrent(home), HeadlessProgramTest::TearDown(); }

    QString at(const QString& name) const { return folder.filePath(name); }
    QStringList entries() const { return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot); }
    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : "<absent>";
    }

    // A cap on the size of files this process writes makes a write fail part way, as on a
    // full disk (permission bits do not stop root); with SIGXFSZ ignored the write reports it.
    void exportTo(const QString& path, const QStringList& output, rlim_t sizeCap = RLIM_INFINITY)
    {
        program.chooser.answers = {path};
        program.lst_Output = MemoryListBox();
        for (const QString& title : output)
            program.lst_Output.AddItem(title);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit capped{std::min(sizeCap, old.rlim_cur), old.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &capped), 0);
        btn_Export_Click(program.parts);
        setrlimit(RLIMIT_FSIZE, &old);
    }

    const QString home = QDir::currentPath();
    QTemporaryDir folder;
    HeadlessProgram program;
};

// An old file stays whole, an absent path absent, no temporary file is left; a failure
// names the path and the reason.
TEST_F(ExportCommandTest, ACancelOrAFailureLeavesTheDiskAsItWas)
{
    Module1::Playlists().Add(1, "http://a:8000", "Alpha", -1, "http://a:8000");
    writeFile(at("MyPlaylist.pls"), "older");
    const struct { QString name; QStringList output; rlim_t sizeCap; QString reason; } rows[] = {
        {ScriptedChooser::cancel(), {"Alpha"}, RLIM_INFINITY, {}},
        {"missing/new.pls", {"Alpha"}, RLIM_INFINITY, qt_error_string(ENOENT)},
        {"MyPlaylist.pls", {"Alpha"}, 20, qt_error_string(EFBIG)}, // room for the header alone
        {"new.pls", {"Alpha", "Ghost"}, RLIM_INFINITY, "No station entry has the title \"Ghost\"."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name.toStdString());
        program.messages.shown.clear();
        const QString path = row.name.isNull() ? row.name : at(row.name);
        exportTo(path, row.output, row.sizeCap);
        EXPECT_EQ(program.messages.shown, row.reason.isNull() ? QStringList() : QStringList{AppTitle + "|The playlist could not be saved.\n" + path + ": " + row.reason});
        EXPECT_EQ(read(at("MyPlaylist.pls")), "older");
        EXPECT_EQ(entries(), QStringList{"MyPlaylist.pls"});
    }
}

// The export after an import: the import's filter in the save dialog, and the titles decoded
// from a Windows-1252 file going out as UTF-8. (Reading an export back: ProgramPropertyTest.)
TEST_F(ExportCommandTest, AnImportedPlaylistGoesOutInExactBytes)
{
    writeFile(at("MyPlaylist.pls"), QByteArray(4096, 'x'));
    exportTo(at("MyPlaylist.pls"), {});
    EXPECT_EQ(read(at("MyPlaylist.pls")), "[playlist]\r\n");
    // "Café € – Zürich" in Windows-1252.
    writeFile(at("legacy.pls"), "[Playlist]\r\nNumberOfEntries=3\r\nFile1=http://c.example:8000\r\n"
                                "Title1=Caf\xE9 \x80 \x96 Z\xFCrich\r\nLength1=-1\r\nFile2=http://b.example:80\r\n"
                                "Title2= B = b \r\nLength2=0\r\nFile3=http://a.example/\r\nTitle3=A\r\nLength3=240\r\nVersion=2\r\n");
    program.chooser.answers = {at("legacy.pls")};
    btn_Import_Click(program.parts);
    btn_AllAdd_Click(program.parts);
    exportTo(at("out.pls"), program.lst_Output.items());
    EXPECT_EQ(read(at("out.pls")), QByteArray("[playlist]\r\nFile1=http://c.example:8000\r\n"
                                              "Title1=Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x93 Z\xC3\xBCrich\r\nLength1=-1\r\n\r\n"
                                              "File1=http://b.example:80\r\nTitle1= B = b \r\nLength1=0\r\n\r\n"
                                              "File1=http://a.example/\r\nTitle1=A\r\nLength1=240\r\n\r\n"));
    EXPECT_TRUE(program.messages.shown.empty());

    ASSERT_EQ(program.chooser.saved.size(), 2u);
    EXPECT_TRUE(program.chooser.saved[0].filters.isEmpty());
    EXPECT_EQ(program.chooser.saved[1].filters, QList<FileTypeFilter>({{"(Shoutcast Playlist) *.pls", "*.pls"}}));
    for (const FileDialogRequest& request : program.chooser.saved)
        EXPECT_TRUE(request.fileName == "MyPlaylist.pls" && request.defaultExtension == ".pls");
}
