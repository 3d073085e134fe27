// The start-up and the idle program: the splash's load step, one heartbeat of the player
// window over a 1,000-row list, and the processor time the whole program uses while it
// waits with that list loaded (real players, real timers, real windows), over 30 s.
#include "app/services_reels.h"
#include "components/qt_media_player.h"
#include "fakes/contexte_test.h"
#include "player/finterface.h"
#include "player/fstart.h"
#include "playlist/fliste.h"
#include "playlist/playlist_file.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

using namespace tulvane;

namespace {

// n small files and a play-list file of them in the folder; returns the list's path.
QString listeDeFichiers(const test::TempFolder& dossier, int n)
{
    const QDir racine(QString::fromStdString(dossier.path().string()));
    std::vector<playlist::TextesLigne> lignes;
    for (int i = 0; i < n; ++i) {
        const QString nom = QString("piste %1.mp3").arg(i, 4, 10, QChar('0'));
        QFile fichier(racine.filePath(nom));
        fichier.open(QIODevice::WriteOnly);
        fichier.write(QByteArray(3000, '\0'));
        lignes.push_back({nom.toStdString(), "Artiste", "Titre " + std::to_string(i), "Album", "Rock", "192 kbps",
                          racine.filePath(nom).toStdString(), "03:45", ""});
    }
    std::vector<const playlist::TextesLigne*> pointeurs;
    for (const auto& ligne : lignes)
        pointeurs.push_back(&ligne);
    const QString chemin = racine.filePath("liste.tvl4");
    QFile f(chemin);
    f.open(QIODevice::WriteOnly);
    f.write(QByteArray::fromStdString(playlist::ecrireFichierPlayList(pointeurs)));
    return chemin;
}

void attendre(int millisecondes)
{
    QEventLoop boucle;
    QTimer::singleShot(millisecondes, &boucle, &QEventLoop::quit);
    boucle.exec();
}

double secondesProcesseur()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto secondes = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return secondes(usage.ru_utime) + secondes(usage.ru_stime);
}

void BM_ChargementDuLecteur(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto t = std::make_unique<test::ContexteDeTest>();
        player::FStart& splash = t->ctx().fStart();
        state.ResumeTiming();
        splash.Timer1_Timer();
        state.PauseTiming();
        t.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ChargementDuLecteur)->Unit(benchmark::kMillisecond);

void BM_BattementListeDe1000(benchmark::State& state)
{
    test::ContexteDeTest t;
    t.ctx().fInterface().Form_Load();
    t.ctx().fListe().fnChargerListe(listeDeFichiers(t.dossier(), 1000));
    player::FInterface& f = t.ctx().fInterface();
    for (auto _ : state)
        f.Timer1_Timer();
}
BENCHMARK(BM_BattementListeDe1000)->Unit(benchmark::kMicrosecond);

// The real program, started as main() starts it, then left alone with the list loaded.
void BM_ProgrammeAuRepos(benchmark::State& state)
{
    test::TempFolder dossier;
    const QString liste = listeDeFichiers(dossier, 1000);
    app::Services services = app::servicesReels(QString::fromStdString(dossier.path().string()));
    services.dossierVerrou = services.dossierProgramme;
    app::Contexte contexte(std::move(services));
    contexte.fStart();
    attendre(2500);
    contexte.fListe().fnChargerListe(liste);
    attendre(1000);

    for (auto _ : state) {
        const double avant = secondesProcesseur();
        attendre(static_cast<int>(state.range(0)) * 1000);
        state.counters["cpu_pour_cent"] = 100.0 * (secondesProcesseur() - avant) / static_cast<double>(state.range(0));
    }
    state.counters["lignes"] = contexte.fListe().nombreLignes();
}
BENCHMARK(BM_ProgrammeAuRepos)->Arg(30)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    components::prepareMediaBackend();
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
