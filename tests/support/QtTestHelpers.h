// Helpers shared by the window tests.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace mrv::test {

// Calls `answer` with the first modal widget (message box or dialog) that
// appears after `trigger` starts it, then returns. Waits on the condition,
// never on a fixed delay; gives up after `timeoutMs`.
bool answerNextModal(const std::function<void()>& trigger, const std::function<void(QWidget*)>& answer,
                     int timeoutMs = 5000);

} // namespace mrv::test
