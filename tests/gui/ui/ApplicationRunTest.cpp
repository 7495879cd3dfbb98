// The application's own loop ends the program, so these tests run in a program of their own.
#include <gtest/gtest.h>

#include "WindowDriver.h"
#include "platform/Application.h"
#include "ui/Forms.h"
#include "ui/StdCtrls.h"

TEST(ApplicationRun, WaitHandlesClicksAndEndsWhenTheMainFormCloses) {
  TApplication& app = UiApplication();
  TForm* main = app.CreateForm<TForm>();
  ASSERT_EQ(app.MainForm(), main);
  auto* button = new TButton(main);
  button->SetParent(main);
  int clicks = 0;
  button->OnClick = [&clicks](TComponent*) { ++clicks; };
  main->Show();

  ::PostMessageW(button->Handle(), BM_CLICK, 0, 0);
  WaitProcessing(100);
  EXPECT_EQ(clicks, 1);

  ::PostMessageW(main->Handle(), WM_CLOSE, 0, 0);
  const ULONGLONG start = ::GetTickCount64();
  WaitProcessing(8000);
  EXPECT_LT(::GetTickCount64() - start, 5000u);
  EXPECT_TRUE(app.Terminated());
  EXPECT_FALSE(main->Visible());
  app.Run();  // returns at once: the application is terminating
}
