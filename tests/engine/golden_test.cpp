// Whole comparisons of the pairs in tests/data against their recorded outputs: each case folder
// holds left.txt, right.txt and one expected file per option set, named depthD-lookupL.records,
// with the bytes `tandemdiff --records --depth D --lookup L left.txt right.txt` prints.
#include "engine/comparison.h"
#include "readfile.h"
#include "records.h"
#include "toolkit/textlines.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace tandem {
namespace {

namespace fs = std::filesystem;

struct GoldenCase {
    std::string name; // folder and option set, usable as a test name
    fs::path folder;
    fs::path expected;
    CompareOptions options;
};

void PrintTo(const GoldenCase& golden, std::ostream* out) {
    *out << golden.name;
}

std::vector<GoldenCase> FindCases() {
    static const std::regex kOptionSet(R"(depth(\d+)-lookup(\d+)\.records)");
    std::vector<GoldenCase> cases;
    for (const fs::directory_entry& folder : fs::directory_iterator(TANDEM_GOLDEN_DIR)) {
        if (!folder.is_directory())
            continue;
        for (const fs::directory_entry& file : fs::directory_iterator(folder.path())) {
            std::smatch match;
            const std::string fileName = file.path().filename().string();
            if (!std::regex_match(fileName, match, kOptionSet))
                continue;
            GoldenCase golden;
            golden.folder = folder.path();
            golden.expected = file.path();
            golden.options.depth = std::stoi(match[1]);
            golden.options.lookup = std::stoi(match[2]);
            golden.name =
                folder.path().filename().string() + "_" + match[1].str() + "_" + match[2].str();
            std::replace(golden.name.begin(), golden.name.end(), '-', '_');
            // The same records whatever the number of threads scoring pairs.
            for (int threads : {2, 4}) {
                GoldenCase threaded = golden;
                threaded.options.threads = threads;
                threaded.name += "_threads" + std::to_string(threads);
                cases.push_back(std::move(threaded));
            }
            cases.push_back(std::move(golden));
        }
    }
    std::sort(cases.begin(), cases.end(),
              [](const GoldenCase& a, const GoldenCase& b) { return a.name < b.name; });
    return cases;
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The records output read back: both aligned texts as rows, then the three lists.
struct Sections {
    std::vector<std::vector<std::string>> rows;  // left rows, right rows
    std::vector<std::vector<std::string>> lists; // left marks, right marks, blocks
};

const char* const kListNames[] = {"left-marks", "right-marks", "blocks"};
const char* const kTextNames[] = {"left-text", "right-text"};

Sections ReadSections(const std::string& output) {
    Sections sections;
    std::istringstream in(output);
    for (int text = 0; text < 2; ++text) {
        std::string label;
        size_t size = 0;
        in >> label >> size;
        in.get();
        std::string bytes(size, '\0');
        in.read(bytes.data(), static_cast<std::streamsize>(size));
        in.get();
        std::vector<std::string> rows;
        for (std::string_view row : SplitLines(bytes).lines)
            rows.emplace_back(row);
        sections.rows.push_back(std::move(rows));
    }
    for (int list = 0; list < 3; ++list) {
        std::string label;
        size_t count = 0;
        in >> label >> count;
        in.get();
        std::vector<std::string> records(count);
        for (std::string& record : records)
            std::getline(in, record);
        sections.lists.push_back(std::move(records));
    }
    return sections;
}

std::string At(const std::vector<std::string>& items, size_t index) {
    return index < items.size() ? "\"" + items[index] + "\"" : "(none)";
}

// Both sides' lines at a row, as the expected and the actual output have them.
std::string RowLines(const Sections& expected, const Sections& actual, long row) {
    std::ostringstream out;
    if (row < 0)
        return "";
    const size_t index = static_cast<size_t>(row);
    out << "  row " << row << " expected: " << At(expected.rows[0], index) << " | "
        << At(expected.rows[1], index) << "\n";
    out << "  row " << row << " actual:   " << At(actual.rows[0], index) << " | "
        << At(actual.rows[1], index) << "\n";
    return out.str();
}

// The first record or row where the two outputs part, with the lines of its rows.
std::string FirstDifference(const std::string& expectedOutput, const std::string& actualOutput) {
    const Sections expected = ReadSections(expectedOutput);
    const Sections actual = ReadSections(actualOutput);
    std::ostringstream out;
    for (int text = 0; text < 2; ++text) {
        const auto& want = expected.rows[static_cast<size_t>(text)];
        const auto& got = actual.rows[static_cast<size_t>(text)];
        for (size_t row = 0; row < std::max(want.size(), got.size()); ++row) {
            if (At(want, row) == At(got, row))
                continue;
            out << kTextNames[text] << " differs first at row " << row << "\n"
                << RowLines(expected, actual, static_cast<long>(row));
            return out.str();
        }
    }
    for (int list = 0; list < 3; ++list) {
        const auto& want = expected.lists[static_cast<size_t>(list)];
        const auto& got = actual.lists[static_cast<size_t>(list)];
        for (size_t index = 0; index < std::max(want.size(), got.size()); ++index) {
            if (At(want, index) == At(got, index))
                continue;
            out << kListNames[list] << " record " << index << ": expected " << At(want, index)
                << ", actual " << At(got, index) << "\n";
            for (const auto* record : {&want, &got})
                if (index < record->size())
                    out << RowLines(expected, actual, std::atol((*record)[index].c_str()));
            return out.str();
        }
    }
    return "the outputs differ outside the records\n";
}

class GoldenComparison : public testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenComparison, PrintsTheRecordedRecords) {
    const GoldenCase& golden = GetParam();
    const std::string left = ReadInputFile((golden.folder / "left.txt").string()).bytes;
    const std::string right = ReadInputFile((golden.folder / "right.txt").string()).bytes;
    ComparisonResult result =
        Compare(SplitLines(left).lines, SplitLines(right).lines, golden.options);
    std::string actual;
    AppendRecords(result, actual);
    const std::string expected = ReadBytes(golden.expected);
    ASSERT_FALSE(expected.empty()) << golden.expected << " is empty: regenerate it";
    if (actual != expected)
        FAIL() << golden.expected << "\n" << FirstDifference(expected, actual);
}

INSTANTIATE_TEST_SUITE_P(Pairs, GoldenComparison, testing::ValuesIn(FindCases()),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                             return info.param.name;
                         });

} // namespace
} // namespace tandem
