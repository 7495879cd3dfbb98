// Extraction speed and memory: a setup with a 16 MiB and then a 64 MiB payload is extracted
// (archive copied out and hashed, its digest checked, records unpacked) and its time printed
// beside a plain copy of the same bytes (goal: at most 3 times the copy, from an optimised
// build), then the digest's own speed with the portable block function and with the
// processor's SHA instructions; the peak memory of the process must not grow with the payload,
// since extraction holds a few buffers of at most 256 KiB at a time.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "PeakMemory.h"
#include "app/Payload.h"
#include "core/Format.h"
#include "core/Sha256.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "support/TestSupport.h"

namespace {

using platform::TFileStream;
using Clock = std::chrono::steady_clock;

constexpr int64_t kMiB = 1024 * 1024;
// Only an optimised build's figures count against the goal.
#ifdef NDEBUG
constexpr const char* kBuild = "optimised";
#else
constexpr const char* kBuild = "debug";
#endif
constexpr int64_t kFileSize = 4 * kMiB;  // the payload is made of files of this size

void Put32(uint8_t* bytes, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
}

// Writes a small stub, then an archive of payloadMiB MiB of file data, a descriptor naming the
// archive's digest (as qrvpack writes it, so the extraction checks it) and the trailer, a 64 KiB
// block at a time.
void WriteSetup(const String& path, int64_t payloadMiB) {
  TFileStream out(path, TFileStream::Mode::Create);
  std::vector<uint8_t> block(64 * 1024);
  for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<uint8_t>(i * 13 + 7);
  out.Write(block.data(), 4096);  // stub
  const int64_t files = payloadMiB * kMiB / kFileSize;
  int64_t archiveSize = 0;
  TSha256 digest;
  for (int64_t f = 0; f < files; ++f) {
    char name[16];
    std::snprintf(name, sizeof name, "File%03d.bin", static_cast<int>(f));
    uint8_t header[5] = {static_cast<uint8_t>(std::strlen(name))};
    Put32(header + 1, static_cast<uint32_t>(kFileSize));
    out.Write(header, sizeof header);
    out.Write(name, header[0]);
    digest.Update(header, sizeof header);
    digest.Update(name, header[0]);
    for (int64_t written = 0; written < kFileSize; written += static_cast<int64_t>(block.size())) {
      out.Write(block.data(), block.size());
      digest.Update(block.data(), block.size());
    }
    archiveSize += static_cast<int64_t>(sizeof header) + header[0] + kFileSize;
  }
  const std::string descriptor =
      "[SETUP]\r\nVersion=26\r\nDigest=" + ToUtf8(TSha256::Hex(digest.Final())) + "\r\n";
  out.Write(descriptor.data(), descriptor.size());
  uint8_t trailer[8];
  Put32(trailer, static_cast<uint32_t>(archiveSize));
  Put32(trailer + 4, static_cast<uint32_t>(descriptor.size()));
  out.Write(trailer, sizeof trailer);
}

// A plain copy with a 64 KiB buffer: the baseline for the same bytes.
void CopyPlain(const String& from, const String& to) {
  TFileStream in(from, TFileStream::Mode::OpenRead);
  TFileStream out(to, TFileStream::Mode::Create);
  std::vector<uint8_t> buffer(64 * 1024);
  for (size_t count; (count = in.Read(buffer.data(), buffer.size())) > 0;)
    out.Write(buffer.data(), count);
}

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Extracts a setup of payloadMiB MiB five times, alternating with a plain copy, and prints the
// fastest of each (the machine may be busy with other work); each round's files are deleted
// before the next, so every round writes into the same amount of free memory. Returns the
// growth of the peak memory in KiB.
uint64_t MeasureExtraction(int64_t payloadMiB) {
  constexpr int kRounds = 5;
  testing_support::ScratchFolder scratch;
  const String setup = scratch / L"setup.exe";
  WriteSetup(setup, payloadMiB);

  const uint64_t peakBefore = PeakMemoryKiB();
  double extractMs = 1e300;
  double copyMs = 1e300;
  for (int round = 0; round < kRounds; ++round) {
    const String folder = scratch / L"out";
    platform::ForceDirectories(folder);
    TInstallerState state;
    const Clock::time_point extractStart = Clock::now();
    ExtractPayloadTo(state, setup, folder);
    extractMs = std::min(extractMs, MillisecondsSince(extractStart));
    EXPECT_EQ(state.ExtractedFiles.Count(), payloadMiB * kMiB / kFileSize);

    const Clock::time_point copyStart = Clock::now();
    CopyPlain(setup, scratch / L"copy.exe");
    copyMs = std::min(copyMs, MillisecondsSince(copyStart));
    testing_support::RemoveTree(folder);
    platform::DeleteFile(scratch / L"copy.exe");
  }
  const uint64_t peakAfter = PeakMemoryKiB();

  std::printf(
      "payload %3lld MiB (%s build): extraction %8.1f ms, plain copy of the same bytes %8.1f ms "
      "(%.1f times the copy; goal at most 3); peak memory %llu KiB before, %llu KiB after "
      "(growth %llu KiB)\n",
      static_cast<long long>(payloadMiB), kBuild, extractMs, copyMs, extractMs / copyMs,
      static_cast<unsigned long long>(peakBefore), static_cast<unsigned long long>(peakAfter),
      static_cast<unsigned long long>(peakAfter - peakBefore));
  return peakAfter - peakBefore;
}

TEST(PayloadBench, ExtractionMemoryDoesNotGrowWithThePayload) {
  const uint64_t growth16 = MeasureExtraction(16);
  const uint64_t growth64 = MeasureExtraction(64);
  // The first extraction adds its fixed cost, the buffers and the hashing thread (about 1 MiB
  // natively, 3.5 MiB under Wine). Growing with the payload would add tens of MiB between the
  // two runs.
  EXPECT_LT(growth16, 8192u);
  EXPECT_LT(growth64, 4096u);
}

// The digest's own speed with each block function, on 64 MiB held in memory.
TEST(PayloadBench, Sha256Throughput) {
  std::vector<uint8_t> block(64 * 1024);
  for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<uint8_t>(i * 13 + 7);
  const struct {
    const char* Name;
    TSha256Blocks Blocks;
  } functions[] = {{"portable", &Sha256PortableBlocks},
                   {"SHA instructions", Sha256HardwareBlocks()}};
  for (const auto& function : functions) {
    if (function.Blocks == nullptr) {
      std::printf("SHA-256 %-16s: not offered by this processor\n", function.Name);
      continue;
    }
    double fastestMs = 1e300;
    for (int round = 0; round < 3; ++round) {
      TSha256 sha(function.Blocks);
      const Clock::time_point start = Clock::now();
      for (int64_t done = 0; done < 64 * kMiB; done += static_cast<int64_t>(block.size()))
        sha.Update(block.data(), block.size());
      sha.Final();
      fastestMs = std::min(fastestMs, MillisecondsSince(start));
    }
    std::printf("SHA-256 %-16s: 64 MiB in %8.1f ms (%6.0f MB/s)\n", function.Name, fastestMs,
                64.0 * kMiB / 1e3 / fastestMs);
  }
}

}  // namespace
