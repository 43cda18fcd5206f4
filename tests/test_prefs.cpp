// The preference store: reading and writing files it wrote itself, files a
// person edited, and files it cannot read or cannot replace.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>

#include "TestPaths.h"
#include "prefs/iniClass.h"
#include "ui/toolkit/FolderItem.h"

namespace fs = std::filesystem;
using testpaths::ReadBytes;

namespace {

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

// Fails the chosen operations on one path.
class FailingFiles : public tk::FileSeam {
 public:
  FailingFiles(std::string path, std::set<tk::FileOp> ops) : path_(std::move(path)), ops_(std::move(ops)) {}
  bool Fails(tk::FileOp op, const std::string& nativePath) override {
    return nativePath == path_ && ops_.count(op) > 0;
  }

 private:
  std::string path_;
  std::set<tk::FileOp> ops_;
};

class Prefs : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* base = std::getenv("XDG_CONFIG_HOME");
    dir_ = fs::path(base != nullptr ? base : fs::temp_directory_path().c_str()) /
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    path_ = dir_ / "TarnwickLanes.ini";
    ini_ = std::make_unique<iniClass>(std::make_shared<tk::FolderItem>(path_.string()));
  }
  void TearDown() override {
    tk::SetFileSeam(nullptr);
    fs::remove_all(dir_);
  }

  void Store(const std::string& bytes) { WriteBytes(path_, bytes); }
  std::string File() const { return ReadBytes(path_); }
  std::string Get(const std::string& section, const std::string& key, std::int64_t* result = nullptr) {
    std::string value = "stale";
    const std::int64_t n = ini_->GetPreference(section, key, value);
    EXPECT_EQ(n, std::int64_t(value.size())) << section << "/" << key;
    if (result != nullptr) *result = n;
    return value;
  }
  void Set(const std::string& section, const std::string& key, const std::string& value) {
    ini_->SetPreference(section, key, value);
  }
  void FailOn(std::set<tk::FileOp> ops) {
    tk::SetFileSeam(std::make_shared<FailingFiles>(path_.string(), ops));
  }
  // Files in the folder besides the settings file (left-over temporaries).
  int Strays() const {
    int n = 0;
    for (const auto& entry : fs::directory_iterator(dir_)) n += entry.path() != path_;
    return n;
  }

  fs::path dir_, path_;
  std::unique_ptr<iniClass> ini_;
};

const std::string kThreeSections =
    "[Basic]\rDifficulty=18\rIcon=4\r[Pro]\rWidth=40\rIcon=7\r[All]\rPrintLimit=3\r";

// ---- Files the store wrote itself ----

TEST_F(Prefs, WritesTheSevenLineExampleByteForByte) {
  Set("Startup", "BasicPro", "0");
  Set("All", "PrintLimit", "3");
  Set("Basic", "Difficulty", "18");
  Set("Basic", "Icon", "0");
  EXPECT_EQ(File(), "[Startup]\rBasicPro=0\r[All]\rPrintLimit=3\r[Basic]\rDifficulty=18\rIcon=0\r");
}

TEST_F(Prefs, MissingOrEmptyReadsAsNotSet) {
  std::int64_t n = -1;
  EXPECT_EQ(Get("Basic", "Icon", &n), "");
  EXPECT_EQ(n, 0);
  EXPECT_FALSE(fs::exists(path_)) << "reading must not create the file";

  Store("");
  EXPECT_EQ(Get("Basic", "Icon", &n), "");
  EXPECT_EQ(n, 0);

  Store("[Pro]\rIcon=7\r[Basic]\rDifficulty=\rIcon=\r");
  EXPECT_EQ(Get("All", "PrintLimit"), "") << "missing section";
  EXPECT_EQ(Get("Basic", "Difficulty", &n), "") << "empty value";
  EXPECT_EQ(n, 0);
  EXPECT_EQ(Get("Basic", "Width"), "") << "missing key";
  // A section line with anything between "]" and its line end is not the section.
  Store("[Basic] \rIcon=4\r");
  EXPECT_EQ(Get("Basic", "Icon"), "");
}

TEST_F(Prefs, KeyOnlyInALaterSectionIsNotSet) {
  Store("[Basic]\rDifficulty=18\r[Pro]\rIcon=7\r");
  EXPECT_EQ(Get("Basic", "Icon"), "");
  Store("[Pro]\rIcon=7\r[Basic]\rDifficulty=18\r");
  EXPECT_EQ(Get("Basic", "Icon"), "");
}

TEST_F(Prefs, ValuesComeBackAsWritten) {
  Store("[Basic]\rDifficulty=150\rIcon= 7\r");
  std::int64_t n = 0;
  EXPECT_EQ(Get("Basic", "Difficulty", &n), "150");
  EXPECT_EQ(n, 3);
  EXPECT_EQ(Get("Basic", "Icon", &n), " 7") << "blanks are not trimmed";
  EXPECT_EQ(n, 2);
}

TEST_F(Prefs, FirstSectionAndFirstKeyWin) {
  Store("[Basic]\rIcon=1\rIcon=2\r[Basic]\rIcon=3\rDifficulty=9\r");
  EXPECT_EQ(Get("Basic", "Icon"), "1");
  EXPECT_EQ(Get("Basic", "Difficulty"), "") << "only the first section counts";
  Set("Basic", "Icon", "5");
  EXPECT_EQ(File(), "[Basic]\rIcon=5\rIcon=2\r[Basic]\rIcon=3\rDifficulty=9\r");
}

TEST_F(Prefs, FirstWriteCreatesTheFile) {
  Set("Pro", "Door", "2");
  EXPECT_EQ(File(), "[Pro]\rDoor=2\r");
  Store("");
  Set("Pro", "Door", "2");
  EXPECT_EQ(File(), "[Pro]\rDoor=2\r");
}

TEST_F(Prefs, NewSectionsAndKeysGoWhereTheyBelong) {
  Store(kThreeSections);
  Set("Startup", "BasicPro", "1");
  EXPECT_EQ(File(), kThreeSections + "[Startup]\rBasicPro=1\r") << "new section after the last line";

  Store(kThreeSections);
  Set("Basic", "Width", "9");
  EXPECT_EQ(File(), "[Basic]\rDifficulty=18\rIcon=4\rWidth=9\r[Pro]\rWidth=40\rIcon=7\r[All]\rPrintLimit=3\r")
      << "new key directly before the next section line";

  Store(kThreeSections);
  Set("All", "Door", "1");
  EXPECT_EQ(File(), kThreeSections + "Door=1\r") << "new key in the last section";
}

TEST_F(Prefs, ChangedValueStaysOnItsLine) {
  Store(kThreeSections);
  Set("Pro", "Width", "5");
  EXPECT_EQ(File(), "[Basic]\rDifficulty=18\rIcon=4\r[Pro]\rWidth=5\rIcon=7\r[All]\rPrintLimit=3\r");
  Set("Pro", "Width", "151");
  EXPECT_EQ(File(), "[Basic]\rDifficulty=18\rIcon=4\r[Pro]\rWidth=151\rIcon=7\r[All]\rPrintLimit=3\r");
  EXPECT_EQ(Get("Pro", "Width"), "151");
  Set("Pro", "Width", "");
  EXPECT_EQ(File(), "[Basic]\rDifficulty=18\rIcon=4\r[Pro]\rWidth=\rIcon=7\r[All]\rPrintLimit=3\r");
  std::int64_t n = -1;
  EXPECT_EQ(Get("Pro", "Width", &n), "");
  EXPECT_EQ(n, 0);
}

TEST_F(Prefs, UnchangedWritesLeaveTheFileAsItWas) {
  Store(kThreeSections);
  const auto before = fs::last_write_time(path_);
  Set("Pro", "Width", "40");
  Set("Pro", "Icon", "7");
  Set("Basic", "Difficulty", "18");
  Set("Basic", "Icon", "4");
  EXPECT_EQ(File(), kThreeSections);
  EXPECT_EQ(fs::last_write_time(path_), before) << "nothing to change, nothing written";
}

TEST_F(Prefs, IconOfOneWindowNeverTouchesTheOther) {
  for (const std::string text : {"[Basic]\rIcon=1\r[Pro]\rIcon=2\r", "[Pro]\rIcon=2\r[Basic]\rIcon=1\r"}) {
    Store(text);
    Set("Basic", "Icon", "11");
    Set("Pro", "Icon", "0");
    EXPECT_EQ(Get("Basic", "Icon"), "11") << text;
    EXPECT_EQ(Get("Pro", "Icon"), "0") << text;
  }
  // Basic without an Icon of its own, before and after Pro.
  Store("[Basic]\rDifficulty=18\r[Pro]\rIcon=2\r");
  Set("Basic", "Icon", "9");
  EXPECT_EQ(File(), "[Basic]\rDifficulty=18\rIcon=9\r[Pro]\rIcon=2\r");
  Store("[Pro]\rIcon=2\r[Basic]\rDifficulty=18\r");
  Set("Basic", "Icon", "9");
  EXPECT_EQ(File(), "[Pro]\rIcon=2\r[Basic]\rDifficulty=18\rIcon=9\r");
}

TEST_F(Prefs, StoreMadeFromText) {
  iniClass serial("[Basic]\rDifficulty=18\r[Pro]\rIcon=7\r");
  std::string value;
  EXPECT_EQ(serial.GetPreference("Pro", "Icon", value), 1);
  EXPECT_EQ(value, "7");
  EXPECT_EQ(serial.GetSerialPref("Basic", "Icon", value), 0);
  EXPECT_EQ(value, "");
  serial.SetPreference("Basic", "Icon", "3");
  EXPECT_EQ(serial.mySerial, "[Basic]\rDifficulty=18\rIcon=3\r[Pro]\rIcon=7\r");
  EXPECT_EQ(iniClass(std::string()).GetPreference("Basic", "Icon", value), 0);
}

// ---- Files a person edited ----

TEST_F(Prefs, OtherLineEndsReadAndKeepTheirStyle) {
  Store("[Basic]\nDifficulty=18\nIcon=4\n[Pro]\nWidth=40\n");
  EXPECT_EQ(Get("Basic", "Icon"), "4");
  Set("Basic", "Icon", "10");
  Set("Basic", "LineLength", "3");
  Set("All", "PrintLimit", "2");
  EXPECT_EQ(File(), "[Basic]\nDifficulty=18\nIcon=10\nLineLength=3\n[Pro]\nWidth=40\n[All]\nPrintLimit=2\n");

  Store("[Basic]\r\nDifficulty=18\r\n[Pro]\r\nWidth=40\r\n");
  EXPECT_EQ(Get("Basic", "Difficulty"), "18");
  EXPECT_EQ(Get("Pro", "Width"), "40");
  Set("Basic", "Difficulty", "7");
  Set("Basic", "Icon", "1");
  EXPECT_EQ(File(), "[Basic]\r\nDifficulty=7\r\nIcon=1\r\n[Pro]\r\nWidth=40\r\n");
}

TEST_F(Prefs, LastLineWithoutLineEnd) {
  Store("[Basic]\rDifficulty=18");
  EXPECT_EQ(Get("Basic", "Difficulty"), "18");
  Set("Basic", "Icon", "2");
  EXPECT_EQ(File(), "[Basic]\rDifficulty=18\rIcon=2\r");

  Store("[Basic]\rDifficulty=18");
  Set("Basic", "Difficulty", "30");
  EXPECT_EQ(File(), "[Basic]\rDifficulty=30\r");

  Store("[Basic]");
  Set("Basic", "Icon", "2");
  EXPECT_EQ(File(), "[Basic]\rIcon=2\r");
  Store("[Basic]\rIcon=2");
  Set("Pro", "Icon", "3");
  EXPECT_EQ(File(), "[Basic]\rIcon=2\r[Pro]\rIcon=3\r");
}

TEST_F(Prefs, BlankAndCommentLinesAreNotSettings) {
  const std::string text =
      "; written by hand\r\r[Basic]\r# Icon=9 was too busy\r;Icon=8\r\rIcon=4\r\r[Pro]\r  \rWidth=40\r";
  Store(text);
  EXPECT_EQ(Get("Basic", "Icon"), "4");
  EXPECT_EQ(Get("Pro", "Width"), "40");
  Set("Basic", "Icon", "5");
  Set("Pro", "Height", "30");
  EXPECT_EQ(File(),
            "; written by hand\r\r[Basic]\r# Icon=9 was too busy\r;Icon=8\r\rIcon=5\r\r[Pro]\r  \rWidth=40\r"
            "Height=30\r");
}

TEST_F(Prefs, ValuesHoldingBracketsOrEquals) {
  Store("[Basic]\rNote=[Pro]\rDifficulty=1=2\rIcon=[x\r[Pro]\rIcon=7\r");
  EXPECT_EQ(Get("Basic", "Difficulty"), "1=2");
  EXPECT_EQ(Get("Basic", "Icon"), "[x") << "a value holding [ does not end the section";
  EXPECT_EQ(Get("Pro", "Icon"), "7") << "a value holding a section line is no section";
  Set("Pro", "Icon", "3");
  Set("Basic", "Difficulty", "4");
  EXPECT_EQ(File(), "[Basic]\rNote=[Pro]\rDifficulty=4\rIcon=[x\r[Pro]\rIcon=3\r");
}

TEST_F(Prefs, WholeKeysOnly) {
  // A key is found by its whole name: "Icon" is not the end of "BigIcon".
  Store("[Basic]\rBigIcon=5\r");
  EXPECT_EQ(Get("Basic", "Icon"), "");
  Set("Basic", "Icon", "2");
  EXPECT_EQ(File(), "[Basic]\rBigIcon=5\rIcon=2\r");
  EXPECT_EQ(Get("Basic", "BigIcon"), "5");
  // Nor the start of "IconSet".
  Store("[Basic]\rIconSet=5\r");
  EXPECT_EQ(Get("Basic", "Icon"), "");
  Set("Basic", "Icon", "2");
  EXPECT_EQ(File(), "[Basic]\rIconSet=5\rIcon=2\r");
  // An empty section directly followed by another keeps its settings apart.
  Store("[Basic]\r[Pro]\rIcon=7\r");
  EXPECT_EQ(Get("Basic", "Icon"), "");
  Set("Basic", "Icon", "1");
  EXPECT_EQ(File(), "[Basic]\rIcon=1\r[Pro]\rIcon=7\r");
  // A section is found by its whole line, not as the end of a longer name.
  Store("[My[Pro]\rIcon=1\r[Pro]\rIcon=7\r");
  EXPECT_EQ(Get("Pro", "Icon"), "7");
}

TEST_F(Prefs, BytesOtherThanNulArePassedThrough) {
  const char raw[] = "[Basic]\r\x01\x7f\xff\xfe=\x80\rIcon=4\r[Pro]\rName=caf\xc3\xa9\r";
  const std::string text(raw, sizeof raw - 1);
  Store(text);
  EXPECT_EQ(Get("Basic", "Icon"), "4");
  Set("Basic", "Icon", "6");
  std::string expected = text;
  expected.replace(expected.find("Icon=4"), 6, "Icon=6");
  EXPECT_EQ(File(), expected);
}

TEST_F(Prefs, ByteOrderMarkIsNoPartOfTheFirstSection) {
  // Editors that save with a byte order mark: the first section still
  // counts, and the mark stays at the start of the file.
  const std::string bom = "\xEF\xBB\xBF";
  Store(bom + "[Startup]\r\nBasicPro=1\r\n[All]\r\nPrintLimit=5\r\n");
  EXPECT_EQ(Get("Startup", "BasicPro"), "1");
  Set("Startup", "BasicPro", "0");
  Set("Startup", "Extra", "2");
  EXPECT_EQ(File(), bom + "[Startup]\r\nBasicPro=0\r\nExtra=2\r\n[All]\r\nPrintLimit=5\r\n");
  // A file that holds nothing but the mark.
  Store(bom);
  Set("Basic", "Icon", "2");
  EXPECT_EQ(File(), bom + "[Basic]\rIcon=2\r");
  EXPECT_EQ(Get("Basic", "Icon"), "2");
}

TEST_F(Prefs, NulBytesAreOrdinaryCharacters) {
  using namespace std::string_literals;
  // One NUL in a line: the other settings read, and a write keeps it.
  Store("[Basic]\rNote=a\0b\rIcon=4\r[Pro]\rWidth=40\r"s);
  EXPECT_EQ(Get("Basic", "Icon"), "4");
  EXPECT_EQ(Get("Basic", "Note"), "a\0b"s);
  Set("Basic", "Icon", "6");
  Set("Pro", "Height", "30");
  EXPECT_EQ(File(), "[Basic]\rNote=a\0b\rIcon=6\r[Pro]\rWidth=40\rHeight=30\r"s);

  // Zeros after the settings, as a crash while the file grew can leave.
  const std::string tail(16, '\0');
  Store(kThreeSections + tail);
  EXPECT_EQ(Get("Basic", "Icon"), "4");
  EXPECT_EQ(Get("All", "PrintLimit"), "3");
  Set("Basic", "Icon", "3");
  Set("All", "Door", "1");
  EXPECT_EQ(File(), "[Basic]\rDifficulty=18\rIcon=3\r[Pro]\rWidth=40\rIcon=7\r[All]\rPrintLimit=3\r" + tail +
                        "\rDoor=1\r");

  // A file a power cut left all zeros: one line of NULs, with the settings after it.
  const std::string zeros(512, '\0');
  Store(zeros);
  EXPECT_EQ(Get("Basic", "Icon"), "");
  Set("Basic", "Icon", "3");
  Set("Pro", "Width", "50");
  EXPECT_EQ(Get("Basic", "Icon"), "3");
  EXPECT_EQ(File(), zeros + "\r[Basic]\rIcon=3\r[Pro]\rWidth=50\r");
}

TEST_F(Prefs, TenMegabyteFile) {
  std::string text = "[Basic]\rIcon=4\r[Junk]\r";
  while (text.size() < (10u << 20)) text += "Filler=0123456789012345678901234567890123456789\r";
  text += "[Pro]\rWidth=40\r";
  Store(text);
  EXPECT_EQ(Get("Pro", "Width"), "40");
  Set("Pro", "Width", "41");
  Set("Pro", "Icon", "2");
  const std::string after = File();
  EXPECT_EQ(after.size(), text.size() + 7);
  EXPECT_EQ(after.compare(0, text.size() - 3, text, 0, text.size() - 3), 0);
  EXPECT_EQ(after.substr(text.size() - 3), "41\rIcon=2\r");
}

// ---- Files the store cannot read or replace ----

TEST_F(Prefs, UnreadableFileIsNotSetAndLeftAlone) {
  // A folder in the file's place.
  fs::create_directory(path_);
  EXPECT_EQ(Get("Basic", "Icon"), "");
  Set("Basic", "Icon", "3");
  EXPECT_TRUE(fs::is_directory(path_));
  EXPECT_EQ(Strays(), 0);
  fs::remove(path_);

  // A file that will not open.
  Store(kThreeSections);
  FailOn({tk::FileOp::Read});
  EXPECT_EQ(Get("Basic", "Icon"), "");
  Set("Basic", "Icon", "3");
  tk::SetFileSeam(nullptr);
  EXPECT_EQ(File(), kThreeSections);
}

TEST_F(Prefs, FailedWriteKeepsEveryOldSetting) {
  for (const tk::FileOp op : {tk::FileOp::Create, tk::FileOp::Write, tk::FileOp::Rename}) {
    Store(kThreeSections);
    FailOn({op});
    Set("Basic", "Icon", "11");
    Set("Startup", "BasicPro", "1");
    EXPECT_EQ(File(), kThreeSections) << int(op);
    EXPECT_EQ(Get("Basic", "Icon"), "4") << int(op);
    EXPECT_EQ(Strays(), 0) << "temporary file left behind, op " << int(op);
    tk::SetFileSeam(nullptr);
  }
  // The first write into a folder where nothing can be written.
  fs::remove(path_);
  FailOn({tk::FileOp::Write});
  Set("Basic", "Icon", "11");
  EXPECT_FALSE(fs::exists(path_)) << "half a file is worse than none";
  EXPECT_EQ(Strays(), 0);
  tk::SetFileSeam(nullptr);
  Set("Basic", "Icon", "11");
  EXPECT_EQ(File(), "[Basic]\rIcon=11\r");
}

}  // namespace
