// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/textpane.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace tandem {
namespace {

std::string NumberedLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += (i ? "\nline " : "line ") + std::to_string(i);
    return text;
}

class TextPaneTest : public ::testing::Test {
protected:
    TextPaneTest() {
        pane.resize(300, 200);
        pane.show();
    }

    QString WriteBytes(const char* name, const std::string& bytes) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), qint64(bytes.size()));
        return path;
    }

    static std::string ReadBytes(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        return std::string(bytes.constData(), size_t(bytes.size()));
    }

    // Selects a range and gives it white text on the colour, as the difference marks do.
    void Colour(int start, int end, QColor colour) {
        CharFormat format;
        format.mask = CharFormat::TextColour | CharFormat::Background;
        format.autoText = format.autoBackground = false;
        format.text = Qt::white;
        format.background = colour;
        pane.SetSelection(start, end);
        pane.ApplyFormat(format);
    }

    CharFormat FormatAt(int position) {
        pane.SetSelection(position, position + 1);
        return pane.SelectionFormat();
    }

    long DocumentOptions() const {
        return pane.SendScintilla(QsciScintillaBase::SCI_GETDOCUMENTOPTIONS);
    }

    QTemporaryDir folder;
    TextPane pane;
};

TEST_F(TextPaneTest, LoadThenWriteGivesBackEveryFileByteForByte) {
    const std::string files[] = {
        "caf\xC3\xA9 \xE2\x82\xAC\r\nzweite Zeile\r\n",
        "Latin-1 \xE9\xFC\rsecond\rthird",
        "lf only\n\nlast without end",
        // UTF-16 LE, UTF-16 BE, UTF-32 LE and UTF-32 BE with their marks.
        std::string("\xFF\xFE"
                    "a\0\xAC\x20\r\0\n\0\x3D\xD8\x00\xDE\r\0",
                    16),
        std::string("\xFE\xFF\0a\0\n\0\r\0b", 10),
        std::string("\xFF\xFE\0\0"
                    "a\0\0\0\n\0\0\0\xE9\0\0\0",
                    16),
        std::string("\0\0\xFE\xFF\0\x01\xF6\x00\0\0\0\r\0\0\0\n", 16),
    };
    for (const std::string& bytes : files) {
        const QString path = WriteBytes("round", bytes);
        ASSERT_TRUE(pane.LoadFile(path));
        QString error;
        ASSERT_TRUE(pane.WriteFile(path, &error)) << error.toStdString();
        EXPECT_EQ(ReadBytes(path), bytes);
    }
}

TEST_F(TextPaneTest, AWideFileIsShownAsItsText) {
    ASSERT_TRUE(pane.LoadFile(
        WriteBytes("utf16", std::string("\xFE\xFF\0a\x20\xAC\0\r\0\n\xD8\x3D\xDE\x00", 14))));
    EXPECT_EQ(pane.LineText(0), "a\xE2\x82\xAC");
    EXPECT_EQ(pane.LineText(1), "\xF0\x9F\x98\x80");
    EXPECT_EQ(pane.Format().encoding, WideEncoding::Utf16Be);
}

TEST_F(TextPaneTest, ABinaryFileLoadsEmptyAndIsNeverWritten) {
    const std::string binary("nul\0byte\n", 9);
    const QString path = WriteBytes("binary", binary);
    ASSERT_TRUE(pane.LoadFile(path));
    EXPECT_TRUE(pane.Format().Binary());
    EXPECT_EQ(pane.TextLength(), 0);
    QString error;
    EXPECT_FALSE(pane.WriteFile(path, &error));
    EXPECT_TRUE(error.contains("binary")) << error.toStdString();
    EXPECT_EQ(ReadBytes(path), binary);
}

TEST_F(TextPaneTest, WritingKeepsTheFilesPermissions) {
    const QString path = WriteBytes("private", "secret\n");
    const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path, permissions));
    ASSERT_TRUE(pane.LoadFile(path));
    pane.ReplaceLine(0, "changed");
    ASSERT_TRUE(pane.WriteFile(path));
    EXPECT_EQ(ReadBytes(path), "changed\n");
    const auto ownerGroupOther = QFile::Permissions(0x7077); // without the current user's view
    EXPECT_EQ(QFile::permissions(path) & ownerGroupOther, permissions);
}

TEST_F(TextPaneTest, HoldsTheFileBytesWithLfAsLineEnd) {
    ASSERT_TRUE(pane.LoadFile(WriteBytes("in", "\xC3\xA4x\r\n\xE9\rlast\n")));
    EXPECT_FALSE(pane.Format().utf8);
    EXPECT_EQ(pane.WholeText(), "\xC3\xA4x\n\xE9\nlast");
    EXPECT_EQ(pane.LineCount(), 3);
    EXPECT_EQ(pane.LineText(0), "\xC3\xA4x");
    EXPECT_EQ(pane.LineText(1), "\xE9");
    // Positions are byte offsets and a line end is one position.
    EXPECT_EQ(pane.LineStart(1), 4);
    EXPECT_EQ(pane.LineStart(2), 6);
    EXPECT_EQ(pane.LineStart(3), -1);
    EXPECT_EQ(pane.LineOf(5), 1);
    EXPECT_EQ(pane.LineOf(6), 2);
    EXPECT_EQ(pane.LineText(7), "");
}

TEST_F(TextPaneTest, SingleByteFileShowsItsBytesAsLatin1Characters) {
    ASSERT_TRUE(pane.LoadFile(WriteBytes("latin1", "caf\xE9 \xFC\n")));
    TextPane utf8Pane;
    utf8Pane.resize(pane.size());
    utf8Pane.show();
    ASSERT_TRUE(utf8Pane.LoadFile(WriteBytes("utf8", "caf\xC3\xA9 \xC3\xBC\n")));
    EXPECT_TRUE(utf8Pane.Format().utf8);
    EXPECT_EQ(pane.grab().toImage(), utf8Pane.grab().toImage());
    utf8Pane.SetWholeText("cafe u");
    EXPECT_NE(pane.grab().toImage(), utf8Pane.grab().toImage());
}

TEST_F(TextPaneTest, UnreadableFileReportsAnErrorAndKeepsThePane) {
    pane.SetWholeText("kept");
    QString error;
    EXPECT_FALSE(pane.LoadFile(folder.filePath("missing"), &error));
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_FALSE(pane.LoadFile(folder.path(), &error)); // a folder is no file
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(pane.WholeText(), "kept");
    EXPECT_FALSE(pane.WriteFile(folder.filePath("no/such/folder/file"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(TextPaneTest, UserCannotTypeButTheProgramCanEdit) {
    pane.SetWholeText("one\ntwo\nthree");
    pane.setFocus();
    QTest::keyClicks(&pane, "xyz");
    QTest::keyClick(&pane, Qt::Key_Delete);
    EXPECT_EQ(pane.WholeText(), "one\ntwo\nthree");

    pane.ReplaceLine(1, "TWO\nand more");
    EXPECT_EQ(pane.WholeText(), "one\nTWO\nand more\nthree");
    pane.SetSelection(0, 3);
    pane.ReplaceSelection("1\n1b");
    EXPECT_EQ(pane.WholeText(), "1\n1b\nTWO\nand more\nthree");
    EXPECT_EQ(pane.LineCount(), 5);
    EXPECT_TRUE(pane.isReadOnly());
}

TEST_F(TextPaneTest, RightClickShowsNoMenuOfThePanesOwn) {
    pane.SetWholeText("text");
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), pane.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(pane.viewport(), &click);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(TextPaneTest, DeleteLinesKeepsTheSelectionOnItsText) {
    pane.SetWholeText("a\nb\nc\nd\ne");
    pane.SetSelection(8, 9); // "e"
    pane.DeleteLines(1, 2);
    EXPECT_EQ(pane.WholeText(), "a\nd\ne");
    EXPECT_EQ(pane.SelectionStart(), 4);
    EXPECT_EQ(pane.SelectionEnd(), 5);
    pane.DeleteLines(1, 9);
    EXPECT_EQ(pane.WholeText(), "a");
    pane.DeleteLines(0, 0);
    EXPECT_EQ(pane.WholeText(), "");
    EXPECT_EQ(pane.LineCount(), 1);
}

TEST_F(TextPaneTest, FormatsApplyToExactlyTheSelectedCharacters) {
    pane.SetWholeText("same\nchanged line\nnext");
    const int row = pane.LineStart(1);
    const int rowLength = int(pane.LineText(1).size());
    Colour(row, row + rowLength + 1, Qt::blue); // the whole row with its line end
    Colour(row + 2, row + 5, Qt::red);          // a span inside it wins

    EXPECT_TRUE(FormatAt(row - 1).autoBackground);
    EXPECT_EQ(FormatAt(row).background, QColor(Qt::blue));
    EXPECT_EQ(FormatAt(row + 2).background, QColor(Qt::red));
    EXPECT_EQ(FormatAt(row + 4).text, QColor(Qt::white));
    EXPECT_EQ(FormatAt(row + 5).background, QColor(Qt::blue));
    EXPECT_EQ(FormatAt(row + rowLength).background, QColor(Qt::blue)); // the line end
    EXPECT_TRUE(FormatAt(pane.LineStart(2)).autoBackground);

    CharFormat automatic;
    automatic.mask = CharFormat::TextColour | CharFormat::Background;
    pane.SetSelection(row, row + rowLength);
    pane.ApplyFormat(automatic);
    EXPECT_TRUE(FormatAt(row + 3).autoBackground);
    EXPECT_TRUE(FormatAt(row + 3).autoText);
    EXPECT_FALSE(FormatAt(row + rowLength).autoBackground);

    pane.SetWholeText("new text");
    EXPECT_TRUE(FormatAt(0).autoBackground);
}

TEST_F(TextPaneTest, AFileAsReadHoldsNoStylesUntilSomethingInItIsColoured) {
    const std::string text = NumberedLines(300);
    ASSERT_TRUE(pane.LoadFile(WriteBytes("plain", text + "\n")));
    EXPECT_EQ(DocumentOptions(), QsciScintillaBase::SC_DOCUMENTOPTION_STYLES_NONE);
    // The standard look is what the text has already: no styles are needed for it.
    CharFormat standard;
    standard.mask = CharFormat::Size | CharFormat::Face;
    standard.points = TextPane::kStandardPoints;
    standard.face = QString::fromLatin1(TextPane::kStandardFace);
    pane.FormatRange(0, pane.TextLength(), standard);
    EXPECT_EQ(DocumentOptions(), QsciScintillaBase::SC_DOCUMENTOPTION_STYLES_NONE);

    pane.ScrollLines(100);
    pane.SetSelection(pane.LineStart(120), pane.LineStart(120) + 4);
    const int firstLine = pane.FirstVisibleLine();
    CharFormat red;
    red.mask = CharFormat::Background;
    red.autoBackground = false;
    red.background = Qt::red;
    const int row = pane.LineStart(110);
    pane.FormatRange(row, row + 4, red);
    EXPECT_EQ(DocumentOptions(), QsciScintillaBase::SC_DOCUMENTOPTION_DEFAULT);
    // The same text, the same view and selection, and now the colour.
    EXPECT_EQ(pane.WholeText(), text);
    EXPECT_EQ(pane.FirstVisibleLine(), firstLine);
    EXPECT_EQ(pane.SelectionStart(), pane.LineStart(120));
    EXPECT_EQ(pane.SelectionEnd(), pane.LineStart(120) + 4);
    EXPECT_EQ(FormatAt(row).background, QColor(Qt::red));
    EXPECT_TRUE(FormatAt(row + 4).autoBackground);
    // Still read-only for the user, still without undo.
    pane.setFocus();
    QTest::keyClicks(&pane, "typed");
    EXPECT_EQ(pane.WholeText(), text);
    EXPECT_FALSE(pane.SendScintilla(QsciScintillaBase::SCI_CANUNDO));
}

TEST_F(TextPaneTest, ALatin1FileTakesItsStylesAsLatin1AndIsWrittenBackUnchanged) {
    const std::string bytes = "caf\xE9\r\nna\xEFve\r\n";
    const QString path = WriteBytes("latin1", bytes);
    ASSERT_TRUE(pane.LoadFile(path));
    Colour(0, 3, Qt::blue);
    EXPECT_EQ(DocumentOptions(), QsciScintillaBase::SC_DOCUMENTOPTION_DEFAULT);
    EXPECT_FALSE(pane.isUtf8());
    EXPECT_EQ(pane.LineText(0), "caf\xE9");
    EXPECT_EQ(FormatAt(2).background, QColor(Qt::blue));
    ASSERT_TRUE(pane.WriteFile(path));
    EXPECT_EQ(ReadBytes(path), bytes);
}

TEST_F(TextPaneTest, StyledTextComesBackIntoAPaneThatHeldAFileAsRead) {
    pane.SetWholeText("one\ntwo");
    EXPECT_EQ(DocumentOptions(), QsciScintillaBase::SC_DOCUMENTOPTION_DEFAULT);
    Colour(4, 7, Qt::green);
    const std::string cells = pane.StyledText();
    ASSERT_TRUE(pane.LoadFile(WriteBytes("other", "other text\n")));
    pane.SetStyledText(cells);
    EXPECT_EQ(pane.WholeText(), "one\ntwo");
    EXPECT_EQ(FormatAt(5).background, QColor(Qt::green));
    EXPECT_TRUE(FormatAt(1).autoBackground);
}

TEST_F(TextPaneTest, TextsOfSeveralMegabytesGoInByteForByte) {
    // Lines, then one line of 1.5 MB of two-byte characters, then lines again.
    std::string text = NumberedLines(150000);
    text += '\n';
    for (int i = 0; i < 750000; ++i)
        text += "\xC3\xA9";
    text += '\n' + NumberedLines(100000);
    pane.SetWholeText(text);
    EXPECT_EQ(pane.WholeText(), text);
    EXPECT_EQ(pane.LineCount(), 250001);
    EXPECT_EQ(pane.LineText(150000).size(), 1500000u);
    EXPECT_EQ(pane.LineText(150001), "line 0");

    ASSERT_TRUE(pane.LoadFile(WriteBytes("large", text)));
    EXPECT_EQ(pane.WholeText(), text);
    EXPECT_EQ(pane.LineCount(), 250001);
}

TEST_F(TextPaneTest, SizeAndFaceChangeKeepsColours) {
    pane.SetWholeText("abc");
    Colour(0, 2, Qt::green);
    CharFormat font;
    font.mask = CharFormat::Size | CharFormat::Face;
    font.points = 12;
    font.face = QStringLiteral("Liberation Sans");
    pane.SetSelection(0, 3);
    pane.ApplyFormat(font);
    EXPECT_EQ(FormatAt(0).points, 12);
    EXPECT_EQ(FormatAt(0).background, QColor(Qt::green));
    EXPECT_EQ(FormatAt(2).face, QStringLiteral("Liberation Sans"));
    EXPECT_TRUE(FormatAt(2).autoBackground);
}

TEST_F(TextPaneTest, ScrollsByLinesAndRequestsAndClampsAtTheEnds) {
    pane.SetWholeText(NumberedLines(200));
    pane.ScrollLines(10);
    EXPECT_EQ(pane.FirstVisibleLine(), 10);
    EXPECT_EQ(pane.ScrollPosition().y(), 10 * pane.LineHeight());
    pane.ScrollLines(-50);
    EXPECT_EQ(pane.FirstVisibleLine(), 0);
    pane.ScrollVertical(ScrollRequest::LineDown);
    EXPECT_EQ(pane.FirstVisibleLine(), 1);
    pane.ScrollVertical(ScrollRequest::Thumb, 42);
    EXPECT_EQ(pane.FirstVisibleLine(), 42);
    pane.ScrollVertical(ScrollRequest::PageDown);
    EXPECT_GT(pane.FirstVisibleLine(), 45);
    pane.ScrollVertical(ScrollRequest::Bottom);
    const int bottom = pane.FirstVisibleLine();
    EXPECT_GT(bottom, 180);
    pane.ScrollLines(100);
    EXPECT_EQ(pane.FirstVisibleLine(), bottom);
    pane.ScrollVertical(ScrollRequest::Top);
    EXPECT_EQ(pane.FirstVisibleLine(), 0);
}

TEST_F(TextPaneTest, ScrollsHorizontallyInPixels) {
    pane.SetWholeText(std::string(400, 'x') + "\nshort");
    pane.ScrollHorizontal(ScrollRequest::LineDown);
    EXPECT_GT(pane.ScrollPosition().x(), 0);
    pane.ScrollHorizontal(ScrollRequest::Top);
    EXPECT_EQ(pane.ScrollPosition().x(), 0);
}

TEST_F(TextPaneTest, PointsAndPositionsMapBothWays) {
    pane.SetWholeText(NumberedLines(50));
    pane.ScrollLines(5);
    const int position = pane.LineStart(8) + 3;
    const QPoint point = pane.PointOf(position);
    EXPECT_EQ(point.y(), 3 * pane.LineHeight());
    EXPECT_EQ(pane.PositionAt(point + QPoint(1, 1)), position);
    EXPECT_EQ(pane.LineOf(pane.PositionAt(QPoint(0, 0))), 5);
}

TEST_F(TextPaneTest, SettingTheSelectionDoesNotScroll) {
    pane.SetWholeText(NumberedLines(200));
    pane.SetSelection(pane.LineStart(150), pane.LineStart(151));
    EXPECT_EQ(pane.FirstVisibleLine(), 0);
    EXPECT_EQ(pane.SelectionStart(), pane.LineStart(150));
}

TEST_F(TextPaneTest, PaintingResumesOnlyAfterTheOutermostSuspend) {
    pane.SuspendPainting();
    pane.SuspendPainting();
    pane.ResumePainting();
    EXPECT_FALSE(pane.viewport()->updatesEnabled());
    pane.ResumePainting();
    EXPECT_TRUE(pane.viewport()->updatesEnabled());
    pane.ResumePainting();
    EXPECT_TRUE(pane.viewport()->updatesEnabled());
}

TEST_F(TextPaneTest, BackgroundColourReachesAutomaticText) {
    pane.SetWholeText("x");
    pane.SetBackgroundColour(QColor(10, 20, 30));
    EXPECT_EQ(pane.BackgroundColour(), QColor(10, 20, 30));
    EXPECT_EQ(
        QColor(QRgb(pane.SendScintilla(QsciScintillaBase::SCI_STYLEGETBACK, 0UL)) | 0xFF000000u)
            .rgb(),
        QColor(30, 20, 10).rgb()); // Scintilla keeps colours as BGR
}

} // namespace
} // namespace tandem

namespace tandem {
namespace {

QRgb PixelBelowText(TextPane& pane) {
    QApplication::processEvents();
    return pane.viewport()->grab().toImage().pixel(pane.viewport()->width() / 2,
                                                   pane.viewport()->height() - 5);
}

TEST_F(TextPaneTest, BackgroundColourSurvivesDisablingAndEnabling) {
    pane.SetWholeText("one\ntwo");
    pane.SetExtendedBackground(true);
    pane.SetBackgroundColour(QColor(10, 20, 30));
    EXPECT_EQ(PixelBelowText(pane), QColor(10, 20, 30).rgb());
    pane.setEnabled(false);
    pane.setEnabled(true);
    EXPECT_EQ(pane.BackgroundColour(), QColor(10, 20, 30));
    EXPECT_EQ(PixelBelowText(pane), QColor(10, 20, 30).rgb());
    pane.SetWholeText("three");
    EXPECT_EQ(PixelBelowText(pane), QColor(10, 20, 30).rgb());
}

} // namespace
} // namespace tandem
