// The game as a player meets it: the road through play, res/ missing, random play.
#include "app/Game.h"
#include "e2e/GameTest.h"
#include "tests/support/TempDir.h"

#include <array>
#include <cstdlib>
#include <random>
#include <thread>

namespace {

constexpr unsigned monkeySeed = 20240607;
constexpr auto warmUp = 10s, defaultRun = 60s;
constexpr int beyond = 200, longestPauseMs = 25; // pixels past the window's edges
const char* const keys[] = {"w", "s", "W", "a", "d", "space", "Return", "Escape", "Left"};
// After the warm-up the game grows under 2 MB: 8 MB fail a leak of 1 kB a frame; AddressSanitizer adds its quarantine.
#ifdef __SANITIZE_ADDRESS__
constexpr long marginKilobytes = (8 + 256 + 256 / 8) * 1024;
#else
constexpr long marginKilobytes = 8 * 1024;
#endif

}

// Each screen is like its own picture alone, and only play moves; the view scrolls and zooms within the field.
TEST_F(GameTest, APlayersRoadThroughTheScreensABuildTheScrollAndTheZoom)
{
    const std::array<Picture, 3> screens{seen(titlePicture, startingView, startingCamera),
                                         seen(instructionsPicture, startingView, startingCamera),
                                         seen(backdropPicture, field, startingCamera)};
    ASSERT_TRUE(start()); // found by its title
    // Any size (the window's all on the 1024-pixel screen): the view in its square, black beside it.
    EXPECT_TRUE(resizesTo(900, 600) && eventually([&] { return shows(screens[Title], 0ms) && marginsAreBlack(); }));
    ASSERT_TRUE(resizesTo(side, side));
    movePointer(centre, centre);
    for (int now = Title; now <= Play; ++now) {
        if (now != Title)
            click(now == Instructions ? 1 : 3);
        ASSERT_TRUE(shows(screens[now])) << "screen " << now;
        for (int other = Title; other <= Play; ++other)
            EXPECT_TRUE(other == now || !shows(screens[other], 0ms)) << "screen " << now << " is like " << other;
        Picture shown = grab();
        std::this_thread::sleep_for(300ms);
        EXPECT_EQ(shown != grab(), now == Play) << "only play moves; screen " << now;
    }
    std::this_thread::sleep_for(lastLanding); // a ball made of a falling crawler keeps its speed
    // A metre above the middle of the starting structure's top two balls, joined, near enough to both for springs.
    EXPECT_TRUE(buildsABall({0, 3.5}, {-1, 2.2}, {1, 2.2}));

    movePointer(0, centre);
    EXPECT_TRUE(showsCamera({-3, 5, 5}));
    std::this_thread::sleep_for(500ms);
    EXPECT_TRUE(showsCamera({-3, 5, 5}, 0ms)) << "scrolled beyond the field";
    // In, the zoom stops at 1 m, 16 steps from 9 m, where the field sits mid-view on the ground; out, at 15 m.
    const std::pair<std::string, Camera> steps[] = {{std::string(30, 's') + std::string(16, 'w'), {0, 9, 9}},
                                                    {std::string(22, 'w'), {0, 15, 15}}};
    movePointer(centre, centre); // off the edge; the keyboard goes where the pointer is
    for (const auto& [letters, camera] : steps) {
        for (char letter : letters)
            key({letter});
        EXPECT_TRUE(showsCamera(camera)) << letters;
    }
}

// Every file the game cannot use is named, one line each, with the absolute folder it looked in and why.
TEST_F(GameTest, WithOnlyTheFontItPlaysUntexturedAndWithoutOneItStopsWithItsMessages)
{
    std::filesystem::path onlyFont = tempPath("only-font");
    std::filesystem::create_directories(onlyFont / "res/fonts");
    std::filesystem::copy("res/fonts/Cookies.ttf", onlyFont / "res/fonts");
    ASSERT_TRUE(start(onlyFont));
    EXPECT_TRUE(shows(seen(onlyFont / titlePicture, startingView, startingCamera))); // white, as the game's
    movePointer(centre, centre);
    click();
    click();
    EXPECT_TRUE(eventually([&] { return !find(grab(), 0, 0, side, side, dark).empty(); })) << "no structure in play";
    for (auto [file, folder] : {std::pair{"picture titlescreen.tga", "images"}, {"picture background.tga", "images"},
                                {"music loop_Marvessant_Tundravel.mp3", "audio"}, {"sound win13.mp3", "audio"}}) {
        std::string line = std::string("\nVorlund!: cannot use the ") + file + " in " + (onlyFont / "res").string()
            + "/" + folder + ": No such file or directory\n";
        EXPECT_NE(("\n" + errors()).find(line), std::string::npos) << line << errors();
    }
    TearDown();
    // Without its font (the scratch folder has no res/) it stops at once: named, then FreeType's message.
    start(tempPath(""));
    window = 0; // the game closes any window it opened
    EXPECT_TRUE(eventually([this] { return exitStatus() == 1; }, 5s));
    std::string lines = "\nVorlund!: cannot use the font Cookies.ttf in " + tempPath("res/fonts")
        + ": No such file or directory; start the game from the folder that holds res/, or with the installed "
          "launcher, vorlund\nFT_New_Face failed (there is probably a problem with your font file)\n";
    EXPECT_NE(("\n" + errors()).find(lines), std::string::npos) << lines << errors();
}

TEST_F(GameTest, RandomPlayLeavesItRunningNoLargerAndFreeOfLeaks)
{
    std::mt19937 random{monkeySeed};
    auto pick = [&](int low, int high) { return std::uniform_int_distribution(low, high)(random); };
    auto playFor = [&](std::chrono::seconds span) {
        for (auto end = std::chrono::steady_clock::now() + span; std::chrono::steady_clock::now() < end;) {
            movePointer(pick(-beyond, side + beyond), pick(-beyond, side + beyond));
            if (int roll = pick(1, 6); roll <= 3)
                button(static_cast<unsigned>(roll), pick(0, 1) == 0);
            else if (roll == 4)
                key(keys[pick(0, std::size(keys) - 1)]);
            std::this_thread::sleep_for(std::chrono::milliseconds(pick(1, longestPauseMs)));
        }
    };
    const char* seconds = std::getenv("VORLUND_MONKEY_SECONDS"); // moves, presses and keys at random
    ASSERT_TRUE(start());
    playFor(warmUp);
    long warm = residentKilobytes();
    playFor(seconds != nullptr ? std::chrono::seconds(std::atoi(seconds)) : defaultRun);
    EXPECT_LE(residentKilobytes(), warm + marginKilobytes) << "kB after the warm-up, seed " << monkeySeed;
}
