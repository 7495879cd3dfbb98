// Choosing the IDE installation a setup installs into, and the display names of IDE versions.
// A payload is built for one Delphi version; its target is the first installation, in the
// catalogue's discovery order, whose version tag is "d" (lower case) followed by that number.
// Portable; nothing here raises except NumberFromText on a tag of more than 18 digits.
#pragma once

#include <cstdint>
#include <vector>

#include "core/String.h"

class TIdeBorRADToolInstallations;

// "Delphi XE10.3 - Rio" for 26 and so on; empty for numbers without a name (8, 13, 30 to 36,
// below 7 and above 37).
String IdeDisplayName(int version);

// Index of the first tag that names Delphi targetVersion ("d26" for 26); -1 when none does.
int FirstInstallationOfVersion(const std::vector<String>& versionTags, int32_t targetVersion);

// The IDEVersionNumberStr of every installation of the catalogue, in its order; none for a
// missing catalogue.
std::vector<String> VersionTags(const TIdeBorRADToolInstallations* installations);
