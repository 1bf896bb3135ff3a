// Builds small ZIP archives in memory for tests: stored entries, or any method with data
// supplied ready-compressed, with the header fields a test wants to get wrong.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "unzip/crc32.h"

namespace testing_support {

class ZipBuilder {
 public:
  struct Entry {
    std::string name;
    std::string data;   // as stored in the archive
    uint32_t size = 0;  // uncompressed
    uint32_t crc = 0;
    uint16_t method = 0;
    uint16_t flags = 0;
    uint32_t time_date = 0x5A8C4A20;  // 2025-04-12 09:17:00
  };

  ZipBuilder& Stored(const std::string& name, const std::string& content) {
    Entry e;
    e.name = name;
    e.data = content;
    e.size = static_cast<uint32_t>(content.size());
    e.crc = unzip::Crc32(reinterpret_cast<const uint8_t*>(content.data()), content.size());
    entries_.push_back(e);
    return *this;
  }
  ZipBuilder& Raw(const Entry& e) {
    entries_.push_back(e);
    return *this;
  }
  Entry& last() { return entries_.back(); }

  std::string Build() const {
    std::string out, directory;
    for (const Entry& e : entries_) {
      const uint32_t offset = static_cast<uint32_t>(out.size());
      Put32(out, 0x04034B50);
      Put16(out, 20);
      Put16(out, e.flags);
      Put16(out, e.method);
      Put32(out, e.time_date);
      Put32(out, e.crc);
      Put32(out, static_cast<uint32_t>(e.data.size()));
      Put32(out, e.size);
      Put16(out, static_cast<uint16_t>(e.name.size()));
      Put16(out, 0);
      out += e.name + e.data;
      Put32(directory, 0x02014B50);
      Put16(directory, 20);  // made by MS-DOS
      Put16(directory, 20);
      Put16(directory, e.flags);
      Put16(directory, e.method);
      Put32(directory, e.time_date);
      Put32(directory, e.crc);
      Put32(directory, static_cast<uint32_t>(e.data.size()));
      Put32(directory, e.size);
      Put16(directory, static_cast<uint16_t>(e.name.size()));
      Put32(directory, 0);  // extra and comment lengths
      Put32(directory, 0);  // disk, internal attributes
      Put32(directory, 0x20);
      Put32(directory, offset);
      directory += e.name;
    }
    const uint32_t at = static_cast<uint32_t>(out.size());
    out += directory;
    Put32(out, 0x06054B50);
    Put32(out, 0);
    Put16(out, static_cast<uint16_t>(entries_.size()));
    Put16(out, static_cast<uint16_t>(entries_.size()));
    Put32(out, static_cast<uint32_t>(directory.size()));
    Put32(out, at);
    Put16(out, 0);
    return out;
  }

 private:
  static void Put16(std::string& s, uint32_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
  }
  static void Put32(std::string& s, uint32_t v) {
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
  }
  std::vector<Entry> entries_;
};

}  // namespace testing_support
