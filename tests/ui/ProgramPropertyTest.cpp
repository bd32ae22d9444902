// Properties that must hold over many generated playlists and user sessions, not just the
// cases someone thought of: what the export writes the import reads back unchanged, and
// whatever the user does, every listed title has exactly one station behind it and no
// station is left without its title in a list.
#include "HeadlessProgram.h"

#include "ui/EditDialog.h"
#include "ui/ExportCommand.h"
#include "ui/FocusTracking.h"
#include "ui/ImportCommand.h"
#include "ui/ListCommands.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <random>

using namespace orvanta;
using namespace orvanta::testing;

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

// Random stations whose texts draw on everything a line of a playlist can carry: blanks
// at either end, "=", LF (only CR ends a line), accents, other scripts, characters
// beyond the 16-bit range.
class StationGenerator {
public:
    explicit StationGenerator(unsigned seed) : m_random(seed) {}

    QString text(int maxLength)
    {
        static const QList<char32_t> alphabet = {U'a', U'Z', U'0', U'9', U' ', U'=', U'.', U'/', U':', U'\n',
                                                  U'\t', U'\u00e9', U'\u00df', U'\u20ac', U'\u0416', U'\u65e5',
                                                  U'\U0001F4FB', U'['};
        std::uniform_int_distribution<int> length(0, maxLength);
        std::uniform_int_distribution<qsizetype> pick(0, alphabet.size() - 1);
        QString result;
        for (int i = length(m_random); i > 0; --i) {
            const char32_t character = alphabet.at(pick(m_random));
            result.append(QString::fromUcs4(&character, 1));
        }
        return result;
    }

    qint16 length() { return static_cast<qint16>(std::uniform_int_distribution<int>(-32768, 32767)(m_random)); }

    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_random); }

    // Stations with distinct titles and distinct addresses, as a list the user built.
    std::vector<Station> distinctStations(int count)
    {
        std::vector<Station> stations;
        for (int i = 0; i < count; ++i) {
            // The number keeps titles and addresses apart; the rest makes them hostile.
            stations.push_back({QStringLiteral("http://%1.example:%2/").arg(i).arg(text(8)),
                                text(12) + QString::number(i) + text(4), length()});
        }
        return stations;
    }

private:
    std::mt19937 m_random;
};

std::vector<Station> collectionInOrder()
{
    std::vector<Station> stations;
    for (const PlaylistEntry& entry : Module1::Playlists())
        stations.push_back({entry->File(), entry->Title(), entry->Length()});
    return stations;
}

QByteArray playlistFileBytes(const std::vector<Station>& stations)
{
    QByteArray bytes = "[playlist]\r\n";
    for (const Station& station : stations) {
        bytes += "File1=" + station.file.toUtf8() + "\r\nTitle1=" + station.title.toUtf8() + "\r\nLength1="
            + QByteArray::number(station.length) + "\r\n\r\n";
    }
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Every title in the two lists stands once and has exactly one station with that title;
// every station has its title in a list.
void expectOneStationPerListedTitle(const HeadlessProgram& program)
{
    QHash<QString, int> listed;
    for (const QString& title : program.lst_Import.items() + program.lst_Output.items())
        ++listed[title];
    QHash<QString, int> held;
    for (const PlaylistEntry& entry : Module1::Playlists())
        ++held[entry->Title()];
    for (auto it = listed.cbegin(); it != listed.cend(); ++it) {
        EXPECT_EQ(it.value(), 1) << "listed more than once: " << it.key().toStdString();
        EXPECT_EQ(held.value(it.key()), 1) << "stations behind " << it.key().toStdString();
    }
    for (auto it = held.cbegin(); it != held.cend(); ++it)
        EXPECT_TRUE(listed.contains(it.key())) << "station without a list item: " << it.key().toStdString();
}

} // namespace

class ProgramPropertyTest : public HeadlessProgramTest {
protected:
    QTemporaryDir folder;
};

TEST_F(ProgramPropertyTest, WhatTheExportWritesTheImportReadsBackUnchanged)
{
    for (unsigned seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE(seed);
        StationGenerator generate(seed);
        const std::vector<Station> stations = generate.distinctStations(generate.below(40));
        const QLocale locale = seed % 2 ? QLocale::c() : QLocale(QLocale::German, QLocale::Germany);
        const QString path = folder.filePath(QStringLiteral("round-trip-%1.pls").arg(seed));

        Module1::reset();
        {
            HeadlessProgram exporting(locale);
            for (const Station& station : stations) {
                Module1::Playlists().Add(1, station.file, station.title, station.length, station.file);
                exporting.lst_Output.AddItem(station.title);
            }
            exporting.chooser.answers.push_back(path);
            btn_Export_Click(exporting.parts);
            ASSERT_TRUE(exporting.messages.shown.empty());
        }

        Module1::reset();
        HeadlessProgram importing(locale);
        importing.chooser.answers.push_back(path);
        btn_Import_Click(importing.parts);

        EXPECT_TRUE(importing.messages.shown.empty());
        EXPECT_EQ(collectionInOrder(), stations);
        QStringList titles;
        for (const Station& station : stations)
            titles.append(station.title);
        EXPECT_EQ(importing.lst_Import.items(), titles);
    }
}

TEST_F(ProgramPropertyTest, AnySessionKeepsOneStationPerListedTitleAndNoneWithoutOne)
{
    for (unsigned seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE(seed);
        Module1::reset();
        StationGenerator generate(seed);
        HeadlessProgram program;
        // A small pool of titles and addresses makes repeats across imports and edits common.
        const std::vector<Station> pool = generate.distinctStations(12);
        const auto anyOf = [&](auto member) { return pool.at(generate.below(int(pool.size()))).*member; };

        for (int step = 0; step < 80; ++step) {
            switch (generate.below(9)) {
            case 0: {
                std::vector<Station> file;
                for (int i = generate.below(5); i > 0; --i)
                    file.push_back({anyOf(&Station::file), anyOf(&Station::title), generate.length()});
                const QString path = folder.filePath(QStringLiteral("session-%1-%2.pls").arg(seed).arg(step));
                writeFile(path, playlistFileBytes(file));
                program.chooser.answers.push_back(path);
                btn_Import_Click(program.parts);
                break;
            }
            case 1:
            case 2: {
                MemoryListBox& list = generate.below(2) ? program.lst_Import : program.lst_Output;
                if (list.ListCount() > 0) {
                    list.select(static_cast<qint16>(generate.below(list.ListCount())));
                    if (&list == &program.lst_Import)
                        lst_Import_GotFocus(program.parts);
                    else
                        lst_Output_GotFocus(program.parts);
                }
                break;
            }
            case 3: btn_Add_Click(program.parts); break;
            case 4: btn_AllAdd_Click(program.parts); break;
            case 5: btn_Rem_Click(program.parts); break;
            case 6: btn_AllRem_Click(program.parts); break;
            case 7: btn_DelI_Click(program.parts); break;
            case 8:
                lst_Import_DblClick(program.parts, program.frm_Edit);
                if (program.frm_Edit.shown) {
                    program.frm_Edit.title = generate.below(2) ? anyOf(&Station::title) : generate.text(6);
                    btn_OK_Click(program.parts, program.frm_Edit);
                    if (program.frm_Edit.shown)
                        btn_Cancel_Click(program.parts, program.frm_Edit);
                }
                EXPECT_TRUE(program.window.Enabled());
                break;
            }
            expectOneStationPerListedTitle(program);
            if (HasFailure())
                return;
        }
    }
}
