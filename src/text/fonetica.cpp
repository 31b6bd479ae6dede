#include "text/fonetica.h"

#include "text/fonetica_tabelas.h"
#include "text/palavras.h"
#include "text/texto_unicode.h"

namespace qor::text {

std::shared_ptr<IFonetica> TFonetica::New()
{
    return std::make_shared<TFonetica>();
}

std::string TFonetica::ObterTextoFonetico(std::string_view ATexto) const
{
    std::string texto = MaiusculasLocale(Aparar(ATexto));
    texto = FFoneticaUtils.RemoverAcentuacoes(texto);
    texto = FFoneticaUtils.RemoverCaracteresEspeciais(texto);
    texto = FFoneticaUtils.RemoverConteudos(texto, ConteudoParticulas());
    texto = FFoneticaUtils.RemoverConteudos(texto, ConteudoTitulos());
    texto = FFoneticaUtils.SubstituirConteudos(texto, ConteudoLetras());
    texto = FFoneticaUtils.SubstituirConteudos(texto, ConteudoNumeros());
    texto = FFoneticaUtils.SomarCaracteres(texto);
    texto = FFoneticaUtils.RemoverCaracteresDuplicados(texto);
    texto = FFoneticaCore.GerarConteudoFonetico(texto);
    texto = FFoneticaUtils.RemoverCaracteresDuplicados(texto);
    texto = FFoneticaUtils.SubstituirConteudos(texto, ConteudoVariantesNomes());
    return FFoneticaUtils.SubstituirConteudos(texto, ConteudoRamos());
}

std::string TFonetica::ObterCodigoFonetico(std::string_view ATexto) const
{
    return FCodigoFonetico.randomize(ObterTextoFonetico(ATexto));
}

std::vector<std::string> TFonetica::ObterCodigosFoneticos(std::string_view ATexto) const
{
    return FCodigoFonetico.generateCodes(ObterTextoFonetico(ATexto));
}

}  // namespace qor::text
