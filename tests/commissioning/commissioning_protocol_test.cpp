#include "commissioning/commissioning_protocol.h"

#include "tests/valve_list/valve_list_rows.h"
#include "valve_list/valve_list_columns.h"

#include <gtest/gtest.h>

namespace {

constexpr int kGerman = 3;
constexpr int kRussian = 6;
constexpr std::size_t kListColumns = 14;

MeasurementRow measurementOf(const ProjectRow& valve, float flow, MeasurementVerdict verdict)
{
    MeasurementRow measured;
    measured.posizione = valve.posizione;
    measured.riferimento = valve.riferimento;
    measured.dP = 12.5f;
    measured.muP = "kPa";
    measured.setting = "2,50";
    measured.flow = flow;
    measured.muQ = valve.muQ;
    measured.verdict = verdict;
    measured.date = "2026-12-10";
    return measured;
}

TEST(CommissioningProtocol, ValvesNotMeasuredShowTheirDesignAndEmptySiteColumns)
{
    const std::vector<ProjectRow> rows = rowsOfEachKind();
    const CommissioningProtocol protocol = commissioningProtocol(u"Schule", u"Stadt", kGerman, rows, {}, u"2025-03-14");
    ASSERT_EQ(protocol.headers.size(), kListColumns + kSiteColumns);
    EXPECT_EQ(protocol.headers.front(), u"Nr.");
    EXPECT_EQ(protocol.headers[kListColumns + 3], u"Abweichung (%)");
    EXPECT_EQ(protocol.headers[kListColumns + 4], u"Ergebnis");
    EXPECT_EQ(protocol.headers.back(), u"Unterschrift");
    ASSERT_EQ(protocol.rows.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::vector<std::u16string> expected = valveListCells(rows[i], kGerman);
        // Temperatures only where a flow calculation gave the flow: the
        // second valve's 12,5 kW; elsewhere the dialog's defaults mean nothing.
        if (rows[i].potenza == 0.0f)
            expected[7] = expected[8] = u"---";
        expected.resize(kListColumns + kSiteColumns);
        EXPECT_EQ(protocol.rows[i], expected) << i;
        EXPECT_EQ(protocol.marks.at(i), ProtocolMark::None) << i;
    }
    EXPECT_EQ(protocol.rows[1][7], u"70,00 (C)");
    EXPECT_EQ(protocol.printedLine, u"Gedruckt am 2025-03-14");
    EXPECT_EQ(protocol.toleranceLine, u"Toleranz des Durchflusses: ±10 %");
    EXPECT_EQ(protocol.summaryLine, u"Gemessene Ventile: 0, bestanden: 0, nicht bestanden: 0, nicht gemessen: 6");
}

TEST(CommissioningProtocol, MeasuredValvesShowMeasurementDeviationAndResultBesideTheDesign)
{
    const std::vector<ProjectRow> rows = rowsOfEachKind();
    const std::vector<MeasurementRow> measurements{
        measurementOf(rows[0], 0.52f, MeasurementVerdict::None),           // +4 %: passed
        measurementOf(rows[2], 600.0f, MeasurementVerdict::Sufficient),    // -16,67 %: failed
        measurementOf(rows[4], 3.0f, MeasurementVerdict::Insufficient),    // flow right, pressure not
    };
    const CommissioningProtocol protocol =
        commissioningProtocol(u"Schule", u"Stadt", kGerman, rows, measurements, u"2026-12-10");
    const auto site = [&](std::size_t row) {
        return std::vector<std::u16string>(protocol.rows[row].begin() + kListColumns, protocol.rows[row].end());
    };
    EXPECT_EQ(site(0), (std::vector<std::u16string>{u"12,50 (kPa)", u"2,50", u"0,52 (l/s)", u"+4,00", u"Bestanden",
                                                    u"2026-12-10", u""}));
    EXPECT_EQ(site(2), (std::vector<std::u16string>{u"12,50 (kPa)", u"2,50", u"600,00 (l/h)", u"-16,67",
                                                    u"Nicht bestanden\nOK", u"2026-12-10", u""}));
    EXPECT_EQ(site(4)[4], u"Nicht bestanden\ndP nicht ausreichend");
    EXPECT_EQ(site(1), std::vector<std::u16string>(kSiteColumns));
    EXPECT_EQ(protocol.marks, (std::vector<ProtocolMark>{ProtocolMark::Passed, ProtocolMark::None,
                                                         ProtocolMark::Failed, ProtocolMark::None,
                                                         ProtocolMark::Failed, ProtocolMark::None}));
    EXPECT_EQ(protocol.summaryLine, u"Gemessene Ventile: 3, bestanden: 1, nicht bestanden: 2, nicht gemessen: 3");
}

TEST(CommissioningProtocol, SignOffCarriesWhatWasEnteredAndLeavesTheRestToTheHand)
{
    ProtocolSignOff signOff;
    signOff.engineer = u"Anna Berg";
    signOff.remarks = u"Strang 3 nachregeln";
    signOff.client = u"Stadtwerke";
    const CommissioningProtocol protocol =
        commissioningProtocol(u"Nord\r\nBau 2", u"Müller\nGmbH", kGerman, {}, {}, u"2026-12-10", signOff);
    ASSERT_EQ(protocol.signOffFields.size(), 6u);
    EXPECT_EQ(protocol.signOffFields[0], (std::pair<std::u16string, std::u16string>{u"Datum der Inbetriebnahme", u""}));
    EXPECT_EQ(protocol.signOffFields[1], (std::pair<std::u16string, std::u16string>{u"Techniker", u"Anna Berg"}));
    EXPECT_EQ(protocol.signOffFields[5].second, u"Strang 3 nachregeln");
    ASSERT_EQ(protocol.signatures.size(), 2u);
    EXPECT_EQ(protocol.signatures[0].party, u"Auftragnehmer");
    EXPECT_EQ(protocol.signatures[0].name, u"");
    EXPECT_EQ(protocol.signatures[1].name, u"Stadtwerke");
    // A name with line breaks stays on the one line of the page's head.
    EXPECT_EQ(protocol.projectLine, u"Projekt: Nord Bau 2");
    EXPECT_EQ(protocol.customerLine, u"Kunde: Müller GmbH");
}

TEST(CommissioningProtocol, PageCounterReadsInTheProtocolsLanguage)
{
    EXPECT_EQ(protocolPageCounter(kGerman, 2, 8), u"Seite 2 von 8");
    EXPECT_EQ(protocolPageCounter(kRussian, 10, 12), u"Страница 10 из 12");
}

} // namespace
