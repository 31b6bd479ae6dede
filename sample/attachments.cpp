// Scanned documents attached to persons, families, attendances and visits,
// with their contents in the photos database: JPEG pictures, PDF and .docx
// documents. A few contents are missing, as happens after a bad backup.

#include <utility>

#include "context.h"
#include "files.h"
#include "names.h"
#include "table_writer.h"

namespace qor::sample {
namespace {

constexpr const char* kDescriptions[] = {"RG frente e verso", "Comprovante de residência", "Laudo médico",
                                         "Certidão de nascimento", "Declaração escolar", "Termo de compromisso",
                                         "Relatório social", "Carteira de trabalho"};

struct Owner {
    db::Value person, family, unit, attendance;
};

class AttachmentWriter {
public:
    explicit AttachmentWriter(Context& ctx)
        : ctx_(ctx),
          documents_(ctx.desktop, ctx.random, "documento_anexo",
                     {"id_anexo", "id_familia", "id_pessoa", "dt_anexou", "id_tipo_anexo", "numero", "pagina", "valor",
                      "observacao", "flag_digital", "id_unidade", "id_atendimento", "extensao", "id_encaminhamento"},
                     {"id_anexo", "id_familia", "id_pessoa", "id_unidade", "id_atendimento", "extensao"}),
          contents_(ctx.fotos, ctx.random, "anexos", {"id_anexo", "anexo"}, {"id_anexo", "anexo"}) {}

    void Add(const Owner& owner, int count) {
        Random& r = ctx_.random;
        for (int k = 0; k < count; ++k) {
            const int id = ++last_id_;
            const char* description = r.Pick(kDescriptions);
            // The first three are one of each kind, so that even a small sample has them all.
            const int roll = static_cast<int>(r.Int(1, 100));
            const int kind = id == 1 ? 1 : id == 2 ? 61 : id == 3 ? 86 : roll;
            std::string content;
            db::Value extension;
            if (kind <= 60) {
                content = JpegPhoto(r);
                extension = r.Chance(0.1) ? Null() : Text(".jpg");
            } else if (kind <= 85) {
                content = PdfDocument(description);
                extension = Text(r.Chance(0.1) ? ".jpg" : ".pdf");  // a PDF filed as a picture now and then
            } else {
                content = DocxDocument(description);
                extension = Text(kind <= 97 ? ".docx" : ".DOCX");
            }
            documents_.Add({Int(id), owner.family, owner.person, Date(ctx_.RecordDay()),
                            Int(r.Pick(std::span<const int>(ctx_.attachment_types))), ctx_.Maybe(Text(r.Digits(6)), 0.6),
                            Int(r.Int(1, 3)), ctx_.Maybe(Money(r.Int(100, 10000)), 0.9),
                            ctx_.Maybe(Text(description), 0.1), Flag(r, 0.7), owner.unit, owner.attendance, extension,
                            ctx_.Maybe(Int(r.Int(1, 50)), 0.9)});
            if (!r.Chance(0.05)) contents_.Add({Int(id), Bytes(std::move(content))});
        }
    }

    void Flush() {
        documents_.Flush();
        contents_.Flush();
    }

private:
    Context& ctx_;
    TableWriter documents_, contents_;
    int last_id_ = 0;
};

}  // namespace

void GenerateAttachments(Context& ctx) {
    Random& r = ctx.random;
    AttachmentWriter writer(ctx);
    // The first of each kind of owner always has documents.
    bool first = true;
    for (int person : ctx.persons)
        if (std::exchange(first, false) || r.Chance(0.04))
            writer.Add({Int(person), Null(), Null(), Null()}, static_cast<int>(r.Int(1, 3)));
    first = true;
    for (int family : ctx.families)
        if (std::exchange(first, false) || r.Chance(0.03))
            writer.Add({Null(), Int(family), Null(), Null()}, static_cast<int>(r.Int(1, 2)));
    first = true;
    for (const AttendanceKey& a : ctx.attendances)
        if (std::exchange(first, false) || r.Chance(0.01))
            writer.Add({Null(), Null(), Int(a.unit), Int(a.id)}, static_cast<int>(r.Int(1, 2)));
    // A visit's documents carry its id plus 1000000, as the desktop stores them.
    first = true;
    for (const AttendanceKey& v : ctx.visits)
        if (std::exchange(first, false) || r.Chance(0.005)) writer.Add({Null(), Null(), Int(v.unit), Int(v.id + 1000000)}, 1);
    writer.Flush();
}

}  // namespace qor::sample
