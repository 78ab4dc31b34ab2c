#pragma once
// The web server of the fetch tests (fetch_server.py, whose path the build
// gives as QUILLBAY_FETCH_SERVER) as a child process of the test, with a
// certificate authority of its own in a temporary folder.

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "tests/support/TestFiles.h"

// fetch_server.py as a child process; it ends when its standard input
// closes, which happens here or when the test process ends in any way.
class TFetchServer {
 public:
  TFetchServer() {
    int In[2], Out[2];
    if (pipe2(In, O_CLOEXEC) != 0 || pipe2(Out, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    const std::string Folder = FFolder.Path();
    // A proxy of the machine (http_proxy) must not stand between the test
    // and its servers (or the name that is not found), here or in the
    // programs the test runs.
    setenv("no_proxy", "*", 1);
    FPid = fork();
    if (FPid == 0) {
      dup2(In[0], 0);
      dup2(Out[1], 1);
      execl("/usr/bin/python3", "python3", QUILLBAY_FETCH_SERVER, Folder.c_str(), nullptr);
      _exit(127);
    }
    close(In[0]);
    close(Out[1]);
    FInput = In[1];
    std::string Line;
    char C;
    while (read(Out[0], &C, 1) == 1 && C != '\n') Line += C;
    close(Out[0]);
    if (sscanf(Line.c_str(), "%d %d", &FHttpsPort, &FHttpPort) != 2)
      throw std::runtime_error("the test server did not start");
  }
  ~TFetchServer() {
    close(FInput);
    waitpid(FPid, nullptr, 0);
  }
  std::string Https(const std::string& Path) const {
    return "https://127.0.0.1:" + std::to_string(FHttpsPort) + Path;
  }
  std::string Http(const std::string& Path) const {
    return "http://127.0.0.1:" + std::to_string(FHttpPort) + Path;
  }
  int HttpsPort() const { return FHttpsPort; }
  std::string CaFile() const { return FFolder / "ca.pem"; }

 private:
  TTempFolder FFolder;
  pid_t FPid = -1;
  int FInput = -1, FHttpsPort = 0, FHttpPort = 0;
};
