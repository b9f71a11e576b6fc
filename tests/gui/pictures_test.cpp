// The program's pictures: the flag lookup by team name, the flag artwork, the
// stadium, about and icon pictures, and the three pointers.

#include "gui_util.h"

#include "state/ModVars.h"
#include "ui/Pictures.h"

#include <QColor>
#include <QImage>
#include <QSet>

#include <functional>
#include <set>
#include <vector>

namespace fixturo {
namespace {

// The 16 teams, as the fixture list names them.
std::vector<QString> FixtureTeams()
{
    ModVars vars;
    InitFixtureData(vars);
    std::set<QString> names;
    for (int r = 0; r < kGroupMatchCount; ++r) {
        names.insert(vars.MatchTable[r][Match::team1]);
        names.insert(vars.MatchTable[r][Match::team2]);
    }
    return {names.begin(), names.end()};
}

QSize LogicalSize(const QPixmap &pixmap)
{
    return pixmap.deviceIndependentSize().toSize();
}

// The colour at a point given as fractions of the picture's width and height.
QColor ColourAt(const QImage &image, double fx, double fy)
{
    return image.pixelColor(static_cast<int>(fx * (image.width() - 1) + 0.5),
                            static_cast<int>(fy * (image.height() - 1) + 0.5));
}

int DistinctColours(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

using ColourTest = std::function<bool(const QColor &)>;
const ColourTest kRed = [](const QColor &c) { return c.red() > 150 && c.green() < 90 && c.blue() < 90; };
const ColourTest kWhite = [](const QColor &c) { return c.red() > 200 && c.green() > 200 && c.blue() > 200; };
const ColourTest kBlue = [](const QColor &c) {
    return c.blue() > 100 && c.red() < 80 && c.blue() > c.green();
};
const ColourTest kGreen = [](const QColor &c) { return c.green() > 100 && c.red() < 60 && c.blue() < 100; };
const ColourTest kBlack = [](const QColor &c) { return c.red() < 50 && c.green() < 50 && c.blue() < 50; };
const ColourTest kYellow = [](const QColor &c) { return c.red() > 200 && c.green() > 160 && c.blue() < 60; };

// ---------------------------------------------------------------- flag lookup

TEST(FlagLookup, EveryTeamOfTheFixtureHasItsOpaqueFlagAtItsSize)
{
    const std::vector<QString> teams = FixtureTeams();
    ASSERT_EQ(teams.size(), 16u);
    for (const QString &team : teams) {
        SCOPED_TRACE(team.toStdString());
        const QPixmap flag = FlagPicture(team);
        ASSERT_FALSE(flag.isNull());
        const QSize expected = team == QLatin1String("Croatia")   ? QSize(20, 10)
                               : team == QLatin1String("Germany") ? QSize(20, 12)
                                                                  : QSize(20, 13);
        EXPECT_EQ(LogicalSize(flag), expected);
        EXPECT_FALSE(flag.hasAlphaChannel());
    }
}

TEST(FlagLookup, NameIsStrippedOfSpacesAndComparedWithoutCase)
{
    const QImage czech = FlagPicture(QStringLiteral("Czech Republic")).toImage();
    ASSERT_FALSE(czech.isNull());
    for (const char *spelling : {"CzechRepublic", "czech republic", "CZECH REPUBLIC", " Czech  Republic "}) {
        SCOPED_TRACE(spelling);
        EXPECT_EQ(FlagPicture(QString::fromLatin1(spelling)).toImage(), czech);
    }
    EXPECT_EQ(FlagPicture(QStringLiteral("germany")).toImage(),
              FlagPicture(QStringLiteral("Germany")).toImage());
}

TEST(FlagLookup, PlaceholdersAndOtherNamesHaveNoFlag)
{
    for (const char *name : {"Winner Grp A", "Runner-up Grp B", "Winner #25", "Winner", "", "Czech",
                             "Czech-Republic", "England", "Holland"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(FlagPicture(QString::fromLatin1(name)).isNull());
    }
    EXPECT_TRUE(FlagPicture(QString()).isNull());
}

// ---------------------------------------------------------------- flag artwork

struct Stripe {
    double fx, fy;
    ColourTest colour;
    const char *what;
};

TEST(FlagArtwork, EachTeamShowsItsOwnColours)
{
    const std::vector<std::pair<const char *, std::vector<Stripe>>> flags = {
        {"France",
         {{0.1, 0.5, kBlue, "blue hoist"}, {0.5, 0.5, kWhite, "white"}, {0.9, 0.5, kRed, "red fly"}}},
        {"Italy",
         {{0.1, 0.5, kGreen, "green hoist"}, {0.5, 0.5, kWhite, "white"}, {0.9, 0.5, kRed, "red fly"}}},
        {"Romania",
         {{0.1, 0.5, kBlue, "blue hoist"}, {0.5, 0.5, kYellow, "yellow"}, {0.9, 0.5, kRed, "red fly"}}},
        {"Germany",
         {{0.5, 0.1, kBlack, "black top"}, {0.5, 0.5, kRed, "red"}, {0.5, 0.9, kYellow, "gold foot"}}},
        {"Russia",
         {{0.5, 0.1, kWhite, "white top"}, {0.5, 0.5, kBlue, "blue"}, {0.5, 0.9, kRed, "red foot"}}},
        {"Netherlands",
         {{0.5, 0.1, kRed, "red top"}, {0.5, 0.5, kWhite, "white"}, {0.5, 0.9, kBlue, "blue foot"}}},
        {"Austria", {{0.5, 0.1, kRed, "red top"}, {0.5, 0.5, kWhite, "white"}, {0.5, 0.9, kRed, "red foot"}}},
        {"Poland", {{0.5, 0.15, kWhite, "white top"}, {0.5, 0.85, kRed, "red foot"}}},
        {"Czech Republic",
         {{0.05, 0.5, kBlue, "blue wedge"}, {0.9, 0.15, kWhite, "white top"}, {0.9, 0.85, kRed, "red foot"}}},
        {"Switzerland", {{0.05, 0.1, kRed, "red corner"}, {0.5, 0.5, kWhite, "white cross"}}},
        {"Sweden", {{0.1, 0.1, kBlue, "blue corner"}, {0.37, 0.5, kYellow, "yellow cross"}}},
        {"Turkey", {{0.05, 0.1, kRed, "red corner"}, {0.95, 0.9, kRed, "red corner"}}},
    };
    for (const auto &[team, stripes] : flags) {
        const QImage image = FlagPicture(QString::fromLatin1(team)).toImage();
        ASSERT_FALSE(image.isNull()) << team;
        for (const Stripe &s : stripes) {
            const QColor c = ColourAt(image, s.fx, s.fy);
            EXPECT_TRUE(s.colour(c)) << team << ": expected " << s.what << ", got " << c.name().toStdString();
        }
    }
}

TEST(FlagArtwork, SixteenDifferentFlags)
{
    const std::vector<QString> teams = FixtureTeams();
    std::vector<QImage> images;
    for (const QString &team : teams)
        images.push_back(FlagPicture(team).toImage());
    for (size_t i = 0; i < images.size(); ++i)
        for (size_t j = i + 1; j < images.size(); ++j)
            EXPECT_NE(images[i], images[j])
                << teams[i].toStdString() << " and " << teams[j].toStdString() << " look the same";
}

// ---------------------------------------------------------------- other pictures

TEST(OtherPictures, StadiumsAndAboutPictureAreDrawnAtTheirSizes)
{
    const struct {
        const char *what;
        QPixmap picture;
        QSize size;
    } pictures[] = {
        {"St. Jakob-Park", StadiumPicture(Stadium::JakobPark), {564, 372}},
        {"Ernst Happel", StadiumPicture(Stadium::ErnstHappel), {200, 73}},
        {"about", AboutPicture(), {640, 480}},
    };
    for (const auto &p : pictures) {
        SCOPED_TRACE(p.what);
        ASSERT_FALSE(p.picture.isNull());
        EXPECT_EQ(LogicalSize(p.picture), p.size);
        EXPECT_FALSE(p.picture.hasAlphaChannel());
        // A drawing with gradients and edges, not a blank ground.
        EXPECT_GT(DistinctColours(p.picture.toImage()), 50);
    }
}

TEST(OtherPictures, ProgramIconHasA48PixelPicture)
{
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(48, 48)));
    const QImage image = icon.pixmap(QSize(48, 48), 1.0).toImage();
    ASSERT_EQ(image.size(), QSize(48, 48));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "rounded corner";
    EXPECT_EQ(qAlpha(image.pixel(24, 24)), 255);
    EXPECT_GT(DistinctColours(image), 20);
}

// ---------------------------------------------------------------- pointers

TEST(Pointers, AreDrawnWithTheirHotSpotOnThePicture)
{
    const struct {
        const char *what;
        QCursor cursor;
        QSize size;
    } pointers[] = {
        {"match", MatchCursor(), {16, 16}},
        {"cross", CrossCursor(), {32, 32}},
        {"link", LinkCursor(), {32, 32}},
    };
    for (const auto &p : pointers) {
        SCOPED_TRACE(p.what);
        EXPECT_EQ(p.cursor.shape(), Qt::BitmapCursor);
        const QImage image = p.cursor.pixmap().toImage();
        ASSERT_EQ(image.size(), p.size);
        const QPoint hot = p.cursor.hotSpot();
        ASSERT_TRUE(image.rect().contains(hot));
        // The point that clicks lies on the drawing, or (for the cross, open in
        // its middle) between the arms that lead to it.
        if (QLatin1String(p.what) == QLatin1String("cross")) {
            for (const QPoint arm : {QPoint(0, -6), QPoint(0, 6), QPoint(-6, 0), QPoint(6, 0)})
                EXPECT_TRUE(kBlack(image.pixelColor(hot + arm))) << arm.x() << "," << arm.y();
        } else {
            EXPECT_GT(qAlpha(image.pixel(hot)), 0);
        }
    }
    EXPECT_NE(MatchCursor().pixmap().toImage(), LinkCursor().pixmap().toImage());
}

} // namespace
} // namespace fixturo
