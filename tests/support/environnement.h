#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tulvane::test {

// Sets environment variables for one test and puts the old values back.
class Environnement {
public:
    Environnement() = default;
    Environnement(const Environnement&) = delete;
    Environnement& operator=(const Environnement&) = delete;
    ~Environnement();

    void definir(const char* nom, const std::string& valeur);

private:
    std::vector<std::pair<const char*, std::optional<std::string>>> anciens_;
};

}  // namespace tulvane::test
