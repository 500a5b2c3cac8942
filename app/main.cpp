// Program entry: creates the six windows in their order and runs the message loop.
#include <windows.h>

#include <utility>

#include "app/Reunion.h"
#include "app/Unit1.h"
#include "dialogs/FrmAcerca.h"
#include "dialogs/UVisitanos.h"
#include "dialogs/Umensajes.h"
#include "engine/UProgreso.h"
#include "settings/UOpciones.h"
#include "ui/Application.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // A drive with no medium (a card reader, an empty disc drive) answers as missing instead
    // of raising the system's "no disk" box while the tree fills or a run walks.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    ui::Application& app = ui::App();
    app.Initialize(GetCommandLineW(), L"Trituradora de documentos", LoadIconW(instance, MAKEINTRESOURCEW(1)));
    // Started with paths, as Explorer does once per chosen item: the first copy gathers the
    // paths of the others and asks about them all; the others hand theirs over and end.
    if (!app.Arguments().empty()) {
        auto rutas = ReunirRutas(app.Arguments());
        if (!rutas) return 0;
        app.SetArguments(std::move(*rutas));
    }
    app.CreateForm(Form1);
    app.CreateForm(FAcerca);
    app.CreateForm(FMensajes);
    app.CreateForm(FOpciones);
    app.CreateForm(FProgreso);
    app.CreateForm(FVisitanos);
    app.Run();
    app.DestroyForms();
    return 0;
}
