// Path and platform helpers of the component library. Paths are Windows paths (see Files.h).
#pragma once

#include "core/String.h"

// Path with a backslash appended unless it ends with one; the empty path gives "\".
String WithTrailingBackslash(const String& path);
// The platform's temporary folder with its trailing backslash (at most 260 characters); empty
// when the platform call fails.
String SystemTempFolder();
// The current directory (at most 260 characters) with a trailing backslash.
String CurrentFolder();
bool SetCurrentFolder(const String& path);
// Path rebuilt from the names the file system stores for its components: long names, or the
// short (8.3) ones where an entry has one and longNames is false. Empty when Path names no
// existing entry. A path without a drive is taken relative to the current folder.
String ExpandPathName(const String& path, bool longNames);
String LongPathName(const String& path);
// A text of the shell's name space ("::{GUID}\..."), resolved by the shell: the item's file
// system path when it has one, else its desktop-absolute parsing name. Empty when the shell
// cannot resolve the text, and always where there is no shell (natively).
String ShellNamespacePath(const String& text);
// LongPathName of the running program's own file.
String ProgramFileName();
// The running program's file as the loader reports it.
String ModuleFileName();
// The drive part of a path: "C:" or "\\server\share"; empty when there is none.
String ExtractFileDrive(const String& path);

// The Windows form of a native path: natively "/a/b" becomes "Z:\a\b"; on Windows the path
// itself. Tools use it for paths given on their command line.
String FromNativePath(const String& nativePath);
