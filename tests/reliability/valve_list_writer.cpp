// Adds valves "valve N", "valve N+1", ... to the valve list of a database
// file until it is killed, and writes each number to standard output once
// its add has returned success.
//
//   valve_list_writer DATABASE FIRST_NUMBER

#include "db/product_db.h"
#include "valve_list/valve_list_addition.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    std::ostringstream errors;
    ProductDb db(errors);
    if (!db.open(argv[1]))
        return 1;
    std::vector<ProjectRow> projects;
    for (long number = std::atol(argv[2]);; ++number) {
        ProjectRow row;
        row.nome_tipo = "Arvelo Quarz";
        row.riferimento = "valve " + std::to_string(number);
        if (addToValveList(db, row, projects).outcome == ValveListAdd::Added) {
            std::printf("%ld\n", number);
            std::fflush(stdout);
        }
    }
}
