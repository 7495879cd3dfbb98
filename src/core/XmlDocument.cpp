#include "XmlDocument.h"

#include "Format.h"

EXmlError::EXmlError(const String& reason, int line, int column)
    : Exception(Format(L"XML error at line %d, column %d: %s", {line, column, reason})),
      FReason(reason),
      FLine(line),
      FColumn(column) {}

TXmlNode::TXmlNode(XmlNodeKind kind, String name, String value)
    : FKind(kind), FName(std::move(name)), FValue(std::move(value)) {}

const String* TXmlNode::FindAttribute(const String& name) const {
  for (const auto& attribute : FAttributes) {
    if (attribute.Name == name) return &attribute.Value;
  }
  return nullptr;
}

void TXmlNode::SetAttribute(const String& name, const String& value) {
  for (auto& attribute : FAttributes) {
    if (attribute.Name == name) {
      attribute.Value = value;
      return;
    }
  }
  FAttributes.push_back({name, value});
}

TXmlNode& TXmlNode::InsertChild(size_t index, std::unique_ptr<TXmlNode> child) {
  child->FParent = this;
  if (index > FChildren.size()) index = FChildren.size();
  return **FChildren.insert(FChildren.begin() + static_cast<std::ptrdiff_t>(index),
                            std::move(child));
}

TXmlNode& TXmlNode::AppendChild(std::unique_ptr<TXmlNode> child) {
  return InsertChild(FChildren.size(), std::move(child));
}

TXmlNode& TXmlNode::AppendElement(const String& name) {
  return AppendChild(std::make_unique<TXmlNode>(XmlNodeKind::Element, name, String()));
}

void TXmlNode::RemoveChild(size_t index) {
  if (index < FChildren.size())
    FChildren.erase(FChildren.begin() + static_cast<std::ptrdiff_t>(index));
}

void TXmlNode::RemoveChildren(bool (*remove)(const TXmlNode&)) {
  std::erase_if(FChildren, [&](const std::unique_ptr<TXmlNode>& child) { return remove(*child); });
}

TXmlNode* TXmlNode::FirstElement(const String& name) const {
  for (const auto& child : FChildren) {
    if (child->IsElement() && child->Name() == name) return child.get();
  }
  return nullptr;
}

String TXmlNode::Text() const {
  String text;
  for (const auto& child : FChildren) {
    if (child->Kind() == XmlNodeKind::Text || child->Kind() == XmlNodeKind::CData)
      text += child->Value();
  }
  return text;
}

void TXmlNode::SetText(const String& text) {
  size_t position = String::npos;
  for (size_t i = FChildren.size(); i-- > 0;) {
    const XmlNodeKind kind = FChildren[i]->Kind();
    if (kind == XmlNodeKind::Text || kind == XmlNodeKind::CData) {
      FChildren.erase(FChildren.begin() + static_cast<std::ptrdiff_t>(i));
      position = i;
    }
  }
  if (text.empty()) return;
  InsertChild(position == String::npos ? FChildren.size() : position,
              std::make_unique<TXmlNode>(XmlNodeKind::Text, String(), text));
}

TXmlNode* TXmlDocument::Root() const {
  for (const auto& node : FNodes.Children()) {
    if (node->IsElement()) return node.get();
  }
  return nullptr;
}

TXmlNode& TXmlDocument::SetRoot(const String& name) {
  while (!FNodes.Children().empty()) FNodes.RemoveChild(0);
  return FNodes.AppendElement(name);
}

void TXmlDocument::SetDeclaration(std::vector<TXmlAttribute> attributes) {
  FHasDeclaration = true;
  FDeclaration = std::move(attributes);
}

TXmlEncoding TXmlDocument::SaveEncoding() const {
  for (const auto& attribute : FDeclaration) {
    if (attribute.Name == L"encoding") {
      const TXmlEncoding declared = XmlEncodingFromName(attribute.Value);
      if (declared.CodePage != 0) return declared;
    }
  }
  return FDetectedEncoding;
}
