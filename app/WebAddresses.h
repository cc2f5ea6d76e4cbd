// The two fixed web addresses the program opens. Host names sit under a
// reserved example domain; packagers change them here and nowhere else.
#pragma once

namespace mrv {
inline constexpr const char* kProjectPageUrl = "http://mrv.example.org/mrv/mrv.html";
inline constexpr const char* kUpdateSiteUrl = "http://updates.example.org";
} // namespace mrv
