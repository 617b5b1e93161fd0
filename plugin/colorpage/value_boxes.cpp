#include "value_boxes.h"

#include <string>

namespace qzr::colorpage {

namespace {

// The radius box is read into 5 units, as the page has always done.
constexpr std::size_t kRadiusTextUnits = 5;

std::u16string DecimalText(int value) {
    const std::string narrow = std::to_string(value);
    return std::u16string(narrow.begin(), narrow.end());
}

std::u16string RadiusText(std::int16_t tenths) {
    const int whole = tenths / 10;
    return DecimalText(whole) + u'.' + DecimalText(tenths - 10 * whole);
}

bool IsDigit(char16_t unit) {
    return unit >= u'0' && unit <= u'9';
}

// Only the page writes the radius box, always as digit, point, digit; any other text reads as
// 0 tenths, which leaving the box then clamps to the low bound.
std::int16_t RadiusTenths(const std::u16string& text) {
    if (text.size() < 3 || !IsDigit(text[0]) || text[1] != u'.' || !IsDigit(text[2])) return 0;
    return static_cast<std::int16_t>(10 * (text[0] - u'0') + (text[2] - u'0'));
}

void RewriteWithBound(PageControls& controls, const SliderRow& row, std::int16_t bound) {
    switch (row.form) {
        case BoxForm::Radius:
            controls.SetBoxText(row.boxId, RadiusText(bound));
            return;
        case BoxForm::Amount:
            controls.SetBoxInteger(row.boxId, (bound + 1) * 25, true);
            return;
        case BoxForm::Resize:
            controls.SetBoxInteger(row.boxId, bound + 100, true);
            return;
        case BoxForm::Signed:
        case BoxForm::Threshold:
            controls.SetBoxInteger(row.boxId, bound, true);
            return;
    }
}

}  // namespace

const SliderRow* FindValueBox(int boxId) {
    for (const SliderRow& row : kSliderRows)
        if (row.boxId == boxId) return &row;
    return nullptr;
}

void ShowInValueBox(PageControls& controls, const SliderRow& row, std::int16_t value) {
    switch (row.form) {
        case BoxForm::Signed:
            controls.SetBoxInteger(row.boxId, value, true);
            return;
        case BoxForm::Threshold:
            controls.SetBoxInteger(row.boxId, value, false);
            return;
        case BoxForm::Resize:
            controls.SetBoxInteger(row.boxId, value + 100, false);
            return;
        case BoxForm::Amount:
            controls.SetBoxText(row.boxId,
                                DecimalText(static_cast<std::int16_t>((value + 1) * 25)));
            return;
        case BoxForm::Radius:
            controls.SetBoxText(row.boxId, RadiusText(value));
            return;
    }
}

std::optional<std::int16_t> ReadValueBox(PageControls& controls, const SliderRow& row) {
    switch (row.form) {
        case BoxForm::Signed:
        case BoxForm::Threshold:
            return static_cast<std::int16_t>(controls.BoxInteger(row.boxId));
        case BoxForm::Resize:
            return static_cast<std::int16_t>(controls.BoxInteger(row.boxId) - 100);
        case BoxForm::Amount:
            return static_cast<std::int16_t>(
                static_cast<std::int16_t>(controls.BoxInteger(row.boxId) - 25) / 25);
        case BoxForm::Radius: {
            const std::u16string text = controls.BoxText(row.boxId, kRadiusTextUnits);
            if (text.empty()) return std::nullopt;
            return RadiusTenths(text);
        }
    }
    return std::nullopt;
}

int SyncValueBox(PageControls& controls, const ColorSettings& reference, int id) {
    const SliderRow* row = FindValueBox(id);
    if (row == nullptr) return 1;
    const std::optional<std::int16_t> value = ReadValueBox(controls, *row);
    if (!value) {
        controls.TellSheetChanged();
        return 1;
    }
    controls.SetSliderPosition(row->sliderId, *value);
    if (*value != reference.*(row->field)) controls.TellSheetChanged();
    return 1;
}

int ClampValueBox(PageControls& controls, ColorSettings& target, int id) {
    const SliderRow* row = FindValueBox(id);
    if (row == nullptr) return 1;
    std::int16_t value = ReadValueBox(controls, *row).value_or(0);
    if (value < row->minimum) {
        RewriteWithBound(controls, *row, row->minimum);
        value = row->minimum;
    }
    if (value > row->maximum) {
        RewriteWithBound(controls, *row, row->maximum);
        value = row->maximum;
    }
    target.*(row->field) = value;
    controls.SetSliderPosition(row->sliderId, value);
    return 1;
}

}  // namespace qzr::colorpage
