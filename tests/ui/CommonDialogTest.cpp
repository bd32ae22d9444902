#include "ui/CommonDialog.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

using namespace orvanta;

namespace {

// Answers each dialog with the next scripted choice and remembers what it was shown.
class ScriptedChooser : public FileChooser {
public:
    std::deque<std::optional<QString>> answers;
    std::vector<FileDialogRequest> opened;
    std::vector<FileDialogRequest> saved;

    std::optional<QString> chooseFileToOpen(const FileDialogRequest& request) override
    {
        opened.push_back(request);
        return next();
    }
    std::optional<QString> chooseFileToSave(const FileDialogRequest& request) override
    {
        saved.push_back(request);
        return next();
    }

private:
    std::optional<QString> next()
    {
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace

TEST(CommonDialogTest, ShowsItsSettingsAndReadsTheChoiceBackIntoFileName)
{
    ScriptedChooser chooser;
    chooser.answers = {QString("/music/a.pls")};
    CommonDialog dialog(chooser);
    dialog.DialogTitle = "Select a Shoutcast Playlist";
    dialog.Filter = "(Shoutcast Playlist) *.pls|*.pls";
    dialog.FileName = "";

    dialog.ShowOpen();

    ASSERT_EQ(chooser.opened.size(), 1u);
    EXPECT_EQ(chooser.opened[0].title, "Select a Shoutcast Playlist");
    EXPECT_EQ(chooser.opened[0].filters, QList<FileTypeFilter>({{"(Shoutcast Playlist) *.pls", "*.pls"}}));
    EXPECT_EQ(chooser.opened[0].fileName, "");
    EXPECT_EQ(dialog.FileName, "/music/a.pls");
}

TEST(CommonDialogTest, SettingsPersistFromOneUseToTheNext)
{
    ScriptedChooser chooser;
    chooser.answers = {QString("/music/a.pls"), QString("/out/MyPlaylist.pls"), QString("/music/b.pls")};
    CommonDialog dialog(chooser);
    dialog.Filter = "(Shoutcast Playlist) *.pls|*.pls";
    dialog.ShowOpen();

    dialog.DialogTitle = "Please save your Playlist";
    dialog.FileName = "MyPlaylist.pls";
    dialog.DefaultExt = ".pls";
    dialog.ShowSave();
    dialog.ShowOpen();

    ASSERT_EQ(chooser.saved.size(), 1u);
    EXPECT_EQ(chooser.saved[0].filters.size(), 1);
    EXPECT_EQ(chooser.saved[0].defaultExtension, ".pls");
    EXPECT_EQ(chooser.saved[0].fileName, "MyPlaylist.pls");
    ASSERT_EQ(chooser.opened.size(), 2u);
    EXPECT_EQ(chooser.opened[1].defaultExtension, ".pls");
    EXPECT_EQ(chooser.opened[1].fileName, "/out/MyPlaylist.pls");
}

TEST(CommonDialogTest, CancelFailsOnlyWithCancelErrorAndKeepsFileName)
{
    ScriptedChooser chooser;
    chooser.answers = {std::nullopt, std::nullopt};
    CommonDialog dialog(chooser);
    dialog.FileName = "kept.pls";

    EXPECT_NO_THROW(dialog.ShowSave());
    EXPECT_EQ(dialog.FileName, "kept.pls");

    dialog.CancelError = true;
    EXPECT_THROW(dialog.ShowOpen(), DialogCancelledError);
    EXPECT_EQ(dialog.FileName, "kept.pls");
}

TEST(CommonDialogTest, FilterIsReadAsDescriptionPatternPairs)
{
    EXPECT_TRUE(CommonDialog::parseFilter("").isEmpty());
    EXPECT_EQ(CommonDialog::parseFilter("Playlists|*.pls;*.m3u|All files|*.*"),
              QList<FileTypeFilter>({{"Playlists", "*.pls;*.m3u"}, {"All files", "*.*"}}));
    EXPECT_EQ(CommonDialog::parseFilter("Playlists|*.pls|Dangling"),
              QList<FileTypeFilter>({{"Playlists", "*.pls"}}));
}
