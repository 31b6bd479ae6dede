#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "driver/five_databases.h"

namespace qor {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int code;
    std::string out, err;
};

std::string Read(const fs::path& file) {
    std::stringstream text;
    text << std::ifstream(file).rdbuf();
    return text.str();
}

// The text of every run record under a folder.
std::string ReadRecords(const fs::path& folder) {
    std::string text;
    for (const auto& record : fs::directory_iterator(folder))
        if (record.is_directory() && record.path().filename().string().starts_with("conversao-"))
            for (const auto& file : fs::directory_iterator(record)) text += Read(file.path());
    return text;
}

// The command line, run for real in its own working folder.
class Commands : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::path(dbs_.web->Path()).parent_path() / ("cmd-" + fs::path(dbs_.web->Path()).stem().string());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // A configuration naming the five test databases, plus extra lines.
    fs::path Config(const std::string& municipio = "municipio = \"São Paulo - SP\"\n",
                    const std::string& extra = "") {
        std::string text = municipio;
        const std::pair<const char*, const test::TempDatabase*> sections[] = {
            {"desktop", dbs_.desktop.get()},       {"fotos", dbs_.fotos.get()}, {"web", dbs_.web.get()},
            {"fileserver", dbs_.fileserver.get()}, {"papyrant", dbs_.papyrant.get()},
        };
        for (const auto& [name, database] : sections) {
            const auto params = database->Params();
            text += std::string("\n[") + name + "]\npath = \"" + database->Path() + "\"\nuser = \"" +
                    *params.Get("User_Name") + "\"\npassword = \"" + *params.Get("Password") + "\"\nport = " +
                    *params.Get("Port") + "\n";
            passwords_.push_back(*params.Get("Password"));
        }
        const fs::path file = dir_ / "conversao.toml";
        std::ofstream(file) << text << extra;
        return file;
    }

    Outcome Run(const std::string& command, const fs::path& config) {
        const std::string line = "cd '" + dir_.string() + "' && '" QOR_CONVERSOR "' " + command + " --config '" +
                                 config.string() + "' > out.txt 2> err.txt";
        const int status = std::system(line.c_str());
        Outcome result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, Read(dir_ / "out.txt"), Read(dir_ / "err.txt")};
        fs::remove(dir_ / "out.txt");
        fs::remove(dir_ / "err.txt");
        return result;
    }

    void ExpectNoPassword(const std::string& text) {
        for (const auto& password : passwords_) EXPECT_EQ(text.find(password), std::string::npos);
    }

    void Web(const std::string& sql) { dbs_.web->Exec({sql}); }

    test::FiveDatabases dbs_{"commands"};
    fs::path dir_;
    std::vector<std::string> passwords_;
};

TEST_F(Commands, CleanRunExitsZeroWithTheLogOnStdoutAndLeavesItsRecord) {
    const Outcome run = Run("run", Config());
    EXPECT_EQ(run.code, 0) << run.out << run.err;
    EXPECT_EQ(run.out.find("] - Conversão Iniciada\n"), 9u) << run.out;
    EXPECT_NE(run.out.find("] - Conversão Finalizada\n"), std::string::npos);
    EXPECT_TRUE(run.out.ends_with("\nConversão finalizada com sucesso!\n")) << run.out;
    EXPECT_NE(run.err.find("Registro da conversão: "), std::string::npos);

    const std::string record = ReadRecords(dir_);
    EXPECT_NE(record.find("\"resultado\": \"sucesso\""), std::string::npos) << record;
    ExpectNoPassword(run.out + run.err + record);
}

TEST_F(Commands, StartWithoutMunicipalityIsRefused) {
    const Outcome run = Run("run", Config(""));
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, "Informe um município para iniciar a conversão\n");
}

TEST_F(Commands, FailedServiceExitsThreeAndNamesTheService) {
    dbs_.desktop->Exec({"insert into bairro (id_bairro, descricao) values (1, 'Centro')"});
    Web("drop table qor_bairro");
    const Outcome run = Run("run", Config());
    EXPECT_EQ(run.code, 3) << run.out << run.err;
    EXPECT_NE(run.out.find("\nConvertendo: Bairro\n"), std::string::npos) << run.out;
    EXPECT_TRUE(run.out.ends_with("\nConversão finalizada com erro no serviço Bairro. Veja o log da conversão.\n"))
        << run.out;
}

TEST_F(Commands, LeftoverCarrierFailsCheckAndRunUntilRecovered) {
    Web("alter table qor_pessoa add id_dskp integer");
    const fs::path config = Config();

    const Outcome check = Run("check", config);
    EXPECT_EQ(check.code, 5);
    EXPECT_NE(check.out.find("[ok]    conexão desktop"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("[ok]    base web em branco"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("[FALHA] A base do QOR Web ainda tem colunas temporárias de uma conversão "
                             "interrompida: qor_pessoa.id_dskp."),
              std::string::npos)
        << check.out;
    EXPECT_NE(check.out.find("[ok]    município 3550308: São Paulo - SP"), std::string::npos) << check.out;

    const Outcome run = Run("run", config);
    EXPECT_EQ(run.code, 4);
    EXPECT_NE(run.out.find("] - Erro nos scripts de preparação: A base do QOR Web ainda tem colunas temporárias"),
              std::string::npos)
        << run.out;

    Web("insert into qor_prontuario (id_pes_pro) values (1)");
    EXPECT_EQ(Run("recover", config).code, 2);
    Web("delete from qor_prontuario");
    const Outcome recover = Run("recover", config);
    EXPECT_EQ(recover.code, 0) << recover.err;
    EXPECT_EQ(recover.out, "Removida: qor_pessoa.id_dskp\n");

    const Outcome again = Run("check", config);
    EXPECT_EQ(again.code, 0) << again.out;
    EXPECT_EQ(again.out.find("[FALHA]"), std::string::npos);
}

TEST_F(Commands, CheckNamesAMissingWebColumn) {
    Web("alter table qor_familia drop renda_percapta");
    const Outcome check = Run("check", Config());
    EXPECT_EQ(check.code, 5);
    EXPECT_NE(check.out.find("[FALHA] faltam na base web: qor_familia.renda_percapta\n"), std::string::npos)
        << check.out;
}

TEST_F(Commands, BadConfigurationNamesTheLineAndNeverShowsThePassword) {
    const struct {
        std::string municipio, extra, message;
    } cases[] = {
        {"municipio = \"São Paulo - SP\"\n", "[extra]\n", "conversao.toml:32: chave desconhecida \"extra\""},
        {"municipio = 3550308\npasword = \"x\"\n", "", "conversao.toml:2: chave desconhecida \"pasword\""},
        {"municipio = 1\n", "", "O município 1 não está na lista de municípios do QOR Web"},
        {"municipio = \"São Paulo - SP\"\n[desktop]\npassword = \"s3gr3d0\n", "", "conversao.toml:3:"},
    };
    for (const auto& c : cases) {
        const Outcome run = Run("run", Config(c.municipio, c.extra));
        EXPECT_EQ(run.code, 1) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("s3gr3d0"), std::string::npos) << run.err;
        ExpectNoPassword(run.out + run.err);
    }
}

}  // namespace
}  // namespace qor
