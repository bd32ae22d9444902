// Playlists go both ways between the program and real players from Debian: they read what
// the export writes, and what they write the import reads, whole, with titles, in order.
// tests/players/ runs each player and prints what it read or writes what it is given.
#include "HeadlessProgramTest.h"

#include <QProcess>
#include <QSettings>

using namespace orvanta;
using namespace orvanta::testing;

namespace {

// Twelve stations as "address<TAB>title": a title with non-ASCII letters, one with "=", an
// address with "=" and "&" in its query.
QStringList twelveStations()
{
    QStringList stations;
    for (int n = 1; n <= 12; ++n)
        stations << QString("http://stream-%1.example.org:8000/live\tStation %1 Jazz").arg(n);
    stations[2] = "http://stream-3.example.org:8000/live\t" + QString::fromUtf8(u8"Café Zürich – Jazz");
    stations[6] = "http://stream-7.example.org:8000/live\tRock = Roll";
    stations[9] = "http://radio.example.org:8000/stream?id=7&fmt=mp3\tStation 10 Jazz";
    return stations;
}

// Runs a script of tests/players: the stations it printed, one a line, and its exit code.
// It stops a player that hangs after 10 s; exit code 2 means the player is not installed,
// which fails the test as a hang would.
std::pair<QStringList, int> runPlayer(QStringList arguments, const QByteArray& input = {})
{
    QProcess python;
    arguments[0].prepend(ORVANTA_SOURCE_DIR "/tests/players/");
    python.start("/usr/bin/python3", arguments);
    python.write(input);
    python.closeWriteChannel();
    EXPECT_TRUE(python.waitForFinished(60000) && python.exitCode() != 2)
        << arguments.join(' ').toStdString() << ": " << python.readAllStandardError().toStdString();
    return {QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts), python.exitCode()};
}

// Each case is a player as the scripts name it.
class RealReadersTest : public HeadlessProgramTest, public ::testing::WithParamInterface<const char*> {};
class RealWritersTest : public HeadlessProgramTest, public ::testing::WithParamInterface<const char*> {
protected:
    // Imports the file: the stations taken, as "address<TAB>title", where the import said nothing.
    QStringList importedWhole(const QString& path)
    {
        import({path});
        EXPECT_EQ(program.messages.shown, QStringList());
        QStringList imported;
        for (const PlaylistEntry& station : Module1::Playlists())
            imported << station->File() + '\t' + station->Title();
        return imported;
    }
};
const auto byPlayer = [](const auto& info) { return QString(info.param).remove('-').toStdString(); };

} // namespace

// Every reader takes the "Version 2" form whole with titles. (Why that form exists: the
// README's table. That the export picks it: ProgramPropertyTest.)
TEST_P(RealReadersTest, TakesTheStandardFormWholeWithTitles)
{
    for (const QString& station : twelveStations())
        listStation(program.lst_Output, station.section('\t', 1), station.section('\t', 0, 0));
    program.opt_V2.value = true;
    program.chooser.answers = {at("exported.pls")};
    btn_Export_Click(program.parts);
    EXPECT_EQ(runPlayer({"read_playlist.py", at("exported.pls"), GetParam()}), std::pair(twelveStations(), 0));
}

INSTANTIATE_TEST_SUITE_P(Players, RealReadersTest, ::testing::Values("totem", "configparser", "mpg123"), byPlayer);

// Each file is named as its kind is: "totem.m3u", "configparser" (read as .pls by its
// header; keys lower-cased, blanks around "="), "published.pls" (as radio sites publish: LF
// only, the entry count first, no lengths).
TEST_P(RealWritersTest, TheImportTakesEveryStationWholeWithTitles)
{
    const QString path = at(QString(GetParam()).replace('-', '.'));
    ASSERT_EQ(runPlayer({"write_playlist.py", GetParam(), path}, twelveStations().join('\n').toUtf8()).second, 0);
    EXPECT_EQ(importedWhole(path), twelveStations());
}

INSTANTIATE_TEST_SUITE_P(Players, RealWritersTest,
                         ::testing::Values("totem-pls", "totem-m3u", "totem-xspf", "configparser", "published-pls"),
                         byPlayer);

// Qt's QSettings writes the keys sorted as text: every address first (File1, File10, File11,
// File12, File2, ...), then the lengths and the titles. It quotes a value holding "=", which
// players read with its quotes, as the import does.
TEST_F(RealWritersTest, QSettingsIniFileIsImportedWholeInNumberOrder)
{
    const QString path = at("qsettings.pls");
    QStringList written = twelveStations();
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.beginGroup("playlist");
        for (qsizetype n = 1; n <= written.size(); ++n) {
            settings.setValue(QString("File%1").arg(n), written[n - 1].section('\t', 0, 0));
            settings.setValue(QString("Title%1").arg(n), written[n - 1].section('\t', 1));
            settings.setValue(QString("Length%1").arg(n), -1);
        }
    }
    written[6].replace("Rock = Roll", "\"Rock = Roll\"");
    written[9] = '"' + written[9].replace('\t', "\"\t");
    EXPECT_EQ(importedWhole(path), written);
}
