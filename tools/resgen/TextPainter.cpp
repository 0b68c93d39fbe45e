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

    ~Library()
    {
        if (face)
            FT_Done_Face(face);
        if (freeType)
            FT_Done_FreeType(freeType);
    }
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

long advanceOf(FT_Face face, const std::string& text)
{
    long advance = 0;
    for (char character : text) {
        if (FT_Load_Char(face, static_cast<unsigned char>(character), FT_LOAD_DEFAULT) != 0)
            throw std::runtime_error(std::string("cannot measure the letter ") + character);
        advance += face->glyph->advance.x;
    }
    return advance >> fixedPointShift;
}

// The mask reaches well past the letters' ascent, descent and side bearings,
// so no part of a letter falls outside it.
CoverageMask letterMask(FT_Face face, const std::string& text, int pixelSize, int margin, float x,
                        float baselineY)
{
    setSize(face, pixelSize);
    CoverageMask mask;
    mask.left = static_cast<int>(std::floor(x)) - pixelSize / 2 - margin;
    mask.top = static_cast<int>(std::floor(baselineY)) - 3 * pixelSize / 2 - margin;
    mask.width = static_cast<int>(advanceOf(face, text)) + pixelSize + 2 * margin;
    mask.height = 5 * pixelSize / 2 + 2 * margin;
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

struct Reach {
    int dx;
    int dy;
    float weight;
};

// The offsets within the radius, nearest first, each weighted by how much of
// its texel the round pen covers.
std::vector<Reach> penOffsets(float radius)
{
    int reach = static_cast<int>(std::ceil(radius));
    std::vector<Reach> offsets;
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            float weight = std::clamp(radius + 0.5f - std::hypot(float(dx), float(dy)), 0.0f, 1.0f);
            if (weight > 0)
                offsets.push_back({dx, dy, weight});
        }
    }
    std::stable_sort(offsets.begin(), offsets.end(), [](const Reach& a, const Reach& b) {
        return a.dx * a.dx + a.dy * a.dy < b.dx * b.dx + b.dy * b.dy;
    });
    return offsets;
}

// Every cell takes the strongest coverage within the radius: the letters made
// fatter. Offsets are tried nearest first, so a cell inside a letter stops at
// once, and cells with nothing within reach are skipped by their row's extent.
CoverageMask dilated(const CoverageMask& mask, float radius)
{
    CoverageMask out = mask;
    std::vector<Reach> offsets = penOffsets(radius);
    int reach = static_cast<int>(std::ceil(radius));
    std::vector<bool> rowHasInk(static_cast<std::size_t>(mask.height), false);
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width && !rowHasInk[y]; ++x)
            rowHasInk[y] = mask.at(x, y) > 0;
    for (int y = 0; y < mask.height; ++y) {
        bool inkNear = false;
        for (int dy = -reach; dy <= reach && !inkNear; ++dy)
            inkNear = y + dy >= 0 && y + dy < mask.height && rowHasInk[y + dy];
        if (!inkNear)
            continue;
        for (int x = 0; x < mask.width; ++x) {
            float strongest = 0;
            for (const Reach& offset : offsets) {
                strongest = std::max(strongest, offset.weight * mask.at(x + offset.dx, y + offset.dy));
                if (strongest >= 1)
                    break;
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

TextPainter::TextPainter(const std::string& fontFile) : library_(std::make_unique<Library>())
{
    if (FT_Init_FreeType(&library_->freeType) != 0 ||
        FT_New_Face(library_->freeType, fontFile.c_str(), 0, &library_->face) != 0)
        throw std::runtime_error("cannot open the font " + fontFile);
}

TextPainter::~TextPainter() = default;

float TextPainter::width(const std::string& text, int pixelSize) const
{
    setSize(library_->face, pixelSize);
    return static_cast<float>(advanceOf(library_->face, text));
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
