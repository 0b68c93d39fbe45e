#include "text/TextLines.h"

#include <algorithm>

namespace {

constexpr unsigned char lastGlyphCode = 127;

}

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    for (auto end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::string glyphCodes(const std::string& line)
{
    std::string codes;
    std::copy_if(line.begin(), line.end(), std::back_inserter(codes),
                 [](char byte) { return static_cast<unsigned char>(byte) <= lastGlyphCode; });
    return codes;
}
