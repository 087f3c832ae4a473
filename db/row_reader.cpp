#include "db/row_reader.h"

#include "data/number_text.h"
#include "data/utf8_field.h"

#include <cmath>

bool RowReader::isNull(int column) const
{
    return column < 0 || column >= count_ || values_[column] == nullptr;
}

std::string RowReader::text(int column, std::size_t maxBytes) const
{
    return isNull(column) ? std::string() : truncateUtf8(values_[column], maxBytes);
}

float RowReader::real(int column) const
{
    return isNull(column) ? 0.0f : narrowToFloat(parseCDouble(values_[column]));
}

float RowReader::storedNumber(int column) const
{
    return !isNull(column) && isWholeCDecimal(values_[column]) ? real(column) : NAN;
}

std::int64_t RowReader::integer(int column) const
{
    return isNull(column) ? 0 : parseCInteger(values_[column]);
}
