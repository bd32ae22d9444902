// Playlists go both ways between the program and real players from Debian: they read what
// the export writes, and what they write the import reads, whole, with titles, in order.
// tests/players/ runs each player and prints what it read or writes what it is given.
#include "HeadlessProgram.h"
#include "NamedCases.h"

#include "ui/ExportCommand.h"
#include "ui/ImportCommand.h"

#include <QProcess>
#include <QTemporaryDir>

using namespace orvanta;
using namespace orvanta::testing;

namespace {

// Twelve stations as "address<TAB>title": a title with non-ASCII letters, one with "=", an
// address with "=" and "&" in its query.
QStringList twelveStations()
{
    QStringList stations;
    for (int n = 1; n <= 12; ++n) {
        QString file = QString("http://stream-%1.example.org:8000/live").arg(n);
        QString title = QString("Station %1 Jazz").arg(n);
        if (n == 3)
            title = QString::fromUtf8(u8"Café Zürich – Jazz");
        if (n == 7)
            title = "Rock = Roll";
        if (n == 10)
            file = "http://radio.example.org:8000/stream?id=7&fmt=mp3";
        stations << file + '\t' + title;
    }
    return stations;
}

// Runs a script of tests/players; its output lines and exit code. It stops a player that
// hangs after 10 s; exit code 2 means the player is not installed.
std::pair<QStringList, int> runPlayer(const QString& script, const QStringList& arguments, const QByteArray& input = {})
{
    QProcess python;
    python.start("/usr/bin/python3", QStringList(ORVANTA_SOURCE_DIR "/tests/players/" + script) + arguments);
    python.write(input);
    python.closeWriteChannel();
    EXPECT_TRUE(python.waitForFinished(60000)) << arguments.join(' ').toStdString();
    EXPECT_NE(python.exitCode(), 2) << "not installed: " << python.readAllStandardError().toStdString();
    return {QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts), python.exitCode()};
}

class RealReadersTest : public HeadlessProgramTest {
protected:
    void exportIn(bool standard)
    {
        for (const QString& station : twelveStations()) {
            const QString file = station.section('\t', 0, 0);
            Module1::Playlists().Add(1, file, station.section('\t', 1), -1, file);
            program.lst_Output.AddItem(station.section('\t', 1));
        }
        program.opt_V2.value = standard;
        program.chooser.answers = {folder.filePath("exported.pls")};
        btn_Export_Click(program.parts);
        EXPECT_TRUE(program.messages.shown.isEmpty());
    }
    std::pair<QStringList, int> read(const QString& reader)
    {
        return runPlayer("read_playlist.py", {folder.filePath("exported.pls"), reader});
    }

    QTemporaryDir folder;
    HeadlessProgram program;
};

} // namespace

TEST_F(RealReadersTest, EveryReaderTakesTheStandardFormWholeWithTitles)
{
    exportIn(true);
    for (const QString reader : {"totem", "configparser", "mpg123"})
        EXPECT_EQ(read(reader), std::make_pair(twelveStations(), 0)) << reader.toStdString();
}

// Why the standard form exists: a strict INI reader refuses the Orvanta form, a lenient
// one keeps the last station only.
TEST_F(RealReadersTest, IniReadersMissTheOrvantaForm)
{
    exportIn(false);
    EXPECT_EQ(read("configparser").second, 1);
    EXPECT_EQ(read("configparser-lenient"), std::make_pair(twelveStations().mid(11), 0));
}

namespace {

struct Writer {
    const char* name;
    const char* writer; // a script's writer, or none for the form radio sites publish, by hand
    const char* fileName;
};
class RealWritersTest : public HeadlessProgramTest, public ::testing::WithParamInterface<Writer> {};

// LF line ends, the entry count first, no length lines.
QByteArray published(const QStringList& stations)
{
    QByteArray bytes = "[playlist]\nnumberofentries=" + QByteArray::number(stations.size()) + '\n';
    for (qsizetype i = 0; i < stations.size(); ++i)
        bytes += QString("File%1=%2\nTitle%1=%3\n")
                     .arg(i + 1)
                     .arg(stations[i].section('\t', 0, 0), stations[i].section('\t', 1))
                     .toUtf8();
    return bytes + "Version=2\n";
}

} // namespace

TEST_P(RealWritersTest, TheImportTakesEveryStationWholeWithTitles)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(GetParam().fileName);
    const QStringList stations = twelveStations();
    if (GetParam().writer)
        ASSERT_EQ(runPlayer("write_playlist.py", {GetParam().writer, path}, stations.join('\n').toUtf8()).second, 0);
    else
        writeFile(path, published(stations));
    HeadlessProgram program;
    program.chooser.answers = {path};
    btn_Import_Click(program.parts);
    EXPECT_TRUE(program.messages.shown.isEmpty()) << program.messages.shown.join('\n').toStdString();
    QStringList imported, titles;
    for (const PlaylistEntry& station : Module1::Playlists())
        imported << station->File() + '\t' + station->Title();
    for (const QString& station : stations)
        titles << station.section('\t', 1);
    EXPECT_EQ(imported, stations);
    EXPECT_EQ(program.lst_Import.items(), titles);
}

INSTANTIATE_TEST_SUITE_P(Players, RealWritersTest,
                         ::testing::Values(Writer{"TotemPls", "totem-pls", "totem.pls"},
                                           Writer{"TotemM3u", "totem-m3u", "totem.m3u"},
                                           Writer{"TotemXspf", "totem-xspf", "totem.xspf"},
                                           Writer{"PythonConfigParser", "configparser", "configparser.pls"},
                                           Writer{"PublishedLfOnly", nullptr, "published.pls"}),
                         byName);
