// Path arithmetic and file moves of the compiler drivers, beside the catalogue's file-name
// helpers (idetools/IdeFileNames.h). Paths are Windows paths (see platform/Files.h). Only
// SameFolder, MoveFileReplacing and TCurrentFolderChange touch the disk; nothing raises.
#pragma once

#include <functional>

#include "core/String.h"

// The folder part of a path with its trailing backslash ("C:\a\b.dpk" -> "C:\a\"); empty
// when the path has no folder.
String ExtractFilePath(const String& path);
// The backup name of a file: the extension's dot becomes "~" and a new dot goes in front
// ("a.cfg" -> "a.~cfg"); a name without extension gets ".~".
String BackupFileName(const String& path);
// Path expressed relative to folder (both full; names compared ignoring case); the path itself
// when the two lie on different drives.
String RelativePathFrom(const String& folder, const String& path);
// True when the two name the same folder: their long forms (or the texts themselves where the
// folder does not exist) are equal ignoring case and a trailing backslash.
bool SameFolder(const String& a, const String& b);

// Applies change to each element of a ";"-separated list (empty elements included) and joins
// the results with ";" again.
String MapPathList(const String& list, const std::function<String(const String&)>& change);
// The short (8.3) form of an existing path; the path itself where there is none.
String ShortPathOrSelf(const String& path);

// Makes a folder current for as long as it lives, then the one that was current before.
class TCurrentFolderChange {
 public:
  explicit TCurrentFolderChange(const String& folder);
  TCurrentFolderChange(const TCurrentFolderChange&) = delete;
  TCurrentFolderChange& operator=(const TCurrentFolderChange&) = delete;
  ~TCurrentFolderChange();

 private:
  String FSaved;
};

// Moves a file over any file of the target name: a rename first, and when that fails a copy
// (overwriting) followed, once the copy succeeded, by the deletion of the source.
bool MoveFileReplacing(const String& from, const String& to);
