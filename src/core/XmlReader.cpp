// The reader behind TXmlDocument::Load: one pass over the decoded characters with an explicit
// stack of open elements, so hostile nesting cannot exhaust the call stack.
#include <cwchar>
#include <memory>

#include "Format.h"
#include "XmlDocument.h"
#include "XmlEncoding.h"

namespace {

bool IsSpace(wchar_t c) {
  return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r';
}

bool IsNameStart(wchar_t c) {
  return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_' || c == L':' ||
         (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

bool IsNameChar(wchar_t c) {
  return IsNameStart(c) || (c >= L'0' && c <= L'9') || c == L'-' || c == L'.' || c == 0xB7;
}

// Characters XML 1.0 allows in a document.
bool IsXmlChar(char32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
         (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

class TXmlReader {
 public:
  explicit TXmlReader(String text) : FText(std::move(text)) {}

  void Read(TXmlDocument& document) {
    CheckCharacters();
    ReadDeclaration(document);
    ReadMisc(document.Nodes());
    if (AtEnd() || Peek() != L'<') Fail(L"Root element expected");
    ReadElementTree(document.Nodes());
    ReadMisc(document.Nodes());
    if (!AtEnd()) Fail(L"Content after the root element");
  }

 private:
  bool AtEnd() const { return FPos >= FText.size(); }
  wchar_t Peek(size_t ahead = 0) const {
    return FPos + ahead < FText.size() ? FText[FPos + ahead] : L'\0';
  }
  bool LookingAt(const wchar_t* literal) const {
    return FText.compare(FPos, wcslen(literal), literal) == 0;
  }

  // The reason is a view, so that a literal reason makes no temporary text at each call.
  [[noreturn]] void Fail(std::wstring_view reason) const { FailAt(FPos, reason); }
  [[noreturn]] void FailAt(size_t position, std::wstring_view reason) const {
    int line = 1;
    int column = 1;
    for (size_t i = 0; i < position && i < FText.size(); ++i) {
      if (FText[i] == L'\n') {
        ++line;
        column = 1;
      } else {
        ++column;
      }
    }
    throw EXmlError(String(reason), line, column);
  }

  void CheckCharacters() const {
    for (size_t i = 0; i < FText.size();) {
      const size_t at = i;
      if (!IsXmlChar(NextCodePoint(FText, i)))
        FailAt(at, Format(L"Invalid character U+%.4x", {static_cast<unsigned>(FText[at])}));
    }
  }

  void SkipSpace() {
    while (!AtEnd() && IsSpace(Peek())) ++FPos;
  }

  String ReadName() {
    if (AtEnd() || !IsNameStart(Peek())) Fail(L"Name expected");
    const size_t start = FPos;
    while (!AtEnd() && IsNameChar(Peek())) ++FPos;
    return FText.substr(start, FPos - start);
  }

  void Expect(wchar_t c) {
    if (Peek() != c || AtEnd()) Fail(Format(L"\"%s\" expected", {String(1, c)}));
    ++FPos;
  }

  // &name; or &#n; / &#xn; at FPos, appended to out.
  void ReadReference(String& out) {
    const size_t start = FPos;
    ++FPos;
    const size_t end = FText.find(L';', FPos);
    if (end == String::npos || end - FPos > 32) FailAt(start, L"Unterminated entity reference");
    const String name = FText.substr(FPos, end - FPos);
    FPos = end + 1;
    if (name == L"lt") {
      out += L'<';
    } else if (name == L"gt") {
      out += L'>';
    } else if (name == L"amp") {
      out += L'&';
    } else if (name == L"quot") {
      out += L'"';
    } else if (name == L"apos") {
      out += L'\'';
    } else if (name.size() > 1 && name[0] == L'#') {
      const bool hex = name[1] == L'x';
      const String digits = name.substr(hex ? 2 : 1);
      if (digits.empty() || digits.size() > 8)
        FailAt(start, Format(L"Invalid character reference \"&%s;\"", {name}));
      char32_t value = 0;
      for (wchar_t c : digits) {
        int digit = -1;
        if (c >= L'0' && c <= L'9')
          digit = c - L'0';
        else if (hex && c >= L'a' && c <= L'f')
          digit = c - L'a' + 10;
        else if (hex && c >= L'A' && c <= L'F')
          digit = c - L'A' + 10;
        if (digit < 0) FailAt(start, Format(L"Invalid character reference \"&%s;\"", {name}));
        value = value * (hex ? 16 : 10) + static_cast<char32_t>(digit);
      }
      if (!IsXmlChar(value)) FailAt(start, Format(L"Invalid character reference \"&%s;\"", {name}));
      AppendCodePoint(out, value);
    } else {
      FailAt(start, Format(L"Undefined entity \"&%s;\"", {name}));
    }
  }

  String ReadAttributeValue() {
    const wchar_t quote = Peek();
    if (quote != L'"' && quote != L'\'') Fail(L"Quoted attribute value expected");
    ++FPos;
    String value;
    while (true) {
      if (AtEnd()) Fail(L"Unterminated attribute value");
      const wchar_t c = Peek();
      if (c == quote) {
        ++FPos;
        return value;
      }
      if (c == L'<') Fail(L"\"<\" in attribute value");
      if (c == L'&') {
        ReadReference(value);
      } else {
        value += IsSpace(c) ? L' ' : c;
        ++FPos;
      }
    }
  }

  // Attributes up to ">" or "/>"; returns true for "/>".
  bool ReadAttributes(TXmlNode& element) {
    while (true) {
      const bool spaced = IsSpace(Peek());
      SkipSpace();
      if (AtEnd()) Fail(L"Unterminated start tag");
      if (LookingAt(L"/>")) {
        FPos += 2;
        return true;
      }
      if (Peek() == L'>') {
        ++FPos;
        return false;
      }
      if (!spaced) Fail(L"White space expected between attributes");
      const size_t start = FPos;
      const String name = ReadName();
      SkipSpace();
      Expect(L'=');
      SkipSpace();
      const String value = ReadAttributeValue();
      if (element.FindAttribute(name) != nullptr)
        FailAt(start, Format(L"Duplicate attribute \"%s\"", {name}));
      element.SetAttribute(name, value);
    }
  }

  String ReadUntil(const wchar_t* terminator, const wchar_t* what) {
    const size_t end = FText.find(terminator, FPos);
    if (end == String::npos) Fail(Format(L"Unterminated %s", {what}));
    String content = FText.substr(FPos, end - FPos);
    FPos = end + wcslen(terminator);
    return content;
  }

  std::unique_ptr<TXmlNode> ReadComment() {
    const size_t start = FPos;
    FPos += 4;
    String content = ReadUntil(L"-->", L"comment");
    if (content.find(L"--") != String::npos || (!content.empty() && content.back() == L'-'))
      FailAt(start, L"\"--\" inside a comment");
    return std::make_unique<TXmlNode>(XmlNodeKind::Comment, String(), std::move(content));
  }

  std::unique_ptr<TXmlNode> ReadProcessingInstruction() {
    FPos += 2;
    const size_t start = FPos;
    const String target = ReadName();
    if (target.size() == 3 && (target[0] | 0x20) == L'x' && (target[1] | 0x20) == L'm' &&
        (target[2] | 0x20) == L'l')
      FailAt(start, L"XML declaration not at the start of the document");
    if (!LookingAt(L"?>") && !IsSpace(Peek()))
      Fail(L"White space expected after the processing instruction's target");
    SkipSpace();
    String data = ReadUntil(L"?>", L"processing instruction");
    return std::make_unique<TXmlNode>(XmlNodeKind::ProcessingInstruction, target, std::move(data));
  }

  void ReadDeclaration(TXmlDocument& document) {
    if (!LookingAt(L"<?xml") || !IsSpace(Peek(5))) return;
    FPos += 5;
    TXmlNode pseudo(XmlNodeKind::Element, String(), String());
    while (true) {
      SkipSpace();
      if (LookingAt(L"?>")) {
        FPos += 2;
        break;
      }
      if (AtEnd()) Fail(L"Unterminated XML declaration");
      const String name = ReadName();
      SkipSpace();
      Expect(L'=');
      SkipSpace();
      pseudo.SetAttribute(name, ReadAttributeValue());
    }
    if (pseudo.FindAttribute(L"version") == nullptr) Fail(L"XML declaration without version");
    document.SetDeclaration(pseudo.Attributes());
  }

  // Comments, processing instructions and white space outside the root element.
  void ReadMisc(TXmlNode& nodes) {
    while (true) {
      SkipSpace();
      if (LookingAt(L"<!--"))
        nodes.AppendChild(ReadComment());
      else if (LookingAt(L"<?"))
        nodes.AppendChild(ReadProcessingInstruction());
      else if (LookingAt(L"<!DOCTYPE"))
        Fail(L"Document type declarations are not supported");
      else
        return;
    }
  }

  void ReadText(TXmlNode& parent) {
    String text;
    while (!AtEnd() && Peek() != L'<') {
      if (Peek() == L'&') {
        ReadReference(text);
      } else {
        text += Peek();
        ++FPos;
      }
    }
    parent.AppendChild(std::make_unique<TXmlNode>(XmlNodeKind::Text, String(), std::move(text)));
  }

  // Text nodes of white space only are layout where an element holds other nodes too.
  static void DropLayoutText(TXmlNode& element) {
    bool hasOtherNodes = false;
    for (const auto& child : element.Children()) {
      hasOtherNodes = hasOtherNodes || child->Kind() != XmlNodeKind::Text;
    }
    if (!hasOtherNodes) return;
    element.RemoveChildren([](const TXmlNode& child) {
      return child.Kind() == XmlNodeKind::Text &&
             child.Value().find_first_not_of(L" \t\n\r") == String::npos;
    });
  }

  void ReadElementTree(TXmlNode& documentNodes) {
    std::vector<TXmlNode*> open;
    TXmlNode* parent = &documentNodes;
    do {
      if (LookingAt(L"</")) {
        if (open.empty()) Fail(L"End tag without start tag");
        const size_t start = FPos;
        FPos += 2;
        const String name = ReadName();
        SkipSpace();
        Expect(L'>');
        if (name != open.back()->Name())
          FailAt(start, Format(L"End tag \"%s\" does not match start tag \"%s\"",
                               {name, open.back()->Name()}));
        DropLayoutText(*open.back());
        open.pop_back();
        parent = open.empty() ? &documentNodes : open.back();
      } else if (LookingAt(L"<!--")) {
        parent->AppendChild(ReadComment());
      } else if (LookingAt(L"<![CDATA[")) {
        FPos += 9;
        parent->AppendChild(std::make_unique<TXmlNode>(XmlNodeKind::CData, String(),
                                                       ReadUntil(L"]]>", L"CDATA section")));
      } else if (LookingAt(L"<?")) {
        parent->AppendChild(ReadProcessingInstruction());
      } else if (LookingAt(L"<!")) {
        Fail(L"Document type declarations are not supported");
      } else if (Peek() == L'<') {
        ++FPos;
        if (open.size() >= static_cast<size_t>(kXmlMaxDepth))
          Fail(Format(L"Elements nested deeper than %d levels", {kXmlMaxDepth}));
        TXmlNode& element = parent->AppendElement(ReadName());
        if (!ReadAttributes(element)) {
          open.push_back(&element);
          parent = &element;
        }
      } else {
        ReadText(*parent);
      }
      if (!open.empty() && AtEnd())
        Fail(Format(L"Element \"%s\" is not closed", {open.back()->Name()}));
    } while (!open.empty());
  }

  String FText;
  size_t FPos = 0;
};

}  // namespace

std::unique_ptr<TXmlDocument> TXmlDocument::Load(const std::vector<uint8_t>& bytes) {
  if (bytes.size() > kXmlMaxBytes)
    throw EXmlError(
        Format(L"Document larger than %d bytes", {static_cast<unsigned long long>(kXmlMaxBytes)}),
        1, 1);
  const TXmlDetectedEncoding detected = DetectXmlEncoding(bytes.data(), bytes.size());
  auto document = std::make_unique<TXmlDocument>();
  document->SetDetectedEncoding(detected.Encoding);
  TXmlReader reader(DecodeXmlBytes(bytes.data() + detected.BomLength,
                                   bytes.size() - detected.BomLength, detected.Encoding));
  reader.Read(*document);
  return document;
}
