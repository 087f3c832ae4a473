#include "catalogue_test_support.h"
#include "duty_queries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>

void PrintTo(Family family, std::ostream* out)
{
    *out << familyName(family);
}

namespace {

class Duties : public ::testing::Test {
protected:
    Database db = openDatabaseOrFail(builtCatalogue());
};

bool contains(const std::vector<std::string>& codes, const std::string& code)
{
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

TEST_F(Duties, WorkedFixedOrificeExampleFindsValves)
{
    // 0.5 l/s of water against 100 mbar: K = 18, Kv = 5.6921, orifice 7.35 to 18.
    const Duty duty{0.5, 10.0};
    EXPECT_EQ(candidateStatement(Family::FixedOrifice, duty),
              "SELECT * FROM fobv WHERE kv_min <= '5.692100' AND kv_max >= '5.692100' AND "
              "kvs >= '7.348469' AND kvs <= '18.000000' ORDER BY codice_tecnico ASC");
    const auto codes = candidateCodes(db.get(), Family::FixedOrifice, duty);
    ASSERT_FALSE(codes.empty());
    EXPECT_TRUE(contains(codes, "AR11-025-01"));
    EXPECT_TRUE(contains(codes, "AR11-032-01"));

    // The first candidate's curve holds a position near the required Kv.
    const auto values = presetValues(db.get(), codes.front());
    const int position = nearestPresetting(values, 5.6921f);
    EXPECT_LT(position, 36);
    EXPECT_NEAR(values[static_cast<std::size_t>(position)], 5.6921f, 0.2f);
}

// A duty inside the range a row serves: the geometric middle of its flows
// at a pressure it takes.
std::vector<std::pair<std::string, Duty>> rowDuties(sqlite3* db, Family family)
{
    std::vector<std::pair<std::string, Duty>> duties;
    if (family == Family::DpController) {
        for (const auto& r : selectRows(db, "SELECT codice_tecnico, q_min, q_max, dp_min, dp_max "
                                            "FROM dpcv"))
            duties.push_back({*r[0], {std::sqrt(number(r[1]) * number(r[2])),
                                      (number(r[3]) + number(r[4])) / 2}});
        return duties;
    }
    for (const double dp : {10.0, 30.0, 3.0}) {
        for (const auto& range : servedRanges(db, family, dp)) {
            const bool known = std::any_of(duties.begin(), duties.end(),
                                           [&](const auto& d) { return d.first == range.code; });
            if (!known && range.low < range.high)
                duties.push_back({range.code, {std::sqrt(range.low * range.high), dp}});
        }
    }
    return duties;
}

// A test name part for a family: its name with underscores.
std::string nameOf(Family family)
{
    std::string name = familyName(family);
    for (char& c : name)
        if (c == ' ')
            c = '_';
    return name;
}

class EveryValve : public Duties, public ::testing::WithParamInterface<Family> {};

TEST_P(EveryValve, IsACandidateForSomeDutyOfItsFamily)
{
    const Family family = GetParam();
    const auto duties = rowDuties(db.get(), family);
    const char* table[] = {"fobv", "vobv", "picv", "dpcv"};
    const auto count =
        selectRows(db.get(), std::string("SELECT count(*) FROM ") + table[static_cast<int>(family)]);
    EXPECT_EQ(duties.size(), static_cast<std::size_t>(number(count.at(0).at(0))));
    for (const auto& [code, duty] : duties)
        EXPECT_TRUE(contains(candidateCodes(db.get(), family, duty), code))
            << code << " at " << duty.flow << " l/s, " << duty.dp << " kPa";
}

INSTANTIATE_TEST_SUITE_P(Families, EveryValve,
                         ::testing::Values(Family::FixedOrifice, Family::VariableOrifice,
                                           Family::PressureIndependent, Family::DpController),
                         [](const auto& info) { return nameOf(info.param); });

struct Sweep {
    Family family;
    double dp;
    // Whether a duty may go without a valve because every orifice that would
    // read it within 1 to 6 kPa, fully open, passes less than the duty at this
    // pressure drop.
    bool capacityGapsAllowed;
};

void PrintTo(const Sweep& sweep, std::ostream* out)
{
    *out << familyName(sweep.family) << " at " << sweep.dp << " kPa";
}

class DutySweep : public Duties, public ::testing::WithParamInterface<Sweep> {};

// True when no fixed-orifice valve whose orifice reads the duty could pass it.
bool beyondFullyOpenValves(sqlite3* db, const Duty& duty)
{
    const double k = duty.flow * 36.0;
    const double kv = k / std::sqrt(duty.dp);
    const auto able = selectRows(db, sqlText("SELECT count(*) FROM fobv WHERE kvs >= %f AND "
                                             "kvs <= %f AND kv_max >= %f",
                                             k / std::sqrt(6.0), k, kv));
    return number(able.at(0).at(0)) == 0;
}

TEST_P(DutySweep, FindsAValveAcrossTheFamilysSpan)
{
    constexpr int kFlows = 200;
    const Sweep sweep = GetParam();
    const auto ranges = servedRanges(db.get(), sweep.family, sweep.dp);
    ASSERT_FALSE(ranges.empty());
    double low = 1e9;
    double high = 0;
    for (const auto& range : ranges) {
        if (range.low >= range.high)
            continue;
        low = std::min(low, range.low);
        high = std::max(high, range.high);
    }
    // Just inside the span: its ends are only met to the sixth decimal.
    low *= 1.001;
    high /= 1.001;

    int gaps = 0;
    for (int i = 0; i < kFlows; ++i) {
        const Duty duty{low * std::pow(high / low, static_cast<double>(i) / (kFlows - 1)),
                        sweep.dp};
        const auto codes = candidateCodes(db.get(), sweep.family, duty);
        if (codes.empty()) {
            ++gaps;
            EXPECT_TRUE(sweep.capacityGapsAllowed && beyondFullyOpenValves(db.get(), duty))
                << familyName(sweep.family) << ": no valve for " << duty.flow << " l/s at "
                << duty.dp << " kPa";
            continue;
        }
        // A flow coefficient or flow beyond a curve's last position reads 0
        // there; no candidate may have its nearest position in that empty tail.
        if (sweep.family == Family::DpController)
            continue;
        const float target =
            sweep.family == Family::PressureIndependent
                ? static_cast<float>(duty.flow)
                : static_cast<float>(duty.flow * 36.0 / std::sqrt(duty.dp));
        for (const auto& code : codes) {
            const auto values = presetValues(db.get(), code);
            ASSERT_EQ(values.size(), 131u) << code;
            EXPECT_GT(values[static_cast<std::size_t>(nearestPresetting(values, target))], 0.0f)
                << code << " at " << duty.flow << " l/s";
        }
    }
    std::cout << familyName(sweep.family) << " at " << sweep.dp << " kPa, " << low << " to "
              << high << " l/s: " << gaps << " of " << kFlows << " duties without a valve\n";
}

INSTANTIATE_TEST_SUITE_P(
    Pressures, DutySweep,
    ::testing::Values(Sweep{Family::FixedOrifice, 3.0, true},
                      Sweep{Family::FixedOrifice, 10.0, false},
                      Sweep{Family::FixedOrifice, 30.0, false},
                      Sweep{Family::VariableOrifice, 3.0, false},
                      Sweep{Family::VariableOrifice, 10.0, false},
                      Sweep{Family::VariableOrifice, 30.0, false},
                      Sweep{Family::PressureIndependent, 0.0, false},
                      Sweep{Family::DpController, 20.0, false},
                      Sweep{Family::DpController, 60.0, false}),
    [](const auto& info) {
        return nameOf(info.param.family) + "_" + std::to_string(static_cast<int>(info.param.dp)) +
               "_kPa";
    });

} // namespace
