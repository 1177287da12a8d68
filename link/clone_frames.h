// The bytes and frame sizes of the clone conversation, shared by the program's
// side and the simulated radio's side.
#pragma once

#include <cstddef>
#include <cstdint>

namespace qm314::clone {

inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kIdentifyRequest = 0x02;
inline constexpr std::uint8_t kReadRequest = 0x52;   // "R"
inline constexpr std::uint8_t kWriteRequest = 0x57;  // "W"

inline constexpr std::size_t kFrameBytes = 8;         // data bytes per block
inline constexpr std::size_t kRequestBytes = 4;       // command, address high, low, length
inline constexpr std::size_t kIdentityBytes = 8;
inline constexpr std::size_t kAnswerHeaderBytes = 4;  // not examined by the program
inline constexpr std::size_t kReadAnswerBytes = kAnswerHeaderBytes + kFrameBytes;

inline constexpr int kReadBlocks = 128;   // addresses 0x000-0x3F8: the whole image
inline constexpr int kWriteBlocks = 123;  // addresses 0x000-0x3D0: up to offset 0x3D7

inline constexpr int kWakeUpAttempts = 15;
inline constexpr int kConfirmSendRepeats = 3;

// The progress bar runs 0-123; a block steps it while it is at most the limit.
inline constexpr int kProgressFull = 123;
inline constexpr int kWriteProgressLimit = 121;
inline constexpr int kReadProgressLimit = 122;

constexpr unsigned BlockAddress(int block) { return static_cast<unsigned>(block) * kFrameBytes; }

}  // namespace qm314::clone
