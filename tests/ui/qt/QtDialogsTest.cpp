// Qt's file dialog and message box as a request sets them up, and the chooser's answer
// to a cancel.
#include "ModalAnswer.h"
#include "QStringPrinting.h"
#include "ui/CommonDialog.h"
#include "ui/qt/QtFileChooser.h"
#include "ui/qt/QtMessageBox.h"

#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(QtDialogs, OpenWantsAnExistingFileShowingTheFilterDescriptionOnlyAndSaveAddsTheSuffix)
{
    const FileDialogRequest request{QStringLiteral("Select a Shoutcast Playlist"),
                                    CommonDialog::parseFilter("(Shoutcast Playlist) *.pls|*.pls"), ".pls", {}};
    QFileDialog open;
    configureFileDialog(open, request, FileDialogKind::Open);
    EXPECT_EQ(open.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(open.fileMode(), QFileDialog::ExistingFile);
    const auto* types = open.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_TRUE(types && types->count() == 1);
    EXPECT_EQ(types->itemText(0), "(Shoutcast Playlist) *.pls");

    QFileDialog save;
    configureFileDialog(save, request, FileDialogKind::Save);
    EXPECT_EQ(save.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(save.defaultSuffix(), "pls");
}

TEST(QtDialogs, CancellingTheChooserReturnsNothing)
{
    QWidget window;
    test::answerNextModal<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(QtFileChooser(window).chooseFileToOpen({}), std::nullopt);
}

TEST(QtDialogs, TheMessageBoxShowsTextAndCaptionWithOneOkButtonAndNoIcon)
{
    QMessageBox box;
    configureMessageBox(box, QStringLiteral("Duplicate Item: Ignoring."), AppTitle);
    EXPECT_EQ(box.text(), "Duplicate Item: Ignoring.");
    EXPECT_EQ(box.windowTitle(), "Orvanta Playlist Builder");
    EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
    ASSERT_EQ(box.buttons().size(), 1);
    EXPECT_EQ(box.standardButton(box.buttons().first()), QMessageBox::Ok);
    EXPECT_EQ(box.textFormat(), Qt::PlainText) << "a title is never read as markup";
}

} // namespace
} // namespace orvanta
