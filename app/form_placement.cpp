#include "app/form_placement.h"

#include <cstdio>

#include "config/reg_ini_file.h"
#include "widgets/screen.h"

namespace app {

namespace {

const char* const kControlKey = "Software\\Halvorn\\Quellwerk\\Control";

std::string FourNumbers(int a, int b, int c, int d) {
    char text[64];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d", a, b, c, d);
    return text;
}

}  // namespace

bool RestorePosOption() {
    return config::TRegIniFile("Software\\Halvorn\\Quellwerk").ReadBool("Options", "RestorePos", false);
}

TFormPlacement::TFormPlacement(widgets::TComponent* owner, widgets::TForm& form) : TComponent(owner), form_(form) {}

void TFormPlacement::SavePlacement() {
    config::TRegIniFile ini(kControlKey);
    const std::string section = form_.ClassName();
    ini.WriteInteger(section, "FormVersion", 0);
    ini.WriteInteger(section, "Flags", 0);
    ini.WriteInteger(section, "ShowCmd", form_.WindowState() == widgets::wsMinimized ? 2 : 1);
    ini.WriteInteger(section, "PixelsPerInch", widgets::Screen().PixelsPerInch());
    ini.WriteString(section, "MinMaxPos", FourNumbers(-1, -1, -1, -1));
    ini.WriteString(section, "NormPos",
                    FourNumbers(form_.Left(), form_.Top(), form_.Left() + form_.Width(), form_.Top() + form_.Height()));
}

bool TFormPlacement::RestorePlacement() {
    config::TRegIniFile ini(kControlKey);
    const std::string section = form_.ClassName();
    if (ini.ReadInteger(section, "PixelsPerInch", 0) != widgets::Screen().PixelsPerInch()) return false;
    int left = 0, top = 0, right = 0, bottom = 0;
    if (std::sscanf(ini.ReadString(section, "NormPos", "").c_str(), "%d,%d,%d,%d", &left, &top, &right, &bottom) != 4) {
        return false;
    }
    form_.SetBounds(left, top, form_.Width(), form_.Height());
    return true;
}

}  // namespace app
