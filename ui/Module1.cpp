#include "ui/Module1.h"

#include <string>

#include "render/Module1.h"
#include "ui/App.h"
#include "ui/frmBasic.h"
#include "ui/frmPro.h"
#include "ui/toolkit/FolderItem.h"
#include "ui/toolkit/Numbers.h"
#include "ui/toolkit/Text.h"

namespace Module1 {

void SetupINIandPrefs() {
  auto folder = tk::SpecialFolder::Preferences()->Child("OxlTarnwickLanes");
  folder->CreateAsFolder();
  myINI = std::make_shared<iniClass>(folder->Child("TarnwickLanes.ini"));
}

void Initialize() {
  SetupINIandPrefs();

  SetupMyPicts(0x000000);
  for (const auto& design : myPicts)
    if (design) design->SetTransparent(1);

  std::string value;
  if (myINI->GetPreference("All", "PrintLimit", value) > 0)
    PrintLimit = tk::IntVal(value);
  else
    PrintLimit = 3;

  auto app = App::App_();
  app->BasicPro = 0;
  if (myINI->GetPreference("Startup", "BasicPro", value) > 0 && tk::Val(value) == 1.0) {
    app->BasicPro = 1;
    frmPro::frmPro_()->Show();
  } else {
    frmBasic::frmBasic_()->Show();
  }
}

}  // namespace Module1
