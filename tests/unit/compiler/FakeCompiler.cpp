#include "FakeCompiler.h"

#include <atomic>
#include <random>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#endif

#include "platform/Files.h"
#include "platform/Paths.h"

namespace {

std::filesystem::path UniqueScratchFolder() {
  static std::atomic<int> counter{0};
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  for (;;) {
    const std::filesystem::path candidate =
        base / ("qrv-compiler-" + std::to_string(std::random_device{}()) + "-" +
                std::to_string(++counter));
    if (std::filesystem::create_directories(candidate)) return candidate;
  }
}

}  // namespace

TFakeCompiler::TFakeCompiler(const String& exeName) : FExeName(exeName) {
  FRoot = UniqueScratchFolder();
  std::filesystem::create_directories(FRoot / "bin");
  std::filesystem::copy_file(QRV_FAKEDCC_PATH, FRoot / "bin" / exeName);
  FRootFolder = WithTrailingBackslash(SystemPath(FRoot));
  FBinFolder = FRootFolder + L"bin\\";
}

TFakeCompiler::~TFakeCompiler() {
  std::error_code ignored;
  std::filesystem::remove_all(FRoot, ignored);
}

String TFakeCompiler::MakeFolder(const String& relative) const {
  const String folder = WithTrailingBackslash(FRootFolder + relative);
  platform::ForceDirectories(folder);
  return folder;
}

void TFakeCompiler::WriteScript(const std::string& script) const {
  const size_t dot = FExeName.rfind(L'.');
  WriteTextFile(FBinFolder + FExeName.substr(0, dot) + L".script", script);
}

std::vector<TFakeRun> TFakeCompiler::Runs() const {
  const size_t dot = FExeName.rfind(L'.');
  std::istringstream in(ReadTextFile(FBinFolder + FExeName.substr(0, dot) + L".record"));
  std::vector<TFakeRun> runs;
  TFakeRun run;
  for (std::string line; std::getline(in, line);) {
    if (line.empty()) {
      runs.push_back(run);
      run.clear();
      continue;
    }
    const size_t equals = line.find('=');
    run[line.substr(0, equals)].push_back(FromUtf8(line.substr(equals + 1)));
  }
  return runs;
}

String SystemPath(const std::filesystem::path& path) {
  return FromNativePath(path.wstring());
}

void WriteTextFile(const String& path, const std::string& bytes) {
  platform::WriteFileBytes(path, std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

std::string ReadTextFile(const String& path) {
  if (!platform::FileExists(path)) return std::string();
  const std::vector<uint8_t> bytes = platform::ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

int OpenHandleCount() {
#ifdef _WIN32
  DWORD count = 0;
  GetProcessHandleCount(GetCurrentProcess(), &count);
  return static_cast<int>(count);
#else
  int count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    ++count;
  }
  return count;
#endif
}
