// What the color-correction page must paint, computed by the preview pipeline, compared with what
// is on the screen: the framed preview of the sample picture or of a file.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "color_settings.h"
#include "preview_bitmap_loader.h"
#include "sheet_window_win.h"
#include "window_capture_win.h"

namespace qzr::test {

// The built-in sample picture as the page has it: the bitmap resource, every byte of it.
PreviewPicture SamplePicture();

// A file's picture as the loader gives it; no pixels when the loader refuses the file.
PreviewPicture LoadedPicture(const std::vector<std::uint8_t>& file);

// The page's window as it is on the screen once every pending paint of its sheet is done.
host::RgbImage CapturePage(host::ModelessSheet& sheet, HWND page);

// The frame (4,4 to 197,197) is black and the picture inside it is picture filtered with
// settings: copied one to one when it is 192 x 192, else stretched to fill the square.
::testing::AssertionResult PaintsPreviewOf(const host::RgbImage& image,
                                           const PreviewPicture& picture,
                                           const ColorSettings& settings);

}  // namespace qzr::test
