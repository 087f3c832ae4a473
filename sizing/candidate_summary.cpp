#include "sizing/candidate_summary.h"

CandidateSummary summaryOf(const FobvRow& row)
{
    return {row.model, row.technicalCode, row.nominalSize, row.imageKey, 0.0f, 0.0f};
}

CandidateSummary summaryOf(const VobvRow& row)
{
    return {row.model, row.technicalCode, row.nominalSize, row.imageKey, row.qMin, row.qMax};
}

CandidateSummary summaryOf(const PicvRow& row)
{
    return {row.model, row.technicalCode, row.nominalSize, row.imageKey, row.qMin, row.qMax};
}

CandidateSummary summaryOf(const DpcvRow& row)
{
    return {row.model, row.technicalCode, row.nominalSize, row.imageKey, row.qMin, row.qMax};
}
