// The qrvpack command line: build, list and extract setups. Arguments are native paths and
// texts; RunQrvpack prints results on `out`, one error line on `err`, and returns the exit code
// (0 on success, 1 for a failure, 2 for a misuse of the command line).
#pragma once

#include <ostream>
#include <vector>

#include "core/String.h"

int RunQrvpack(const std::vector<String>& arguments, std::ostream& out, std::ostream& err);
