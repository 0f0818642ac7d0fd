#pragma once
// A folder of its own for "Tarnvelpos.ini", pointed to as the host's folder for as long
// as it lives; empty until a test writes the ini into it.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "host/ColourOptions.h"

class ColourIniFolder {
 public:
  ColourIniFolder() {
    static int count = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("fee_colour_" + std::to_string(::getpid()) + "_" + std::to_string(++count));
    std::filesystem::create_directories(path_);
    host::SetColourFolder(path_.string() + "/");
  }
  ~ColourIniFolder() {
    host::SetColourFolder("");
    std::filesystem::remove_all(path_);
  }
  ColourIniFolder(const ColourIniFolder&) = delete;
  ColourIniFolder& operator=(const ColourIniFolder&) = delete;

  // Writes "Tarnvelpos.ini" with this text.
  void WriteIni(const std::string& text) const {
    std::ofstream(path_ / "Tarnvelpos.ini", std::ios::binary) << text;
  }

 private:
  std::filesystem::path path_;
};
