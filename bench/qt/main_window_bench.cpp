// Timing of the main window offscreen: start-up to the first painted window
// next to a bare dialog of the same size shown and painted; the page refresh;
// a candidate list of 30 rows; adding a valve to a list of 10,000 rows
// with the reload and the refill of the list view, next to the bare
// statements it sends; and a keystroke beside such a list.

#include "app/app_state.h"
#include "bench/bench_catalogue.h"
#include "db/product_db.h"
#include "db/valve_list_store.h"
#include "qt/resources/register_application_fonts.h"
#include "windows/main/main_window_ids.h"
#include "qt/host/program_window.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

namespace fs = std::filesystem;
using namespace MainWindowId;

namespace {

constexpr int kListRows = 10000;

// A working folder with the catalogue (and, for the valve list timings, a
// valve list of 10,000 rows).
fs::path workingFolder(bool withLongList)
{
    static QTemporaryDir root;
    const fs::path folder = fs::path(root.path().toStdString()) / (withLongList ? "long" : "empty");
    const fs::path database = folder / "DB" / "mvd.db";
    if (fs::exists(database))
        return folder;
    fs::create_directories(database.parent_path());
    const std::string failure = writeBenchCatalogue(database);
    if (!failure.empty())
        std::cerr << failure << '\n';
    if (withLongList) {
        ProductDb db;
        db.open(database);
        sqlite3_exec(db.handle(), "BEGIN", nullptr, nullptr, nullptr);
        for (int i = 0; i < kListRows; ++i) {
            ProjectRow row;
            row.posizione = static_cast<std::uint16_t>(i + 1);
            row.nome_tipo = "Arvelo Quarz";
            row.dimensione = "DN 25";
            row.numero_di_materiale = "AR11-025-01";
            row.dP = 10.0f;
            row.portata = 0.5f;
            row.riferimento = "Heizkreis " + std::to_string(i);
            db.insertProject(row);
        }
        sqlite3_exec(db.handle(), "COMMIT", nullptr, nullptr, nullptr);
    }
    return folder;
}

// The program from start-up to its main window painted for the first time.
void BM_StartupToFirstPaintedWindow(benchmark::State& state)
{
    const fs::path folder = workingFolder(false);
    for (auto _ : state) {
        AppState appState;
        ProductDb db;
        ProgramWindow program(appState, db, false);
        program.start(folder);
        program.host().open();
        program.host().show();
        benchmark::DoNotOptimize(program.host().grab());
        program.host().hide();
    }
}
BENCHMARK(BM_StartupToFirstPaintedWindow)->Unit(benchmark::kMillisecond);

// The floor: an empty dialog of the main window's size, shown and painted.
void BM_BareDialogOfTheSameSizePainted(benchmark::State& state)
{
    for (auto _ : state) {
        QDialog dialog;
        dialog.resize(1280, 765);
        dialog.show();
        benchmark::DoNotOptimize(dialog.grab());
        dialog.hide();
    }
}
BENCHMARK(BM_BareDialogOfTheSameSizePainted)->Unit(benchmark::kMillisecond);

class OpenWindow {
public:
    explicit OpenWindow(bool withLongList) : program_(state_, db_, false)
    {
        program_.start(workingFolder(withLongList));
        program_.host().open();
    }
    CArveloCalcDlg& logic() { return program_.logic(); }
    MainWindowHost& host() { return program_.host(); }
    AppState& state() { return state_; }
    ProductDb& db() { return db_; }

private:
    AppState state_;
    ProductDb db_;
    ProgramWindow program_;
};

void BM_RefreshPage(benchmark::State& state)
{
    OpenWindow window(false);
    window.state().valveView = 3;
    for (auto _ : state)
        window.logic().refreshPage();
}
BENCHMARK(BM_RefreshPage)->Unit(benchmark::kMicrosecond);

// Thirty candidates into the list view, alternating two sets so that every
// round really rebuilds the rows.
void BM_CandidateListOfThirtyRowsShown(benchmark::State& state)
{
    OpenWindow window(false);
    std::vector<ListRow> sets[2];
    for (int set = 0; set < 2; ++set)
        for (int i = 0; i < 30; ++i)
            sets[set].push_back({i % 15, {u"", u"Arvelo Quarz", u"AR11-0" + std::u16string(1, u'0' + char16_t(set)),
                                          u"DN " + std::u16string(1, u'1' + char16_t(i % 9))}});
    int round = 0;
    for (auto _ : state) {
        window.logic().controls()[kCandidateList].rows = sets[round++ % 2];
        window.host().showModel();
    }
}
BENCHMARK(BM_CandidateListOfThirtyRowsShown)->Unit(benchmark::kMicrosecond);

// A valve list of 10,000 rows refilled in the view, alternating two lists
// that differ in their first row: what the view pays for a refill, which
// the cells off screen must not add to.
void BM_ValveListOfTenThousandRefilled(benchmark::State& state)
{
    OpenWindow window(true);
    const ListRows shownFirst = window.logic().controls()[kValveList].rows;
    ListRows other;
    for (std::size_t i = 0; i < shownFirst.size(); ++i) {
        ListRow row = shownFirst[i];
        if (i == 0)
            row.cells[13] = u"Anders";
        other.push_back(std::move(row));
    }
    const ListRows lists[2] = {shownFirst, other};
    int round = 0;
    for (auto _ : state) {
        window.logic().controls()[kValveList].rows = lists[++round % 2];
        window.host().showModel();
    }
}
BENCHMARK(BM_ValveListOfTenThousandRefilled)->Unit(benchmark::kMicrosecond);

// Adding a valve to a list of 10,000: the look-up, the numbering load, the
// insert, the reload and the refill of the list view; the list is put back
// afterwards without being timed.
void BM_AddValveToTenThousand(benchmark::State& state)
{
    OpenWindow window(true);
    window.logic().onClick(kStaticGroupButton);
    window.logic().onClick(kFirstTypeButton);
    window.logic().controls()[kFirstInput].text = u"0,5";
    window.logic().onTextChanged(kFirstInput);
    window.logic().calculate();
    window.host().showModel();
    int added = 0;
    for (auto _ : state) {
        window.logic().controls()[kDesignationField].text = u"Neu " + std::u16string(1, u'A' + char16_t(added++ % 26));
        window.logic().onClick(kAddButton);
        window.host().showModel();
        state.PauseTiming();
        window.db().deleteProject(static_cast<std::uint16_t>(kListRows + 1));
        window.state().projects.pop_back();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddValveToTenThousand)->Unit(benchmark::kMillisecond);

// One character typed into the flow field beside a valve list of 10,000
// rows: the key, the field change and the window shown again, which must
// not depend on the length of the list. The field is emptied untimed.
void BM_TypeIntoFlowFieldBesideTenThousand(benchmark::State& state)
{
    OpenWindow window(true);
    window.logic().onClick(kStaticGroupButton);
    window.logic().onClick(kFirstTypeButton);
    window.host().showModel();
    auto* field = qobject_cast<QLineEdit*>(window.host().control(kFirstInput));
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
        QApplication::sendEvent(field, &press);
        if (field->text().size() >= 8) {
            state.PauseTiming();
            field->selectAll();
            QKeyEvent erase(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
            QApplication::sendEvent(field, &erase);
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_TypeIntoFlowFieldBesideTenThousand)->Unit(benchmark::kMicrosecond);

// The statements alone: the look-up, loading 10,000 rows twice, the insert.
void BM_AddValveStatementsOnly(benchmark::State& state)
{
    OpenWindow window(true);
    ProjectRow row = window.state().projects.front();
    row.riferimento = "Neu";
    for (auto _ : state) {
        std::vector<ProjectRow> same, fresh, reloaded;
        window.db().findProjectsByDesignation(row.riferimento, same);
        window.db().loadProjects(fresh);
        row.posizione = nextPosition(fresh);
        window.db().insertProject(row);
        window.db().loadProjects(reloaded);
        state.PauseTiming();
        window.db().deleteProject(row.posizione);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddValveStatementsOnly)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    registerApplicationFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
