#include "compiler/PipeText.h"

#include <string_view>

#include "platform/CodePages.h"

namespace {

constexpr wchar_t kCR = L'\r';
constexpr wchar_t kLF = L'\n';

// 1-based position of the first c in text, 0 when there is none.
size_t PositionOf(const String& text, wchar_t c) {
  const size_t index = text.find(c);
  return index == String::npos ? 0 : index + 1;
}

// Position of the character ending the first complete line of text, 0 when none is complete.
size_t FirstLineEnd(const String& text) {
  size_t cr = PositionOf(text, kCR);
  if (cr == text.size()) cr = 0;  // its line feed may still arrive
  size_t lf = PositionOf(text, kLF);
  if (cr > 0 && (lf > cr + 1 || lf == 0)) lf = cr;  // a bare carriage return ends a line too
  return lf;
}

}  // namespace

void AppendPipeChunk(TPipeText& stream, const char* bytes, size_t count) {
  const std::string_view chunk(bytes, count);
  stream.Line +=
      stream.AutoConvertOem ? platform::OemToString(chunk) : platform::AnsiToString(chunk);
  if (!stream.TextHandler) return;
  for (size_t lineEnd = FirstLineEnd(stream.Line); lineEnd > 0;
       lineEnd = FirstLineEnd(stream.Line)) {
    DeliverLine(stream, lineEnd);
    stream.Line.erase(0, lineEnd);
  }
}

void DeliverLine(const TPipeText& stream, size_t lineEnd) {
  const String& line = stream.Line;
  if (!stream.RawOutput && line[lineEnd - 1] == kCR) return;
  while (lineEnd > 0 && (line[lineEnd - 1] == kCR || line[lineEnd - 1] == kLF)) --lineEnd;
  stream.TextHandler(line.substr(0, lineEnd));
}

String CollapseCarriageReturns(const String& text) {
  constexpr size_t kGrowth = 1024;
  String result;
  // 0-based counterparts of the write position, the current line's start and its end.
  size_t write = 0;
  size_t lineStart = 0;
  size_t lineEnd = 0;
  auto put = [&result](size_t at, wchar_t c) {
    if (at + 2 >= result.size()) result.resize(result.size() + kGrowth);
    result[at] = c;
  };
  for (const wchar_t c : text) {
    if (c == kCR) {
      write = lineStart;
    } else if (c == kLF) {
      put(lineEnd, kCR);
      put(lineEnd + 1, kLF);
      write = lineStart = lineEnd = lineEnd + 2;
    } else {
      put(write, c);
      lineEnd = ++write;
    }
  }
  result.resize(write);
  return result;
}

void FinishPipeText(const TPipeText& stream, String& accumulated) {
  if (stream.Line.empty()) return;
  if (stream.TextHandler) {
    DeliverLine(stream, stream.Line.size());
  } else {
    accumulated = stream.RawOutput ? stream.Line : CollapseCarriageReturns(stream.Line);
  }
}
