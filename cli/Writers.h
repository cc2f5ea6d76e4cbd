// The format writers, one per output format, chosen once for a run. Each
// writes the header, the entry as it arrives (the machine formats echo it,
// escaped for their fields) and the answer that ends the entry's record.
//
// `Out` is anything with put(char), put(std::string_view), and reserve(n)
// and commit(end) for n contiguous bytes, as mrv::Output has.
#pragma once

#include "JsonlWriter.h"
#include "LineWriter.h"
#include "TableWriters.h"
