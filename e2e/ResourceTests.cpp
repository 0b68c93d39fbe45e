// Start-up with parts of res/ missing, each in a folder of its own.
#include "e2e/GameTest.h"
#include "tests/support/TempDir.h"

#include <fstream>
#include <sys/wait.h>
#include <thread>

namespace {

const std::filesystem::path gameFont = "res/fonts/Cookies.ttf";
constexpr auto aFewSeconds = 3s;
constexpr auto exitLimit = 20s;

// A fresh folder with an empty res/fonts/.
std::filesystem::path folderForFont(const std::string& name)
{
    std::filesystem::path folder = tempPath(name);
    std::filesystem::create_directories((folder / gameFont).parent_path());
    return folder;
}

using MissingResources = GameTest;

}

TEST_F(MissingResources, WithOnlyTheFontTheGamePlaysUntextured)
{
    std::filesystem::path folder = folderForFont("only-font");
    std::filesystem::copy_file(gameFont, folder / gameFont);
    ASSERT_TRUE(start(folder));
    // The references decode the very files the game misses, and so are white too.
    EXPECT_TRUE(showsScreen(screenPicture(folder / titlePicture)));
    click();
    EXPECT_TRUE(showsScreen(screenPicture(folder / instructionsPicture)));
    click();
    // White on white at first; zoomed out, play shows black beyond the field,
    // where a screen before play would still fill the window.
    type(std::string(10, 'w'));
    Picture field = fieldSeenFrom(folder / backdropPicture, {0, 10, 10});
    EXPECT_TRUE(showsField(field));
    std::this_thread::sleep_for(aFewSeconds);
    EXPECT_TRUE(process->running());
    EXPECT_TRUE(looksLikeField(grab(), field));
}

TEST_F(MissingResources, WithoutAUsableFontTheGameStopsWithItsMessage)
{
    const std::string faceError = "FT_New_Face failed (there is probably a problem with your font file)";
    std::filesystem::path bare = tempPath("no-res");
    std::filesystem::create_directories(bare);
    std::filesystem::path broken = folderForFont("broken-font");
    std::ofstream(broken / gameFont) << "not a font at all";
    for (const std::filesystem::path& folder : {bare, broken}) {
        GameProcess game(folder, folder / "stderr.txt");
        ASSERT_TRUE(game.exitsWithin(exitLimit)) << folder;
        EXPECT_TRUE(WIFEXITED(game.status()) && WEXITSTATUS(game.status()) == 1) << folder;
        std::string errors = "\n" + game.errors();
        EXPECT_NE(errors.find("\n" + faceError + "\n"), std::string::npos) << errors;
    }
}
