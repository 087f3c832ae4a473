#include "cli/same_file.h"

bool isSameFile(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error))
        return true;
    const std::filesystem::path first = std::filesystem::weakly_canonical(std::filesystem::absolute(a, error), error);
    if (error)
        return false;
    const std::filesystem::path second = std::filesystem::weakly_canonical(std::filesystem::absolute(b, error), error);
    return !error && first == second;
}
