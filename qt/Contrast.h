// Whether a text reads on its background.
#pragma once

class QColor;

namespace mrv::ui {

// WCAG's contrast ratio of two colours, 1 to 21.
double contrast(const QColor& a, const QColor& b);

} // namespace mrv::ui
