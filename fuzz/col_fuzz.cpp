// ".COL" files as users exchange them, loaded into a page opened on any private record. The page
// reads only a file's first 48 bytes, so when an input is longer, its bytes 48 to 91 stand for
// the settings the driver's record held when the page was opened (values beyond the sliders
// included). A refused file changes nothing; an accepted one puts each field into its control as
// the control can hold it, never touches the driver's record, and saves back as it shows.
#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "config_commands.h"
#include "fuzz_target.h"
#include "page_events.h"
#include "page_settings.h"
#include "res/resource_ids.h"
#include "value_boxes.h"

namespace {

using namespace qzr::colorpage;
using qzr::ColorSettings;

// The page's controls as plain values: sliders clamp, every call that changes something counts.
class RecordedControls final : public PageControls {
  public:
    struct State {
        std::map<int, std::array<int, 3>> sliders;  // minimum, maximum, position
        std::map<int, bool> checks;
        std::map<int, std::u16string> boxes;
        bool operator==(const State&) const = default;
    };

    void SetSliderRange(int id, int minimum, int maximum) override {
        auto& slider = state.sliders[id];
        slider = {minimum, maximum, std::clamp(slider[2], minimum, maximum)};
    }
    void SetSliderPosition(int id, int position) override {
        auto& slider = state.sliders[id];
        slider[2] = std::clamp(position, slider[0], slider[1]);
    }
    std::int32_t SliderPosition(int id) override { return state.sliders[id][2]; }
    void SetChecked(int id, bool checked) override { state.checks[id] = checked; }
    bool IsChecked(int id) override { return state.checks[id]; }
    void SetBoxInteger(int id, std::int32_t value, bool isSigned) override {
        const std::string text =
            isSigned ? std::to_string(value) : std::to_string(static_cast<std::uint32_t>(value));
        state.boxes[id] = std::u16string(text.begin(), text.end());
    }
    void SetBoxText(int id, std::u16string_view text) override { state.boxes[id] = text; }
    std::int32_t BoxInteger(int id) override {
        const std::u16string& text = state.boxes[id];
        std::int64_t value = 0;
        std::size_t i = text.size() > 0 && text[0] == u'-' ? 1 : 0;
        if (i == text.size()) return 0;
        for (std::size_t k = i; k < text.size(); ++k) {
            if (text[k] < u'0' || text[k] > u'9' || value > 0x7FFFFFFF) return 0;
            value = value * 10 + (text[k] - u'0');
        }
        return static_cast<std::int32_t>(i ? -value : value);
    }
    std::u16string BoxText(int id, std::size_t bufferUnits) override {
        return state.boxes[id].substr(0, bufferUnits ? bufferUnits - 1 : 0);
    }
    void SetUpDownRange(int, int, int) override {}
    void TellSheetChanged() override { sheet.push_back("changed"); }
    void TellSheetUnchanged() override { sheet.push_back("unchanged"); }
    void TellSheetApplied() override { sheet.push_back("applied"); }
    void Invalidate(const ClientRect&) override { ++invalidations; }
    std::uint32_t UserLocale() override { return 0x0409; }

    State state;
    std::vector<std::string> sheet;
    int invalidations = 0;
};

ColorSettings Shown(RecordedControls& controls) {
    ColorSettings shown{};
    ReadSettings(controls, shown, BoxWrites::Skip);
    return shown;
}

void CheckReading(std::span<const std::uint8_t> file, const ColorConfigReading& reading) {
    const std::uint16_t size = file.size() >= 2 ? file[0] | file[1] << 8 : 0;
    const std::uint16_t tag = file.size() >= 4 ? file[2] | file[3] << 8 : 0;
    const ColorConfigError expected = file.size() < kColorConfigSize ? ColorConfigError::TooShort
                                      : size != 48 || tag != 100     ? ColorConfigError::WrongHeader
                                                                     : ColorConfigError::None;
    QZR_FUZZ_CHECK(reading.error == expected);
    const ColorConfigBytes bytes = ColorConfigRecordBytes(reading.record);
    if (expected == ColorConfigError::None) {
        QZR_FUZZ_CHECK(std::equal(bytes.begin(), bytes.end(), file.begin()));
    } else {
        QZR_FUZZ_CHECK(std::all_of(bytes.begin(), bytes.end(), [](auto b) { return b == 0; }));
    }
}

// What each control shows after a load of `file` over a page that showed `before`.
void CheckLoaded(const ColorSettings& file, const ColorSettings& before,
                 const ColorSettings& shown) {
    for (const SliderRow& row : kSliderRows)
        QZR_FUZZ_CHECK(shown.*(row.field) ==
                       std::clamp<std::int16_t>(file.*(row.field), row.minimum, row.maximum));
    QZR_FUZZ_CHECK(shown.unsharpEnabled == (file.unsharpEnabled == 1 ? 1 : 0));
    QZR_FUZZ_CHECK(shown.naturalColorOff == (file.naturalColorOff == 1 ? 1 : 0));
    QZR_FUZZ_CHECK(shown.orderIdEnabled == (file.orderIdEnabled != 0 ? 1 : 0));
    QZR_FUZZ_CHECK(shown.orderId == before.orderId);
    const bool colorKept = file.colorMode != 0 && file.colorMode != 1;
    QZR_FUZZ_CHECK(shown.colorMode == (colorKept ? before.colorMode : file.colorMode));
    const bool printKept = file.printMode != 0 && file.printMode != 1;
    QZR_FUZZ_CHECK(shown.printMode == (printKept ? before.printMode : file.printMode));
}

}  // namespace

QZR_FUZZ_TARGET(col) {
    const std::span<const std::uint8_t> input(data, size);
    qzr::PrivateDevmode devmode{};
    qzr::WritePrivateDevmodeDefaults(devmode, 0x0409);
    if (size >= kColorConfigSize + sizeof(ColorSettings))
        std::memcpy(&devmode.settings, data + kColorConfigSize, sizeof(ColorSettings));
    ColorSettings saved = devmode.settings;
    const PageRecords records{devmode, saved};
    const qzr::PrivateDevmode devmodeBefore = devmode;

    RecordedControls controls;
    SetUpControls(controls, devmode.settings);
    FillBoxes(controls, devmode);
    controls.sheet.clear();
    const RecordedControls::State before = controls.state;
    const ColorSettings shownBefore = Shown(controls);

    const ColorConfigReading reading = ReadColorConfigRecord(input);
    CheckReading(input, reading);
    const ColorConfigError error = LoadConfigurationBytes(controls, records, input);
    QZR_FUZZ_CHECK(error == reading.error);
    QZR_FUZZ_CHECK(std::memcmp(&devmode, &devmodeBefore, sizeof devmode) == 0);
    if (error != ColorConfigError::None) {
        QZR_FUZZ_CHECK(controls.state == before);
        QZR_FUZZ_CHECK(controls.sheet.empty() && controls.invalidations == 0);
        return;
    }

    const ColorSettings shown = Shown(controls);
    CheckLoaded(reading.record.settings, shownBefore, shown);
    const bool same = std::memcmp(&shown, &devmode.settings, sizeof shown) == 0;
    QZR_FUZZ_CHECK(controls.sheet == std::vector<std::string>{same ? "unchanged" : "changed"});
    QZR_FUZZ_CHECK(controls.invalidations == 1);

    // Saved again, the file holds what the page shows, with its alignment bytes zero.
    const ColorConfigBytes resaved = SaveConfigurationBytes(controls);
    const ColorConfigReading again = ReadColorConfigRecord(resaved);
    QZR_FUZZ_CHECK(again.error == ColorConfigError::None);
    QZR_FUZZ_CHECK(std::memcmp(&again.record.settings, &shown, sizeof shown) == 0);
}
