// The one way the windows build a control: from its row of the form's
// design (forms/FormDesign.h), which names, places, captions, fonts,
// aligns, colours and borders it, and gives it its tab stop and what a
// screen reader says.
#pragma once

#include "FormDesign.h"

#include <QWidget>

namespace mrv::ui {

using forms::ControlDesign;

void applyDesign(QWidget* control, const ControlDesign& row);

// A new control of the given class, as its row says.
template <typename Widget> Widget* designed(QWidget* parent, const ControlDesign& row)
{
    auto* control = new Widget(parent);
    applyDesign(control, row);
    return control;
}

// Chains the tab order of the window's designed controls by their tab
// indexes.
void orderTabs(QWidget* window);

} // namespace mrv::ui
