// The unified output applied by patch gives the right file byte for byte: on the stored pairs,
// the corpus when it is there, and generated pairs with every line-end style.
#include "toolrun.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace tandem {
namespace {

constexpr int kSame = 0;
constexpr int kDifferent = 1;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool HavePatch() {
    return std::system("command -v patch >/dev/null 2>&1") == 0;
}

// Runs tandemdiff -U context on the pair, applies its output to a copy of the left file with
// patch (no fuzz, no line-end guessing) and returns what patch made of it.
class RoundTrip {
public:
    ToolOutput Diff(const std::string& left, const std::string& right, int context) {
        return run_.Run({"-U", std::to_string(context), left, right});
    }

    // The patched left file, or a message saying what went wrong.
    std::string Apply(const std::string& left, const std::string& right, int context,
                      std::string& trouble) {
        const ToolOutput diff = Diff(left, right, context);
        if (diff.status != kSame && diff.status != kDifferent)
            trouble = "tandemdiff failed: " + diff.err;
        const std::string patchFile = run_.File("changes.patch", diff.out);
        const std::string result = run_.Folder() + "/patched";
        std::filesystem::copy_file(left, result, std::filesystem::copy_options::overwrite_existing);
        const std::string command = "patch --binary --force --silent --fuzz=0 "
                                    "--no-backup-if-mismatch '" +
                                    result + "' < '" + patchFile + "' > '" + run_.Folder() +
                                    "/patch.log' 2>&1";
        if (!diff.out.empty() && std::system(command.c_str()) != 0)
            trouble = "patch failed: " + ReadFile(run_.Folder() + "/patch.log") + "\n" + diff.out;
        return std::filesystem::exists(result) ? ReadFile(result) : std::string();
    }

    std::string File(const std::string& name, const std::string& bytes) {
        return run_.File(name, bytes);
    }

private:
    ToolRun run_;
};

void ExpectRoundTrip(const std::string& left, const std::string& right,
                     const std::vector<int>& contexts) {
    const std::string expected = ReadFile(right);
    for (int context : contexts) {
        RoundTrip trip;
        std::string trouble;
        const std::string patched = trip.Apply(left, right, context, trouble);
        EXPECT_EQ(trouble, "") << left << " context " << context;
        EXPECT_TRUE(patched == expected) << left << " -> " << right << ", context " << context;
    }
}

struct PairCase {
    std::string name;
    std::filesystem::path folder;
};

void PrintTo(const PairCase& pair, std::ostream* out) {
    *out << pair.folder;
}

// The stored pairs, the example pair and, when it is beside the clone, the corpus.
std::vector<PairCase> StoredPairs() {
    std::vector<PairCase> pairs = {{"examples", TANDEM_EXAMPLES}};
    for (const char* root : {TANDEM_TEST_DATA, TANDEM_CORPUS}) {
        std::error_code absent;
        for (const auto& entry : std::filesystem::directory_iterator(root, absent)) {
            if (std::filesystem::exists(entry.path() / "right.txt"))
                pairs.push_back({entry.path().filename().string(), entry.path()});
        }
    }
    std::sort(pairs.begin(), pairs.end(),
              [](const PairCase& a, const PairCase& b) { return a.folder < b.folder; });
    for (PairCase& pair : pairs)
        std::replace_if(
            pair.name.begin(), pair.name.end(), [](char c) { return !std::isalnum(c); }, '_');
    return pairs;
}

class StoredPairTest : public ::testing::TestWithParam<PairCase> {};

TEST_P(StoredPairTest, PatchGivesTheRightFileExactly) {
    if (!HavePatch())
        GTEST_SKIP() << "patch is not installed";
    const PairCase& pair = GetParam();
    ExpectRoundTrip((pair.folder / "left.txt").string(), (pair.folder / "right.txt").string(), {3});
}

INSTANTIATE_TEST_SUITE_P(Pairs, StoredPairTest, ::testing::ValuesIn(StoredPairs()),
                         [](const auto& info) { return info.param.name; });

enum class Ends { Lf, CrLf, Cr, Mixed };

// Seeded pairs of code-like lines: the right file is the left with lines deleted, inserted and
// changed, some only in case, blank runs or line end, and the last line end sometimes missing.
class PairMaker {
public:
    explicit PairMaker(uint32_t seed) : random_(seed) {}

    std::pair<std::string, std::string> Make(Ends ends) {
        std::vector<std::string> left;
        const int count = Pick(0, 40);
        for (int i = 0; i < count; ++i)
            left.push_back(Line());
        std::vector<std::string> right;
        for (const std::string& line : left) {
            switch (Pick(0, 9)) {
            case 0:
                break; // deleted
            case 1:
                right.push_back(Line());
                right.push_back(line);
                break;
            case 2:
                right.push_back(Line());
                break;
            case 3:
                right.push_back(Upper(line));
                break;
            case 4:
                right.push_back("  " + line + "   ");
                break;
            default:
                right.push_back(line);
            }
        }
        return {Join(left, ends, true), Join(right, ends, false)};
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    std::string Line() {
        static const std::vector<std::string> words = {"int", "x",       "=", "value;", "return",
                                                       "if",  "(count",  ">", "0)",     "{",
                                                       "}",   "// note", "",  "é",      "\t"};
        std::string line;
        for (int n = Pick(0, 5); n > 0; --n)
            line += words[static_cast<size_t>(Pick(0, static_cast<int>(words.size()) - 1))] + " ";
        return line;
    }

    static std::string Upper(std::string line) {
        for (char& c : line)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return line;
    }

    std::string End(Ends ends) {
        static const std::vector<std::string> styles = {"\n", "\r\n", "\r"};
        return ends == Ends::Mixed ? styles[static_cast<size_t>(Pick(0, 2))]
                                   : styles[static_cast<size_t>(ends)];
    }

    // A line end that changes on the right now and then, and a last one sometimes left off.
    std::string Join(const std::vector<std::string>& lines, Ends ends, bool left) {
        std::string bytes;
        for (size_t i = 0; i < lines.size(); ++i) {
            bytes += lines[i];
            const bool last = i + 1 == lines.size();
            if (last && Pick(0, 3) == 0)
                break;
            bytes += !left && Pick(0, 12) == 0 ? End(Ends::Mixed) : End(ends);
        }
        return bytes;
    }

    std::mt19937 random_;
};

struct EndsCase {
    const char* name;
    Ends ends;
};

class GeneratedPairTest : public ::testing::TestWithParam<EndsCase> {};

TEST_P(GeneratedPairTest, PatchGivesTheRightFileExactly) {
    if (!HavePatch())
        GTEST_SKIP() << "patch is not installed";
    constexpr int kPairCount = 60;
    PairMaker maker(static_cast<uint32_t>(GetParam().ends) + 1);
    RoundTrip files;
    for (int i = 0; i < kPairCount; ++i) {
        const auto [leftBytes, rightBytes] = maker.Make(GetParam().ends);
        const std::string left = files.File("left" + std::to_string(i), leftBytes);
        const std::string right = files.File("right" + std::to_string(i), rightBytes);
        ExpectRoundTrip(left, right, {i % 4, 3});
    }
}

INSTANTIATE_TEST_SUITE_P(LineEnds, GeneratedPairTest,
                         ::testing::Values(EndsCase{"Lf", Ends::Lf}, EndsCase{"CrLf", Ends::CrLf},
                                           EndsCase{"Cr", Ends::Cr},
                                           EndsCase{"Mixed", Ends::Mixed}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UnifiedOutput, RowsEqualByTheRulesButNotInBytesAreChanges) {
    RoundTrip trip;
    const std::string left = trip.File("left.txt", "Same\nint  x;\nend\r\nlast");
    const std::string right = trip.File("right.txt", "Same\nINT x;\nend\nlast\n");
    const ToolOutput diff = trip.Diff(left, right, 1);
    // By the comparison's rules the files are the same; the patch still changes every byte.
    EXPECT_EQ(diff.status, kSame);
    const std::string hunks = diff.out.substr(diff.out.find("@@"));
    EXPECT_EQ(hunks, "@@ -1,4 +1,4 @@\n"
                     " Same\n"
                     "-int  x;\n"
                     "-end\r\n"
                     "-last\n"
                     "\\ No newline at end of file\n"
                     "+INT x;\n"
                     "+end\n"
                     "+last\n");
}

TEST(UnifiedOutput, HunksKeepTheirContextAndIdenticalFilesGiveNothing) {
    RoundTrip trip;
    std::string leftBytes;
    for (int i = 1; i <= 20; ++i)
        leftBytes += i == 18 ? "#### unlike any other ####\n" : "line " + std::to_string(i) + "\n";
    std::string rightBytes = leftBytes;
    rightBytes.replace(rightBytes.find("line 3\n"), 7, "line three\n");
    rightBytes.replace(rightBytes.find("####"), 27, "");
    const std::string left = trip.File("left.txt", leftBytes);
    const std::string right = trip.File("right.txt", rightBytes);
    const ToolOutput diff = trip.Diff(left, right, 2);
    EXPECT_EQ(diff.status, kDifferent);
    const std::string hunks = diff.out.substr(diff.out.find("@@"));
    EXPECT_EQ(hunks,
              "@@ -1,5 +1,5 @@\n line 1\n line 2\n-line 3\n+line three\n line 4\n line 5\n"
              "@@ -16,5 +16,4 @@\n line 16\n line 17\n-#### unlike any other ####\n line 19\n"
              " line 20\n");
    EXPECT_EQ(diff.out.rfind("--- " + left + "\t", 0), 0u);
    EXPECT_NE(diff.out.find("\n+++ " + right + "\t"), std::string::npos);

    const ToolOutput same = trip.Diff(left, left, 3);
    EXPECT_EQ(same.status, kSame);
    EXPECT_EQ(same.out, "");
}

TEST(UnifiedOutput, LoneCarriageReturnsStayInsideLinesAsPatchSeesThem) {
    RoundTrip trip;
    const std::string left = trip.File("left.txt", "a\rb\rc\nd\n");
    const std::string right = trip.File("right.txt", "a\rB\rc\nd\n");
    const ToolOutput diff = trip.Diff(left, right, 3);
    EXPECT_EQ(diff.out.substr(diff.out.find("@@")), "@@ -1,2 +1,2 @@\n-a\rb\rc\n+a\rB\rc\n d\n");
}

} // namespace
} // namespace tandem
