#pragma once

// arvelo-size branch FILE.csv [--json] [--out FILE] [--svg FILE] [...]:
// balances the branch of the circuits file and writes the results per
// circuit, the pump head and the index circuit with the window's texts.
// argv[0] is the word "branch". Returns the exit status.
int runBranchCommand(int argc, char** argv);
