#include "text/TextFormat.h"

#include <cstdio>

std::string formatText(const char* format, std::va_list args)
{
    if (format == nullptr)
        return {};
    char buffer[maxTextLength + 1] = "";
    if (std::vsnprintf(buffer, sizeof buffer, format, args) < 0)
        return {};
    return buffer;
}
