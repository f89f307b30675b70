// SPDX-License-Identifier: GPL-3.0-or-later
// Stream mode for scripts: one number per input line, one line out per input.
#pragma once

#include <cstdio>
#include <span>
#include <string>

namespace ambrel {

// ambrel batch [--classic] [--json] FROM-UNIT TO-UNIT, or WINDOW OUTLET [--to
// OUTLET]: types each line of `in` into the field of FROM-UNIT (or OUTLET)
// and writes the TO-UNIT field's exact value, or every field's, tab-separated
// (with --json, one object per line). A refused line (not a number, blank,
// over 1000 characters) gives an empty output line and a note on `err`; the
// exit status is then 2. A failed write stops the run with status 1.
int runBatch(std::span<const std::string> args, std::FILE* in, std::FILE* out, std::FILE* err);

}  // namespace ambrel
