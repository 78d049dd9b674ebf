#include "classroom/class_code.h"

#include <algorithm>
#include <cctype>

namespace quirlweg::classroom {
namespace {

constexpr char kHex[] = "0123456789abcdef";

// Letters of Latin script with their accented forms: Basic Latin, Latin-1 and Latin
// Extended-A, which cover the first names of German classrooms' languages written in Latin.
bool IsLetter(char32_t c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  if (c >= 0xC0 && c <= 0x24F) return c != 0xD7 && c != 0xF7;
  return false;
}

// The next code point of UTF-8 text, advancing `at`; nothing for a malformed sequence.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  std::size_t length = 0;
  char32_t c = 0;
  if (lead < 0x80) {
    length = 1;
    c = lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2;
    c = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    c = lead & 0x0F;
  } else {
    return std::nullopt;  // four bytes are never Latin letters
  }
  if (at + length > text.size()) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (byte(at + i) & 0x3F);
  }
  // An overlong form would let a byte sequence pass for a letter it does not spell.
  if ((length == 2 && c < 0x80) || (length == 3 && c < 0x800)) return std::nullopt;
  at += length;
  return c;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

std::string MakeClassCode(SecretSource& secrets) {
  std::string code;
  for (std::size_t i = 0; i < kCodeLength; ++i) {
    code += kCodeAlphabet[secrets.Draw() % kCodeAlphabet.size()];
  }
  return code;
}

std::string MakeToken(SecretSource& secrets) {
  std::string token;
  for (int half = 0; half < 2; ++half) {
    std::uint64_t bits = secrets.Draw();
    for (int i = 0; i < 16; ++i, bits >>= 4) token += kHex[bits & 0xF];
  }
  return token;
}

std::optional<std::string> NormalizedCode(std::string_view typed) {
  typed = Trimmed(typed);
  if (typed.size() != kCodeLength) return std::nullopt;
  std::string code;
  for (const char c : typed) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (kCodeAlphabet.find(upper) == std::string_view::npos) return std::nullopt;
    code += upper;
  }
  return code;
}

std::optional<std::string> CheckedName(std::string_view typed) {
  const std::string_view name = Trimmed(typed);
  std::size_t letters = 0;
  bool afterSeparator = true;  // no separator first, none twice
  for (std::size_t at = 0; at < name.size();) {
    const auto c = NextCodePoint(name, at);
    if (!c) return std::nullopt;
    if (*c == '-' || *c == ' ') {
      if (afterSeparator) return std::nullopt;
      afterSeparator = true;
      continue;
    }
    if (!IsLetter(*c) || ++letters > kLongestName) return std::nullopt;
    afterSeparator = false;
  }
  if (letters == 0 || afterSeparator) return std::nullopt;
  return std::string(name);
}

}  // namespace quirlweg::classroom
