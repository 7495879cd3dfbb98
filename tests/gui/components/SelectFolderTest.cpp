// The folder selection dialog driven as a user would: a helper thread waits for the window,
// selects folders through the tree, presses its buttons and answers the prompts, while the test's
// thread sits in Execute. Each test works in a scratch folder with the subfolders Alfa, Alfa\Beta
// and Gama. The window is the process's one instance, so tests also see what earlier ones left.
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <psapi.h>

#include <functional>

#include "WindowDriver.h"
#include "components/ExSelectFolder.h"
#include "components/FrmExSelFolder.h"
#include "components/QoFormSaverRecord.h"
#include "components/QoMsgDlg.h"
#include "platform/Files.h"
#include "platform/Registry.h"
#include "shellviews/ShellTreeView.h"

namespace {

constexpr UINT kRunOnWindowThread = WM_APP + 0x700;
constexpr DWORD kNoDialogMs = 1500;

// Lets a helper thread run code on the dialog's thread: the dialog's handling chain runs the
// function a kRunOnWindowThread message carries.
void InstallRunner(TFrmExSelFolder& dialog) {
  static bool installed = false;
  if (installed) return;
  installed = true;
  TWndMethod previous = dialog.WindowProc();
  dialog.SetWindowProc([previous](TMessage& message) {
    if (message.Msg == kRunOnWindowThread) {
      (*reinterpret_cast<std::function<void()>*>(message.LParam))();
      return;
    }
    previous(message);
  });
}

void RunOnWindowThread(HWND window, std::function<void()> code) {
  ::SendMessageW(window, kRunOnWindowThread, 0, reinterpret_cast<LPARAM>(&code));
}

String WindowText(HWND window) {
  wchar_t text[1024] = {};
  ::SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
  return text;
}

String WithoutTrailingBackslash(String path) {
  if (!path.empty() && path.back() == L'\\') path.pop_back();
  return path;
}

class SelectFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::ForceDirectories(Folder / L"Alfa\\Beta");
    platform::ForceDirectories(Folder / L"Gama");
    Selector.SetNewFolderVisible(true);
    InstallRunner(Dialog());
    // An error inside a handler would otherwise wait in a message box.
    UiApplication().OnException = [](const std::exception& error) {
      ADD_FAILURE() << "error in a handler: " << error.what();
    };
  }
  void TearDown() override { UiApplication().OnException = nullptr; }

  static TFrmExSelFolder& Dialog() { return TFrmExSelFolder::Shared(); }
  static TShellTreeView& Tree() { return *Dialog().TrvPastas; }
  String Sub(const String& name) const { return WithoutTrailingBackslash(Folder / name); }

  // Runs Execute while action drives the dialog window from a helper thread.
  bool Execute(std::function<void(HWND)> action) {
    TWindowDriver driver(L"Selecionar Pasta", std::move(action));
    const bool result = Selector.Execute();
    EXPECT_TRUE(driver.Done());
    return result;
  }

  // Actions of the helper thread.
  static void Select(HWND window, const String& path) {
    RunOnWindowThread(window, [path] { Tree().SetPath(path); });
  }
  static String ShownPath() { return WindowText(Dialog().EdtCaminho->Handle()); }
  static void Press(TButton* button) { ::SendMessageW(button->Handle(), BM_CLICK, 0, 0); }
  // A click whose handler opens a window of its own: posted, so the helper is not held up.
  static void PressLater(TButton* button) { ::PostMessageW(button->Handle(), BM_CLICK, 0, 0); }
  // Answers the new-folder prompt with name (the default when empty), or cancels it.
  static bool AnswerPrompt(const String& name, bool confirm) {
    HWND prompt = WaitForWindow(L"Criar Pasta");
    if (prompt == nullptr) return false;
    if (!name.empty())
      ::SendMessageW(::FindWindowExW(prompt, nullptr, L"Edit", nullptr), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(name.c_str()));
    ::SendMessageW(FindButton(prompt, confirm ? L"OK" : L"Cancelar"), BM_CLICK, 0, 0);
    return true;
  }

  // Selects a virtual node, presses OK, and expects the error message with the window staying.
  void ExpectRefusedAtOk(const std::function<HTREEITEM()>& node) {
    bool refused = false;
    bool stayedOpen = false;
    String shown;
    String message;
    const bool result = Execute([&](HWND window) {
      RunOnWindowThread(window, [&node] { TreeView_SelectItem(Tree().Handle(), node()); });
      shown = ShownPath();
      PressLater(Dialog().BtnOk);
      HWND error = WaitForWindow(L"Erro");
      refused = error != nullptr;
      if (error != nullptr) ::SendMessageW(FindButton(error, L"&OK"), BM_CLICK, 0, 0);
      RunOnWindowThread(window, [&message] { message = Dialog().QoMsgDlg1->Text(); });
      stayedOpen = ::IsWindowVisible(window) != FALSE;
      Press(Dialog().BtnCancelar);
    });
    EXPECT_FALSE(result);
    EXPECT_TRUE(refused);
    EXPECT_EQ(message, L"A pasta selecionada não é um caminho válido.");
    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(shown.empty());
    EXPECT_FALSE(platform::DirectoryExists(shown)) << ToUtf8(shown);
  }

  testing_support::ScratchFolder Folder;
  TForm Owner{nullptr};
  TExSelectFolder Selector{&Owner};
};

TEST_F(SelectFolder, HasTheDefaultsOfTheComponent) {
  TExSelectFolder fresh(nullptr);
  EXPECT_EQ(fresh.Root(), L"rfDesktop");
  EXPECT_EQ(fresh.Caption(), L"Caminho:");
  EXPECT_EQ(fresh.Title(), L"Selecionar Pasta");
  EXPECT_EQ(fresh.Indent(), 20);
  EXPECT_EQ(fresh.ItemHeight(), 18);
  EXPECT_TRUE(fresh.ReadOnly());
  EXPECT_FALSE(fresh.NewFolderVisible());
  EXPECT_EQ(fresh.NewFolderCaption(), L"Criar Pasta");
}

TEST_F(SelectFolder, OpensOnTheGivenFolderAndCancelKeepsThePath) {
  Selector.SetPath(Sub(L"Alfa"));
  String shown;
  const bool result = Execute([&shown](HWND window) {
    shown = ShownPath();
    Select(window, WithoutTrailingBackslash(shown) + L"\\Beta");
    Press(Dialog().BtnCancelar);
  });
  EXPECT_FALSE(result);
  EXPECT_EQ(shown, Sub(L"Alfa"));
  EXPECT_EQ(Selector.Path(), Sub(L"Alfa"));
}

TEST_F(SelectFolder, OkGivesTheSelectedFolder) {
  Selector.SetPath(Sub(L"Alfa"));
  const String beta = Sub(L"Alfa\\Beta");
  EXPECT_TRUE(Execute([&beta](HWND window) {
    Select(window, beta);
    Press(Dialog().BtnOk);
  }));
  EXPECT_EQ(Selector.Path(), beta);
}

TEST_F(SelectFolder, ASecondExecuteWithAnEmptyPathOpensOnTheLastSelection) {
  Selector.SetPath(Sub(L"Gama"));
  ASSERT_TRUE(Execute([](HWND) { Press(Dialog().BtnOk); }));
  Selector.SetPath(L"");
  String shown;
  EXPECT_FALSE(Execute([&shown](HWND) {
    shown = ShownPath();
    Press(Dialog().BtnCancelar);
  }));
  EXPECT_EQ(shown, Sub(L"Gama"));
}

TEST_F(SelectFolder, APathThatDoesNotExistIsIgnored) {
  Selector.SetPath(Sub(L"Gama"));
  ASSERT_TRUE(Execute([](HWND) { Press(Dialog().BtnOk); }));
  Selector.SetPath(Sub(L"Nenhuma"));
  String shown;
  EXPECT_FALSE(Execute([&shown](HWND) {
    shown = ShownPath();
    Press(Dialog().BtnCancelar);
  }));
  EXPECT_EQ(shown, Sub(L"Gama"));
  EXPECT_EQ(Selector.Path(), Sub(L"Nenhuma"));
}

TEST_F(SelectFolder, TheDesktopIsRefusedAtOk) {
  ExpectRefusedAtOk([] { return TreeView_GetRoot(Tree().Handle()); });
}

TEST_F(SelectFolder, TheComputerNodeIsRefusedAtOk) {
  ExpectRefusedAtOk([] { return Tree().FindNode(L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"); });
}

TEST_F(SelectFolder, NewFolderIsCreatedUnderTheSelectionAndSelected) {
  Selector.SetPath(Sub(L"Alfa"));
  bool answered = false;
  String shown;
  EXPECT_FALSE(Execute([&](HWND) {
    PressLater(Dialog().BtnNova);
    answered = AnswerPrompt(L"", true);
    for (int i = 0; i < 200 && FindOwnWindow(L"Criar Pasta") != nullptr; ++i) ::Sleep(10);
    RunOnWindowThread(Dialog().Handle(), [] {});  // the click handler has finished
    shown = ShownPath();
    Press(Dialog().BtnCancelar);
  }));
  EXPECT_TRUE(answered);
  EXPECT_TRUE(platform::DirectoryExists(Sub(L"Alfa\\Nova Pasta")));
  EXPECT_EQ(shown, Sub(L"Alfa\\Nova Pasta"));
}

TEST_F(SelectFolder, NewFolderWithAnExistingNameSelectsTheExistingFolder) {
  Selector.SetPath(Sub(L"Alfa"));
  String shown;
  EXPECT_TRUE(Execute([&](HWND) {
    PressLater(Dialog().BtnNova);
    AnswerPrompt(L"Beta", true);
    for (int i = 0; i < 200 && FindOwnWindow(L"Criar Pasta") != nullptr; ++i) ::Sleep(10);
    RunOnWindowThread(Dialog().Handle(), [] {});
    shown = ShownPath();
    Press(Dialog().BtnOk);
  }));
  EXPECT_EQ(shown, Sub(L"Alfa\\Beta"));
  EXPECT_EQ(Selector.Path(), Sub(L"Alfa\\Beta"));
  EXPECT_EQ(FindOwnWindow(L"Erro"), nullptr);
}

TEST_F(SelectFolder, CancellingTheNamePromptCreatesNothing) {
  Selector.SetPath(Sub(L"Gama"));
  String shown;
  EXPECT_FALSE(Execute([&](HWND) {
    PressLater(Dialog().BtnNova);
    AnswerPrompt(L"Nada", false);
    for (int i = 0; i < 200 && FindOwnWindow(L"Criar Pasta") != nullptr; ++i) ::Sleep(10);
    RunOnWindowThread(Dialog().Handle(), [] {});
    shown = ShownPath();
    Press(Dialog().BtnCancelar);
  }));
  EXPECT_FALSE(platform::DirectoryExists(Sub(L"Gama\\Nada")));
  EXPECT_FALSE(platform::DirectoryExists(Sub(L"Gama\\Nova Pasta")));
  EXPECT_EQ(shown, Sub(L"Gama"));
}

TEST_F(SelectFolder, F5ShowsNewFoldersAndKeepsExpansionSelectionAndTopRow) {
  platform::ForceDirectories(Sub(L"Alfa\\Beta\\Zeta"));
  Selector.SetPath(Sub(L"Alfa\\Beta"));
  bool betaExpanded = false;
  bool betaStillExpanded = false;
  bool deltaListed = false;
  String shown;
  bool sameTop = false;
  EXPECT_FALSE(Execute([&](HWND window) {
    RunOnWindowThread(window, [&] {
      Tree().RefreshFolder(Tree().FindNode(Sub(L"Alfa\\Beta")));
      Tree().Expand(Tree().FindNode(Sub(L"Alfa\\Beta")));
      betaExpanded = Tree().IsExpanded(Tree().FindNode(Sub(L"Alfa\\Beta")));
      platform::ForceDirectories(Sub(L"Alfa\\Delta"));
      Tree().SetPath(Sub(L"Alfa"));
      Tree().SetFocus();
      const String top = Tree().NodePath(Tree().TopItem());
      WORD key = VK_F5;
      Dialog().TrvPastasKeyDown(&Tree(), key, {});
      HTREEITEM beta = Tree().FindNode(Sub(L"Alfa\\Beta"));
      betaStillExpanded = beta != nullptr && Tree().IsExpanded(beta);
      deltaListed = Tree().FindNode(Sub(L"Alfa\\Delta")) != nullptr;
      sameTop = Tree().NodePath(Tree().TopItem()) == top;
    });
    shown = ShownPath();
    Press(Dialog().BtnCancelar);
  }));
  EXPECT_TRUE(deltaListed);
  EXPECT_TRUE(betaExpanded);
  EXPECT_TRUE(betaStillExpanded);
  EXPECT_TRUE(sameTop);
  EXPECT_EQ(shown, Sub(L"Alfa"));
}

TEST_F(SelectFolder, HiddenFoldersAreListedAndFilesAreNot) {
  platform::ForceDirectories(Sub(L"Gama\\Oculta"));
  ::SetFileAttributesW(Sub(L"Gama\\Oculta").c_str(), FILE_ATTRIBUTE_HIDDEN);
  platform::WriteFileBytes(Sub(L"Gama\\arquivo.txt"), {'x'});
  Tree().SetPath(Sub(L"Gama"));
  Tree().RefreshFolder(Tree().Selected());
  Tree().Expand(Tree().Selected());
  EXPECT_NE(Tree().FindNode(Sub(L"Gama\\Oculta")), nullptr);
  EXPECT_EQ(Tree().FindNode(Sub(L"Gama\\arquivo.txt")), nullptr);
}

TEST_F(SelectFolder, ThePathOfAFolderTheShellCannotParseIsAnError) {
  try {
    Tree().SetPath(L"Q:\\nao\\existe");
    FAIL() << "no error";
  } catch (const EShellTreeError& error) {
    EXPECT_EQ(error.Message(), L"Error setting path: \"Q:\\nao\\existe\"");
  }
}

TEST_F(SelectFolder, TreeHasNoRootLinesAndKeepsTheSelectionVisible) {
  const LONG_PTR style = ::GetWindowLongPtrW(Tree().Handle(), GWL_STYLE);
  EXPECT_EQ(style & TVS_LINESATROOT, 0);
  EXPECT_NE(style & TVS_SHOWSELALWAYS, 0);
  EXPECT_NE(style & TVS_HASBUTTONS, 0);
  EXPECT_EQ(style & TVS_EDITLABELS, 0);
  EXPECT_EQ(TreeView_GetNextSibling(Tree().Handle(), TreeView_GetRoot(Tree().Handle())), nullptr);
}

TEST_F(SelectFolder, ARightClickSelects) {
  Tree().SetPath(Sub(L"Alfa"));
  HTREEITEM gama = Tree().FindNode(Sub(L"Gama"));
  ASSERT_NE(gama, nullptr);
  Dialog().Show();
  TreeView_EnsureVisible(Tree().Handle(), gama);
  RECT r{};
  TreeView_GetItemRect(Tree().Handle(), gama, &r, TRUE);
  POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  POINT screen = p;
  ::ClientToScreen(Tree().Handle(), &screen);
  ::SetCursorPos(screen.x, screen.y);
  // Posted: the tree follows the mouse from the button going down until it comes up.
  ::PostMessageW(Tree().Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(p.x, p.y));
  ::PostMessageW(Tree().Handle(), WM_RBUTTONUP, 0, MAKELPARAM(p.x, p.y));
  UiApplication().ProcessMessages();
  EXPECT_EQ(Tree().Path(), Sub(L"Gama"));
  Dialog().Hide();
}

TEST_F(SelectFolder, LayoutPutsTheTreeSixPixelsAboveTheButtons) {
  Selector.SetPath(Sub(L"Gama"));
  Selector.SetNewFolderVisible(false);
  RECT tree{};
  bool novaVisible = true;
  EXPECT_FALSE(Execute([&](HWND) {
    tree = Dialog().TrvPastas->BoundsRect();
    novaVisible = ::IsWindowVisible(Dialog().BtnNova->Handle()) != FALSE;
    Press(Dialog().BtnCancelar);
  }));
  TFrmExSelFolder& dialog = Dialog();
  EXPECT_EQ(dialog.ClientWidth(), 456);
  EXPECT_EQ(dialog.ClientHeight(), 350);
  EXPECT_FALSE(novaVisible);
  EXPECT_EQ(tree.left, 10);
  EXPECT_EQ(tree.top, 50);
  EXPECT_EQ(tree.right, 446);
  EXPECT_EQ(tree.bottom, dialog.BtnNova->Top() - 6);
  EXPECT_EQ(dialog.BtnNova->Top(), 350 - 10 - 23);
  EXPECT_EQ(dialog.BtnCancelar->Left(), 456 - 10 - 85);
  EXPECT_EQ(dialog.BtnOk->Left(), dialog.BtnCancelar->Left() - 6 - 85);
  EXPECT_EQ(dialog.EdtCaminho->BoundsRect().top, 25);
  EXPECT_EQ(dialog.EdtCaminho->Color(), RgbColor(233, 233, 233));
}

TEST_F(SelectFolder, ExecuteAppliesTheComponentsSettings) {
  Selector.SetTitle(L"Escolha");
  Selector.SetCaption(L"Pasta:");
  Selector.SetNewFolderCaption(L"Nova");
  Selector.SetIndent(31);
  Selector.SetItemHeight(22);
  Selector.Font().SetName(L"Segoe UI");
  String caption;
  TWindowDriver driver(L"Escolha", [&caption](HWND) {
    caption = WindowText(Dialog().BtnNova->Handle());
    ::SendMessageW(Dialog().BtnCancelar->Handle(), BM_CLICK, 0, 0);
  });
  EXPECT_FALSE(Selector.Execute());
  EXPECT_TRUE(driver.Done());
  EXPECT_EQ(caption, L"Nova");
  EXPECT_EQ(Dialog().LabCaminho->Caption(), L"Pasta:");
  EXPECT_EQ(TreeView_GetIndent(Tree().Handle()), 31u);
  EXPECT_EQ(TreeView_GetItemHeight(Tree().Handle()), 22);
  EXPECT_EQ(Dialog().Font().Name(), L"Segoe UI");
}

// Memory in use by the process (private bytes), and its GDI and USER objects.
struct TResources {
  SIZE_T Memory;
  SIZE_T WorkingSet;
  DWORD Gdi;
  DWORD User;
};

TResources ResourcesNow() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof(counters);
  ::GetProcessMemoryInfo(::GetCurrentProcess(),
                         reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters));
  return TResources{counters.PrivateUsage, counters.WorkingSetSize,
                    ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS),
                    ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS)};
}

TEST_F(SelectFolder, OpeningBrowsingAndClosingManyTimesLeaksNothing) {
  auto cycle = [this] {
    Selector.SetPath(Sub(L"Alfa\\Beta"));
    Execute([this](HWND window) {
      RunOnWindowThread(window, [this] {
        Tree().SetPath(Sub(L"Gama"));
        Tree().RefreshFolder(Tree().FindNode(Sub(L"Alfa")));
        Tree().RefreshFolder(Tree().Selected());
        Tree().SetPath(Sub(L"Alfa"));
      });
      Press(Dialog().BtnCancelar);
    });
  };
  for (int i = 0; i < 3; ++i) cycle();  // warm up: caches of the shell and the heap
  const size_t nodes = Tree().NodeCount();
  const TResources before = ResourcesNow();
  for (int i = 0; i < 20; ++i) cycle();
  const TResources after = ResourcesNow();
  EXPECT_EQ(Tree().NodeCount(), nodes);
  // Wine reports neither GUI object counts nor private bytes (both stay 0); Windows does.
  EXPECT_LE(after.Gdi, before.Gdi);
  EXPECT_LE(after.User, before.User);
  EXPECT_LT(after.Memory, before.Memory + 512 * 1024);
  EXPECT_LT(after.WorkingSet, before.WorkingSet + 2 * 1024 * 1024);
  std::printf(
      "resources after 20 cycles: private %zu -> %zu bytes, working set %zu -> %zu bytes, GDI %lu "
      "-> "
      "%lu, USER %lu -> %lu\n",
      static_cast<size_t>(before.Memory), static_cast<size_t>(after.Memory),
      static_cast<size_t>(before.WorkingSet), static_cast<size_t>(after.WorkingSet),
      static_cast<unsigned long>(before.Gdi), static_cast<unsigned long>(after.Gdi),
      static_cast<unsigned long>(before.User), static_cast<unsigned long>(after.User));
}

}  // namespace

namespace {

// Runs the probe program beside this test with the arguments; its exit code, or -1.
int RunProbe(const String& arguments) {
  wchar_t self[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  String program(self);
  program.erase(program.find_last_of(L'\\') + 1);
  program += L"folder_dialog_probe.exe";
  String commandLine = L"\"" + program + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
    return -1;
  ::WaitForSingleObject(process.hProcess, 60000);
  DWORD code = 0;
  ::GetExitCodeProcess(process.hProcess, &code);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

TEST(FolderDialogPosition, IsRememberedAcrossTwoRunsOfTheProgram) {
  const String key = L"SOFTWARE\\Quorvane\\Talvekor\\Forms";
  if (auto forms = platform::RegistryKey::Open(platform::RegRoot::CurrentUser, key))
    forms->DeleteValue(L"FrmExSelFolder");
  testing_support::ScratchFolder folder;
  ASSERT_EQ(RunProbe(L"move 123 77"), 0);
  const auto stored = TQoFormSaverStore(TQoRootKeys::HKeyCurrentUser, key).Read(L"FrmExSelFolder");
  ASSERT_TRUE(stored.has_value());
  EXPECT_EQ(stored->Left, 123);
  EXPECT_EQ(stored->Top, 77);
  const String report = folder / L"report.txt";
  ASSERT_EQ(RunProbe(L"report \"" + report + L"\""), 0);
  const auto bytes = platform::ReadFileBytes(report);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "123 77");
}

}  // namespace
