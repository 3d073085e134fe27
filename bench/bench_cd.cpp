// The CD drive on libcdio: finding the system's drive when the program starts (none on a
// machine without one), opening a disc and reading its table of contents, one status
// update's position, and reading one second of audio, on a generated disc image.
#include "components/cdio_cd_device.h"
#include "support/image_cd.h"
#include "support/temp_folder.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

using namespace tulvane;

namespace {

// Twelve tracks of four minutes.
struct Disque {
    test::TempFolder dossier;
    test::ImageCd image = test::ecrireImageCd(dossier.path(), std::vector<test::PisteDeTon>(12, {440, 4 * 60 * 75}));
    QString cue = QString::fromStdString(image.cue.string());
};

void BM_TrouverLeLecteur(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(components::CdioCdDevice::lecteurParDefaut());
}
BENCHMARK(BM_TrouverLeLecteur)->Unit(benchmark::kMicrosecond);

void BM_OuvrirLeDisque(benchmark::State& state)
{
    const Disque disque;
    for (auto _ : state) {
        components::CdioCdDevice cd(disque.cue);
        cd.Open();
        benchmark::DoNotOptimize(cd.Tracks());
    }
}
BENCHMARK(BM_OuvrirLeDisque)->Unit(benchmark::kMicrosecond);

void BM_PositionDUneMiseAJour(benchmark::State& state)
{
    const Disque disque;
    components::CdioCdDevice cd(disque.cue);
    cd.Open();
    for (int i = 0; i < 11; ++i)
        cd.Next();
    for (auto _ : state)
        benchmark::DoNotOptimize(cd.Position());
}
BENCHMARK(BM_PositionDUneMiseAJour);

void BM_LireUneSecondeDAudio(benchmark::State& state)
{
    const Disque disque;
    const auto cd = components::DisqueCd::ouvrir(disque.cue);
    int secteur = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cd->lireAudio(secteur, 75));
        secteur = (secteur + 75) % (12 * 4 * 60 * 75 - 75);
    }
    state.SetBytesProcessed(state.iterations() * 75 * components::kOctetsParSecteur);
}
BENCHMARK(BM_LireUneSecondeDAudio)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
