// Timing of the commissioning protocol: a valve list of 10,000 valves, every
// other one measured, every fourth twice (an appendix of earlier readings)
// and failing its flow (a presetting to set on the fitter's page), drawn as
// a PDF offscreen; the document's size and the process's peak memory are
// reported beside the time.

#include "qt/resources/register_application_fonts.h"
#include "commissioning/commissioning_protocol.h"
#include "qt/host/qt_protocol_printer.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct ValveList {
    std::vector<ProjectRow> rows;
    std::vector<MeasurementRow> measurements;
};

ValveList valveList(int count)
{
    ValveList list;
    for (int i = 1; i <= count; ++i) {
        ProjectRow row;
        row.posizione = static_cast<std::uint16_t>(i);
        row.nome_tipo = "Arvelo Quarz";
        row.dimensione = "DN 25";
        row.numero_di_materiale = "AR11-025-01";
        row.dP = 100.0f;
        row.portata = 0.5f;
        row.muP = "mbar";
        row.muQ = "l/s";
        row.presetting = "3,70";
        row.kv = "5,70";
        row.apertura = "46,25";
        row.riferimento = "Heizkreis " + std::to_string(i) + " Ost";
        list.rows.push_back(row);
        if (i % 2 == 0) {
            MeasurementRow measured;
            measured.posizione = row.posizione;
            measured.riferimento = row.riferimento;
            measured.dP = 98.0f;
            measured.muP = "mbar";
            measured.setting = "3,70";
            measured.flow = 0.47f + 0.01f * static_cast<float>(i % 9);
            measured.muQ = "l/s";
            measured.date = "2026-12-10";
            if (i % 4 == 0) {
                measured.date = "2026-12-09";
                list.measurements.push_back(measured);
                measured.flow = 0.62f;
                measured.date = "2026-12-10";
            }
            list.measurements.push_back(measured);
        }
    }
    return list;
}

// The listed valve's catalogue entry: Kv = 2 x (presetting - 0,4) on a scale
// from 0,5 to 4,0.
ValveFactsByCode catalogue()
{
    ValveFacts orifice;
    orifice.kind = MeasuredKind::FixedOrifice;
    orifice.kvs = 8.0f;
    orifice.dpMaximumKpa = 250.0f;
    orifice.hasCurve = true;
    for (int i = 0; i < 36; ++i)
        orifice.curve.values[i] = 0.2f * static_cast<float>(i + 1);
    orifice.presetStart = 0.5f;
    orifice.presetStep = 0.1f;
    return {{"AR11-025-01", orifice}};
}

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void protocolPdf(benchmark::State& state)
{
    const ValveList list = valveList(static_cast<int>(state.range(0)));
    const CommissioningProtocol protocol =
        commissioningProtocol(u"Schule Nord", u"Stadtwerke", 3, list.rows, list.measurements, u"2026-12-10", {},
                              catalogue());
    QtProtocolPrinter printer;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string pdf = printer.protocolPdf(protocol).value_or(std::string());
        bytes = pdf.size();
        benchmark::DoNotOptimize(pdf.data());
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["peak_MB"] = peakMegabytes();
    state.counters["fitter_rows"] = static_cast<double>(protocol.fitterSettings.rows.size());
    state.counters["earlier_rows"] = static_cast<double>(protocol.earlierReadings.rows.size());
}
BENCHMARK(protocolPdf)->Arg(120)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    registerApplicationFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
