// How tandemdiff reads its inputs: every line-end style alike, inputs too large for the memory
// refused at the limit, standard input read once, the width bounded, names in messages shown
// safely.
#include "toolrun.h"

#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace tandem {
namespace {

constexpr size_t kMebibyte = size_t{1} << 20;
// The sanitizer build's tool reserves far more address space than the limits these runs set.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif

// Sets an environment variable for the life of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            saved_ = old;
        setenv(name, value, 1);
    }
    ~ScopedVariable() {
        if (saved_)
            setenv(name_, saved_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> saved_;
};

class ReadingTest : public ::testing::Test {
protected:
    // A file of the given size that takes no room on disk.
    std::string SparseFile(const std::string& name, off_t size) {
        const std::string path = run_.File(name, "");
        EXPECT_EQ(truncate(path.c_str(), size), 0);
        return path;
    }

    ToolRun run_;
};

TEST_F(ReadingTest, LargeFilesInEveryLineEndStyleGiveTheSameRecords) {
    // About 4 MB in 100,000 lines: large enough that a scan per line would show.
    constexpr int kLineCount = 100000;
    std::vector<std::string> files;
    for (const char* end : {"\n", "\r\n", "\r"}) {
        std::string bytes;
        for (int i = 0; i < kLineCount; ++i)
            bytes += "line " + std::to_string(i) + " of a long file with lone CR ends" + end;
        files.push_back(run_.File("file" + std::to_string(files.size()), bytes));
    }
    const ToolOutput lf = run_.Run({"--records", files[0], files[0]});
    EXPECT_EQ(lf.status, kSame);
    EXPECT_EQ(run_.Run({"--records", files[1], files[1]}).out, lf.out);
    EXPECT_EQ(run_.Run({"--records", files[2], files[2]}).out, lf.out);
    EXPECT_EQ(run_.Run({"--records", files[2], files[0]}).out, lf.out);
}

// With 512 MiB of address space the limit is an eighth of it. Were the reader to allocate past
// the limit it would run out of memory instead of saying why it stopped.
TEST_F(ReadingTest, EndlessInputIsRefusedAtTheLimit) {
    if (kAddressSanitizer)
        GTEST_SKIP() << "runs under an address-space limit the sanitizer build cannot keep";
    const std::string other = run_.File("other.txt", "x\n");
    RunSetting limited;
    limited.memoryLimit = 512 * kMebibyte;
    const ToolOutput result = run_.Run({"/dev/zero", other}, limited);
    EXPECT_EQ(result.status, kTrouble);
    EXPECT_EQ(result.err, "tandemdiff: /dev/zero: file too large (the limit is 64 MiB, an eighth "
                          "of the memory available)\n");
    EXPECT_EQ(result.out, "");
}

TEST_F(ReadingTest, OversizedFileIsRefusedBeforeItIsRead) {
    if (kAddressSanitizer)
        GTEST_SKIP() << "runs under an address-space limit the sanitizer build cannot keep";
    const std::string other = run_.File("other.txt", "x\n");
    RunSetting limited;
    limited.memoryLimit = 512 * kMebibyte;
    const std::string justOver = SparseFile("over.txt", 64 * kMebibyte + 1);
    const ToolOutput over = run_.Run({other, justOver}, limited);
    EXPECT_EQ(over.status, kTrouble);
    EXPECT_EQ(over.err, "tandemdiff: " + justOver +
                            ": file too large (the limit is 64 MiB, an eighth of the memory "
                            "available)\n");

    // Past what the comparison can index, whatever the memory.
    const std::string huge = SparseFile("huge.txt", off_t{3} << 30);
    const ToolOutput refused = run_.Run({huge, other});
    EXPECT_EQ(refused.status, kTrouble);
    EXPECT_EQ(refused.err.rfind("tandemdiff: " + huge + ": file too large (the limit is ", 0), 0u)
        << refused.err;
}

TEST_F(ReadingTest, FileOfExactlyTheLimitIsRead) {
    if (kAddressSanitizer)
        GTEST_SKIP() << "runs under an address-space limit the sanitizer build cannot keep";
    RunSetting limited;
    limited.memoryLimit = 512 * kMebibyte;
    constexpr size_t kLineBytes = 64 * 1024;
    std::string bytes;
    while (bytes.size() < 64 * kMebibyte)
        bytes += std::string(kLineBytes - 1, 'a') + "\n";
    const std::string file = run_.File("limit.txt", bytes);
    const std::string other = run_.File("other.txt", "x\n");
    const ToolOutput result = run_.Run({"--brief", file, other}, limited);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.status, kDifferent);
}

TEST_F(ReadingTest, StandardInputGivenTwiceIsReadOnceAndIsBothFiles) {
    RunSetting piped;
    piped.input = "one\ntwo\n";
    const ToolOutput result = run_.Run({"--records", "-", "-"}, piped);
    EXPECT_EQ(result.status, kSame);
    EXPECT_EQ(result.out, "left-text 10\none\r\ntwo\r\n\nright-text 10\none\r\ntwo\r\n\n"
                          "left-marks 0\nright-marks 0\nblocks 0\n");

    const std::string file = run_.File("file.txt", "one\nthree\n");
    const ToolOutput mixed = run_.Run({"--brief", "-", file}, piped);
    EXPECT_EQ(mixed.status, kDifferent);
    EXPECT_EQ(mixed.out, "Files - and " + file + " differ\n");
}

TEST_F(ReadingTest, ColumnsIsBoundedLikeTheWidthOption) {
    const std::string longLine(300000, 'z');
    const std::string left = run_.File("left.txt", longLine + "\n");
    const std::string right = run_.File("right.txt", longLine + "y\n");
    struct Case {
        const char* columns;
        size_t rowLength;
    };
    // Rows use every column but the odd one left over by the two equal text columns.
    const std::vector<Case> cases = {{"3", 19},         {"20", 19}, {"99999999999999999999", 99999},
                                     {"250000", 99999}, {"0", 129}, {"-5", 129},
                                     {"wide", 129}};
    for (const Case& c : cases) {
        ScopedVariable columns("COLUMNS", c.columns);
        const std::vector<std::string> lines = Lines(run_.Run({left, right}).out);
        ASSERT_EQ(lines.size(), 2u) << c.columns;
        EXPECT_EQ(lines[1].size(), c.rowLength) << c.columns;
    }
}

TEST_F(ReadingTest, NamesInMessagesAreShownAsTheHeadingShowsThem) {
    const std::string hostile = run_.Folder() + "/bad\x1b[2J\nname\xff";
    const std::string file = run_.File("file.txt", "x\n");
    const ToolOutput missing = run_.Run({hostile, file});
    EXPECT_EQ(missing.status, kTrouble);
    EXPECT_EQ(missing.err,
              "tandemdiff: " + run_.Folder() + "/bad^[[2J^Jname?: No such file or directory\n");

    const ToolOutput extra = run_.Run({file, file, "\x07"});
    EXPECT_EQ(extra.err, "tandemdiff: '^G': extra operand (two files only)\n");
}

} // namespace
} // namespace tandem
