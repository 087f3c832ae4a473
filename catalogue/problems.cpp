#include "catalogue/problems.h"

void addProblem(Problems& problems, const SourceRef& where, const std::string& message)
{
    problems.push_back(where.file + ":" + std::to_string(where.line) + ": " + message);
}
