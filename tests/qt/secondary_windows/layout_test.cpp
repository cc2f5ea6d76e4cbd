// Every window and control against the design: place, size, text, font.
// Whether the texts fit is measured for every window in the main window's
// layout tests.
#include "DesignUnits.h"
#include "DialogTestSupport.h"
#include "QtTestHelpers.h"
#include "SecondaryWindowDesigns.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string_view>

using namespace mrv::test;

namespace {

struct WindowRow {
    const DialogKind* kind;
    std::string_view title;
    int widthTwips, heightTwips;
};

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class WindowDesign : public ::testing::TestWithParam<WindowRow> {};

TEST_P(WindowDesign, TitleSizeAndBorder)
{
    const WindowRow& row = GetParam();
    const auto dialog = row.kind->make();
    EXPECT_EQ(dialog->windowTitle(), fromView(row.title));
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
                         ::testing::Values(WindowRow{&instructionsKind(), mrv::texts::frmInstructions::title,
                                                     mrv::forms::instructions::kForm.clientWidth,
                                                     mrv::forms::instructions::kForm.clientHeight},
                                           WindowRow{&aboutKind(), mrv::texts::frmAbout::title,
                                                     mrv::forms::about::kForm.clientWidth,
                                                     mrv::forms::about::kForm.clientHeight}),
                         [](const auto& info) { return std::string(info.param.kind->name); });

enum class Align { Left, Centre };

struct ControlRow {
    const DialogKind* kind;
    const char* name;
    int index;          // -1 outside an indexed group
    const char* suffix; // follows the design's caption; nullptr: the text is not checked here
    qreal pointSize;
    bool bold;
    Align align;
};

// The control's row of its window's design.
const mrv::forms::ControlDesign& designOf(const ControlRow& row)
{
    const auto find = [&row](const auto& table) -> const mrv::forms::ControlDesign& {
        for (const mrv::forms::ControlDesign& design : table) {
            if (design.name == row.name && design.index == row.index)
                return design;
        }
        throw std::logic_error("no such control in the design");
    };
    return row.kind == &instructionsKind() ? find(mrv::forms::instructions::kControls)
                                           : find(mrv::forms::about::kControls);
}

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
    const mrv::forms::ControlDesign& design = designOf(row);
    const mrv::forms::TwipsRect& place = design.place;
    EXPECT_EQ(control->geometry(), designRect(place.left, place.top, place.width, place.height));
    if (row.suffix) {
        EXPECT_EQ(captionOf(control), fromView(design.caption) + QString::fromUtf8(row.suffix));
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
    ::testing::Values(ControlRow{I, "Label1", -1, "", kRegular, true, Align::Left},
                      ControlRow{I, "txtInstructions", -1, nullptr, 9.75, false, Align::Left},
                      ControlRow{I, "cmdOK", -1, "", kRegular, false, Align::Centre},
                      ControlRow{A, "Image1", -1, nullptr, kRegular, false, Align::Left},
                      ControlRow{A, "Label1", -1, "", kRegular, true, Align::Centre},
                      ControlRow{A, "Label2", -1, "", kRegular, true, Align::Centre},
                      ControlRow{A, "Label3", 4, MRVDATE_VERSION, kRegular, false, Align::Centre},
                      ControlRow{A, "Label3", 2, "", kRegular, false, Align::Centre},
                      ControlRow{A, "Label3", 3, "", kRegular, false, Align::Centre},
                      ControlRow{A, "Label3", 0, "", kRegular, false, Align::Centre},
                      ControlRow{A, "Label3", 1, "", kRegular, false, Align::Centre},
                      ControlRow{A, "Label4", -1, "", kRegular, false, Align::Centre},
                      ControlRow{A, "lblHyperlink", -1, nullptr, kRegular, false, Align::Centre},
                      ControlRow{A, "cmdOK", -1, "", kRegular, false, Align::Centre}),
    controlRowName);

} // namespace
