#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// A font file that cannot be used. what() is FreeType's fixed text for the
// step that failed; problem() names the file, the absolute folder it was
// looked for in and the reason.
class FontFileError : public std::runtime_error {
public:
    FontFileError(const char* fixedText, std::string problem)
        : std::runtime_error(fixedText), problem_(std::move(problem))
    {
    }
    const std::string& problem() const noexcept { return problem_; }

private:
    std::string problem_;
};

// One TrueType font rendered once into a texture and a display list per
// character code 0 to 127. Each list draws its glyph as a textured quad and
// moves the pen by the glyph's advance, so a whole line is one list call.
// Units are pixels of the rendered size; the caller's model-view transform
// places and scales the text.
class Font {
public:
    static Font& instance();

    // Renders the font at size points (96 dpi). Throws std::runtime_error with
    // one of FreeType's four set-up failures, a FontFileError when the file is
    // to blame; the game cannot run without it. Only a regular file is read.
    void init(const char* fontFile, unsigned size);

    // Draws the printf-style text at the current transform in the current
    // colour, line under line, over anything already drawn.
    void print(const char* format, ...) __attribute__((format(printf, 2, 3)));

    float height = 0;
    std::vector<unsigned> textures;
    unsigned listBase = 0;

private:
    Font() = default;
};
