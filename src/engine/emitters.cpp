// Recording differences while the rows are walked: changed pairs, and one-sided blocks with the
// filler lines that keep both sides aligned.
#include "alignmentrun.h"
#include "toolkit/fields.h"

namespace tandem {

namespace {
constexpr char kBlank = ' ';
} // namespace

void AlignmentRun::AddMark(StringList& marks, int row, const std::string& colour) {
    marks.Add(NumberToText(row) + ',' + colour);
}

void AlignmentRun::AddBlock(int first, int last, std::string_view sides) {
    std::string record = NumberToText(first) + ',' + NumberToText(last) + ',';
    record += sides;
    result_.blocks.Add(record);
}

void AlignmentRun::EmitPair(int i, std::string_view leftText, int j, std::string_view rightText,
                            StringList& leftMarks, StringList& rightMarks) {
    if (leftText.empty()) {
        AddBlock(j, j, "r");
        AddMark(rightMarks, j, difference1Colour_);
        return;
    }
    if (rightText.empty()) {
        AddBlock(i, i, "l");
        AddMark(leftMarks, i, difference1Colour_);
        return;
    }
    AddBlock(i, i, "lr");
    AddMark(leftMarks, i, difference3Colour_);
    AddMark(rightMarks, j, difference3Colour_);

    // The unequal middle, 0-based and inclusive; leading blanks never belong to it.
    auto firstNonBlank = [](std::string_view text) {
        size_t found = text.find_first_not_of(kBlank);
        return found == std::string_view::npos ? static_cast<int64_t>(text.size())
                                               : static_cast<int64_t>(found);
    };
    int64_t a = firstNonBlank(leftText);
    int64_t b = firstNonBlank(rightText);
    int64_t endA = static_cast<int64_t>(leftText.size()) - 1;
    int64_t endB = static_cast<int64_t>(rightText.size()) - 1;
    while (endA >= a && endB >= b) {
        bool matched = false;
        if (leftText[static_cast<size_t>(a)] == rightText[static_cast<size_t>(b)]) {
            ++a, ++b;
            matched = true;
        }
        if (leftText[static_cast<size_t>(endA)] == rightText[static_cast<size_t>(endB)]) {
            --endA, --endB;
            matched = true;
        }
        if (!matched)
            break;
    }
    if (endA >= a)
        leftMarks.Add(NumberToText(i) + ',' + NumberToText(a) + ',' + NumberToText(endA - a + 1) +
                      ',' + difference2Colour_);
    if (endB >= b)
        rightMarks.Add(NumberToText(j) + ',' + NumberToText(b) + ',' + NumberToText(endB - b + 1) +
                       ',' + difference2Colour_);
}

void AlignmentRun::ShiftFor(const LineList& list, int at) {
    if (IsLeft(list))
        window_.ShiftRows(at);
    else
        window_.ShiftColumns(at);
}

void AlignmentRun::EmitBlock(LineList& x, LineList& y, StringList& marksX, StringList& marksY,
                             std::string_view sideY, int n, int t, int& cursorY, int& cursorX) {
    const int k = cursorX;
    int32_t best = 0;
    std::string_view moved;
    int moveRow = k - 2; // k - 2 says that no line moves

    // The line just above the block may really belong further down, facing its best match.
    if (n == 0) {
        moveRow = k - 1;
        for (int row = cursorY - 1; row < t; ++row) {
            int32_t s = PairScore(x, k - 1, row);
            if (s > best) {
                best = s;
                moveRow = row;
            }
            if (s == 100)
                break;
        }
        if (moveRow <= k - 1) {
            moveRow = k - 2;
        } else {
            moved = x.Text(k - 1);
            x.Put(k - 1, {});
            AddMark(marksX, k - 1, insertColour_);
            if (k < t)
                AddMark(marksY, k - 1, difference1Colour_);
            AddBlock(k - 1, k - 1, sideY);
        }
    }

    for (int r = k; r < t + n; ++r) {
        if (r == moveRow) {
            x.Insert(r, moved);
            ShiftFor(x, r);
            AddBlock(k, r - 1, sideY);
            if (best < 100)
                EmitPair(r, x.Text(r), r, y.Text(r), marksX, marksY);
        } else {
            x.Insert(r, {});
            ShiftFor(x, r);
            AddMark(marksX, r, insertColour_);
            if (r < t)
                AddMark(marksY, r, difference1Colour_);
        }
    }
    if (t + n > k)
        cursorX = t + n;

    if (cursorX > n + k) {
        if (moveRow == k - 2)
            AddBlock(k, cursorX - 1, sideY);
        else if (cursorX - 1 > moveRow)
            AddBlock(moveRow + 1, cursorX - 1, sideY);
    }
    cursorY = t + n;
}

void AlignmentRun::EmitUnmatchedEnd(int first, int last, bool leftIsLonger) {
    StringList& shorterMarks = leftIsLonger ? result_.rightMarks : result_.leftMarks;
    StringList& longerMarks = leftIsLonger ? result_.leftMarks : result_.rightMarks;
    for (int row = first; row <= last; ++row) {
        AddMark(shorterMarks, row, insertColour_);
        AddMark(longerMarks, row, difference1Colour_);
    }
    AddBlock(first, last, leftIsLonger ? "l" : "r");
}

} // namespace tandem
