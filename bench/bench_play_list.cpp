// The play-list window on its main road: adding files one by one, opening and saving a long
// play-list file, one tick of the tracking timer with the current row last, dragging rows
// and dropping files on a long list.
#include "components/media_player.h"
#include "fakes/contexte_test.h"
#include "platform/list_view.h"
#include "player/fpiste.h"
#include "playlist/deplacement_lignes.h"
#include "playlist/fliste.h"
#include "playlist/playlist_file.h"
#include "principal_fenetres.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <memory>

using namespace tulvane;

namespace {

// A folder of small files once per run, so that every add reads real bytes from the cache.
const QStringList& fichiers(const test::TempFolder& dossier, int n)
{
    static QStringList chemins;
    if (chemins.size() < n) {
        for (int i = chemins.size(); i < n; ++i) {
            const QString chemin = QDir(QString::fromStdString(dossier.path().string()))
                                       .filePath(QString("piste %1.mp3").arg(i, 5, 10, QChar('0')));
            QFile f(chemin);
            f.open(QIODevice::WriteOnly);
            f.write(QByteArray(3000, '\0'));
            chemins << chemin;
        }
    }
    return chemins;
}

void BM_AjouterFichiersUnAUn(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    static test::TempFolder dossier;
    const QStringList& chemins = fichiers(dossier, n);
    for (const QString& c : chemins) {  // warm the page cache
        QFile f(c);
        f.open(QIODevice::ReadOnly);
        f.readAll();
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto t = std::make_unique<test::ContexteDeTest>();
        playlist::FListe& liste = t->ctx().fListe();
        state.ResumeTiming();
        for (const QString& c : chemins)
            liste.fnAjouterFichierLite(c);
        state.PauseTiming();
        t.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_AjouterFichiersUnAUn)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// A list of n rows shaped like real ones, written as a play-list file.
QString fichierPlayList(const test::TempFolder& dossier, int n)
{
    std::vector<playlist::TextesLigne> lignes;
    lignes.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const std::string nom = "piste " + std::to_string(i) + ".mp3";
        lignes.push_back({nom, "Artiste " + std::to_string(i % 2000), "Titre " + std::to_string(i),
                          "Album " + std::to_string(i % 5000), "Rock", "192 kbps", "/home/moi/Musique/" + nom,
                          "03:45", "commentaire"});
    }
    std::vector<const playlist::TextesLigne*> pointeurs;
    for (const auto& l : lignes)
        pointeurs.push_back(&l);
    const QString chemin = QDir(QString::fromStdString(dossier.path().string())).filePath("longue.tvl4");
    QFile f(chemin);
    f.open(QIODevice::WriteOnly);
    f.write(QByteArray::fromStdString(playlist::ecrireFichierPlayList(pointeurs)));
    return chemin;
}

void BM_OuvrirPlayList(benchmark::State& state)
{
    test::ContexteDeTest t;
    const QString chemin = fichierPlayList(t.dossier(), static_cast<int>(state.range(0)));
    playlist::FListe& liste = t.ctx().fListe();
    for (auto _ : state)
        liste.fnChargerListe(chemin);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_OuvrirPlayList)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_EnregistrerPlayList(benchmark::State& state)
{
    test::ContexteDeTest t;
    playlist::FListe& liste = t.ctx().fListe();
    liste.fnChargerListe(fichierPlayList(t.dossier(), static_cast<int>(state.range(0))));
    const QString cible = QDir(QString::fromStdString(t.dossier().path().string())).filePath("copie.tvl4");
    for (auto _ : state) {
        t.dialogues().answer(platform::MessageAnswer::Ok);
        liste.fnEnregistrerListe(cible);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_EnregistrerPlayList)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_TopDuSuiviCouranteEnDernier(benchmark::State& state)
{
    test::ContexteDeTest t;
    playlist::FListe& liste = t.ctx().fListe();
    const int n = static_cast<int>(state.range(0));
    liste.fnChargerListe(fichierPlayList(t.dossier(), n));
    t.piste().setFileName(liste.cheminLigne(n));
    for (auto _ : state)
        liste.Timer1_Timer();
}
BENCHMARK(BM_TopDuSuiviCouranteEnDernier)->Arg(100000)->Unit(benchmark::kMicrosecond);

// Every row of a long list selected and dragged: each row moves once, the scan does not
// start over from the top for each.
void BM_GlisserToutesLesLignes(benchmark::State& state)
{
    test::ContexteDeTest t;
    playlist::FListe& liste = t.ctx().fListe();
    const int n = static_cast<int>(state.range(0));
    const int bandes = static_cast<int>(state.range(1));
    liste.fnChargerListe(fichierPlayList(t.dossier(), n));
    const double y = 20 * playlist::kHauteurBande;
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 1; i <= n; ++i)
            liste.Liste->setSelected(i, true);
        liste.Liste_MouseDown(y + 1);
        state.ResumeTiming();
        liste.Liste_OLEDragDrop(std::nullopt, y + 1 + bandes * playlist::kHauteurBande);
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_GlisserToutesLesLignes)->Args({100000, 1})->Args({100000, -5})->Unit(benchmark::kMillisecond);

// A drop of files that are all listed already: only the look-up of the paths.
void BM_DeposerFichiersDejaListes(benchmark::State& state)
{
    test::ContexteDeTest t;
    playlist::FListe& liste = t.ctx().fListe();
    const int n = static_cast<int>(state.range(0));
    liste.fnChargerListe(fichierPlayList(t.dossier(), n));
    QStringList deposes;
    for (int i = n; i > n - 1000; --i)
        deposes << liste.cheminLigne(i);
    for (auto _ : state)
        liste.Liste_OLEDragDrop(deposes, 0);
    state.SetItemsProcessed(state.iterations() * deposes.size());
}
BENCHMARK(BM_DeposerFichiersDejaListes)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return executerBancsFenetres(argc, argv);
}
