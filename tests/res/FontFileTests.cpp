// The game's font file, opened the way the game opens it.
#include "res/ResourceFiles.h"
#include "tests/support/GlContext.h"
#include "text/Font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <gtest/gtest.h>

TEST(ShippedFont, InitialisesAtTheGamesSizeAndHoldsEveryPrintableAsciiCharacter)
{
    ensureGlContext();
    EXPECT_NO_THROW(Font::instance().init(res::fontFile, res::fontSize));

    FT_Library library = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    FT_Face face = nullptr;
    ASSERT_EQ(FT_New_Face(library, res::fontFile, 0, &face), 0);
    // A missing character would print as the font's empty box in the height message.
    for (char c = ' '; c <= '~'; ++c)
        EXPECT_NE(FT_Get_Char_Index(face, static_cast<unsigned char>(c)), 0u) << "no glyph for '" << c << "'";
    FT_Done_Face(face);
    FT_Done_FreeType(library);
}
