// TQoLibFunctions: the component that can be placed on a window for the library's helper
// functions; it adds nothing to TComponent. The functions themselves are free functions, and
// including this header makes all of them available: text, number and date helpers
// (core/LibFunctions.h), paths (platform/Paths.h), the locale's upper case (platform/Locale.h)
// and the waits and window lookups of the application (platform/Application.h).
#pragma once

#include "core/LibFunctions.h"
#include "platform/Application.h"
#include "platform/Locale.h"
#include "platform/Paths.h"
#include "ui/Component.h"

class TQoLibFunctions : public TComponent {
 public:
  using TComponent::TComponent;
};
