// A form's design as a table: each control's name, container, caption and
// place in the form's twips. A window creates its controls from its table,
// and its tests read the same table.
#pragma once

#include "Texts.h"
#include "Twips.h"

#include <QVariant>

#include <cstddef>
#include <string_view>

namespace mrv::ui {

struct ControlDesign {
    std::string_view name;
    int index; // -1 outside an indexed group
    std::string_view container;
    std::string_view caption;
    TwipsRect place;
};

// The row of a control: a name the table lacks does not compile.
template <std::size_t N>
consteval const ControlDesign& designOf(const ControlDesign (&table)[N], std::string_view name,
                                        int index = -1)
{
    for (const ControlDesign& row : table) {
        if (row.name == name && row.index == index)
            return row;
    }
    throw "no such control in the design";
}

// Names a control (a member of an indexed group carries its index) and
// places it as its row says.
template <typename Widget> Widget* placed(Widget* control, const ControlDesign& row)
{
    control->setObjectName(toQString(row.name));
    if (row.index >= 0)
        control->setProperty("index", row.index);
    control->setGeometry(twipsRect(row.place));
    return control;
}

} // namespace mrv::ui
