#include "TextPainter.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

struct TextPainter::Library {
    FT_Library freeType = nullptr;
    FT_Face face = nullptr;
};

namespace {

constexpr int fixedPointShift = 6; // FreeType's 26.6 pixel units

// The letters' coverage on a grid that leaves room for an outline around them.
struct CoverageMask {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<float> coverage;

    float at(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return 0;
        return coverage[static_cast<std::size_t>(y) * width + x];
    }
};

void setSize(FT_Face face, int pixelSize)
{
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize)) != 0)
        throw std::runtime_error("cannot size the font");
}

FT_GlyphSlot renderedGlyph(FT_Face face, char character)
{
    if (FT_Load_Char(face, static_cast<unsigned char>(character), FT_LOAD_RENDER) != 0)
        throw std::runtime_error(std::string("cannot render the letter ") + character);
    return face->glyph;
}

CoverageMask letterMask(FT_Face face, const std::string& text, int pixelSize, int margin, float x,
                        float baselineY)
{
    setSize(face, pixelSize);
    CoverageMask mask;
    mask.left = static_cast<int>(std::floor(x)) - margin;
    mask.top = static_cast<int>(std::floor(baselineY)) - 2 * pixelSize - margin;
    mask.width = static_cast<int>(pixelSize * (text.size() + 1)) + 2 * margin;
    mask.height = 3 * pixelSize + 2 * margin;
    mask.coverage.assign(static_cast<std::size_t>(mask.width) * mask.height, 0);
    int penX = static_cast<int>(std::floor(x)) - mask.left;
    int baseline = static_cast<int>(std::floor(baselineY)) - mask.top;
    for (char character : text) {
        FT_GlyphSlot glyph = renderedGlyph(face, character);
        const FT_Bitmap& bitmap = glyph->bitmap;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            for (unsigned column = 0; column < bitmap.width; ++column) {
                int mx = penX + glyph->bitmap_left + static_cast<int>(column);
                int my = baseline - glyph->bitmap_top + static_cast<int>(row);
                if (mx < 0 || my < 0 || mx >= mask.width || my >= mask.height)
                    continue;
                float value = bitmap.buffer[row * bitmap.pitch + column] / 255.0f;
                float& cell = mask.coverage[static_cast<std::size_t>(my) * mask.width + mx];
                cell = std::max(cell, value);
            }
        }
        penX += static_cast<int>(glyph->advance.x >> fixedPointShift);
    }
    return mask;
}

// Every cell takes the strongest coverage within the radius: the letters made fatter.
CoverageMask dilated(const CoverageMask& mask, float radius)
{
    CoverageMask out = mask;
    int reach = static_cast<int>(std::ceil(radius));
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            float strongest = 0;
            for (int dy = -reach; dy <= reach; ++dy) {
                for (int dx = -reach; dx <= reach; ++dx) {
                    float weight = std::clamp(radius + 0.5f - std::hypot(float(dx), float(dy)), 0.0f, 1.0f);
                    strongest = std::max(strongest, weight * mask.at(x + dx, y + dy));
                }
            }
            out.coverage[static_cast<std::size_t>(y) * mask.width + x] = strongest;
        }
    }
    return out;
}

void paintMask(Canvas& canvas, const CoverageMask& mask, const Colour& colour)
{
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            int cx = mask.left + x;
            int cy = mask.top + y;
            if (cx < 0 || cy < 0 || cx >= canvas.width() || cy >= canvas.height())
                continue;
            canvas.blend(cx, cy, colour, mask.at(x, y));
        }
    }
}

}

TextPainter::TextPainter(const std::string& fontFile) : library_(new Library)
{
    if (FT_Init_FreeType(&library_->freeType) != 0 ||
        FT_New_Face(library_->freeType, fontFile.c_str(), 0, &library_->face) != 0) {
        if (library_->freeType)
            FT_Done_FreeType(library_->freeType);
        delete library_;
        throw std::runtime_error("cannot open the font " + fontFile);
    }
}

TextPainter::~TextPainter()
{
    FT_Done_Face(library_->face);
    FT_Done_FreeType(library_->freeType);
    delete library_;
}

float TextPainter::width(const std::string& text, int pixelSize) const
{
    setSize(library_->face, pixelSize);
    long advance = 0;
    for (char character : text) {
        if (FT_Load_Char(library_->face, static_cast<unsigned char>(character), FT_LOAD_DEFAULT) != 0)
            throw std::runtime_error(std::string("cannot measure the letter ") + character);
        advance += library_->face->glyph->advance.x;
    }
    return static_cast<float>(advance >> fixedPointShift);
}

void TextPainter::draw(Canvas& canvas, const std::string& text, const TextStyle& style, float x,
                       float baselineY) const
{
    int margin = static_cast<int>(std::ceil(style.outlineWidth)) + 1;
    CoverageMask letters = letterMask(library_->face, text, style.pixelSize, margin, x, baselineY);
    if (style.outlineWidth > 0)
        paintMask(canvas, dilated(letters, style.outlineWidth), style.outline);
    paintMask(canvas, letters, style.fill);
}

void TextPainter::drawCentred(Canvas& canvas, const std::string& text, const TextStyle& style, float centreX,
                              float baselineY) const
{
    draw(canvas, text, style, centreX - width(text, style.pixelSize) / 2, baselineY);
}
