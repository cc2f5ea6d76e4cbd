#include "DesignedControl.h"

#include "DesignFont.h"
#include "HyperlinkLabel.h"
#include "Texts.h"
#include "Twips.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

#include <algorithm>
#include <vector>

namespace mrv::ui {

namespace {

constexpr const char* kTabIndex = "tabIndex";

Qt::Alignment alignmentOf(forms::Align align)
{
    switch (align) {
    case forms::Align::CentreTop:
        return Qt::AlignHCenter | Qt::AlignTop;
    case forms::Align::Centre:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case forms::Align::LeftTop:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

QColor qtColourOf(forms::ColourRole role)
{
    const forms::Rgb rgb = forms::colourOf(role);
    return {rgb.red, rgb.green, rgb.blue};
}

// A label's caption and look; a picture is a label without a caption.
void designLabel(QLabel* label, const ControlDesign& row)
{
    label->setTextFormat(Qt::PlainText);
    label->setText(toQString(row.caption));
    label->setAlignment(alignmentOf(row.align));
    if (row.border == forms::Border::FixedSingle) {
        label->setFrameStyle(row.kind == forms::ControlKind::Picture ? QFrame::WinPanel | QFrame::Sunken
                                                                     : QFrame::StyledPanel | QFrame::Sunken);
        label->setLineWidth(1);
    }
    if (auto* link = qobject_cast<HyperlinkLabel*>(label); link && row.colour != forms::ColourRole::Default) {
        link->setLinkColour(qtColourOf(row.colour));
    } else if (row.colour != forms::ColourRole::Default) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, qtColourOf(row.colour));
        label->setPalette(palette);
    }
}

} // namespace

void applyDesign(QWidget* control, const ControlDesign& row)
{
    control->setObjectName(toQString(row.name));
    if (row.index >= 0)
        control->setProperty("index", row.index);
    control->setGeometry(twipsRect(row.place));
    // The others inherit the form's font.
    if (row.font != forms::FontRole::Regular)
        control->setFont(designFont(row.font));
    if (auto* label = qobject_cast<QLabel*>(control))
        designLabel(label, row);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(toQString(row.caption));
    else if (auto* frame = qobject_cast<QGroupBox*>(control))
        frame->setTitle(toQString(row.caption));
    if (!row.accessibleName.empty())
        control->setAccessibleName(toQString(row.accessibleName));
    if (!row.accessibleDescription.empty())
        control->setAccessibleDescription(toQString(row.accessibleDescription));
    if (row.tabIndex != forms::kNoTabStop)
        control->setProperty(kTabIndex, row.tabIndex);
}

void orderTabs(QWidget* window)
{
    std::vector<QWidget*> stops;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->property(kTabIndex).isValid())
            stops.push_back(control);
    }
    std::ranges::sort(stops, {}, [](const QWidget* w) { return w->property(kTabIndex).toInt(); });
    for (std::size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1], stops[i]);
}

} // namespace mrv::ui
