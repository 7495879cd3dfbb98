#include "compiler/PipeText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

// A stream with a callback that collects every delivered line.
struct TCollectingStream {
  explicit TCollectingStream(bool raw = false) {
    Stream.RawOutput = raw;
    Stream.TextHandler = [this](const String& line) { Lines.push_back(line); };
  }
  void Receive(const std::string& bytes) { AppendPipeChunk(Stream, bytes.data(), bytes.size()); }
  void Finish() {
    String unused;
    FinishPipeText(Stream, unused);
  }
  TPipeText Stream;
  std::vector<String> Lines;
};

using Lines = std::vector<String>;

String Accumulated(const std::string& bytes, bool raw = false) {
  TPipeText stream;
  stream.RawOutput = raw;
  AppendPipeChunk(stream, bytes.data(), bytes.size());
  String text;
  FinishPipeText(stream, text);
  return text;
}

}  // namespace

TEST(PipeLines, LineEndedByCrLfIsDeliveredAtOnce) {
  TCollectingStream s;
  s.Receive("first\r\nsecond");
  EXPECT_EQ(s.Lines, Lines{L"first"});
}

TEST(PipeLines, UnterminatedLastLineIsDeliveredWhenTheRunEnds) {
  TCollectingStream s;
  s.Receive("first\r\nsecond");
  s.Finish();
  EXPECT_EQ(s.Lines, (Lines{L"first", L"second"}));
}

TEST(PipeLines, TextEndedByBareCarriageReturnIsNotDelivered) {
  TCollectingStream s;
  s.Receive("Compiling 10%\rCompiling done\r\n");
  EXPECT_EQ(s.Lines, Lines{L"Compiling done"});
}

TEST(PipeLines, CarriageReturnAtEndOfOneReadAndLineFeedAtStartOfNextEndOneLine) {
  TCollectingStream s;
  s.Receive("abc\r");
  EXPECT_TRUE(s.Lines.empty());
  s.Receive("\ndef\r\n");
  EXPECT_EQ(s.Lines, (Lines{L"abc", L"def"}));
}

TEST(PipeLines, LineSplitAcrossTwoReadsIsDeliveredOnce) {
  TCollectingStream s;
  s.Receive("Hel");
  s.Receive("lo\r\n");
  EXPECT_EQ(s.Lines, Lines{L"Hello"});
}

TEST(PipeLines, EmptyLineIsDeliveredAsEmptyText) {
  TCollectingStream s;
  s.Receive("\r\n");
  EXPECT_EQ(s.Lines, Lines{L""});
}

TEST(PipeLines, LineFeedAloneEndsALine) {
  TCollectingStream s;
  s.Receive("one\ntwo\n");
  EXPECT_EQ(s.Lines, (Lines{L"one", L"two"}));
}

TEST(PipeLines, LastLineEndedByBareCarriageReturnIsDroppedWhenNotRaw) {
  TCollectingStream s;
  s.Receive("done\r\n99%\r");
  s.Finish();
  EXPECT_EQ(s.Lines, Lines{L"done"});
}

TEST(PipeLines, LastLineEndedByBareCarriageReturnLosesItWhenRaw) {
  TCollectingStream s(true);
  s.Receive("done\r\n99%\r");
  s.Finish();
  EXPECT_EQ(s.Lines, (Lines{L"done", L"99%"}));
}

TEST(PipeLines, RawStreamKeepsProgressLines) {
  TCollectingStream s(true);
  s.Receive("10%\r20%\r\n");
  EXPECT_EQ(s.Lines, (Lines{L"10%", L"20%"}));
}

TEST(PipeLines, LinesOfOneReadArriveInOrder) {
  TCollectingStream s;
  s.Receive("a\r\nb\r\nc\r\n");
  EXPECT_EQ(s.Lines, (Lines{L"a", L"b", L"c"}));
}

TEST(PipeLines, WithoutCallbackTextOnlyAccumulates) {
  TPipeText stream;
  const std::string bytes = "a\r\nb\rc";
  AppendPipeChunk(stream, bytes.data(), bytes.size());
  EXPECT_EQ(stream.Line, L"a\r\nb\rc");
}

TEST(PipeLines, OemBytesDecodeWithTheOemCodePage) {
  TCollectingStream s;
  s.Stream.AutoConvertOem = true;
  s.Receive("caf\x82\r\n");  // 0x82 is "é" in code page 437
  EXPECT_EQ(s.Lines, Lines{L"caf\u00e9"});
}

TEST(PipeLines, AnsiBytesDecodeWithTheAnsiCodePage) {
  TCollectingStream s;
  s.Stream.AutoConvertOem = false;
  s.Receive("caf\xe9\r\n");  // 0xE9 is "é" in code page 1252
  EXPECT_EQ(s.Lines, Lines{L"caf\u00e9"});
}

TEST(PipeLines, DeliverLineStripsEveryTrailingLineEnd) {
  TCollectingStream s(true);
  s.Stream.Line = L"text\n\r\r";
  DeliverLine(s.Stream, s.Stream.Line.size());
  EXPECT_EQ(s.Lines, Lines{L"text"});
}

TEST(CollapseCarriageReturns, TextAfterBareCarriageReturnReplacesTheLine) {
  EXPECT_EQ(CollapseCarriageReturns(L"abcdef\rxy\n"), L"xy\r\n");
}

TEST(CollapseCarriageReturns, LineFeedBecomesCrLf) {
  EXPECT_EQ(CollapseCarriageReturns(L"a\nb"), L"a\r\nb");
}

TEST(CollapseCarriageReturns, CrLfStaysOneLineEnd) {
  EXPECT_EQ(CollapseCarriageReturns(L"a\r\nb\r\n"), L"a\r\nb\r\n");
}

TEST(CollapseCarriageReturns, UnterminatedLastLineEndedByCarriageReturnDisappears) {
  EXPECT_EQ(CollapseCarriageReturns(L"kept\r\n50%\r"), L"kept\r\n");
}

TEST(CollapseCarriageReturns, LongTextPassesThroughUnchanged) {
  const String line(3000, L'x');
  EXPECT_EQ(CollapseCarriageReturns(line + L"\r\n" + line), line + L"\r\n" + line);
}

TEST(CollapseCarriageReturns, EmptyTextGivesEmptyText) {
  EXPECT_EQ(CollapseCarriageReturns(L""), L"");
}

TEST(PipeAccumulation, SixCharactersCarriageReturnAndTwoCharactersLeaveOnlyTheTwo) {
  EXPECT_EQ(Accumulated("abcdef\rxy\n"), L"xy\r\n");
}

TEST(PipeAccumulation, RawStreamKeepsTheTextAsReceived) {
  EXPECT_EQ(Accumulated("abcdef\rxy\n", true), L"abcdef\rxy\n");
}

TEST(PipeAccumulation, NothingReceivedLeavesTheTextAlone) {
  TPipeText stream;
  String text = L"before";
  FinishPipeText(stream, text);
  EXPECT_EQ(text, L"before");
}

TEST(PipeLines, HowTheTextIsSplitIntoReadsDoesNotChangeTheLines) {
  std::mt19937 random(20261209);
  for (int round = 0; round < 500; ++round) {
    std::string text;
    const int length = static_cast<int>(random() % 40);
    for (int i = 0; i < length; ++i) text += "ab\r\n"[random() % 4];

    TCollectingStream whole;
    whole.Receive(text);
    whole.Finish();

    TCollectingStream split;
    for (size_t at = 0; at < text.size();) {
      const size_t count = std::min<size_t>(1 + random() % 5, text.size() - at);
      split.Receive(text.substr(at, count));
      at += count;
    }
    split.Finish();
    ASSERT_EQ(split.Lines, whole.Lines) << "text of round " << round;
  }
}
