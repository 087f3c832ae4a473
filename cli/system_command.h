#pragma once

// arvelo-size system FILE.csv [--json] [--out FILE] [--svg FILE] [...]:
// balances the system of the file (branches on a main, each with its foot
// device) and writes per branch its requirement, its foot device and
// setting, the pump's duty point and the index branch, then each branch's
// circuits, with the window's texts. argv[0] is the word "system". Returns
// the exit status.
int runSystemCommand(int argc, char** argv);
