#include "core/dataset_utils.h"

#include "db/error.h"

namespace qor {

std::size_t TDataSetUtils::IncArraySize(TQuery& AQuery, std::size_t AValue) {
    const std::size_t before = AQuery.ArraySize();
    AQuery.SetArraySize(before + AValue);
    return before;
}

bool TDataSetUtils::ExecutarArrayDML(TQuery& AQuery, const std::string& AErrorHelp) {
    if (AQuery.ArraySize() == 0) return true;
    try {
        return AQuery.ExecuteBatch() == AQuery.ArraySize();
    } catch (const db::UsageError&) {
        throw;  // a fault of the caller, not of the data
    } catch (const db::Error& e) {
        throw db::Error(AErrorHelp + "\r\n" + e.what(), e.Sql());
    }
}

bool TDataSetUtils::ExecutarArrayDML(const std::vector<TQuery*>& AQuerys) {
    for (TQuery* query : AQuerys)
        if (!ExecutarArrayDML(*query, std::string())) return false;
    return true;
}

bool TDataSetUtils::ExecutarArrayDML(TQuery& AQuery, int AMinArraySize) {
    if (static_cast<long long>(AQuery.ArraySize()) < AMinArraySize) return true;
    const bool ok = ExecutarArrayDML(AQuery, std::string());
    AQuery.SetArraySize(0);
    return ok;
}

}  // namespace qor
