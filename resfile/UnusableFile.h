#pragma once

#include <string>

// What the player is told about a file the game cannot use: its kind
// ("picture", "sound", "music", "font"), its name, the absolute folder it was
// looked for in (so a game started from the wrong folder shows where it
// looked) and the reason. "cannot use the picture titlescreen.tga in
// /home/ann/res/images: No such file or directory"
std::string describeUnusableFile(const char* kind, const char* path, const std::string& reason);

// Tells it on stderr, one line, after the game's name.
void reportUnusableFile(const char* kind, const char* path, const std::string& reason);
