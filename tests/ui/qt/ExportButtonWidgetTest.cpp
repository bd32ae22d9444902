// btn_Export on the shown window: a real click, answered in Qt's own save dialog.
#include "ModalAnswer.h"
#include "QStringPrinting.h"
#include "ui/Module1.h"
#include "ui/qt/PlayListMainWindow.h"

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(ExportButtonWidget, ClickingExportSavesTheOutputListWhereTheUserChose)
{
    Module1::reset();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    PlayListMainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Module1::Playlists().Add(1, "http://jazz.example:8000", "Jazz", -1, "http://jazz.example:8000");
    window.parts().lst_Output.AddItem("Jazz");
    const QString chosen = folder.filePath("chosen.pls");

    QString shownTitle;
    QString offeredName;
    test::answerNextModal<QFileDialog>([&](QFileDialog& dialog) {
        shownTitle = dialog.windowTitle();
        if (const auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            offeredName = name->text();
        dialog.selectFile(chosen);
        static_cast<QDialog&>(dialog).accept();
    });
    QTest::mouseClick(window.controls().btn_Export, Qt::LeftButton);

    EXPECT_EQ(shownTitle, "Please save your Playlist");
    EXPECT_EQ(offeredName, "MyPlaylist.pls");
    QFile written(chosen);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("[playlist]\r\nFile1=http://jazz.example:8000\r\nTitle1=Jazz\r\n"
                                            "Length1=-1\r\n\r\n"));
    Module1::reset();
}

} // namespace
} // namespace orvanta
