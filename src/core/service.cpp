#include "core/service.h"

namespace qor {
namespace {

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

}  // namespace

TServiceBase::TServiceBase(TProviderConnection& AProvider, std::string AModule)
    : FProvider(AProvider), FModulo(std::move(AModule)) {}

std::string TServiceBase::NomeDoModulo(const std::string& AModule) {
    std::string nome = AModule;
    ReplaceAll(nome, "Services.", "");
    ReplaceAll(nome, ".", " ");
    return nome;
}

}  // namespace qor
