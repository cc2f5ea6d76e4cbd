#pragma once

#include <QString>

namespace mrv {
// Hands the address to the user's default browser and returns at once; the
// outcome is deliberately not reported.
void OpenWebPage(const QString& address);
} // namespace mrv
