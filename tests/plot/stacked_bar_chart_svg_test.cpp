// The stacked bar chart as SVG: the pieces the texts ask for, where they ask
// for them, with the ids that the windows, the protocol and the tests find.

#include "plot/stacked_bar_chart_svg.h"

#include <gtest/gtest.h>

namespace {

StackedBarChartTexts twoSeries()
{
    StackedBarChartTexts texts;
    texts.title = "Title";
    texts.titleBaseline = 28.0;
    texts.series = {{"low", "#111111", "Low <kPa>"}, {"high", "#222222", "High"}};
    texts.legend = {16.0, 66.0, 1, 370.0};
    texts.axisCaption = "kPa";
    texts.names = {"First"};
    texts.indexId = "index-row";
    return texts;
}

TEST(StackedBarChartSvg, DrawsEachSegmentLabelsEachBarAndOutlinesTheIndex)
{
    const StackedBarChart chart = stackedBarChart({{5, 20}, {12, 20}}, 20.0, 1, {120.0, 28.0, 18.0});
    const std::string svg = stackedBarChartSvg(chart, twoSeries());
    for (const char* part : {"id=\"bar-1-low\"", "id=\"bar-1-high\"", "id=\"bar-2-high\" x=\"500.00\"",
                             "fill=\"#222222\"", ">Low &lt;kPa&gt;</text>", ">1 First</text>"})
        EXPECT_NE(svg.find(part), std::string::npos) << part;
    EXPECT_EQ(svg.find("bar-3-"), std::string::npos);
    // One entry a line: the second legend square 20 below the first.
    EXPECT_NE(svg.find("<rect id=\"legend\" x=\"16.00\" y=\"86.00\""), std::string::npos);
    // The second bar has no name but its number, and is the index.
    const std::size_t index = svg.find("<g id=\"index-row\">");
    ASSERT_NE(index, std::string::npos);
    EXPECT_EQ(svg.find("<g id=\"index-row\">", index + 1), std::string::npos);
    EXPECT_LT(svg.find("font-weight=\"bold\" fill=\"#d02020\">2 </text>", index), svg.find("</g>", index));
    EXPECT_EQ(svg.find("duty"), std::string::npos) << "no note unless given";
}

TEST(StackedBarChartSvg, TheHeadLineCarriesItsIdOrGroupsItWithItsCaption)
{
    const struct {
        const char* name;
        HeadLine head;
        std::vector<const char*> parts;
    } cases[] = {
        {"without a caption", {"head", 6.0, ""}, {"<line id=\"head\" x1=\"720.00\" y1=\"114.00\""}},
        {"with a caption",
         {"head", 8.0, "Head 20,00"},
         {"<g id=\"head\">\n<line x1=\"720.00\" y1=\"112.00\"", "y=\"106.00\" text-anchor=\"end\"",
          ">Head 20,00</text>\n</g>\n</svg>"}},
    };
    const StackedBarChart chart = stackedBarChart({{5, 20}}, 20.0, 0, {120.0, 28.0, 18.0});
    for (const auto& c : cases) {
        StackedBarChartTexts texts = twoSeries();
        texts.head = c.head;
        texts.note = ChartNote{"duty-point", "Duty", 50.0};
        const std::string svg = stackedBarChartSvg(chart, texts);
        for (const char* part : c.parts)
            EXPECT_NE(svg.find(part), std::string::npos) << c.name << ": " << part;
        EXPECT_NE(svg.find("y=\"50.00\" text-anchor=\"start\" id=\"duty-point\""), std::string::npos) << c.name;
    }
}

} // namespace
