// Each database made from its DDL holds every table and column that the
// conversion reads or writes, with the properties the conversion relies on.
// The expected names are kept here, apart from the DDL.

#include <gtest/gtest.h>

#include <set>

#include "core/schema_builder.h"
#include "db/error.h"
#include "db/statement.h"
#include "support/test_db.h"

namespace qor {
namespace {

using test::TempDatabase;

struct TableColumns {
    const char* table;
    const char* columns;  // separated by blanks
};

const TableColumns kDesktop[] = {
    {"agenda_atendimento", "id_agenda_atend id_unidade id_pessoa id_profissional data hora flag_ok observacao "
                           "id_atendimento id_atendimento_motivo"},
    {"agenda_visita", "id_agenda_visita id_unidade id_solicitante id_profissional data hora flag_ok observacao "
                      "id_visita id_prof_acomp id_familia id_motivo"},
    {"atend_mot_canc", "id_atend_mot_canc de_atend_mot_canc"},
    {"atendimento", "id_unidade id_atendimento id_pessoa id_profissional id_atendimento_motivo data hora "
                    "observacao parecer encaminhamento flag_bloqueado id_unidade_enc id_profissional_enc "
                    "id_atendimento_tipo"},
    {"atendimento_grupo", "id_unidade id_atendimento_grupo id_profissional id_atendimento_motivo data hora "
                          "observacao parecer id_atendimento_status encaminhamento flag_bloqueado "
                          "usuario_bloqueou hora_fim id_grupo_mutirao id_atend_mot_canc cancelado "
                          "data_cancelamento id_atend_mot_reat reativado data_reativacao foto1"},
    {"atendimento_grupo_pessoa", "id_unidade id_atendimento_grupo id_pessoa justificativa flag_presente "
                                 "flag_trab_inf flag_expl_s flag_ado_droga flag_adul_droga flag_migrante"},
    {"atendimento_motivo", "id_atendimento_motivo de_atendimento_motivo"},
    {"atendimento_status", "id_atendimento_status de_atendimento_status"},
    {"bairro", "id_bairro descricao"},
    {"beneficio", "id_beneficio descricao valor_beneficio observacao prazo tipo proxima status_proxima "
                  "flag_exige_complemento qtd_beneficio id_beneficio_grupo flag_ativo id_variavel_preco tipo_suas"},
    {"beneficio_pessoa", "id id_beneficio id_pessoa dt_recebeu valor id_profissional id_convenio id_status "
                         "id_requerimento id_ponto quantidade valor_unitario id_unidade id_atendimento complemento "
                         "renda_pessoa renda_familia renda_percapita_familia dt_alterou_status id_projeto "
                         "dt_cadastro dt_solicitacao hora origem_solicitacao id_municipio_origem "
                         "id_municipio_destino tipo_passagem flag_bloqueado usuario_bloqueou usuario "
                         "id_unidade_sol alerta_status observacao parecer"},
    {"cartorio", "cartorio cd_municipio titular substituto"},
    {"concessao", "id_concessao id_contrato data origem_recurso valor competencia tipo_concessao"},
    {"contrato", "id_contrato id_entidade dt_inicio dt_fim saldo quota processo id_unidade"},
    {"despesas", "id_familia valor id_tipo_despesa"},
    {"distrito", "id_distrito distrito"},
    {"documento_anexo", "id_anexo id_familia id_pessoa dt_anexou id_tipo_anexo numero pagina valor observacao "
                        "flag_digital id_unidade id_atendimento extensao id_encaminhamento"},
    {"domicilio", "id_familia id_situacao dt_cadastro"},
    {"entidade", "id_entidade nome fone flag_exclusivo cd_municipio endereco complemento id_bairro cep"},
    {"entidade_pessoa", "id_entidade id_pessoa flag_responsavel"},
    {"familia", "id_familia cd_municipio cd_familia endereco complemento bairro cep numero id_bairro "
                "id_logradouro referencia id_localizacao id_distrito latitude longitude renda dt_atualizacao "
                "renda_percapita observacao telefone_familia id_unidade endereco_fonetico dt_atualizar segmento "
                "area microarea familia dt_cadastro id_unidade_saude id_entrevistador ativa domicilio "
                "data_pesquisa forma_coleta form_principal form_avulso form_avulso2 form_suplem form_suplem1 "
                "form_suplem2 fone_contato contato_fone_contato email id_subdistrito unidade_territorial "
                "id_grau_carencia especificidade obs_especificidade"},
    {"itens", "id_item id_concessao nota_fiscal data_nota obs_nota empresa valor"},
    {"localizacao", "localizacao"},
    {"logradouro", "id_logradouro id_tipo_logradouro de_logradouro"},
    {"pessoa", "id_pessoa nome id_familia data_nascimento sexo id_parentesco pai mae nis dt_atualizacao "
               "id_estado_civil id_raca_cor observacao renda nmatricula cns flag_obito data_obito rg rg_orgao "
               "rg_uf rg_emissao carteira_trabalho carteira_serie carteira_emissao carteira_uf titulo_eleitor "
               "titulo_zona titulo_secao renda_aposentadoria renda_seguro renda_pensao renda_outras "
               "renda_emprego renda_pensao_cuidador renda_doacao renda_bpc renda_extra email "
               "id_tipo_responsavel responsavel livro folha termo data_emissao ncertidao flag_tipo "
               "nome_cartorio certidao_obito id_orientacao banco agencia conta id_nacionalidade "
               "municipio_nascimento flag_responsavel cpf telefone celular nim ativo nome_social dt_cadastro "
               "id_cartorio"},
    {"profissionais", "id_profissional nome data_nascimento sexo cd_ibge endereco bairro complemento fone "
                      "celular cargo cress nim cnpj rg cpf"},
    {"profissional_participante", "id_prof_participante id_unidade id_atendimento id_profissional "
                                  "id_atendimento_grupo"},
    {"profissional_unidade", "id_profissional id_unidade"},
    {"projeto", "id_projeto projeto descricao idade_de idade_ate flag_exclusivo flag_responsavel tipo renda_de "
                "renda_ate flag_considerar_renda flag_familiar flag_sexo flag_freq_escolar id_beneficio "
                "n_participantes dias_vigencia tipo_suas idade_m_de idade_m_ate flag_gerar_remessa"},
    {"projeto_familia_pessoa", "id_projeto id_pessoa dt_inicio dt_fim valor_projeto flag_espera data_espera "
                               "hora_espera id_unidade id_atendimento observacao obs_geral id_ponto "
                               "dt_ult_revisao dt_prox_revisao num_insc_espera id_situacao_lista_espera "
                               "observacao_espera"},
    {"prontuario_fisico", "id_unidade id_familia prontuario_fisico"},
    {"status", "id_status de_status"},
    {"tipo_anexo", "id_tipo_anexo"},
    {"tipo_despesa", "id_tipo_despesa de_tipo_despesa"},
    {"tipo_logradouro", "id_tipo_logradouro de_tipo_logradouro"},
    {"unidade", "id_unidade nome endereco complemento bairro telefone flag_prontuario responsavel cep "
                "email_unidade tipo n_identificador brasao cnpj id_municipio flag_ativa"},
    {"usuarios", "id_profissional"},
    {"visita_motivo", "id_visita_motivo de_visita_motivo"},
    {"visitas", "id_unidade id_visita id_entrevistado id_familia id_profissional data hora observacao parecer "
                "encaminhamento flag_bloqueado id_unidade_enc id_profissional_enc id_profissional_sec "
                "id_visita_motivo"},
};

const TableColumns kFotos[] = {
    {"anexos", "id_anexo anexo"},
    {"fotos", "id_pessoa foto1"},
};

const TableColumns kWeb[] = {
    {"qor_agenda", "id_agd descricao_agd status_agd prioridade_agd tipo_agd id_uni_agd observacao_agd id_prf_agd "
                   "id_prf_criou_agd dt_inicio_agd dt_fim_agd data_agd id_prf_ate_agd id_ate_agd"},
    {"qor_agenda_pessoa", "id_pes_agp id_agd_agp principal_agp"},
    {"qor_agenda_profissional", "id_agd_apr id_prf_apr"},
    {"qor_anotacao", "id_ano id_pro_ano tipo_ano data_ano id_ate_ano id_pbp_ano id_pre_ano id_agd_ano"},
    {"qor_atend_encaminhamento", "id_ate_aen tipo_aen id_dmd_aen status_aen id_uni_aen id_prf_aen"},
    {"qor_atend_encontros", "id_enc id_ate_enc dataencontr_enc horaencontro_enc"},
    {"qor_atend_encontrospresenca", "id_pre id_enc_pre id_pes_pre presente_pre motivoausencia_pre"},
    {"qor_atendimentos", "id_ate id_cnv id_uni_ate id_aac_ate data_ate tipolocalatendi_ate registro_ate nome_ate "
                         "tema_ate qtdparticipantes_ate tipo_acao_ate excluido_ate forma_ate metodo_ate "
                         "sigiloso_ate avaliacao_ate id_arq_ate status_avaliacao_ate"},
    {"qor_atendimentos_mse", "id_ate_mse"},
    {"qor_atendimentos_paefi", "id_ate_ape"},
    {"qor_atendimentos_pessoas", "id_ate_ape id_pes_ape dta_ini_ape"},
    {"qor_atendimentos_profis", "id_ate_apf id_prf_apf tipo_apf"},
    {"qor_bairro", "id_bai descricao_bai"},
    {"qor_cartorios", "id_car id_mun_car codigo_car cartorio_car titular_car"},
    {"qor_contr_conce_itens", "id_cco_cci tipo_doc_cci observacao_cci doc_dta_emissao_cci doc_razao_social_cci "
                              "doc_valor_total_cci doc_numero_cci"},
    {"qor_contr_concessao", "id_cco id_con_cco dta_cco valor_cco competencia_cco origem_recurso_cco "
                            "tipo_concessao_cco"},
    {"qor_contratos", "id_con id_loc_con id_uni_con processo_con dta_ini_con dta_fim_con quota_con saldo_con"},
    {"qor_demandas", "id_dmd descricao_dmd assunto_dmd ativo_dmd"},
    {"qor_distrito", "id_dis descricao_dis"},
    {"qor_domicilio", "id_dom inscriimobiliaria_dom datacadastro_dom ativo_dom tipo_dom tipo_moradia_dom id_enr_dom"},
    {"qor_endereco", "id_enr id_log_enr id_bai_enr id_dis_enr id_mun_enr id_reg_enr id_pai_enr ehnomunicipio_enr "
                     "nome_log_enr nome_bai_enr complemento_enr numero_enr cep_enr ponto_referencia_enr"},
    {"qor_estado", "id_est sigla_est"},
    {"qor_familia", "id_fam codigo_fam data_atualizacao_fam data_atualizar_fam data_cadastro_fam data_pesquisa_fam "
                    "observacao_fam ativa_fam id_arq_fam id_fam_cad_unico_fam despesa_fam renda_fam renda_percapta"},
    {"qor_familia_despesas", "id_tde_fde id_fam_fde valor_fde dta_fim_fde"},
    {"qor_familia_domicilio", "id_fdm id_fam_fdm id_dom_fdm dta_ini_fdm"},
    {"qor_familia_pessoa", "id_fpe id_fam_fpe id_pes_fpe obs_fpe referencia_fpe dta_ini_fpe id_fvi_fpe dta_fim_fpe"},
    {"qor_familia_unidades", "id_uni_fun id_fam_fun status_fun dta_ini_fun"},
    {"qor_locais", "id_loc id_dskp nome_loc tipo_loc natureza_loc parceria_loc ativo_loc descricao_loc id_enr_loc "
                   "id_resp_pes_loc"},
    {"qor_locais_contato", "id_loc_lco id_tco_lco contato_lco"},
    {"qor_logradouro", "id_log id_tlo_log descricao_log"},
    {"qor_municipio", "id_mun id_est_mun descricao_mun"},
    {"qor_pais", "id_pai descricao_pai"},
    {"qor_pessoa", "id_pes tipo_pes estrangeiro_pes documento_pes nome_pes nome_fonetico_pes status_pes codigo_pes "
                   "id_arq_pes id_arqfoto_pes id_pes_flx nis_cad_unico_pes dta_atual_cad_unico_pes"},
    {"qor_pessoa_certidao", "id_pes_pce id_car_pce tipo_pce modelo_pce folha_pce livro_pce termo_pce "
                            "dta_emissao_pce matricula_unica_pce"},
    {"qor_pessoa_conta", "id_pes_pcn id_ban_pcn agencia_pcn conta_pcn tipo_pcn observacao_pcn"},
    {"qor_pessoa_contato", "id_pes_pco id_tco_pco contato_pco observacao_pco"},
    {"qor_pessoa_endereco", "tipo_pen id_pes_pen id_enr_pen dta_inicio_pen"},
    {"qor_pessoa_fisica", "id_pes_pfi rg_pfi orgexprg_pfi dta_emissaorg_pfi inscreleitor_pfi zonaeleitor_pfi "
                          "secaoeleitor_pfi nrocarteiratrab_pfi seriecarteiratrab_pfi ufcarteiratrab_pfi "
                          "cartao_cns_pfi nis_pfi sexo_pfi estadocivil_pfi dtnasc_pfi cutis_pfi nome_social_pfi "
                          "orientacao_sexual_pfi genero_pfi nomemae_pfi nomepai_pfi refugiado_pfi "
                          "nacionalidade_pfi naturalidade_pfi falecido_pfi dta_falecimento_pfi pisnit_pfi "
                          "ccidadao_pfi emissaoeleitor_pfi reservista_pfi nrohabilitacao_pfi "
                          "dtvalidhabilitacao_pfi categhabilitacao_pfi escolaridade_pfi tiposanguineo_pfi "
                          "fatorrh_pfi nroregfuncpub_pfi rne_pfi sisc_pfi"},
    {"qor_pessoa_fonetico", "id_pes_fon codigo_fon"},
    {"qor_pessoa_renda", "id_pes_pre valor_pre id_tre_pre dta_fim_pre"},
    {"qor_profissional", "id_prf id_pes_prf cargo_prf matricula_prf perfil_prf conselho_prf nroconselho_prf "
                         "id_usr_prf unidade_atual_prf"},
    {"qor_profissional_unidade", "id_prf_pun id_uni_pun dta_inicio_pun"},
    {"qor_progra_beneficio", "id_pbn nome_pbn descricao_pbn tipo_pbn tipodestino_pbn esfera_pbn classificacao_pbn "
                             "ativo_pbn computorendapercapta_pbn limite_idade_pbn limite_sexo_pbn "
                             "limite_renda_pbn exclusivo_pbn familiar_pbn responsavel_pbn de_idade_pbn "
                             "de_renda_pbn ate_idade_pbn sexo_pbn ate_renda_pbn considera_renda_pbn id_pbn_pbn"},
    {"qor_prograbene_conce_itens", "id_pbc_pbi id_pbn_pbi dta_ini_pbi status_pbi observacao_pbi valorouqtd_pbi "
                                   "id_prf_pbi dta_fim_pbi"},
    {"qor_prograbene_concessao", "id_pbc id_uni_pbc id_pes_pbc data_pbc excluido_pbc id_fam_pbc"},
    {"qor_prograbene_cotas", "id_pbn_pbo quantidade_pbo porunidade_pbo periodicidade_pbo vigencia_inicio_pbo "
                             "vigencia_fim_pbo"},
    {"qor_prograbene_pessoa", "id_pbp id_pbn_pbp id_pes_pbp espera_pbp status_pbp dta_ini_pbp dta_fim_pbp id_uni_pbp"},
    {"qor_prontuario", "id_pro id_fam_pro id_pes_pro tipo_pro data_pro status_pro"},
    {"qor_prontuario_fisico", "id_uni_spf id_fam_spf prontuario_spf localizacao_spf"},
    {"qor_prontuario_profissional", "id_pro_ppr id_prf_ppr"},
    {"qor_prontuario_unidades", "id_pro_pun id_uni_pun dta_inicio_pun status_pun"},
    {"qor_regiao", "id_reg descricao_reg"},
    {"qor_tipo_contato", "id_tco tipo_tco"},
    {"qor_tipodespesa", "id_tde descricao_tde"},
    {"qor_tipologradouro", "id_tlo descricao_tlo"},
    {"qor_tiporenda", "id_tre computorendapercapta_tre"},
    {"qor_unidades", "id_uni nome_uni sigla_uni id_enr_uni ativo_uni tipo_uni classifica_uni atende_fds_uni "
                     "intervalo_agd_uni nro_identificador_uni id_org_cnv id_dbd_uni"},
    {"qor_unidades_contato", "id_uni_uco id_tco_uco contato_uco"},
};

const TableColumns kFileServer[] = {
    {"gr_arquivos", "cod_arq cod_pas_arq nome_arq descricao_arq conteudo_arq tamanho_arq hash_arq status_arq "
                    "uuid_arq temporario_arq oculto_arq download_arq alterar_arq excluir_arq ocerizar_arq "
                    "ocerizado_arq gerou_link_assinatura_arq excluido_arq content_type_arq"},
    {"gr_cadastro", "cod_cad origem_cad tabela_cad sistema_cad excluido_cad"},
    {"gr_pastas", "cod_pas cod_cad_pas descr_pas raiz_pas alterar_pas excluir_pas abrir_pas criar_pas upload_pas "
                  "file_size_pas login_inc_pas dta_inc_pas login_alt_pas dta_alt_pas oculto_pas status_pas"},
};

const TableColumns kPapyrant[] = {
    {"aut_usuario", "id_usr login_usr tipo_usr id_pes_usr senha_usr"},
    {"doc_configuracoes_itens", "id_itn valor_int_itn"},
    {"doc_pessoa", "id_pes tipo_pes status_pes documento_pes nome_pes nome_fonetico_pes"},
    {"doc_pessoa_contato", "id_pes_pco id_tco_pco contato_pco"},
    {"doc_pessoa_fisica", "id_pes_pfi rg_pfi orgexprg_pfi pisnit_pfi ccidadao_pfi inscreleitor_pfi "
                          "zonaeleitor_pfi secaoeleitor_pfi reservista_pfi nrocarteiratrab_pfi "
                          "seriecarteiratrab_pfi ufcarteiratrab_pfi nrohabilitacao_pfi categhabilitacao_pfi "
                          "nroregfuncpub_pfi sexo_pfi estadocivil_pfi escolaridade_pfi tiposanguineo_pfi cutis_pfi "
                          "nacionalidade_pfi naturalidade_pfi dtnasc_pfi emissaoeleitor_pfi dtvalidhabilitacao_pfi"},
    {"doc_tipo_contato", "id_tco descricao_tco mascara_tco tipo_tco"},
};

// Identity columns the conversion reserves blocks from or restarts.
const char* const kWebIdentities[] = {
    "qor_agenda.id_agd", "qor_atend_encontros.id_enc", "qor_atend_encontrospresenca.id_pre",
    "qor_atendimentos.id_ate", "qor_contr_concessao.id_cco", "qor_contratos.id_con", "qor_endereco.id_enr",
    "qor_familia.id_fam", "qor_locais.id_loc", "qor_pessoa.id_pes", "qor_profissional.id_prf",
    "qor_progra_beneficio.id_pbn", "qor_prograbene_concessao.id_pbc", "qor_prograbene_pessoa.id_pbp",
    "qor_tipodespesa.id_tde", "qor_tipologradouro.id_tlo", "qor_unidades.id_uni",
};

// Columns that the preparation script adds to a blank web database.
const char* const kWebCarriersAddedByTheRun[] = {
    "qor_familia.id_dskp", "qor_familia.id_prf_dskp", "qor_progra_beneficio.id_dskp", "qor_agenda.id_cnv",
    "qor_locais.id_cnv", "qor_pessoa.dskp_prf", "qor_pessoa.dskp_dt_cadastro", "qor_pessoa.id_pla",
    "qor_pessoa.id_dskp", "qor_pessoa.dskp_observacao", "qor_pessoa.dskp_flg_responsavel",
    "qor_pessoa.dskp_id_parentesco", "qor_pessoa.dskp_id_familia",
};

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::vector<std::vector<db::Value>> Rows(db::Connection& c, const std::string& sql) {
    return db::Select(c, db::ParseNamedParams(sql), {}).rows;
}

// "TABLE.COLUMN" of every user column.
std::set<std::string> UserColumns(db::Connection& c) {
    std::set<std::string> out;
    for (const auto& row : Rows(c, "select trim(rf.rdb$relation_name) || '.' || trim(rf.rdb$field_name) "
                                   "from rdb$relation_fields rf join rdb$relations r "
                                   "on r.rdb$relation_name = rf.rdb$relation_name "
                                   "where coalesce(r.rdb$system_flag, 0) = 0"))
        out.insert(row[0].AsString());
    return out;
}

std::set<std::string> Query(db::Connection& c, const std::string& sql) {
    std::set<std::string> out;
    for (const auto& row : Rows(c, sql)) out.insert(row[0].AsString());
    return out;
}

struct SchemaCase {
    SchemaKind kind;
    const TableColumns* tables;
    std::size_t count;
};

class EachSchema : public ::testing::TestWithParam<SchemaCase> {
protected:
    void SetUp() override {
        database_ = std::make_unique<TempDatabase>(std::string("schema-") + std::string(SchemaName(GetParam().kind)));
        connection_ = database_->Connect();
        ApplySchema(*connection_, GetParam().kind);
    }

    std::unique_ptr<TempDatabase> database_;
    std::unique_ptr<db::Connection> connection_;
};

TEST_P(EachSchema, HasEveryTableAndColumnTheConversionNames) {
    const std::set<std::string> present = UserColumns(*connection_);
    for (std::size_t t = 0; t < GetParam().count; ++t) {
        std::istringstream columns(GetParam().tables[t].columns);
        for (std::string column; columns >> column;) {
            const std::string name = Upper(std::string(GetParam().tables[t].table) + "." + column);
            EXPECT_TRUE(present.count(name)) << name << " is missing";
        }
    }
}

// Inserts name every column and may write 0, -1 or 1899-12-30 anywhere.
TEST_P(EachSchema, LetsInsertsNameEveryColumn) {
    EXPECT_EQ(Query(*connection_, "select trim(rf.rdb$relation_name) || '.' || trim(rf.rdb$field_name) "
                                  "from rdb$relation_fields rf join rdb$fields f "
                                  "on f.rdb$field_name = rf.rdb$field_source "
                                  "where coalesce(rf.rdb$system_flag, 0) = 0 and f.rdb$computed_blr is not null"),
              std::set<std::string>{})
        << "computed columns";
    EXPECT_EQ(Query(*connection_, "select trim(rdb$relation_name) || ' ' || trim(rdb$constraint_type) "
                                  "from rdb$relation_constraints "
                                  "where rdb$constraint_type in ('CHECK', 'FOREIGN KEY')"),
              std::set<std::string>{})
        << "check and foreign-key constraints";
    // Only key columns refuse NULL.
    EXPECT_EQ(Query(*connection_, "select trim(rf.rdb$relation_name) || '.' || trim(rf.rdb$field_name) "
                                  "from rdb$relation_fields rf join rdb$relations r "
                                  "on r.rdb$relation_name = rf.rdb$relation_name "
                                  "where coalesce(r.rdb$system_flag, 0) = 0 and rf.rdb$null_flag = 1 "
                                  "and not exists (select 1 from rdb$relation_constraints rc "
                                  "join rdb$index_segments s on s.rdb$index_name = rc.rdb$index_name "
                                  "where rc.rdb$relation_name = rf.rdb$relation_name "
                                  "and rc.rdb$constraint_type = 'PRIMARY KEY' "
                                  "and s.rdb$field_name = rf.rdb$field_name)"),
              std::set<std::string>{})
        << "NOT NULL columns outside the keys";
    // Services supply keys for identity columns: GENERATED BY DEFAULT only.
    EXPECT_EQ(Query(*connection_, "select trim(rdb$relation_name) || '.' || trim(rdb$field_name) "
                                  "from rdb$relation_fields where rdb$identity_type = 0"),
              std::set<std::string>{})
        << "GENERATED ALWAYS identities";
}

INSTANTIATE_TEST_SUITE_P(
    Databases, EachSchema,
    ::testing::Values(SchemaCase{SchemaKind::Desktop, kDesktop, std::size(kDesktop)},
                      SchemaCase{SchemaKind::Fotos, kFotos, std::size(kFotos)},
                      SchemaCase{SchemaKind::Web, kWeb, std::size(kWeb)},
                      SchemaCase{SchemaKind::FileServer, kFileServer, std::size(kFileServer)},
                      SchemaCase{SchemaKind::Papyrant, kPapyrant, std::size(kPapyrant)}),
    [](const auto& info) { return std::string(SchemaName(info.param.kind)); });

class WebSchema : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        database_ = new TempDatabase("schema-web");
        auto c = database_->Connect();
        ApplySchema(*c, SchemaKind::Web);
    }
    static void TearDownTestSuite() { delete database_; }
    void SetUp() override { connection_ = database_->Connect(); }

    static TempDatabase* database_;
    std::unique_ptr<db::Connection> connection_;
};
TempDatabase* WebSchema::database_ = nullptr;

TEST_F(WebSchema, KeysTheConversionNumbersAreIdentityColumns) {
    const std::set<std::string> identities =
        Query(*connection_, "select lower(trim(rdb$relation_name) || '.' || trim(rdb$field_name)) "
                            "from rdb$relation_fields where rdb$generator_name is not null");
    for (const char* column : kWebIdentities) EXPECT_TRUE(identities.count(column)) << column;
    // Detail tables are written with the identity skipped: each needs one.
    const std::set<std::string> without_identity =
        Query(*connection_, "select lower(trim(r.rdb$relation_name)) from rdb$relations r "
                            "where coalesce(r.rdb$system_flag, 0) = 0 and not exists (select 1 "
                            "from rdb$relation_fields rf where rf.rdb$relation_name = r.rdb$relation_name "
                            "and rf.rdb$generator_name is not null)");
    EXPECT_EQ(without_identity, (std::set<std::string>{"qor_estado", "qor_municipio", "qor_pais",
                                                        "qor_pessoa_fisica", "qor_tipo_contato", "qor_tiporenda"}));
}

TEST_F(WebSchema, IsReadyForThePreparationAndFinishingScripts) {
    const std::set<std::string> present = UserColumns(*connection_);
    for (const char* column : kWebCarriersAddedByTheRun) EXPECT_FALSE(present.count(Upper(column))) << column;
    EXPECT_TRUE(present.count("QOR_LOCAIS.ID_DSKP"));
    // Field types: 8 integer, 12 date, 37 varchar, 14 char.
    const auto domains = Rows(*connection_, "select lower(trim(rdb$field_name)), rdb$field_type, "
                                            "coalesce(rdb$character_length, 0) from rdb$fields "
                                            "where rdb$field_name in ('SINT', 'DATA', 'VC200', 'CH1') "
                                            "order by 1");
    ASSERT_EQ(domains.size(), 4u);
    const std::tuple<std::string, int, int> expected[] = {{"ch1", 14, 1}, {"data", 12, 0}, {"sint", 8, 0},
                                                          {"vc200", 37, 200}};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(std::make_tuple(domains[i][0].AsString(), domains[i][1].AsInteger(), domains[i][2].AsInteger()),
                  expected[i]);
    // Desktop ids pass through the carriers and id_cnv (visits + 1000000).
    connection_->ExecSQL("alter table qor_pessoa add id_dskp sint");
    connection_->ExecSQL("insert into qor_pessoa (id_pes, id_dskp) values (1, 100000)");
    connection_->ExecSQL("insert into qor_atendimentos (id_ate, id_cnv) values (1, 1099999)");
    EXPECT_EQ(Rows(*connection_, "select id_dskp from qor_pessoa")[0][0].AsInteger(), 100000);
}

}  // namespace
}  // namespace qor
