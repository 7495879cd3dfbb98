// TQoFindFile: a non-visual component that collects the names of the files matching one or more
// wildcard masks ("*.pas; *.dfm") in InitialDir and, with foRecursiveDir, in all its subfolders,
// filtered by attributes. A folder is searched mask by mask before its subfolders, which are
// visited depth-first in the file system's order. Results are neither sorted nor made unique.
//
// Attribute rule: a file is a result only when every attribute it carries lies within archive,
// normal and not-content-indexed, plus read-only, hidden and system for the options that allow
// them; a folder, or a compressed, encrypted, temporary or offline file, never is.
//
// The search runs on the calling thread and processes pending window messages once per folder
// and once per entry a mask search examines, so Abort can come from a button (or from OnFound).
// Nothing here raises: a folder that cannot be listed contributes nothing. Portable.
#pragma once

#include <cstdint>
#include <functional>

#include "core/String.h"
#include "core/StringList.h"
#include "ui/Component.h"
#include "ui/Sets.h"

enum class TQoFindOption {
  foIncludePath,
  foRecursiveDir,
  foReadOnlyFiles,
  foHiddenFiles,
  foSysFiles
};
using TQoFindOptions = TSet<TQoFindOption>;

using TQoFindFoundEvent = std::function<void(TComponent* sender, const String& fileName)>;
using TQoFindSearchDirEvent = std::function<void(TComponent* sender, const String& directory)>;

class TQoFindFile : public TComponent {
 public:
  explicit TQoFindFile(TComponent* owner);

  const String& FileToSearch() const { return FFileToSearch; }
  void SetFileToSearch(const String& value) { FFileToSearch = value; }
  // The results of the last Execute; the caller may sort or edit them until the next one.
  TStringList& Files() { return FFiles; }
  const String& InitialDir() const { return FInitialDir; }
  // One trailing backslash is dropped ("C:\" becomes "C:").
  void SetInitialDir(const String& value);
  // Most results to collect over the whole search; 0 means no limit.
  int32_t MaxFiles() const { return FMaxFiles; }
  void SetMaxFiles(int32_t value) { FMaxFiles = value; }
  TQoFindOptions Options() const { return FOptions; }
  void SetOptions(TQoFindOptions value) { FOptions = value; }

  // Clears the results and searches; false when Abort was called during the search.
  bool Execute();
  // Stops the running search at its next directory entry.
  void Abort() { FAborted = true; }

  // (Sender, result) for each result; (Sender, folder) for each folder entered.
  TQoFindFoundEvent OnFound;
  TQoFindSearchDirEvent OnSearchDir;

  // The attributes a result may carry under the current options.
  uint32_t AttributeMask() const;

 private:
  void SearchFolder(const String& folder);
  void SearchMask(const String& folder, const String& mask);
  void SearchSubfolders(const String& folder);
  // Abort was called or the results reached MaxFiles.
  bool MustStop() const;

  bool FAborted = false;
  String FFileToSearch;
  TStringList FFiles;
  String FInitialDir;
  int32_t FMaxFiles = 0;
  TQoFindOptions FOptions{TQoFindOption::foIncludePath, TQoFindOption::foRecursiveDir,
                          TQoFindOption::foReadOnlyFiles, TQoFindOption::foHiddenFiles,
                          TQoFindOption::foSysFiles};
};
