// An XML document kept as written: elements with their attributes in file order, text, CDATA,
// comments and processing instructions in document order, and the XML declaration. Reading
// (XmlDocument::Load) detects the encoding from a byte-order mark or the declaration, decodes the
// predefined entities and character references, and fails closed: a malformed document, a DTD, an
// undefined entity, an invalid byte sequence, a nesting deeper than kXmlMaxDepth or a document
// larger than kXmlMaxBytes raises EXmlError with the line and column where reading stopped.
// Writing (Save) indents with two spaces, escapes "&", "<" and ">" in text, writes a byte-order
// mark for UTF-8 and UTF-16 and writes characters a single-byte code page lacks as character
// references. The document owns every node; node pointers stay valid until the node is removed.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "Exception.h"
#include "String.h"

// A document that cannot be read. Line and Column are 1-based; Message() reads
// "XML error at line L, column C: <reason>".
class EXmlError : public Exception {
 public:
  EXmlError(const String& reason, int line, int column);
  const String& Reason() const { return FReason; }
  int Line() const { return FLine; }
  int Column() const { return FColumn; }

 private:
  String FReason;
  int FLine;
  int FColumn;
};

constexpr int kXmlMaxDepth = 256;                   // elements open at once
constexpr size_t kXmlMaxBytes = 16u * 1024 * 1024;  // size of a document's bytes

// The encodings the reader and writer know. CodePage is the Windows number: 65001 (UTF-8),
// 1200 (UTF-16 LE), 1201 (UTF-16 BE), 1252 (Windows Latin 1), 28591 (ISO 8859-1), 20127 (ASCII).
struct TXmlEncoding {
  uint32_t CodePage = 65001;
  bool operator==(const TXmlEncoding&) const = default;
};
// The encoding an encoding name of a declaration stands for ("utf-8", "UTF-16", "windows-1252",
// "iso-8859-1", "us-ascii", ...); CodePage 0 when the name is unknown.
TXmlEncoding XmlEncodingFromName(const String& name);

enum class XmlNodeKind { Element, Text, CData, Comment, ProcessingInstruction };

struct TXmlAttribute {
  String Name;
  String Value;
};

class TXmlNode {
 public:
  TXmlNode(XmlNodeKind kind, String name, String value);
  TXmlNode(const TXmlNode&) = delete;
  TXmlNode& operator=(const TXmlNode&) = delete;

  XmlNodeKind Kind() const { return FKind; }
  bool IsElement() const { return FKind == XmlNodeKind::Element; }
  // Element name or processing-instruction target; empty for the other kinds.
  const String& Name() const { return FName; }
  // Content of a text, CDATA, comment or processing-instruction node.
  const String& Value() const { return FValue; }
  void SetValue(const String& value) { FValue = value; }
  TXmlNode* Parent() const { return FParent; }

  // Attributes, in document order; names compare with case.
  const std::vector<TXmlAttribute>& Attributes() const { return FAttributes; }
  const String* FindAttribute(const String& name) const;
  // Replaces the value of an existing attribute or appends a new one.
  void SetAttribute(const String& name, const String& value);

  const std::vector<std::unique_ptr<TXmlNode>>& Children() const { return FChildren; }
  TXmlNode& InsertChild(size_t index, std::unique_ptr<TXmlNode> child);
  TXmlNode& AppendChild(std::unique_ptr<TXmlNode> child);
  TXmlNode& AppendElement(const String& name);
  void RemoveChild(size_t index);
  // Removes every child for which remove returns true, keeping the others in order.
  void RemoveChildren(bool (*remove)(const TXmlNode&));
  // The first child element of that name (compared with case), or nullptr.
  TXmlNode* FirstElement(const String& name) const;

  // The text of an element: its text and CDATA children joined.
  String Text() const;
  // Replaces the text and CDATA children by one text node holding text (none when empty), placed
  // where the first of them stood, or last.
  void SetText(const String& text);

 private:
  XmlNodeKind FKind;
  String FName;
  String FValue;
  TXmlNode* FParent = nullptr;
  std::vector<TXmlAttribute> FAttributes;
  std::vector<std::unique_ptr<TXmlNode>> FChildren;
};

class TXmlDocument {
 public:
  TXmlDocument() = default;
  TXmlDocument(const TXmlDocument&) = delete;
  TXmlDocument& operator=(const TXmlDocument&) = delete;

  // Reads a whole document from its bytes; raises EXmlError.
  static std::unique_ptr<TXmlDocument> Load(const std::vector<uint8_t>& bytes);
  // The document's bytes in SaveEncoding(); withDeclaration false leaves the declaration out.
  std::vector<uint8_t> Save(bool withDeclaration = true) const;

  // The root element; nullptr only for a document built in code without one.
  TXmlNode* Root() const;
  // Nodes outside the root element (comments, processing instructions) and the root, in order.
  TXmlNode& Nodes() { return FNodes; }
  const TXmlNode& Nodes() const { return FNodes; }
  // Replaces the whole content by a single root element and returns it.
  TXmlNode& SetRoot(const String& name);

  // Pseudo-attributes of the XML declaration (version, encoding, standalone); empty without one.
  bool HasDeclaration() const { return FHasDeclaration; }
  const std::vector<TXmlAttribute>& Declaration() const { return FDeclaration; }
  void SetDeclaration(std::vector<TXmlAttribute> attributes);
  // Encoding found while reading (byte-order mark, declaration, else UTF-8).
  TXmlEncoding DetectedEncoding() const { return FDetectedEncoding; }
  void SetDetectedEncoding(TXmlEncoding encoding) { FDetectedEncoding = encoding; }
  // The declared encoding when it is known, else the detected one.
  TXmlEncoding SaveEncoding() const;

 private:
  TXmlNode FNodes{XmlNodeKind::Element, String(), String()};
  bool FHasDeclaration = false;
  std::vector<TXmlAttribute> FDeclaration;
  TXmlEncoding FDetectedEncoding;
};
