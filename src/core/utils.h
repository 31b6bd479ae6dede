#pragma once
// Helpers shared by the conversion services.

#include <memory>
#include <string>

#include "core/master_detail.h"
#include "core/query.h"

namespace qor {

class TUtils {
public:
    // Links AQryDetail to the current row of AQryMaster on the key fields
    // (";"-separated; ADetailField empty = named like the master's). The
    // caller owns the link; freeing it ends the link.
    static std::unique_ptr<TMasterDetailLink> CreateMasterDetail(TQuery& AQryMaster, TQuery& AQryDetail,
                                                                 const std::string& AMasterField,
                                                                 const std::string& ADetailField);

    // "Maria da Silva" -> "maria.silva": first and last word, lower case by
    // the pt-BR rules; a one-word name is returned unchanged, an empty name
    // gives an empty login.
    static std::string GerarLoginUsuario(const std::string& ANome);

    // A new GUID as 32 upper-case hexadecimal digits.
    static std::string GetNewGUID();
};

}  // namespace qor
