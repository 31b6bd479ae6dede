#pragma once
// The wizard's fixed texts, in the markup of gui/markup.h.

namespace qor::gui::texts {

inline constexpr const char* kTitulo = "Conversor QOR (MorvaleqD2W)";
inline constexpr const char* kTituloAplicacao = "Conversor Morvaleq";
inline constexpr const char* kTituloDialogoArquivo = "Selecione o arquivo";

inline constexpr const char* kCabecalho =
    "[SIZE=20][COLOR=#4A4A4A]Conversor [/COLOR][COLOR=#006060][B]Desktop[/B][/COLOR]"
    "[COLOR=#4A4A4A] para [/COLOR][COLOR=#006060][B]Web[/B][/COLOR][/SIZE]";
inline constexpr const char* kSubtituloCabecalho =
    "Software para realizar a conversão do sistema desktop para o novo sistema web de Desenvolvimento Social.";
inline constexpr const char* kManual = "Manual de conversão";

// A page heading: bold, size 16, grey.
inline constexpr const char* kFormatoTituloPagina = "[COLOR=#4A4A4A][SIZE=16][B]%1[/B][/SIZE][/COLOR]";

inline constexpr const char* kInstrucaoDesktop =
    "[COLOR=#4A4A4A][SIZE=8]Neste passo, informe o caminho do banco do [B]QOR DESKTOP[/B] para realizar a "
    "conversão e preencha os respectivos dados de conexão: [U]usuário[/U], [U]senha[/U] e[U] porta[/U] do "
    "Firebird.[/COLOR][/SIZE]";
inline constexpr const char* kInstrucaoFotos =
    "[COLOR=#4A4A4A][SIZE=8]Neste passo, informe o caminho do banco do [B]QOR DESKTOP FOTOS[/B] para realizar a "
    "conversão e preencha os respectivos dados de conexão: [U]usuário[/U], [U]senha[/U] e[U] porta[/U] do "
    "Firebird.[/COLOR][/SIZE]";
inline constexpr const char* kInstrucaoWeb =
    "[COLOR=#4A4A4A][SIZE=8]Neste passo, informe o caminho do banco do [B]QOR WEB[/B] em [U]branco[/U] e "
    "preencha os respectivos dados de conexão: [U]usuário[/U], [U]senha[/U] e [U]porta[/U] do "
    "Firebird.[/COLOR][/SIZE]";
inline constexpr const char* kInstrucaoFileserver =
    "[COLOR=#4A4A4A][SIZE=8]Neste passo, informe o caminho do banco do [B]FILESERVER [/B]e preencha os "
    "respectivos dados de conexão: [U]usuário[/U], [U]senha[/U] e[U] porta[/U] do Firebird.[/COLOR][/SIZE]";
inline constexpr const char* kInstrucaoPapyrant =
    "[COLOR=#4A4A4A][SIZE=8]Neste passo, informe o caminho do banco do [B]PAPYRANT [/B]e preencha os "
    "respectivos dados de conexão: [U]usuário[/U], [U]senha[/U] e[U] porta[/U] do Firebird.[/COLOR][/SIZE]";
inline constexpr const char* kInstrucaoConversao =
    "[COLOR=#4A4A4A][SIZE=8]Neste passo, selecione o [B]MUNICÍPIO[/B] que deseja realizar a conversão, clique em "
    "converter e aguarde até o final do processo.[/COLOR][/SIZE]";

// The red warning of the file-server and document-flow pages; the shared
// database it names goes in place of %1.
inline constexpr const char* kFormatoAviso =
    "[COLOR=Red][B][SIZE=8]IMPORTANTE![/COLOR][COLOR=#4A4A4A]\r\n"
    "[/B]\r\n"
    "[/COLOR][COLOR=Red]Caso o cliente utilize o [B]PAPYRANT [/B]e/ou o [B]YVRA[/B], é necessário informar o "
    "[U]caminho do banco de dados que está sendo utilizado em produção[/U], pois o QOR compartilha o mesmo "
    "[U]%1[/U] com esses sistemas. \r\n\r\n"
    "Caso contrário, basta utilizar uma base em [U]branco[/U].[/COLOR][/SIZE]";
inline constexpr const char* kBancoArquivos = "banco de arquivos";
inline constexpr const char* kBancoUsuarios = "banco de usuários";

inline constexpr const char* kDiretorio = "Diretório";
inline constexpr const char* kUsuario = "Usuário";
inline constexpr const char* kSenha = "Senha";
inline constexpr const char* kPorta = "Porta";
inline constexpr const char* kMunicipio = "Município";
inline constexpr const char* kConverter = "Converter";
inline constexpr const char* kVoltar = "Voltar";
inline constexpr const char* kProximo = "Próximo";

}  // namespace qor::gui::texts
