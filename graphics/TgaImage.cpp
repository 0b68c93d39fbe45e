#include "graphics/TgaImage.h"

#include "resfile/ResourceFile.h"

#include <algorithm>

namespace {

constexpr std::size_t headerSize = 18;
constexpr std::uint8_t topLeftOriginBit = 0x20;
constexpr std::uint8_t runLengthBit = 0x80;
constexpr std::uint8_t packetCountMask = 0x7F;

enum ImageType : std::uint8_t { TrueColour = 2, Greyscale = 3, RunLengthTrueColour = 10 };

// Reads bytes from the file held in memory; running past the end is an error,
// never a read past the buffer.
class ByteReader {
public:
    explicit ByteReader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    bool has(std::size_t count) const { return count <= bytes_.size() - position_; }
    std::uint8_t byte() { return bytes_[position_++]; }
    std::uint16_t word()
    {
        std::uint16_t low = byte();
        return static_cast<std::uint16_t>(low | (byte() << 8));
    }
    void skip(std::size_t count) { position_ += count; }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t position_ = 0;
};

void readHeader(ByteReader& in, TgaImage& image)
{
    image.idLength = in.byte();
    image.colourMapType = in.byte();
    image.imageType = in.byte();
    image.colourMapFirstEntry = in.word();
    image.colourMapLength = in.word();
    image.colourMapEntrySize = in.byte();
    image.xOrigin = in.word();
    image.yOrigin = in.word();
    image.headerWidth = static_cast<std::int16_t>(in.word());
    image.headerHeight = static_cast<std::int16_t>(in.word());
    image.pixelDepth = in.byte();
    image.imageDescriptor = in.byte();
}

// The ID field and any colour-map data sit between the header and the pixels.
std::size_t bytesBeforePixels(const TgaImage& image)
{
    std::size_t entryBytes = (image.colourMapEntrySize + 7u) / 8u;
    std::size_t colourMapBytes = image.colourMapType != 0 ? image.colourMapLength * entryBytes : 0;
    return image.idLength + colourMapBytes;
}

// Reads one stored pixel (B, G, R[, A]) and writes it as R, G, B, A.
void copyTrueColourPixel(ByteReader& in, int depth, std::uint8_t* out)
{
    std::uint8_t blue = in.byte();
    std::uint8_t green = in.byte();
    std::uint8_t red = in.byte();
    out[0] = red;
    out[1] = green;
    out[2] = blue;
    out[3] = depth == 32 ? in.byte() : 255;
}

constexpr const char* truncated = "truncated";

// Each decoder says what is wrong with the pixel data, or nothing when it
// decoded the whole picture.
const char* decodeUncompressed(ByteReader& in, int depth, std::size_t pixelCount, std::vector<std::uint8_t>& out)
{
    std::size_t storedBytes = static_cast<std::size_t>(depth / 8);
    if (!in.has(pixelCount * storedBytes))
        return truncated;
    if (depth == 8) {
        for (std::size_t i = 0; i < pixelCount; ++i)
            out[i] = in.byte();
        return nullptr;
    }
    for (std::size_t i = 0; i < pixelCount; ++i)
        copyTrueColourPixel(in, depth, &out[4 * i]);
    return nullptr;
}

const char* decodeRunLength(ByteReader& in, int depth, std::size_t pixelCount, std::vector<std::uint8_t>& out)
{
    std::size_t storedBytes = static_cast<std::size_t>(depth / 8);
    std::size_t done = 0;
    while (done < pixelCount) {
        if (!in.has(1))
            return truncated;
        std::uint8_t packet = in.byte();
        std::size_t count = (packet & packetCountMask) + 1u;
        if (count > pixelCount - done)
            return "a run-length packet runs past the end of the picture";
        bool isRun = (packet & runLengthBit) != 0;
        if (!in.has((isRun ? 1 : count) * storedBytes))
            return truncated;
        if (isRun) {
            std::uint8_t* first = &out[4 * done];
            copyTrueColourPixel(in, depth, first);
            for (std::size_t i = 1; i < count; ++i)
                std::copy(first, first + 4, &out[4 * (done + i)]);
        } else {
            for (std::size_t i = 0; i < count; ++i)
                copyTrueColourPixel(in, depth, &out[4 * (done + i)]);
        }
        done += count;
    }
    return nullptr;
}

void flipRows(std::vector<std::uint8_t>& pixels, std::size_t rowBytes, std::size_t rows)
{
    std::vector<std::uint8_t> flipped(pixels.size());
    for (std::size_t r = 0; r < rows; ++r)
        std::copy_n(&pixels[(rows - 1 - r) * rowBytes], rowBytes, &flipped[r * rowBytes]);
    pixels.swap(flipped);
}

// The most a file with this header can hold: the header, the ID field and
// colour map it announces, its pixels at their worst (run-length coded one
// pixel a packet), and room for the optional extension area and footer.
std::size_t largestFileFor(const TgaImage& image, std::size_t pixelCount)
{
    constexpr std::size_t trailerRoom = 64 * 1024;
    std::size_t storedBytes = image.pixelDepth / 8u;
    std::size_t packetBytes = image.imageType == RunLengthTrueColour ? 1 : 0;
    return headerSize + bytesBeforePixels(image) + pixelCount * (packetBytes + storedBytes) + trailerRoom;
}

// What keeps the header from being one we read, or nothing.
std::string unsupportedHeader(const TgaImage& image)
{
    bool typeKnown = image.imageType == TrueColour || image.imageType == Greyscale
        || image.imageType == RunLengthTrueColour;
    bool depthKnown = image.pixelDepth == 8 || image.pixelDepth == 24 || image.pixelDepth == 32;
    bool runLengthGrey = image.imageType == RunLengthTrueColour && image.pixelDepth == 8;
    if (!typeKnown || !depthKnown || runLengthGrey)
        return "not a TGA picture we read (type " + std::to_string(image.imageType) + ", "
            + std::to_string(image.pixelDepth) + " bits a pixel)";
    if (image.headerWidth <= 0 || image.headerHeight <= 0)
        return "a TGA picture without pixels (" + std::to_string(image.headerWidth) + " by "
            + std::to_string(image.headerHeight) + ")";
    return "";
}

}

bool TgaImage::load(const char* fileName)
{
    if (!pixels.empty())
        return true;
    ResourceFile file(fileName);
    if (!file.isOpen())
        return refuse(file.problem());
    if (file.size() < headerSize)
        return refuse("truncated: shorter than a TGA header");
    // The header first: it says how large the file may be before anything
    // more is read.
    std::vector<std::uint8_t> bytes(headerSize);
    if (!file.read(bytes.data(), headerSize))
        return refuse(file.problem());
    ByteReader header(bytes);
    readHeader(header, *this);
    if (std::string unsupported = unsupportedHeader(*this); !unsupported.empty())
        return refuse(unsupported);
    std::size_t pixelCount = static_cast<std::size_t>(headerWidth) * static_cast<std::size_t>(headerHeight);
    std::size_t decodedBytesPerPixel = pixelDepth == 8 ? 1 : 4;
    if (pixelCount * decodedBytesPerPixel > maxTgaPixelBytes)
        return refuse("larger than the " + describeSize(maxTgaPixelBytes) + " of pixels we take ("
                      + std::to_string(headerWidth) + " by " + std::to_string(headerHeight) + ")");
    if (file.size() > largestFileFor(*this, pixelCount))
        return refuse("larger than its header can need (" + describeSize(file.size()) + ")");

    bytes.resize(static_cast<std::size_t>(file.size()));
    if (!file.read(bytes.data() + headerSize, bytes.size() - headerSize))
        return refuse(file.problem());
    ByteReader in(bytes);
    in.skip(headerSize);
    if (!in.has(bytesBeforePixels(*this)))
        return refuse(truncated);
    in.skip(bytesBeforePixels(*this));

    std::vector<std::uint8_t> decoded(pixelCount * decodedBytesPerPixel);
    const char* broken = imageType == RunLengthTrueColour ? decodeRunLength(in, pixelDepth, pixelCount, decoded)
                                                          : decodeUncompressed(in, pixelDepth, pixelCount, decoded);
    if (broken != nullptr)
        return refuse(broken);

    width = headerWidth;
    height = headerHeight;
    bitsPerPixel = pixelDepth == 24 ? 32 : pixelDepth;
    if ((imageDescriptor & topLeftOriginBit) == 0)
        flipRows(decoded, static_cast<std::size_t>(width) * decodedBytesPerPixel, static_cast<std::size_t>(height));
    pixels.swap(decoded);
    problem.clear();
    return true;
}

bool TgaImage::refuse(std::string reason)
{
    problem = std::move(reason);
    return false;
}

void TgaImage::release()
{
    pixels.clear();
    pixels.shrink_to_fit();
}
