#include "app/startup.h"

#include "app/buttontemplate.h"
#include "app/main.h"
#include "app/splash.h"
#include "app/start_hooks.h"
#include "app/wnd_order.h"
#include "config/big_ini_file.h"
#include "platform/helpers.h"
#include "widgets/application.h"
#include "widgets/dialog_host.h"

namespace app {

using namespace widgets;

namespace {

// Made at start, never shown, alive to the end.
TWndOrder* g_hiddenOrder = nullptr;

bool PasswordGate() {
    const TStartHooks& hooks = StartHooks();
    if (!hooks.passUses || !hooks.passUses()) return true;
    const auto text = hooks.askPassword ? hooks.askPassword() : std::nullopt;
    if (!text) return false;  // cancelled: the program ends without a word
    if (hooks.onlyReadWnd && hooks.onlyReadWnd(*text)) return true;
    ShowMessageBox("Sie haben ein nicht korrektes Passwort eingetragen. Das Programm \r"
                   "wird aus Sicherheitsgründen beendet.",
                   Application().Title, mbOK, miInformation);
    return false;
}

// The flag ProgStart of the breakpoint configuration; on unless it says 0.
bool BreakpointOnStart() {
    config::TBigIniFile document(platform::ProgramFolder() + "qw32break.cfg");
    return document.ReadBool("Option", "ProgStart", true);
}

}  // namespace

THalvornQuellwerk* StartProgram() {
    if (!PasswordGate()) return nullptr;

    Application().Title = "Halvorn Quellwerk";
    if (platform::Get().system().GetVersion().platformId == platform::kPlatformNT) {
        ShowMessageBox("Dieses Programm ist nur für Windows 95, Windows 98 oder Windows ME. Die Systemdiagnose\r"
                       "hat eine Windows NT-Plattform ermittelt. Sicherheitsgründen wird das Programm beendet.",
                       Application().Title, mbOK, miInformation);
        Application().Terminate();
        return nullptr;
    }

    TFrmSplash* splash = CreateForm<TFrmSplash>(nullptr);
    SetFrmSplash(splash);
    splash->Line(4)->SetVisible(BreakpointOnStart());
    splash->Show();
    splash->Repaint();

    THalvornQuellwerk* main = CreateForm<THalvornQuellwerk>(nullptr);
    Application().SetMainForm(main);
    g_hiddenOrder = CreateForm<TWndOrder>(nullptr);
    platform::Delay(1200);
    SetButtTemplate(CreateForm<TButtTemplate>(nullptr));
    splash->TickLine(3);
    Application().ProcessMessages();
    Application().ProcessMessages();
    if (BreakpointOnStart()) splash->CreateProgStartBreakPoint();
    splash->TickLine(4);
    platform::Delay(800);
    Application().ProcessMessages();
    SetFrmSplash(nullptr);
    TComponent::Free(splash);

    main->Show();
    return main;
}

void EndProgram() {
    if (THalvornQuellwerk* main = MainWindow()) {
        Application().SetMainForm(nullptr);
        TComponent::Free(main);
    }
    TComponent::Free(g_hiddenOrder);
    g_hiddenOrder = nullptr;
    TComponent::Free(ButtTemplate());
    SetButtTemplate(nullptr);
}

int RunProgram() {
    if (StartProgram()) Application().Run();
    EndProgram();
    return 0;
}

}  // namespace app
