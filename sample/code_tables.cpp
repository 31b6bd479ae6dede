// The desktop's small code tables: motives, statuses and kinds.

#include <string_view>

#include "context.h"
#include "table_writer.h"

namespace qor::sample {
namespace {

// Writes (id, description) rows, ids from 1, and returns the ids.
template <std::size_t N>
std::vector<int> CodeTable(Context& ctx, const char* table, const char* id_column, const char* text_column,
                           const std::string_view (&texts)[N]) {
    TableWriter writer(ctx.desktop, ctx.random, table, {id_column, text_column}, {id_column, text_column});
    std::vector<int> ids;
    for (std::size_t i = 0; i < N; ++i) {
        ids.push_back(static_cast<int>(i) + 1);
        writer.Add({Int(ids.back()), Text(std::string(texts[i]))});
    }
    writer.Flush();
    return ids;
}

constexpr std::string_view kAttendanceMotives[] = {
    "Acolhida", "Atendimento particularizado", "Orientação sobre benefícios eventuais", "Cadastro Único",
    "Benefício de Prestação Continuada", "Bolsa Família", "Violência doméstica", "Trabalho infantil",
    "Situação de rua", "Documentação civil", "Oficina com famílias", "Grupo de convivência de idosos",
    "Palestra sobre direitos", "Encaminhamento à rede", "Medida socioeducativa", "Acompanhamento familiar",
    "Dependência química", "Orientação jurídica", "Segurança alimentar", "Reunião com a rede"};
constexpr std::string_view kAttendanceStatuses[] = {"Realizado", "Cancelado", "Agendado", "Reativado"};
constexpr std::string_view kCancelMotives[] = {"Chuva", "Falta de público", "Profissional ausente",
                                               "Falta de transporte"};
constexpr std::string_view kVisitMotives[] = {"Visita de rotina", "Denúncia", "Busca ativa", "Atualização cadastral",
                                              "Acompanhamento familiar", "Verificação de condicionalidades",
                                              "Avaliação para benefício", "Retorno"};
constexpr std::string_view kAttachmentTypes[] = {"Documento pessoal", "Comprovante de residência", "Laudo médico",
                                                 "Fotografia", "Relatório", "Outros"};
constexpr std::string_view kExpenseTypes[] = {"ALUGUEL", "ÁGUA", "ENERGIA ELÉTRICA", "ALIMENTAÇÃO", "TRANSPORTE",
                                              "MEDICAMENTOS", "GÁS DE COZINHA", "TELEFONE"};
// The grant statuses the conversion knows, and one it does not ("Em análise").
constexpr std::string_view kGrantStatuses[] = {"CONCEDIDO", "A CONCEDER", "CANCELADO", "SUSPENSO", "NEGADO",
                                               "Em análise"};

}  // namespace

void GenerateCodeTables(Context& ctx) {
    ctx.attendance_motives = CodeTable(ctx, "atendimento_motivo", "id_atendimento_motivo", "de_atendimento_motivo",
                                       kAttendanceMotives);
    ctx.attendance_statuses = CodeTable(ctx, "atendimento_status", "id_atendimento_status", "de_atendimento_status",
                                        kAttendanceStatuses);
    ctx.cancel_motives = CodeTable(ctx, "atend_mot_canc", "id_atend_mot_canc", "de_atend_mot_canc", kCancelMotives);
    ctx.visit_motives = CodeTable(ctx, "visita_motivo", "id_visita_motivo", "de_visita_motivo", kVisitMotives);
    ctx.attachment_types = CodeTable(ctx, "tipo_anexo", "id_tipo_anexo", "de_tipo_anexo", kAttachmentTypes);
    ctx.expense_types = CodeTable(ctx, "tipo_despesa", "id_tipo_despesa", "de_tipo_despesa", kExpenseTypes);
    ctx.grant_statuses = CodeTable(ctx, "status", "id_status", "de_status", kGrantStatuses);
}

}  // namespace qor::sample
