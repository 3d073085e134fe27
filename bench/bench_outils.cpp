// The mass renamer's verification as the pairwise comparison of every preview row with every
// other, beside the one pass by name counts the program makes; the preview of 100,000 names;
// the disk walk of a synthetic tree.
#include "support/temp_folder.h"
#include "tools/masque_renommage.h"
#include "tools/parcours_disque.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace tulvane::tools;

namespace {

// Distinct names, the last one repeating the first, so that every row is compared through.
std::vector<std::string> noms(std::size_t n)
{
    std::vector<std::string> v;
    for (std::size_t i = 0; i < n; ++i)
        v.push_back("Piste " + std::to_string(i) + ".mp3");
    v.back() = v.front();
    return v;
}

// Each row against every other row, as the dialog was first written.
std::vector<bool> verificationParPaires(const std::vector<std::string>& dossiers, const std::vector<std::string>& n)
{
    std::vector<bool> fautifs(n.size());
    for (std::size_t i = 0; i < n.size(); ++i) {
        for (std::size_t j = 0; j < n.size(); ++j)
            if (j != i && n[i] == n[j])
                fautifs[i] = true;
        if (dossiers[i].empty())
            fautifs[i] = true;
    }
    return fautifs;
}

void BM_VerificationParPaires(benchmark::State& state)
{
    const auto n = noms(std::size_t(state.range(0)));
    const std::vector<std::string> dossiers(n.size(), "/m/");
    for (auto _ : state)
        benchmark::DoNotOptimize(verificationParPaires(dossiers, n));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_VerificationParPaires)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_Verification(benchmark::State& state)
{
    const auto n = noms(std::size_t(state.range(0)));
    const std::vector<std::string> dossiers(n.size(), "/m/");
    for (auto _ : state)
        benchmark::DoNotOptimize(nomsFautifs(dossiers, n, [](const std::string&) { return false; }));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Verification)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_Apercu(benchmark::State& state)
{
    std::vector<FichierApercu> fichiers;
    for (const std::string& nom : noms(std::size_t(state.range(0))))
        fichiers.push_back({nom, "20240102", "030405"});
    double r = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(nouveauxNoms({"[C] - [A] [D][H][N][E]", 1, 1, 5}, fichiers, [&] {
            return r = r < 0.9 ? r + 0.1 : 0;
        }));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Apercu)->Arg(100000)->Unit(benchmark::kMillisecond);

// 100 folders of 100 files, half of them hits, under a dot-folder-free tree.
class Arbre {
public:
    Arbre()
    {
        for (int d = 0; d < 100; ++d) {
            const fs::path dossier = racine() / ("Album " + std::to_string(d / 10)) / ("CD " + std::to_string(d));
            fs::create_directories(dossier);
            for (int f = 0; f < 100; ++f)
                std::ofstream(dossier / ("Piste " + std::to_string(f) + (f % 2 ? ".mp3" : ".jpg")));
        }
    }
    const fs::path& racine() const { return dossier_.path(); }

private:
    tulvane::test::TempFolder dossier_;
};

void BM_Parcours(benchmark::State& state)
{
    static const Arbre arbre;
    std::size_t trouves = 0;
    for (auto _ : state) {
        trouves = 0;
        parcourirDossier(arbre.racine(), "MP3", [] { return true; }, [&](const fs::path&) { ++trouves; });
    }
    if (trouves != 5000)
        state.SkipWithError("the walk missed files");
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_Parcours)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
