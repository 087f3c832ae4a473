#include "db/product_db.h"

#include "tests/db/product_db_fixture.h"
#include "tests/support/fixture_db.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Designations as users type them: whatever they hold is stored, read back
// and looked up exactly, blanks and case included.
const std::string kDesignations[] = {
    "Pump \"A\"",
    "Pump's room",
    "'",
    "Riser; floor 2",
    " Leading and trailing blanks ",
    "Heizung \xF0\x9F\x94\xA5",                      // emoji
    "\xF0\xA0\x80\x80\xF0\xAA\x9A\xB2 room",        // CJK extension B
    "O'Brien \"north\"; 'east'; \xF0\x9F\x98\x80 ", // all at once
};

class DesignationRoundTripTest : public ProductDbFixture {
protected:
    void SetUp() override
    {
        openWith(fixture::projectsSchema());
        std::uint16_t position = 1;
        for (const std::string& designation : kDesignations) {
            ProjectRow row;
            row.posizione = position++;
            row.riferimento = designation;
            ASSERT_EQ(db.insertProject(row), 0) << designation;
        }
    }
};

TEST_F(DesignationRoundTripTest, StoredAndReadBackExactly)
{
    std::vector<ProjectRow> rows;
    db.loadProjects(rows);
    ASSERT_EQ(rows.size(), std::size(kDesignations));
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].riferimento, kDesignations[i]);
    EXPECT_EQ(errors.str(), "");
}

TEST_F(DesignationRoundTripTest, LookUpFindsOnlyTheExactDesignation)
{
    for (const std::string& designation : kDesignations) {
        std::vector<ProjectRow> found;
        db.findProjectsByDesignation(designation, found);
        ASSERT_EQ(found.size(), 1u) << designation;
        EXPECT_EQ(found[0].riferimento, designation);
    }
    const std::string nearMisses[] = {
        "Pump \"a\"", "Pump's room ", " Pump's room", "Riser;floor 2", "Leading and trailing blanks",
        "Heizung \xF0\x9F\x94\xA5 ", "\xF0\xA0\x80\x80 room", "''", "",
    };
    for (const std::string& designation : nearMisses) {
        std::vector<ProjectRow> found;
        db.findProjectsByDesignation(designation, found);
        EXPECT_TRUE(found.empty()) << "[" << designation << "]";
    }
    EXPECT_EQ(errors.str(), "");
}

} // namespace
