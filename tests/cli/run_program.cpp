#include "run_program.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <stdexcept>

namespace bidgauge::testing_support {
namespace {

struct Pipe {
  int read = -1;
  int write = -1;
};

Pipe makePipe() {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  return {fds[0], fds[1]};
}

[[noreturn]] void startChild(const std::string& program, const std::vector<std::string>& arguments,
                             Pipe in, Pipe out, Pipe err) {
  setsid();
  dup2(in.read, STDIN_FILENO);
  dup2(out.write, STDOUT_FILENO);
  dup2(err.write, STDERR_FILENO);
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  char lang[] = "LANG=C.UTF-8";
  char term[] = "TERM=dumb";
  char path[] = "PATH=/usr/bin:/bin";
  std::array<char*, 4> environment = {lang, term, path, nullptr};
  execve(program.c_str(), argv.data(), environment.data());
  _exit(127);
}

}  // namespace

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& input) {
  const Pipe in = makePipe();
  const Pipe out = makePipe();
  const Pipe err = makePipe();
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) startChild(program, arguments, in, out, err);
  close(in.read);
  close(out.write);
  close(err.write);

  // The child may stop writing its output until its input is read, and the
  // other way round: feed and drain at the same time.
  signal(SIGPIPE, SIG_IGN);
  ProgramRun run;
  std::size_t written = 0;
  int inFd = in.write;
  if (input.empty()) {
    close(inFd);
    inFd = -1;
  }
  std::array<pollfd, 3> fds = {pollfd{inFd, POLLOUT, 0}, pollfd{out.read, POLLIN, 0},
                               pollfd{err.read, POLLIN, 0}};
  std::array<std::string*, 3> sinks = {nullptr, &run.out, &run.err};
  while (fds[1].fd >= 0 || fds[2].fd >= 0) {
    if (poll(fds.data(), fds.size(), -1) < 0 && errno != EINTR) break;
    if (fds[0].fd >= 0 && fds[0].revents != 0) {
      const ssize_t n = write(fds[0].fd, input.data() + written, input.size() - written);
      if (n > 0) written += static_cast<std::size_t>(n);
      if (n < 0 || written == input.size()) {
        close(fds[0].fd);
        fds[0].fd = -1;
      }
    }
    for (std::size_t i = 1; i < fds.size(); ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buffer[65536];
      const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        sinks[i]->append(buffer, static_cast<std::size_t>(n));
      } else {
        close(fds[i].fd);
        fds[i].fd = -1;
      }
    }
  }
  if (fds[0].fd >= 0) close(fds[0].fd);
  int status = 0;
  waitpid(pid, &status, 0);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return run;
}

}  // namespace bidgauge::testing_support
