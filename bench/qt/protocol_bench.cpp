// Timing of the commissioning protocol: a valve list of 10,000 valves, every
// other one measured, drawn as a PDF offscreen; the document's size is
// reported beside the time.

#include "qt/resources/register_application_fonts.h"
#include "commissioning/commissioning_protocol.h"
#include "qt/host/qt_protocol_printer.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

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
            list.measurements.push_back(measured);
        }
    }
    return list;
}

void protocolPdf(benchmark::State& state)
{
    const ValveList list = valveList(static_cast<int>(state.range(0)));
    const CommissioningProtocol protocol =
        commissioningProtocol(u"Schule Nord", u"Stadtwerke", 3, list.rows, list.measurements, u"2026-12-10");
    QtProtocolPrinter printer;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string pdf = printer.protocolPdf(protocol).value_or(std::string());
        bytes = pdf.size();
        benchmark::DoNotOptimize(pdf.data());
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
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
