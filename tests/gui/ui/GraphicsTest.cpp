#include <gtest/gtest.h>

#include "ui/Graphics.h"

TEST(Bitmap, NewBitmapIsWhite) {
  TBitmap bitmap(4, 3);
  EXPECT_EQ(bitmap.Pixel(0, 0), clWhite);
  EXPECT_EQ(bitmap.Pixel(3, 2), clWhite);
}

TEST(Bitmap, PixelOutsideIsNone) {
  TBitmap bitmap(4, 3);
  EXPECT_EQ(bitmap.Pixel(4, 0), clNone);
  EXPECT_EQ(bitmap.Pixel(0, -1), clNone);
}

TEST(Canvas, FillRectCoversRightAndBottomExclusive) {
  TBitmap bitmap(10, 10);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetColor(RgbColor(0, 159, 0));
  canvas.FillRect(RECT{2, 3, 5, 7});
  EXPECT_EQ(bitmap.Pixel(2, 3), RgbColor(0, 159, 0));
  EXPECT_EQ(bitmap.Pixel(4, 6), RgbColor(0, 159, 0));
  EXPECT_EQ(bitmap.Pixel(5, 6), clWhite);
  EXPECT_EQ(bitmap.Pixel(4, 7), clWhite);
  EXPECT_EQ(bitmap.Pixel(1, 3), clWhite);
}

TEST(Canvas, LineToDrawsWithPenColourWithoutLastPixel) {
  TBitmap bitmap(10, 10);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Pen().SetColor(clRed);
  canvas.MoveTo(1, 5);
  canvas.LineTo(8, 5);
  EXPECT_EQ(bitmap.Pixel(1, 5), clRed);
  EXPECT_EQ(bitmap.Pixel(7, 5), clRed);
  EXPECT_EQ(bitmap.Pixel(8, 5), clWhite);
}

TEST(Canvas, SystemColourFillsWithPlatformValue) {
  TBitmap bitmap(2, 2);
  bitmap.Canvas().Brush().SetColor(clBtnFace);
  bitmap.Canvas().FillRect(RECT{0, 0, 2, 2});
  COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(bitmap.Pixel(1, 1), RgbColor(GetRValue(face), GetGValue(face), GetBValue(face)));
}

TEST(Canvas, TextWithClearBrushLeavesBackground) {
  TBitmap bitmap(60, 20);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Font().SetColor(clBlue);
  canvas.TextOut(0, 0, L"H");
  const int w = canvas.TextWidth(L"H");
  ASSERT_GT(w, 0);
  EXPECT_EQ(bitmap.Pixel(w + 2, 2), clWhite);
  bool blueFound = false;
  for (int x = 0; x < w; ++x)
    for (int y = 0; y < canvas.TextHeight(L"H"); ++y)
      blueFound = blueFound || bitmap.Pixel(x, y) == clBlue;
  EXPECT_TRUE(blueFound);
}

TEST(Canvas, ChangingTheFontAfterDrawingTakesEffect) {
  TBitmap bitmap(10, 10);
  TCanvas& canvas = bitmap.Canvas();
  const int regular = canvas.TextWidth(L"WWWW");
  canvas.Font().SetStyle(TFontStyles{TFontStyle::fsBold});
  EXPECT_GT(canvas.TextWidth(L"WWWW"), regular);
}

TEST(Font, SizeGivesPixelHeightAtDensity) {
  TFont font;
  font.SetPixelsPerInch(96);
  font.SetSize(9);
  EXPECT_EQ(font.Height(), -12);
  font.SetPixelsPerInch(144);
  EXPECT_EQ(font.Height(), -18);
  EXPECT_EQ(font.Size(), 9);
}

TEST(Font, AssignCopiesNameSizeStyleAndColour) {
  TFont source;
  source.SetName(L"Segoe UI");
  source.SetSize(9);
  source.SetStyle(TFontStyles{TFontStyle::fsBold});
  source.SetColor(clWhite);
  TFont copy;
  copy.Assign(source);
  EXPECT_TRUE(copy.SameAs(source));
  EXPECT_EQ(copy.Name(), L"Segoe UI");
  EXPECT_EQ(copy.Size(), 9);
}

TEST(Font, ChangeFiresOnChangeOncePerChange) {
  TFont font;
  int changes = 0;
  font.OnChange = [&] { ++changes; };
  font.SetSize(12);
  font.SetSize(12);
  font.SetColor(clRed);
  EXPECT_EQ(changes, 2);
}

TEST(Font, SetAppearanceChangesAllFourInOneChange) {
  TFont font;
  font.SetPixelsPerInch(120);
  int changes = 0;
  font.OnChange = [&] { ++changes; };
  font.SetAppearance(L"Segoe UI", 10, {TFontStyle::fsBold}, clRed);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(font.Name(), L"Segoe UI");
  EXPECT_EQ(font.Size(), 10);
  EXPECT_EQ(font.Height(), -::MulDiv(10, 120, 72));
  EXPECT_EQ(font.Style(), TFontStyles{TFontStyle::fsBold});
  EXPECT_EQ(font.Color(), clRed);
}

TEST(Icon, StockIconIsThirtyTwoPixelsWide) {
  TIcon icon;
  icon.LoadStock(IDI_WARNING);
  EXPECT_FALSE(icon.Empty());
  EXPECT_EQ(icon.Width(), ::GetSystemMetrics(SM_CXICON));
}

TEST(GdiHandle, DestructionDeletesTheObject) {
  HBRUSH raw = ::CreateSolidBrush(RGB(1, 2, 3));
  { TBrushHandle owner(raw); }
  EXPECT_EQ(::GetObjectType(raw), 0u);
}

TEST(GdiHandle, MovedFromOwnerReleasesNothing) {
  HBRUSH raw = ::CreateSolidBrush(RGB(1, 2, 3));
  TBrushHandle target;
  {
    TBrushHandle source(raw);
    target = std::move(source);
    EXPECT_FALSE(source);
  }
  EXPECT_EQ(::GetObjectType(raw), static_cast<DWORD>(OBJ_BRUSH));
  EXPECT_EQ(target.Get(), raw);
}

TEST(Font, DataRoundTripsThroughTheFont) {
  TFontData data;
  data.Name = L"Segoe UI";
  data.Size = 9;
  data.Color = clWhite;
  data.Bold = true;
  data.Underline = true;
  data.Pitch = TFontPitch::fpVariable;
  TFont font;
  font.SetData(data);
  EXPECT_EQ(font.Data(), data);
  EXPECT_TRUE(font.Style().Contains(TFontStyle::fsBold));
}

TEST(Bitmap, CanvasTakenBeforeResizingDrawsOnTheResizedBitmap) {
  TBitmap bitmap(2, 2);
  TCanvas& canvas = bitmap.Canvas();
  bitmap.SetSize(8, 8);
  canvas.Brush().SetColor(clRed);
  canvas.FillRect(RECT{0, 0, 8, 8});
  EXPECT_EQ(bitmap.Pixel(7, 7), clRed);
}

TEST(Bitmap, AssignCopiesSizeAndPixels) {
  TBitmap source(3, 2);
  source.SetPixel(2, 1, clTeal);
  TBitmap copy;
  copy.Assign(source);
  EXPECT_EQ(copy.Width(), 3);
  EXPECT_EQ(copy.Height(), 2);
  EXPECT_EQ(copy.Pixel(2, 1), clTeal);
}
