// The batch converter's texts for people: usage and help, made from the
// options' definitions.
#pragma once

#include <string>
#include <string_view>

namespace mrv::cli {

// "Usage: ..." with its line end.
const std::string& usage();
// The whole --help: one screen, the rest in the man page.
const std::string& help();

// "Try '... --help' for more information." with its line end.
const std::string& tryHelp();

} // namespace mrv::cli
