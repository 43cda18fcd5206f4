#include "ui/frmPrefs.h"

#include <string>

#include "prefs/iniClass.h"
#include "ui/App.h"
#include "ui/Module1.h"
#include "ui/toolkit/Application.h"
#include "ui/toolkit/FolderItem.h"
#include "ui/toolkit/Text.h"

namespace frmPrefs {

std::shared_ptr<frmPrefs> frmPrefs_() { return tk::ImplicitWindow<frmPrefs>("frmPrefs.frmPrefs"); }

void frmPrefs::Layout() {
  Apply({{"Title", "Preferences"},  {"Width", 457},
         {"Height", 217},           {"MinWidth", 64},
         {"MinHeight", 64},         {"MaxWidth", 32000},
         {"MaxHeight", 32000},      {"Frame", 1},
         {"Placement", 1},          {"CloseButton", true},
         {"Resizeable", false},     {"MaximizeButton", false},
         {"MinimizeButton", false}, {"FullScreenButton", false},
         {"Composite", false},      {"LiveResize", false},
         {"FullScreen", false},     {"MacProcID", 0},
         {"Visible", true},         {"HasBackColor", false},
         {"BackColor", 0xFFFFFF},   {"MenuBarVisible", true}});
}

void frmPrefs::CreateControls() { CreateControls0_(); }

namespace {
// The values every control of this window shares; the labels are opaque,
// everything else transparent.
tk::PropertyList Common(bool transparent) {
  return {{"Enabled", true},     {"Visible", true},        {"TabStop", true},
          {"LockLeft", true},    {"LockTop", true},        {"LockRight", false},
          {"LockBottom", false}, {"AutoDeactivate", true}, {"TextFont", "System"},
          {"TextUnit", 0},       {"Bold", false},          {"Italic", false},
          {"Underline", false},  {"HelpTag", ""},          {"Transparent", transparent}};
}
tk::PropertyList With(tk::PropertyList own, bool transparent) {
  auto all = Common(transparent);
  all.insert(all.end(), own.begin(), own.end());
  return all;
}
}  // namespace

void frmPrefs::CreateControls0_() {
  AddControl_(std::make_shared<tk::GroupBox>(*this), "GroupBox1");
  GroupBox1()->Apply(With({{"Left", 20},
                           {"Top", 14},
                           {"Width", 417},
                           {"Height", 149},
                           {"Caption", "Interface"},
                           {"TextSize", 12},
                           {"TabIndex", 6}},
                          true));
  tk::Control* group = GroupBox1().get();

  AddControl_(std::make_shared<tk::RadioButton>(*this, group), "RadioButton2");
  RadioButton2()->Apply(With({{"Left", 45},
                              {"Top", 114},
                              {"Width", 100},
                              {"Height", 20},
                              {"Caption", "Pro"},
                              {"Value", false},
                              {"TextSize", 0},
                              {"TabIndex", 0}},
                             true));
  RadioButton2()->Action = [this](tk::RadioButton& sender) { RadioButton2_Action(sender); };

  AddControl_(std::make_shared<tk::Label>(*this, group), "Label1");
  Label1()->Apply(With({{"Left", 357},
                        {"Top", 53},
                        {"Width", 50},
                        {"Height", 20},
                        {"Text", "1"},
                        {"TextAlign", 2},
                        {"TextSize", 12},
                        {"TextColor", 0x000000},
                        {"Multiline", false},
                        {"Selectable", false},
                        {"TabIndex", 1}},
                       false));

  AddControl_(std::make_shared<tk::Slider>(*this, group), "Slider1");
  Slider1()->Apply(With({{"Left", 141},
                         {"Top", 79},
                         {"Width", 266},
                         {"Height", 23},
                         {"Minimum", 1},
                         {"Maximum", 25},
                         {"Value", 1},
                         {"LineStep", 1},
                         {"PageStep", 20},
                         {"LiveScroll", true},
                         {"TickStyle", 0},
                         {"TabIndex", 2}},
                        true));
  Slider1()->ValueChanged = [this](tk::Slider& sender) { Slider1_ValueChanged(sender); };

  AddControl_(std::make_shared<tk::Label>(*this, group), "Label2");
  Label2()->Apply(With({{"Left", 64},
                        {"Top", 79},
                        {"Width", 65},
                        {"Height", 20},
                        {"Text", "Print Limit"},
                        {"TextAlign", 0},
                        {"TextSize", 12},
                        {"TextColor", 0x000000},
                        {"Multiline", false},
                        {"Selectable", false},
                        {"TabIndex", 3}},
                       false));

  AddControl_(std::make_shared<tk::RadioButton>(*this, group), "RadioButton1");
  RadioButton1()->Apply(With({{"Left", 45},
                              {"Top", 53},
                              {"Width", 100},
                              {"Height", 20},
                              {"Caption", "Basic"},
                              {"Value", true},
                              {"TextSize", 0},
                              {"TabIndex", 4}},
                             true));
  RadioButton1()->Action = [this](tk::RadioButton& sender) { RadioButton1_Action(sender); };

  AddControl_(std::make_shared<tk::PushButton>(*this), "PushButton1");
  PushButton1()->Apply(With({{"Left", 168},
                             {"Top", 175},
                             {"Width", 120},
                             {"Height", 22},
                             {"Caption", "Save and Close"},
                             {"Default", false},
                             {"Cancel", false},
                             {"ButtonStyle", 0},
                             {"TextSize", 0},
                             {"TabIndex", 2}},
                            true));
  PushButton1()->Action = [this](tk::PushButton& sender) { PushButton1_Action(sender); };
}

std::shared_ptr<tk::GroupBox> frmPrefs::GroupBox1() const { return ControlAs_<tk::GroupBox>("GroupBox1"); }
std::shared_ptr<tk::RadioButton> frmPrefs::RadioButton2() const {
  return ControlAs_<tk::RadioButton>("RadioButton2");
}
std::shared_ptr<tk::Label> frmPrefs::Label1() const { return ControlAs_<tk::Label>("Label1"); }
std::shared_ptr<tk::Slider> frmPrefs::Slider1() const { return ControlAs_<tk::Slider>("Slider1"); }
std::shared_ptr<tk::Label> frmPrefs::Label2() const { return ControlAs_<tk::Label>("Label2"); }
std::shared_ptr<tk::RadioButton> frmPrefs::RadioButton1() const {
  return ControlAs_<tk::RadioButton>("RadioButton1");
}
std::shared_ptr<tk::PushButton> frmPrefs::PushButton1() const {
  return ControlAs_<tk::PushButton>("PushButton1");
}

void frmPrefs::Event_Open() {
  // Selecting a button that was not selected runs its Action, which sets the
  // enabling of the print-limit controls.
  if (App::App_()->BasicPro == 0)
    RadioButton1()->SetValue(true);
  else
    RadioButton2()->SetValue(true);
  // A change of value runs Slider1_ValueChanged, which shows it.
  Slider1()->SetValue(Module1::PrintLimit);
}

void frmPrefs::RadioButton1_Action(tk::RadioButton& sender) {
  const bool e = sender.Value();
  Slider1()->SetEnabled(e);
  Label1()->SetEnabled(e);
  Label2()->SetEnabled(e);
}

void frmPrefs::RadioButton2_Action(tk::RadioButton& sender) {
  const bool e = !sender.Value();
  Slider1()->SetEnabled(e);
  Label1()->SetEnabled(e);
  Label2()->SetEnabled(e);
}

void frmPrefs::Slider1_ValueChanged(tk::Slider& sender) { Label1()->SetText(tk::Str(sender.Value())); }

namespace {
// Stores one setting the user asked to save. One that cannot be written ends
// the save with a message naming the file, before any later write and before
// the window closes, so the choice stays on show.
void Save(const std::string& section, const std::string& key, const std::string& value) {
  iniClass& ini = *Module1::myINI;
  if (ini.SetPreference(section, key, value)) return;
  const std::string file = ini.iniFileName ? ini.iniFileName->NativePath() : "the preference file";
  throw tk::UserFailure("The settings could not be saved to " + file + ".");
}
}  // namespace

void frmPrefs::PushButton1_Action(tk::PushButton&) {
  // The choice takes effect at the next start; the running program keeps
  // App.BasicPro and Module1.PrintLimit as they are.
  Save("Startup", "BasicPro", RadioButton1()->Value() ? "0" : "1");
  Save("All", "PrintLimit", tk::Str(Slider1()->Value()));
  Close();
}

}  // namespace frmPrefs
