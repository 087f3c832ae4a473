#pragma once

#include "db/product_db.h"
#include "tests/support/fixture_db.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

// A ProductDb on a fresh database file in a temporary folder, with its error
// lines collected in `errors`.
class ProductDbFixture : public testing::Test {
protected:
    std::filesystem::path file() const { return folder.path() / "mvd.db"; }

    void openWith(const std::string& statements)
    {
        fixture::execute(file(), statements);
        ASSERT_TRUE(db.open(file()));
    }

    // The numbers of the valve list, in the order the list reads them.
    std::vector<std::uint16_t> positions()
    {
        std::vector<ProjectRow> rows;
        db.loadProjects(rows);
        std::vector<std::uint16_t> numbers;
        for (const ProjectRow& row : rows)
            numbers.push_back(row.posizione);
        return numbers;
    }

    TempFolder folder;
    std::ostringstream errors;
    ProductDb db{errors};
};
