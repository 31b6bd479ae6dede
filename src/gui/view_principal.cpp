#include "gui/view_principal.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QUrl>
#include <QVBoxLayout>

#include "core/conversion_driver.h"
#include "gui/gui_thread.h"
#include "gui/markup.h"
#include "gui/messages.h"
#include "gui/program_version.h"
#include "gui/view_principal_texts.h"

namespace qor::gui {
namespace {

#ifdef Q_OS_WIN
constexpr const char* kPastaPadrao = "C:\\Morvaleq\\Conversores\\QOR\\";
#else
constexpr const char* kPastaPadrao = "/opt/Morvaleq/Conversores/QOR/";
#endif

struct PageSpec {
    const char* name;
    const char* heading;
    const char* instruction;
    const char* warning_subject;  // the shared database the red warning names, if any
    db::Connection TProviderConnection::*connection;
    const char* path_field;
    const char* user_field;
    const char* password_field;
    const char* port_field;
    const char* picker;
    const char* default_file;
};

const PageSpec kPages[] = {
    {"tbsDesktop", "QOR Desktop", texts::kInstrucaoDesktop, nullptr, &TProviderConnection::ConDesktop,
     "edtBaseDektop", "edtDskpUserFB", "edtDskpSenhaFB", "edtDskpPortFB", "btnBancoDesktop", "QOR_DESKTOP.FDB"},
    {"tbsDesktopFoto", "QOR Desktop Fotos", texts::kInstrucaoFotos, nullptr, &TProviderConnection::ConFotos,
     "edtBaseFotos", "edtFtsUserFB", "edtFtsSenhaFB", "edtFtsPortFB", "btnLoadBaseFts", "QOR_FOTOS.FDB"},
    {"tbsWeb", "QOR Web", texts::kInstrucaoWeb, nullptr, &TProviderConnection::ConWeb, "edtBaseWeb",
     "edtWebUserFB", "edtWebSenhaFB", "edtWebPortFB", "btnLoadBaseWeb", "QOR.FDB"},
    {"tbsFileserver", "FileServer", texts::kInstrucaoFileserver, texts::kBancoArquivos,
     &TProviderConnection::ConFileServer, "edtBaseFileserver", "edtFlsUserFB", "edtFlsSenhaFB", "edtFlsPortFB",
     "btnLoadBaseFileserver", "FILESERVER.FDB"},
    {"tbsPapyrant", "Papyrant", texts::kInstrucaoPapyrant, texts::kBancoUsuarios, &TProviderConnection::ConPapyrant,
     "edtBaseFluxo", "edtFlxUserFB", "edtFlxSenhaFB", "edtFlxPortFB", "btnLoadBaseFluxo", "MORVALEQDOC.FDB"},
};

constexpr const char* kGrey = "#4A4A4A";
constexpr const char* kTeal = "#006060";

QLabel* RichLabel(const QString& stored, QWidget* parent) {
    auto* label = new QLabel(RichTextFromMarkup(stored), parent);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    return label;
}

QLabel* PageHeading(const char* heading, QWidget* parent) {
    return RichLabel(QString(texts::kFormatoTituloPagina).arg(heading), parent);
}

QPixmap ProductLogo() {
    QPixmap logo(40, 40);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kTeal));
    painter.drawRoundedRect(logo.rect(), 8, 8);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(26);
    painter.setFont(font);
    painter.drawText(logo.rect(), Qt::AlignCenter, "Q");
    return logo;
}

// Lines a text takes in the log list.
std::size_t LinesOf(const QString& text) { return 1 + static_cast<std::size_t>(text.count('\n')); }

QString LogText(const std::string& line) {
    QString text = QString::fromStdString(line);
    text.replace("\r\n", "\n").replace('\r', '\n');
    return text;
}

}  // namespace

TViewPrincipal::TViewPrincipal(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      FProvider(std::make_unique<TProviderConnection>()) {
    setObjectName("ViewPrincipal");
    SetTitle(std::string(texts::kTitulo) + " - Versão: " + ProgramVersion().toStdString());
    setFixedSize(703, 634);

    FFileDialog = new QFileDialog(this, texts::kTituloDialogoArquivo);
    FFileDialog->setFileMode(QFileDialog::ExistingFile);
    FFilePicker = [this] { return RunFileDialog(); };

    pgcPrincipal = new QStackedWidget(this);
    pgcPrincipal->setObjectName("pgcPrincipal");
    for (int page = tbsDesktop; page < tbsConversao; ++page) {
        pgcPrincipal->addWidget(BuildDatabasePage(static_cast<Page>(page)));
    }
    pgcPrincipal->addWidget(BuildConversionPage());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(BuildHeader());
    auto* body = new QVBoxLayout;
    body->setContentsMargins(24, 16, 24, 16);
    body->addWidget(pgcPrincipal);
    layout->addLayout(body, 1);
    layout->addWidget(BuildFooter());

    pgcPrincipal->setCurrentIndex(tbsDesktop);
    btnVoltar->hide();
    FDriver = std::make_unique<TConversionDriver>(*FProvider, *this);

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

TViewPrincipal::~TViewPrincipal() {
    // The run uses the provider's connections until it ends.
    FDriver.reset();
}

QWidget* TViewPrincipal::BuildHeader() {
    auto* band = new QWidget(this);
    band->setObjectName("pnlCabecalho");
    band->setAutoFillBackground(true);
    QPalette palette = band->palette();
    palette.setColor(QPalette::Window, Qt::white);
    band->setPalette(palette);
    band->setFixedHeight(86);

    auto* heading = RichLabel(texts::kCabecalho, band);
    auto* line = new QLabel(texts::kSubtituloCabecalho, band);
    line->setStyleSheet(QString("color:%1").arg(kGrey));
    line->setWordWrap(true);
    auto* link = new QLabel(QString("<a href=\"manual\">%1</a>").arg(texts::kManual), band);
    link->setObjectName("llblManual");
    link->setTextFormat(Qt::RichText);
    connect(link, &QLabel::linkActivated, this, [this] { llblManualLinkClick(); });

    auto* text = new QVBoxLayout;
    text->addWidget(heading);
    text->addWidget(line);
    auto* layout = new QHBoxLayout(band);
    layout->setContentsMargins(24, 10, 24, 10);
    layout->addLayout(text, 1);
    layout->addWidget(link, 0, Qt::AlignRight | Qt::AlignTop);
    return band;
}

QWidget* TViewPrincipal::BuildFooter() {
    auto* band = new QWidget(this);
    band->setObjectName("pnlRodape");
    band->setAutoFillBackground(true);
    QPalette palette = band->palette();
    palette.setColor(QPalette::Window, QColor("#E9EEEE"));
    band->setPalette(palette);
    band->setFixedHeight(64);

    auto* logo = new QLabel(band);
    logo->setPixmap(ProductLogo());
    auto* product = new QLabel("QOR", band);
    product->setStyleSheet(QString("color:%1; font-size:20pt; font-weight:bold").arg(kTeal));
    btnVoltar = new QPushButton(texts::kVoltar, band);
    btnVoltar->setObjectName("btnVoltar");
    btnProximo = new QPushButton(texts::kProximo, band);
    btnProximo->setObjectName("btnProximo");
    btnProximo->setDefault(true);
    connect(btnVoltar, &QPushButton::clicked, this, &TViewPrincipal::btnVoltarClick);
    connect(btnProximo, &QPushButton::clicked, this, &TViewPrincipal::btnProximoClick);

    auto* layout = new QHBoxLayout(band);
    layout->setContentsMargins(24, 10, 24, 10);
    layout->addWidget(logo);
    layout->addWidget(product);
    layout->addStretch(1);
    layout->addWidget(btnVoltar);
    layout->addWidget(btnProximo);
    return band;
}

QWidget* TViewPrincipal::BuildDatabasePage(Page index) {
    const PageSpec& spec = kPages[index];
    auto* page = new QWidget;
    page->setObjectName(spec.name);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageHeading(spec.heading, page));
    layout->addWidget(RichLabel(spec.instruction, page));
    if (spec.warning_subject) {
        layout->addSpacing(8);
        layout->addWidget(RichLabel(QString(texts::kFormatoAviso).arg(spec.warning_subject), page));
    }
    layout->addSpacing(16);

    DatabasePage& fields = FPages[index];
    fields.connection = &(FProvider.get()->*spec.connection);
    auto field = [page](const char* name) {
        auto* edit = new QLineEdit(page);
        edit->setObjectName(name);
        return edit;
    };
    fields.path = field(spec.path_field);
    fields.path->setText(QString(kPastaPadrao) + spec.default_file);
    fields.user = field(spec.user_field);
    fields.password = field(spec.password_field);
    fields.password->setEchoMode(QLineEdit::Password);
    fields.port = field(spec.port_field);
    fields.port->setMaximumWidth(120);

    auto* picker = new QPushButton("...", page);
    picker->setObjectName(spec.picker);
    picker->setFixedWidth(36);
    connect(picker, &QPushButton::clicked, this, [this, index] { btnLoadBaseClick(index); });
    auto* path_row = new QHBoxLayout;
    path_row->addWidget(fields.path, 1);
    path_row->addWidget(picker);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft);
    form->addRow(texts::kDiretorio, path_row);
    form->addRow(texts::kUsuario, fields.user);
    form->addRow(texts::kSenha, fields.password);
    form->addRow(texts::kPorta, fields.port);
    layout->addLayout(form);
    layout->addStretch(1);
    return page;
}

QWidget* TViewPrincipal::BuildConversionPage() {
    auto* page = new QWidget;
    page->setObjectName("tbsConversao");
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageHeading("Iniciar Conversão", page));
    layout->addWidget(RichLabel(texts::kInstrucaoConversao, page));
    layout->addSpacing(16);
    layout->addWidget(new QLabel(texts::kMunicipio, page));

    dblkpcbbMunicipio = new QComboBox(page);
    dblkpcbbMunicipio->setObjectName("dblkpcbbMunicipio");
    dblkpcbbMunicipio->setMaxVisibleItems(12);
    connect(dblkpcbbMunicipio, &QComboBox::activated, this, &TViewPrincipal::dblkpcbbMunicipioClick);
    btnConverter = new QPushButton(texts::kConverter, page);
    btnConverter->setObjectName("btnConverter");
    connect(btnConverter, &QPushButton::clicked, this, &TViewPrincipal::btnConverterClick);
    auto* row = new QHBoxLayout;
    row->addWidget(dblkpcbbMunicipio, 1);
    row->addWidget(btnConverter);
    layout->addLayout(row);

    mmoLog = new QPlainTextEdit(page);
    mmoLog->setObjectName("mmoLog");
    mmoLog->setReadOnly(true);
    mmoLog->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(mmoLog, 1);
    return page;
}

TViewPrincipal::Page TViewPrincipal::CurrentPage() const { return static_cast<Page>(pgcPrincipal->currentIndex()); }

bool TViewPrincipal::Connect(DatabasePage& page) {
    db::Connection& connection = *page.connection;
    if (connection.IsOpen()) return true;
    try {
        auto copy = [&](const char* name, const QLineEdit* field) {
            // An empty field removes the parameter: the client's default applies.
            connection.Params().Set(name, field->text().toStdString());
        };
        copy("User_Name", page.user);
        copy("Password", page.password);
        copy("Port", page.port);
        copy("Database", page.path);
        connection.Open();
        if (connection.IsOpen() && FProvider->ConWeb.IsOpen() && !FProvider->qryConMunicipio.Active()) {
            FProvider->OpenMunicipios();
            FillMunicipios();
        }
    } catch (const std::exception& e) {
        gui::ShowMessage(MessageKind::Error, QString::fromUtf8(e.what()));
        return false;
    }
    const bool open = connection.IsOpen();
    for (QLineEdit* field : {page.path, page.user, page.password, page.port}) field->setEnabled(!open);
    return open;
}

void TViewPrincipal::FillMunicipios() {
    TQuery& list = FProvider->qryConMunicipio;
    dblkpcbbMunicipio->clear();
    for (list.First(); !list.Eof(); list.Next()) {
        dblkpcbbMunicipio->addItem(QString::fromStdString(list.FieldByName("descricao_mun").AsString()),
                                   list.FieldByName("id_mun").AsInteger());
    }
    list.First();
    dblkpcbbMunicipio->setCurrentIndex(-1);
}

void TViewPrincipal::ForgetMunicipios() {
    dblkpcbbMunicipio->clear();
    FProvider->SetMunicipio(0);
}

void TViewPrincipal::btnProximoClick() {
    const Page page = CurrentPage();
    if (page == tbsConversao) return;
    if (!Connect(FPages[page])) return;
    if (page == tbsPapyrant) btnProximo->setEnabled(false);
    if (page == tbsDesktop) btnVoltar->show();
    pgcPrincipal->setCurrentIndex(page + 1);
}

void TViewPrincipal::btnVoltarClick() {
    const Page page = CurrentPage();
    if (page == tbsDesktop) return;
    if (page == tbsConversao) btnProximo->setEnabled(true);
    if (page == tbsDesktopFoto) btnVoltar->hide();
    pgcPrincipal->setCurrentIndex(page - 1);
}

std::optional<QString> TViewPrincipal::RunFileDialog() {
    if (FFileDialog->exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = FFileDialog->selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    return files.first();
}

void TViewPrincipal::btnLoadBaseClick(Page page) {
    // A cancelled dialog leaves the field and the connection as they were.
    const std::optional<QString> file = FFilePicker();
    if (!file) return;
    FPages[page].path->setText(*file);
    if (page == tbsWeb) {
        // The next "Próximo" opens the new web database; the municipality
        // chosen belonged to the old one.
        FProvider->CloseWeb();
        ForgetMunicipios();
    }
}

void TViewPrincipal::dblkpcbbMunicipioClick(int index) {
    if (index < 0) return;
    FProvider->qryConMunicipio.MoveTo(static_cast<std::size_t>(index));
    FProvider->SetMunicipio(dblkpcbbMunicipio->itemData(index).toInt());
}

void TViewPrincipal::llblManualLinkClick() { QDesktopServices::openUrl(QUrl(QOR_MANUAL_URL)); }

void TViewPrincipal::btnConverterClick() {
    try {
        if (FDriver->Start() == TStartResult::Started) {
            // The run reads the chosen municipality and uses the web
            // connection, which the page-3 picker would close: both stay as
            // they are until the run ends.
            btnVoltar->setEnabled(false);
            dblkpcbbMunicipio->setEnabled(false);
        }
    } catch (const std::exception& e) {
        gui::ShowMessage(MessageKind::Error, QString::fromUtf8(e.what()));
    }
}

void TViewPrincipal::closeEvent(QCloseEvent* event) {
    if (FDriver->Running()) {
        // The run holds the connections until it ends.
        gui::ShowMessage(MessageKind::Information, "Aguarde o fim da conversão.");
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void TViewPrincipal::Clear() {
    FLineCount = 0;
    RunOnGuiThread(this, [this] { mmoLog->clear(); });
}

std::size_t TViewPrincipal::Append(const std::string& line) {
    const QString text = LogText(line);
    const std::size_t index = FLineCount.fetch_add(LinesOf(text));
    RunOnGuiThread(this, [this, text] { mmoLog->appendPlainText(text); });
    return index;
}

std::size_t TViewPrincipal::LineCount() const { return FLineCount; }

void TViewPrincipal::ReplaceLine(std::size_t index, const std::string& line) {
    const QString text = LogText(line);
    FLineCount += LinesOf(text) - 1;
    RunOnGuiThread(this, [this, index, text] {
        QTextBlock block = mmoLog->document()->findBlockByNumber(static_cast<int>(index));
        if (!block.isValid()) return;
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(text);
    });
}

std::string TViewPrincipal::Title() const {
    std::lock_guard lock(FTitleLock);
    return FTitle;
}

void TViewPrincipal::SetTitle(const std::string& title) {
    {
        std::lock_guard lock(FTitleLock);
        FTitle = title;
    }
    RunOnGuiThread(this, [this, text = QString::fromStdString(title)] { setWindowTitle(text); });
}

void TViewPrincipal::DisableStartAndBack() {
    RunOnGuiThread(this, [this] {
        btnConverter->setEnabled(false);
        btnVoltar->setEnabled(false);
    });
}

void TViewPrincipal::ShowMessage(const std::string& message) {
    RunOnGuiThread(this, [text = QString::fromStdString(message)] {
        gui::ShowMessage(MessageKind::Information, text);
    });
}

}  // namespace qor::gui
