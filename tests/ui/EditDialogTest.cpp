// The edit dialog's logic where the window tests (tests/ui/qt) do not reach.
#include "HeadlessProgram.h"

#include "ui/EditDialog.h"

using namespace orvanta;
using namespace orvanta::testing;

namespace {

class EditDialogTest : public HeadlessProgramTest {
protected:
    // A station whose title stands in lst_Import; an empty address stores it without a key.
    void listStation(const QString& title, const QString& file, qint16 length)
    {
        p.lst_Import.AddItem(title);
        Module1::Playlists().Add(0, file, title, length, file);
    }
    void openOn(qint16 row)
    {
        p.lst_Import.select(row);
        lst_Import_DblClick(p.parts, p.frm_Edit);
    }

    // Swedish numbers differ from C ones (-32768 is "U+2212 32 768"), so the length field
    // must be filled in a form the edit reads back.
    HeadlessProgram p{QLocale(QLocale::Swedish, QLocale::Sweden)};
};

TEST_F(EditDialogTest, ATitleListedElsewhereIsRefusedButOneDifferingInCaseIsNot)
{
    listStation("Alpha", "http://a", -1);
    Module1::Playlists().Add(1, "http://g", "Gamma", -1, "http://g");
    p.lst_Output.AddItem("Gamma");
    openOn(0);
    // A title listed only in lst_Output is taken.
    p.frm_Edit.title = "Gamma";
    btn_OK_Click(p.parts, p.frm_Edit);
    EXPECT_TRUE(p.frm_Edit.shown);
    EXPECT_EQ(render(p), "[Alpha*] [Gamma] Alpha Gamma");
    EXPECT_EQ(p.messages.shown.size(), 1u);

    // Titles compare with letter case, as the lists do.
    p.frm_Edit.title = "GAMMA";
    btn_OK_Click(p.parts, p.frm_Edit);
    EXPECT_EQ(render(p), "[GAMMA] [Gamma] Gamma GAMMA");
}

TEST_F(EditDialogTest, AStationWithoutAddressIsReplacedItselfAndAnotherOneStays)
{
    listStation("First", "", -1);
    listStation("Second", "", -32768);
    openOn(1);
    p.frm_Edit.title = "Renamed";
    btn_OK_Click(p.parts, p.frm_Edit);
    ASSERT_EQ(render(p), "[First Renamed] [] First Renamed");
    EXPECT_EQ(Module1::Playlists().findPlaylist("Renamed")->Length(), -32768);
}

} // namespace
