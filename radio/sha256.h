// SHA-256 (FIPS 180-4), so a log can name exactly which bytes a radio was given.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace qm314 {

using Sha256Digest = std::array<std::uint8_t, 32>;

Sha256Digest Sha256(const std::uint8_t* bytes, std::size_t count);

// The digest as 64 lower-case hex digits, as sha256sum prints it.
std::string Sha256Hex(const std::uint8_t* bytes, std::size_t count);

}  // namespace qm314
