// A page opened on a private record with the usual defaults, as the driver would hand it over.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "private_devmode.h"
#include "simulated_page.h"

namespace qzr::colorpage::testing {

class PageTest : public ::testing::Test {
  protected:
    PageTest() { WritePrivateDevmodeDefaults(devmode, 0x0409); }

    // Registration copies the record's settings (the hooks do this), then the dialog is made.
    void Open(std::uint32_t userLocale = 0x0409) {
        saved = devmode.settings;
        page = std::make_unique<SimulatedPage>(devmode, saved, userLocale);
        page->Create();
        openingMessages = page->TakeSheetMessages();
        page->TakeInvalidations();
    }

    PrivateDevmode devmode{};
    ColorSettings saved{};
    std::unique_ptr<SimulatedPage> page;
    std::vector<std::string> openingMessages;
};

using Messages = std::vector<std::string>;

}  // namespace qzr::colorpage::testing
