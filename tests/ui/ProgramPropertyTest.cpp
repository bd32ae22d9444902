// Properties over many generated playlists and user sessions, not just the cases someone
// thought of: what the export writes the import reads back unchanged, and whatever the
// user does, every listed title has exactly one station behind it, no station is left
// without its title in a list, and undo and redo give back each state exactly.
#include "HeadlessProgramTest.h"

#include "pls/PlaylistFile.h"
#include "pls/PlaylistReader.h"
#include "ui/EditDialog.h"
#include "ui/FocusTracking.h"
#include "ui/LastExport.h"
#include "ui/ListCommands.h"

#include <QUndoStack>

#include <random>
#include <utility>
#include <vector>

using namespace orvanta;
using namespace orvanta::testing;

namespace {

struct Generator {
    std::mt19937 random;
    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random); }
    QByteArray length() { return QByteArray::number(below(65536) - 32768); }
    // All a value can hold: blanks at either end, "=", "[", accents, other scripts,
    // characters beyond 16 bits.
    QString text(int maxLength)
    {
        static const std::u32string alphabet = U"aZ09 =./:\t\u00e9\u00df\u20ac\u0416\u65e5\U0001F4FB[";
        std::u32string result(below(maxLength + 1), U' ');
        for (char32_t& c : result)
            c = alphabet[below(int(alphabet.size()))];
        return QString::fromStdU32String(result);
    }
    // "#i#" keeps each title apart from all others, "i." each address; now and then one is
    // as long as a value may be. An address ends with no blank: the import drops those.
    QString title(int i) { return longest(text(12) + QStringLiteral("#%1#").arg(i) + text(4)); }
    QString file(int i) { return longest(QStringLiteral("http://%1.example:").arg(i) + text(8) + u'/'); }
    QString longest(const QString& value) { return below(40) ? value : value.leftJustified(MaxValueLength, u'~'); }
};

using ProgramPropertyTest = HeadlessProgramTest;

// In either form and number locale, up to 120 stations, values as long as they may be at
// any place. The stations are listed in lst_Output in the reverse of the collection's order:
// the list's order is the one written. "Version 2" picks the standard form, which alone
// says its version.
TEST_F(ProgramPropertyTest, WhatTheExportWritesTheImportReadsBackUnchanged)
{
    QTemporaryDir folder;
    for (unsigned seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE(seed);
        Generator generate{std::mt19937(seed)};
        Module1::reset();
        HeadlessProgram program(seed % 2 ? QLocale::c() : QLocale(QLocale::German, QLocale::Germany));
        program.opt_V2.value = seed / 2 % 2;
        const QString path = folder.filePath(QString::number(seed));
        program.chooser.answers = {path, path};
        QByteArray written, read;
        QStringList titles;
        for (int i = generate.below(121); i > 0; --i) {
            const QString file = generate.file(i), title = generate.title(i);
            const QByteArray length = generate.length();
            Module1::Playlists().Add(1, file, title, qint16(length.toInt()), file);
            written.prepend(stationBlock(file, title, length));
            titles.prepend(title);
        }
        program.lst_Output.AddItems(titles);
        btn_Export_Click(program.parts);
        EXPECT_EQ(readPlaylistBytes(path).contains("\r\nVersion=2\r\n"), program.opt_V2.value);
        Module1::reset();
        btn_Import_Click(program.parts);
        for (const PlaylistEntry& station : Module1::Playlists())
            read += stationBlock(station->File(), station->Title(), QByteArray::number(station->Length()));
        EXPECT_TRUE(program.messages.shown.empty());
        EXPECT_EQ(read.toStdString(), written.toStdString());
    }
}

// Both lists with their items and, where asked, their selection; the stations in the
// collection's order with every field and whether each is stored under its address.
QStringList stateOf(const HeadlessProgram& program, bool withSelection = true)
{
    QStringList state;
    for (const MemoryListBox* list : {&program.lst_Import, &program.lst_Output})
        state << QStringLiteral("list, selected %1").arg(withSelection ? list->ListIndex() : 0) << list->items();
    const colPlaylist& playlists = Module1::Playlists();
    for (const PlaylistEntry& station : playlists)
        state << QStringLiteral("station %1 %2 %3 %4 %5")
                     .arg(station->NumEntries())
                     .arg(station->Length())
                     .arg(playlists.isStoredUnder(station, station->File()))
                     .arg(station->File(), station->Title());
    return state;
}

// Whatever the user does, every listed title has one station and no station is without
// one. Each change is one step; a command that changes nothing is none. Undo gives back the
// whole state as it was before its step, redo as it was after, and a new step after an
// undo drops the steps that could have been redone. Closing asks first exactly where an
// export now would write other than the last export did.
TEST_F(ProgramPropertyTest, AnySessionKeepsOneStationPerTitleGivesEachStateBackAndAsksBeforeLosingAChange)
{
    void (*const buttons[])(MainWindowParts&) = {btn_Add_Click, btn_AllAdd_Click, btn_Rem_Click, btn_AllRem_Click,
                                                 btn_DelI_Click};
    QTemporaryDir folder;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE(seed);
        Module1::reset();
        Generator generate{std::mt19937(seed)};
        // Swedish numbers differ from C ones (-32768 is "U+2212 32 768"): the edit must read
        // back the length it filled in.
        HeadlessProgram program(seed % 2 ? QLocale::c() : QLocale(QLocale::Swedish, QLocale::Sweden));
        QUndoStack& stack = program.undoStack;
        // A small pool of titles and addresses makes repeats across imports and edits common;
        // an empty address makes a station without one, which the import leaves out.
        const QStringList titles = generatedTitles(12), files = QStringList(QString()) + generatedTitles(12, 100);
        // The state before and after each step on the stack, by its index.
        std::vector<std::pair<QStringList, QStringList>> steps;
        const QString exportedTo = folder.filePath("exported"), now = folder.filePath("now");
        QByteArray exported;
        for (int step = 0; step < 120; ++step) {
            SCOPED_TRACE(step);
            const int action = generate.below(17);
            const int done = stack.index();
            const QStringList before = stateOf(program), contentBefore = stateOf(program, false);
            MemoryListBox& list = action == 1 ? program.lst_Import : program.lst_Output;
            if (action == 0) {
                QByteArray playlist = "[playlist]\r\n";
                for (int i = generate.below(5); i > 0; --i)
                    playlist += stationBlock(files[generate.below(13)], titles[generate.below(12)], generate.length());
                program.chooser.answers = {writeFile(folder.filePath(QString::number(step)), playlist)};
                btn_Import_Click(program.parts);
            } else if (action <= 2 && list.ListCount() > 0) {
                list.Select(qint16(generate.below(list.ListCount())));
                (action == 1 ? lst_Import_GotFocus : lst_Output_GotFocus)(program.parts);
            } else if (action == 3) {
                const qsizetype said = program.messages.shown.size();
                lst_Import_DblClick(program.parts, program.frm_Edit);
                program.frm_Edit.title = generate.below(2) ? titles[generate.below(12)] : generate.text(6);
                if (program.frm_Edit.shown)
                    btn_OK_Click(program.parts, program.frm_Edit);
                // OK closes the dialog unless it says why not.
                ASSERT_TRUE(!program.frm_Edit.shown || program.messages.shown.size() > said);
                if (program.frm_Edit.shown)
                    btn_Cancel_Click(program.parts, program.frm_Edit);
                ASSERT_TRUE(program.window.Enabled());
            } else if (action >= 4 && action <= 8) {
                buttons[action - 4](program.parts);
            } else if (action == 9) {
                addSelectedStation(program.parts, qint16(generate.below(program.lst_Output.ListCount() + 1)));
            } else if (action == 10) {
                removeSelectedStation(program.parts);
            } else if (action == 11) {
                moveOutputStation(program.parts, qint16(generate.below(program.lst_Output.ListCount() + 2) - 1));
            } else if (action <= 13 && stack.canUndo()) {
                stack.undo();
                ASSERT_EQ(stateOf(program), steps.at(done - 1).first);
            } else if (action == 14 && stack.canRedo()) {
                stack.redo();
                ASSERT_EQ(stateOf(program), steps.at(done).second);
            } else if (action == 15) {
                program.chooser.answers = {exportedTo};
                if (exportOutputList(program.parts, program.lastExport))
                    exported = readPlaylistBytes(exportedTo);
            } else if (action == 16) {
                program.opt_V2.value = !program.opt_V2.value;
            }
            if (action < 12) {
                if (stack.index() == done) {
                    ASSERT_EQ(stateOf(program, false), contentBefore) << "a change that is no step";
                }
                if (stack.index() > done) {
                    ASSERT_NE(stateOf(program, false), contentBefore) << "a step that changes nothing";
                    ASSERT_EQ(stack.count(), done + 1) << "the steps to redo stay after a new step";
                    steps.resize(done);
                    steps.emplace_back(before, stateOf(program));
                }
            }
            // Equal as sorted lists, and no title listed twice: one station per listed title, none unlisted.
            QStringList listed = program.lst_Import.items() + program.lst_Output.items(), held;
            for (const PlaylistEntry& station : Module1::Playlists())
                held << station->Title();
            listed.sort();
            held.sort();
            ASSERT_EQ(listed, held);
            ASSERT_EQ(listed.removeDuplicates(), 0);
            bool changed = false;
            if (program.lst_Output.ListCount() > 0) {
                program.chooser.answers = {now};
                btn_Export_Click(program.parts);
                changed = readPlaylistBytes(now) != exported;
            }
            const int asked = program.closeQuestion.asked;
            program.closeQuestion.answers = {CloseAnswer::Cancel};
            ASSERT_EQ(mayCloseWindow(program.parts, program.lastExport, program.closeQuestion), !changed);
            ASSERT_EQ(program.closeQuestion.asked - asked, int(changed));
        }
    }
}

} // namespace
