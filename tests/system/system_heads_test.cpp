// The system's heads as pure arithmetic: the pump head, the index branch,
// the pressure at each take-off and each branch's surplus.

#include "system/system_heads.h"

#include <gtest/gtest.h>

namespace {

struct HeadsCase {
    const char* name;
    float plant;
    std::vector<BranchDemand> branches;
    float pumpHead;
    std::size_t index;
    std::vector<float> mainUpTo, available, surplus;
};

// Worked by hand, (main loss, requirement, foot minimum) per branch:
// - three branches, plant 5: M = 2, 5, 6; M + H_b + d = 12, 21, 14, so the
//   second is the index, H = 5 + 21 = 26; A = 21 - M = 19, 16, 15;
//   surplus A - H_b = 9, 4 (its d), 10;
// - equal needs: the branch farthest from the pump is the index;
// - one branch behind a device: H = 3 + 0 + 8 + 2, its surplus is its d;
// - no branch: the plant alone.
const HeadsCase kCases[] = {
    {"ThreeBranches", 5, {{2, 10, 0}, {3, 12, 4}, {1, 5, 3}}, 26, 1, {2, 5, 6}, {19, 16, 15}, {9, 4, 10}},
    {"EqualNeedsTakeTheFarthest", 0, {{0, 10, 0}, {0, 10, 0}}, 10, 1, {0, 0}, {10, 10}, {0, 0}},
    {"OneBranch", 3, {{0, 8, 2}}, 13, 0, {0}, {10}, {2}},
    {"NoBranch", 7, {}, 7, 0, {}, {}, {}},
};

class SystemHeadsCases : public testing::TestWithParam<HeadsCase> {};

TEST_P(SystemHeadsCases, MatchTheHandCalculation)
{
    const HeadsCase& c = GetParam();
    const SystemHeads heads = systemHeads(c.plant, c.branches);
    EXPECT_NEAR(heads.pumpHead, c.pumpHead, 1e-5f);
    EXPECT_EQ(heads.indexBranch, c.index);
    ASSERT_EQ(heads.mainUpTo.size(), c.mainUpTo.size());
    for (std::size_t j = 0; j < c.mainUpTo.size(); ++j) {
        SCOPED_TRACE(j);
        EXPECT_NEAR(heads.mainUpTo[j], c.mainUpTo[j], 1e-5f);
        EXPECT_NEAR(heads.available[j], c.available[j], 1e-5f);
        EXPECT_NEAR(heads.surplus[j], c.surplus[j], 1e-5f);
        EXPECT_GE(heads.surplus[j], c.branches[j].footMinimum);
    }
    if (!c.branches.empty()) {
        EXPECT_EQ(heads.surplus[c.index], c.branches[c.index].footMinimum);
    }
}

INSTANTIATE_TEST_SUITE_P(Heads, SystemHeadsCases, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<HeadsCase>& info) { return info.param.name; });

} // namespace
