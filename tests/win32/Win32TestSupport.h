// What the Windows windows' tests share: the program under test started
// afresh for each test, the design's places in pixels at the run's DPI, the
// message boxes and the browser's record.
#pragma once

#include "FormDesign.h"
#include "WindowDriver.h"

#include <gtest/gtest.h>

#include <memory>
#include <span>
#include <string>

namespace mrv::test {

// The DPI the run expects (MRVDATE_TEST_DPI, 96 unless set).
int expectedDpi();
int px(int twips);

// A control's place in its window, frames' contents within their frame.
RECT expectedPlace(std::span<const forms::ControlDesign> table, const forms::ControlDesign& row);
const char* expectedClass(forms::ControlKind kind);

// Every control of `window` in tab (z) order against the table: class,
// caption (where the design gives one) and place.
void expectControlsOf(HWND window, std::span<const forms::ControlDesign> table);

struct ShownBox {
    std::string title;
    std::string text;
    bool critical = false;
    bool information = false;
};

// The addresses the browser was asked to open, one a line
// (MRVDATE_BROWSER_LOG, written by the browser set for the test prefix).
std::string openedAddresses();

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { program.reset(); }

    HWND control(std::string_view name, int index = -1) const;
    // The message box the program shows, read and then answered with Enter.
    ShownBox answerBox() const;

    std::unique_ptr<ProgramUnderTest> program;
    HWND main = nullptr;
};

} // namespace mrv::test
