// The registry settings view of an installation: its version key read like an INI file. A
// section is a subkey path below the key ("Library", "Library\Win32"), an ident a value name.
// Reads of missing sections or values give the default; WriteString raises EIdeRegistryError
// when the value cannot be stored.
#pragma once

#include <vector>

#include "core/String.h"
#include "platform/Registry.h"

class TIdeConfigData {
 public:
  // Opens the view on key under root, creating the key when it does not exist.
  TIdeConfigData(platform::RegRoot root, const String& key);

  platform::RegRoot Root() const { return FRoot; }
  const String& Key() const { return FKey; }

  String ReadString(const String& section, const String& ident, const String& defaultValue) const;
  void WriteString(const String& section, const String& ident, const String& value);
  // Deletes the value; false when it or the section does not exist or cannot be deleted.
  bool DeleteValue(const String& section, const String& ident);
  bool SectionExists(const String& section) const;
  // Value names of the section, in index order; empty when it does not exist.
  std::vector<String> ReadSection(const String& section) const;

 private:
  String SectionPath(const String& section) const;
  platform::RegRoot FRoot;
  String FKey;
};

// "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", ...
String RegRootName(platform::RegRoot root);
