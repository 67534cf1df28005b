#include "app/startup.h"

#include "app/app_exception.h"
#include "app/buttontemplate.h"
#include "app/main.h"
#include "app/splash.h"
#include "app/start_hooks.h"
#include "app/wnd_order.h"
#include "config/big_ini_file.h"
#include "platform/helpers.h"
#include "safety/passdlg.h"
#include "safety/password_file.h"
#include "safety/u1.h"
#include "widgets/application.h"
#include "widgets/dialog_host.h"

namespace app {

using namespace widgets;

namespace {

// Made at start, never shown, alive to the end.
TWndOrder* g_hiddenOrder = nullptr;

// The title of the application before the start gives it one: the name of
// the executable without its extension.
std::string TitleBeforeStart() {
    if (!Application().Title.empty()) return Application().Title;
    std::string name = platform::Get().files().ModuleFileName();
    name = name.substr(name.find_last_of("\\/") + 1);
    return name.substr(0, name.find_last_of('.'));
}

// Asks for the password when one is set. Both password dialogs are made
// for the gate and freed at its end, also when the check fails.
bool PasswordGate() {
    Owned<safety::TDlgPass> prompt(CreateForm<safety::TDlgPass>(nullptr));
    Owned<safety::TDlgPassSet> check(CreateForm<safety::TDlgPassSet>(nullptr));
    if (!safety::PassUses()) return true;
    if (prompt->ShowModal() != mrOk) return false;  // cancelled: the program ends without a word
    const bool right = check->OnlyReadWnd(prompt->Edit1->Text());
    prompt->Edit1->SetText(std::string(prompt->Edit1->Text().size(), '\xFF'));
    prompt->Edit1->SetText(std::string());
    if (right) return true;
    ShowMessageBox(
        "Sie haben ein nicht korrektes Passwort eingetragen. Das Programm \r"
        "wird aus Sicherheitsgründen beendet.",
        TitleBeforeStart(), mbOK, miInformation);
    return false;
}

// The flag ProgStart of the breakpoint configuration; on unless it says 0.
bool BreakpointOnStart() {
    config::TBigIniFile document(platform::ProgramFolder() + "qw32break.cfg");
    return document.ReadBool("Option", "ProgStart", true);
}

}  // namespace

THalvornQuellwerk* StartProgram() {
    // The hosted modules need OLE on this, the main thread; EndProgram
    // ends it after the last page has gone.
    platform::Get().activex().Initialize();
    if (!PasswordGate()) return nullptr;

    Application().Title = "Halvorn Quellwerk";
    if (platform::Get().system().GetVersion().platformId == platform::kPlatformNT) {
        ShowMessageBox(
            "Dieses Programm ist nur für Windows 95, Windows 98 oder Windows ME. Die Systemdiagnose\r"
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
    // Every step runs, also after an earlier one failed: the main window's
    // OnDestroy deletes the temp config files of this run.
    TFirstError errors;
    if (TFrmSplash* splash = FrmSplash()) {
        SetFrmSplash(nullptr);
        errors.Run([&] { TComponent::Free(splash); });
    }
    if (THalvornQuellwerk* main = MainWindow()) {
        Application().SetMainForm(nullptr);
        errors.Run([&] { TComponent::Free(main); });
    }
    errors.Run([&] { TComponent::Free(g_hiddenOrder); });
    g_hiddenOrder = nullptr;
    TButtTemplate* pictures = ButtTemplate();
    SetButtTemplate(nullptr);
    errors.Run([&] { TComponent::Free(pictures); });
    errors.Run([] { platform::Get().activex().Uninitialize(); });
    errors.Rethrow();
}

namespace {

// With QW_START_TRACE naming a file, the start notes there how long it took
// up to the main window, for the start-time benchmark.
void TraceStart(uint32_t startedAt) {
    platform::Platform& p = platform::Get();
    const auto path = p.files().GetEnvironment("QW_START_TRACE");
    if (!path || path->empty()) return;
    const uint32_t elapsed = p.system().TickCount() - startedAt;
    const uint32_t fixedDelays = 1200 + 1300 + 1200 + 800;
    const std::string line = "main window shown after " + std::to_string(elapsed) + " ms, " +
                             std::to_string(elapsed > fixedDelays ? elapsed - fixedDelays : 0) +
                             " ms without the fixed delays\r\n";
    p.files().WriteFile(*path, p.files().ReadFile(*path).value_or(std::string()) + line);
}

void ShowEndingError(const std::exception& error) {
    const ErrorMessage message = AppExceptionMessage(error, Application().Title);
    ShowMessageBox(message.text, message.caption, mbOK, miError);
}

}  // namespace

int RunProgram() {
    const uint32_t startedAt = platform::Get().system().TickCount();
    try {
        if (StartProgram()) {
            TraceStart(startedAt);
            Application().Run();
        }
    } catch (const std::exception& error) {
        // An error of the start itself, before the message loop runs: shown
        // like any other, and the program ends in order.
        ShowEndingError(error);
    }
    try {
        EndProgram();
    } catch (const std::exception& error) {
        // Everything was freed all the same; the user still learns of it.
        ShowEndingError(error);
    }
    return 0;
}

}  // namespace app
