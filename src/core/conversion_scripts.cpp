// The preparation and finishing scripts that frame every run. Each statement
// runs outside the services' transactions and commits on its own, so the
// desktop repairs and the web carriers stay even if the run fails later.

#include "core/carriers.h"
#include "core/provider_connection.h"
#include "core/query.h"
#include "core/web_catalog.h"
#include "db/error.h"

namespace qor {
namespace {

// B1: an entity with exactly one linked person has that person as responsible.
constexpr const char* kResponsavelEntidadeSQL = R"(execute block as
declare variable id_ent integer;
begin
  for select ent.id_entidade
      from entidade ent
      inner join entidade_pessoa epe on epe.id_entidade = ent.id_entidade
      group by ent.id_entidade
      having count(epe.id_pessoa) = 1
      into :id_ent
  do
    update entidade_pessoa epe set epe.flag_responsavel = 'S' where epe.id_entidade = :id_ent;
end)";

// B2: the services read a person without nationality as Brazilian.
constexpr const char* kNacionalidadeSQL =
    R"(update pessoa pes set pes.id_nacionalidade = 10 where pes.id_nacionalidade is null)";

// B3: a family with exactly one person has that person as responsible.
constexpr const char* kResponsavelFamiliaSQL = R"(execute block as
declare variable id_fam integer;
begin
  for select fam.id_familia
      from familia fam
      inner join pessoa pes on pes.id_familia = fam.id_familia
      group by fam.id_familia
      having count(fam.id_familia) = 1
      into :id_fam
  do
    update pessoa pes set pes.flag_responsavel = 'S' where pes.id_familia = :id_fam;
end)";

// B4: expense types are rebuilt by the families service; the carriers of
// desktop ids are added. Desktop ids pass 32767 in a real city, so the id
// carriers are integers rather than the small-integer domain.
constexpr const char* kCarregadoresSQL = R"(execute block as
begin
  delete from qor_tipodespesa;
  execute statement 'alter table qor_tipodespesa alter column id_tde restart with 0';
  execute statement 'alter table qor_familia add id_dskp integer, add id_prf_dskp integer';
  execute statement 'alter table qor_progra_beneficio add id_dskp integer';
  execute statement 'alter table qor_agenda add id_cnv integer';
  execute statement 'alter table qor_locais add id_cnv integer';
  execute statement 'alter table qor_pessoa add dskp_prf integer, add dskp_dt_cadastro data, add id_pla integer, add id_dskp integer, add dskp_observacao vc200, add dskp_flg_responsavel ch1, add dskp_id_parentesco integer, add dskp_id_familia integer';
end)";

// B5: the demand that referrals point at.
constexpr const char* kDemandaSQL = R"(insert into qor_demandas (descricao_dmd, assunto_dmd, ativo_dmd)
values (:descricao_dmd, :assunto_dmd, :ativo_dmd))";

// B6 to B10, A6 to A8: recompute the selectivity of every index.
constexpr const char* kEstatisticasSQL = R"(execute block as
declare variable index_name varchar(31);
begin
  for select rdb$index_name from rdb$indices into :index_name
  do execute statement 'set statistics index ' || :index_name ;
end)";

// A1: an annotation without a case record gets one per person attended.
constexpr const char* kProntuarioAnotacaoSQL = R"(execute block as
declare variable id_ano integer;
declare variable id_ate integer;
declare variable id_pes integer;
declare variable id_pro integer;
begin
  for select ano.id_ano, ano.id_ate_ano, pes.id_pes
      from qor_anotacao ano
      inner join qor_atendimentos_pessoas ape on ape.id_ate_ape = ano.id_ate_ano
      inner join qor_pessoa pes on pes.id_pes = ape.id_pes_ape
      where ano.id_pro_ano is null
      into :id_ano, :id_ate, :id_pes
  do
  begin
    insert into qor_prontuario (id_pes_pro, tipo_pro, data_pro, status_pro)
    values (:id_pes, 1, current_date, 0) returning id_pro into :id_pro;
    update qor_anotacao ano set ano.id_pro_ano = :id_pro
    where ano.id_ano = :id_ano and
    ano.id_ate_ano = :id_ate;
  end
end)";

// A2: family money totals. Benefit income is added to a NULL personal income
// as to zero, so families living on benefits alone get an income; a family
// without current members has no per-capita income instead of a division by
// zero.
constexpr const char* kTotaisFamiliaSQL = R"(execute block as
begin
  update qor_familia fam set fam.despesa_fam =
    (select sum(fde.valor_fde) from qor_familia_despesas fde
     where fde.id_fam_fde = fam.id_fam and fde.dta_fim_fde is null);

  merge into qor_familia fam
  using (select fpe.id_fam_fpe, coalesce(sum(pre.valor_pre), 0) as valor
         from qor_familia_pessoa fpe
         inner join qor_pessoa_renda pre on pre.id_pes_pre = fpe.id_pes_fpe and pre.dta_fim_pre is null
         inner join qor_tiporenda tre on tre.id_tre = pre.id_tre_pre
         where fpe.dta_fim_fpe is null and
         tre.computorendapercapta_tre = 'S'
         group by fpe.id_fam_fpe) ren
  on ren.id_fam_fpe = fam.id_fam
  when matched then update set fam.renda_fam = ren.valor;

  merge into qor_familia fam
  using (select pbc.id_fam_pbc, sum(coalesce(pbi.valorouqtd_pbi,0)) as valor
         from qor_prograbene_concessao pbc
         inner join qor_prograbene_conce_itens pbi on pbi.id_pbc_pbi = pbc.id_pbc
         inner join qor_progra_beneficio pbn on pbn.id_pbn = pbi.id_pbn_pbi
         where pbi.dta_fim_pbi is null and
         pbi.status_pbi = 1 and
         pbn.computorendapercapta_pbn = 'S'
         group by pbc.id_fam_pbc) ben
  on ben.id_fam_pbc = fam.id_fam
  when matched then update set fam.renda_fam = coalesce(fam.renda_fam, 0) + ben.valor;

  merge into qor_familia fam
  using (select fpe.id_fam_fpe, sum(coalesce(pbi.valorouqtd_pbi,0)) as valor
         from qor_prograbene_concessao pbc
         inner join qor_familia_pessoa fpe on fpe.id_pes_fpe = pbc.id_pes_pbc and fpe.dta_fim_fpe is null
         inner join qor_prograbene_conce_itens pbi on pbi.id_pbc_pbi = pbc.id_pbc
         inner join qor_progra_beneficio pbn on pbn.id_pbn = pbi.id_pbn_pbi
         where pbi.dta_fim_pbi is null and
         pbi.status_pbi = 1 and
         pbn.computorendapercapta_pbn = 'S'
         group by fpe.id_fam_fpe) ben
  on ben.id_fam_fpe = fam.id_fam
  when matched then update set fam.renda_fam = coalesce(fam.renda_fam, 0) + ben.valor;

  update qor_familia fam set fam.renda_percapta = fam.renda_fam /
    nullif((select count(fpe.id_fpe) from qor_familia_pessoa fpe
            where fpe.dta_fim_fpe is null and
            fpe.id_fam_fpe = fam.id_fam), 0);
end)";

// A3: a family without a dwelling gets one from its registration date.
constexpr const char* kDomicilioFamiliaSQL = R"(execute block as
declare variable id_fam integer;
declare variable dta_cadastro date;
declare variable id_dom integer;
begin
  for select fam.id_fam, fam.data_cadastro_fam
      from qor_familia fam
      left join qor_familia_domicilio fdm on fdm.id_fam_fdm = fam.id_fam
      where fdm.id_fdm is null
      into :id_fam, :dta_cadastro
  do
  begin
    insert into qor_domicilio (datacadastro_dom, tipo_dom, tipo_moradia_dom)
    values (:dta_cadastro, 0, 1) returning id_dom into :id_dom;
    insert into qor_familia_domicilio (id_fam_fdm, id_dom_fdm, dta_ini_fdm)
    values (:id_fam, :id_dom, :dta_cadastro);
  end
end)";

// A4: the document-flow database's authentication setting.
constexpr const char* kConfiguracaoFluxoSQL =
    R"(update doc_configuracoes_itens itn set itn.valor_int_itn = 2 where itn.id_itn = 47)";

// A5: empty the carriers kept in existing columns and drop the temporary ones.
// qor_locais.id_dskp is an older carrier that only some web databases hold,
// so it is dropped only where it exists; the id_cnv columns stay.
constexpr const char* kRemoveCarregadoresSQL = R"(execute block as
begin
  execute statement 'update qor_unidades uni set uni.sigla_uni = null';
  execute statement 'update qor_domicilio dom set dom.inscriimobiliaria_dom = null';
  execute statement 'update qor_profissional prf set prf.matricula_prf = null';
  execute statement 'alter table qor_familia drop id_dskp, drop id_prf_dskp';
  execute statement 'alter table qor_progra_beneficio drop id_dskp';
  if (exists(select 1 from rdb$relation_fields rf
             where rf.rdb$relation_name = 'QOR_LOCAIS' and rf.rdb$field_name = 'ID_DSKP')) then
    execute statement 'alter table qor_locais drop id_dskp';
  execute statement 'alter table qor_pessoa drop dskp_prf, drop dskp_dt_cadastro, drop dskp_observacao, drop dskp_flg_responsavel, drop dskp_id_parentesco, drop dskp_id_familia, drop id_pla, drop id_dskp';
end)";

void AddCarriers(db::Connection& AWeb) {
    // Adding a column that is already there would fail with the server's bare
    // "column already exists"; name the leftovers and the way out instead.
    const auto leftovers = LeftoverCarriers(TWebCatalog::Read(AWeb));
    if (!leftovers.empty()) throw db::Error(LeftoverCarriersMessage(leftovers));
    AWeb.ExecSQL(kCarregadoresSQL);
}

void SeedDemand(db::Connection& AWeb) {
    TQuery query(AWeb);
    query.SetSQL(kDemandaSQL);
    query.ParamByName("descricao_dmd").SetAsString("Encaminhamento");
    query.ParamByName("assunto_dmd").SetAsInteger(1);
    query.ParamByName("ativo_dmd").SetAsString("S");
    query.ExecSQL();
}

}  // namespace

void TProviderConnection::BeforeConvert() {
    ConDesktop.ExecSQL(kResponsavelEntidadeSQL);
    ConDesktop.ExecSQL(kNacionalidadeSQL);
    ConDesktop.ExecSQL(kResponsavelFamiliaSQL);
    AddCarriers(ConWeb);
    SeedDemand(ConWeb);
    for (db::Connection* connection : {&ConDesktop, &ConFotos, &ConWeb, &ConPapyrant, &ConFileServer})
        connection->ExecSQL(kEstatisticasSQL);
}

void TProviderConnection::AfterConvert() {
    ConWeb.ExecSQL(kProntuarioAnotacaoSQL);
    ConWeb.ExecSQL(kTotaisFamiliaSQL);
    ConWeb.ExecSQL(kDomicilioFamiliaSQL);
    ConPapyrant.ExecSQL(kConfiguracaoFluxoSQL);
    ConWeb.ExecSQL(kRemoveCarregadoresSQL);
    for (db::Connection* connection : {&ConWeb, &ConPapyrant, &ConFileServer}) connection->ExecSQL(kEstatisticasSQL);
}

}  // namespace qor
