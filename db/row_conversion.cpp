#include "db/row_conversion.h"

#include "db/row_reader.h"

FluidRow readFluidRow(const RowReader& row)
{
    FluidRow fluid;
    fluid.number = static_cast<std::int32_t>(row.integer(0));
    fluid.relativeDensity = row.real(1);
    fluid.specificHeat = static_cast<std::int32_t>(row.integer(2));
    fluid.density = static_cast<std::int32_t>(row.integer(3));
    return fluid;
}

ProjectRow readProjectRow(const RowReader& row)
{
    ProjectRow project;
    project.posizione = static_cast<std::uint16_t>(row.integer(0));
    project.nome_tipo = row.text(1, kProjectNameLength);
    project.dimensione = row.text(2, kProjectNameLength);
    project.numero_di_materiale = row.text(3, kProjectNameLength);
    project.dP = row.real(4);
    project.portata = row.real(5);
    project.fluido = static_cast<std::uint8_t>(row.integer(6));
    project.t_mandata = row.real(7);
    project.t_ritorno = row.real(8);
    project.potenza = row.real(9);
    project.presetting = row.text(10, kProjectValueTextLength);
    project.kv = row.text(11, kProjectValueTextLength);
    project.apertura = row.text(12, kProjectValueTextLength);
    project.riferimento = row.text(13, kProjectNameLength);
    project.muP = row.text(14, kProjectUnitLength);
    project.muQ = row.text(15, kProjectUnitLength);
    project.muPower = row.text(16, kProjectUnitLength);
    project.muTemp = row.text(17, kProjectUnitLength);
    return project;
}
