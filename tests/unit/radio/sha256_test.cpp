// SHA-256 against the published test vectors, padding across a block edge included.
#include "radio/sha256.h"

#include <gtest/gtest.h>

#include <string>

namespace qm314 {
namespace {

std::string HexOf(const std::string& text) {
  return Sha256Hex(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

TEST(Sha256, MatchesTheStandardVectors) {
  EXPECT_EQ(HexOf(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(HexOf("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  // 56 bytes: the length no longer fits the first block.
  EXPECT_EQ(HexOf("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
  EXPECT_EQ(HexOf(std::string(1000000, 'a')),
            "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

}  // namespace
}  // namespace qm314
