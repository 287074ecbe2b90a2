// SPDX-License-Identifier: GPL-3.0-or-later
// tandemdiff on UTF-16 and UTF-32 files with a byte-order mark: compared and shown as their
// text, never taken for binary, while a broken one is binary like any file with zero bytes.
#include "toolkit/textencoding.h"
#include "toolrun.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tandem {
namespace {

using namespace std::string_literals;

const std::string kText = "gr\xC3\xBC\xC3\x9F"
                          "e\r\nvalue = 1\r\nend\r\n";
const std::string kChanged = "gr\xC3\xBC\xC3\x9F"
                             "e\r\nvalue = 2\r\nend\r\n";

class EncodingsTest : public ::testing::Test {
protected:
    ToolOutput Run(std::vector<std::string> arguments) const { return run_.Run(arguments); }
    std::string File(const std::string& name, const std::string& bytes) const {
        return run_.File(name, bytes);
    }

    ToolRun run_;
};

TEST_F(EncodingsTest, AWideFileIsTheSameAsItsUtf8Twin) {
    const std::string utf8 = File("utf8.txt", kText);
    for (WideEncoding encoding : {WideEncoding::Utf16Le, WideEncoding::Utf16Be,
                                  WideEncoding::Utf32Le, WideEncoding::Utf32Be}) {
        const std::string wide = File("wide.txt", EncodeWide(kText, encoding));
        const ToolOutput view = Run({"--color=never", "-W", "60", wide, utf8});
        EXPECT_EQ(view.status, kSame) << EncodingName(encoding) << "\n" << view.out;
        EXPECT_EQ(view.out.find("Binary"), std::string::npos) << view.out;
        EXPECT_NE(view.out.find("gr\xC3\xBC\xC3\x9F"
                                "e"),
                  std::string::npos)
            << view.out;
        EXPECT_EQ(Run({"-q", wide, utf8}).status, kSame);
    }
}

TEST_F(EncodingsTest, WideFilesAreComparedLineByLineInEveryStyle) {
    const std::string left = File("left.txt", EncodeWide(kText, WideEncoding::Utf16Le));
    const std::string right = File("right.txt", EncodeWide(kChanged, WideEncoding::Utf32Be));
    const ToolOutput view = Run({"--color=never", "-W", "60", left, right});
    EXPECT_EQ(view.status, kDifferent);
    EXPECT_NE(view.out.find("value = 1"), std::string::npos) << view.out;
    EXPECT_NE(view.out.find("| 2 value = 2"), std::string::npos) << view.out;

    const ToolOutput unified = Run({"-u", left, right});
    EXPECT_EQ(unified.status, kDifferent);
    EXPECT_NE(unified.out.find("-value = 1\r\n+value = 2\r\n"), std::string::npos) << unified.out;

    const ToolOutput records = Run({"--records", left, right});
    EXPECT_NE(records.out.find("left-text 25\ngr\xC3\xBC\xC3\x9F"
                               "e\r\nvalue = 1\r\nend\r\n\n"),
              std::string::npos)
        << records.out;
}

TEST_F(EncodingsTest, ABrokenWideFileIsBinary) {
    const std::string utf8 = File("utf8.txt", kText);
    // A high surrogate with nothing after it.
    const std::string broken =
        File("broken.txt", EncodeWide(kText, WideEncoding::Utf16Le) + "\x3D\xD8"s);
    const ToolOutput result = Run({broken, utf8});
    EXPECT_EQ(result.status, kDifferent);
    EXPECT_EQ(result.out, "Binary files " + broken + " and " + utf8 + " differ\n");
    EXPECT_EQ(Run({broken, broken}).status, kSame);
}

} // namespace
} // namespace tandem
