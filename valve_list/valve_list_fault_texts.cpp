#include "valve_list/valve_list_fault_texts.h"

#include "data/text_format.h"
#include "data/text_table.h"
#include "db/product_db.h"

std::u16string databaseFailureText(int languageIndex, int textId, const DbFailure& failure)
{
    // The reasons by the database's result code; a file swapped under the
    // program is our own finding.
    struct Reason {
        int code;
        int textId;
    };
    using namespace ValveListFaultText;
    static constexpr Reason kReasons[] = {
        {SQLITE_BUSY, kReasonBusy},         {SQLITE_LOCKED, kReasonBusy},    {SQLITE_READONLY, kReasonReadOnly},
        {SQLITE_PERM, kReasonReadOnly},     {SQLITE_CANTOPEN, kReasonReadOnly}, {SQLITE_FULL, kReasonDiskFull},
        {SQLITE_CORRUPT, kReasonDamaged},   {SQLITE_NOTADB, kReasonDamaged},
    };
    int reason = failure.fileReplaced ? kFileReplaced : kReasonOther;
    for (const Reason& known : kReasons)
        if (!failure.fileReplaced && known.code == failure.code)
            reason = known.textId;
    return formatText(TextTable::text(languageIndex, textId), {std::u16string(TextTable::text(languageIndex, reason))});
}
