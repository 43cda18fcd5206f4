#include "ui/frmAbout.h"

#include "render/Pictures.h"
#include "ui/App.h"

namespace frmAbout {

std::shared_ptr<frmAbout> frmAbout_() { return tk::ImplicitWindow<frmAbout>("frmAbout.frmAbout"); }

void frmAbout::Layout() {
  Apply({{"Title", "About Tarnwick Lanes"},
         {"Width", 456},
         {"Height", 218},
         {"MinWidth", 64},
         {"MinHeight", 64},
         {"MaxWidth", 32000},
         {"MaxHeight", 32000},
         {"Frame", 1},
         {"Placement", 1},
         {"CloseButton", true},
         {"Resizeable", false},
         {"MaximizeButton", false},
         {"MinimizeButton", false},
         {"FullScreenButton", false},
         {"Composite", false},
         {"LiveResize", false},
         {"FullScreen", false},
         {"MacProcID", 0},
         {"Visible", true},
         {"HasBackColor", false},
         {"BackColor", 0xFFFFFF},
         {"MenuBarVisible", true}});
}

void frmAbout::CreateControls() { CreateControls0_(); }

namespace {
tk::PropertyList With(tk::PropertyList own) {
  tk::PropertyList all = {{"Enabled", true},     {"Visible", true},        {"TabStop", true},
                          {"LockLeft", true},    {"LockTop", true},        {"LockRight", false},
                          {"LockBottom", false}, {"AutoDeactivate", true}, {"HelpTag", ""}};
  all.insert(all.end(), own.begin(), own.end());
  return all;
}
tk::PropertyList LabelValues(tk::PropertyList own) {
  tk::PropertyList all = With({{"TextColor", 0x000000},
                               {"Multiline", false},
                               {"Selectable", false},
                               {"Transparent", false},
                               {"TextUnit", 0},
                               {"Italic", false},
                               {"Underline", false}});
  all.insert(all.end(), own.begin(), own.end());
  return all;
}
tk::PropertyList CanvasValues(tk::PropertyList own) {
  tk::PropertyList all = With({{"UseFocusRing", true},
                               {"AcceptFocus", false},
                               {"AcceptTabs", false},
                               {"DoubleBuffer", false},
                               {"EraseBackground", true},
                               {"Transparent", true}});
  all.insert(all.end(), own.begin(), own.end());
  return all;
}
}  // namespace

void frmAbout::CreateControls0_() {
  AddControl_(std::make_shared<tk::Label>(*this), "Label1");
  Label1()->Apply(LabelValues({{"Left", 160},
                               {"Top", 14},
                               {"Width", 283},
                               {"Height", 34},
                               {"Text", "Tarnwick Lanes"},
                               {"TextFont", "Arial"},
                               {"TextSize", 24},
                               {"Bold", true},
                               {"TextAlign", 1},
                               {"TabIndex", 0}}));

  AddControl_(std::make_shared<tk::Label>(*this), "lblVersion");
  lblVersion()->Apply(LabelValues({{"Left", 160},
                                   {"Top", 53},
                                   {"Width", 276},
                                   {"Height", 20},
                                   {"Text", "Version"},
                                   {"TextFont", "System"},
                                   {"TextSize", 12},
                                   {"Bold", false},
                                   {"TextAlign", 1},
                                   {"TabIndex", 1}}));

  AddControl_(std::make_shared<tk::Label>(*this), "lblCopyright");
  lblCopyright()->Apply(LabelValues({{"Left", 20},
                                     {"Top", 198},
                                     {"Width", 416},
                                     {"Height", 20},
                                     {"Text", "Copyright"},
                                     {"TextFont", "System"},
                                     {"TextSize", 12},
                                     {"Bold", false},
                                     {"TextAlign", 1},
                                     {"TabIndex", 2}}));

  AddControl_(std::make_shared<tk::PushButton>(*this), "PushButton1");
  PushButton1()->Apply(With({{"Left", 260},
                             {"Top", 164},
                             {"Width", 80},
                             {"Height", 22},
                             {"Caption", "&Close"},
                             {"Default", true},
                             {"Cancel", true},
                             {"ButtonStyle", 0},
                             {"TextFont", "System"},
                             {"TextSize", 0},
                             {"Transparent", true},
                             {"TextUnit", 0},
                             {"Bold", false},
                             {"Italic", false},
                             {"Underline", false},
                             {"TabIndex", 3}}));
  PushButton1()->Action = [this](tk::PushButton& sender) { PushButton1_Action(sender); };

  AddControl_(std::make_shared<tk::Canvas>(*this), "Canvas1");
  Canvas1()->SetBackdrop(Pictures::OxlLogo3x2());
  Canvas1()->Apply(
      CanvasValues({{"Left", 193}, {"Top", 90}, {"Width", 214}, {"Height", 54}, {"TabIndex", 4}}));

  AddControl_(std::make_shared<tk::Canvas>(*this), "Canvas2");
  Canvas2()->SetBackdrop(Pictures::MazeIcon128());
  Canvas2()->Apply(
      CanvasValues({{"Left", 20}, {"Top", 41}, {"Width", 128}, {"Height", 128}, {"TabIndex", 5}}));
}

std::shared_ptr<tk::Label> frmAbout::Label1() const { return ControlAs_<tk::Label>("Label1"); }
std::shared_ptr<tk::Label> frmAbout::lblVersion() const { return ControlAs_<tk::Label>("lblVersion"); }
std::shared_ptr<tk::Label> frmAbout::lblCopyright() const { return ControlAs_<tk::Label>("lblCopyright"); }
std::shared_ptr<tk::PushButton> frmAbout::PushButton1() const {
  return ControlAs_<tk::PushButton>("PushButton1");
}
std::shared_ptr<tk::Canvas> frmAbout::Canvas1() const { return ControlAs_<tk::Canvas>("Canvas1"); }
std::shared_ptr<tk::Canvas> frmAbout::Canvas2() const { return ControlAs_<tk::Canvas>("Canvas2"); }

void frmAbout::Event_Open() {
  // Read afresh at each opening, as the application gives them.
  auto app = App::App_();
  lblVersion()->SetText("Version " + app->Version());
  lblCopyright()->SetText(app->LongVersion());
}

void frmAbout::PushButton1_Action(tk::PushButton&) { Close(); }

}  // namespace frmAbout
