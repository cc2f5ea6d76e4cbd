// The two fixed web addresses the program opens. Host names sit under a
// reserved example domain; packagers change them here and nowhere else.
// The About window shows the update host in a 97-pixel label: keep it short.
#pragma once

namespace mrv {
inline constexpr const char* kProjectPageUrl = "http://mrv.example.org/mrv/mrv.html";
inline constexpr const char* kUpdateSiteUrl = "http://get.example.org";
} // namespace mrv
