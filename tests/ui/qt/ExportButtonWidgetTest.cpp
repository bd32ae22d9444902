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

TEST(ExportButtonWidget, ClickingExportSavesTheOutputListWhereTheUserChose)
{
    using namespace orvanta;
    Module1::reset();
    QTemporaryDir folder;
    PlayListMainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Module1::Playlists().Add(1, "http://jazz:1", "Jazz", -1, "http://jazz:1");
    window.parts().lst_Output.AddItem("Jazz");
    QString offered;
    test::answerNextModal<QFileDialog>([&](QFileDialog& dialog) {
        offered = dialog.windowTitle() + u'|' + dialog.findChild<QLineEdit*>("fileNameEdit")->text();
        dialog.selectFile(folder.filePath("chosen.pls"));
        static_cast<QDialog&>(dialog).accept();
    });
    QTest::mouseClick(window.controls().btn_Export, Qt::LeftButton);
    EXPECT_EQ(offered, "Please save your Playlist|MyPlaylist.pls");
    // The bytes themselves are the command's, checked headless.
    EXPECT_TRUE(QFile::exists(folder.filePath("chosen.pls")));
    Module1::reset();
}
