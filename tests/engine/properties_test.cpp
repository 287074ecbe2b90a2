// Whole runs on many generated pairs: whatever the engine decides, the aligned rows must give back
// both files exactly, and every record must be well formed.
#include "engine/comparison.h"
#include "engine/normalise.h"
#include "toolkit/fields.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>

namespace tandem {
namespace {

// Seeded generator of file pairs with the edits real files see: changed, inserted, deleted and
// moved lines, split lines, blank lines, letter case and blank runs.
class PairGenerator {
public:
    explicit PairGenerator(unsigned seed) : random_(seed) {}

    std::pair<std::vector<std::string>, std::vector<std::string>> Next() {
        std::vector<std::string> left;
        for (int count = Pick(0, 80); count > 0; --count)
            left.push_back(Line());
        std::vector<std::string> right;
        for (size_t i = 0; i < left.size(); ++i)
            Edit(left, i, right);
        if (Pick(0, 3) == 0)
            right.push_back(Line());
        return {left, right};
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    std::string Line() {
        static const char* const words[] = {"int", "x",    "=",  "return", "value",
                                            "{",   "}",    "if", "(a",     "b)",
                                            "Foo", "bar;", "//", "count",  "\t"};
        if (Pick(0, 6) == 0)
            return Pick(0, 1) ? "" : "   ";
        std::string line(static_cast<size_t>(Pick(0, 2)) * 2, ' ');
        for (int count = Pick(1, 5); count > 0; --count) {
            line += words[Pick(0, 14)];
            line += Pick(0, 5) ? " " : "  ";
        }
        return line;
    }

    void Edit(const std::vector<std::string>& left, size_t i, std::vector<std::string>& right) {
        const std::string& line = left[i];
        switch (Pick(0, 12)) {
        case 0: // deleted
            break;
        case 1: // inserted before
            for (int count = Pick(1, 4); count > 0; --count)
                right.push_back(Line());
            right.push_back(line);
            break;
        case 2: // changed a little
            right.push_back(line + (Pick(0, 1) ? "x" : ";"));
            break;
        case 3: { // split in two
            size_t blank = line.find(' ', 1);
            if (blank == std::string::npos || blank + 1 >= line.size()) {
                right.push_back(line);
            } else {
                right.push_back(line.substr(0, blank));
                right.push_back(line.substr(blank + 1));
            }
            break;
        }
        case 4: { // letter case and blank runs
            std::string changed;
            for (char c : line)
                changed += c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
            right.push_back("  " + changed);
            break;
        }
        case 5: // an earlier line repeated
            right.push_back(line);
            right.push_back(left[static_cast<size_t>(Pick(0, static_cast<int>(i)))]);
            break;
        default:
            right.push_back(line);
        }
    }

    std::mt19937 random_;
};

bool IsFiller(std::string_view row) {
    return IsFillerRow(row);
}

// The rows that are not filler rows are the file's own lines, the same views in the same order.
void ExpectLinesKept(const std::vector<std::string_view>& rows,
                     const std::vector<std::string>& lines) {
    size_t next = 0;
    for (std::string_view row : rows) {
        if (IsFiller(row))
            continue;
        ASSERT_LT(next, lines.size());
        EXPECT_EQ(row.data(), lines[next].data()) << "row for line " << next;
        ++next;
    }
    EXPECT_EQ(next, lines.size());
}

void ExpectMarksWellFormed(const StringList& marks, const std::vector<std::string_view>& rows,
                           const MarkColours& colours) {
    const int rowCount = static_cast<int>(rows.size());
    int previousRow = 0;
    for (const std::string& mark : marks.Items()) {
        int fields = FieldCount(mark, ',');
        ASSERT_TRUE(fields == 2 || fields == 4) << mark;
        int row = TextToNumber(Field(mark, ',', 1));
        ASSERT_GE(row, 0) << mark;
        ASSERT_LT(row, rowCount) << mark;
        EXPECT_GE(row, previousRow) << "marks out of order at " << mark;
        previousRow = row;
        int colour = TextToNumber(Field(mark, ',', fields));
        if (fields == 4) {
            EXPECT_EQ(colour, colours.difference2) << mark;
            int start = TextToNumber(Field(mark, ',', 2));
            int length = TextToNumber(Field(mark, ',', 3));
            EXPECT_GE(start, 0) << mark;
            EXPECT_GT(length, 0) << mark;
            EXPECT_LE(static_cast<size_t>(start + length), rows[static_cast<size_t>(row)].size())
                << mark;
        } else {
            EXPECT_TRUE(colour == colours.insert || colour == colours.difference1 ||
                        colour == colours.difference3)
                << mark;
        }
    }
}

void ExpectBlocksWellFormed(const StringList& blocks, int rowCount) {
    for (const std::string& block : blocks.Items()) {
        ASSERT_EQ(FieldCount(block, ','), 3) << block;
        int first = TextToNumber(Field(block, ',', 1));
        int last = TextToNumber(Field(block, ',', 2));
        std::string_view sides = Field(block, ',', 3);
        EXPECT_LE(0, first) << block;
        EXPECT_LE(first, last) << block;
        EXPECT_LT(last, rowCount) << block;
        EXPECT_TRUE(sides == "l" || sides == "r" || sides == "lr") << block;
    }
}

std::string Dump(const ComparisonResult& result) {
    std::string text;
    for (size_t row = 0; row < result.left.size(); ++row)
        text += std::to_string(row) + (IsFiller(result.left[row]) ? " ~" : " |") +
                std::string(result.left[row]) + (IsFiller(result.right[row]) ? "| ~" : "| |") +
                std::string(result.right[row]) + "|\n";
    for (const StringList* list : {&result.leftMarks, &result.rightMarks, &result.blocks}) {
        for (const std::string& record : list->Items())
            text += record + "  ";
        text += "\n";
    }
    return text;
}

// Rows whose lines have equal keys carry no record.
void ExpectIdenticalRowsUnrecorded(const ComparisonResult& result) {
    std::vector<bool> recorded(result.left.size());
    for (const StringList* marks : {&result.leftMarks, &result.rightMarks})
        for (const std::string& mark : marks->Items())
            recorded[static_cast<size_t>(TextToNumber(Field(mark, ',', 1)))] = true;
    for (size_t row = 0; row < result.left.size(); ++row) {
        std::string_view left = result.left[row];
        std::string_view right = result.right[row];
        if (IsFiller(left) || IsFiller(right) || !recorded[row])
            continue;
        EXPECT_NE(NormaliseLine(left, true), NormaliseLine(right, true))
            << "row " << row << " '" << left << "' is recorded but equal\n"
            << Dump(result);
    }
}

} // namespace

void PrintTo(const CompareOptions& options, std::ostream* out) {
    *out << "depth " << options.depth << ", lookup " << options.lookup;
}

namespace {

class GeneratedPairs : public testing::TestWithParam<CompareOptions> {};

TEST_P(GeneratedPairs, AlignedRowsKeepBothFilesAndRecordsAreWellFormed) {
    PairGenerator generator(20261208);
    for (int round = 0; round < 300; ++round) {
        auto [left, right] = generator.Next();
        SCOPED_TRACE("round " + std::to_string(round));
        ComparisonResult result =
            Compare({left.begin(), left.end()}, {right.begin(), right.end()}, GetParam());
        ASSERT_EQ(result.left.size(), result.right.size());
        ExpectLinesKept(result.left, left);
        ExpectLinesKept(result.right, right);
        const int rows = static_cast<int>(result.left.size());
        ExpectMarksWellFormed(result.leftMarks, result.left, GetParam().colours);
        ExpectMarksWellFormed(result.rightMarks, result.right, GetParam().colours);
        ExpectBlocksWellFormed(result.blocks, rows);
        // In a tiny score window the cached rows that an insertion shifts answer for their
        // neighbours often enough to record an identical row; with the default lookup they don't.
        if (GetParam().lookup >= CompareOptions{}.lookup)
            ExpectIdenticalRowsUnrecorded(result);
        if (HasFailure())
            return;
    }
}

// A 64-bit FNV-1a digest of a run's rows and records.
uint64_t Digest(const std::string& text) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text)
        hash = (hash ^ c) * 1099511628211ull;
    return hash;
}

// The digests of the generated runs as recorded in tests/data/generated; with
// TANDEM_WRITE_DIGESTS set, the test records them instead (scripts/regenerate-goldens does that).
TEST_P(GeneratedPairs, RecordsMatchTheRecordedDigests) {
    const CompareOptions& options = GetParam();
    const std::string path = std::string(TANDEM_GOLDEN_DIR) + "/generated/depth" +
                             std::to_string(options.depth) + "-lookup" +
                             std::to_string(options.lookup) + ".digests";
    PairGenerator generator(20261208);
    std::ostringstream digests;
    CompareOptions threaded = options;
    threaded.threads = 4;
    for (int round = 0; round < 300; ++round) {
        auto [left, right] = generator.Next();
        ComparisonResult result =
            Compare({left.begin(), left.end()}, {right.begin(), right.end()}, options);
        const std::string dump = Dump(result);
        digests << round << ' ' << std::hex << Digest(dump) << std::dec << '\n';
        ASSERT_EQ(Dump(Compare({left.begin(), left.end()}, {right.begin(), right.end()}, threaded)),
                  dump)
            << "round " << round << " on four threads";
    }
    if (std::getenv("TANDEM_WRITE_DIGESTS")) {
        std::ofstream(path, std::ios::binary) << digests.str();
        return;
    }
    std::ifstream recorded(path, std::ios::binary);
    ASSERT_TRUE(recorded) << path << " is missing: regenerate it";
    std::istringstream actual(digests.str());
    std::string want;
    std::string got;
    while (std::getline(actual, got)) {
        ASSERT_TRUE(std::getline(recorded, want)) << path << " ends early";
        ASSERT_EQ(got, want) << "the generated run of that round (round, digest) changed";
    }
}

INSTANTIATE_TEST_SUITE_P(Options, GeneratedPairs,
                         testing::Values(CompareOptions{}, CompareOptions{0, 2000, {}},
                                         CompareOptions{100, 2000, {}}, CompareOptions{30, 3, {}},
                                         CompareOptions{50, 0, {}}, CompareOptions{101, -5, {}}));

} // namespace
} // namespace tandem
