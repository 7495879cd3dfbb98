#include "ui/ImgList.h"

#include "core/Format.h"

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

TImageList::~TImageList() = default;

void TImageList::SetSize(int width, int height) {
  if (width <= 0 || height <= 0)
    throw EInvalidOperation(Format(L"Invalid image size %dx%d", {width, height}));
  FWidth = width;
  FHeight = height;
  Clear();
}

int TImageList::AddMasked(const TBitmap& bitmap, TColor maskColor) {
  if (bitmap.Empty() || bitmap.Height() != FHeight || bitmap.Width() % FWidth != 0)
    throw EInvalidOperation(Format(L"A %dx%d bitmap does not fit an image list of %dx%d",
                                   {bitmap.Width(), bitmap.Height(), FWidth, FHeight}));
  const int first = Count();
  for (int left = 0; left < bitmap.Width(); left += FWidth) {
    auto image = std::make_unique<TImage>();
    image->Picture.SetSize(FWidth, FHeight);
    image->MaskColor = maskColor;
    for (int y = 0; y < FHeight; ++y) {
      for (int x = 0; x < FWidth; ++x) image->Picture.SetPixel(x, y, bitmap.Pixel(left + x, y));
    }
    FImages.push_back(std::move(image));
  }
  return first;
}

const TImageList::TImage& TImageList::Image(int index) const {
  if (index < 0 || index >= Count())
    throw EInvalidOperation(Format(L"Image index %d out of bounds (%d images)", {index, Count()}));
  return *FImages[static_cast<size_t>(index)];
}

void TImageList::GetBitmap(int index, TBitmap& bitmap) const {
  bitmap.Assign(Image(index).Picture);
}

TColor TImageList::MaskColor(int index) const {
  return Image(index).MaskColor;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index) const {
  const TImage& image = Image(index);
  canvas.DrawTransparent(x, y, image.Picture, image.MaskColor);
}
