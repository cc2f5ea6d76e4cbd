// The batch converter's texts for people: usage, help and version.
#pragma once

#include <string_view>

namespace mrv::cli {

extern const std::string_view kUsage;
extern const std::string_view kHelp;
extern const std::string_view kTryHelp;

} // namespace mrv::cli
