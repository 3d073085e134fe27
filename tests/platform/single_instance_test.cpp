#include "platform/single_instance.h"

#include "support/bytes.h"
#include "support/temp_folder.h"

#include <QSysInfo>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using tulvane::platform::SingleInstance;
using namespace tulvane::test;

namespace {

QString qpath(const std::filesystem::path& p)
{
    return QString::fromStdString(p.string());
}

// A second process that takes the instance lock in `folder`, says on a pipe whether it was
// first, then waits to be killed, so its lock stays behind as a crashed program's would.
// Asked to, it first starts a program of its own, as the player does for a web page, and
// tells its number.
class OtherProcess {
public:
    enum class Starts { Nothing, AProgram };

    explicit OtherProcess(const QString& folder, Starts starts = Starts::Nothing)
    {
        int fds[2];
        if (pipe(fds) != 0)
            throw std::runtime_error("pipe");
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            SingleInstance instance(folder);
            Report report{!instance.anotherInstanceRunning(), 0};
            if (starts == Starts::AProgram) {
                // The program's end of this pipe closes when it has replaced itself with
                // `sleep`: until then it is a copy of this process, lock and all.
                int started[2];
                if (pipe2(started, O_CLOEXEC) != 0)
                    _exit(1);
                report.program = fork();
                if (report.program == 0) {
                    execlp("sleep", "sleep", "60", static_cast<char*>(nullptr));
                    _exit(127);
                }
                close(started[1]);
                char ignored;
                while (read(started[0], &ignored, 1) > 0) {
                }
                close(started[0]);
            }
            if (write(fds[1], &report, sizeof report) != sizeof report)
                _exit(1);
            pause();
            _exit(0);
        }
        close(fds[1]);
        if (read(fds[0], &report_, sizeof report_) != sizeof report_)
            report_ = {};
        close(fds[0]);
    }
    ~OtherProcess()
    {
        kill();
        if (report_.program > 0)
            ::kill(report_.program, SIGKILL);
    }

    bool wasFirst() const { return report_.first; }
    bool startedAProgram() const { return report_.program > 0; }

    void kill()
    {
        if (pid_ <= 0)
            return;
        ::kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }

private:
    struct Report {
        bool first = false;
        pid_t program = 0;
    };
    pid_t pid_ = 0;
    Report report_;
};

}  // namespace

TEST(SingleInstance, TheSecondObjectSeesTheFirstUntilItEnds)
{
    TempFolder folder;
    {
        SingleInstance first(qpath(folder.path()));
        EXPECT_FALSE(first.anotherInstanceRunning());
        SingleInstance second(qpath(folder.path()));
        EXPECT_TRUE(second.anotherInstanceRunning());

        TempFolder elsewhere;
        EXPECT_FALSE(SingleInstance(qpath(elsewhere.path())).anotherInstanceRunning());
    }
    EXPECT_FALSE(SingleInstance(qpath(folder.path())).anotherInstanceRunning());
}

TEST(SingleInstance, AnotherProcessIsSeenAndItsLockIsTakenOverOnceItDied)
{
    TempFolder folder;
    OtherProcess other(qpath(folder.path()));
    ASSERT_TRUE(other.wasFirst());
    EXPECT_TRUE(SingleInstance(qpath(folder.path())).anotherInstanceRunning());

    other.kill();
    EXPECT_FALSE(SingleInstance(qpath(folder.path())).anotherInstanceRunning());
}

TEST(SingleInstance, AProgramTheInstanceStartedDoesNotKeepItsLock)
{
    TempFolder folder;
    OtherProcess other(qpath(folder.path()), OtherProcess::Starts::AProgram);
    ASSERT_TRUE(other.wasFirst());
    ASSERT_TRUE(other.startedAProgram());
    EXPECT_TRUE(SingleInstance(qpath(folder.path())).anotherInstanceRunning());

    other.kill();
    EXPECT_FALSE(SingleInstance(qpath(folder.path())).anotherInstanceRunning());
}

// Whatever a dead instance, another machine or anything else left under the lock's name,
// the next start runs and then holds the lock against a second one.
TEST(SingleInstance, NothingLeftUnderTheLocksNameStopsAStart)
{
    const struct {
        const char* left;
        std::function<void(const std::filesystem::path&)> make;
    } cases[] = {
        {"an empty file", [](const auto& p) { writeFile(p, {}); }},
        {"garbage", [](const auto& p) { writeFile(p, bytes({0x00, 0xFF, 'x', '\n', 0x80, '\r'})); }},
        {"another machine's lock",
         [](const auto& p) { writeFile(p, bytesOf("4242\ntulvane\nune-autre-machine\n")); }},
        {"a lock naming a live process of this machine",
         [](const auto& p) {
             writeFile(p, bytesOf("1\ntulvane\n" + QSysInfo::machineHostName().toStdString() + "\n"));
         }},
        {"a read-only file",
         [](const auto& p) {
             writeFile(p, bytesOf("7\n"));
             std::filesystem::permissions(p, std::filesystem::perms::owner_read);
         }},
        {"a folder",
         [](const auto& p) {
             std::filesystem::create_directory(p);
             writeFile(p / "dedans", bytesOf("x"));
         }},
        {"a named pipe", [](const auto& p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }},
        {"a link to nothing", [](const auto& p) { std::filesystem::create_symlink(p.parent_path() / "absent", p); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.left);
        TempFolder folder;
        c.make(folder / "tulvane.lock");
        {
            const SingleInstance first(qpath(folder.path()));
            EXPECT_FALSE(first.anotherInstanceRunning());
            EXPECT_TRUE(SingleInstance(qpath(folder.path())).anotherInstanceRunning());
        }
        EXPECT_FALSE(SingleInstance(qpath(folder.path())).anotherInstanceRunning());
    }
}

// However many names are taken by leftovers, the instances still meet under one lock.
TEST(SingleInstance, LeftoversUnderEveryUsualNameStillMakeOneInstance)
{
    TempFolder folder;
    for (const char* name : {"tulvane.lock", "tulvane-2.lock", "tulvane-3.lock", "tulvane-4.lock"})
        std::filesystem::create_directory(folder / name);
    std::filesystem::create_symlink(folder / "absent", folder / "tulvane-5.lock");
    ASSERT_EQ(mkfifo((folder / "tulvane-6.lock").c_str(), 0600), 0);

    OtherProcess other(qpath(folder.path()));
    ASSERT_TRUE(other.wasFirst());
    EXPECT_TRUE(SingleInstance(qpath(folder.path())).anotherInstanceRunning());
    other.kill();
    const SingleInstance first(qpath(folder.path()));
    EXPECT_FALSE(first.anotherInstanceRunning());
    EXPECT_TRUE(SingleInstance(qpath(folder.path())).anotherInstanceRunning());
}

TEST(SingleInstance, WithoutAFolderForTheLockTheProgramRuns)
{
    TempFolder folder;
    EXPECT_FALSE(SingleInstance(qpath(folder / "absent")).anotherInstanceRunning());
}
