#pragma once
// The wizard window: five pages that each name one Firebird database and open
// its connection, and a last page where the municipality is chosen and the
// conversion is started and followed. It owns the connection provider, and
// it is the conversion's run log: every call the run makes from its worker
// thread is queued to the GUI thread, in order.

#include <QWidget>
#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

#include "core/provider_connection.h"
#include "core/run_log.h"

class QComboBox;
class QFileDialog;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

namespace qor {
class TConversionDriver;
}

namespace qor::gui {

class TViewPrincipal : public QWidget, public IRunLog {
    Q_OBJECT
    Q_CLASSINFO("Unit", "gui/view_principal")
public:
    enum Page { tbsDesktop, tbsDesktopFoto, tbsWeb, tbsFileserver, tbsPapyrant, tbsConversao, kPageCount };

    // FormCreate: title with the version, page 1, provider, file dialog and
    // the default paths.
    explicit TViewPrincipal(QWidget* parent = nullptr);
    // FormDestroy: waits for a run under way, then the provider goes.
    ~TViewPrincipal() override;

    TProviderConnection& Provider() { return *FProvider; }
    Page CurrentPage() const;

    // Gives back the chosen file, or nothing when the dialog was cancelled.
    using FilePicker = std::function<std::optional<QString>()>;
    // The picker the "..." buttons run (the shared file dialog by default).
    void SetFilePicker(FilePicker picker) { FFilePicker = std::move(picker); }

    // The operator's actions.
    void btnProximoClick();
    void btnVoltarClick();
    void btnConverterClick();
    void dblkpcbbMunicipioClick(int index);
    void llblManualLinkClick();
    // "..." on a database page.
    void btnLoadBaseClick(Page page);

    // IRunLog, callable from any thread.
    void Clear() override;
    std::size_t Append(const std::string& line) override;
    std::size_t LineCount() const override;
    void ReplaceLine(std::size_t index, const std::string& line) override;
    std::string Title() const override;
    void SetTitle(const std::string& title) override;
    void DisableStartAndBack() override;
    void ShowMessage(const std::string& message) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct DatabasePage {
        db::Connection* connection = nullptr;
        QLineEdit* path = nullptr;
        QLineEdit* user = nullptr;
        QLineEdit* password = nullptr;
        QLineEdit* port = nullptr;
    };

    QWidget* BuildHeader();
    QWidget* BuildFooter();
    QWidget* BuildDatabasePage(Page page);
    QWidget* BuildConversionPage();
    std::optional<QString> RunFileDialog();

    // The connection step; true when the page's connection is open.
    bool Connect(DatabasePage& page);
    void FillMunicipios();
    void ForgetMunicipios();

    std::unique_ptr<TProviderConnection> FProvider;
    std::unique_ptr<TConversionDriver> FDriver;
    QFileDialog* FFileDialog = nullptr;
    FilePicker FFilePicker;
    std::array<DatabasePage, tbsConversao> FPages;

    QStackedWidget* pgcPrincipal = nullptr;
    QPushButton* btnVoltar = nullptr;
    QPushButton* btnProximo = nullptr;
    QPushButton* btnConverter = nullptr;
    QComboBox* dblkpcbbMunicipio = nullptr;
    QPlainTextEdit* mmoLog = nullptr;

    // What the run asks from its thread is answered from these mirrors; the
    // widgets themselves are only touched on the GUI thread.
    std::atomic<std::size_t> FLineCount{0};
    mutable std::mutex FTitleLock;
    std::string FTitle;
};

}  // namespace qor::gui
