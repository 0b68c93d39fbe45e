#include "text/Font.h"

#include "resfile/ResourceFile.h"
#include "resfile/UnusableFile.h"
#include "text/GlyphImage.h"
#include "text/TextFormat.h"
#include "text/TextLines.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_GLYPH_H
#include <GL/gl.h>

#include <cstdint>
#include <memory>
#include <string>

namespace {

constexpr int glyphCount = 128;
constexpr int fixedPointOne = 64; // FreeType's 26.6 fixed point
constexpr int fixedPointShift = 6;
constexpr unsigned dotsPerInch = 96;
constexpr float lineSpacing = 1.5873016f; // lines are the font height / 0.63 apart
// No glyph of a sound font is larger than a few ems; one that claims more
// would cost a huge bitmap for nothing.
constexpr FT_Pos largestGlyphInEms = 4;
constexpr const char* brokenFontFile = "FT_New_Face failed (there is probably a problem with your font file)";
// The font is read whole into memory; the one we ship is 132 KiB, and even a
// font of every script stays well under this.
constexpr std::uint64_t largestFontBytes = 32 * 1024 * 1024;

struct LibraryCloser {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FaceCloser {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};
struct GlyphCloser {
    void operator()(FT_Glyph glyph) const { FT_Done_Glyph(glyph); }
};
using LibraryHandle = std::unique_ptr<FT_LibraryRec_, LibraryCloser>;
using FaceHandle = std::unique_ptr<FT_FaceRec_, FaceCloser>;
using GlyphHandle = std::unique_ptr<FT_GlyphRec_, GlyphCloser>;

LibraryHandle openLibrary()
{
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0)
        throw std::runtime_error("FT_Init_FreeType failed");
    return LibraryHandle(library);
}

[[noreturn]] void fontFileFails(const char* fixedText, const char* fontFile, const std::string& reason)
{
    throw FontFileError(fixedText, describeUnusableFile("font", fontFile, reason));
}

std::string freeTypeError(FT_Error error)
{
    return "FreeType error " + std::to_string(error);
}

// The file is read by us, not by FreeType, so that nothing but a regular file
// of a bounded size is opened: a FIFO in its place would block start-up.
std::vector<std::uint8_t> readFontFile(const char* fontFile)
{
    ResourceFile file(fontFile);
    std::vector<std::uint8_t> bytes;
    if (!file.readAll(bytes, largestFontBytes))
        fontFileFails(brokenFontFile, fontFile, file.problem());
    return bytes;
}

// The face reads from the bytes until it is closed, so they must outlive it.
FaceHandle openFace(FT_Library library, const char* fontFile, const std::vector<std::uint8_t>& bytes)
{
    FT_Face face = nullptr;
    if (FT_New_Memory_Face(library, bytes.data(), static_cast<FT_Long>(bytes.size()), 0, &face) != 0)
        fontFileFails(brokenFontFile, fontFile, "not a font FreeType can read");
    return FaceHandle(face);
}

std::string glyphProblem(int code, const std::string& what)
{
    return "the glyph of character " + std::to_string(code) + " " + what;
}

// Loads the glyph of the character code and renders it to an 8-bit coverage
// bitmap glyph. A glyph larger than any font's (a face whose units per em
// were shrunk, say) marks the file as broken before it is rendered.
GlyphHandle renderGlyph(FT_Face face, const char* fontFile, int code)
{
    if (FT_Error error = FT_Load_Glyph(face, FT_Get_Char_Index(face, code), FT_LOAD_DEFAULT); error != 0)
        fontFileFails("FT_Load_Glyph failed", fontFile, glyphProblem(code, "would not load: " + freeTypeError(error)));
    FT_Pos largest = largestGlyphInEms * face->size->metrics.x_ppem * fixedPointOne;
    if (face->glyph->metrics.width > largest || face->glyph->metrics.height > largest)
        fontFileFails(brokenFontFile, fontFile,
                      glyphProblem(code, "is over " + std::to_string(largestGlyphInEms) + " ems large"));
    FT_Glyph glyph = nullptr;
    if (FT_Error error = FT_Get_Glyph(face->glyph, &glyph); error != 0)
        fontFileFails("FT_Get_Glyph failed", fontFile, glyphProblem(code, "would not copy: " + freeTypeError(error)));
    FT_Glyph_To_Bitmap(&glyph, FT_RENDER_MODE_NORMAL, nullptr, 1);
    return GlyphHandle(glyph);
}

// The rendered bitmap, or nothing when the glyph would not render (it then
// draws nothing but still moves the pen).
FT_BitmapGlyph bitmapOf(const GlyphHandle& glyph)
{
    if (glyph->format != FT_GLYPH_FORMAT_BITMAP)
        return nullptr;
    return reinterpret_cast<FT_BitmapGlyph>(glyph.get());
}

// The quad sits on the baseline by the glyph's bearings; the bitmap fills the
// top-left of its texture.
GlyphQuad quadOf(FT_BitmapGlyph bitmap, const GlyphImage& image, float advance)
{
    GlyphQuad quad;
    if (bitmap != nullptr) {
        quad.left = static_cast<float>(bitmap->left);
        quad.top = static_cast<float>(bitmap->top);
        quad.width = static_cast<float>(bitmap->bitmap.width);
        quad.rows = static_cast<float>(bitmap->bitmap.rows);
    }
    quad.textureRight = quad.width / static_cast<float>(image.width);
    quad.textureBottom = quad.rows / static_cast<float>(image.height);
    quad.advance = advance;
    return quad;
}

GlyphImage imageOf(FT_BitmapGlyph bitmap)
{
    if (bitmap == nullptr)
        return makeGlyphImage(nullptr, 0, 0, 0);
    return makeGlyphImage(bitmap->bitmap.buffer, bitmap->bitmap.width, bitmap->bitmap.rows, bitmap->bitmap.pitch);
}

void uploadGlyphTexture(unsigned texture, const GlyphImage& image)
{
    // Glyph rows are tightly packed and of any even byte count.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    // Stored as it is given: WebGL takes no other format.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE_ALPHA, static_cast<GLsizei>(image.width),
                 static_cast<GLsizei>(image.height), 0, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE, image.texels.data());
}

GlyphQuad makeGlyph(FT_Face face, const char* fontFile, int code, unsigned texture)
{
    GlyphHandle glyph = renderGlyph(face, fontFile, code);
    FT_BitmapGlyph bitmap = bitmapOf(glyph);
    GlyphImage image = imageOf(bitmap);
    uploadGlyphTexture(texture, image);
    float advance = static_cast<float>(face->glyph->advance.x >> fixedPointShift);
    return quadOf(bitmap, image, advance);
}

// What print switches for the text, to be put back as the caller had it.
struct CallerState {
    GLint matrixMode = GL_MODELVIEW;
    GLboolean lighting = GL_FALSE;
    GLboolean texturing = GL_FALSE;
    GLboolean depthTest = GL_FALSE;
    GLboolean blending = GL_FALSE;
};

CallerState switchToText()
{
    CallerState caller;
    glGetIntegerv(GL_MATRIX_MODE, &caller.matrixMode);
    caller.lighting = glIsEnabled(GL_LIGHTING);
    caller.texturing = glIsEnabled(GL_TEXTURE_2D);
    caller.depthTest = glIsEnabled(GL_DEPTH_TEST);
    caller.blending = glIsEnabled(GL_BLEND);
    glMatrixMode(GL_MODELVIEW);
    glDisable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    return caller;
}

void setSwitch(GLenum capability, GLboolean on)
{
    if (on)
        glEnable(capability);
    else
        glDisable(capability);
}

void switchBack(const CallerState& caller)
{
    setSwitch(GL_LIGHTING, caller.lighting);
    setSwitch(GL_TEXTURE_2D, caller.texturing);
    setSwitch(GL_DEPTH_TEST, caller.depthTest);
    setSwitch(GL_BLEND, caller.blending);
    glMatrixMode(static_cast<GLenum>(caller.matrixMode));
}

}

Font& Font::instance()
{
    static Font* font = new Font();
    return *font;
}

void Font::init(const char* fontFile, unsigned size)
{
    LibraryHandle library = openLibrary();
    std::vector<std::uint8_t> fontBytes = readFontFile(fontFile);
    FaceHandle face = openFace(library.get(), fontFile, fontBytes);
    textures.assign(glyphCount, 0);
    height = static_cast<float>(size);
    FT_F26Dot6 charSize = static_cast<FT_F26Dot6>(size) * fixedPointOne;
    FT_Set_Char_Size(face.get(), charSize, charSize, dotsPerInch, dotsPerInch);
    glyphs.assign(glyphCount, {});
    glGenTextures(glyphCount, textures.data());
    for (int code = 0; code < glyphCount; ++code)
        glyphs[code] = makeGlyph(face.get(), fontFile, code, textures[code]);
}

// Each line starts at the caller's transform moved down by whole lines, the
// move made before the transform, and its glyphs move the pen along it.
void Font::drawLine(const std::string& line, int index, float lineHeight, const float* transform) const
{
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(0, -static_cast<float>(index) * lineHeight, 0);
    glMultMatrixf(transform);
    for (char code : glyphCodes(line))
        drawGlyphQuad(textures[static_cast<unsigned char>(code)], glyphs[static_cast<unsigned char>(code)]);
    glPopMatrix();
}

void Font::print(const char* format, ...)
{
    std::va_list args;
    va_start(args, format);
    std::string text = formatText(format, args);
    va_end(args);
    float lineHeight = height * lineSpacing;

    CallerState caller = switchToText();
    GLfloat transform[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, transform);
    std::vector<std::string> lines = splitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i)
        drawLine(lines[i], static_cast<int>(i), lineHeight, transform);
    switchBack(caller);
}
