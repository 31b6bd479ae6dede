#include "core/run_record.h"

#include <ctime>
#include <fstream>

#include <nlohmann/json.hpp>

#include <stdexcept>

namespace qor {
namespace {

using nlohmann::json;

std::tm Local(std::chrono::system_clock::time_point AWhen) {
    const std::time_t t = std::chrono::system_clock::to_time_t(AWhen);
    std::tm local{};
    localtime_r(&t, &local);
    return local;
}

std::string Format(std::chrono::system_clock::time_point AWhen, const char* AFormat) {
    const std::tm local = Local(AWhen);
    char text[64];
    std::strftime(text, sizeof text, AFormat, &local);
    return text;
}

json Optional(const std::optional<std::string>& AText) { return AText ? json(*AText) : json(nullptr); }

const char* Resultado(TRunOutcome AOutcome) {
    switch (AOutcome) {
        case TRunOutcome::Clean: return "sucesso";
        case TRunOutcome::ServiceFailed: return "falha_servico";
        case TRunOutcome::ScriptFailed: return "falha_script";
    }
    return "";
}

json Relatorio(const TRunReport& AReport) {
    json scripts = json::array();
    for (const auto& s : AReport.scripts)
        scripts.push_back({{"nome", s.nome}, {"segundos", s.segundos}, {"falha", Optional(s.falha)}});
    json servicos = json::array();
    for (const auto& s : AReport.servicos)
        servicos.push_back({{"nome", s.nome},
                            {"mensagem", s.mensagem},
                            {"linhas", s.linhas ? json(*s.linhas) : json(nullptr)},
                            {"segundos", s.segundos},
                            {"falha", Optional(s.falha)}});
    return {{"inicio", Format(AReport.inicio, "%Y-%m-%dT%H:%M:%S%z")},
            {"fim", Format(AReport.fim, "%Y-%m-%dT%H:%M:%S%z")},
            {"municipio", {{"id", AReport.municipio}, {"descricao", AReport.descricaoMunicipio}}},
            {"resultado", Resultado(AReport.resultado)},
            {"mensagem_final", AReport.mensagemFinal},
            {"scripts", scripts},
            {"servicos", servicos}};
}

// A line may hold line breaks of its own (a batch error begins with one).
std::string Normalized(const std::string& ALine) {
    std::string text;
    for (std::size_t i = 0; i < ALine.size(); ++i)
        if (!(ALine[i] == '\r' && i + 1 < ALine.size() && ALine[i + 1] == '\n')) text += ALine[i];
    return text;
}

std::filesystem::path NewFolder(const std::filesystem::path& AParent, std::chrono::system_clock::time_point AStart) {
    const std::string name = "conversao-" + Format(AStart, "%Y%m%d-%H%M%S");
    std::filesystem::create_directories(AParent);
    std::filesystem::path folder = AParent / name;
    for (int n = 2; !std::filesystem::create_directory(folder); ++n)
        folder = AParent / (name + "-" + std::to_string(n));
    return folder;
}

void Write(const std::filesystem::path& AFile, const std::string& AText) {
    std::ofstream out(AFile, std::ios::binary);
    out << AText;
    out.close();
    if (!out) throw std::runtime_error("Não foi possível gravar " + AFile.string());
}

}  // namespace

std::filesystem::path WriteRunRecord(const TRunReport& AReport, const std::filesystem::path& AParent) {
    const std::filesystem::path folder = NewFolder(AParent, AReport.inicio);
    std::string log;
    for (const auto& line : AReport.linhas) log += Normalized(line) + "\n";
    Write(folder / "log.txt", log);
    Write(folder / "relatorio.json", Relatorio(AReport).dump(2) + "\n");
    return folder;
}

}  // namespace qor
