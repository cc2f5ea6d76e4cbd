// The answer's columns a run writes (--columns), in their order.
#pragma once

#include <array>
#include <cstddef>

namespace mrv::cli {

// In the order of kColumnNames.
enum class Column : unsigned char { Sc, Ey, Aw, Error, Message, ScValue, EyYear, AwYear };

struct Columns {
    std::array<Column, 8> list = {Column::Sc,      Column::Ey,      Column::Aw,     Column::Error,
                                  Column::Message, Column::ScValue, Column::EyYear, Column::AwYear};
    std::size_t size = list.size();

    // All eight in their order: the default, written without a loop.
    bool all() const { return size == list.size() && list == Columns().list; }

    const Column* begin() const { return list.data(); }
    const Column* end() const { return list.data() + size; }
};

} // namespace mrv::cli
