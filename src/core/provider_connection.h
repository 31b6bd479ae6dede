#pragma once
// The one object through which the program reaches its five databases:
// the connections, the municipality list read from the web database and the
// municipality chosen for the run.

#include <cstdint>

#include "core/query.h"
#include "db/connection.h"

namespace qor {

class TProviderConnection {
public:
    TProviderConnection();
    TProviderConnection(const TProviderConnection&) = delete;
    TProviderConnection& operator=(const TProviderConnection&) = delete;

    db::Connection ConDesktop;
    db::Connection ConWeb;
    db::Connection ConPapyrant;
    TQuery qryConMunicipio;
    db::Connection ConFotos;
    db::Connection ConFileServer;

    std::int32_t Municipio() const { return FMunicipio; }
    void SetMunicipio(std::int32_t id) { FMunicipio = id; }

    // Opens the municipality list (the web connection must be open).
    void OpenMunicipios();
    // Closes the web connection and with it the municipality list.
    void CloseWeb();

    // Preparation and finishing scripts run around the services.
    void BeforeConvert();
    void AfterConvert();

    static constexpr const char* kMunicipiosSQL =
        "select mun.id_mun,\r\n"
        "mun.id_est_mun,\r\n"
        "mun.descricao_mun || ' - ' || est.sigla_est as descricao_mun\r\n"
        "from qor_municipio mun\r\n"
        "inner join qor_estado est on est.id_est = mun.id_est_mun\r\n"
        "order by mun.descricao_mun";

private:
    std::int32_t FMunicipio = 0;
};

}  // namespace qor
