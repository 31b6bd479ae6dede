#pragma once
#include "services/vocabulary_service.h"

namespace qor {

// Districts, one web row per desktop row (duplicates stay).
class TDistrito final : public TVocabularyService {
public:
    explicit TDistrito(TProviderConnection& AProvider);
};

}  // namespace qor
