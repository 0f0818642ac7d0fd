#pragma once
// The feehost command line: create and fill a database, run a query and print CSV,
// turn a data packet into CSV and back.
#include <ostream>
#include <string>
#include <vector>

namespace refhost {

// Runs one feehost command (the arguments after the program name); writes results to
// out and messages to err. Returns the exit status: 0 success, 1 the database or a
// file refused, 2 the command line was wrong.
int RunFeeHost(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace refhost
