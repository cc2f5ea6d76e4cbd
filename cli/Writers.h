// The format writers, one per output format, chosen once for a run. Each
// writes the header, the entry as it arrives (the machine formats echo it,
// escaped for their fields) and the answer that ends the entry's record.
#pragma once

#include "JsonlWriter.h"
#include "LineWriter.h"
#include "TableWriters.h"
