#include "refhost/PostgresServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace refhost::test {

namespace {

namespace fs = std::filesystem;

// The directory of initdb and pg_ctl: FEEHOST_PG_BIN, the PATH, or Debian's place.
std::string FindBinDir() {
  if (const char* configured = std::getenv("FEEHOST_PG_BIN"); configured && *configured)
    return configured;
  if (const char* path = std::getenv("PATH")) {
    std::string paths = path;
    for (std::size_t begin = 0; begin <= paths.size();) {
      const std::size_t end = std::min(paths.find(':', begin), paths.size());
      const fs::path dir = paths.substr(begin, end - begin);
      std::error_code error;
      if (!dir.empty() && fs::exists(dir / "initdb", error) && fs::exists(dir / "pg_ctl", error))
        return fs::canonical(dir / "initdb", error).parent_path().string();
      begin = end + 1;
    }
  }
  std::string newest;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator("/usr/lib/postgresql", error))
    if (fs::exists(entry.path() / "bin" / "initdb") && entry.path().string() > newest)
      newest = entry.path().string();
  return newest.empty() ? std::string() : newest + "/bin";
}

// The PostgreSQL Unicode driver: by name when odbcinst.ini has it, else by path.
std::string FindDriver() {
  const char* const paths[] = {"/usr/lib/x86_64-linux-gnu/odbc/psqlodbcw.so",
                               "/usr/lib/aarch64-linux-gnu/odbc/psqlodbcw.so"};
  if (std::system("odbcinst -q -d -n 'PostgreSQL Unicode' >/dev/null 2>&1") == 0)
    return "{PostgreSQL Unicode}";
  for (const char* path : paths)
    if (fs::exists(path)) return path;
  return {};
}

// The server's log, for a message that outlives the directory.
std::string ReadLog(const std::string& log) {
  std::ifstream in(log);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

int FreePort() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return 0;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  int port = 0;
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
    port = ntohs(address.sin_port);
  close(fd);
  return port;
}

}  // namespace

std::unique_ptr<PostgresServer> PostgresServer::Start(std::string& whyNot) {
  std::unique_ptr<PostgresServer> server(new PostgresServer);
  server->binDir_ = FindBinDir();
  if (server->binDir_.empty()) {
    whyNot = "no PostgreSQL server programs (initdb, pg_ctl); apt-get install postgresql";
    return nullptr;
  }
  const std::string driver = FindDriver();
  if (driver.empty()) {
    whyNot = "no PostgreSQL ODBC driver; apt-get install odbc-postgresql";
    return nullptr;
  }
  const std::string dir = server->dir_.Path().string();
  if (geteuid() == 0) {
    // initdb refuses to run as root: the cluster belongs to the postgres user.
    const passwd* user = getpwnam("postgres");
    if (!user || chown(dir.c_str(), user->pw_uid, user->pw_gid) != 0) {
      whyNot = "running as root without a 'postgres' user to own the server";
      return nullptr;
    }
    server->runAs_ = "runuser -u postgres -- ";
  }
  const int port = FreePort();
  // The server writes its own log; this process collects what the tools print.
  const std::string output = dir + "/tools.log";
  const std::string initdb = server->runAs_ + server->binDir_ + "/initdb -D " + dir +
                             "/data -A trust -U postgres -E UTF8 --locale=C --no-sync >" + output + " 2>&1";
  if (std::system(initdb.c_str()) != 0) {
    whyNot = "initdb failed: " + ReadLog(output);
    return nullptr;
  }
  const std::string start = server->runAs_ + server->binDir_ + "/pg_ctl -D " + dir + "/data -l " +
                            dir + "/data/server.log -w -t 60 -o \"-p " + std::to_string(port) +
                            " -k " + dir + " -c listen_addresses='' -c fsync=off\" start >>" + output + " 2>&1";
  if (std::system(start.c_str()) != 0) {
    whyNot = "the server did not start: " + ReadLog(output) + ReadLog(dir + "/data/server.log");
    return nullptr;
  }
  server->started_ = true;
  // Debian's odbcinst.ini switches the driver's communication log on; off here, it
  // leaves one line in /tmp instead of the whole conversation.
  server->connectionString_ = "DRIVER=" + driver + ";Servername=" + dir +
                              ";Port=" + std::to_string(port) +
                              ";Database=postgres;Username=postgres;CommLog=0;Debug=0";
  return server;
}

PostgresServer::~PostgresServer() {
  if (!started_) return;
  const std::string stop = runAs_ + binDir_ + "/pg_ctl -D " + dir_.Path().string() +
                           "/data -m immediate -w stop >/dev/null 2>&1";
  // A server that will not stop dies with its directory; the status changes nothing.
  const int status = std::system(stop.c_str());
  (void)status;
}

}  // namespace refhost::test
