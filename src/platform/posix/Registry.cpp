// In-memory registry: a tree per root, alive for the whole process. Open handles keep their node
// alive; a node removed by DeleteTree is marked deleted and refuses further work, as a handle to a
// deleted key does on Windows.
#include "platform/Registry.h"

#include <algorithm>
#include <map>
#include <memory>

#include "platform/Faults.h"

namespace platform {
namespace {

wchar_t Fold(wchar_t c) {
  return c >= L'a' && c <= L'z' ? c - 32 : c;
}

String Folded(const String& s) {
  String out = s;
  std::transform(out.begin(), out.end(), out.begin(), Fold);
  return out;
}

struct Node {
  String name;
  bool deleted = false;
  std::map<String, std::shared_ptr<Node>> subkeys;  // keyed by the folded name: Windows order
  std::vector<std::pair<String, RegValue>> values;  // creation order

  auto FindValue(const String& valueName) {
    return std::find_if(values.begin(), values.end(),
                        [&](const auto& v) { return Folded(v.first) == Folded(valueName); });
  }
};

std::shared_ptr<Node>& RootNode(RegRoot root) {
  static std::map<RegRoot, std::shared_ptr<Node>> roots;
  auto& node = roots[root];
  if (!node) node = std::make_shared<Node>();
  return node;
}

std::vector<String> SplitPath(const String& path) {
  std::vector<String> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find(L'\\', start);
    if (end == String::npos) end = path.size();
    if (end > start) parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

// The node at path, creating missing ones when asked; nullptr when absent.
std::shared_ptr<Node> Walk(RegRoot root, const String& path, bool create) {
  std::shared_ptr<Node> node = RootNode(root);
  for (const String& part : SplitPath(path)) {
    auto it = node->subkeys.find(Folded(part));
    if (it == node->subkeys.end()) {
      if (!create) return nullptr;
      auto child = std::make_shared<Node>();
      child->name = part;
      it = node->subkeys.emplace(Folded(part), std::move(child)).first;
    }
    node = it->second;
  }
  return node;
}

void MarkDeleted(Node& node) {
  node.deleted = true;
  for (auto& [name, child] : node.subkeys) MarkDeleted(*child);
}

Node* AsNode(void* handle) {
  auto* holder = static_cast<std::shared_ptr<Node>*>(handle);
  return holder == nullptr || (*holder)->deleted ? nullptr : holder->get();
}

}  // namespace

std::optional<RegistryKey> RegistryKey::Open(RegRoot root, const String& path) {
  auto node = Walk(root, path, false);
  if (!node) return std::nullopt;
  return RegistryKey(new std::shared_ptr<Node>(std::move(node)));
}

std::optional<RegistryKey> RegistryKey::Create(RegRoot root, const String& path) {
  return RegistryKey(new std::shared_ptr<Node>(Walk(root, path, true)));
}

bool RegistryKey::Exists(RegRoot root, const String& path) {
  return Walk(root, path, false) != nullptr;
}

bool RegistryKey::DeleteTree(RegRoot root, const String& path) {
  const auto parts = SplitPath(path);
  if (parts.empty()) return false;
  String parentPath;
  for (size_t i = 0; i + 1 < parts.size(); ++i) parentPath += parts[i] + L"\\";
  auto parent = Walk(root, parentPath, false);
  if (!parent) return false;
  auto it = parent->subkeys.find(Folded(parts.back()));
  if (it == parent->subkeys.end()) return false;
  MarkDeleted(*it->second);
  parent->subkeys.erase(it);
  return true;
}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept : FHandle(other.FHandle) {
  other.FHandle = nullptr;
}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
  if (this != &other) {
    delete static_cast<std::shared_ptr<Node>*>(FHandle);
    FHandle = other.FHandle;
    other.FHandle = nullptr;
  }
  return *this;
}

RegistryKey::~RegistryKey() {
  delete static_cast<std::shared_ptr<Node>*>(FHandle);
}

std::vector<String> RegistryKey::SubKeyNames() const {
  std::vector<String> names;
  if (Node* node = AsNode(FHandle)) {
    for (const auto& [folded, child] : node->subkeys) names.push_back(child->name);
  }
  return names;
}

std::vector<String> RegistryKey::ValueNames() const {
  std::vector<String> names;
  if (Node* node = AsNode(FHandle)) {
    for (const auto& [name, value] : node->values) names.push_back(name);
  }
  return names;
}

bool RegistryKey::ValueExists(const String& name) const {
  return ReadValue(name).has_value();
}

std::optional<RegValue> RegistryKey::ReadValue(const String& name) const {
  Node* node = AsNode(FHandle);
  if (node == nullptr) return std::nullopt;
  const auto it = node->FindValue(name);
  if (it == node->values.end()) return std::nullopt;
  return it->second;
}

bool RegistryKey::WriteValue(const String& name, const RegValue& value) {
  if (ShouldFail(FaultKind::RegistryWrite)) return false;
  Node* node = AsNode(FHandle);
  if (node == nullptr) return false;
  const auto it = node->FindValue(name);
  if (it != node->values.end()) {
    it->second = value;
  } else {
    node->values.emplace_back(name, value);
  }
  return true;
}

bool RegistryKey::DeleteValue(const String& name) {
  Node* node = AsNode(FHandle);
  if (node == nullptr) return false;
  const auto it = node->FindValue(name);
  if (it == node->values.end()) return false;
  node->values.erase(it);
  return true;
}

}  // namespace platform
