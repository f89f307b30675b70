// SPDX-License-Identifier: GPL-3.0-or-later
// The notebooks of the windows whose rows name their sources list every
// unit with its size and source, as the table has them, so that the two
// cannot drift apart; so do the notebooks of the first windows for their
// units without classic factors.
#include "app/window_registry.h"
#include "framework/converter_def.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
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

// The cells of a table line after its first (the unit's name, which a
// translation translates).
std::vector<std::string> cellsAfterName(const std::string& line)
{
    std::vector<std::string> cells;
    for (std::size_t at = line.find("</td>"); at != std::string::npos;) {
        const std::size_t open = line.find("<td>", at);
        if (open == std::string::npos)
            break;
        at = line.find("</td>", open);
        cells.push_back(line.substr(open + 4, at - open - 4));
    }
    return cells;
}

// A translated notebook lists the same units in the same order, with each
// size and source as the English one has them, which the test above holds
// to the tables.
TEST(NotebookFactors, TranslatedNotebooksKeepEachSizeAndSource)
{
    std::set<std::string> sources;
    for (const WindowEntry& e : windowRegistry())
        if (e.def)
            for (const UnitRow& row : e.def->rows)
                if (row.source)
                    sources.insert(row.source);
    const std::filesystem::path notebooks = std::filesystem::path(AMBREL_SOURCE_DIR) / "resources" / "notebooks";
    for (const auto& folder : std::filesystem::directory_iterator(notebooks)) {
        if (!folder.is_directory())
            continue;
        for (const auto& file : std::filesystem::directory_iterator(folder)) {
            const std::vector<std::string> translated = tableLines(file.path().string());
            const std::vector<std::string> english = tableLines((notebooks / file.path().filename()).string());
            ASSERT_EQ(translated.size(), english.size()) << file.path();
            for (std::size_t i = 0; i < english.size(); ++i) {
                const std::vector<std::string> ours = cellsAfterName(english[i]);
                const std::vector<std::string> theirs = cellsAfterName(translated[i]);
                ASSERT_EQ(theirs.size(), ours.size()) << file.path() << ": " << translated[i];
                // In a table of sizes and sources, the last two cells stay
                // as they are; other tables are prose, written the
                // language's way.
                if (ours.size() >= 2 && sources.contains(ours.back())) {
                    for (std::size_t c = ours.size() - 2; c < ours.size(); ++c)
                        EXPECT_EQ(theirs[c], ours[c]) << file.path() << ": " << translated[i];
                }
            }
        }
    }
}

}  // namespace
