#pragma once
#include "core/service.h"

namespace qor {

// Care units, numbered 1..n in source order, with their contacts and
// addresses. The desktop unit id travels in sigla_uni for later services.
class TUnidade final : public TServiceBase {
public:
    explicit TUnidade(TProviderConnection& AProvider);

    std::string Converter() override;
    std::vector<TWebTarget> WebTargets() const override;

    // tipo_uni for a unit's desktop type and name.
    static int TipoUnidade(const std::string& ATipo, const std::string& ANome);
    // classifica_uni: 1 for the living-together ("convivência") centres.
    static int Classificacao(const std::string& ANome);
};

}  // namespace qor
