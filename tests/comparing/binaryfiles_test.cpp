// SPDX-License-Identifier: GPL-3.0-or-later
// Binary files in the window: a notice names the file and says whether the pair's bytes are the
// same, the binary pane stays empty, and nothing is ever written over such a file.
#include "app/filenotices.h"
#include "comparingfixture.h"
#include "toolkit/textencoding.h"

namespace tandem {
namespace {

const QByteArray kBinary("\x7F"
                         "ELF\2\1\1\0\0\0\0\0\nmore\n",
                         17);
const QByteArray kText = "head\nvalue\ntail\n";

class BinaryFilesTest : public ComparingTest {
protected:
    QString Notice() const {
        QuestionBox* notice = FileNotice(*window);
        return notice && notice->isVisible() ? notice->TextField()->toPlainText() : QString();
    }
};

TEST_F(BinaryFilesTest, ABinaryFileIsShownEmptyWithANoticeThatTheFilesDiffer) {
    StartOn(kBinary, kText, "one/program", "two/program");
    const QString notice = Notice();
    EXPECT_TRUE(notice.contains("The file " + leftPath + " is binary")) << notice.toStdString();
    EXPECT_TRUE(notice.contains("zero byte")) << notice.toStdString();
    EXPECT_TRUE(notice.contains("Binary files " + leftPath + " and " + rightPath + " differ."))
        << notice.toStdString();
    EXPECT_FALSE(FileNotice(*window)->isModal());
    EXPECT_EQ(window->sides[kLeft].pane->TextLength(), 0);
    EXPECT_EQ(window->sides[kRight].pane->LineText(1), "value");
    EXPECT_EQ(Blocks(), std::vector<std::string>{});
    EXPECT_FALSE(window->alignedText);
    EXPECT_EQ(questions, std::vector<QString>{}); // no question about the names either
}

TEST_F(BinaryFilesTest, TwoBinaryFilesWithTheSameBytesAreSaidToBeTheSame) {
    StartOn(kBinary, kBinary, "one/program", "two/program");
    EXPECT_TRUE(
        Notice().contains("Binary files " + leftPath + " and " + rightPath + " are the same."))
        << Notice().toStdString();
    Write("two/program", kBinary + "x");
    Recompare(*window);
    EXPECT_TRUE(Notice().contains(" differ.")) << Notice().toStdString();
}

TEST_F(BinaryFilesTest, NothingIsWrittenOverABinaryFileNorOverItsPartner) {
    StartOn(kBinary, kText);
    answers = {1, 1, 1};
    Recompare(*window);
    window.reset();
    EXPECT_EQ(questions, std::vector<QString>{});
    EXPECT_EQ(Read(leftPath), kBinary);
    EXPECT_EQ(Read(rightPath), kText);
}

TEST_F(BinaryFilesTest, ABrokenUtf16FileIsBinaryWithTheReason) {
    // A UTF-16 LE file that ends in half a character.
    const QByteArray broken =
        QByteArray::fromStdString(EncodeWide("abc\n", WideEncoding::Utf16Le)) + 'x';
    StartOn(broken, kText);
    EXPECT_TRUE(Notice().contains(leftPath)) << Notice().toStdString();
    EXPECT_TRUE(Notice().contains("byte-order mark of UTF-16 LE")) << Notice().toStdString();
    EXPECT_EQ(window->sides[kLeft].pane->TextLength(), 0);
    window.reset();
    EXPECT_EQ(Read(leftPath), broken);
}

TEST_F(BinaryFilesTest, ATextPairAfterABinaryOneIsComparedAsUsual) {
    StartOn(kText, kText);
    LoadFile(*window, kLeft, Write("three/pair.txt", kBinary));
    EXPECT_TRUE(Notice().contains("three/pair.txt is binary")) << Notice().toStdString();
    LoadFile(*window, kLeft, leftPath);
    Write("two/pair.txt", "head\nother value\ntail\n");
    Recompare(*window);
    EXPECT_TRUE(window->alignedText);
    EXPECT_EQ(Blocks(), std::vector<std::string>{"1,1,lr"});
    EXPECT_EQ(window->sides[kLeft].pane->LineText(1), "value");
}

} // namespace
} // namespace tandem
