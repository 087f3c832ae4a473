#include "tests/valve_list/valve_list_rows.h"

namespace {

ProjectRow row(std::uint16_t posizione, const char* model, const char* size, const char* material, float dP,
               float portata, const char* designation, const char* flowUnit)
{
    ProjectRow r;
    r.posizione = posizione;
    r.nome_tipo = model;
    r.dimensione = size;
    r.numero_di_materiale = material;
    r.dP = dP;
    r.portata = portata;
    r.riferimento = designation;
    r.muP = "mbar";
    r.muQ = flowUnit;
    r.muPower = "kW";
    r.muTemp = "C";
    return r;
}

ProjectRow withResults(ProjectRow r, const char* presetting, const char* kv, const char* apertura)
{
    r.presetting = presetting;
    r.kv = kv;
    r.apertura = apertura;
    return r;
}

} // namespace

std::vector<ProjectRow> rowsOfEachKind()
{
    ProjectRow variable = withResults(row(2, "Arvelo Nodo", "DN 20", "AN-020", 150.0f, 0.25f, "Radiator 2.1", "l/s"),
                                      "2,50", "1,20", "62,00");
    variable.fluido = 2;
    variable.t_mandata = 70.0f;
    variable.t_ritorno = 50.0f;
    variable.potenza = 12.5f;
    return {
        withResults(row(1, "Arvelo Quarz", "DN 15", "AQ-015", 100.0f, 0.5f, "Heizkreis Süd", "l/s"), "3,70", "5,69",
                    "46,25"),
        variable,
        withResults(row(3, "Arvelo Flumen", "DN 25", "AF-025", 0.0f, 720.0f, "AHU 1", "l/h"), "4,00", "712,50", ""),
        row(4, "Arvelo Statra", "DN 32", "AS-032", 300.0f, 1.2f, "Riser A", "m3/h"),
        withResults(row(5, "Arvelo Flumen", "DN 15", "AF-015", 250.0f, 3.0f, "Check 1", "l/h"), "3,00", "OK", ""),
        withResults(row(6, "Arvelo Flumen", "DN 15", "AF-015", 80.0f, 3.0f, "Check 2", "l/h"), "3,00", "KO", ""),
    };
}
