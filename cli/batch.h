// Stream mode for scripts: one number per input line, one line out per input.
#pragma once

#include <cstdio>
#include <span>
#include <string>

namespace ambrel {

// ambrel batch [--exact] WINDOW OUTLET [--to OUTLET]: types each line of `in` into
// OUTLET and writes all fields as tab-separated exact values, or just the
// field --to names. A refused line gives an empty output line and a note on
// `err`; the exit status is then 2.
int runBatch(std::span<const std::string> args, std::FILE* in, std::FILE* out, std::FILE* err);

}  // namespace ambrel
