// Every window and control against the design: place, size, text, font.
// Whether the texts fit is measured for every window in the main window's
// layout tests.
#include "DesignUnits.h"
#include "DialogTestSupport.h"
#include "QtTestHelpers.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <gtest/gtest.h>

using namespace mrv::test;

namespace {

struct WindowRow {
    const DialogKind* kind;
    const char* title;
    int widthTwips, heightTwips;
};

class WindowDesign : public ::testing::TestWithParam<WindowRow> {};

TEST_P(WindowDesign, TitleSizeAndBorder)
{
    const WindowRow& row = GetParam();
    const auto dialog = row.kind->make();
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(row.title));
    const QSize client = designRect(0, 0, row.widthTwips, row.heightTwips).size();
    EXPECT_EQ(dialog->size(), client);
    EXPECT_EQ(dialog->minimumSize(), client);
    EXPECT_EQ(dialog->maximumSize(), client);

    const Qt::WindowFlags flags = dialog->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_EQ(dialog->font().pointSizeF(), 8.25);
    EXPECT_FALSE(dialog->font().bold());
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowDesign,
                         ::testing::Values(WindowRow{&instructionsKind(),
                                                     "Instructions for Morvane Date Converter", 7590, 3900},
                                           WindowRow{&aboutKind(), "About MRV Date Converter", 3870, 4305}),
                         [](const auto& info) { return std::string(info.param.kind->name); });

enum class Align { Left, Centre };

struct ControlRow {
    const DialogKind* kind;
    const char* name;
    int index; // -1 outside an indexed group
    int left, top, width, height;
    const char* text; // nullptr: not checked here
    qreal pointSize;
    bool bold;
    Align align;
};

std::string controlRowName(const ::testing::TestParamInfo<ControlRow>& info)
{
    std::string name = std::string(info.param.kind->name) + "_" + info.param.name;
    if (info.param.index >= 0)
        name += std::to_string(info.param.index);
    return name;
}

class ControlDesign : public ::testing::TestWithParam<ControlRow> {
protected:
    void SetUp() override
    {
        const ControlRow& row = GetParam();
        dialog = row.kind->make();
        control = row.index >= 0 ? groupMember(dialog.get(), QString::fromLatin1(row.name), row.index)
                                 : dialog->findChild<QWidget*>(QString::fromLatin1(row.name));
        ASSERT_NE(control, nullptr);
    }
    std::unique_ptr<QDialog> dialog;
    QWidget* control = nullptr;
};

TEST_P(ControlDesign, PlaceSizeTextAndFont)
{
    const ControlRow& row = GetParam();
    EXPECT_EQ(control->geometry(), designRect(row.left, row.top, row.width, row.height));
    if (row.text) {
        EXPECT_EQ(captionOf(control), QString::fromUtf8(row.text));
    }
    EXPECT_EQ(control->font().pointSizeF(), row.pointSize);
    EXPECT_EQ(control->font().bold(), row.bold);
    EXPECT_FALSE(control->font().underline());
    if (auto* label = qobject_cast<QLabel*>(control); label && !label->text().isEmpty()) {
        const Qt::Alignment horizontal = label->alignment() & Qt::AlignHorizontal_Mask;
        EXPECT_EQ(horizontal, row.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft);
        EXPECT_EQ(label->frameShape(), QFrame::NoFrame);
    }
}

const DialogKind* const I = &instructionsKind();
const DialogKind* const A = &aboutKind();
constexpr qreal kRegular = 8.25;

INSTANTIATE_TEST_SUITE_P(
    Controls, ControlDesign,
    ::testing::Values(
        ControlRow{I, "Label1", -1, 240, 120, 5775, 255, "Morvane Timeline Date Converter - Instructions",
                   kRegular, true, Align::Left},
        ControlRow{I, "txtInstructions", -1, 240, 360, 7095, 2775, nullptr, 9.75, false, Align::Left},
        ControlRow{I, "cmdOK", -1, 3360, 3360, 855, 375, "&OK", kRegular, false, Align::Centre},
        ControlRow{A, "Image1", -1, 120, 120, 570, 870, nullptr, kRegular, false, Align::Left},
        ControlRow{A, "Label1", -1, 840, 240, 2775, 255, "Morvane", kRegular, true, Align::Centre},
        ControlRow{A, "Label2", -1, 840, 480, 2775, 255, "Timeline Date Converter", kRegular, true,
                   Align::Centre},
        ControlRow{A, "Label3", 4, 720, 960, 3015, 255, "Version " MRVDATE_VERSION, kRegular, false,
                   Align::Centre},
        ControlRow{A, "Label3", 2, 840, 1560, 2895, 255, "Morvane created by", kRegular, false,
                   Align::Centre},
        ControlRow{A, "Label3", 3, 840, 1800, 2895, 255, nullptr, kRegular, false, Align::Centre},
        ControlRow{A, "Label3", 0, 840, 2160, 2895, 255, nullptr, kRegular, false, Align::Centre},
        ControlRow{A, "Label3", 1, 840, 2400, 2895, 255, nullptr, kRegular, false, Align::Centre},
        ControlRow{A, "Label4", -1, 120, 3120, 3615, 255, "For all program updates visit", kRegular, false,
                   Align::Centre},
        ControlRow{A, "lblHyperlink", -1, 1200, 3360, 1455, 255, nullptr, kRegular, false, Align::Centre},
        ControlRow{A, "cmdOK", -1, 1560, 3720, 855, 375, "&OK", kRegular, false, Align::Centre}),
    controlRowName);

} // namespace
