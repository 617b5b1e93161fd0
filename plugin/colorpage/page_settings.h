// Moving a settings block into the page's controls and back, and telling the sheet whether the
// controls still match the driver's record.
#pragma once

#include "color_settings.h"
#include "page_controls.h"

namespace qzr::colorpage {

// The 192 x 192 picture inside the preview frame.
inline constexpr ClientRect kPreviewPicture = {5, 5, 197, 197};

// Sliders, toggles and radio pairs from the block. A mode other than 0 or 1 leaves its pair as
// it is. Boxes are not written: callers run DetectChanges next, which fills them.
void ShowSettings(PageControls& controls, const ColorSettings& settings);

enum class BoxWrites { Rewrite, Skip };

// The controls into the block, field by field. Only the fields read are written: the alignment
// bytes, and a mode whose two buttons are both clear, keep what the block held. With Rewrite,
// every value box and the Order ID box is rewritten from what was read.
void ReadSettings(PageControls& controls, ColorSettings& settings,
                  BoxWrites boxWrites = BoxWrites::Rewrite);

// Tells the sheet changed or unchanged; 1 when the controls differ from the reference.
int DetectChanges(PageControls& controls, const ColorSettings& reference);

void InvalidatePreview(PageControls& controls);

}  // namespace qzr::colorpage
