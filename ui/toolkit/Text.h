#pragma once
#include <cstdint>
#include <string>

namespace tk {

// Number-to-text: plain decimal ("3", "-2").
std::string Str(std::int64_t value);
std::string Str(int value);
// Reals: the shortest text that reads back as the same number ("1.5", "7").
std::string Str(double value);

// Text-to-number: the leading number of the text (after leading blanks), or 0
// when it does not start with one. "7.9" -> 7.9, "-2" -> -2, "abc" -> 0.
double Val(const std::string& text);

// Position (counting from 1) of the first occurrence of find in source at or
// after position start; 0 when absent.
std::int64_t InStr(const std::string& source, const std::string& find);
std::int64_t InStr(std::int64_t start, const std::string& source, const std::string& find);

std::string ReplaceAll(const std::string& source, const std::string& from, const std::string& to);
std::string Left(const std::string& s, std::int64_t count);
std::string Right(const std::string& s, std::int64_t count);
std::string Mid(const std::string& s, std::int64_t start, std::int64_t count = -1);
std::int64_t Len(const std::string& s);
std::string Chr(int code);

}  // namespace tk
