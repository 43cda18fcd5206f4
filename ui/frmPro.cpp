#include "ui/frmPro.h"

#include <string>

#include "maze/Module1.h"
#include "render/Module1.h"
#include "render/Pictures.h"
#include "render/Print.h"
#include "solver/Module1.h"
#include "solver/PathFind.h"
#include "ui/FileTypes1.h"
#include "ui/MenuBar1.h"
#include "ui/Module1.h"
#include "ui/toolkit/Date.h"
#include "ui/toolkit/Dialogs.h"
#include "ui/toolkit/FolderItem.h"
#include "ui/toolkit/Graphics.h"
#include "ui/toolkit/Numbers.h"
#include "ui/toolkit/Picture.h"
#include "ui/toolkit/Text.h"

namespace frmPro {

namespace {

using tk::PropertyList;

PropertyList operator+(PropertyList a, const PropertyList& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

PropertyList Place(int left, int top, int width, int height, int tabIndex) {
  return {{"Left", left}, {"Top", top}, {"Width", width}, {"Height", height}, {"TabIndex", tabIndex}};
}

// What every visible control of this window shares. Print and Quit carry no
// anchors; the others hang on the top left corner.
PropertyList Common(bool anchored, bool transparent, bool tabStop) {
  PropertyList list = {{"Enabled", true},         {"Visible", true},          {"AutoDeactivate", true},
                       {"HelpTag", ""},           {"InitialParent", ""},      {"TabPanelIndex", 0},
                       {"LockLeft", anchored},    {"LockTop", anchored},      {"LockRight", false},
                       {"LockBottom", false},     {"Transparent", transparent}};
  if (tabStop) list.push_back({"TabStop", true});
  return list;
}

PropertyList Bevel(const std::string& caption, int iconDY) {
  return {{"Caption", caption}, {"CaptionAlign", 3}, {"CaptionPlacement", 4}, {"CaptionDelta", 0},
          {"IconAlign", 4},     {"IconDX", 0},       {"IconDY", iconDY},      {"Bevel", 0},
          {"ButtonType", 0},    {"HasMenu", 0},      {"MenuValue", 0},        {"Value", false},
          {"AcceptFocus", false}, {"HasBackColor", false}, {"BackColor", 0x000000}, {"TextColor", 0x000000},
          {"TextFont", "System"}, {"TextSize", 0},   {"TextUnit", 0},         {"Bold", false},
          {"Italic", false},    {"Underline", false}};
}

PropertyList Range(int minimum, int maximum, int value, int lineStep, int pageStep) {
  return {{"Minimum", minimum},   {"Maximum", maximum},   {"Value", value}, {"LineStep", lineStep},
          {"PageStep", pageStep}, {"LiveScroll", true},   {"TickStyle", 0}};
}

const PropertyList kCanvas = {{"EraseBackground", true}, {"DoubleBuffer", false}, {"AcceptFocus", false},
                              {"AcceptTabs", false},     {"UseFocusRing", true}};

// The current border design, as the Border Design button shows it.
std::shared_ptr<tk::Picture> CurrentDesign() {
  const auto i = Module1::myImageIndex;
  if (i < 0 || i >= std::int64_t(Module1::myPicts.size())) return nullptr;
  return Module1::myPicts[std::size_t(i)];
}

}  // namespace

void frmPro::Layout() {
  SetMenuBar(MenuBar1::MenuBar1_());
  Apply({{"Title", "Tarnwick Lanes"},
         {"Width", 769},
         {"Height", 803},
         {"MinWidth", 64},
         {"MinHeight", 64},
         {"MaxWidth", 32000},
         {"MaxHeight", 32000},
         {"Resizeable", false},
         {"CloseButton", true},
         {"MinimizeButton", true},
         {"MaximizeButton", false},
         {"FullScreenButton", false},
         {"FullScreen", false},
         {"Frame", 0},
         {"Placement", 2},
         {"Visible", true},
         {"LiveResize", true},
         {"Composite", false},
         {"MacProcID", 0},
         {"HasBackColor", false},
         {"BackColor", 0xFFFFFF},
         {"MenuBarVisible", true}});
}

void frmPro::CreateControls() { CreateControls0_(); }

// Each control is made, registered, given its picture and its design values,
// and only then bound to its handlers, so no design value runs a handler.
void frmPro::CreateControls0_() {
  AddControl_(std::make_shared<tk::Slider>(*this), "Slider1");
  Slider1()->Apply(Place(0, 760, 576, 23, 1) + Common(true, true, true) + Range(17, 150, 25, 2, 20));
  Slider1()->ValueChanged = [this](tk::Slider& s) { Slider1_ValueChanged(s); };

  AddControl_(std::make_shared<tk::Slider>(*this), "Slider2");
  Slider2()->Apply(Place(580, 0, 29, 756, 2) + Common(true, true, true) + Range(17, 150, 17, 1, 20));
  Slider2()->ValueChanged = [this](tk::Slider& s) { Slider2_ValueChanged(s); };
  Slider2()->Open = [this](tk::Slider& s) { Slider2_Open(s); };

  AddControl_(std::make_shared<tk::Canvas>(*this), "Canvas1");
  Canvas1()->Apply(Place(0, 0, 576, 756, 3) + Common(true, true, true) + kCanvas);
  Canvas1()->Paint = [this](tk::Canvas& c, tk::Graphics& g, const std::vector<tk::Rect>& areas) {
    Canvas1_Paint(c, g, areas);
  };

  AddControl_(std::make_shared<tk::BevelButton>(*this), "BevelButton1");
  BevelButton1()->SetIcon(Pictures::Sunflower());
  BevelButton1()->Apply(Place(619, 14, 132, 128, 4) + Common(true, true, true) + Bevel("Border Design", 15));
  BevelButton1()->Action = [this](tk::BevelButton& b) { BevelButton1_Action(b); };

  AddControl_(std::make_shared<tk::BevelButton>(*this), "BevelButton2");
  BevelButton2()->SetIcon(Pictures::print64());
  BevelButton2()->Apply(Place(635, 571, 100, 100, 5) + Common(false, true, true) + Bevel("Print", 15));
  BevelButton2()->Action = [this](tk::BevelButton& b) { BevelButton2_Action(b); };

  AddControl_(std::make_shared<tk::BevelButton>(*this), "BevelButton3");
  BevelButton3()->SetIcon(Pictures::save64());
  BevelButton3()->Apply(Place(635, 459, 100, 100, 7) + Common(true, true, true) + Bevel("Save", 15));
  BevelButton3()->Action = [this](tk::BevelButton& b) { BevelButton3_Action(b); };

  AddControl_(std::make_shared<tk::BevelButton>(*this), "BevelButton4");
  BevelButton4()->SetIcon(Pictures::close64());
  BevelButton4()->Apply(Place(635, 683, 100, 100, 10) + Common(false, true, true) + Bevel("&Quit", 15));
  BevelButton4()->Action = [this](tk::BevelButton& b) { BevelButton4_Action(b); };

  AddControl_(std::make_shared<tk::BevelButton>(*this), "BevelButton5");
  BevelButton5()->SetIcon(Pictures::refresh48());
  BevelButton5()->Apply(Place(619, 154, 60, 80, 11) + Common(true, true, true) + Bevel("Redraw", 5));
  BevelButton5()->Action = [this](tk::BevelButton& b) { BevelButton5_Action(b); };

  AddControl_(std::make_shared<tk::BevelButton>(*this), "BevelButton6");
  BevelButton6()->SetIcon(Pictures::move48());
  BevelButton6()->Apply(Place(691, 154, 60, 80, 12) + Common(true, true, true) + Bevel("Door", 5));
  BevelButton6()->Action = [this](tk::BevelButton& b) { BevelButton6_Action(b); };

  AddControl_(std::make_shared<tk::Slider>(*this), "Slider3");
  Slider3()->Apply(Place(656, 250, 55, 23, 13) + Common(true, true, true) + Range(0, 25, 0, 1, 2));
  Slider3()->ValueChanged = [this](tk::Slider& s) { Slider3_ValueChanged(s); };

  AddControl_(std::make_shared<tk::Canvas>(*this), "Canvas2");
  Canvas2()->SetBackdrop(Pictures::ShortLine());
  Canvas2()->Apply(Place(619, 245, 32, 33, 14) + Common(true, true, true) + kCanvas);
  Canvas2()->MouseDown = [this](tk::Canvas& c, int x, int y) { return Canvas2_MouseDown(c, x, y); };
  Canvas2()->MouseUp = [this](tk::Canvas& c, int x, int y) { Canvas2_MouseUp(c, x, y); };

  AddControl_(std::make_shared<tk::Canvas>(*this), "Canvas3");
  Canvas3()->SetBackdrop(Pictures::LongLine());
  Canvas3()->Apply(Place(716, 245, 35, 33, 15) + Common(true, true, true) + kCanvas);
  Canvas3()->MouseDown = [this](tk::Canvas& c, int x, int y) { return Canvas3_MouseDown(c, x, y); };
  Canvas3()->MouseUp = [this](tk::Canvas& c, int x, int y) { Canvas3_MouseUp(c, x, y); };

  AddControl_(std::make_shared<tk::Label>(*this), "Label1");
  Label1()->Apply(Place(619, 290, 100, 20, 16) + Common(true, false, true) +
                  PropertyList{{"Text", "Color:"},
                               {"TextFont", "System"},
                               {"TextSize", 12},
                               {"TextUnit", 0},
                               {"TextAlign", 0},
                               {"TextColor", 0x000000},
                               {"Bold", false},
                               {"Italic", false},
                               {"Underline", false},
                               {"Multiline", false},
                               {"Selectable", false}});

  AddControl_(std::make_shared<tk::Rectangle>(*this), "Rectangle1");
  Rectangle1()->Apply(Place(619, 314, 132, 14, 17) + Common(true, true, false) +
                      PropertyList{{"FillColor", 0x000000},
                                   {"BorderWidth", 1},
                                   {"TopLeftColor", 0x000000},
                                   {"BottomRightColor", 0x000000}});
  Rectangle1()->MouseDown = [this](tk::Rectangle& r, int x, int y) { return Rectangle1_MouseDown(r, x, y); };
  Rectangle1()->MouseUp = [this](tk::Rectangle& r, int x, int y) { Rectangle1_MouseUp(r, x, y); };

  AddControl_(std::make_shared<tk::Timer>(*this), "PathTimer");
  PathTimer()->Apply({{"Mode", tk::Timer::ModeOff}, {"Period", 1}});
  PathTimer()->Action = [this](tk::Timer& t) { PathTimer_Action(t); };

  AddControl_(std::make_shared<tk::BevelButton>(*this), "btnFindSolution");
  btnFindSolution()->SetIcon(Pictures::search64());
  btnFindSolution()->Apply(Place(635, 347, 100, 100, 19) + Common(true, true, true) + Bevel("Solve", 15));
  btnFindSolution()->Action = [this](tk::BevelButton& b) { btnFindSolution_Action(b); };
}

std::shared_ptr<tk::Slider> frmPro::Slider1() const { return ControlAs_<tk::Slider>("Slider1"); }
std::shared_ptr<tk::Slider> frmPro::Slider2() const { return ControlAs_<tk::Slider>("Slider2"); }
std::shared_ptr<tk::Canvas> frmPro::Canvas1() const { return ControlAs_<tk::Canvas>("Canvas1"); }
std::shared_ptr<tk::BevelButton> frmPro::BevelButton1() const { return ControlAs_<tk::BevelButton>("BevelButton1"); }
std::shared_ptr<tk::BevelButton> frmPro::BevelButton2() const { return ControlAs_<tk::BevelButton>("BevelButton2"); }
std::shared_ptr<tk::BevelButton> frmPro::BevelButton3() const { return ControlAs_<tk::BevelButton>("BevelButton3"); }
std::shared_ptr<tk::BevelButton> frmPro::BevelButton4() const { return ControlAs_<tk::BevelButton>("BevelButton4"); }
std::shared_ptr<tk::BevelButton> frmPro::BevelButton5() const { return ControlAs_<tk::BevelButton>("BevelButton5"); }
std::shared_ptr<tk::BevelButton> frmPro::BevelButton6() const { return ControlAs_<tk::BevelButton>("BevelButton6"); }
std::shared_ptr<tk::Slider> frmPro::Slider3() const { return ControlAs_<tk::Slider>("Slider3"); }
std::shared_ptr<tk::Canvas> frmPro::Canvas2() const { return ControlAs_<tk::Canvas>("Canvas2"); }
std::shared_ptr<tk::Canvas> frmPro::Canvas3() const { return ControlAs_<tk::Canvas>("Canvas3"); }
std::shared_ptr<tk::Label> frmPro::Label1() const { return ControlAs_<tk::Label>("Label1"); }
std::shared_ptr<tk::Rectangle> frmPro::Rectangle1() const { return ControlAs_<tk::Rectangle>("Rectangle1"); }
std::shared_ptr<tk::Timer> frmPro::PathTimer() const { return ControlAs_<tk::Timer>("PathTimer"); }
std::shared_ptr<tk::BevelButton> frmPro::btnFindSolution() const {
  return ControlAs_<tk::BevelButton>("btnFindSolution");
}

// A new maze at the sizes of the two sliders, with the exit kept.
void frmPro::Slider1_ValueChanged(tk::Slider&) {
  Module1::CreateMaze(Slider1()->Value(), Slider2()->Value(), false);
  Canvas1()->Refresh(false);
}

void frmPro::Slider2_ValueChanged(tk::Slider&) {
  Module1::CreateMaze(Slider1()->Value(), Slider2()->Value(), false);
  Canvas1()->Refresh(false);
}

// The height slider stands beside the maze view, so it runs up and down.
void frmPro::Slider2_Open(tk::Slider& sender) { sender.SetVertical(true); }

void frmPro::Canvas1_Paint(tk::Canvas&, tk::Graphics& g, const std::vector<tk::Rect>&) {
  Module1::PaintMazeCanvas(g);
}

void frmPro::BevelButton1_Action(tk::BevelButton& sender) {
  Module1::myImageIndex = Module1::myImageIndex + 1;
  if (Module1::myImageIndex > std::int64_t(Module1::myPicts.size()) - 1) Module1::myImageIndex = 0;
  sender.SetIcon(CurrentDesign());
  EnableColorPicker();
  Canvas1()->Refresh(true);
}

// Prints the drawn cell area stretched over a picture of the view's size, as
// the screen shows it.
void frmPro::BevelButton2_Action(tk::BevelButton&) {
  const auto drawing = Module1::myDrawing;
  if (!drawing) return;
  auto copy = std::make_shared<tk::Picture>(drawing->Width(), drawing->Height());
  // Pixel by pixel: a smoothed stretch would print the walls of a large maze
  // with grey fringes.
  copy->Graphics()->SetSmoothScaling(false);
  copy->Graphics()->DrawPicture(drawing, 0, 0, copy->Width(), copy->Height(), 0, 0, double(Module1::maxW),
                                double(Module1::maxH));
  Module1::PrintImage(copy, true);
}

void frmPro::BevelButton3_Action(tk::BevelButton&) {
  std::string name = "New Maze " + tk::Date().SQLDateTime();
  name = tk::ReplaceAll(name, ":", "-");
  auto file = tk::GetSaveFolderItem(FileTypes1::PNG()->Filter(), name + ".png");
  if (!file) return;
  // A full disk or a folder the user may not write to must not pass for a
  // saved maze.
  if (!file->SaveAsPicture(Module1::myDrawing, tk::FolderItem::kPNG))
    tk::MsgBox("The maze could not be saved as " + file->Name() + ".");
}

void frmPro::BevelButton4_Action(tk::BevelButton&) { Close(); }

void frmPro::BevelButton5_Action(tk::BevelButton&) {
  Module1::CreateMaze(Slider1()->Value(), Slider2()->Value(), false);
  Canvas1()->Refresh(false);
}

// Moves the exit to the next of its three places; the passages stay.
void frmPro::BevelButton6_Action(tk::BevelButton&) {
  Module1::TurnOffSolutionFinding();
  Module1::LastDoorUsed = Module1::LastDoorUsed + 1;
  if (Module1::LastDoorUsed == 4) Module1::LastDoorUsed = 1;
  Module1::blnMaze(Module1::MAZE_X, 2) = false;
  Module1::blnMaze(2, Module1::MAZE_Y) = false;
  Module1::blnMaze(Module1::MAZE_X - 1, Module1::MAZE_Y) = false;
  Module1::CreateDoors(false);
  Canvas1()->Refresh(false);
}

void frmPro::Slider3_ValueChanged(tk::Slider& sender) {
  Module1::RANDOMISATION = sender.Value();
  Module1::CreateMaze(Slider1()->Value(), Slider2()->Value(), false);
  Canvas1()->Refresh(false);
}

bool frmPro::Canvas2_MouseDown(tk::Canvas&, int, int) { return true; }
void frmPro::Canvas2_MouseUp(tk::Canvas&, int, int) { Slider3()->SetValue(Slider3()->Value() - 1); }
bool frmPro::Canvas3_MouseDown(tk::Canvas&, int, int) { return true; }
void frmPro::Canvas3_MouseUp(tk::Canvas&, int, int) { Slider3()->SetValue(Slider3()->Value() + 1); }

bool frmPro::Rectangle1_MouseDown(tk::Rectangle&, int, int) { return true; }

void frmPro::Rectangle1_MouseUp(tk::Rectangle& sender, int, int) {
  tk::Color c = sender.FillColor();
  if (!tk::SelectColor(c, "Select Color")) return;
  Rectangle1()->SetFillColor(c);
  Module1::SetupMyPicts(c);
  BevelButton1()->SetIcon(CurrentDesign());
  Canvas1()->Refresh(true);
}

void frmPro::PathTimer_Action(tk::Timer&) { PathFind::DoOneSearchStep(); }

void frmPro::btnFindSolution_Action(tk::BevelButton&) {
  btnFindSolution()->SetEnabled(false);
  PathFind::hasSolution = false;
  PathFind::FindingSolution = true;
  PathFind::Reset();
  PathTimer()->SetMode(tk::Timer::ModeMultiple);
}


void frmPro::AddMenuHandlers(tk::Window& w) {
  auto& self = static_cast<frmPro&>(w);
  w.AddMenuHandler_("FileAbout", [&self] { return self.FileAbout_Action_(); });
  w.AddMenuHandler_("mnuPrefs", [&self] { return self.mnuPrefs_Action_(); });
  w.AddMenuHandler_("mnuClearSolution", [&self] { return self.mnuClearSolution_Action_(); });
}

void frmPro::Event_Open() {
  std::string s;
  auto& ini = *Module1::myINI;
  if (ini.GetPreference("Pro", "Width", s) != 0) Slider1()->SetValue(tk::IntVal(s));
  if (ini.GetPreference("Pro", "Height", s) != 0) Slider2()->SetValue(tk::IntVal(s));
  if (ini.GetPreference("Pro", "LineLength", s) != 0) Slider3()->SetValue(tk::IntVal(s));
  if (ini.GetPreference("Pro", "Icon", s) != 0) Module1::myImageIndex = tk::IntVal(s);
  // Only this program writes "Icon", always in range; a hand-edited value
  // outside the designs falls back to the first one.
  if (Module1::myImageIndex < 0 || Module1::myImageIndex >= std::int64_t(Module1::myPicts.size()))
    Module1::myImageIndex = 0;
  BevelButton1()->SetIcon(CurrentDesign());
  // The stored "Door" is not read: every opening draws its exit afresh.
  Module1::CreateMaze(Slider1()->Value(), Slider2()->Value(), true);
  EnableColorPicker();
}

void frmPro::Event_Close() {
  auto& ini = *Module1::myINI;
  ini.SetPreference("Pro", "Width", tk::Str(Slider1()->Value()));
  ini.SetPreference("Pro", "Height", tk::Str(Slider2()->Value()));
  ini.SetPreference("Pro", "LineLength", tk::Str(Slider3()->Value()));
  ini.SetPreference("Pro", "Icon", tk::Str(Module1::myImageIndex));
  ini.SetPreference("Pro", "Door", tk::Str(Module1::LastDoorUsed));
}

// "Clear Solution" can be chosen exactly while a found path is shown.
void frmPro::Event_EnableMenuItems() { mnuClearSolution()->Enabled = PathFind::hasSolution; }

bool frmPro::mnuClearSolution_Action_() {
  PathFind::hasSolution = false;
  Canvas1()->Refresh(true);
  return true;
}

void frmPro::EnableColorPicker() {
  const bool colourDesign = Module1::myImageIndex == 0 || Module1::myImageIndex == 1;
  Label1()->SetVisible(colourDesign);
  Rectangle1()->SetVisible(colourDesign);
}

std::shared_ptr<frmPro> frmPro_() { return tk::ImplicitWindow<frmPro>("frmPro.frmPro"); }

}  // namespace frmPro
