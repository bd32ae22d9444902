// Real readers from Debian read what the export writes: the standard form whole, with its
// titles, in order. tests/readers/read_playlist.py runs each reader and prints what it saw.
#include "HeadlessProgram.h"

#include "ui/ExportCommand.h"

#include <QProcess>
#include <QTemporaryDir>

using namespace orvanta;
using namespace orvanta::testing;

namespace {

class RealReadersTest : public HeadlessProgramTest {
protected:
    void SetUp() override
    {
        HeadlessProgramTest::SetUp();
        for (int n = 1; n <= 12; ++n) {
            QString file = QString("http://stream-%1.example.org:8000/live").arg(n);
            QString title = QString("Station %1 Jazz").arg(n);
            if (n == 3)
                title = QString::fromUtf8(u8"Café Zürich – Jazz");
            if (n == 7)
                title = "Rock = Roll";
            if (n == 10)
                file = "http://radio.example.org:8000/stream?id=7&fmt=mp3";
            Module1::Playlists().Add(1, file, title, -1, file);
            program.lst_Output.AddItem(title);
            expected << file + '\t' + title;
        }
    }

    void exportIn(bool standard)
    {
        program.opt_V2.value = standard;
        program.chooser.answers = {folder.filePath(standard ? "standard.pls" : "orvanta.pls")};
        btn_Export_Click(program.parts);
        EXPECT_TRUE(program.messages.shown.isEmpty());
    }

    // The stations the reader saw as "file<TAB>title" lines, and its exit code.
    static std::pair<QStringList, int> read(const QString& path, const QString& reader)
    {
        QProcess python;
        python.start("/usr/bin/python3", {ORVANTA_SOURCE_DIR "/tests/readers/read_playlist.py", path, reader});
        // The script stops a reader that hangs after 10 s.
        EXPECT_TRUE(python.waitForFinished(60000)) << reader.toStdString();
        const QString seen = QString::fromUtf8(python.readAllStandardOutput());
        EXPECT_NE(python.exitCode(), 2) << "not installed: " << python.readAllStandardError().toStdString();
        return {seen.split('\n', Qt::SkipEmptyParts), python.exitCode()};
    }

    QTemporaryDir folder;
    HeadlessProgram program;
    QStringList expected;
};

} // namespace

TEST_F(RealReadersTest, EveryReaderTakesTheStandardFormWholeWithTitles)
{
    exportIn(true);
    for (const QString reader : {"totem", "configparser", "mpg123"})
        EXPECT_EQ(read(folder.filePath("standard.pls"), reader), std::make_pair(expected, 0)) << reader.toStdString();
}

// Why the standard form exists: a strict INI reader refuses the Orvanta form, a lenient
// one keeps the last station only.
TEST_F(RealReadersTest, IniReadersMissTheOrvantaForm)
{
    exportIn(false);
    EXPECT_EQ(read(folder.filePath("orvanta.pls"), "configparser").second, 1);
    EXPECT_EQ(read(folder.filePath("orvanta.pls"), "configparser-lenient"), std::make_pair(expected.mid(11), 0));
}
