#include "OptionTable.h"

#include <algorithm>

namespace mrv::cli {

const OptionSpec& optionSpec(OptionId id)
{
    return *std::find_if(std::begin(kOptionSpecs), std::end(kOptionSpecs),
                         [id](const OptionSpec& s) { return s.id == id; });
}

std::string joinValues(std::span<const std::string_view> values, std::string_view separator)
{
    std::string joined;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            joined += !separator.empty() ? separator : i + 1 == values.size() ? " or " : ", ";
        joined += values[i];
    }
    return joined;
}

int valueIndex(std::span<const std::string_view> values, std::string_view text)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    auto same = [&](char a, char b) { return lower(a) == lower(b); };
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (std::equal(values[i].begin(), values[i].end(), text.begin(), text.end(), same))
            return static_cast<int>(i);
    }
    return -1;
}

std::string helpLine(const OptionSpec& definition)
{
    constexpr std::size_t kHelpColumn = 24;
    std::string line = "      --";
    if (definition.id < 256) {
        line[2] = '-';
        line[3] = static_cast<char>(definition.id);
        line[4] = ',';
    }
    line += definition.name;
    if (!definition.value.empty()) {
        line += '=';
        line += definition.value;
    }
    line.resize(std::max(kHelpColumn, line.size() + 1), ' ');
    const std::size_t values = definition.help.find("%v");
    line += definition.help.substr(0, values);
    if (values != std::string_view::npos) {
        line += joinValues(definition.values);
        line += definition.help.substr(values + 2);
    }
    return line;
}

} // namespace mrv::cli
