#include "qt/app/arvelo_calc_app.h"

int main(int argc, char** argv)
{
    CArveloCalcApp app(argc, argv);
    app.initInstance();
    return 0;
}
