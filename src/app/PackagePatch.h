// Rewrites the package project in the destination folder so that it names exactly the component
// resources and units found there:
//   - "{$R *.res}" is followed by {$R 'Unit.dcr'} for each ".dcr" of the folder whose unit is in
//     the unit list (sorted ignoring case, in the locale's order);
//   - the word "contains" becomes the unit list: each listed unit whose ".pas" is in the folder as
//     "  Unit in 'Unit.pas',", else whose ".dcu" is as "  Unit,", the last comma made a ";".
// Only the first occurrence of each word is replaced (case-sensitive). The file is saved in the
// encoding it was read in, every line ended by CR LF; an ANSI file whose new text the code page
// cannot hold (a name with a character it lacks) is saved as UTF-8 with a byte-order mark
// instead. Raises EInOutError when the package project cannot be read or written. Portable.
#pragma once

#include "core/String.h"
#include "core/StringList.h"

class TQoFindFile;

// packageFile: the project in the destination folder; unitList: |UnitA|UnitB|; finder: the
// window's file finder, whose InitialDir, FileToSearch and Files this sets.
void PatchPackageSource(const String& packageFile, const String& unitList, TQoFindFile& finder);

// The resource block that replaces "{$R *.res}" and the unit list that replaces "contains",
// from the sorted resource names and the destination folder F (ending with a backslash).
String PackageResourceBlock(const TStringList& sortedResources, const String& unitList);
String PackageUnitList(const String& folder, const String& unitList);
