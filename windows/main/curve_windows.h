#pragma once

#include <string>

// Shows a valve's presetting curve (an SVG picture) in a small modal window
// until the user closes it; tests keep what they were shown.
class CurveWindows {
public:
    virtual ~CurveWindows() = default;
    virtual void showCurve(const std::u16string& caption, const std::string& svg) = 0;
};
