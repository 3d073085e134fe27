#include "support/sans_attente.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tulvane::test {

bool revientSansAttendre(const std::filesystem::path& fifo, const std::function<void()>& appel)
{
    std::mutex verrou;
    std::condition_variable signal;
    bool fini = false;
    bool libere = false;
    std::thread gardien([&] {
        std::unique_lock attente(verrou);
        if (signal.wait_for(attente, std::chrono::seconds(5), [&] { return fini; }))
            return;
        libere = true;
        // Opening for reading and writing never blocks on Linux: a reader blocked in open()
        // goes on, and once the writer is gone it meets the end of the pipe.
        while (!signal.wait_for(attente, std::chrono::milliseconds(50), [&] { return fini; })) {
            const int ecrivain = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
            if (ecrivain >= 0)
                ::close(ecrivain);
        }
    });
    appel();
    {
        const std::lock_guard garde(verrou);
        fini = true;
    }
    signal.notify_one();
    gardien.join();
    return !libere;
}

void creerFifo(const std::filesystem::path& chemin)
{
    if (::mkfifo(chemin.c_str(), 0600) != 0)
        throw std::runtime_error("cannot make the named pipe " + chemin.string());
}

}  // namespace tulvane::test
