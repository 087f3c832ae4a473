#include "db/project_row.h"

#include "data/utf8_field.h"

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
