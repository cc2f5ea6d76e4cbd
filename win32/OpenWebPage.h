// Opens a web address in the user's browser, through the shell.
#pragma once

namespace mrv::win32 {

void OpenWebPage(const char* address);

} // namespace mrv::win32
