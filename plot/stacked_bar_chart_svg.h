#pragma once

#include "plot/stacked_bar_chart.h"

#include <optional>
#include <string>
#include <vector>

// What a kind of segment looks like, in the order of the bars' segments:
// its name in the ids of the bars' rectangles ("bar-N-<id>", N from 1), its
// fill and its legend caption.
struct BarSeries {
    const char* id = "";
    const char* colour = "";
    std::string caption;
};

// Where the legend's entries lie: the first's square at (left, top), so many
// a line, each one columnPitch right of the one before.
struct LegendPlacement {
    double left = 0.0;
    double top = 0.0;
    std::size_t columns = 1;
    double columnPitch = 0.0;
};

// A line of bold text under the title, in the index colour.
struct ChartNote {
    std::string id;
    std::string text;
    double baseline = 0.0;
};

// The dashed line where every bar ends: its id, how far above the bars it
// starts, and the caption at its top, right-aligned to it (none if empty).
struct HeadLine {
    std::string id;
    double overhang = 0.0;
    std::string caption;
};

// What the chart says; texts in UTF-8 as they are, escaped when written.
struct StackedBarChartTexts {
    std::string title;
    double titleBaseline = 0.0;
    std::optional<ChartNote> note;
    std::vector<BarSeries> series;
    LegendPlacement legend;
    std::string axisCaption;
    std::vector<std::string> names; // a bar's label is its number and its name
    std::string indexId;            // the index bar's outline and label
    HeadLine head;
};

// The chart as an SVG picture (UTF-8): the title at the top left, the note,
// the legend, a grid line and value per tick with the axis caption under
// them, the bars labelled at their left, the index bar outlined and its
// label bold, both in the index colour, and the head line.
std::string stackedBarChartSvg(const StackedBarChart& chart, const StackedBarChartTexts& texts);
