#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "db/IniFile.h"
#include "db/IniParser.h"
#include "db/IniText.h"

namespace {

// "ColorOption" with Chinese values in code page 936 ("蓝色" is C0 B6 C9 AB), a second
// section of the same name, comments, quotes and blanks.
const std::string kIni =
    "; host colours\r\n"
    "[ColorOption]\r\n"
    "BackColor = 15528176 \r\n"
    "Scheme=\xC0\xB6\xC9\xAB\r\n"
    "Quoted=\"  spaced  \"\r\n"
    "Empty=\r\n"
    ";Hidden=1\r\n"
    "[Other]\r\n"
    "BackColor=1\r\n"
    "[coloroption]\r\n"
    "Late=2\r\n";

TEST(FindIniValue, SectionsAndKeysAsTheWindowsReaderSeesThem) {
  const std::string text = db::IniBytesToUtf8(kIni);
  struct Case {
    const char* section;
    const char* key;
    std::optional<std::string> value;
  } cases[] = {
      {"ColorOption", "BackColor", "15528176"},
      {"COLOROPTION", "backcolor", "15528176"},
      {"ColorOption", "Scheme", "蓝色"},
      {"ColorOption", "Quoted", "  spaced  "},
      {"ColorOption", "Empty", ""},
      {"ColorOption", "Hidden", std::nullopt},
      {"ColorOption", "Late", std::nullopt},  // only the first section of a name counts
      {"Other", "BackColor", "1"},
      {"Missing", "BackColor", std::nullopt},
      {"ColorOption", "Missing", std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(db::FindIniValue(text, c.section, c.key), c.value) << c.section << "." << c.key;
}

TEST(FindIniValue, ByteOrderMarksChooseTheEncoding) {
  EXPECT_EQ(db::FindIniValue(db::IniBytesToUtf8("\xEF\xBB\xBF[s]\nk=蓝"), "s", "k"), "蓝");
  const std::string utf16("\xFF\xFE[\0s\0]\0\n\0k\0=\0\xDD\x84", 16);  // "[s]\nk=蓝"
  EXPECT_EQ(db::FindIniValue(db::IniBytesToUtf8(utf16), "s", "k"), "蓝");
}

// Writes an ini file into a folder and removes it again.
class IniFolder : public ::testing::Test {
 protected:
  void Write(const std::string& folder, const std::string& name, const std::string& bytes) {
    const std::string path = folder + name;
    std::ofstream(path, std::ios::binary) << bytes;
    written_.push_back(path);
  }
  void TearDown() override {
    for (const std::string& path : written_) std::remove(path.c_str());
  }
  const std::string name_ = "IniTextTest" + std::to_string(getpid()) + ".ini";

 private:
  std::vector<std::string> written_;
};

TEST_F(IniFolder, DirectoryBackslashOrEmptyReadsBesideTheExecutable) {
  Write(db::HostExecutableFolder(), name_, kIni);
  EXPECT_EQ(db::ReadIniText(name_, "ColorOption", "BackColor", "\\", "0"), "15528176");
  EXPECT_EQ(db::ReadIniText(name_, "ColorOption", "BackColor", "", "0"), "15528176");
}

TEST_F(IniFolder, GivenDirectoryWithOrWithoutItsSeparator) {
  const std::string folder = ::testing::TempDir();  // ends with '/'
  Write(folder, name_, kIni);
  EXPECT_EQ(db::ReadIniText(name_, "ColorOption", "Scheme", folder, "x"), "蓝色");
  EXPECT_EQ(
      db::ReadIniText(name_, "ColorOption", "Scheme", folder.substr(0, folder.size() - 1), "x"),
      "蓝色");
}

TEST_F(IniFolder, MissingFileSectionOrKeyGivesTheDefault) {
  const std::string folder = ::testing::TempDir();
  Write(folder, name_, kIni);
  EXPECT_EQ(db::ReadIniText("NoSuchFile.ini", "ColorOption", "BackColor", folder, "15528176"),
            "15528176");
  EXPECT_EQ(db::ReadIniText(name_, "NoSection", "BackColor", folder, "d"), "d");
  EXPECT_EQ(db::ReadIniText(name_, "ColorOption", "NoKey", folder, "d"), "d");
  EXPECT_EQ(db::ReadIniText(name_, "ColorOption", "Empty", folder, "d"), "");
}

}  // namespace
