#include "platform/CodePages.h"

#include <windows.h>

namespace platform {
namespace {

String Decode(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return String();
  const int n =
      ::MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  String out(static_cast<size_t>(n), L'\0');
  ::MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
  return out;
}

}  // namespace

String AnsiToString(std::string_view bytes) {
  return Decode(CP_ACP, bytes);
}

String OemToString(std::string_view bytes) {
  return Decode(CP_OEMCP, bytes);
}

std::string StringToAnsi(const String& text, bool* exact) {
  if (exact != nullptr) *exact = true;
  if (text.empty()) return std::string();
  BOOL lossy = FALSE;
  const int n = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(),
                                      static_cast<int>(text.size()), nullptr, 0, nullptr, &lossy);
  std::string out(static_cast<size_t>(n), '\0');
  ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                        out.data(), n, nullptr, &lossy);
  // A character that needs more than one byte is not a single-byte character either.
  if (exact != nullptr) *exact = !lossy && out.size() == text.size();
  return out;
}

}  // namespace platform
