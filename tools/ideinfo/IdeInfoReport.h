// The text ideinfo prints: for each installation of the catalogue a block of "name: value" lines
// (identity with the registry key it was read from, package and compiler versions, validity,
// personalities, tools, and for Win32, when the installation can build for it, the raw and
// evaluated library paths, output folders and flags, then one "Known package:" line per
// registered package: its path, its description and "enabled" or "disabled"). An error while
// describing one installation becomes an "Error:" line of its block; the other blocks are still
// written.
#pragma once

#include "core/String.h"
#include "idetools/IdeUtils.h"

// The block of one installation, each line ended by LF.
String DescribeInstallation(TIdeBorRADToolInstallation& installation);
// All blocks, separated by an empty line; "No installation found." when there is none.
String DescribeCatalogue(const TIdeBorRADToolInstallations& catalogue);
