// A play list of one row whose one field is huge (a file made to freeze the window): the
// time to open it, and how long the window then takes to answer, with both windows shown.
// Run it alone: the peak memory it reports is the process's.
#include "fakes/contexte_test.h"
#include "player/finterface.h"
#include "playlist/fliste.h"
#include "playlist/playlist_file.h"
#include "principal_fenetres.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <chrono>

using namespace tulvane;
using Horloge = std::chrono::steady_clock;

namespace {

double secondesDepuis(Horloge::time_point debut, Horloge::time_point fin)
{
    return std::chrono::duration<double>(fin - debut).count();
}

QString fichierAUnChampEnorme(const test::TempFolder& dossier, std::size_t colonne, std::size_t octets)
{
    playlist::TextesLigne ligne = {"piste.mp3", "Artiste", "Titre", "Album", "Rock", "192 kbps",
                                   "/home/moi/Musique/piste.mp3", "03:45", "commentaire"};
    ligne[colonne] = std::string(octets, 'x');
    const QString chemin = QDir(QString::fromStdString(dossier.path().string())).filePath("enorme.tvl4");
    QFile f(chemin);
    f.open(QIODevice::WriteOnly);
    f.write(QByteArray::fromStdString(playlist::ecrireFichierPlayList({&ligne})));
    return chemin;
}

// Arguments: the size of the field in MB, the field's column (0 the file name, 2 the title,
// 6 the path).
void BM_OuvrirUnChampEnorme(benchmark::State& state)
{
    test::ContexteDeTest t;
    const QString chemin = fichierAUnChampEnorme(t.dossier(), static_cast<std::size_t>(state.range(1)),
                                                 static_cast<std::size_t>(state.range(0)) << 20);
    playlist::FListe& liste = t.ctx().fListe();
    player::FInterface& lecteur = t.ctx().fInterface();
    liste.show();
    lecteur.show();
    QCoreApplication::processEvents();

    double ouverture = 0;
    double reponse = 0;
    for (auto _ : state) {
        const Horloge::time_point debut = Horloge::now();
        liste.fnChargerListe(chemin);
        const Horloge::time_point ouverte = Horloge::now();
        // What runs before the user's next event is handled: the first beats of both
        // windows' timers, then the painting of what changed.
        Horloge::time_point repondu;
        liste.Timer1_Timer();
        lecteur.Timer1_Timer();
        QMetaObject::invokeMethod(&liste, [&repondu] { repondu = Horloge::now(); }, Qt::QueuedConnection);
        QCoreApplication::processEvents();
        ouverture = secondesDepuis(debut, ouverte);
        reponse = secondesDepuis(ouverte, repondu);
        state.SetIterationTime(ouverture + reponse);
    }
    // Then each beat of the two timers, as long as the file stays open.
    const Horloge::time_point avant = Horloge::now();
    liste.Timer1_Timer();
    lecteur.Timer1_Timer();
    QCoreApplication::processEvents();
    state.counters["battement_s"] = secondesDepuis(avant, Horloge::now());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["ouverture_s"] = ouverture;
    state.counters["reponse_s"] = reponse;
    state.counters["memoire_max_Mo"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_OuvrirUnChampEnorme)
    ->Args({100, 2})
    ->Args({100, 0})
    ->Args({100, 6})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv)
{
    return executerBancsFenetres(argc, argv);
}
