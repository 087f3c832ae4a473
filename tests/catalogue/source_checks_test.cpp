#include "catalogue/catalogue_builder.h"

#include "catalogue_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// One flaw brought into a copy of the sources: the first `from` in `file`
// becomes `to`; the build must refuse with a message naming the file, the
// line of the change and `expected`.
struct Flaw {
    const char* name;
    const char* file;
    const char* from;
    const char* to;
    const char* expected;
};

void PrintTo(const Flaw& flaw, std::ostream* out)
{
    *out << flaw.name;
}

class SourceChecks : public ::testing::TestWithParam<Flaw> {};

// Line (1-based) of the change, or 0 when `from` is not in the file.
int introduce(const std::filesystem::path& path, const std::string& from, const std::string& to)
{
    std::string text = fileBytes(path);
    const auto at = text.find(from);
    if (at == std::string::npos)
        return 0;
    text.replace(at, from.size(), to);
    writeFile(path, text);
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + at, '\n'));
}

TEST_P(SourceChecks, RefuseTheBuildNamingFileAndLine)
{
    const Flaw& flaw = GetParam();
    TempFolder folder;
    copySources(folder.path());
    const int line = introduce(folder.path() / flaw.file, flaw.from, flaw.to);
    ASSERT_GT(line, 0) << "the sources no longer hold: " << flaw.from;
    const auto target = folder.path() / "mvd.db";

    const BuildResult result = buildCatalogue(target, folder.path());

    EXPECT_FALSE(result.written);
    EXPECT_FALSE(std::filesystem::exists(target));
    const std::string place = std::string(flaw.file) + ":" + std::to_string(line) + ": ";
    const bool named = std::any_of(result.messages.begin(), result.messages.end(),
                                   [&](const std::string& message) {
                                       return message.rfind(place, 0) == 0 &&
                                              message.find(flaw.expected) != std::string::npos;
                                   });
    EXPECT_TRUE(named) << "no message '" << place << "..." << flaw.expected << "' among:\n"
                       << ::testing::PrintToString(result.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Flaws, SourceChecks,
    ::testing::Values(
        Flaw{"kv_range_reversed", "fobv.csv", "Arvelo Quarz;0.3;1.9;", "Arvelo Quarz;2.0;1.9;",
             "kv range 2 to 1.9"},
        Flaw{"curve_not_storable", "fobv.csv", "Arvelo Quarz;0.08;0.5;",
             "Arvelo Quarz;0.4999;0.5;", "cannot be stored strictly increasing"},
        Flaw{"material_number_repeated", "fobv.csv", "AR11-015-02", "AR11-015-01",
             "does not follow"},
        Flaw{"material_number_not_of_its_size", "fobv.csv", "AR12-300-16", "AR12-250-16",
             "is not AR1L-300-VV"},
        Flaw{"unclosed_quote", "fobv.csv", "DN 32;AR11-032-01", "\"DN 32;AR11-032-01",
             "quoted field not closed"},
        Flaw{"missing_column", "fobv.csv", "curva_c", "curva_x", "missing column 'curva_c'"},
        Flaw{"flow_range_not_from_kv", "vobv.csv",
             "AR21-040-01;Arvelo;1.75;19.2;0.5;4.0;0.1;DN 40;arvelo;0.0842;",
             "AR21-040-01;Arvelo;1.75;19.2;0.5;4.0;0.1;DN 40;arvelo;0.09;",
             "q_min 0.09 is not kv_min at 3 kPa"},
        Flaw{"model_name_case", "vobv.csv", "AR25-010-01;Arvelo Tesa", "AR25-010-01;Arvelo tesa",
             "'Arvelo tesa' is not a model"},
        Flaw{"connection_variant_differs", "vobv.csv",
             "AR23-020-01;Arvelo Nodo;0.51;5.7;0.5;4.0;0.1;DN 20;arvelo_nodo;0.02454;",
             "AR23-020-01;Arvelo Nodo;0.52;5.7;0.5;4.0;0.1;DN 20;arvelo_nodo;0.02502;",
             "has no Arvelo row of the same size"},
        Flaw{"scale_beyond_minimum_pressures", "picv.csv", "AR31-010-01;400;DN 10;1.0;6.0;0.25",
             "AR31-010-01;400;DN 10;1.0;6.6;0.2", "29 positions, at most 28 fit"},
        Flaw{"size_step_too_small", "picv.csv", "0.042;0.29;AR31-020-01", "0.042;0.13;AR31-020-01",
             "grows"},
        Flaw{"low_flow_above_standard", "picv.csv", "0.17;0.89;AR31-032-01",
             "0.17;1.2;AR31-032-01", "does not sit below Arvelo Flumen-B DN 32"},
        Flaw{"controller_range_not_built", "dpcv.csv", "0.02;0.2;5;25;AR41-015-01",
             "0.02;0.2;5;30;AR41-015-01", "setting range 5 to 30"},
        Flaw{"picture_of_another_model", "dpcv.csv", "mstatra_af", "mstatra_b",
             "is not a picture of Arvelo Statra-A"},
        Flaw{"decimal_comma", "dpcv.csv", "0.08;0.78;5;25;AR41-032-01",
             "0,08;0.78;5;25;AR41-032-01", "'0,08' is not a number"},
        Flaw{"fluid_density_falls", "fluidi.csv", "2;1.032;3815;1030", "2;1.012;3815;1010",
             "densita does not rise"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
