#include "db/project_row.h"

#include "data/utf8_field.h"

#include <cmath>
#include <tuple>

ProjectRow fittedToFields(ProjectRow row)
{
    for (std::string* name : {&row.nome_tipo, &row.dimensione, &row.numero_di_materiale, &row.riferimento})
        *name = truncateUtf8(*name, kProjectNameLength);
    for (std::string* value : {&row.presetting, &row.kv, &row.apertura})
        *value = truncateUtf8(*value, kProjectValueTextLength);
    for (std::string* unit : {&row.muP, &row.muQ, &row.muPower, &row.muTemp})
        *unit = truncateUtf8(*unit, kProjectUnitLength);
    return row;
}

namespace {

bool sameNumber(float a, float b) { return a == b || (std::isnan(a) && std::isnan(b)); }

} // namespace

bool sameStoredRow(const ProjectRow& a, const ProjectRow& b)
{
    const auto texts = [](const ProjectRow& r) {
        return std::tie(r.posizione, r.nome_tipo, r.dimensione, r.numero_di_materiale, r.fluido, r.presetting, r.kv,
                        r.apertura, r.riferimento, r.muP, r.muQ, r.muPower, r.muTemp);
    };
    return texts(a) == texts(b) && sameNumber(a.dP, b.dP) && sameNumber(a.portata, b.portata) &&
           sameNumber(a.t_mandata, b.t_mandata) && sameNumber(a.t_ritorno, b.t_ritorno) &&
           sameNumber(a.potenza, b.potenza);
}
