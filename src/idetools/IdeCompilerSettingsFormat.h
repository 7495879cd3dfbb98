// The kind of project option file an IDE generation writes: .dof (Delphi, C++Builder), .bdsproj
// (BDS 1-4) or an MSBuild .dproj (BDS 5 and later). The catalogue answers it per installation;
// the compiler driver reads the matching file.
#pragma once

enum TIdeCompilerSettingsFormat { csfDOF, csfBDSProj, csfMsBuild };
