// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-16 and UTF-32 files in the window: shown as their text, compared with files in other
// encodings by their characters, and saved in their own encoding with each line's line end.
#include "editingfixture.h"
#include "toolkit/textencoding.h"

namespace tandem {

void PrintTo(WideEncoding encoding, std::ostream* out) {
    *out << EncodingName(encoding);
}

namespace {

QByteArray Wide(const std::string& utf8, WideEncoding encoding) {
    return QByteArray::fromStdString(EncodeWide(utf8, encoding));
}

// A line beyond the first plane, a changed line, and a lone CR among CR LF line ends.
const std::string kOldText = "gr\xC3\xBC\xC3\x9F"
                             "e \xF0\x9F\x98\x80\r\nvalue = 1\r\nlast one\rend\r\n";
const std::string kNewText = "gr\xC3\xBC\xC3\x9F"
                             "e \xF0\x9F\x98\x80\r\nvalue = 2\r\nlast one\rend\r\n";

class WideEncodingTest : public EditingTest, public ::testing::WithParamInterface<WideEncoding> {};

TEST_P(WideEncodingTest, ShowsTheTextAndSavesACopiedLineInTheFilesEncoding) {
    const WideEncoding encoding = GetParam();
    StartOn(Wide(kOldText, encoding), "gr\xC3\xBC\xC3\x9F"
                                      "e \xF0\x9F\x98\x80\nvalue = 2\nlast one\nend\n");
    ASSERT_EQ(Blocks(), std::vector<std::string>{"1,1,lr"}); // line ends and encodings agree
    TextPane* left = window->sides[kLeft].pane;
    EXPECT_EQ(Rows(left), (std::vector<std::string>{"gr\xC3\xBC\xC3\x9F"
                                                    "e \xF0\x9F\x98\x80",
                                                    "value = 1", "last one", "end"}));
    Copy(window->sides[kRight].pane, 1);
    answers = {1};
    Recompare(*window);
    EXPECT_EQ(questions, std::vector<QString>{"Save changes ?"});
    EXPECT_EQ(Read(leftPath), Wide(kNewText, encoding));
    EXPECT_EQ(Blocks(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Encodings, WideEncodingTest,
                         ::testing::Values(WideEncoding::Utf16Le, WideEncoding::Utf16Be,
                                           WideEncoding::Utf32Le, WideEncoding::Utf32Be),
                         [](const auto& info) {
                             std::string name(EncodingName(info.param));
                             std::erase_if(name, [](char c) { return c == '-' || c == ' '; });
                             return name;
                         });

TEST_F(EditingTest, AUtf16FileAndItsUtf8TwinHaveNoDifferences) {
    const std::string text = "caf\xC3\xA9\nna\xC3\xAFve \xE2\x82\xAC\n";
    StartOn(Wide(text, WideEncoding::Utf16Le), QByteArray::fromStdString(text));
    EXPECT_TRUE(window->alignedText);
    EXPECT_EQ(Blocks(), std::vector<std::string>{});
    EXPECT_EQ(Rows(window->sides[kLeft].pane), Rows(window->sides[kRight].pane));
}

TEST_F(EditingTest, ALatin1LineCopiedIntoAUtf16FileIsWrittenInUtf16WithoutAQuestion) {
    StartOn(Wide("menu\r\ncafe = 1\r\nend\r\n", WideEncoding::Utf16Be), "menu\ncaf\xE9 = 1\nend\n");
    ASSERT_EQ(Blocks(), std::vector<std::string>{"1,1,lr"});
    Copy(window->sides[kRight].pane, 1);
    EXPECT_EQ(window->sides[kLeft].pane->LineText(1), "caf\xC3\xA9 = 1");
    answers = {1};
    Recompare(*window);
    EXPECT_EQ(questions, std::vector<QString>{"Save changes ?"});
    EXPECT_EQ(Read(leftPath), Wide("menu\r\ncaf\xC3\xA9 = 1\r\nend\r\n", WideEncoding::Utf16Be));
    EXPECT_EQ(Read(rightPath), "menu\ncaf\xE9 = 1\nend\n");
}

TEST_F(EditingTest, AnUndoneCopyLeavesAWideFileAsItWas) {
    const QByteArray left = Wide("a\r\nold\nb\r\n", WideEncoding::Utf32Le);
    StartOn(left, "a\nnew\nb\n");
    Copy(window->sides[kRight].pane, 1);
    UndoBlockEdit(*window);
    Copy(window->sides[kRight].pane, 1);
    answers = {1};
    Recompare(*window);
    EXPECT_EQ(Read(leftPath), Wide("a\r\nnew\nb\r\n", WideEncoding::Utf32Le));
}

} // namespace
} // namespace tandem
