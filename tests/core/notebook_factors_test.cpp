// SPDX-License-Identifier: GPL-3.0-or-later
// The notebooks of the windows whose rows name their sources list every
// unit with its size and source, as the table has them, so that the two
// cannot drift apart; so do the notebooks of the first windows for their
// units without classic factors.
#include "app/window_registry.h"
#include "framework/converter_def.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace ambrel;

namespace {

std::vector<std::string> tableLines(const std::string& path)
{
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (line.starts_with("<tr><td>"))
            lines.push_back(line);
    return lines;
}

std::string cell(std::string_view text)
{
    return "<td>" + std::string(text) + "</td>";
}

TEST(NotebookFactors, EachUnitsSizeAndSourceAreInItsNotebook)
{
    int windows = 0;
    for (const WindowEntry& e : windowRegistry()) {
        if (!e.def)
            continue;
        const bool classic = hasClassicFactors(e.def->rows);
        windows += !classic;
        const std::string path = std::string(AMBREL_SOURCE_DIR) + "/resources/notebooks/" + e.def->notebook + ".html";
        const std::vector<std::string> lines = tableLines(path);
        if (!classic) {
            EXPECT_EQ(lines.size(), e.def->rows.size()) << path << ": one table line a unit";
        }
        for (const UnitRow& row : e.def->rows) {
            if (classic && !convertsBySize(row, e.def->boxes[row.box].base))
                continue;
            ASSERT_NE(row.source, nullptr) << e.cliName << " " << row.outlet << " names no source";
            char size[32];
            std::snprintf(size, sizeof size, "%.10g", row.exact.scale.toDouble());
            const std::string named = cell(row.unit);
            bool found = false;
            for (const std::string& line : lines)
                if (line.starts_with("<tr>" + named)) {
                    found = true;
                    EXPECT_NE(line.find(cell(size)), std::string::npos) << path << ": " << row.unit << " is " << size;
                    EXPECT_NE(line.find(cell(row.source)), std::string::npos) << path << ": " << row.unit;
                }
            EXPECT_TRUE(found) << path << " has no line for " << row.unit;
        }
    }
    EXPECT_GE(windows, 1);
}

}  // namespace
