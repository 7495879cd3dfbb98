// Path arithmetic and file moves of the compiler drivers. Paths are Windows paths (see
// platform/Files.h). Only the file-system helpers at the end touch the disk; nothing raises.
#pragma once

#include "core/String.h"

// The folder part of a path with its trailing backslash ("C:\a\b.dpk" -> "C:\a\"); empty
// when the path has no folder.
String ExtractFilePath(const String& path);
// The path with its extension (the dot and what follows it in the last name) replaced by ext.
String ReplaceFileExt(const String& path, const String& ext);
// The backup name of a file: the extension's dot becomes "~" and a new dot goes in front
// ("a.cfg" -> "a.~cfg"); a name without extension gets ".~".
String BackupFileName(const String& path);
// The path without one trailing backslash.
String ExcludeTrailingBackslash(const String& path);
// The full form of a path taken from folder (which ends with a backslash): "." and ".."
// resolved; a path with a drive stays on it, one beginning with "\" goes to folder's drive.
// An empty path stays empty.
String ExpandFileNameFrom(const String& path, const String& folder);
// Path expressed relative to folder (both full; names compared ignoring case); the path itself
// when the two lie on different drives.
String RelativePathFrom(const String& folder, const String& path);
// True when the two name the same folder: their long forms (or the texts themselves where the
// folder does not exist) are equal ignoring case and a trailing backslash.
bool SameFolder(const String& a, const String& b);

// Moves a file over any file of the target name: a rename first, and when that fails a copy
// (overwriting) followed, once the copy succeeded, by the deletion of the source.
bool MoveFileReplacing(const String& from, const String& to);
