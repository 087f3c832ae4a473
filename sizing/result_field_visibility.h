#pragma once

#include <cstdint>

// Which of the three result fields (1006, 1008, 1009) a valve view shows.
struct ResultFieldVisibility {
    bool first = false;
    bool second = false;
    bool third = false;
};

ResultFieldVisibility resultFieldVisibility(std::int32_t valveView);
