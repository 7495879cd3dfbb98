#include "Qrvpack.h"

#include <algorithm>
#include <map>

#include "SetupBuilder.h"
#include "SetupReader.h"
#include "core/Format.h"
#include "platform/Paths.h"

namespace {

const char* const kUsage =
    "usage: qrvpack build --stub STUB --from DIR --version N [--package TEXT] [--source 0|1]\n"
    "                     [--files \"|A|B|\"] [--names \"|X|Y|\"] [--report-server HOST[:PORT]]\n"
    "                     -o SETUP\n"
    "       qrvpack list SETUP\n"
    "       qrvpack extract SETUP DIR\n";

class EUsage : public Exception {
 public:
  using Exception::Exception;
};

int32_t PositiveNumber(const String& text, const wchar_t* option) {
  const bool digits =
      !text.empty() && text.size() <= 9 && text.find_first_not_of(L"0123456789") == String::npos;
  if (!digits || std::stol(text) == 0)
    throw EUsage(Format(L"%s needs a positive decimal number, not \"%s\"", {option, text}));
  return static_cast<int32_t>(std::stol(text));
}

TBuildOptions ParseBuild(const std::vector<String>& arguments) {
  std::map<String, String> values;
  for (size_t i = 1; i < arguments.size(); i += 2) {
    const String& option = arguments[i];
    static const std::vector<String> known = {L"--stub",    L"--from",          L"--version",
                                              L"--package", L"--source",        L"--files",
                                              L"--names",   L"--report-server", L"-o"};
    if (std::find(known.begin(), known.end(), option) == known.end())
      throw EUsage(Format(L"unknown option \"%s\"", {option}));
    if (i + 1 >= arguments.size()) throw EUsage(Format(L"%s needs a value", {option}));
    if (!values.emplace(option, arguments[i + 1]).second)
      throw EUsage(Format(L"%s given twice", {option}));
  }
  for (const wchar_t* required : {L"--stub", L"--from", L"--version", L"-o"}) {
    if (!values.contains(required)) throw EUsage(Format(L"%s is required", {required}));
  }
  TBuildOptions options;
  options.Stub = FromNativePath(values[L"--stub"]);
  options.From = FromNativePath(values[L"--from"]);
  options.Output = FromNativePath(values[L"-o"]);
  options.Version = PositiveNumber(values[L"--version"], L"--version");
  options.Package = values[L"--package"];
  if (values.contains(L"--source")) {
    const String& source = values[L"--source"];
    if (source != L"0" && source != L"1")
      throw EUsage(Format(L"--source takes 0 or 1, not \"%s\"", {source}));
    options.Source = source == L"1";
  }
  if (values.contains(L"--files")) options.Files = values[L"--files"];
  options.Names = values[L"--names"];
  if (values.contains(L"--report-server")) options.ReportServer = values[L"--report-server"];
  return options;
}

void Run(const std::vector<String>& arguments, std::ostream& out) {
  const String command = arguments.empty() ? String() : arguments[0];
  if (command == L"build") {
    BuildSetup(ParseBuild(arguments));
  } else if (command == L"list" && arguments.size() == 2) {
    ListSetup(FromNativePath(arguments[1]), out);
  } else if (command == L"extract" && arguments.size() == 3) {
    ExtractSetup(FromNativePath(arguments[1]), FromNativePath(arguments[2]), out);
  } else if (command == L"list" || command == L"extract") {
    throw EUsage(Format(L"wrong number of arguments for %s", {command}));
  } else {
    throw EUsage(command.empty() ? String(L"no command given")
                                 : Format(L"unknown command \"%s\"", {command}));
  }
}

}  // namespace

int RunQrvpack(const std::vector<String>& arguments, std::ostream& out, std::ostream& err) {
  try {
    Run(arguments, out);
    return 0;
  } catch (const EUsage& misuse) {
    if (arguments.empty())
      err << kUsage;
    else
      err << "qrvpack: " << misuse.what() << " (run qrvpack alone for its usage)\n";
    return 2;
  } catch (const std::exception& failure) {
    err << "qrvpack: " << failure.what() << "\n";
    return 1;
  }
}
