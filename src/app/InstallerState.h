// The installer's run state: one instance per run, held beside the wizard window and shared by
// every step of the installation (payload, pages, copy, build, report). Plain data; the steps
// that fill each member are named beside it. The state owns everything it holds.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <random>

#include "core/String.h"
#include "core/StringList.h"
#include "idetools/IdeUtils.h"

struct TInstallerState {
  // Folder that holds the unpacked payload, without a trailing backslash (ExtractPayload).
  // Never removed.
  String TempDir;
  // IDE version number the package targets, e.g. 26; 0 when the descriptor has none
  // (ReadSetupDescriptor).
  int32_t TargetVersion = 0;
  // Display text of the package edition, shown on the welcome page (ReadSetupDescriptor).
  String PackageName;
  // Unit names of the whole library, each enclosed in "|": |UnitA|UnitB| (ReadSetupDescriptor).
  String UnitList;
  // Component class names in the same form; no later step uses it (ReadSetupDescriptor).
  String ComponentList;
  // Whether the payload carries source files; sent in the report (ReadSetupDescriptor).
  bool SourceFlag = false;
  // The report server, HOST[:PORT], when the descriptor names one (an empty value turns the
  // report off); without the key the program's built-in default applies (ReadSetupDescriptor).
  std::optional<String> ReportServer;
  // Bare file names of the unpacked files in archive order, duplicates kept (UnpackArchive).
  TStringList ExtractedFiles;

  // The IDE installations found in the registry, in discovery order (created by FormCreate,
  // freed by FormClose); null when the catalogue could not be read.
  std::unique_ptr<TIdeBorRADToolInstallations> Installations;

  // Index of the target installation in the catalogue; -1 when none (SelectInstallation).
  int32_t TargetIndex = -1;
  // When true the window closes without asking for confirmation. Never set back to false.
  bool Finished = false;

  // Draws the temporary folder's number; the window seeds it from the clock at creation.
  std::mt19937 Random;
};
