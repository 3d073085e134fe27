// Files per second for what a new play-list row reads of a file (its tag and its first frame),
// against TagLib reading the ID3v1 tag and the audio properties of the same files, and against
// the floor of the system calls any reader makes: open, fstat, one pread, close.
#include "metadata/genres.h"
#include "metadata/infos_fichier.h"

#include <benchmark/benchmark.h>
#include <taglib/id3v1tag.h>
#include <taglib/mpegfile.h>
#include <taglib/mpegproperties.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace tulvane::metadata;

namespace {

constexpr int kFichiers = 10000;
constexpr int kTrames = 8;
constexpr std::size_t kTailleTrame = 417;  // 128 kbit/s, 44100 Hz, no padding

// A temporary folder of synthetic tagged MP3 files, removed at exit.
class DossierMp3 {
public:
    DossierMp3()
    {
        std::string modele = (fs::temp_directory_path() / "tulvane-bench-XXXXXX").string();
        if (!mkdtemp(modele.data()))
            throw std::runtime_error("cannot create a temporary folder");
        dossier_ = modele;
        std::uint32_t alea = 12345;
        std::vector<char> contenu;
        for (int n = 0; n < kFichiers; ++n) {
            contenu.clear();
            for (int t = 0; t < kTrames; ++t) {
                for (unsigned char octet : {0xFF, 0xFB, 0x90, 0x64})
                    contenu.push_back(static_cast<char>(octet));
                for (std::size_t k = 4; k < kTailleTrame; ++k) {
                    alea = alea * 1103515245u + 12345u;
                    contenu.push_back(static_cast<char>((alea >> 16) % 0xFF));  // never a sync byte
                }
            }
            const auto tag = composerTag("Titre n°" + std::to_string(n), "Artiste " + std::to_string(n % 97),
                                         "Album " + std::to_string(n % 13), "2024",
                                         static_cast<std::uint8_t>(n % 148), "Fichier synthétique");
            contenu.insert(contenu.end(), tag.begin(), tag.end());
            const fs::path chemin = dossier_ / ("piste" + std::to_string(n) + ".mp3");
            std::ofstream(chemin, std::ios::binary).write(contenu.data(), static_cast<std::streamsize>(contenu.size()));
            chemins_.push_back(chemin);
        }
        // Warm cache: every file is read once before any timing.
        for (const auto& chemin : chemins_) {
            std::ifstream entree(chemin, std::ios::binary);
            benchmark::DoNotOptimize(std::distance(std::istreambuf_iterator<char>(entree), std::istreambuf_iterator<char>()));
        }
    }
    ~DossierMp3()
    {
        std::error_code ignoree;
        fs::remove_all(dossier_, ignoree);
    }
    DossierMp3(const DossierMp3&) = delete;
    DossierMp3& operator=(const DossierMp3&) = delete;

    const std::vector<fs::path>& chemins() const { return chemins_; }

private:
    fs::path dossier_;
    std::vector<fs::path> chemins_;
};

const std::vector<fs::path>& fichiers()
{
    static const DossierMp3 dossier;
    return dossier.chemins();
}

void Tulvane(benchmark::State& state)
{
    const auto& chemins = fichiers();
    for (auto _ : state) {
        for (const auto& chemin : chemins) {
            const std::optional<InfosFichier> infos = lireInfosFichier(chemin);
            if (!infos || !infos->tag || infos->trames.kbps != "128") {
                state.SkipWithError("a file was not read");
                continue;
            }
            benchmark::DoNotOptimize(nomGenre(infos->tag->noStyle).data());
            benchmark::DoNotOptimize(infos->tag->titre.data());
            benchmark::DoNotOptimize(infos->trames.duree.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(chemins.size()));
}

void Plancher(benchmark::State& state)
{
    const auto& chemins = fichiers();
    std::vector<char> tampon(kOctetsALire);
    for (auto _ : state) {
        for (const auto& chemin : chemins) {
            const int fd = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC);
            struct stat etat {};
            if (fd < 0 || ::fstat(fd, &etat) != 0 || ::pread(fd, tampon.data(), tampon.size(), 0) != etat.st_size) {
                state.SkipWithError("a file was not read");
                continue;
            }
            ::close(fd);
            benchmark::DoNotOptimize(tampon.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(chemins.size()));
}

void TagLib(benchmark::State& state)
{
    const auto& chemins = fichiers();
    for (auto _ : state) {
        for (const auto& chemin : chemins) {
            TagLib::MPEG::File fichier(chemin.c_str());
            const TagLib::ID3v1::Tag* tag = fichier.ID3v1Tag();
            const TagLib::MPEG::Properties* proprietes = fichier.audioProperties();
            if (!tag || !proprietes || proprietes->bitrate() != 128) {
                state.SkipWithError("a file was not read");
                continue;
            }
            for (const TagLib::String& texte : {tag->title(), tag->artist(), tag->album(), tag->comment(), tag->genre()})
                benchmark::DoNotOptimize(texte.to8Bit(true));
            benchmark::DoNotOptimize(tag->year());
            benchmark::DoNotOptimize(proprietes->lengthInSeconds());
            benchmark::DoNotOptimize(proprietes->channels());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(chemins.size()));
}

BENCHMARK(Tulvane)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(TagLib)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Plancher)->Unit(benchmark::kMillisecond)->UseRealTime();

// Keeps each benchmark's files per second to print the ratio at the end.
class Rapporteur : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> debits;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto debit = run.counters.find("items_per_second");
            if (debit != run.counters.end() && !run.error_occurred)
                debits[run.benchmark_name()] = debit->second;
        }
    }
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("%d fichiers MP3 de %zu octets, lus une fois avant la mesure\n", kFichiers,
                kTrames * kTailleTrame + kTailleTag);
    fichiers();
    Rapporteur rapporteur;
    benchmark::RunSpecifiedBenchmarks(&rapporteur);
    benchmark::Shutdown();

    const auto nous = rapporteur.debits.find("Tulvane/real_time");
    const auto taglib = rapporteur.debits.find("TagLib/real_time");
    const auto plancher = rapporteur.debits.find("Plancher/real_time");
    if (nous != rapporteur.debits.end() && taglib != rapporteur.debits.end() && plancher != rapporteur.debits.end())
        std::printf("Tulvane : %.0f fichiers/s, TagLib : %.0f fichiers/s, plancher : %.0f fichiers/s\n"
                    "Tulvane / TagLib : %.1f, Tulvane / plancher : %.2f\n",
                    nous->second, taglib->second, plancher->second, nous->second / taglib->second,
                    nous->second / plancher->second);
    return 0;
}
