#include "gui/window_program.h"

#include <QApplication>

#include "gui/inicializacao.h"
#include "gui/view_principal.h"
#include "gui/view_principal_texts.h"

namespace qor::gui {

int RunWindowProgram(int argc, char** argv) {
    QApplication app(argc, argv);
    // Named first, so that the update's message boxes carry the name too.
    QApplication::setApplicationName(texts::kTituloAplicacao);
    if (!TInicializacao(TUpdateSettings::FromBuild()).Inicializar()) return 0;
    TViewPrincipal window;
    window.show();
    return QApplication::exec();
}

}  // namespace qor::gui
