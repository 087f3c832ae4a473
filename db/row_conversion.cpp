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

FobvRow readFobvRow(const RowReader& row)
{
    FobvRow fobv;
    fobv.model = row.text(0, kRowTextLength);
    fobv.kvMin = row.real(1);
    fobv.kvMax = row.real(2);
    fobv.presetStart = row.real(3);
    fobv.presetFullOpening = row.real(4);
    fobv.presetStep = row.real(5);
    fobv.nominalSize = row.text(6, kRowTextLength);
    fobv.technicalCode = row.text(7, kRowTextLength);
    fobv.kvs = row.real(8);
    fobv.imageKey = row.text(9, kRowTextLength);
    return fobv;
}

VobvRow readVobvRow(const RowReader& row)
{
    VobvRow vobv;
    vobv.technicalCode = row.text(0, kRowTextLength);
    vobv.model = row.text(1, kRowTextLength);
    vobv.kvMin = row.real(2);
    vobv.kvMax = row.real(3);
    vobv.presetStart = row.real(4);
    vobv.presetFullOpening = row.real(5);
    vobv.presetStep = row.real(6);
    vobv.nominalSize = row.text(7, kRowTextLength);
    vobv.imageKey = row.text(8, kRowTextLength);
    vobv.qMin = row.real(9);
    vobv.qMax = row.real(10);
    return vobv;
}

PicvRow readPicvRow(const RowReader& row)
{
    PicvRow picv;
    picv.model = row.text(0, kRowTextLength);
    picv.qMin = row.real(1);
    picv.qMax = row.real(2);
    picv.technicalCode = row.text(3, kRowTextLength);
    picv.fourthNumber = row.real(4);
    picv.nominalSize = row.text(5, kRowTextLength);
    picv.presetStart = row.real(6);
    picv.presetFull = row.real(7);
    picv.presetStep = row.real(8);
    picv.imageKey = row.text(9, kRowTextLength);
    return picv;
}

DpcvRow readDpcvRow(const RowReader& row)
{
    DpcvRow dpcv;
    dpcv.model = row.text(0, kRowTextLength);
    dpcv.qMin = row.real(1);
    dpcv.qMax = row.real(2);
    dpcv.dpMin = row.real(3);
    dpcv.dpMax = row.real(4);
    dpcv.technicalCode = row.text(5, kRowTextLength);
    dpcv.nominalSize = row.text(6, kRowTextLength);
    dpcv.imageKey = row.text(7, kRowTextLength);
    return dpcv;
}

namespace {

// Two key texts, then one value per position from column 2 on.
template <typename CurveRow>
CurveRow readCurveRow(const RowReader& row)
{
    CurveRow curve;
    curve.technicalCode = row.text(0, kRowTextLength);
    curve.model = row.text(1, kRowTextLength);
    for (std::size_t position = 0; position < curve.values.size(); ++position)
        curve.values[position] = row.real(static_cast<int>(position) + 2);
    return curve;
}

} // namespace

PresetRow readPresetRow(const RowReader& row) { return readCurveRow<PresetRow>(row); }
StartupRow readStartupRow(const RowReader& row) { return readCurveRow<StartupRow>(row); }

ProjectRow readProjectRow(const RowReader& row)
{
    ProjectRow project;
    project.posizione = static_cast<std::uint16_t>(row.integer(0));
    project.nome_tipo = row.text(1, kProjectNameLength);
    project.dimensione = row.text(2, kProjectNameLength);
    project.numero_di_materiale = row.text(3, kProjectNameLength);
    project.dP = row.storedNumber(4);
    project.portata = row.storedNumber(5);
    project.fluido = static_cast<std::uint8_t>(row.integer(6));
    project.t_mandata = row.storedNumber(7);
    project.t_ritorno = row.storedNumber(8);
    project.potenza = row.storedNumber(9);
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
