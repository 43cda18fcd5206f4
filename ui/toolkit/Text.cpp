#include "ui/toolkit/Text.h"

#include <charconv>
#include <cmath>

namespace tk {

std::string Str(std::int64_t value) { return std::to_string(value); }
std::string Str(int value) { return std::to_string(value); }

std::string Str(double value) {
  if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15) {
    return std::to_string(static_cast<std::int64_t>(value));
  }
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  if (ec != std::errc()) return "0";
  return std::string(buffer, end);
}

double Val(const std::string& text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
  const std::size_t start = i;
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < n && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < n && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < n && text[j] >= '0' && text[j] <= '9') {
      while (j < n && text[j] >= '0' && text[j] <= '9') ++j;
      i = j;
    }
  }
  // from_chars reads "." as the decimal point whatever the machine's
  // language, as the settings file needs; it takes no "+" sign.
  const char* first = text.data() + start;
  if (*first == '+') ++first;
  double value = 0.0;
  const auto [end, ec] = std::from_chars(first, text.data() + i, value);
  if (ec != std::errc() || end != text.data() + i) return 0.0;
  return std::isfinite(value) ? value : 0.0;
}

std::int64_t InStr(const std::string& source, const std::string& find) { return InStr(1, source, find); }

std::int64_t InStr(std::int64_t start, const std::string& source, const std::string& find) {
  if (start < 1) start = 1;
  if (find.empty() || std::size_t(start - 1) > source.size()) return 0;
  const std::size_t at = source.find(find, std::size_t(start - 1));
  return at == std::string::npos ? 0 : std::int64_t(at) + 1;
}

std::string ReplaceAll(const std::string& source, const std::string& from, const std::string& to) {
  if (from.empty()) return source;
  std::string result;
  result.reserve(source.size());
  std::size_t pos = 0;
  for (;;) {
    const std::size_t at = source.find(from, pos);
    if (at == std::string::npos) break;
    result.append(source, pos, at - pos);
    result += to;
    pos = at + from.size();
  }
  result.append(source, pos, std::string::npos);
  return result;
}

std::string Left(const std::string& s, std::int64_t count) {
  if (count <= 0) return {};
  return s.substr(0, std::size_t(count));
}

std::string Right(const std::string& s, std::int64_t count) {
  if (count <= 0) return {};
  if (std::size_t(count) >= s.size()) return s;
  return s.substr(s.size() - std::size_t(count));
}

std::string Mid(const std::string& s, std::int64_t start, std::int64_t count) {
  if (start < 1) start = 1;
  if (std::size_t(start - 1) >= s.size()) return {};
  if (count < 0) return s.substr(std::size_t(start - 1));
  return s.substr(std::size_t(start - 1), std::size_t(count));
}

std::int64_t Len(const std::string& s) { return std::int64_t(s.size()); }

std::string Chr(int code) { return std::string(1, static_cast<char>(code)); }

}  // namespace tk
