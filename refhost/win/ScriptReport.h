#pragma once
// ScriptReport: the scripted run's findings, one line each on standard output
// ("ok", "FAIL" or "--" for a note), and the count of failed checks.
#include <string>

namespace refhost {

class ScriptReport {
 public:
  // Records a check; prints "ok   what" or "FAIL what".
  void Check(bool passed, const std::string& what);
  // Prints an informative line.
  void Note(const std::string& text);
  // Prints the closing line with the counts.
  void Summary();
  // Checks failed so far.
  int Failures() const { return failures_; }

 private:
  static void Write(const std::string& line);

  int checks_ = 0;
  int failures_ = 0;
};

}  // namespace refhost
