#pragma once

#include <filesystem>
#include <set>
#include <string>

// What an outside look at a valve list file finds, through a connection of
// its own, as the program's next start sees it: the answer of PRAGMA integrity_check ("ok" for a sound file) and
// the designations of the stored valves.
struct ValveListFile {
    std::string integrity;
    std::multiset<std::string> designations;
};

ValveListFile inspectValveList(const std::filesystem::path& file);

// The valve-list rows every fault case starts with.
std::string threeStoredValves();
