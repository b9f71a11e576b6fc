#include "gui_util.h"

#include "state/ModVars.h"
#include "ui/Pictures.h"

#include <QImage>

using namespace fixturo;

namespace {

QSize LogicalSize(const QPixmap &pixmap)
{
    return pixmap.deviceIndependentSize().toSize();
}

// The colour of a flag at a point given as fractions of its width and height.
QColor ColourAt(const char *team, double fx, double fy)
{
    const QImage image = FlagPicture(QString::fromLatin1(team)).toImage();
    return image.pixelColor(qRound(fx * (image.width() - 1)), qRound(fy * (image.height() - 1)));
}

} // namespace

TEST(FlagPictures, EveryTeamHasItsOwnFlagFoundByItsName)
{
    ModVars vars;
    InitFixtureData(vars);
    QList<QImage> seen;
    for (const GroupTable &group : vars.GroupTeams)
        for (const auto &row : group) {
            const QString &team = row[Col::Name];
            const QPixmap flag = FlagPicture(team);
            const QSize size = team == "Croatia"   ? QSize(20, 10)
                               : team == "Germany" ? QSize(20, 12)
                                                   : QSize(20, 13);
            EXPECT_EQ(LogicalSize(flag), size) << team.toStdString();
            EXPECT_FALSE(flag.hasAlphaChannel()) << team.toStdString();
            EXPECT_FALSE(seen.contains(flag.toImage())) << team.toStdString() << " looks like another team";
            seen << flag.toImage();
        }
    EXPECT_EQ(seen.size(), 16);
    // Found by the name without spaces, compared without case.
    EXPECT_EQ(FlagPicture(" czech  REPUBLIC ").toImage(), FlagPicture("Czech Republic").toImage());
    EXPECT_FALSE(FlagPicture("czechrepublic").isNull());
    for (const char *name : {"Winner Grp A", "Runner-up Grp B", "Winner #25", "", "Czech"})
        EXPECT_TRUE(FlagPicture(QString::fromLatin1(name)).isNull()) << name;
}

TEST(FlagPictures, ArtworkSpotChecks)
{
    EXPECT_LT(ColourAt("Germany", 0.5, 0.1).lightness(), 50) << "black top";
    const QColor gold = ColourAt("Germany", 0.5, 0.9);
    EXPECT_TRUE(gold.red() > 200 && gold.green() > 160 && gold.blue() < 60) << gold.name().toStdString();
    const QColor green = ColourAt("Italy", 0.1, 0.5);
    EXPECT_TRUE(green.green() > 100 && green.red() < 60) << green.name().toStdString();
    const QColor red = ColourAt("Italy", 0.9, 0.5);
    EXPECT_TRUE(red.red() > 150 && red.green() < 90) << red.name().toStdString();
}

TEST(OtherPictures, DrawnAtTheirSizes)
{
    EXPECT_EQ(LogicalSize(StadiumPicture(Stadium::JakobPark)), QSize(564, 372));
    EXPECT_EQ(LogicalSize(StadiumPicture(Stadium::ErnstHappel)), QSize(200, 73));
    EXPECT_EQ(LogicalSize(AboutPicture()), QSize(640, 480));
    EXPECT_TRUE(ProgramIcon().availableSizes().contains(QSize(48, 48)));
}

TEST(Pointers, AreCustomPicturesWithTheHotSpotOnThem)
{
    EXPECT_EQ(MatchCursor().pixmap().size(), QSize(16, 16));
    EXPECT_EQ(CrossCursor().pixmap().size(), QSize(32, 32));
    EXPECT_EQ(LinkCursor().pixmap().size(), QSize(32, 32));
    for (const QCursor &cursor : {MatchCursor(), CrossCursor(), LinkCursor()})
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    for (const QCursor &cursor : {MatchCursor(), LinkCursor()})
        EXPECT_GT(qAlpha(cursor.pixmap().toImage().pixel(cursor.hotSpot())), 0);
    EXPECT_NE(MatchCursor().pixmap().toImage(), LinkCursor().pixmap().toImage());
}
