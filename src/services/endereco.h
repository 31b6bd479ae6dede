#pragma once
// The address writer: turns a row set of desktop addresses (one per owner:
// unit, family, professional or place) into rows of qor_endereco queued on
// the caller's insert statement, and writes each allocated id back into the
// caller's row (column id_enr). It never executes the insert.

#include "core/provider_connection.h"
#include "core/query.h"

namespace qor {

class TEndereco {
public:
    explicit TEndereco(TProviderConnection& AProvider) : FProvider(AProvider) {}

    // ACadastro: the caller's insert statement for qor_endereco (key column
    // included); AConsulta: the caller's open address rows. The ids come from
    // one block of the qor_endereco identity, handed out from the highest down.
    void Converter(TQuery& ACadastro, TQuery& AConsulta);

    // The qor_endereco columns the writer fills.
    static std::vector<std::string> Colunas();

private:
    TProviderConnection& FProvider;
};

}  // namespace qor
