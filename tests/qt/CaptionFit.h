// Whether every caption of a window is shown whole, measured with the fonts
// actually resolved and the application style's own metrics.
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace mrv::test {

// One line per visible control of `window` whose text needs more room than
// the control gives it (label, option, button, frame title), or whose box
// is too low for a line of its font (date box); empty when all fit.
std::vector<std::string> captionMisfits(QWidget* window);

} // namespace mrv::test
