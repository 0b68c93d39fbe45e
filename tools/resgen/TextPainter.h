#pragma once

#include "Canvas.h"

#include <memory>
#include <string>

struct TextStyle {
    int pixelSize = 48;
    Colour fill;
    float outlineWidth = 0; // pixels around every letter, in the outline colour
    Colour outline;
};

// Writes lines of text into pictures with the game's own font, so the screens
// speak in the same letters as the height messages.
class TextPainter {
public:
    explicit TextPainter(const std::string& fontFile);
    ~TextPainter();
    TextPainter(const TextPainter&) = delete;
    TextPainter& operator=(const TextPainter&) = delete;

    float width(const std::string& text, int pixelSize) const;

    // Draws the text with its baseline at y and its left end at x.
    void draw(Canvas& canvas, const std::string& text, const TextStyle& style, float x, float baselineY) const;

    void drawCentred(Canvas& canvas, const std::string& text, const TextStyle& style, float centreX,
                     float baselineY) const;

private:
    struct Library;
    std::unique_ptr<Library> library_;
};
