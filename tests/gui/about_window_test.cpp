#include "gui_util.h"

#include "ui/FrmAbout.h"

#include <QLabel>
#include <QPlainTextEdit>

using namespace fixturo;

TEST(AboutWindow, PictureAndNoticeWhichIgnoresClicks)
{
    FrmAbout about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    EXPECT_EQ(about.size(), QSize(640, 477));
    auto *picture = about.findChild<QLabel *>("Image1");
    auto *notice = about.findChild<QPlainTextEdit *>("Text1");
    ASSERT_TRUE(picture && notice);
    EXPECT_FALSE(picture->pixmap().isNull());
    EXPECT_TRUE(notice->isReadOnly());
    EXPECT_TRUE(notice->toPlainText().contains("freeware"));
    QTest::mouseClick(notice->viewport(), Qt::LeftButton);
    EXPECT_TRUE(about.isVisible());
}
