#pragma once
#include "core/service.h"

namespace qor {

// Street types, numbered 1..n in source order, and the streets that point
// at them by type description.
class TLogradouro final : public TServiceBase {
public:
    explicit TLogradouro(TProviderConnection& AProvider);

    std::string Converter() override;
    std::vector<TWebTarget> WebTargets() const override;
};

}  // namespace qor
