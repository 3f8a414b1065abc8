#include "import/TextDecoding.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The characters of the bytes 0x80 ... 0x9F in Windows-1252; 0xA0 ... 0xFF
// are the Latin-1 characters of the same number.
constexpr std::array<char32_t, 32> kCp1252Upper = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // € ‚ ƒ „ … † ‡
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,  // ˆ ‰ Š ‹ Œ   Ž
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //   ‘ ’ “ ” • – —
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,  // ˜ ™ š › œ   ž Ÿ
};

char32_t Cp1252Character(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kCp1252Upper[byte - 0x80];
  return byte;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the well-formed sequence starting at `at`, or 0.
std::size_t SequenceLength(std::string_view bytes, std::size_t at) {
  const auto lead = static_cast<unsigned char>(bytes[at]);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;  // the range of the second byte, which rules
  unsigned char high = 0xBF; // out overlong forms and surrogates
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (at + length > bytes.size()) return 0;
  const auto second = static_cast<unsigned char>(bytes[at + 1]);
  if (second < low || second > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (!IsContinuation(static_cast<unsigned char>(bytes[at + i]))) return 0;
  return length;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (std::size_t at = 0; at < bytes.size();) {
    // Runs of ASCII are the same in both encodings.
    std::size_t end = at;
    while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) < 0x80) ++end;
    out.append(bytes.substr(at, end - at));
    if (end == bytes.size()) break;
    AppendUtf8(out, Cp1252Character(static_cast<unsigned char>(bytes[end])));
    at = end + 1;
  }
  return out;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t length = SequenceLength(bytes, at);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

std::string DecodeBankFileText(std::string_view bytes) {
  if (bytes.starts_with(kUtf8ByteOrderMark)) bytes.remove_prefix(kUtf8ByteOrderMark.size());
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return Cp1252ToUtf8(bytes);
}

bool LooksLikeBinary(std::string_view bytes) {
  std::size_t controls = 0;
  for (const char byte : bytes) {
    const auto c = static_cast<unsigned char>(byte);
    if (c == 0) return true;
    if (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f') ++controls;
  }
  return controls * 100 > bytes.size();
}
