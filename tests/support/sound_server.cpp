#include "support/sound_server.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tulvane::test {
namespace {

constexpr const char* kSink = "tulvane_test";
constexpr auto kStartTimeout = std::chrono::seconds(10);

// Starts a program found on PATH with our environment plus `overrides` (NAME=value), its
// input from /dev/null; 0 when it cannot be started.
pid_t spawn(const std::vector<std::string>& args, const std::vector<std::string>& overrides,
            const std::string& output, const std::string& errors)
{
    std::vector<std::string> environment = overrides;
    for (char** entry = environ; *entry; ++entry) {
        const std::string_view variable(*entry);
        bool overridden = false;
        for (const std::string& o : overrides)
            overridden = overridden || variable.substr(0, variable.find('=')) == o.substr(0, o.find('='));
        if (!overridden)
            environment.emplace_back(variable);
    }
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& e : environment)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : 0;
}

// Forgets a child that has ended, so that its number is never signalled again.
bool alive(pid_t& pid)
{
    if (pid > 0 && waitpid(pid, nullptr, WNOHANG) != 0)
        pid = 0;
    return pid > 0;
}

void stop(pid_t& pid)
{
    if (!alive(pid))
        return;
    kill(pid, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (waitpid(pid, nullptr, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    pid = 0;
}

// Polls `condition` while `pid` lives, for a bounded time.
bool waitFor(pid_t& pid, const std::function<bool()>& condition)
{
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    while (std::chrono::steady_clock::now() < deadline && alive(pid)) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

std::string contents(const std::filesystem::path& file)
{
    std::ifstream in(file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

SoundServer::SoundServer()
{
    if (const char* previous = std::getenv("PULSE_SERVER")) {
        hadServer_ = true;
        previousServer_ = previous;
    }
    const std::string socket = (folder_ / "native").string();
    const std::string log = (folder_ / "journal.txt").string();
    address_ = "unix:" + socket;
    // Its own home and runtime folder: nothing of the user's sound set-up is read or touched.
    const std::vector<std::string> environment = {
        "HOME=" + folder_.path().string(), "XDG_RUNTIME_DIR=" + folder_.path().string(),
        "XDG_CONFIG_HOME=" + folder_.path().string()};

    server_ = spawn({"pulseaudio", "--daemonize=no", "--use-pid-file=no", "--exit-idle-time=-1",
                     "--disable-shm=yes", "--realtime=no", "--high-priority=no", "-n",
                     std::string("--load=module-null-sink sink_name=") + kSink,
                     "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket,
                     "--log-target=stderr"},
                    environment, log, log);
    if (server_ == 0) {
        failure_ = "pulseaudio cannot be started: install the packages of scripts/packages.txt";
        return;
    }
    if (!waitFor(server_, [this] { return accepts(); })) {
        failure_ = "pulseaudio did not start:\n" + contents(folder_ / "journal.txt");
        return;
    }

    recorder_ = spawn({"parec", "--server=" + address_, std::string("--device=") + kSink + ".monitor",
                       "--latency-msec=20", "--format=s16le", "--rate=44100", "--channels=1"},
                      environment, "/dev/null", log);
    if (recorder_ == 0 || !waitFor(recorder_, [this] { return listened(); })) {
        failure_ = "parec does not listen to the sink:\n" + contents(folder_ / "journal.txt");
        return;
    }

    setenv("PULSE_SERVER", address_.c_str(), 1);
}

SoundServer::~SoundServer()
{
    if (hadServer_)
        setenv("PULSE_SERVER", previousServer_.c_str(), 1);
    else
        unsetenv("PULSE_SERVER");
    stop(recorder_);
    stop(server_);
}

bool SoundServer::accepts() const
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = (folder_ / "native").string();
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool connected = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    close(fd);
    return connected;
}

bool SoundServer::listened() const
{
    const std::string command = "pactl --server='" + address_ + "' list short source-outputs 2>/dev/null";
    FILE* list = popen(command.c_str(), "r");
    if (!list)
        return false;
    char line[256];
    const bool any = std::fgets(line, sizeof line, list) != nullptr;
    pclose(list);
    return any;
}

}  // namespace tulvane::test
