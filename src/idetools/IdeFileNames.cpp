#include "IdeFileNames.h"

#include <vector>

namespace {

bool IsSeparator(wchar_t c) {
  return c == L'\\' || c == L'/';
}

size_t LastSeparator(const String& path) {
  const size_t at = path.find_last_of(L"\\/:");
  return at;
}

// Length of the root: "C:\" (3), "C:" (2), "\\server\share\" or a leading "\" (1); 0 otherwise.
size_t RootLength(const String& path) {
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    size_t at = 2;
    for (int parts = 0; parts < 2 && at < path.size(); ++parts) {
      while (at < path.size() && !IsSeparator(path[at])) ++at;
      if (at < path.size()) ++at;
    }
    return at;
  }
  if (path.size() >= 2 && path[1] == L':') return path.size() >= 3 && IsSeparator(path[2]) ? 3 : 2;
  return !path.empty() && IsSeparator(path[0]) ? 1 : 0;
}

}  // namespace

String ExtractFileDir(const String& path) {
  const size_t at = LastSeparator(path);
  if (at == String::npos) return String();
  if (path[at] == L':') return path.substr(0, at + 1);
  if (at > 0 && path[at - 1] == L':') return path.substr(0, at);
  return path.substr(0, at == 0 ? 1 : at);
}

String ExtractFileName(const String& path) {
  const size_t at = LastSeparator(path);
  return at == String::npos ? path : path.substr(at + 1);
}

String ExtractFileExt(const String& path) {
  const String name = ExtractFileName(path);
  const size_t dot = name.rfind(L'.');
  return dot == String::npos ? String() : name.substr(dot);
}

String ChangeFileExt(const String& path, const String& ext) {
  const String current = ExtractFileExt(path);
  return path.substr(0, path.size() - current.size()) + ext;
}

bool IsAbsolutePath(const String& path) {
  const size_t root = RootLength(path);
  return root > 0 && !(root == 2 && path[1] == L':');
}

String JoinAndNormalisePath(const String& folder, const String& path) {
  const String whole = IsAbsolutePath(path) || folder.empty()
                           ? path
                           : (IsSeparator(folder.back()) ? folder : folder + L"\\") + path;
  const size_t rootLength = RootLength(whole);
  String root = whole.substr(0, rootLength);
  for (auto& c : root) {
    if (c == L'/') c = L'\\';
  }
  std::vector<String> segments;
  size_t start = rootLength;
  while (start <= whole.size()) {
    size_t end = start;
    while (end < whole.size() && !IsSeparator(whole[end])) ++end;
    const String segment = whole.substr(start, end - start);
    if (segment == L"..") {
      if (!segments.empty() && segments.back() != L"..")
        segments.pop_back();
      else if (rootLength == 0)
        segments.push_back(segment);
    } else if (!segment.empty() && segment != L".") {
      segments.push_back(segment);
    }
    start = end + 1;
  }
  String result = root;
  for (size_t i = 0; i < segments.size(); ++i) {
    if (i > 0) result += L'\\';
    result += segments[i];
  }
  return result;
}

String WithoutTrailingBackslash(const String& path) {
  if (!path.empty() && path.back() == L'\\') return path.substr(0, path.size() - 1);
  return path;
}
