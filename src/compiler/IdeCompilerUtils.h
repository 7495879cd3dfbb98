// The command-line compiler drivers of an IDE installation: the tool base and its family
// (IdeCommandLineTool.h), the Delphi compilers (IdeDCC32.h), and the process runner they use
// (CmdProcess.h). An installation constructs them from what it knows (bin folder, compiler
// version, option-file format, library folders), owns them and passes its output callback on.
#pragma once

#include "compiler/CmdProcess.h"
#include "compiler/IdeCommandLineTool.h"
#include "compiler/IdeCompilerErrors.h"
#include "compiler/IdeDCC32.h"
