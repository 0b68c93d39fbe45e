#include "graphics/Texture.h"

#include "graphics/TgaImage.h"
#include "resfile/UnusableFile.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <cstring>
#include <string>
#include <strings.h>

bool hasTgaExtension(const char* fileName)
{
    const char* dot = std::strrchr(fileName, '.');
    return dot != nullptr && strcasecmp(dot, ".tga") == 0;
}

namespace {

// Every picture is drawn once across its quad, never tiled. WebGL repeats only
// textures whose sides are powers of two, which the backdrop's are not, so in
// the browser the pictures are clamped; the desktop keeps the wrap its picture
// has always been drawn with.
#ifdef __EMSCRIPTEN__
constexpr GLint pictureWrap = GL_CLAMP_TO_EDGE;
#else
constexpr GLint pictureWrap = GL_REPEAT;
#endif

// Whether the GL can make a texture of this size at all: one it cannot take
// would be left incomplete and draw as a white square. Every GL, WebGL's too,
// tells its largest side; proxy textures, which would ask about the very
// picture, are not found in WebGL.
bool fitsTheGl(const TgaImage& image)
{
    GLint largestSide = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largestSide);
    return image.width <= largestSide && image.height <= largestSide;
}

// Why the picture cannot become a texture, or nothing when it can.
std::string unusablePicture(const char* fileName, TgaImage& image)
{
    if (!hasTgaExtension(fileName))
        return "not a .tga name";
    if (!image.load(fileName))
        return image.problem;
    if (image.bitsPerPixel != 32)
        return "a greyscale picture; only colour ones are drawn";
    if (!fitsTheGl(image))
        return "larger than this GL's textures (" + std::to_string(image.width) + " by "
            + std::to_string(image.height) + ")";
    return "";
}

}

unsigned loadTexture(const char* fileName)
{
    TgaImage image;
    if (std::string problem = unusablePicture(fileName, image); !problem.empty()) {
        reportUnusableFile("picture", fileName, problem);
        return 0;
    }
    // Rows are tightly packed; the font's glyph textures rely on this too.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, pictureWrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, pictureWrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image.width, image.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 image.pixels.data());
    image.release();
    return texture;
}
