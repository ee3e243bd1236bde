#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <fstream>

#include "app/frmSplash.h"
#include "tests/support/gui/GuiTest.h"

namespace {

using testing_support::GuiTest;

const QDate kTuesday(2024, 1, 2);
const QDate kWednesday(2024, 1, 3);

// The smallest picture a GIF reader accepts: one white pixel.
const unsigned char kOnePixelGif[] = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00, 0xff, 0xff,
    0xff, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x01, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00,
    0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3b};

class SplashTest : public GuiTest {
  protected:
    // Runs the splash on the given day, noting the bar at every pause.
    void RunOn(QDate day) {
        parlow::SplashClock clock;
        clock.today = [day] { return day; };
        clock.pause = [this] {
            const parlow::frmSplash* shown = splash.get();
            atPauses.push_back(shown->prgLoad->value());
            visibleWhilePausing = visibleWhilePausing && shown->isVisible() &&
                                  shown->lblProgress->isVisible() && shown->prgLoad->isVisible();
            busyWhilePausing = busyWhilePausing && QApplication::overrideCursor() != nullptr;
        };
        splash = std::make_unique<parlow::frmSplash>(clock);
        EXPECT_FALSE(splash->prgLoad->isVisible());
        EXPECT_FALSE(splash->lblProgress->isVisible());
        splash->Load();
    }

    void WriteErrorLog() const { std::ofstream(folder.ErrorLog()) << "an old entry\n"; }
    void WritePicture(const char* name, const void* bytes, std::size_t size) const {
        std::filesystem::create_directories(folder.Path() / "images");
        std::ofstream(folder.Path() / "images" / name, std::ios::binary)
            .write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
    }

    std::unique_ptr<parlow::frmSplash> splash;
    std::vector<int> atPauses;
    bool visibleWhilePausing = true;
    bool busyWhilePausing = true;
};

TEST_F(SplashTest, TheProgressRunsToSixteenInStepsOfTwoWithAPauseBetweenEach) {
    RunOn(kWednesday);
    EXPECT_EQ(atPauses, (std::vector<int>{0, 2, 4, 6, 8, 10, 12, 14}));
    EXPECT_EQ(splash->prgLoad->minimum(), 0);
    EXPECT_EQ(splash->prgLoad->maximum(), 16);
    EXPECT_EQ(splash->prgLoad->value(), 16);
    EXPECT_TRUE(visibleWhilePausing);
    EXPECT_TRUE(busyWhilePausing);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(splash->lblProgress->text(), "Initializing...");
    EXPECT_EQ(splash->lblVersion->text(), "Version 3.1");
    EXPECT_EQ(splash->lblProductName->text(), "The Parlow's Log");
}

TEST_F(SplashTest, OnATuesdayTheErrorLogIsDeletedAndOnOtherDaysKept) {
    WriteErrorLog();
    RunOn(kWednesday);
    EXPECT_TRUE(std::filesystem::exists(folder.ErrorLog()));
    RunOn(kTuesday);
    EXPECT_FALSE(std::filesystem::exists(folder.ErrorLog()));
    RunOn(kTuesday);  // nothing left to delete: still runs through
    EXPECT_EQ(splash->prgLoad->value(), 16);
}

TEST_F(SplashTest, AMissingOrDamagedPictureLeavesItsPlaceEmptyAndTheSplashRunsOn) {
    RunOn(kWednesday);
    EXPECT_TRUE(splash->imgGolf->pixmap().isNull());
    EXPECT_TRUE(splash->imgLogo->pixmap().isNull());

    const char damaged[] = "GIF89a\xff\xff not really a picture";
    WritePicture("kw6182.gif", damaged, sizeof damaged);
    WritePicture("kw-logo01.gif", kOnePixelGif, sizeof kOnePixelGif);
    RunOn(kWednesday);
    EXPECT_TRUE(splash->imgGolf->pixmap().isNull());
    EXPECT_EQ(splash->imgLogo->pixmap().size(), QSize(1, 1));
    EXPECT_EQ(splash->prgLoad->value(), 16);
}

}  // namespace
