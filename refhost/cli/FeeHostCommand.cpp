#include "refhost/cli/FeeHostCommand.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>

#include "data/packet/PacketCodec.h"
#include "refhost/cli/CsvWriter.h"
#include "refhost/cli/PacketCsv.h"
#include "refhost/engine/Database.h"
#include "refhost/engine/DbError.h"
#include "refhost/generator/DataGenerator.h"

namespace refhost {

namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  feehost init  (--db FILE | --conn CONNECTION) --scale N [--seed S] [--month YYYYMM]\n"
    "                [--day D] [--months M]\n"
    "  feehost query (--db FILE | --conn CONNECTION) \"SQL\"\n"
    "  feehost packet decode FILE\n"
    "  feehost packet encode CSVFILE [--out FILE]\n"
    "--db names an SQLite database file (created on first use); --conn is an ODBC\n"
    "connection string, e.g. \"DRIVER={PostgreSQL Unicode};Server=localhost;Port=5432;\n"
    "Database=fee;Uid=fee;Pwd=secret\".\n";

// A command-line mistake: reported with the usage text, exit status 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The options of a command: "--name value" pairs and the remaining words in order.
struct CommandLine {
  std::map<std::string, std::string> options;
  std::vector<std::string> words;

  std::optional<std::string> Option(const std::string& name) const {
    auto found = options.find(name);
    if (found == options.end()) return std::nullopt;
    return found->second;
  }
};

CommandLine Parse(const std::vector<std::string>& arguments, std::size_t first,
                  const std::vector<std::string>& known) {
  CommandLine line;
  for (std::size_t i = first; i < arguments.size(); ++i) {
    const std::string& word = arguments[i];
    if (word.rfind("--", 0) != 0) {
      line.words.push_back(word);
      continue;
    }
    const std::string name = word.substr(2);
    if (std::find(known.begin(), known.end(), name) == known.end())
      throw UsageError("unknown option " + word);
    if (i + 1 >= arguments.size()) throw UsageError("option " + word + " needs a value");
    if (!line.options.emplace(name, arguments[++i]).second)
      throw UsageError("option " + word + " given twice");
  }
  return line;
}

long long ParseNumber(const std::string& text, const char* option, long long low, long long high) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
    throw UsageError(std::string("--") + option + " wants a whole number from " +
                     std::to_string(low) + " to " + std::to_string(high) + ", not \"" + text +
                     "\"");
  return value;
}

std::unique_ptr<Database> OpenDatabase(const CommandLine& line) {
  const auto file = line.Option("db");
  const auto connection = line.Option("conn");
  if (file.has_value() == connection.has_value())
    throw UsageError("give either --db FILE or --conn CONNECTION");
  if (file) {
    try {
      return Database::OpenSqliteFile(*file);
    } catch (const std::invalid_argument& error) {
      throw UsageError(error.what());
    }
  }
  return Database::Connect(*connection);
}

int Init(const CommandLine& line, std::ostream& out) {
  if (!line.words.empty()) throw UsageError("init takes no argument \"" + line.words[0] + "\"");
  const auto scale = line.Option("scale");
  if (!scale) throw UsageError("init needs --scale N");
  GeneratorOptions options;
  options.scale = ParseNumber(*scale, "scale", 1, 100000000);
  if (auto seed = line.Option("seed"))
    options.seed = static_cast<std::uint64_t>(ParseNumber(*seed, "seed", 0, std::numeric_limits<long long>::max()));
  if (auto month = line.Option("month")) options.currentMonth = *month;
  if (auto day = line.Option("day")) options.currentDay = static_cast<int>(ParseNumber(*day, "day", 1, 31));
  if (auto months = line.Option("months"))
    options.months = static_cast<int>(ParseNumber(*months, "months", 1, 120));
  std::unique_ptr<Database> database = OpenDatabase(line);
  std::map<std::string, long long> written;
  try {
    written = DataGenerator(*database, options).Run();
  } catch (const std::invalid_argument& error) {
    throw UsageError(error.what());
  }
  long long total = 0;
  for (const auto& [table, rows] : written) {
    out << table << ' ' << rows << '\n';
    total += rows;
  }
  out << "total " << total << " rows in " << written.size() << " tables\n";
  return 0;
}

int Query(const CommandLine& line, std::ostream& out) {
  if (line.words.size() != 1) throw UsageError("query takes one SQL text");
  std::unique_ptr<Database> database = OpenDatabase(line);
  ResultReader reader = database->Read(line.words[0]);
  CsvWriter csv(out);
  if (reader.Columns().empty()) return 0;
  std::vector<std::string> names;
  for (const Column& column : reader.Columns()) names.push_back(column.name);
  csv.WriteRow(names);
  std::vector<base::Variant> row;
  while (reader.Next(row)) csv.WriteRow(row);
  return 0;
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// packet decode FILE: the packet as CSV; packet encode CSVFILE [--out FILE]: back.
int PacketCommand(const std::vector<std::string>& arguments, std::ostream& out) {
  const CommandLine line = Parse(arguments, 2, {"out"});
  const std::string verb = arguments.size() > 1 ? arguments[1] : "";
  if ((verb != "decode" && verb != "encode") || line.words.size() != 1)
    throw UsageError("packet wants decode FILE or encode CSVFILE");
  if (verb == "decode") {
    if (line.Option("out")) throw UsageError("packet decode writes to standard output");
    WritePacketCsv(data::DecodePacket(ReadFile(line.words[0])), out);
    return 0;
  }
  std::ifstream csv(line.words[0], std::ios::binary);
  if (!csv) throw std::runtime_error("cannot open " + line.words[0]);
  const std::vector<std::uint8_t> bytes = data::EncodePacket(ReadPacketCsv(csv));
  if (const auto target = line.Option("out")) {
    std::ofstream file(*target, std::ios::binary);
    if (!file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
      throw std::runtime_error("cannot write " + *target);
  } else {
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  return 0;
}

}  // namespace

int RunFeeHost(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  try {
    if (arguments.empty()) throw UsageError("no command");
    const std::string& command = arguments[0];
    if (command == "help" || command == "--help") {
      out << kUsage;
      return 0;
    }
    if (command == "init")
      return Init(Parse(arguments, 1, {"db", "conn", "scale", "seed", "month", "day", "months"}),
                  out);
    if (command == "query") return Query(Parse(arguments, 1, {"db", "conn"}), out);
    if (command == "packet") return PacketCommand(arguments, out);
    throw UsageError("unknown command \"" + command + "\"");
  } catch (const UsageError& error) {
    err << "feehost: " << error.what() << '\n' << kUsage;
    return 2;
  } catch (const DbError& error) {
    err << "feehost: " << error.what() << '\n';
    return 1;
  } catch (const std::exception& error) {
    err << "feehost: " << error.what() << '\n';
    return 1;
  }
}

}  // namespace refhost
