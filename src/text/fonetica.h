#pragma once
// The phonetic engine: the phonetic text of a person's name and its phonetic
// codes, as the web system stores and searches them (qor_pessoa
// .nome_fonetico_pes and qor_pessoa_fonetico). Names come in UTF-8.
//
// The engine keeps no state between calls; an instance may be shared by
// threads.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "text/codigo_fonetico_core.h"
#include "text/fonetica_core.h"
#include "text/fonetica_utils.h"

namespace qor::text {

class IFonetica {
public:
    virtual ~IFonetica() = default;
    // The phonetic text of a name ("CHAVES" -> "XAVI").
    virtual std::string ObterTextoFonetico(std::string_view ATexto) const = 0;
    // The phonetic text of a name, then one code of it.
    virtual std::string ObterCodigoFonetico(std::string_view ATexto) const = 0;
    // The phonetic text of a name, then its list of codes.
    virtual std::vector<std::string> ObterCodigosFoneticos(std::string_view ATexto) const = 0;
};

class TFonetica final : public IFonetica {
public:
    static std::shared_ptr<IFonetica> New();

    std::string ObterTextoFonetico(std::string_view ATexto) const override;
    std::string ObterCodigoFonetico(std::string_view ATexto) const override;
    std::vector<std::string> ObterCodigosFoneticos(std::string_view ATexto) const override;

private:
    TFoneticaCore FFoneticaCore;
    TCodigoFoneticoCore FCodigoFonetico;
    TFoneticaUtils FFoneticaUtils;
};

}  // namespace qor::text
