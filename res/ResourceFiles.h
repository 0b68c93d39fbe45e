#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

// Every file the game reads, named as the game opens it from the folder it runs
// in, and the numbers the sounds are made for. The game, its tests and the
// resource generator all take them from here, so each is written once.
namespace res {

constexpr const char* backgroundImage = "./res/images/background.tga";
constexpr const char* titleImage = "./res/images/titlescreen.tga";
constexpr const char* instructionsImage = "./res/images/instructions.tga";
constexpr const char* cloudImage = "./res/images/cloud01.tga";
constexpr const char* ballImage = "./res/images/mass_shinyball.tga";
constexpr const char* springImage = "./res/images/spring_glisk.tga";
constexpr const char* crawlerImage = "./res/images/mass_massdude.tga";
constexpr const char* selectorImage = "./res/images/selector.tga";
constexpr std::array<const char*, 8> images{backgroundImage, titleImage,  instructionsImage, cloudImage,
                                            ballImage,       springImage, crawlerImage,      selectorImage};

// Not read by the game: desktop menus show it, and the Windows build links the
// icon file into the .exe for its window, the taskbar and the Start menu. The
// web build's page names the favicon, which browsers show in its tab.
constexpr const char* iconImage = "./res/icons/vorlund.png";
constexpr const char* windowsIcon = "./res/icons/vorlund.ico";
constexpr const char* webIcon = "./res/icons/favicon.ico";

constexpr const char* fontFile = "./res/fonts/Cookies.ttf";
constexpr unsigned fontSize = 48;

constexpr int squeakCount = 16;
constexpr int winSoundCount = 13;
constexpr const char* musicFile = "./res/audio/loop_Marvessant_Tundravel.mp3";
// Every sound is made and mixed at this rate, so nothing is resampled.
constexpr int mixRate = 44100;
// A sound effect file larger than this is refused before it is decoded: four
// times the longest win sound (16 KB), room enough for a remade sound, while a
// huge file in a sound's place costs nothing.
constexpr std::uint64_t largestSoundEffectBytes = 64 * 1024;

// Squeaks and win sounds are numbered from 1, two digits: batsqueak01.mp3.
inline std::string numberedSound(const char* stem, int number)
{
    char name[64];
    std::snprintf(name, sizeof name, "./res/audio/%s%02d.mp3", stem, number);
    return name;
}
inline std::string squeakFile(int number) { return numberedSound("batsqueak", number); }
inline std::string winSoundFile(int number) { return numberedSound("win", number); }

// The icon again at the smaller sizes menus and panels show, each drawn down
// from the large one: "./res/icons/vorlund-16.png" and so on. The install
// (tools/install/CMakeLists.txt) lists the same sizes.
constexpr std::array<int, 5> smallIconSizes{16, 32, 48, 64, 128};
inline std::string smallIconImage(int size)
{
    char name[64];
    std::snprintf(name, sizeof name, "./res/icons/vorlund-%d.png", size);
    return name;
}

// Where a game path lies inside the res/ folder, for tools that make or read a
// copy of it elsewhere: "./res/images/ball.tga" gives "images/ball.tga".
constexpr const char* insideResFolder(const char* gamePath)
{
    return gamePath + sizeof "./res/" - 1;
}

}
