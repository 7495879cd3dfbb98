// Windows file-name arithmetic on text (no file system access): folder, name and extension of a
// path, joining and normalising. Backslash and slash both separate; nothing raises.
#pragma once

#include "core/String.h"

// Folder part without trailing backslash ("C:\a\b.txt" -> "C:\a", "C:\b" -> "C:").
String ExtractFileDir(const String& path);
// Name with extension ("C:\a\b.txt" -> "b.txt").
String ExtractFileName(const String& path);
// Extension with its dot ("b.txt" -> ".txt"); empty without one.
String ExtractFileExt(const String& path);
// The path with its extension replaced (ext with its dot, or empty to remove).
String ChangeFileExt(const String& path, const String& ext);
// True for "C:\x", "\x" and "\\server\x" forms.
bool IsAbsolutePath(const String& path);
// A relative path joined to folder; "." and ".." segments resolved; an absolute path alone.
String JoinAndNormalisePath(const String& folder, const String& path);
// The path without one trailing backslash.
String WithoutTrailingBackslash(const String& path);
