// The export together with the import: what the import leaves in the shared dialog,
// titles decoded from legacy files, and files that the program reads back.
#include "ExportHarness.h"

#include "ui/ExportCommand.h"
#include "ui/ImportCommand.h"

using namespace orvanta;
using orvanta::exporttest::ExportTest;

namespace {

struct Station {
    QString file;
    QString title;
    qint16 length;
    bool operator==(const Station&) const = default;
};

void PrintTo(const Station& station, std::ostream* out)
{
    *out << station.file.toStdString() << " | " << station.title.toStdString() << " | " << station.length;
}

std::vector<Station> collectionInOrder()
{
    std::vector<Station> stations;
    for (const PlaylistEntry& entry : Module1::Playlists())
        stations.push_back({entry->File(), entry->Title(), entry->Length()});
    return stations;
}

} // namespace

class ExportImportRoundTripTest : public ExportTest {
protected:
    void importFile(MainWindowParts& into, const QString& path)
    {
        chooser.answers.push_back(path);
        btn_Import_Click(into);
    }

    // What the user does with ">>": every imported title, in order, to the output list.
    void moveAllToOutput()
    {
        while (lst_Import.ListCount() > 0) {
            lst_Output.AddItem(lst_Import.List(0));
            lst_Import.RemoveItem(0);
        }
    }

    void exportTo(const QString& path)
    {
        chooser.answers.push_back(path);
        btn_Export_Click(parts);
    }
};

TEST_F(ExportImportRoundTripTest, AFileReadBackIntoAFreshProgramGivesTheSameStationsInOrder)
{
    const QString source = pathIn("source.pls");
    writeFile(source, "[Playlist]\r\nNumberOfEntries=4\r\n"
                      "File1=http://zeta.example:8000/live\r\nTitle1=Zeta = Jazz \r\nLength1=-1\r\n"
                      "File2=http://b.example:80\r\nTitle2=B\xC3\xA4r Radio \xE6\x97\xA5\r\nLength2=0\r\n"
                      "File3=http://a.example:9000/\r\nTitle3= Alpha\r\nLength3=240\r\n"
                      "Version=2\r\n");
    importFile(parts, source);
    const std::vector<Station> imported = collectionInOrder();
    ASSERT_EQ(imported.size(), 3u);
    moveAllToOutput();
    const QString exported = pathIn("MyPlaylist.pls");
    exportTo(exported);
    ASSERT_TRUE(messages.shown.empty());

    Module1::reset();
    MemoryListBox freshImport;
    MemoryListBox freshOutput;
    CommonDialog freshDialog{chooser};
    MainWindowParts fresh{freshImport, freshOutput, freshDialog, messages, window, QLocale::c()};
    importFile(fresh, exported);

    EXPECT_EQ(collectionInOrder(), imported);
    EXPECT_EQ(freshImport.items(),
              QStringList({"Zeta = Jazz ", QString::fromUtf8("B\xC3\xA4r Radio \xE6\x97\xA5"), " Alpha"}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ExportImportRoundTripTest, ATitleReadFromAWindows1252FileIsWrittenAsUtf8)
{
    const QString source = pathIn("legacy.pls");
    // "Café € – Zürich" in Windows-1252: é 0xE9, € 0x80, en dash 0x96, ü 0xFC.
    writeFile(source, "[playlist]\r\nFile1=http://legacy.example:8000\r\n"
                      "Title1=Caf\xE9 \x80 \x96 Z\xFCrich\r\nLength1=-1\r\n");
    importFile(parts, source);
    moveAllToOutput();
    const QString exported = pathIn("out.pls");
    exportTo(exported);

    EXPECT_EQ(contentsOf(exported), QByteArray("[playlist]\r\nFile1=http://legacy.example:8000\r\n"
                                               "Title1=Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x93 Z\xC3\xBCrich\r\n"
                                               "Length1=-1\r\n\r\n"));
}

TEST_F(ExportImportRoundTripTest, TheSaveDialogShowsNoFilterUntilAnImportHasSetOne)
{
    const QString source = pathIn("one.pls");
    writeFile(source, "[playlist]\r\nFile1=http://one:1\r\nTitle1=One\r\nLength1=-1\r\n");

    exportTo(pathIn("before.pls"));
    importFile(parts, source);
    exportTo(pathIn("after.pls"));

    ASSERT_EQ(chooser.saved.size(), 2u);
    EXPECT_TRUE(chooser.saved[0].filters.isEmpty());
    EXPECT_EQ(chooser.saved[1].filters, QList<FileTypeFilter>({{"(Shoutcast Playlist) *.pls", "*.pls"}}));
    EXPECT_EQ(chooser.saved[1].fileName, "MyPlaylist.pls");
    EXPECT_EQ(contentsOf(pathIn("before.pls")), QByteArray("[playlist]\r\n"));
}
