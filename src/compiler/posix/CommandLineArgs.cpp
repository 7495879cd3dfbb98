#include "compiler/posix/CommandLineArgs.h"

namespace {

bool IsBlank(wchar_t c) {
  return c == L' ' || c == L'\t';
}

// The program name, from the start of the line; pos is left after it.
String ProgramName(const String& line, size_t& pos) {
  String name;
  if (pos < line.size() && line[pos] == L'"') {
    const size_t close = line.find(L'"', pos + 1);
    const size_t end = close == String::npos ? line.size() : close;
    name = line.substr(pos + 1, end - pos - 1);
    pos = close == String::npos ? end : close + 1;
  } else {
    while (pos < line.size() && !IsBlank(line[pos])) name += line[pos++];
  }
  return name;
}

// One further argument starting at pos (no blank there); pos is left after it.
String NextArgument(const String& line, size_t& pos) {
  String argument;
  bool quoted = false;
  while (pos < line.size() && (quoted || !IsBlank(line[pos]))) {
    size_t backslashes = 0;
    while (pos < line.size() && line[pos] == L'\\') {
      ++backslashes;
      ++pos;
    }
    if (pos < line.size() && line[pos] == L'"') {
      argument.append(backslashes / 2, L'\\');
      if (backslashes % 2 == 1) {
        argument += L'"';
      } else if (quoted && pos + 1 < line.size() && line[pos + 1] == L'"') {
        argument += L'"';
        ++pos;
      } else {
        quoted = !quoted;
      }
      ++pos;
    } else {
      argument.append(backslashes, L'\\');
      if (pos < line.size() && (quoted || !IsBlank(line[pos]))) argument += line[pos++];
    }
  }
  return argument;
}

}  // namespace

std::vector<String> SplitCommandLine(const String& commandLine) {
  size_t pos = 0;
  std::vector<String> arguments{ProgramName(commandLine, pos)};
  for (;;) {
    while (pos < commandLine.size() && IsBlank(commandLine[pos])) ++pos;
    if (pos >= commandLine.size()) break;
    arguments.push_back(NextArgument(commandLine, pos));
  }
  return arguments;
}
