#pragma once

#include "text/GlyphQuad.h"

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

// One TrueType font rendered once into a texture and a quad per character
// code 0 to 127. Each glyph is drawn as its textured quad, moving the pen by
// its advance. Units are pixels of the rendered size; the caller's model-view
// transform places and scales the text.
class Font {
public:
    static Font& instance();

    // Renders the font at size points (96 dpi). Throws std::runtime_error with
    // one of FreeType's four set-up failures, a FontFileError when the file is
    // to blame; the game cannot run without it. Only a regular file is read.
    void init(const char* fontFile, unsigned size);

    // Draws the printf-style text at the current transform in the current
    // colour, line under line, over anything already drawn. It leaves the
    // matrix mode and the switches it needs (lighting, texturing, depth test,
    // blending) as the caller had them.
    void print(const char* format, ...) __attribute__((format(printf, 2, 3)));

    float height = 0;
    std::vector<unsigned> textures;
    std::vector<GlyphQuad> glyphs;

private:
    Font() = default;
    void drawLine(const std::string& line, int index, float lineHeight, const float* transform) const;
};
