#include "services/endereco.h"

#include <string>
#include <unordered_map>
#include <unordered_set>

#include "core/dataset_factory.h"
#include "core/dataset_utils.h"
#include "core/generator_factory.h"
#include "db/error.h"
#include "db/value.h"

namespace qor {
namespace {

constexpr const char* kLogradouros = "select lgr.id_log, lgr.id_tlo_log, lgr.descricao_log from qor_logradouro lgr";
constexpr const char* kBairros = "select bai.id_bai, bai.descricao_bai from qor_bairro bai";
constexpr const char* kDistritos = "select dis.id_dis, dis.descricao_dis from qor_distrito dis";
constexpr const char* kMunicipios = "select mun.id_mun from qor_municipio mun";

// The home country's id in the web database.
constexpr int kPaisBrasil = 35;

// Description -> id of the first row with that exact description, in the
// order the lookup returned its rows.
std::unordered_map<std::string, std::int64_t> FirstIdByDescription(TQuery& ALookup, const char* AId,
                                                                   const char* ADescricao) {
    std::unordered_map<std::string, std::int64_t> index;
    index.reserve(ALookup.RecordCount());
    const TField id = ALookup.FieldByName(AId), descricao = ALookup.FieldByName(ADescricao);
    for (; !ALookup.Eof(); ALookup.Next()) index.emplace(descricao.AsString(), id.AsLargeInt());
    return index;
}

// A municipality code read as text and converted; 0 when it is not a number.
std::int64_t CodigoMunicipio(const TField& AField) {
    try {
        return db::Value::Text(AField.AsString()).AsInt64();
    } catch (const db::UsageError&) {
        return 0;
    }
}

// Postal codes are stored as their digits: the hyphen goes, and so do the
// dots of the "12.345-678" spelling, which would otherwise be kept as garbage.
std::string Cep(const std::string& ACep) {
    std::string out;
    for (char c : ACep)
        if (c != '-' && c != '.') out += c;
    return out;
}

}  // namespace

void TEndereco::Converter(TQuery& ACadastro, TQuery& AConsulta) {
    if (AConsulta.IsEmpty()) return;

    auto web = TDataSetFactory::GetInstance(&FProvider.ConWeb);
    const auto logradouros = FirstIdByDescription(web->OpenQuery(kLogradouros), "id_log", "descricao_log");
    const auto bairros = FirstIdByDescription(web->OpenQuery(kBairros), "id_bai", "descricao_bai");
    const auto distritos = FirstIdByDescription(web->OpenQuery(kDistritos), "id_dis", "descricao_dis");
    std::unordered_set<std::int64_t> municipios;
    for (TQuery& mun = web->OpenQuery(kMunicipios); !mun.Eof(); mun.Next())
        municipios.insert(mun.FieldByName("id_mun").AsLargeInt());

    const auto count = static_cast<std::int32_t>(AConsulta.RecordCount());
    std::int64_t id =
        TGenIdFactory::GetInstance(&FProvider.ConWeb)->FindByColumn("qor_endereco", "id_enr")->NextValue(count);

    const TField id_enr = AConsulta.FieldByName("id_enr"), de_logradouro = AConsulta.FieldByName("de_logradouro"),
                 desc_bairro = AConsulta.FieldByName("desc_bairro"), distrito = AConsulta.FieldByName("distrito"),
                 cd_municipio = AConsulta.FieldByName("cd_municipio"),
                 id_localizacao = AConsulta.FieldByName("id_localizacao"), endereco = AConsulta.FieldByName("endereco"),
                 bairro = AConsulta.FieldByName("bairro"), complemento = AConsulta.FieldByName("complemento"),
                 numero = AConsulta.FieldByName("numero"), cep = AConsulta.FieldByName("cep"),
                 referencia = AConsulta.FieldByName("referencia");
    auto param = [&](const char* name) { return ACadastro.ParamByName(name); };
    TParam p_id = param("id_enr"), p_log = param("id_log_enr"), p_bai = param("id_bai_enr"),
           p_dis = param("id_dis_enr"), p_mun = param("id_mun_enr"), p_reg = param("id_reg_enr"),
           p_pai = param("id_pai_enr"), p_ehnomun = param("ehnomunicipio_enr"), p_nome_log = param("nome_log_enr"),
           p_nome_bai = param("nome_bai_enr"), p_compl = param("complemento_enr"), p_num = param("numero_enr"),
           p_cep = param("cep_enr"), p_ref = param("ponto_referencia_enr");

    for (AConsulta.First(); !AConsulta.Eof(); AConsulta.Next(), --id) {
        const std::size_t i = TDataSetUtils::IncArraySize(ACadastro, 1);
        id_enr.SetValue(db::Value::Int(id));
        p_id.SetAsInteger(i, id);

        const std::string rua = de_logradouro.AsString(), nome_bairro = desc_bairro.AsString();
        if (auto it = logradouros.find(rua); it != logradouros.end()) p_log.SetAsInteger(i, it->second);
        if (auto it = bairros.find(nome_bairro); it != bairros.end()) p_bai.SetAsInteger(i, it->second);
        if (auto it = distritos.find(distrito.AsString()); it != distritos.end()) p_dis.SetAsInteger(i, it->second);

        if (const std::int64_t codigo = CodigoMunicipio(cd_municipio); municipios.contains(codigo))
            p_mun.SetAsInteger(i, codigo);
        if (cd_municipio.IsNull()) p_mun.SetAsInteger(i, FProvider.Municipio());

        if (!id_localizacao.IsNull()) p_reg.SetAsInteger(i, id_localizacao.AsLargeInt());
        p_pai.SetAsInteger(i, kPaisBrasil);
        p_ehnomun.SetAsString(i, "S");

        // Only one free-text name: the street when its description is empty,
        // else the neighbourhood when its description is empty.
        if (rua.empty())
            p_nome_log.SetAsString(i, endereco.AsString());
        else if (nome_bairro.empty())
            p_nome_bai.SetAsString(i, bairro.AsString());

        p_compl.SetAsString(i, complemento.AsString());
        p_num.SetAsString(i, numero.AsString());
        p_cep.SetAsString(i, Cep(cep.AsString()));
        p_ref.SetAsString(i, referencia.AsString());
    }
}

std::vector<std::string> TEndereco::Colunas() {
    return {"id_enr",       "id_log_enr",        "id_bai_enr",   "id_dis_enr",   "id_mun_enr",
            "id_reg_enr",   "id_pai_enr",        "ehnomunicipio_enr", "nome_log_enr", "nome_bai_enr",
            "complemento_enr", "numero_enr",     "cep_enr",      "ponto_referencia_enr"};
}

}  // namespace qor
