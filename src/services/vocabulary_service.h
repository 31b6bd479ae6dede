#pragma once
// Neighbourhoods, districts and regions share one shape: one desktop column
// copied, row by row in source order, into one column of a web table.

#include <string>
#include <vector>

#include "core/service.h"

namespace qor {

struct TVocabularyMapping {
    const char* source_sql;
    const char* source_column;
    const char* table;
    const char* column;
    const char* plural;         // "Bairros"
    const char* empty_message;  // returned when the source has no row
    // When set, the web key is the desktop key (key column included) and the
    // identity restarts past the highest one.
    const char* source_key = nullptr;
    const char* key = nullptr;
};

class TVocabularyService : public TServiceBase {
public:
    TVocabularyService(TProviderConnection& AProvider, std::string AModule, const TVocabularyMapping& AMapping);

    std::string Converter() override;
    std::vector<TWebTarget> WebTargets() const override;

private:
    const TVocabularyMapping& FMapping;
};

}  // namespace qor
