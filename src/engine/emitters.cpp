// Recording differences while the rows are walked: changed pairs, and one-sided blocks with the
// filler lines that keep both sides aligned.
#include "alignmentrun.h"
#include "records.h"
#include "similarity.h"

namespace tandem {

namespace {
constexpr char kBlank = ' ';
} // namespace

void AlignmentRun::AddMark(StringList& marks, int row, int32_t colour) {
    marks.Add(MarkRecord::WholeRow(row, colour).Text());
}

void AlignmentRun::AddBlock(int first, int last, std::string_view sides) {
    result_.blocks.Add(BlockRecord{first, last, std::string(sides)}.Text());
}

void AlignmentRun::EmitPair(int i, std::string_view leftText, int j, std::string_view rightText,
                            StringList& leftMarks, StringList& rightMarks) {
    if (leftText.empty()) {
        AddBlock(j, j, kRightOnlySides);
        AddMark(rightMarks, j, colours_.difference1);
        return;
    }
    if (rightText.empty()) {
        AddBlock(i, i, kLeftOnlySides);
        AddMark(leftMarks, i, colours_.difference1);
        return;
    }
    AddBlock(i, i, kBothSides);
    AddMark(leftMarks, i, colours_.difference3);
    AddMark(rightMarks, j, colours_.difference3);

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
        leftMarks.Add(
            MarkRecord::Span(i, int32_t(a), int32_t(endA - a + 1), colours_.difference2).Text());
    if (endB >= b)
        rightMarks.Add(
            MarkRecord::Span(j, int32_t(b), int32_t(endB - b + 1), colours_.difference2).Text());
}

void AlignmentRun::ShiftFor(LineList& list, int at) {
    const bool fromLeft = IsLeft(list);
    if (fromLeft ? window_.IsBeforeRows(at) : window_.IsBeforeColumns(at)) {
        // Every cached line of this list has moved down one, while the window still answers for
        // the old places: pairs below Depth are worked out now, from the lines' new places.
        LineList& other = fromLeft ? right_ : left_;
        window_.ResolveBelowDepth([&](int64_t row, int64_t col) {
            const int64_t own = fromLeft ? row : col;
            const int64_t others = fromLeft ? col : row;
            std::string_view ownKey = list.Key(static_cast<int>(own + 1));
            std::string_view otherKey = ScoredKey(other, others);
            return fromLeft ? LineScore(ownKey, otherKey, cancel_)
                            : LineScore(otherKey, ownKey, cancel_);
        });
        return;
    }
    const bool shifted = IsLeft(list) ? window_.ShiftRows(at) : window_.ShiftColumns(at);
    if (!shifted)
        return;
    InheritedScores& inherited = InheritedFor(list);
    if (at - 1 != inherited.index)
        inherited.key = list.Key(at - 1);
    inherited.index = at;
}

void AlignmentRun::ReplaceLine(LineList& list, int at, std::string_view text) {
    InheritedScores& inherited = InheritedFor(list);
    if (at != inherited.index)
        inherited = {at, list.Key(at)};
    list.Put(at, text);
    IsLeft(list) ? window_.ForgetRejectsOfRow(at) : window_.ForgetRejectsOfColumn(at);
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
            int32_t s = ExactPairScore(x, k - 1, row);
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
            ReplaceLine(x, k - 1, {});
            AddMark(marksX, k - 1, colours_.insert);
            if (k < t)
                AddMark(marksY, k - 1, colours_.difference1);
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
            AddMark(marksX, r, colours_.insert);
            if (r < t)
                AddMark(marksY, r, colours_.difference1);
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
        AddMark(shorterMarks, row, colours_.insert);
        AddMark(longerMarks, row, colours_.difference1);
    }
    AddBlock(first, last, leftIsLonger ? kLeftOnlySides : kRightOnlySides);
}

} // namespace tandem
