#pragma once

#include "sizing/presetting_curve.h"

#include <string>

// The presetting curve as an SVG picture (UTF-8): the valve in its title,
// the axes labelled in a language (the flow in flowUnit), the curve through
// every position (id "curve") and the operating point marked (id
// "operating-point") and labelled with its presetting and value. The window
// shows the same picture the command line writes.
// Only for a drawable curve.
std::string presettingCurveSvg(const PresettingCurve& curve, int languageIndex, const std::string& flowUnit);

// A curve is drawn only from values a window can show: a catalogue row with
// an infinite, NaN or absurdly large value would put "inf" or "nan" into
// the picture or squash the curve into an empty frame.
bool curveIsDrawable(const PresettingCurve& curve);

// The picture's size in pixels.
inline constexpr int kCurveSvgWidth = 640;
inline constexpr int kCurveSvgHeight = 420;
