// SHA-256 on the second thread: pieces of any size up to a block, handed over in order, give
// the digest of the whole (as a copy whose reads come back short hands them over), and ending
// early, with buffers still queued or one taken and never handed over, neither hangs nor loses
// what was handed over.
#include <gtest/gtest.h>

#include <cstring>

#include "PayloadTestData.h"
#include "app/HashingThread.h"

namespace {

constexpr size_t kBlock = 4096;

String DigestOf(const Bytes& bytes) {
  TSha256 sha;
  sha.Update(bytes.data(), bytes.size());
  return TSha256::Hex(sha.Final());
}

// Hands bytes to the thread in pieces of the sizes given, repeated until every byte is handed
// over.
void HandOver(THashingThread& hashing, const Bytes& bytes, const std::vector<size_t>& sizes) {
  size_t done = 0;
  for (size_t i = 0; done < bytes.size(); ++i) {
    const size_t size = std::min(sizes[i % sizes.size()], bytes.size() - done);
    std::memcpy(hashing.NextBuffer(), bytes.data() + done, size);
    hashing.Hash(size);
    done += size;
  }
}

TEST(HashingThread, PiecesOfAnySizeUpToABlockGiveTheDigestOfTheWhole) {
  const Bytes bytes = PatternBytes(5 * kBlock + 123, 7);
  const std::vector<std::vector<size_t>> patterns = {
      {kBlock}, {1}, {63, 64, 65}, {kBlock - 1, 0, 1, kBlock}, {5000 % kBlock, 17, kBlock / 2}};
  for (const auto& sizes : patterns) {
    TSha256 sha;
    {
      THashingThread hashing(sha, kBlock);
      HandOver(hashing, bytes, sizes);
      hashing.Finish();
    }
    EXPECT_EQ(TSha256::Hex(sha.Final()), DigestOf(bytes)) << "first piece " << sizes[0];
  }
}

TEST(HashingThread, MoreBlocksThanTheRingHoldsAreHashedInOrder) {
  // Each block differs, so a block hashed twice, skipped or out of order changes the digest.
  const Bytes bytes = PatternBytes(THashingThread::kRingBuffers * kBlock * 25 + 3, 11);
  TSha256 sha;
  THashingThread hashing(sha, kBlock);
  HandOver(hashing, bytes, {kBlock});
  hashing.Finish();
  EXPECT_EQ(TSha256::Hex(sha.Final()), DigestOf(bytes));
}

TEST(HashingThread, NothingHandedOverGivesTheDigestOfNothing) {
  TSha256 sha;
  THashingThread(sha, kBlock).Finish();
  EXPECT_EQ(TSha256::Hex(sha.Final()), DigestOf({}));
}

TEST(HashingThread, EndingWithoutFinishHashesWhatWasHandedOver) {
  const Bytes bytes = PatternBytes(THashingThread::kRingBuffers * kBlock, 12);
  TSha256 sha;
  {
    THashingThread hashing(sha, kBlock);
    HandOver(hashing, bytes, {kBlock});
  }
  EXPECT_EQ(TSha256::Hex(sha.Final()), DigestOf(bytes));
}

TEST(HashingThread, ABufferTakenButNeverHandedOverIsNotHashed) {
  // As when a read fails after NextBuffer(): the copy ends by an exception.
  const Bytes bytes = PatternBytes(kBlock + 10, 13);
  TSha256 sha;
  {
    THashingThread hashing(sha, kBlock);
    HandOver(hashing, bytes, {kBlock});
    std::memset(hashing.NextBuffer(), 0xAB, kBlock);
  }
  EXPECT_EQ(TSha256::Hex(sha.Final()), DigestOf(bytes));
}

}  // namespace
