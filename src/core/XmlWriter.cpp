// The writer behind TXmlDocument::Save: two-space indentation, CR LF line ends, escapes for the
// markup characters, and character references for what the target encoding cannot hold.
#include "Format.h"
#include "XmlDocument.h"
#include "XmlEncoding.h"

namespace {

class TXmlWriter {
 public:
  explicit TXmlWriter(TXmlEncoding encoding) : FEncoding(encoding) {}

  void WriteDeclaration(const std::vector<TXmlAttribute>& attributes) {
    FOut += L"<?xml";
    for (const auto& attribute : attributes) {
      FOut += L' ';
      FOut += attribute.Name;
      FOut += L"=\"";
      WriteEscaped(attribute.Value, true);
      FOut += L'"';
    }
    FOut += L"?>";
  }

  void WriteNode(const TXmlNode& node, int depth, bool indent) {
    if (indent && !FOut.empty()) {
      FOut += L"\r\n";
      FOut.append(static_cast<size_t>(depth) * 2, L' ');
    }
    switch (node.Kind()) {
      case XmlNodeKind::Element:
        WriteElement(node, depth, indent);
        break;
      case XmlNodeKind::Text:
        WriteEscaped(node.Value(), false);
        break;
      case XmlNodeKind::CData:
        WriteCData(node.Value());
        break;
      case XmlNodeKind::Comment:
        FOut += L"<!--";
        FOut += node.Value();
        FOut += L"-->";
        break;
      case XmlNodeKind::ProcessingInstruction:
        FOut += L"<?";
        FOut += node.Name();
        if (!node.Value().empty()) {
          FOut += L' ';
          FOut += node.Value();
        }
        FOut += L"?>";
        break;
    }
  }

  const String& Text() const { return FOut; }

 private:
  static bool IsTextual(const TXmlNode& node) {
    return node.Kind() == XmlNodeKind::Text || node.Kind() == XmlNodeKind::CData;
  }

  void WriteElement(const TXmlNode& element, int depth, bool indent) {
    FOut += L'<';
    FOut += element.Name();
    for (const auto& attribute : element.Attributes()) {
      FOut += L' ';
      FOut += attribute.Name;
      FOut += L"=\"";
      WriteEscaped(attribute.Value, true);
      FOut += L'"';
    }
    const auto& children = element.Children();
    if (children.empty()) {
      FOut += L"/>";
      return;
    }
    FOut += L'>';
    bool onlyText = true;
    bool hasText = false;
    for (const auto& child : children) {
      onlyText = onlyText && IsTextual(*child);
      hasText = hasText ||
                (IsTextual(*child) && child->Value().find_first_not_of(L" \t\r\n") != String::npos);
    }
    // Text mixed with other nodes is written exactly as it stands: indentation would change it.
    const bool indentChildren = indent && !onlyText && !hasText;
    for (const auto& child : children) {
      if (indentChildren && IsTextual(*child)) continue;
      WriteNode(*child, depth + 1, indentChildren);
    }
    if (indentChildren) {
      FOut += L"\r\n";
      FOut.append(static_cast<size_t>(depth) * 2, L' ');
    }
    FOut += L"</";
    FOut += element.Name();
    FOut += L'>';
  }

  void WriteCData(const String& value) {
    // "]]>" cannot stand inside a CDATA section: split it across two sections.
    size_t start = 0;
    FOut += L"<![CDATA[";
    for (size_t end; (end = value.find(L"]]>", start)) != String::npos; start = end + 2) {
      FOut.append(value, start, end + 2 - start);
      FOut += L"]]><![CDATA[";
    }
    FOut.append(value, start, String::npos);
    FOut += L"]]>";
  }

  void WriteEscaped(const String& value, bool attribute) {
    for (size_t i = 0; i < value.size();) {
      const size_t at = i;
      const char32_t c = NextCodePoint(value, i);
      switch (c) {
        case L'&':
          FOut += L"&amp;";
          continue;
        case L'<':
          FOut += L"&lt;";
          continue;
        case L'>':
          FOut += L"&gt;";
          continue;
        default:
          break;
      }
      if (attribute && (c == L'"' || c == L'\t' || c == L'\n' || c == L'\r')) {
        FOut += c == L'"' ? String(L"&quot;") : Format(L"&#%d;", {static_cast<int>(c)});
      } else if (!attribute && c == L'\r') {
        FOut += L"&#13;";
      } else if (!attribute && c == L'\n') {
        FOut += L"\r\n";
      } else if (!XmlEncodingCanEncode(FEncoding, c)) {
        FOut += Format(L"&#%d;", {static_cast<unsigned>(c)});
      } else {
        FOut.append(value, at, i - at);
      }
    }
  }

  TXmlEncoding FEncoding;
  String FOut;
};

}  // namespace

std::vector<uint8_t> TXmlDocument::Save(bool withDeclaration) const {
  const TXmlEncoding encoding = SaveEncoding();
  TXmlWriter writer(encoding);
  if (withDeclaration && FHasDeclaration) writer.WriteDeclaration(FDeclaration);
  for (const auto& node : FNodes.Children()) writer.WriteNode(*node, 0, true);
  return EncodeXmlText(writer.Text(), encoding, true);
}
