#include "ColumnFinder.h"

#include <algorithm>

namespace mrv::cli {

void ColumnFinder::feed(std::string_view bytes)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (const char c : bytes) {
        const bool inName = at_ < name_.size();
        exact_ = exact_ && inName && c == name_[at_];
        folded_ = folded_ && inName && lower(c) == lower(name_[at_]);
        ++at_;
    }
    const std::size_t room = kListed - std::min(kListed, names_.size());
    names_.append(bytes.substr(0, room));
}

void ColumnFinder::next()
{
    const bool whole = at_ == name_.size();
    if (whole && exact_ && exactField_ == 0)
        exactField_ = field_;
    if (whole && folded_ && foldedField_ == 0)
        foldedField_ = field_;
    ++field_;
    at_ = 0;
    exact_ = folded_ = true;
    if (names_.size() < kListed)
        names_ += ", ";
}

std::size_t ColumnFinder::finish()
{
    next();
    return exactField_ != 0 ? exactField_ : foldedField_;
}

std::string unknownColumn(std::string_view name, const ColumnFinder& finder)
{
    std::string names = finder.names();
    if (names.ends_with(", "))
        names.resize(names.size() - 2); // the separator after the last
    else
        names += "..."; // listed in part
    return "no column named '" + std::string(name) + "' in the header (" + names + ")";
}

} // namespace mrv::cli
