#include "HeadlessProgram.h"

using namespace orvanta;
using namespace orvanta::testing;

TEST(CommonDialogTest, KeepsSettingsAndChoiceBetweenUsesAndFailsACancelOnlyWithCancelError)
{
    ScriptedChooser chooser;
    chooser.answers = {"/music/a.pls", ScriptedChooser::cancel(), ScriptedChooser::cancel()};
    CommonDialog dialog(chooser);
    dialog.DialogTitle = "Title";
    // A trailing description without a pattern names no file type.
    dialog.Filter = "Playlists|*.pls;*.m3u|All files|*.*|Dangling";
    dialog.DefaultExt = ".pls";
    dialog.ShowOpen();
    EXPECT_NO_THROW(dialog.ShowSave());
    dialog.CancelError = true;
    EXPECT_THROW(dialog.ShowOpen(), DialogCancelledError);

    ASSERT_EQ(chooser.opened.size(), 2u);
    const FileDialogRequest& last = chooser.opened[1];
    EXPECT_EQ(last.title, "Title");
    EXPECT_EQ(last.filters, QList<FileTypeFilter>({{"Playlists", "*.pls;*.m3u"}, {"All files", "*.*"}}));
    EXPECT_EQ(last.defaultExtension, ".pls");
    EXPECT_EQ(last.fileName, "/music/a.pls");
    EXPECT_EQ(dialog.FileName, "/music/a.pls");
}
