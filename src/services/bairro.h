#pragma once
#include "services/vocabulary_service.h"

namespace qor {

// Neighbourhoods, made distinct by description.
class TBairro final : public TVocabularyService {
public:
    explicit TBairro(TProviderConnection& AProvider);
};

}  // namespace qor
