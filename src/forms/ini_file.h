// An ini file held in memory: read once when opened, written back only by UpdateFile.
// Section and key names compare without regard to case, as the system's profile functions do.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TMemIniFile {
 public:
  // Reads the file; a missing or unreadable file gives an empty ini.
  explicit TMemIniFile(std::string file_name);

  const std::string& FileName() const { return file_name_; }

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& default_value) const;
  // Decimal, or hexadecimal after "$" or "0x"; anything else gives the default.
  int32_t ReadInteger(const std::string& section, const std::string& key,
                      int32_t default_value) const;
  bool ReadBool(const std::string& section, const std::string& key, bool default_value) const;

  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int32_t value);
  void WriteBool(const std::string& section, const std::string& key, bool value);

  bool SectionExists(const std::string& section) const;
  bool ValueExists(const std::string& section, const std::string& key) const;
  std::vector<std::string> ReadSections() const;
  std::vector<std::string> ReadSection(const std::string& section) const;  // its keys
  void EraseSection(const std::string& section);
  void DeleteKey(const std::string& section, const std::string& key);

  // Replaces the contents with ini text (lines "[Section]" and "key=value").
  void SetText(const std::string& text);
  std::string Text() const;
  // Writes the contents to the file; false when it cannot be written, the file then left as it was.
  bool UpdateFile() const;

 private:
  struct Entry {
    std::string key;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };
  const Section* FindSection(const std::string& name) const;
  Section* FindSection(const std::string& name);

  std::string file_name_;
  std::vector<Section> sections_;
};

// Integer text as the framework reads it: decimal with sign, or "$"/"0x" hexadecimal.
bool ParseIntegerText(const std::string& text, int32_t& value);
