#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "ui/toolkit/FolderItem.h"

// The preference store over one INI text file. Lines end with a single CR;
// a section line is "[name]", a setting line is "key=value". Nothing is kept
// in memory between calls: every read reads the file whole and every write
// rewrites it whole, so each call sees what the file holds at that moment.
// Writes from several running copies of the program take turns, so none
// undoes a setting another one stored.
//
// Files edited by hand are read line by line: LF and CRLF end lines as CR
// does, the last line needs no line end, a section line is a whole line
// "[name]" and a setting is found only by its whole key at the start of a
// line, so blank lines, comments and values holding "[" or "=" never pass
// for a section or for another key. A UTF-8 byte order mark at the start of
// the file is passed over. A write keeps every byte of the file except the
// value it sets, and ends new lines the way the file's first line ends.
//
// Every byte other than a line end is a character of its line, NUL bytes
// included, so a file with zeros in it (a power cut can leave them) still
// reads and takes new settings. A file that is there but cannot be read (a
// folder in its place, no read access, absurdly large) reads as holding
// nothing and is never written over, so settings the store could not read are
// not lost. A file the user may not write (made read-only) reads as usual and
// is left as it is. No exception leaves the store.
class iniClass {
 public:
  // A store on the file; nothing is read, created or tested yet.
  explicit iniClass(std::shared_ptr<tk::FolderItem> file);
  // A store that reads its settings from text instead of a file.
  explicit iniClass(std::string serial);
  virtual ~iniClass() = default;

  // Sets value to the setting's value, or to "" when the file, the section
  // or the key is missing or the value is empty; returns value's length.
  virtual std::int64_t GetPreference(const std::string& section, const std::string& key, std::string& value);
  // Sets key of section to value, adding the section or the key where
  // missing. The caller keeps CR and LF out of all three, "]" out of the
  // section, "=" out of the key and "[" and "=" out of the value. On a store
  // made from text, the text is changed instead of a file. True when the
  // setting is stored afterwards, written now or found there already; false
  // when it could not be written (the file then keeps what it held). Callers
  // that store settings on their way out may pass over the answer.
  virtual bool SetPreference(const std::string& section, const std::string& key, const std::string& value);
  // The lookup of GetPreference on the text of mySerial.
  virtual std::int64_t GetSerialPref(const std::string& section, const std::string& key, std::string& value);

  std::shared_ptr<tk::FolderItem> iniFileName;
  std::string mySerial;
};
