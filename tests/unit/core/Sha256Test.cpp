// SHA-256 against the published NIST test vectors (FIPS 180-2 examples and the SHAVS short
// messages, among them the empty message and a message of exactly one 64-byte block), the
// lengths around the padding boundary, and feeding the same bytes in pieces of any size: each
// through the portable block function and through the processor's SHA instructions (where the
// processor has them), and both against each other on random data.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/Sha256.h"

namespace {

std::vector<uint8_t> FromHex(const std::string& hex) {
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i + 1 < hex.size(); i += 2)
    bytes.push_back(static_cast<uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  return bytes;
}

struct TBlockFunction {
  const char* Name;
  TSha256Blocks Blocks;
};

class Sha256 : public ::testing::TestWithParam<TBlockFunction> {
 protected:
  void SetUp() override {
    if (GetParam().Blocks == nullptr) GTEST_SKIP() << "the processor has no SHA instructions";
  }
  TSha256 NewSha() const { return TSha256(GetParam().Blocks); }
  String DigestOf(const std::string& bytes) const {
    TSha256 sha = NewSha();
    sha.Update(bytes.data(), bytes.size());
    return TSha256::Hex(sha.Final());
  }
  String DigestOf(const std::vector<uint8_t>& bytes) const {
    return DigestOf(std::string(bytes.begin(), bytes.end()));
  }
};

TEST_P(Sha256, EmptyMessage) {
  EXPECT_EQ(DigestOf(std::string()),
            L"e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
}

TEST_P(Sha256, NoBytesFromNoBufferAreNothing) {
  // An empty vector's data() is null: feeding it must be harmless.
  TSha256 sha = NewSha();
  sha.Update(nullptr, 0);
  sha.Update("abc", 3);
  sha.Update(nullptr, 0);
  EXPECT_EQ(TSha256::Hex(sha.Final()), DigestOf(std::string("abc")));
}

TEST_P(Sha256, OneBlockMessageAbc) {
  EXPECT_EQ(DigestOf(std::string("abc")),
            L"ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
}

TEST_P(Sha256, ShortMessagesOfOneAndFourBytes) {
  EXPECT_EQ(DigestOf(FromHex("bd")),
            L"68325720aabd7c82f30f554b313d0570c95accbb7dc4b5aae11204c08ffe732b");
  EXPECT_EQ(DigestOf(FromHex("c98c8e55")),
            L"7abc22c0ae5af26ce93dbb94433a0e0b2e119d014f8e7f65bd56c61ccccd9504");
}

TEST_P(Sha256, MessageOfExactlyOneBlock) {
  const std::vector<uint8_t> message = FromHex(
      "5a86b737eaea8ee976a0a24da63e7ed7eefad18a101c1211e2b3650c5187c2a8a650547208251f6d4237e661c7"
      "bf4c77f335390394c37fa1a9f9be836ac28509");
  ASSERT_EQ(message.size(), 64u);
  EXPECT_EQ(DigestOf(message), L"42e61e174fbb3897d6dd6cef3dd2802fe67b331953b06114a65c772859dfc1aa");
}

TEST_P(Sha256, TwoBlockMessageOf448Bits) {
  EXPECT_EQ(DigestOf(std::string("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
            L"248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
}

TEST_P(Sha256, MessageOf896Bits) {
  EXPECT_EQ(DigestOf(std::string("abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmno"
                                 "ijklmnopjklmnopqklmnopqrlmnopqrsmnopqrstnopqrstu")),
            L"cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1");
}

TEST_P(Sha256, OneMillionTimesA) {
  TSha256 sha = NewSha();
  const std::string thousand(1000, 'a');
  for (int i = 0; i < 1000; ++i) sha.Update(thousand.data(), thousand.size());
  EXPECT_EQ(TSha256::Hex(sha.Final()),
            L"cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

TEST_P(Sha256, LengthsAroundThePaddingBoundary) {
  // 55 bytes leave room for the length in the last block; 56 do not.
  EXPECT_EQ(DigestOf(std::string(55, 'a')),
            L"9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318");
  EXPECT_EQ(DigestOf(std::string(56, 'a')),
            L"b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a");
  EXPECT_EQ(DigestOf(std::string(63, 'a')),
            L"7d3e74a05d7db15bce4ad9ec0658ea98e3f06eeecf16b4c6fff2da457ddc2f34");
  EXPECT_EQ(DigestOf(std::string(65, 'a')),
            L"635361c48bb9eab14198e76ea8ab7f1a41685d6ad62aa9146d301d4f17eb0ae0");
}

TEST_P(Sha256, PiecesOfAnySizeGiveTheSameDigest) {
  std::string message;
  for (int i = 0; i < 300; ++i) message += static_cast<char>(i * 7);
  const String whole = DigestOf(message);
  for (size_t piece : {1u, 3u, 63u, 64u, 65u, 200u}) {
    TSha256 sha = NewSha();
    for (size_t at = 0; at < message.size(); at += piece)
      sha.Update(message.data() + at, std::min(piece, message.size() - at));
    EXPECT_EQ(TSha256::Hex(sha.Final()), whole) << "pieces of " << piece;
  }
}

TEST_P(Sha256, FinalStartsOver) {
  TSha256 sha = NewSha();
  sha.Update("abc", 3);
  sha.Final();
  EXPECT_EQ(TSha256::Hex(sha.Final()),
            L"e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
}

INSTANTIATE_TEST_SUITE_P(BlockFunctions, Sha256,
                         ::testing::Values(TBlockFunction{"Portable", &Sha256PortableBlocks},
                                           TBlockFunction{"Hardware", Sha256HardwareBlocks()}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(Sha256BlockFunctions, AgreeOnRandomData) {
  if (Sha256HardwareBlocks() == nullptr) GTEST_SKIP() << "the processor has no SHA instructions";
  std::mt19937 random(20261209);
  for (int round = 0; round < 50; ++round) {
    std::string message(std::uniform_int_distribution<size_t>(0, 3000)(random), '\0');
    for (char& c : message) c = static_cast<char>(random());
    TSha256 portable(&Sha256PortableBlocks);
    TSha256 hardware(Sha256HardwareBlocks());
    portable.Update(message.data(), message.size());
    hardware.Update(message.data(), message.size());
    ASSERT_EQ(portable.Final(), hardware.Final()) << "message of " << message.size() << " bytes";
  }
}

}  // namespace
