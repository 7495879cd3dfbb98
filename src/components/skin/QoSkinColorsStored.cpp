// The scheme's stored form: its groups by name, the properties a stored form holds and reading
// one back.
#include "components/skin/QoSkinColors.h"
#include "core/StringList.h"

int TQoColorGroup::IndexOf(const String& name) const {
  for (size_t i = 0; i < Count(); ++i) {
    if (SameTextAscii(name, Info(i).Name)) return static_cast<int>(i);
  }
  return -1;
}

std::vector<std::pair<const wchar_t*, TQoColorGroup*>> TQoSkinColors::Groups() {
  return {{L"ArrowBtn", &FArrowBtn},
          {L"Button", &FButton},
          {L"Check", &FCheck},
          {L"Edit", &FEdit},
          {L"Form", &FForm},
          {L"Group", &FGroup},
          {L"Header", &FHeader},
          {L"Labels", &FLabels},
          {L"MainMenu", &FMainMenu},
          {L"MenuItem", &FMenuItem},
          {L"PageControl", &FPageControl},
          {L"ProgressBar", &FProgressBar},
          {L"RadioButton", &FRadioButton},
          {L"SpeedButton", &FSpeedButton},
          {L"StatusBar", &FStatusBar},
          {L"TabButton", &FTabButton},
          {L"ToolBar", &FToolBar}};
}

std::vector<TQoStoredColor> TQoSkinColors::StoredValues(const String& path) const {
  std::vector<TQoStoredColor> stored;
  // Groups() lists the groups for writing as well; this only reads them.
  for (const auto& [groupName, group] : const_cast<TQoSkinColors*>(this)->Groups()) {
    for (size_t i = 0; i < group->Count(); ++i) {
      if (group->Value(i) == group->Info(i).StoredDefault) continue;
      stored.emplace_back(path + L"." + groupName + L"." + group->Info(i).Name, group->Value(i));
    }
  }
  return stored;
}

bool TQoSkinColors::ReadStoredValue(const String& path, const String& name, TColor value) {
  const String prefix = path + L".";
  if (name.size() <= prefix.size() || !SameTextAscii(name.substr(0, prefix.size()), prefix))
    return false;
  const String rest = name.substr(prefix.size());
  const size_t dot = rest.find(L'.');
  if (dot == String::npos) return false;
  for (const auto& [groupName, group] : Groups()) {
    if (!SameTextAscii(rest.substr(0, dot), groupName)) continue;
    const int index = group->IndexOf(rest.substr(dot + 1));
    if (index < 0) return false;
    group->SetValue(static_cast<size_t>(index), value);
    return true;
  }
  return false;
}
