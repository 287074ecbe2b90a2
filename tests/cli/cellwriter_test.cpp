// How one file line is written into its column: changed-character spans cover whole characters,
// and printable ASCII, written without decoding, comes out exactly as decoded text does.
#include "cellwriter.h"
#include "toolrun.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace tandem {
namespace {

constexpr int32_t kChanged = 191;
constexpr std::string_view kChangedColour = "\x1b[0m\x1b[38;2;255;255;255;48;2;191;0;0m";

std::string Written(std::string_view text, int width, const RowPaint& paint, bool colour) {
    std::string out;
    CellWriter(colour).Write(text, width, paint, true, out);
    return out;
}

TEST(CellWriter, SpansInsideAMultiByteCharacterColourTheWholeCharacter) {
    const std::string text = "alpha b\xc3\xa8!";
    // The span covers only the second byte of the two of "è", or only its first.
    for (const SpanPaint& span :
         {SpanPaint{8, 1, kChanged}, SpanPaint{7, 1, kChanged}, SpanPaint{8, 2, kChanged}}) {
        const RowPaint paint{RowPaint::kNone, {span}};
        const std::string out = Written(text, 20, paint, true);
        EXPECT_NE(out.find(std::string(kChangedColour) + "\xc3\xa8"), std::string::npos)
            << span.start;
        EXPECT_EQ(out.find("\xc3\x1b"), std::string::npos) << span.start;
    }
    // A span that ends at a character's first byte colours no more than that character.
    const RowPaint before{RowPaint::kNone, {SpanPaint{6, 1, kChanged}}};
    EXPECT_NE(Written(text, 20, before, true).find(std::string(kChangedColour) + "b\x1b[0m\xc3"),
              std::string::npos);
}

TEST(CellWriter, ChangedLetterWithAnAccentIsHighlightedWhole) {
    ToolRun run;
    const std::string left = run.File("left.txt", "alpha b\xc3\xa8\n");
    const std::string right = run.File("right.txt", "alpha b\xc3\xa9\n");
    const ToolOutput records = run.Run({"--records", left, right});
    // The records stay byte-exact: only the last byte differs.
    EXPECT_NE(records.out.find("0,8,1,191"), std::string::npos) << records.out;
    const ToolOutput view = run.Run({"--color=always", "-W", "40", left, right});
    EXPECT_NE(view.out.find(std::string(kChangedColour) + "\xc3\xa8"), std::string::npos);
    EXPECT_NE(view.out.find(std::string(kChangedColour) + "\xc3\xa9"), std::string::npos);
}

// Random printable rows with random bands and spans, cut and padded at random widths.
TEST(CellWriter, PrintableAsciiComesOutAsDecodedTextDoes) {
    std::mt19937 random(7);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        for (int n = pick(0, 60); n > 0; --n)
            text += static_cast<char>(pick(0x20, 0x7E));
        RowPaint paint;
        paint.band = pick(0, 2) == 0 ? RowPaint::kNone : pick(0, 0xFFFFFF);
        for (int n = pick(0, 3); n > 0; --n)
            paint.spans.push_back({pick(-2, 60), pick(-1, 20), pick(0, 0xFFFFFF)});
        const int width = pick(1, 70);
        for (bool colour : {false, true}) {
            for (bool pad : {false, true}) {
                std::string fast;
                std::string decoded;
                const int fastColumns = CellWriter(colour).Write(text, width, paint, pad, fast);
                const int decodedColumns =
                    CellWriter(colour).WriteGlyphByGlyph(text, width, paint, pad, decoded);
                ASSERT_EQ(fast, decoded) << "text '" << text << "' width " << width;
                ASSERT_EQ(fastColumns, decodedColumns);
            }
        }
    }
}

} // namespace
} // namespace tandem
