// A list of pictures of one size (an image list), each with a transparent colour that drawing
// leaves out. Adding copies the pixels; a strip wider than the list's width is cut into
// several pictures. An index outside the list raises EInvalidOperation. Windows only.
#pragma once

#include <memory>
#include <vector>

#include "ui/Component.h"
#include "ui/Controls.h"
#include "ui/Graphics.h"

class TImageList : public TComponent {
 public:
  explicit TImageList(TComponent* owner);
  ~TImageList() override;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // A new picture size; the list is emptied.
  void SetSize(int width, int height);
  int Count() const { return static_cast<int>(FImages.size()); }

  // Adds the pictures of bitmap (its width a multiple of Width, its height Height) with the
  // colour maskColor transparent; returns the index of the first. Raises EInvalidOperation for
  // a bitmap of another size.
  int AddMasked(const TBitmap& bitmap, TColor maskColor);
  void Clear() { FImages.clear(); }
  // A copy of picture index (transparent pixels included, in its mask colour).
  void GetBitmap(int index, TBitmap& bitmap) const;
  TColor MaskColor(int index) const;
  // Draws picture index with its top-left corner at (x, y), transparent pixels left out.
  void Draw(TCanvas& canvas, int x, int y, int index) const;

 private:
  struct TImage {
    mutable TBitmap Picture;  // drawing from it needs its (lazily made) canvas
    TColor MaskColor;
  };
  const TImage& Image(int index) const;
  int FWidth = 16;
  int FHeight = 16;
  std::vector<std::unique_ptr<TImage>> FImages;
};
