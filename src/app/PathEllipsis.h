// A path shortened to fit a width by replacing its leading folders with "...\": the copy page
// shows each target file this way. Widths come from the caller's measure (the label's font).
// Portable; nothing here fails.
#pragma once

#include <functional>

#include "core/String.h"

// The path as it fits maxWidth: whole when it fits; otherwise its folders are dropped from the
// front one by one ("C:\...\QRVComps\D26\UnitA.pas", "C:\...\D26\UnitA.pas", "C:\...\UnitA.pas"),
// then the drive ("...\UnitA.pas"), then the marker ("UnitA.pas"). The file name is never cut,
// so the result may still be wider than maxWidth.
String PathEllipsis(const String& path, int maxWidth,
                    const std::function<int(const String&)>& textWidth);
