// Scoring on several threads: the scores handed back are the matcher's whoever worked them out,
// whatever the order they are taken in, and whole runs come out the same on one, two and four
// threads.
#include "engine/comparison.h"
#include "engine/scorehelpers.h"
#include "engine/similarity.h"

#include <atomic>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace tandem {
namespace {

// Prose-like lines from a small vocabulary, changed a word at a time: the lines share most of
// their bytes, so their byte profiles seldom rule a pair out and most pairs go to the matcher,
// which is where the search hands pairs to the helpers.
class ProseGenerator {
public:
    explicit ProseGenerator(unsigned seed) : random_(seed) {}

    std::string Line() {
        static const char* const words[] = {
            "the",  "stream", "of", "data", "is",   "read",  "into", "a",     "buffer", "and",
            "then", "sent",   "on", "to",   "each", "queue", "that", "waits", "for",    "it"};
        std::string line;
        for (int count = Pick(6, 14); count > 0; --count) {
            if (!line.empty())
                line += ' ';
            line += words[Pick(0, 19)];
        }
        return line;
    }

    // A changed copy of the text: lines reworded, replaced, dropped, added and moved.
    std::vector<std::string> Edited(const std::vector<std::string>& text) {
        std::vector<std::string> edited;
        for (const std::string& line : text) {
            switch (Pick(0, 9)) {
            case 0:
                break;
            case 1:
                edited.push_back(Line());
                edited.push_back(line);
                break;
            case 2:
            case 3:
                edited.push_back(Line());
                break;
            case 4:
            case 5: {
                std::string changed = line;
                changed.insert(static_cast<size_t>(Pick(0, static_cast<int>(line.size()))),
                               " then");
                edited.push_back(changed);
                break;
            }
            default:
                edited.push_back(line);
            }
        }
        if (edited.size() > 40)
            std::rotate(edited.begin() + 10, edited.begin() + 20, edited.begin() + 40);
        return edited;
    }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

private:
    std::mt19937 random_;
};

std::string Records(const std::vector<std::string>& left, const std::vector<std::string>& right,
                    CompareOptions options) {
    const ComparisonResult result =
        Compare({left.begin(), left.end()}, {right.begin(), right.end()}, options);
    std::string text;
    for (const StringList* list : {&result.leftMarks, &result.rightMarks, &result.blocks})
        for (const std::string& record : list->Items())
            text += record + "\n";
    return text + WholeText(result.left) + WholeText(result.right);
}

TEST(ScoringThreads, WholeRunsAreTheSameOnOneTwoAndFourThreads) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
        ProseGenerator generator(seed);
        std::vector<std::string> left;
        for (int i = 0; i < 600; ++i)
            left.push_back(generator.Line());
        const std::vector<std::string> right = generator.Edited(left);
        for (int depth : {30, 50, 80}) {
            CompareOptions options;
            options.depth = depth;
            const std::string oneThread = Records(left, right, options);
            for (int threads : {2, 4}) {
                options.threads = threads;
                EXPECT_EQ(Records(left, right, options), oneThread)
                    << "seed " << seed << ", depth " << depth << ", " << threads << " threads";
            }
        }
    }
}

TEST(ScoreHelpers, ScoresAreTheMatchersWhoeverTakesThemAndInAnyOrder) {
    ProseGenerator generator(7);
    std::vector<std::string> lines;
    for (int i = 0; i < 200; ++i)
        lines.push_back(generator.Line());
    ScoreHelpers helpers(3, nullptr);
    for (int round = 0; round < 300; ++round) {
        ScoreHelpers::Batch* batch = helpers.FreeBatch();
        ASSERT_NE(batch, nullptr) << "round " << round;
        const int size = generator.Pick(1, static_cast<int>(ScoreHelpers::kMostPairs));
        const int32_t depth = round % 3 == 0 ? 0 : 50;
        std::vector<ScoreHelpers::Pair> pairs;
        for (int i = 0; i < size; ++i) {
            pairs.push_back({lines[static_cast<size_t>(generator.Pick(0, 199))],
                             lines[static_cast<size_t>(generator.Pick(0, 199))], depth, i});
            batch->Add(pairs.back());
        }
        helpers.Start(*batch);
        // Some pairs are passed over and some batches left half-taken, as probes do.
        const int stride = generator.Pick(1, 3);
        const int taken = round % 4 == 0 ? size / 2 : size;
        for (int i = 0; i < taken; i += stride) {
            const ScoreHelpers::Pair& pair = pairs[static_cast<size_t>(i)];
            EXPECT_EQ(helpers.Take(*batch, static_cast<uint32_t>(i)),
                      LineScoreFrom(pair.leftKey, pair.rightKey, depth, nullptr))
                << "round " << round << ", pair " << i;
        }
        helpers.Drop(*batch);
    }
}

TEST(ScoreHelpers, BatchesInUseAreNotHandedOutAgain) {
    ScoreHelpers helpers(1, nullptr);
    std::vector<ScoreHelpers::Batch*> batches;
    while (ScoreHelpers::Batch* batch = helpers.FreeBatch()) {
        ASSERT_LT(batches.size(), 16u) << "batches are handed out without end";
        batch->Add({"one line", "one lime", 50, 0});
        helpers.Start(*batch);
        batches.push_back(batch);
    }
    ASSERT_GE(batches.size(), 2u);
    EXPECT_EQ(helpers.Take(*batches[0], 0), LineScoreFrom("one line", "one lime", 50, nullptr));
    helpers.Drop(*batches[0]);
    ScoreHelpers::Batch* again = nullptr;
    // The dropped batch comes back once no helper is inside it any more.
    while (!again)
        again = helpers.FreeBatch();
    EXPECT_EQ(again->Size(), 0u);
}

TEST(ScoreHelpers, ACancelledScoreReachesTheSearchAsACancel) {
    std::string longLeft;
    std::string longRight;
    for (int i = 0; i < 200000; ++i) {
        longLeft += static_cast<char>('a' + i % 13);
        longRight += static_cast<char>('a' + (i * 7) % 13);
    }
    std::atomic<bool> cancel{true};
    ScoreHelpers helpers(2, &cancel);
    ScoreHelpers::Batch* batch = helpers.FreeBatch();
    ASSERT_NE(batch, nullptr);
    for (int i = 0; i < 24; ++i)
        batch->Add({longLeft, longRight, 50, i});
    helpers.Start(*batch);
    // Whether this thread or a helper met the cancel, the pair's score is not made up.
    for (uint32_t i = 0; i < 24; ++i)
        EXPECT_THROW(helpers.Take(*batch, i), ScoreCancelled) << "pair " << i;
    helpers.Drop(*batch);
}

} // namespace
} // namespace tandem
