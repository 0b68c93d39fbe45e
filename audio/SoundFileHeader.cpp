#include "audio/SoundFileHeader.h"

#include <cstring>

namespace {

constexpr std::size_t riffHeaderBytes = 12;
constexpr std::size_t riffChunkHeaderBytes = 8;
constexpr std::size_t id3HeaderBytes = 10;
constexpr std::size_t id3FooterBytes = 10;
constexpr std::uint8_t id3FooterFlag = 0x10;
// The old ID3 tag, which an MP3 may carry after its last frame.
constexpr std::size_t id3v1TagBytes = 128;
constexpr std::size_t frameHeaderBytes = 4;
constexpr unsigned mpeg1 = 3;
constexpr unsigned mono = 3;
// The Xing frame: its name, its flags, then the fields the flags announce.
constexpr std::size_t xingFieldBytes = 4;
constexpr std::uint32_t xingFramesFlag = 1;
constexpr std::uint32_t xingBytesFlag = 2;

std::uint32_t littleEndian32(const std::uint8_t* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8
        | static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::uint32_t bigEndian32(const std::uint8_t* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) << 24 | static_cast<std::uint32_t>(bytes[1]) << 16
        | static_cast<std::uint32_t>(bytes[2]) << 8 | static_cast<std::uint32_t>(bytes[3]);
}

// ID3v2 sizes keep the top bit of each byte clear.
std::size_t synchsafe28(const std::uint8_t* bytes)
{
    return static_cast<std::size_t>(bytes[0] & 0x7F) << 21 | static_cast<std::size_t>(bytes[1] & 0x7F) << 14
        | static_cast<std::size_t>(bytes[2] & 0x7F) << 7 | static_cast<std::size_t>(bytes[3] & 0x7F);
}

bool isTagged(const std::vector<std::uint8_t>& file)
{
    return file.size() >= 3 && std::memcmp(file.data(), "ID3", 3) == 0;
}

bool isFrameSync(const std::uint8_t* bytes)
{
    return bytes[0] == 0xFF && (bytes[1] & 0xE0) == 0xE0;
}

std::string sizeAgainstHeader(std::size_t size, std::size_t shortest, std::size_t largest, std::size_t declared)
{
    if (size > largest)
        return "larger than its header says (" + std::to_string(declared) + " bytes)";
    if (size < shortest)
        return "truncated (its header says " + std::to_string(declared) + " bytes)";
    return "";
}

// A RIFF chunk may be followed by one byte of padding to an even length.
std::string wavProblem(const std::vector<std::uint8_t>& file)
{
    std::size_t riffSize = littleEndian32(&file[4]);
    std::size_t declared = riffChunkHeaderBytes + riffSize;
    return sizeAgainstHeader(file.size(), declared, declared + (riffSize & 1), declared);
}

// The encoder's Xing (or, for constant bit rates, Info) frame sits where the
// first frame's audio would begin, after its side information, and may give
// the stream's length in bytes.
std::string mp3Problem(const std::vector<std::uint8_t>& file)
{
    std::size_t tagBytes = 0;
    if (isTagged(file)) {
        if (file.size() < id3HeaderBytes)
            return "truncated";
        bool footer = (file[5] & id3FooterFlag) != 0;
        tagBytes = id3HeaderBytes + synchsafe28(&file[6]) + (footer ? id3FooterBytes : 0);
    }
    if (file.size() < tagBytes + frameHeaderBytes)
        return "truncated";
    const std::uint8_t* frame = &file[tagBytes];
    if (!isFrameSync(frame))
        return "";
    unsigned version = (frame[1] >> 3) & 3;
    unsigned channelMode = (frame[3] >> 6) & 3;
    // The side information's length in bytes, by MPEG version and channels.
    std::size_t sideInformation = version == mpeg1 ? (channelMode == mono ? 17 : 32) : (channelMode == mono ? 9 : 17);
    std::size_t xing = tagBytes + frameHeaderBytes + sideInformation;
    if (file.size() < xing + xingFieldBytes * 2)
        return "";
    const std::uint8_t* tag = &file[xing];
    if (std::memcmp(tag, "Xing", 4) != 0 && std::memcmp(tag, "Info", 4) != 0)
        return "";
    std::uint32_t flags = bigEndian32(tag + xingFieldBytes);
    std::size_t bytesField = xingFieldBytes * ((flags & xingFramesFlag) != 0 ? 3 : 2);
    if ((flags & xingBytesFlag) == 0 || file.size() < xing + bytesField + xingFieldBytes)
        return "";
    std::size_t streamBytes = bigEndian32(tag + bytesField);
    return sizeAgainstHeader(file.size(), tagBytes + streamBytes, tagBytes + streamBytes + id3v1TagBytes,
                             streamBytes);
}

}

bool startsLikeMp3(const std::uint8_t* start, std::size_t size)
{
    bool tagged = size >= 3 && std::memcmp(start, "ID3", 3) == 0;
    return tagged || (size >= 2 && isFrameSync(start));
}

std::string soundFileProblem(const std::vector<std::uint8_t>& file)
{
    if (file.size() >= riffHeaderBytes && std::memcmp(file.data(), "RIFF", 4) == 0
        && std::memcmp(&file[8], "WAVE", 4) == 0)
        return wavProblem(file);
    if (startsLikeMp3(file.data(), file.size()))
        return mp3Problem(file);
    if (file.size() < riffHeaderBytes)
        return "truncated, or not a sound";
    return "not an MP3 or WAV sound";
}
