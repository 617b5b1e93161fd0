#include "simulated_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "res/resource_ids.h"

namespace qzr::colorpage::testing {

namespace {

constexpr int kSliders[] = {IDC_BRIGHTNESS_SLIDER, IDC_CONTRAST_SLIDER, IDC_SATURATION_SLIDER,
                            IDC_SHARPNESS_SLIDER,  IDC_RESIZE_SLIDER,   IDC_CYAN_SLIDER,
                            IDC_MAGENTA_SLIDER,    IDC_YELLOW_SLIDER,   IDC_AMOUNT_SLIDER,
                            IDC_RADIUS_SLIDER,     IDC_THRESHOLD_SLIDER};
constexpr int kBoxes[] = {IDC_BRIGHTNESS_BOX, IDC_CONTRAST_BOX,  IDC_SATURATION_BOX,
                          IDC_SHARPNESS_BOX,  IDC_RESIZE_BOX,    IDC_CYAN_BOX,
                          IDC_MAGENTA_BOX,    IDC_YELLOW_BOX,    IDC_AMOUNT_BOX,
                          IDC_RADIUS_BOX,     IDC_THRESHOLD_BOX, IDC_ORDER_ID_BOX};
constexpr int kCheckBoxes[] = {IDC_UNSHARP_MASK, IDC_NATURAL_COLOR, IDC_ORDER_ID_CHECK};
constexpr std::pair<int, int> kRadioPairs[] = {
    {IDC_COLOR_MODE_COLOR, IDC_COLOR_MODE_MONOCHROME},
    {IDC_PRINT_MODE_HIGH_SPEED, IDC_PRINT_MODE_HIGH_QUALITY}};
constexpr int kPushButtons[] = {IDC_SELECT_FILE, IDC_DEFAULT_SETTINGS, IDC_SAVE_CONFIGURATION,
                                IDC_LOAD_CONFIGURATION};

// What GetDlgItemInt reads: optional blanks and sign, then digits; no digits reads as 0.
std::int32_t LeadingInteger(const std::u16string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    std::int64_t value = 0;
    bool digits = false;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        digits = true;
        value = std::min<std::int64_t>(value * 10 + (text[i] - u'0'), INT32_MAX);
    }
    if (!digits) return 0;
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::u16string Widen(const std::string& text) {
    return {text.begin(), text.end()};
}

}  // namespace

SimulatedPage::SimulatedPage(PrivateDevmode& devmode, ColorSettings& savedSettings,
                             std::uint32_t userLocale)
    : records_{devmode, savedSettings}, userLocale_(userLocale) {
    for (int id : kSliders) controls_[id] = Control{Kind::Slider};
    for (int id : kBoxes) controls_[id] = Control{Kind::Box};
    for (int id : kCheckBoxes) controls_[id] = Control{Kind::CheckBox};
    for (auto [first, second] : kRadioPairs) {
        controls_[first] = Control{Kind::Radio};
        controls_[first].partner = second;
        controls_[second] = Control{Kind::Radio};
        controls_[second].partner = first;
    }
    for (int id : kPushButtons) controls_[id] = Control{Kind::PushButton};
    controls_[IDC_ORDER_ID_SPIN] = Control{Kind::UpDown};
}

void SimulatedPage::Create() {
    SetUpControls(*this, records_.devmode.settings);
    recordsStored_ = true;
    FillBoxes(*this, records_.devmode);
}

void SimulatedPage::MoveSlider(int id, int position) {
    SetSliderPosition(id, position);
    OnSliderMoved(*this, records_);
}

FileCommand SimulatedPage::Click(int id) {
    Control& control = controls_.at(id);
    if (control.kind == Kind::Radio) {
        control.checked = true;
        controls_.at(control.partner).checked = false;
    } else if (control.kind == Kind::CheckBox) {
        control.checked = !control.checked;
    }
    return Command(kButtonClicked, id);
}

void SimulatedPage::TypeIntoBox(int id, const std::u16string& text) {
    SetBoxText(id, text);
}

void SimulatedPage::LeaveBox(int id) {
    Command(kBoxLostFocus, id);
}

FileCommand SimulatedPage::Command(std::uint16_t code, int id) {
    if (!recordsStored_) return FileCommand::None;  // the procedure finds no page yet
    return OnCommand(*this, records_, code, id);
}

void SimulatedPage::Notify(SheetNotification notification) {
    OnSheetNotification(*this, records_, notification);
}

std::u16string SimulatedPage::Text(int id) const {
    return Find(id, Kind::Box).text;
}
int SimulatedPage::Position(int id) const {
    return Find(id, Kind::Slider).position;
}
bool SimulatedPage::Checked(int id) const {
    const Control& control = controls_.at(id);
    EXPECT_TRUE(control.kind == Kind::CheckBox || control.kind == Kind::Radio) << id;
    return control.checked;
}
std::pair<int, int> SimulatedPage::Range(int id) const {
    const Control& control = controls_.at(id);
    return {control.minimum, control.maximum};
}

std::vector<std::string> SimulatedPage::TakeSheetMessages() {
    return std::exchange(sheetMessages_, {});
}
int SimulatedPage::TakeInvalidations() {
    return std::exchange(invalidations_, 0);
}

void SimulatedPage::SetSliderRange(int id, int minimum, int maximum) {
    Control& slider = Find(id, Kind::Slider);
    slider.minimum = minimum;
    slider.maximum = maximum;
    slider.position = std::clamp(slider.position, minimum, maximum);
}

void SimulatedPage::SetSliderPosition(int id, int position) {
    Control& slider = Find(id, Kind::Slider);
    slider.position = std::clamp(position, slider.minimum, slider.maximum);
}

std::int32_t SimulatedPage::SliderPosition(int id) {
    return Find(id, Kind::Slider).position;
}

void SimulatedPage::SetChecked(int id, bool checked) {
    Control& control = controls_.at(id);
    EXPECT_TRUE(control.kind == Kind::CheckBox || control.kind == Kind::Radio) << id;
    control.checked = checked;
}

bool SimulatedPage::IsChecked(int id) {
    return Checked(id);
}

void SimulatedPage::SetBoxInteger(int id, std::int32_t value, bool isSigned) {
    SetBoxText(id, Widen(isSigned ? std::to_string(value)
                                  : std::to_string(static_cast<std::uint32_t>(value))));
}

void SimulatedPage::SetBoxText(int id, std::u16string_view text) {
    Find(id, Kind::Box).text = text;
    Command(kBoxUpdate, id);
    Command(0x300, id);  // EN_CHANGE
}

std::int32_t SimulatedPage::BoxInteger(int id) {
    return LeadingInteger(Find(id, Kind::Box).text);
}

std::u16string SimulatedPage::BoxText(int id, std::size_t bufferUnits) {
    const std::u16string& text = Find(id, Kind::Box).text;
    return text.substr(0, bufferUnits == 0 ? 0 : bufferUnits - 1);
}

void SimulatedPage::SetUpDownRange(int id, int minimum, int maximum) {
    Control& upDown = Find(id, Kind::UpDown);
    upDown.minimum = minimum;
    upDown.maximum = maximum;
}

void SimulatedPage::TellSheetChanged() {
    sheetMessages_.push_back("changed");
}
void SimulatedPage::TellSheetUnchanged() {
    sheetMessages_.push_back("unchanged");
}
void SimulatedPage::TellSheetApplied() {
    sheetMessages_.push_back("applied");
}

void SimulatedPage::Invalidate(const ClientRect& area) {
    EXPECT_EQ(area.left, 5);
    EXPECT_EQ(area.top, 5);
    EXPECT_EQ(area.right, 197);
    EXPECT_EQ(area.bottom, 197);
    ++invalidations_;
}

std::uint32_t SimulatedPage::UserLocale() {
    return userLocale_;
}

SimulatedPage::Control& SimulatedPage::Find(int id, Kind kind) {
    return const_cast<Control&>(std::as_const(*this).Find(id, kind));
}

const SimulatedPage::Control& SimulatedPage::Find(int id, Kind kind) const {
    const auto found = controls_.find(id);
    if (found == controls_.end() || found->second.kind != kind) {
        ADD_FAILURE() << "control " << id << " is not on the page or not of the kind used";
        static Control nowhere{Kind::Box};
        return nowhere;
    }
    return found->second;
}

}  // namespace qzr::colorpage::testing
