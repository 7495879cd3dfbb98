// A parser over a minimal project, made once per fuzzing process, for the expansion and
// condition targets.
#pragma once

#include <cstdlib>
#include <memory>
#include <string>

#include "FuzzScratch.h"
#include "idetools/IdeMsBuild.h"
#include "platform/Files.h"
#include "platform/Paths.h"

inline TIdeMsBuildParser& FuzzParser() {
  static std::unique_ptr<TIdeMsBuildParser> parser = [] {
    const String file = FuzzScratch() / L"qrv-fuzz.proj";
    const std::string text =
        "<Project xmlns=\"http://schemas.microsoft.com/developer/msbuild/2003\"><PropertyGroup>"
        "<A>1</A><B>$(A);x</B><Platform>Win32</Platform></PropertyGroup><ItemGroup>"
        "<Ref Include=\"a.dcp\"/><Ref Include=\"b.dcp\"/></ItemGroup></Project>";
    platform::WriteFileBytes(file, std::vector<uint8_t>(text.begin(), text.end()));
    auto p = std::make_unique<TIdeMsBuildParser>(file);
    p->Init();
    p->Parse();
    return p;
  }();
  return *parser;
}

inline String FuzzText(const uint8_t* data, size_t size) {
  return FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
}
