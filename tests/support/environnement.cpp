#include "support/environnement.h"

#include <cstdlib>

namespace tulvane::test {

void Environnement::definir(const char* nom, const std::string& valeur)
{
    const char* ancien = std::getenv(nom);
    anciens_.push_back({nom, ancien ? std::optional<std::string>(ancien) : std::nullopt});
    ::setenv(nom, valeur.c_str(), 1);
}

Environnement::~Environnement()
{
    for (auto it = anciens_.rbegin(); it != anciens_.rend(); ++it) {
        if (it->second)
            ::setenv(it->first, it->second->c_str(), 1);
        else
            ::unsetenv(it->first);
    }
}

}  // namespace tulvane::test
