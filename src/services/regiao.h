#pragma once
#include "services/vocabulary_service.h"

namespace qor {

// Regions. Addresses carry the desktop region id as their web region id, so
// each web region keeps its desktop id as its key.
class TRegiao final : public TVocabularyService {
public:
    explicit TRegiao(TProviderConnection& AProvider);
};

}  // namespace qor
