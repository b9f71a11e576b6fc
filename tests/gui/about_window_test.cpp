#include "gui_util.h"

#include "ui/FrmAbout.h"

#include <QLabel>
#include <QPlainTextEdit>

using namespace fixturo;
using namespace fixturo::test;

TEST(AboutWindow, PictureAndNotice)
{
    FrmAbout about;
    EXPECT_EQ(about.size(), QSize(640, 477));
    auto *picture = about.findChild<QLabel *>("Image1");
    ASSERT_TRUE(picture);
    EXPECT_FALSE(picture->pixmap().isNull());
    auto *notice = about.findChild<QPlainTextEdit *>("Text1");
    ASSERT_TRUE(notice);
    EXPECT_TRUE(notice->isReadOnly());
    EXPECT_EQ(notice->document()->blockCount(), 2);
    EXPECT_TRUE(notice->toPlainText().contains("freeware"));
}

TEST(AboutWindow, AClickOnThePictureClosesIt)
{
    FrmAbout about;
    bool stayedOpen = true;
    bool modal = false;
    ModalDriver driver([&](QWidget *window) {
        modal = window == &about && about.isModal();
        // A click on the notice does nothing.
        QTest::mouseClick(about.findChild<QPlainTextEdit *>("Text1")->viewport(), Qt::LeftButton);
        stayedOpen = about.isVisible();
        QTest::mouseClick(about.findChild<QLabel *>("Image1"), Qt::LeftButton);
        if (about.isVisible()) {
            ADD_FAILURE() << "the picture click did not close the window";
            about.close();
        }
    });
    about.exec();
    EXPECT_TRUE(driver.Fired());
    EXPECT_TRUE(modal);
    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(about.isVisible());
}
