// The preview in the top left of the color-correction page: the user's picture (or the sample),
// filtered with what the controls show, stretched into 192 x 192 at 5,5 inside a frame.
#pragma once

#include <optional>

#include "common/win/win_include.h"
#include "preview_bitmap_loader.h"

namespace qzr::plugin {

// WM_PAINT of the page.
void PaintPreview(HWND dialog);

// Bitmap resource 141 as 192 x 192 24-bit rows, through the paint's device context; nothing
// when the resource or memory cannot be had.
std::optional<PreviewPicture> LoadSampleBitmap(HDC paintDc);

}  // namespace qzr::plugin
