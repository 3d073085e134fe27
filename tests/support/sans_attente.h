#pragma once

#include <filesystem>
#include <functional>

namespace tulvane::test {

// Runs `appel` on this thread (windows can be driven) and tells whether it returned within
// five seconds. A watcher releases the named pipe `fifo` after that (a writer comes and goes
// until the call returns), so a call stuck opening or reading it fails the test instead of
// hanging the whole run. This guards against a hang; it measures nothing.
bool revientSansAttendre(const std::filesystem::path& fifo, const std::function<void()>& appel);

// A named pipe at `chemin` that nobody writes to; throws when it cannot be made.
void creerFifo(const std::filesystem::path& chemin);

}  // namespace tulvane::test
