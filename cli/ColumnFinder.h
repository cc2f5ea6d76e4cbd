// Finds the column a name stands for in a table's header row, read field by
// field as it arrives: the first whose name is exactly the name, else the
// first that is in any case. Keeps no more of the header than its message
// lists, so a header of any length reads in fixed memory.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mrv::cli {

class ColumnFinder {
public:
    explicit ColumnFinder(std::string_view name) : name_(name) {}

    // More of the current field's name.
    void feed(std::string_view bytes);
    // The next field begins.
    void next();
    // The header row ended: the field (1-based) the name stands for, 0 if none.
    std::size_t finish();
    // The header's names, for a message: "name, year".
    const std::string& names() const { return names_; }

private:
    static constexpr std::size_t kListed = 1024;

    const std::string_view name_;
    std::size_t field_ = 1, at_ = 0;
    bool exact_ = true, folded_ = true; // the field's name so far matches
    std::size_t exactField_ = 0, foldedField_ = 0;
    std::string names_;
};

// A --field NAME that the header row does not hold: a usage error, found
// only once the input is read.
std::string unknownColumn(std::string_view name, const ColumnFinder& finder);

} // namespace mrv::cli
