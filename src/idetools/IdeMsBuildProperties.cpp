#include "IdeMsBuild.h"

namespace {

String Folded(const String& name) {
  String out = name;
  for (auto& c : out) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - 32);
  }
  return out;
}

}  // namespace

TIdeMsBuildProperty* TIdeMsBuildPropertyLayer::Find(const String& name) {
  const auto hit = FIndex.find(Folded(name));
  return hit == FIndex.end() ? nullptr : &FLines[hit->second];
}

const TIdeMsBuildProperty* TIdeMsBuildPropertyLayer::Find(const String& name) const {
  const auto hit = FIndex.find(Folded(name));
  return hit == FIndex.end() ? nullptr : &FLines[hit->second];
}

String TIdeMsBuildPropertyLayer::Values(const String& name) const {
  const TIdeMsBuildProperty* line = Find(name);
  return line ? line->Value : String();
}

void TIdeMsBuildPropertyLayer::SetValue(const String& name, const String& value) {
  if (value.empty()) {
    Remove(name);
  } else if (TIdeMsBuildProperty* line = Find(name)) {
    line->Value = value;
  } else {
    Append(name, value);
  }
}

TIdeMsBuildProperty& TIdeMsBuildPropertyLayer::Append(const String& name, const String& value) {
  FIndex.try_emplace(Folded(name), FLines.size());
  FLines.push_back({name, value, nullptr});
  return FLines.back();
}

void TIdeMsBuildPropertyLayer::Remove(const String& name) {
  const auto hit = FIndex.find(Folded(name));
  if (hit == FIndex.end()) return;
  FLines.erase(FLines.begin() + static_cast<std::ptrdiff_t>(hit->second));
  Reindex();
}

void TIdeMsBuildPropertyLayer::Clear() {
  FLines.clear();
  FIndex.clear();
}

void TIdeMsBuildPropertyLayer::Assign(const TStringList& list) {
  Clear();
  for (int i = 0; i < list.Count(); ++i) {
    const String line = list[i];
    const size_t eq = line.find(L'=');
    if (eq != String::npos) Append(line.substr(0, eq), line.substr(eq + 1));
  }
}

void TIdeMsBuildPropertyLayer::Reindex() {
  FIndex.clear();
  for (size_t i = 0; i < FLines.size(); ++i) FIndex.try_emplace(Folded(FLines[i].Name), i);
}

TIdeMsBuildProperty* TIdeMsBuildProperties::Find(const String& name) {
  for (TIdeMsBuildPropertyLayer* layer : {&FReserved, &FGlobal, &FCustom, &FEnvironment}) {
    if (TIdeMsBuildProperty* line = layer->Find(name)) return line;
  }
  return nullptr;
}

const TIdeMsBuildProperty* TIdeMsBuildProperties::Find(const String& name) const {
  for (const TIdeMsBuildPropertyLayer* layer : {&FReserved, &FGlobal, &FCustom, &FEnvironment}) {
    if (const TIdeMsBuildProperty* line = layer->Find(name)) return line;
  }
  return nullptr;
}

String TIdeMsBuildProperties::Values(const String& name) const {
  const TIdeMsBuildProperty* line = Find(name);
  return line ? line->Value : String();
}

void TIdeMsBuildProperties::SetValues(const String& name, const String& value) {
  if (FReserved.Find(name))
    RaiseMsBuildError(L"Attempt to override or to delete a reserved MsBuild property");
  if (FGlobal.Find(name)) return;
  if (FCustom.Find(name)) {
    FCustom.SetValue(name, value);
  } else if (FEnvironment.Find(name) && value.empty()) {
    FEnvironment.Remove(name);
  } else if (!value.empty()) {
    FCustom.Append(name, value);
  }
}

void TIdeMsBuildProperties::MergeEnvironmentProperties(const TStringList& list) {
  for (const TIdeMsBuildProperty& line : FEnvironment.Lines()) {
    const String value = list.Values(line.Name);
    if (!value.empty()) FEnvironment.SetValue(line.Name, value);
  }
}
