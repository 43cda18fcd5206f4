#include "ui/frmBasic.h"

#include <algorithm>
#include <string>

#include "maze/Module1.h"
#include "render/Module1.h"
#include "render/Pictures.h"
#include "render/Print.h"
#include "ui/MenuBar1.h"
#include "ui/Module1.h"
#include "ui/toolkit/Numbers.h"
#include "ui/toolkit/Text.h"

namespace frmBasic {

std::shared_ptr<frmBasic> frmBasic_() { return tk::ImplicitWindow<frmBasic>("frmBasic.frmBasic"); }

void frmBasic::Layout() {
  SetMenuBar(MenuBar1::MenuBar1_());
  Apply({{"Title", "Tarnwick Lanes"},
         {"Width", 745},
         {"Height", 776},
         {"Resizeable", false},
         {"MinWidth", 64},
         {"MinHeight", 64},
         {"MaxWidth", 32000},
         {"MaxHeight", 32000},
         {"CloseButton", true},
         {"MinimizeButton", true},
         {"MaximizeButton", false},
         {"FullScreenButton", false},
         {"FullScreen", false},
         {"Frame", 0},
         {"Placement", 2},
         {"MacProcID", 0},
         {"Composite", false},
         {"LiveResize", true},
         {"Visible", true},
         {"HasBackColor", false},
         {"BackColor", tk::Color(0xFFFFFF)},
         {"MenuBarVisible", true}});
}

void frmBasic::CreateControls() { CreateControls0_(); }

namespace {

// What the six bevel buttons share.
tk::PropertyList BevelButtonDesign(int left, int top, int width, int height, const char* caption, int iconDY,
                                   int tabIndex, bool anchored) {
  return {{"Left", left},
          {"Top", top},
          {"Width", width},
          {"Height", height},
          {"Caption", caption},
          {"IconDY", iconDY},
          {"TabIndex", tabIndex},
          {"TextFont", "System"},
          {"TextSize", 0},
          {"TextColor", tk::Color(0x000000)},
          {"CaptionAlign", 3},
          {"CaptionPlacement", 4},
          {"CaptionDelta", 0},
          {"IconAlign", 4},
          {"IconDX", 0},
          {"ButtonType", 0},
          {"Bevel", 0},
          {"HasMenu", 0},
          {"MenuValue", 0},
          {"Value", false},
          {"AcceptFocus", false},
          {"Transparent", true},
          {"HasBackColor", false},
          {"Enabled", true},
          {"Visible", true},
          {"HelpTag", ""},
          {"LockLeft", anchored},
          {"LockTop", anchored}};
}

}  // namespace

void frmBasic::CreateControls0_() {
  AddControl_(std::make_shared<tk::Canvas>(*this), "Canvas1");
  Canvas1()->Apply({{"Left", 0},
                    {"Top", 0},
                    {"Width", 576},
                    {"Height", 756},
                    {"TabIndex", 3},
                    {"Transparent", true},
                    {"EraseBackground", true},
                    {"DoubleBuffer", false},
                    {"AcceptFocus", false},
                    {"Enabled", true},
                    {"Visible", true},
                    {"HelpTag", ""},
                    {"LockLeft", true},
                    {"LockTop", true}});
  Canvas1()->Paint = [this](tk::Canvas& s, tk::Graphics& g, const std::vector<tk::Rect>& areas) {
    Canvas1_Paint(s, g, areas);
  };

  AddControl_(std::make_shared<tk::BevelButton>(*this), "BevelButton1");
  BevelButton1()->SetIcon(Pictures::Sunflower());
  BevelButton1()->Apply(BevelButtonDesign(593, 14, 132, 128, "Border Design", 15, 4, true));
  BevelButton1()->Action = [this](tk::BevelButton& s) { BevelButton1_Action(s); };

  AddControl_(std::make_shared<tk::BevelButton>(*this), "BevelButton2");
  BevelButton2()->SetIcon(Pictures::print64());
  BevelButton2()->Apply(BevelButtonDesign(593, 480, 132, 132, "Print", 15, 5, false));
  BevelButton2()->Action = [this](tk::BevelButton& s) { BevelButton2_Action(s); };

  AddControl_(std::make_shared<tk::BevelButton>(*this), "BevelButton4");
  BevelButton4()->SetIcon(Pictures::close64());
  BevelButton4()->Apply(BevelButtonDesign(593, 624, 132, 132, "&Quit", 15, 10, false));
  BevelButton4()->Action = [this](tk::BevelButton& s) { BevelButton4_Action(s); };

  AddControl_(std::make_shared<tk::BevelButton>(*this), "BevelButton7");
  BevelButton7()->SetIcon(Pictures::add48());
  BevelButton7()->Apply(BevelButtonDesign(665, 154, 60, 80, "Harder", 5, 13, true));
  BevelButton7()->Action = [this](tk::BevelButton& s) { BevelButton7_Action(s); };

  AddControl_(std::make_shared<tk::BevelButton>(*this), "BevelButton8");
  BevelButton8()->SetIcon(Pictures::LongLine());
  BevelButton8()->Apply(BevelButtonDesign(593, 154, 60, 80, "Easier", 15, 14, true));
  BevelButton8()->Action = [this](tk::BevelButton& s) { BevelButton8_Action(s); };

  AddControl_(std::make_shared<tk::Slider>(*this), "Slider1");
  Slider1()->Apply({{"Left", 593},
                    {"Top", 367},
                    {"Width", 132},
                    {"Height", 23},
                    {"TabIndex", 15},
                    {"Visible", false},
                    {"Enabled", true},
                    {"Minimum", 17},
                    {"Maximum", 90},
                    {"Value", 18},
                    {"LineStep", 1},
                    {"PageStep", 20},
                    {"LiveScroll", true},
                    {"TickStyle", 0},
                    {"HelpTag", ""},
                    {"LockLeft", true},
                    {"LockTop", true}});
  Slider1()->ValueChanged = [this](tk::Slider& s) { Slider1_ValueChanged(s); };

  AddControl_(std::make_shared<tk::BevelButton>(*this), "BevelButton9");
  BevelButton9()->SetIcon(Pictures::refresh48());
  BevelButton9()->Apply(BevelButtonDesign(593, 246, 60, 80, "Refresh", 5, 16, true));
  BevelButton9()->Action = [this](tk::BevelButton& s) { BevelButton9_Action(s); };

  AddControl_(std::make_shared<tk::Label>(*this), "Label1");
  Label1()->Apply({{"Left", 665},          {"Top", 246},
                   {"Width", 60},          {"Height", 80},
                   {"TabIndex", 17},       {"Text", "88"},
                   {"TextSize", 48},       {"TextFont", "System"},
                   {"TextAlign", 1},       {"TextColor", tk::Color(0x000000)},
                   {"Transparent", false}, {"Selectable", false},
                   {"Multiline", false},   {"Bold", false},
                   {"Italic", false},      {"Underline", false},
                   {"Enabled", true},      {"Visible", true},
                   {"HelpTag", ""},        {"LockLeft", true},
                   {"LockTop", true}});
}

std::shared_ptr<tk::Canvas> frmBasic::Canvas1() const { return ControlAs_<tk::Canvas>("Canvas1"); }
std::shared_ptr<tk::BevelButton> frmBasic::BevelButton1() const {
  return ControlAs_<tk::BevelButton>("BevelButton1");
}
std::shared_ptr<tk::BevelButton> frmBasic::BevelButton2() const {
  return ControlAs_<tk::BevelButton>("BevelButton2");
}
std::shared_ptr<tk::BevelButton> frmBasic::BevelButton4() const {
  return ControlAs_<tk::BevelButton>("BevelButton4");
}
std::shared_ptr<tk::BevelButton> frmBasic::BevelButton7() const {
  return ControlAs_<tk::BevelButton>("BevelButton7");
}
std::shared_ptr<tk::BevelButton> frmBasic::BevelButton8() const {
  return ControlAs_<tk::BevelButton>("BevelButton8");
}
std::shared_ptr<tk::Slider> frmBasic::Slider1() const { return ControlAs_<tk::Slider>("Slider1"); }
std::shared_ptr<tk::BevelButton> frmBasic::BevelButton9() const {
  return ControlAs_<tk::BevelButton>("BevelButton9");
}
std::shared_ptr<tk::Label> frmBasic::Label1() const { return ControlAs_<tk::Label>("Label1"); }

void frmBasic::Canvas1_Paint(tk::Canvas&, tk::Graphics& g, const std::vector<tk::Rect>&) {
  Module1::PaintMazeCanvas(g);
}

void frmBasic::BevelButton1_Action(tk::BevelButton&) {
  Module1::myImageIndex = Module1::myImageIndex + 1;
  if (Module1::myImageIndex > std::int64_t(Module1::myPicts.size()) - 1) Module1::myImageIndex = 0;
  if (!Module1::myPicts.empty())
    BevelButton1()->SetIcon(Module1::myPicts[std::size_t(Module1::myImageIndex)]);
  Canvas1()->Refresh(false);
}

void frmBasic::BevelButton2_Action(tk::BevelButton&) {
  if (Module1::PrintImage(Module1::myDrawing, true)) {
    PrintsLeft = PrintsLeft - 1;
    UpdatePrintLimit();
  }
}

void frmBasic::BevelButton4_Action(tk::BevelButton&) { Close(); }

void frmBasic::BevelButton7_Action(tk::BevelButton&) { Slider1()->SetValue(Slider1()->Value() + 5); }

void frmBasic::BevelButton8_Action(tk::BevelButton&) { Slider1()->SetValue(Slider1()->Value() - 5); }

void frmBasic::Slider1_ValueChanged(tk::Slider&) {
  BevelButton8()->SetEnabled(true);
  BevelButton7()->SetEnabled(true);
  if (Slider1()->Value() == Slider1()->Minimum()) BevelButton8()->SetEnabled(false);
  if (Slider1()->Value() == Slider1()->Maximum()) BevelButton7()->SetEnabled(false);

  Module1::RANDOMISATION = 0;
  if (Slider1()->Value() < 30) Module1::RANDOMISATION = 5;
  if (Slider1()->Value() < 25) Module1::RANDOMISATION = 12;
  if (Slider1()->Value() < 20) Module1::RANDOMISATION = 25;

  Module1::LastDoorUsed = 3;
  Module1::CreateMaze(Slider1()->Value(), Slider1()->Value(), false);
  Canvas1()->Refresh(false);
}

void frmBasic::BevelButton9_Action(tk::BevelButton&) {
  Module1::CreateMaze(Slider1()->Value(), Slider1()->Value(), false);
  Canvas1()->Refresh(false);
}


void frmBasic::AddMenuHandlers(tk::Window& w) {
  auto& self = static_cast<frmBasic&>(w);
  w.AddMenuHandler_("FileAbout", [&self] { return self.FileAbout_Action_(); });
  w.AddMenuHandler_("mnuPrefs", [&self] { return self.mnuPrefs_Action_(); });
}

void frmBasic::Event_Open() {
  std::string s;
  if (Module1::myINI->GetPreference("Basic", "Difficulty", s) != 0) Slider1()->SetValue(tk::IntVal(s));

  if (Module1::myINI->GetPreference("Basic", "Icon", s) != 0) Module1::myImageIndex = tk::IntVal(s);
  // A hand-edited value that names no design takes the first one.
  if (Module1::myImageIndex < 0 || Module1::myImageIndex >= std::int64_t(Module1::myPicts.size()))
    Module1::myImageIndex = 0;
  if (!Module1::myPicts.empty())
    BevelButton1()->SetIcon(Module1::myPicts[std::size_t(Module1::myImageIndex)]);

  Module1::LastDoorUsed = 3;
  Module1::CreateMaze(Slider1()->Value(), Slider1()->Value(), false);

  // A negative limit (hand-edited) would never run out; it allows no print.
  PrintsLeft = std::max<std::int64_t>(0, Module1::PrintLimit);
  UpdatePrintLimit();
}

void frmBasic::Event_Close() {
  Module1::myINI->SetPreference("Basic", "Difficulty", tk::Str(Slider1()->Value()));
  Module1::myINI->SetPreference("Basic", "Icon", tk::Str(Module1::myImageIndex));
}

void frmBasic::UpdatePrintLimit() {
  Label1()->SetText(tk::Str(PrintsLeft));
  if (PrintsLeft == 0) BevelButton2()->SetEnabled(false);
}

}  // namespace frmBasic
