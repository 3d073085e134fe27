#include "platform/single_instance.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

using tulvane::platform::SingleInstance;
using tulvane::test::TempFolder;

namespace {

QString qpath(const std::filesystem::path& p)
{
    return QString::fromStdString(p.string());
}

// A second process that takes the instance lock in `folder`, says on a pipe whether it was
// first, then waits to be killed, so its lock stays behind as a crashed program's would.
class OtherProcess {
public:
    explicit OtherProcess(const QString& folder)
    {
        int fds[2];
        if (pipe(fds) != 0)
            throw std::runtime_error("pipe");
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            SingleInstance instance(folder);
            const char first = instance.anotherInstanceRunning() ? 'n' : 'y';
            if (write(fds[1], &first, 1) != 1)
                _exit(1);
            pause();
            _exit(0);
        }
        close(fds[1]);
        char first = 0;
        firstInstance_ = read(fds[0], &first, 1) == 1 && first == 'y';
        close(fds[0]);
    }
    ~OtherProcess() { kill(); }

    bool wasFirst() const { return firstInstance_; }

    void kill()
    {
        if (pid_ <= 0)
            return;
        ::kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }

private:
    pid_t pid_ = 0;
    bool firstInstance_ = false;
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

TEST(SingleInstance, WithoutARuntimeFolderTheProgramRuns)
{
    TempFolder folder;
    EXPECT_FALSE(SingleInstance(qpath(folder / "absent")).anotherInstanceRunning());
}
