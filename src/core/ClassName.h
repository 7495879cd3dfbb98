// The name of a class as written in its declaration, read from the run-time type information
// without the C++ library's demangler (which would add tens of kilobytes to the setup program).
#pragma once

#include <typeinfo>

#include "core/String.h"

// The class's own name, without namespaces or enclosing classes: "TFrmMain" for ::TFrmMain and
// for ui::TFrmMain. A type name this does not read (a template, a class local to a function)
// is returned as the compiler wrote it.
String ClassNameOf(const std::type_info& type);

// The same for a type name in the Itanium C++ ABI's mangled form, as type_info::name() gives it.
String ClassNameFromMangled(const char* mangled);
