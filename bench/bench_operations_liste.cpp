// The list operations on a long play list, each beside the loop the command was first
// written as: removals that restart their scan at row 1 after each removed row, duplicates
// found by comparing every pair, a refresh read row by row, a search that upper-cases its
// query for every row, a sort that collates every compared pair. The last lines give, for
// each size both ran at, how many times longer the old loop takes.
#include "components/file_work.h"
#include "fakes/contexte_test.h"
#include "metadata/id3v1.h"
#include "metadata/mpeg.h"
#include "platform/list_view.h"
#include "player/time_text.h"
#include "playlist/fliste.h"
#include "principal_fenetres.h"
#include "support/media.h"

#include <QApplication>
#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QLocale>
#include <QProgressBar>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <numeric>
#include <memory>

using namespace tulvane;
using platform::MessageAnswer;

namespace {

using Lignes = std::vector<std::vector<QString>>;

// Rows shaped like real ones; one path in ten is a copy of an earlier one. `dossier`, when
// given, holds the files the paths name.
Lignes lignes(int n, const QString& dossier = "/home/moi/Musique")
{
    static const std::array<const char*, 5> genres = {"Rock", "Pop", "Jazz", "Électro", "Folk"};
    static const std::array<const char*, 4> debits = {"064 kbps", "128 kbps", "192 kbps", "320 kbps"};
    const int distincts = std::max(1, n - n / 10);
    Lignes l;
    l.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const int f = (i * 7919) % distincts;
        const QString nom = QString("piste %1.mp3").arg(f, 6, 10, QChar('0'));
        l.push_back({nom, QString("Artiste %1").arg(f % 2000), QString("Titre n°%1").arg(f),
                     QString("Album %1").arg(f % 5000), genres[std::size_t(f) % genres.size()],
                     debits[std::size_t(f) % debits.size()], dossier + "/" + nom,
                     QString("%1:%2").arg(f % 12, 2, 10, QChar('0')).arg(f % 60, 2, 10, QChar('0')),
                     QString("commentaire %1").arg(f % 100)});
    }
    return l;
}

// The window with a fresh list of rows, every other row selected.
struct Fenetre {
    test::ContexteDeTest t;
    playlist::FListe& liste = t.ctx().fListe();
    platform::ListView& vue = *liste.Liste;

    void charger(const Lignes& l)
    {
        vue.clear();
        vue.addItems(l);
        for (int i = 1; i <= vue.count(); i += 2)
            vue.setSelected(i, true);
    }
};

// Each round starts from the same rows; only the operation is timed.
template <typename Operation>
void surLignesFraiches(benchmark::State& state, const Lignes& l, Operation operation)
{
    Fenetre f;
    for (auto _ : state) {
        state.PauseTiming();
        f.charger(l);
        state.ResumeTiming();
        operation(f);
    }
}

// ---- Removing the selected rows ----

void supprimerSelectionLitteral(platform::ListView& vue)
{
    for (;;) {
        int trouvee = 0;
        for (int i = 1; i <= vue.count() && trouvee == 0; ++i)
            if (vue.isSelected(i))
                trouvee = i;
        if (trouvee == 0)
            return;
        vue.remove(trouvee);
    }
}

void BM_SupprimerSelection(benchmark::State& state)
{
    surLignesFraiches(state, lignes(int(state.range(0))), [](Fenetre& f) {
        f.t.dialogues().answer(MessageAnswer::Yes);
        f.liste.Supprimer_Click();
    });
}
BENCHMARK(BM_SupprimerSelection)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SupprimerSelection_Litteral(benchmark::State& state)
{
    surLignesFraiches(state, lignes(int(state.range(0))), [](Fenetre& f) { supprimerSelectionLitteral(f.vue); });
}
BENCHMARK(BM_SupprimerSelection_Litteral)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// ---- Removing the duplicates ----

void supprimerDoublonsLitteral(Fenetre& f)
{
    platform::ListView& vue = f.vue;
    const int n = vue.count();
    for (int i = 1; i <= n; ++i)
        vue.setChecked(i, false);
    f.liste.ProgressBar1->setRange(0, n + 1);
    f.liste.ProgressBar1->setVisible(true);
    for (int i = 1; i <= n; ++i) {
        f.liste.ProgressBar1->setValue(i);
        int compte = 0;
        for (int j = 1; j <= n; ++j)
            if (vue.subItem(j, playlist::kEmplacement) == vue.subItem(i, playlist::kEmplacement) && ++compte > 1)
                vue.setChecked(j, true);
    }
    f.liste.ProgressBar1->setVisible(false);
    for (;;) {
        int trouvee = 0;
        for (int i = 1; i <= vue.count() && trouvee == 0; ++i)
            if (vue.isChecked(i))
                trouvee = i;
        if (trouvee == 0)
            return;
        vue.remove(trouvee);
    }
}

void BM_SupprimerDoublons(benchmark::State& state)
{
    surLignesFraiches(state, lignes(int(state.range(0))), [](Fenetre& f) {
        f.t.dialogues().answer(MessageAnswer::Ok);
        f.liste.suppr_doublons_Click();
    });
}
BENCHMARK(BM_SupprimerDoublons)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SupprimerDoublons_Litteral(benchmark::State& state)
{
    surLignesFraiches(state, lignes(int(state.range(0))), supprimerDoublonsLitteral);
}
BENCHMARK(BM_SupprimerDoublons_Litteral)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// ---- Refresh of a list whose files all exist ----

// Tagged files at the rows' paths (a thousand, each under a hundred names), made once.
const QString& dossierMedias()
{
    static test::TempFolder dossier;
    static const QString chemin = [] {
        const test::Bytes octets = test::mp3Tague(4000, "Artiste", "Titre");
        const auto nom = [&](int f) { return dossier / QString("piste %1.mp3").arg(f, 6, 10, QChar('0')).toStdString(); };
        for (int f = 0; f < 100000; ++f) {
            if (f < 1000)
                test::writeFile(nom(f), octets);
            else
                std::filesystem::create_hard_link(nom(f % 1000), nom(f));
        }
        return QString::fromStdString(dossier.path().string());
    }();
    return chemin;
}

std::filesystem::path systeme(const QString& chemin)
{
    return std::filesystem::path(chemin.toStdString());
}

void actualiserLitteral(Fenetre& f)
{
    platform::ListView& vue = f.vue;
    components::FileWork& fwork = f.t.ctx().FWork1();
    const int n = vue.count();
    f.liste.ProgressBar1->setRange(0, n);
    f.liste.ProgressBar1->setVisible(true);
    for (int i = 1; i <= n; ++i) {
        const QString chemin = vue.subItem(i, playlist::kEmplacement);
        fwork.DefinirFichier(chemin);
        if (!fwork.Existe())
            continue;  // every file exists here
        vue.setForeColor(i, 0x80000008u);
        vue.setBold(i, false);
        f.liste.ProgressBar1->setValue(i);
        std::string titre, auteur, album, annee, style, commentaire;
        int noStyle = 0;
        metadata::fnLireTag(systeme(chemin), titre, auteur, album, annee, style, commentaire, noStyle);
        vue.setSubItem(i, playlist::kAuteur, QString::fromStdString(auteur));
        vue.setSubItem(i, playlist::kTitre, QString::fromStdString(titre));
        vue.setSubItem(i, playlist::kAlbum, QString::fromStdString(album));
        vue.setSubItem(i, playlist::kStyle, QString::fromStdString(style));
        vue.setSubItem(i, playlist::kCommentaires, QString::fromStdString(commentaire));
        std::string duree, secondes, kbps, canaux;
        metadata::fnAnalyserMP3(systeme(chemin), duree, secondes, kbps, canaux);
        if (kbps.empty())
            kbps = "128";
        vue.setSubItem(i, playlist::kKbps, QString::fromStdString(player::troisChiffres(std::stoll(kbps))) + " kbps");
        vue.setSubItem(i, playlist::kDuree, QString::fromStdString(duree));
    }
    f.liste.ProgressBar1->setVisible(false);
    f.t.ctx().fListe().marquerLignesDe(f.t.piste().FileName());
}

void BM_Actualiser(benchmark::State& state)
{
    surLignesFraiches(state, lignes(int(state.range(0)), dossierMedias()), [](Fenetre& f) {
        f.t.dialogues().answer(MessageAnswer::Yes);
        f.liste.Actualiser_Click();
    });
}
BENCHMARK(BM_Actualiser)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_Actualiser_Litteral(benchmark::State& state)
{
    surLignesFraiches(state, lignes(int(state.range(0)), dossierMedias()), actualiserLitteral);
}
BENCHMARK(BM_Actualiser_Litteral)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// ---- Search over every field, marking the hits ----

void rechercherLitteral(Fenetre& f, const QString& requete)
{
    platform::ListView& vue = f.vue;
    int trouves = 0;
    for (int i = 1; i <= vue.count(); ++i) {
        vue.setSelected(i, false);
        vue.setChecked(i, false);
        QString texte = vue.text(i);
        for (int k = 1; k <= 8; ++k)
            texte += vue.subItem(i, k);
        if (("#" + QLocale().toUpper(texte)).contains(QLocale().toUpper(requete))) {
            if (++trouves == 1)
                vue.ensureVisible(i);
            vue.setSelected(i, true);
            vue.setChecked(i, true);
        }
    }
}

// The second argument: 0 for a query that a few rows hold, 1 for "#", which every row holds.
QString requete(const benchmark::State& state)
{
    return state.range(1) == 0 ? "artiste 12" : "#";
}

void BM_Rechercher(benchmark::State& state)
{
    Fenetre f;
    f.charger(lignes(int(state.range(0))));
    f.liste.Combo1->setEditText(requete(state));
    f.liste.Check1->setChecked(true);
    for (auto _ : state) {
        f.t.dialogues().answer(MessageAnswer::Ok);
        f.liste.Command1_Click();
    }
}
BENCHMARK(BM_Rechercher)
    ->ArgsProduct({{1000, 10000, 100000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

void BM_Rechercher_Litteral(benchmark::State& state)
{
    Fenetre f;
    f.charger(lignes(int(state.range(0))));
    for (auto _ : state)
        rechercherLitteral(f, requete(state));
}
BENCHMARK(BM_Rechercher_Litteral)
    ->ArgsProduct({{1000, 10000, 100000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// ---- Sort by a column ----

// Each round sorts by another column, so no round starts from sorted input.
constexpr std::array<int, 4> kCles = {1, 0, 2, 6};

void BM_Trier(benchmark::State& state)
{
    Fenetre f;
    f.charger(lignes(int(state.range(0))));
    std::size_t tour = 0;
    for (auto _ : state)
        f.liste.ordre_tri_Click(kCles[tour++ % kCles.size()]);
}
BENCHMARK(BM_Trier)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The rows' order found by collating the two texts of every compared pair.
void BM_Trier_Litteral(benchmark::State& state)
{
    Fenetre f;
    f.charger(lignes(int(state.range(0))));
    QCollator collation(QLocale(QLocale::French, QLocale::France));
    collation.setCaseSensitivity(Qt::CaseInsensitive);
    std::size_t tour = 0;
    for (auto _ : state) {
        const int cle = kCles[tour++ % kCles.size()];
        std::vector<int> ordre(std::size_t(f.vue.count()));
        std::iota(ordre.begin(), ordre.end(), 1);
        std::stable_sort(ordre.begin(), ordre.end(), [&](int a, int b) {
            return collation.compare(f.vue.subItem(a, cle), f.vue.subItem(b, cle)) < 0;
        });
        benchmark::DoNotOptimize(ordre.data());
    }
}
BENCHMARK(BM_Trier_Litteral)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// ---- Whole-list commands without an older loop to compare with ----

void BM_MarquesEtSelection(benchmark::State& state)
{
    Fenetre f;
    f.charger(lignes(int(state.range(0))));
    f.liste.Timer1_Timer();  // shows the check boxes, as with any list that has rows
    for (auto _ : state) {
        f.liste.Marquer_tout_Click(0);
        f.liste.Inverser_Click();
        f.liste.cocher_aléatoirement_Click();
        f.liste.marquer_selec_Click(0);
        f.liste.Sélectionner_tout_Click();
    }
}
BENCHMARK(BM_MarquesEtSelection)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ExporterCsv(benchmark::State& state)
{
    Fenetre f;
    f.charger(lignes(int(state.range(0))));
    f.liste.Sélectionner_tout_Click();
    const QString cible = QString::fromStdString((f.t.dossier() / "export.csv").string());
    for (auto _ : state) {
        f.t.dialogues().answerSave(cible);
        f.t.dialogues().answer(MessageAnswer::Ok);
        f.liste.Exporter_Click();
    }
}
BENCHMARK(BM_ExporterCsv)->Arg(100000)->Unit(benchmark::kMillisecond);

// The console report, then the old loop's time over ours for each size both ran at.
class RapportAvecRatios final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (!r.error_occurred && r.iterations > 0 && r.run_type == Run::RT_Iteration)
                temps_[r.benchmark_name()] = r.real_accumulated_time / double(r.iterations);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        constexpr std::string_view marque = "_Litteral/";
        for (const auto& [nom, litteral] : temps_) {
            const std::size_t p = nom.find(marque);
            if (p == std::string::npos)
                continue;
            const std::string notre = nom.substr(0, p) + "/" + nom.substr(p + marque.size());
            if (const auto n = temps_.find(notre); n != temps_.end())
                std::printf("%-40s ancienne boucle %10.2f ms, la nôtre %9.2f ms : %8.1f fois plus long\n",
                            notre.c_str(), litteral * 1e3, n->second * 1e3, litteral / n->second);
        }
    }

private:
    std::map<std::string, double> temps_;
};

}  // namespace

int main(int argc, char** argv)
{
    RapportAvecRatios rapport;
    return executerBancsFenetres(argc, argv, &rapport);
}
