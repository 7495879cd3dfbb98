// The line rules of a captured stream, the same on every platform. Bytes read from a child's
// pipe are decoded (OEM or ANSI code page) and appended to the stream's pending Line. With a
// callback, every complete line is delivered at once: a line feed ends a line, and so does a
// carriage return not directly followed by a line feed. A line ended by a bare carriage return
// is an overwritten progress line and is dropped unless the stream is raw. A carriage return
// that is the last character received waits for the next read, since its line feed may follow.
// Without a callback the text simply accumulates, and at the end of the run it is replayed as a
// terminal would show it (CollapseCarriageReturns). Nothing here raises except the callback.
#pragma once

#include <cstddef>

#include "compiler/CmdProcess.h"
#include "core/String.h"

struct TPipeText {
  String Line;               // decoded text received and not yet delivered
  TTextHandler TextHandler;  // callback of this stream, or none
  bool RawOutput = false;
  bool AutoConvertOem = true;
};

// Decodes count bytes, appends them to Line and, with a callback, delivers each complete line.
void AppendPipeChunk(TPipeText& stream, const char* bytes, size_t count);

// Delivers the first lineEnd characters of Line (lineEnd counts from 1, as a position) without
// their trailing carriage returns and line feeds; nothing when the stream is not raw and the
// character at lineEnd is a carriage return. Line itself is left unchanged.
void DeliverLine(const TPipeText& stream, size_t lineEnd);

// Replays text as a terminal would: a carriage return moves back to the start of the line, the
// text written after it replaces the line up to where the new text ends, and every line feed
// becomes CR LF. An unterminated last line ended by a bare carriage return disappears.
String CollapseCarriageReturns(const String& text);

// The stream's final partial text once the child has ended: delivered as the last line with a
// callback; otherwise stored in accumulated (collapsed unless raw). An empty Line changes nothing.
void FinishPipeText(const TPipeText& stream, String& accumulated);
