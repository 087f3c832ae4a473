#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

// What a test needs of the curve picture: the curve's vertices, the marked
// point, the texts and where each text stands.
struct CurvePicture {
    std::vector<std::pair<double, double>> curve;
    std::pair<double, double> marked{-1.0, -1.0};
    std::map<std::string, double> textX;
    std::string label;
    bool parsed = false;
};

// Reads the picture with Qt's XML reader; parsed is false where the file is
// not well-formed XML.
CurvePicture readCurvePicture(const std::string& svg);
