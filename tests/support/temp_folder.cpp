#include "tests/support/temp_folder.h"

#include <random>
#include <string>
#include <system_error>

TempFolder::TempFolder()
{
    std::random_device seed;
    std::mt19937_64 random(seed());
    do {
        path_ = std::filesystem::temp_directory_path() / ("rezu-test-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_));
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}
