#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace quirlweg::classroom {

// The code a pupil types to join: letters and digits that no handwriting or font confuses.
inline constexpr std::string_view kCodeAlphabet = "ACDEFHJKLMNPRTUVWXY34679";
inline constexpr std::size_t kCodeLength = 5;
// A first name has at most this many letters.
inline constexpr std::size_t kLongestName = 16;

// Random numbers from the operating system, for what must not be guessed.
class SecretSource {
 public:
  std::uint64_t Draw() { return (std::uint64_t{device_()} << 32) | device_(); }

 private:
  std::random_device device_;
};

std::string MakeClassCode(SecretSource& secrets);
// A device's or the board's token: 128 random bits in hex.
std::string MakeToken(SecretSource& secrets);
// The code as typed, with small letters and spaces around allowed; nothing for a text that
// cannot be a class code.
std::optional<std::string> NormalizedCode(std::string_view typed);
// A first name as typed: trimmed, 1 to 16 letters (Latin, with accents) and inner hyphens or
// spaces. Nothing for anything else, so that no name carries markup or control characters.
std::optional<std::string> CheckedName(std::string_view typed);

}  // namespace quirlweg::classroom
