#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>

// Texts on screen are short; a longer one is cut rather than let run past its
// buffer.
constexpr std::size_t maxTextLength = 255;

// Expands a printf-style format with its arguments into at most maxTextLength
// characters. A null format gives the empty text.
std::string formatText(const char* format, std::va_list args) __attribute__((format(printf, 1, 0)));
