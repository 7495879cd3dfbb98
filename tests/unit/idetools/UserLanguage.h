// The three-letter abbreviation of the user's language ("ENU", "PTB"), as Windows names it.
#pragma once

#include "core/String.h"

String UserLanguageAbbreviation();
