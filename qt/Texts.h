// The windows' texts (made from resources/texts.json) as Qt strings.
#pragma once

#include "WindowTexts.h"

#include <QString>

#include <string_view>

namespace mrv::ui {

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace mrv::ui
