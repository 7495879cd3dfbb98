#include "SkinFixture.h"

SkinTest::SkinTest() {
  Form.SetBounds(40, 40, 420, 320);
  Form.SetColor(Rgb(200, 210, 220));
  Skin = new TQoSkinPlus(&Form);
  Colors = &Skin->Colors();
}

void SkinTest::ShowSkinned() {
  Form.Show();
  Skin->Loaded();
  PaintPending();
}

void SkinTest::PaintPending() {
  ::RedrawWindow(Form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void SkinTest::Snapshot(TWinControl& control, TBitmap& shot) {
  RECT r;
  ::GetWindowRect(control.Handle(), &r);
  shot.SetSize(r.right - r.left, r.bottom - r.top);
  TWindowDC screen(control.Handle(), true);
  ::BitBlt(shot.Canvas().Handle(), 0, 0, shot.Width(), shot.Height(), screen.Get(), 0, 0, SRCCOPY);
}

std::unique_ptr<TBitmap> SkinTest::ShotOf(TWinControl& control) {
  auto shot = std::make_unique<TBitmap>();
  Snapshot(control, *shot);
  return shot;
}

THookWindowProc* SkinTest::HookOf(const TWinControl& control) const {
  for (int i = 0; i < Skin->ComponentCount(); ++i) {
    auto* hook = dynamic_cast<THookWindowProc*>(Skin->Components(i));
    if (hook != nullptr && hook->Control() == &control) return hook;
  }
  return nullptr;
}

int SkinTest::CountColor(const TBitmap& shot, const RECT& rect, TColor color) {
  int count = 0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) count += shot.Pixel(x, y) == color ? 1 : 0;
  }
  return count;
}

void SkinTest::Send(TWinControl& control, UINT msg, WPARAM wParam, LPARAM lParam) {
  ::SendMessageW(control.Handle(), msg, wParam, lParam);
}

void SkinTest::MouseEnter(TWinControl& control) {
  Send(control, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
}
