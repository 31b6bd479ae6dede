#include "core/utils.h"

#include "core/guid_utils.h"
#include "text/string_utils.h"

namespace qor {

std::unique_ptr<TMasterDetailLink> TUtils::CreateMasterDetail(TQuery& AQryMaster, TQuery& AQryDetail,
                                                              const std::string& AMasterField,
                                                              const std::string& ADetailField) {
    return std::make_unique<TMasterDetailLink>(AQryMaster, AQryDetail, AMasterField, ADetailField);
}

std::string TUtils::GerarLoginUsuario(const std::string& ANome) {
    // Pieces are cut at every single space, so "Ana Maria " ends in an
    // empty piece and gives "ana.".
    const std::size_t first_end = ANome.find(' ');
    if (first_end == std::string::npos) return ANome;
    const std::string first = ANome.substr(0, first_end);
    const std::string last = ANome.substr(ANome.rfind(' ') + 1);
    return TStringUtils::LowerCase(first + "." + last);
}

std::string TUtils::GetNewGUID() { return TGUIDUtils::GetNewGUID(); }

}  // namespace qor
