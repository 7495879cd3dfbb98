// Property expansion ("$(Name)", registry and function properties, "@(Items)") and conditions.
#include <cstdint>

#include "IdeMsBuild.h"
#include "IdeText.h"
#include "core/Format.h"
#include "platform/Files.h"
#include "platform/Registry.h"

namespace {

// Expansion re-reads the values it inserts; these bounds end a value that refers to itself.
constexpr int kMaxExpansionRounds = 100000;
constexpr size_t kMaxExpandedLength = 1u << 20;

wchar_t FoldChar(wchar_t c) {
  return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c;
}

bool IsPropertyNameChar(wchar_t c) {
  const auto u = static_cast<uint32_t>(c);
  return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9') ||
         c == L'_' || u == 0xB7 || (u >= 0xC0 && u <= 0xD6) || (u >= 0xD8 && u <= 0xF6) ||
         (u >= 0xF8 && u <= 0x37D) || (u >= 0x37F && u <= 0x1FFF) || (u >= 0x200C && u <= 0x200D) ||
         (u >= 0x203F && u <= 0x2040) || (u >= 0x2070 && u <= 0x218F) ||
         (u >= 0x2C00 && u <= 0x2FEF) || (u >= 0x3001 && u <= 0xD7FF) ||
         (u >= 0xF900 && u <= 0xFDCF) || (u >= 0xFDF0 && u <= 0xFFFD);
}

bool IsPropertyName(const String& text) {
  for (wchar_t c : text) {
    if (!IsPropertyNameChar(c)) return false;
  }
  return true;
}

std::optional<platform::RegRoot> RootFromName(const String& name) {
  using platform::RegRoot;
  if (name == L"HKEY_CLASSES_ROOT") return RegRoot::ClassesRoot;
  if (name == L"HKEY_CURRENT_USER") return RegRoot::CurrentUser;
  if (name == L"HKEY_LOCAL_MACHINE") return RegRoot::LocalMachine;
  if (name == L"HKEY_USERS") return RegRoot::Users;
  if (name == L"HKEY_CURRENT_CONFIG") return RegRoot::CurrentConfig;
  return std::nullopt;
}

bool IsKnownRootWithoutKeys(const String& name) {
  return name == L"HKEY_PERFORMANCE_DATA" || name == L"HKEY_DYN_DATA";
}

std::optional<String> ReadRegistryText(platform::RegRoot root, const String& path,
                                       const String& name) {
  const auto key = platform::RegistryKey::Open(root, path);
  if (!key) return std::nullopt;
  const auto value = key->ReadValue(name);
  if (!value) return std::nullopt;
  switch (value->type) {
    case platform::RegValueType::String:
    case platform::RegValueType::ExpandString:
      return platform::RegBytesToString(value->data);
    case platform::RegValueType::DWord:
      if (value->data.size() == 4) {
        const uint32_t number = value->data[0] | (value->data[1] << 8) | (value->data[2] << 16) |
                                (static_cast<uint32_t>(value->data[3]) << 24);
        return Format(L"%u", {number});
      }
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

String HexToDecimal(const String& text) {
  uint64_t value = 0;
  const String digits = text.substr(2);
  if (digits.empty() || digits.size() > 16) return text;
  for (wchar_t c : digits) {
    int digit;
    if (c >= L'0' && c <= L'9')
      digit = c - L'0';
    else if (c >= L'a' && c <= L'f')
      digit = c - L'a' + 10;
    else if (c >= L'A' && c <= L'F')
      digit = c - L'A' + 10;
    else
      return text;
    value = value * 16 + static_cast<uint64_t>(digit);
  }
  return Format(L"%u", {static_cast<unsigned long long>(value)});
}

// Raises the evaluator's error for a condition (or a text) that cannot be read.
[[noreturn]] void RaiseInvalidCondition(const wchar_t* what, const String& condition) {
  RaiseMsBuildError(L"Invalid condition: %s in condition \"%s\"", {what, condition});
}

String EvaluateRegistryProperty(TIdeMsBuildParser& parser, const String& reference) {
  const size_t slash = reference.find(L'\\');
  const String rootName = reference.substr(0, slash);
  const String rest = slash == String::npos ? String() : reference.substr(slash + 1);
  const size_t at = rest.find(L'@');
  const String path = rest.substr(0, at);
  const String name = at == String::npos ? String() : rest.substr(at + 1);
  const auto root = RootFromName(rootName);
  if (!root && !IsKnownRootWithoutKeys(rootName))
    throw EIdeRegistryError(Format(L"\"%s\" does not match RootKey", {rootName}));
  if (parser.OnRegistryProperty) return parser.OnRegistryProperty(rootName, path, name);
  const auto value = root ? ReadRegistryText(*root, path, name) : std::nullopt;
  if (!value) {
    throw EIdeRegistryError(
        Format(L"Unable to evaluate registry property root=\"%s\" path=\"%s\" name=\"%s\"",
               {rootName, path, name}));
  }
  return *value;
}

}  // namespace

String TIdeMsBuildParser::EvaluateString(const String& text) {
  String result = text;
  for (int round = 0;; ++round) {
    if (round >= kMaxExpansionRounds || result.size() > kMaxExpandedLength)
      RaiseMsBuildError(L"Expansion of \"%s\" does not end", {text});
    size_t open = result.rfind(L"$(");
    bool isItemList = false;
    if (open == String::npos) {
      open = result.rfind(L"@(");
      isItemList = open != String::npos;
      if (!isItemList) break;
    }
    const size_t close = FindClosingParenthesis(result, open + 2);
    if (close == String::npos) {
      if (isItemList) RaiseInvalidCondition(L"end of string", text);
      break;
    }
    const String inner = result.substr(open + 2, close - open - 2);
    String value;
    if (isItemList) {
      // "@(Name->'...')" transforms are not evaluated: they give empty text.
      if (IsPropertyName(inner)) {
        for (const TIdeMsBuildItem& item : FItems) {
          if (SameTextAscii(item.ItemName, inner) && !item.Include.empty())
            value += (value.empty() ? L"" : L";") + item.Include;
        }
      }
    } else if (IsPropertyName(inner)) {
      value = FProperties.Values(inner);
    } else if (inner.compare(0, 9, L"registry:") == 0) {
      value = EvaluateRegistryProperty(*this, inner.substr(9));
    } else if (OnFunctionProperty) {
      value = OnFunctionProperty(inner);
    } else if (!FIgnoreFunctionProperties) {
      RaiseMsBuildError(L"Unable to evaluate function property \"%s\"", {inner});
    }
    result = ReplaceAllIgnoringCase(result, result.substr(open, close - open + 1), value);
  }
  if (result.compare(0, 2, L"0x") == 0) result = HexToDecimal(result);
  return result;
}

namespace {

// Reads one condition left to right; "and" and "or" have no precedence over each other.
class TConditionReader {
 public:
  TConditionReader(TIdeMsBuildParser& parser, const String& condition)
      : FParser(parser), FText(condition) {}

  bool ReadWhole() {
    const bool result = ReadExpression(0);
    SkipSpace();
    if (!AtEnd()) Fail(L"unknown operator");
    return result;
  }

 private:
  static constexpr int kMaxNesting = 200;

  bool AtEnd() const { return FPos >= FText.size(); }
  wchar_t Peek(size_t ahead = 0) const {
    return FPos + ahead < FText.size() ? FText[FPos + ahead] : L'\0';
  }
  void SkipSpace() {
    while (!AtEnd() && FText[FPos] <= L' ') ++FPos;
  }
  [[noreturn]] void Fail(const wchar_t* what) const { RaiseInvalidCondition(what, FText); }
  bool LookingAtWord(const wchar_t* word, size_t length) const {
    for (size_t i = 0; i < length; ++i) {
      if (FoldChar(Peek(i)) != FoldChar(word[i])) return false;
    }
    return true;
  }

  bool ReadExpression(int nesting) {
    if (nesting > kMaxNesting) Fail(L"nested too deeply");
    bool result = ReadOperand(nesting);
    while (true) {
      SkipSpace();
      if (AtEnd() || Peek() == L')') return result;
      if (LookingAtWord(L"and", 3)) {
        FPos += 3;
        const bool right = ReadOperand(nesting);
        result = result && right;
      } else if (LookingAtWord(L"or", 2)) {
        FPos += 2;
        const bool right = ReadOperand(nesting);
        result = result || right;
      } else {
        Fail(L"unknown operator");
      }
    }
  }

  bool ReadOperand(int nesting) {
    SkipSpace();
    if (Peek() == L'(') {
      ++FPos;
      const bool result = ReadExpression(nesting + 1);
      SkipSpace();
      if (Peek() != L')' || AtEnd()) Fail(L"missing parenthesis");
      ++FPos;
      return result;
    }
    if (Peek() == L'!' && Peek(1) != L'=') {
      ++FPos;
      return !ReadExpression(nesting + 1);
    }
    const auto left = ReadText(nesting);
    SkipSpace();
    static const wchar_t* const kOperators[] = {L"==", L"!=", L"<=", L">=", L"<", L">"};
    for (const wchar_t* op : kOperators) {
      const size_t length = op[1] ? 2 : 1;
      if (FText.compare(FPos, length, op) == 0) {
        FPos += length;
        const auto right = ReadText(nesting);
        return Compare(left.Value, String(op), right.Value);
      }
    }
    if (left.IsBoolean) return left.Boolean;
    return left.Value.empty() ? true : ToBoolean(left.Value);
  }

  struct TText {
    String Value;
    bool IsBoolean = false;  // Exists(...) and HasTrailingSlash(...) give a truth value
    bool Boolean = false;
  };

  TText ReadText(int nesting) {
    SkipSpace();
    if (Peek() == L'\'') {
      const size_t close = FText.find(L'\'', FPos + 1);
      if (close == String::npos) Fail(L"end of string");
      const String quoted = FText.substr(FPos + 1, close - FPos - 1);
      FPos = close + 1;
      return {FParser.EvaluateString(quoted)};
    }
    const size_t start = FPos;
    while (!AtEnd()) {
      const wchar_t c = Peek();
      if ((c == L'$' || c == L'@' || c == L'%') && Peek(1) == L'(') {
        const size_t close = FindClosingParenthesis(FText, FPos + 2);
        if (close == String::npos) Fail(L"end of string");
        FPos = close + 1;
      } else if (IsPropertyNameChar(c) || c == L'.' || c == L'-') {
        ++FPos;
      } else {
        break;
      }
    }
    const String word = FText.substr(start, FPos - start);
    const bool exists = SameTextAscii(word, L"Exists");
    if (exists || SameTextAscii(word, L"HasTrailingSlash")) {
      SkipSpace();
      if (Peek() == L'(') {
        ++FPos;
        const String argument = ReadText(nesting + 1).Value;
        SkipSpace();
        if (Peek() != L')' || AtEnd()) Fail(L"missing parenthesis");
        ++FPos;
        TText result{argument, true};
        result.Boolean =
            exists ? PathExists(argument) : !argument.empty() && argument.back() == L'\\';
        return result;
      }
    }
    if (word.empty()) Fail(L"unknown operator");
    return {FParser.EvaluateString(word)};
  }

  static bool PathExists(const String& path) {
    return !path.empty() && (platform::FileExists(path) || platform::DirectoryExists(path));
  }

  static int64_t ToInteger(const String& text) {
    size_t i = 0;
    const bool hasSign = !text.empty() && (text[0] == L'-' || text[0] == L'+');
    if (hasSign) ++i;
    if (i >= text.size() || text.size() - i > 19)
      throw EConvertError(Format(L"'%s' is not a valid integer value", {text}));
    int64_t value = 0;
    for (; i < text.size(); ++i) {
      if (text[i] < L'0' || text[i] > L'9' || value > (INT64_MAX - 9) / 10)
        throw EConvertError(Format(L"'%s' is not a valid integer value", {text}));
      value = value * 10 + (text[i] - L'0');
    }
    return text[0] == L'-' ? -value : value;
  }

  static bool ToBoolean(const String& text) {
    if (SameTextAscii(text, L"True")) return true;
    if (SameTextAscii(text, L"False")) return false;
    try {
      return ToInteger(text) != 0;
    } catch (const EConvertError&) {
      throw EConvertError(Format(L"'%s' is not a valid boolean value", {text}));
    }
  }

  static bool Compare(const String& left, const String& op, const String& right) {
    if (op == L"==") return left == right;
    if (op == L"!=") return left != right;
    const int64_t a = ToInteger(left);
    const int64_t b = ToInteger(right);
    if (op == L"<=") return a <= b;
    if (op == L">=") return a >= b;
    return op == L"<" ? a < b : a > b;
  }

  TIdeMsBuildParser& FParser;
  const String& FText;
  size_t FPos = 0;
};

}  // namespace

bool TIdeMsBuildParser::ParseCondition(const String& condition) {
  if (condition.find_first_not_of(L" \t\r\n") == String::npos) return true;
  return TConditionReader(*this, condition).ReadWhole();
}
