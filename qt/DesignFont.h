// The forms' font: the face and sizes every window was designed with
// (forms/FormDesign.h).
#pragma once

#include "FormDesign.h"

#include <QFont>
#include <QString>

namespace mrv::ui {

// The forms' face where it is installed; otherwise the first of its
// fallbacks that is, whose widths come closest; otherwise the platform's
// default face. Chosen explicitly: left to fontconfig, a missing family
// silently becomes a wider face (DejaVu Sans) and cuts the captions.
QString designFamily();

// That family at the role's size, complete: set on a window's contents it
// holds for every control inside, whatever fonts the desktop's platform
// theme gives the application or each class of control.
QFont designFont(forms::FontRole role = forms::FontRole::Regular);

} // namespace mrv::ui
