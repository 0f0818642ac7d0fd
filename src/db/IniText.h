#pragma once
// ReadIniText: one value of an ini file, read as the platform's ini-file reader reads
// it (sections and keys without regard to case, the first section of a name wins,
// blanks around keys and values dropped, one pair of enclosing quotes removed).
//
// Choice made here: a directory given without a trailing separator gets one, so
// "C:\host" and "C:\host\" both name the same file.
#include <string>
#include <string_view>

namespace db {

// The value of `key` in `section` of the ini file `fileName`, found in `directory`;
// an empty directory or "\" means the folder of the host program's executable. The
// default when the file, section or key is missing.
std::string ReadIniText(std::string_view fileName, std::string_view section, std::string_view key,
                        std::string_view directory, std::string_view defaultValue);

}  // namespace db
