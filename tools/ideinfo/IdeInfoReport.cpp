#include "IdeInfoReport.h"

#include "core/Exception.h"
#include "core/Format.h"

namespace {

String BoolText(bool value) {
  return value ? L"True" : L"False";
}

template <typename E, typename TNames>
String SetText(TIdeSet16<E> set, int count, TNames name) {
  String text;
  for (int member = 0; member < count; ++member) {
    if (set.Contains(static_cast<E>(member)))
      text += (text.empty() ? L"" : L", ") + String(name(static_cast<E>(member)));
  }
  return text;
}

void AddLine(String& out, const String& name, const String& value) {
  out += name + L": " + value + L"\n";
}

void DescribeWin32(TIdeBorRADToolInstallation& ide, String& out) {
  AddLine(out, L"Win32 RawLibrarySearchPath", ide.GetRawLibrarySearchPath(bpWin32));
  AddLine(out, L"Win32 LibrarySearchPath", ide.GetLibrarySearchPath(bpWin32));
  AddLine(out, L"Win32 RawLibraryBrowsingPath", ide.GetRawLibraryBrowsingPath(bpWin32));
  AddLine(out, L"Win32 LibraryBrowsingPath", ide.GetLibraryBrowsingPath(bpWin32));
  AddLine(out, L"Win32 RawDebugDCUPath", ide.GetRawDebugDCUPath(bpWin32));
  AddLine(out, L"Win32 DebugDCUPath", ide.GetDebugDCUPath(bpWin32));
  AddLine(out, L"Win32 BPLOutputPath", ide.GetBPLOutputPath(bpWin32));
  AddLine(out, L"Win32 DCPOutputPath", ide.GetDCPOutputPath(bpWin32));
  AddLine(out, L"Win32 LibFolderName", ide.GetLibFolderName(bpWin32));
  AddLine(out, L"SupportsNoConfig", BoolText(ide.SupportsNoConfig()));
}

// One line per known package: its library path, its description, and whether it is switched
// off in the IDE.
void DescribeKnownPackages(TIdeBorRADToolInstallation& ide, String& out) {
  const TIdeBorRADToolIdePackages& packages = ide.IdePackages();
  for (int i = 0; i < packages.Count(); ++i) {
    AddLine(out, L"Known package",
            packages.PackageFileNames(i) + L" | " + packages.PackageDescriptions(i) + L" | " +
                (packages.PackageDisabled(i) ? L"disabled" : L"enabled"));
  }
}

}  // namespace

String DescribeInstallation(TIdeBorRADToolInstallation& ide) {
  String out;
  try {
    AddLine(out, L"Name", ide.Name());
    AddLine(out, L"RadToolKind", RadToolKindName(ide.RadToolKind()));
    AddLine(out, L"IDEVersionNumber", Format(L"%d", {ide.IDEVersionNumber()}));
    AddLine(out, L"IDEVersionNumberStr", ide.IDEVersionNumberStr());
    AddLine(out, L"ConfigDataLocation", ide.ConfigDataLocation());
    AddLine(out, L"PackageVersionNumber", ide.PackageVersionNumberStr());
    AddLine(out, L"IDEPackageVersionNumber", ide.IDEPackageVersionNumberStr());
    AddLine(out, L"DCCVersion", Format(L"%.1f", {static_cast<double>(ide.DCCVersion())}));
    AddLine(out, L"RootDir", ide.RootDir());
    AddLine(out, L"BinFolderName", ide.BinFolderName());
    AddLine(out, L"Valid", BoolText(ide.Valid()));
    AddLine(out, L"Edition", EditionName(ide.Edition()));
    AddLine(out, L"Personalities", SetText(ide.Personalities(), bpUnknown + 1, PersonalityName));
    AddLine(out, L"CommandLineTools",
            SetText(ide.CommandLineTools(), clProj2Mak + 1, CommandLineToolName));
    const TIdeBorPersonalities personalities = ide.Personalities();
    if (personalities.Contains(bpDelphi32) || personalities.Contains(bpBCBuilder32))
      DescribeWin32(ide, out);
    DescribeKnownPackages(ide, out);
  } catch (const Exception& e) {
    AddLine(out, L"Error", e.Message());
  } catch (const std::exception& e) {
    AddLine(out, L"Error", FromUtf8(e.what()));
  }
  return out;
}

String DescribeCatalogue(const TIdeBorRADToolInstallations& catalogue) {
  if (catalogue.Count() == 0) return L"No installation found.\n";
  String out;
  for (int i = 0; i < catalogue.Count(); ++i) {
    if (i > 0) out += L"\n";
    out += DescribeInstallation(catalogue.Installations(i));
  }
  return out;
}
