// The search bar: a query, the field it looks in, and the history of the run's queries.
#include "app/contexte.h"
#include "platform/dialog_service.h"
#include "platform/list_view.h"
#include "platform/twips.h"
#include "playlist/fliste.h"
#include "playlist/recherche.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <array>
#include <functional>

namespace tulvane::playlist {

namespace {

// Where the search bar's controls stand in it, in twips: left, top, width, height.
constexpr std::array<int, 4> kPlaceRechercher = {60, 180, 930, 195};
constexpr std::array<int, 4> kPlaceRequete = {1080, 120, 2475, 315};
constexpr std::array<int, 4> kPlaceSur = {3660, 180, 300, 195};
constexpr std::array<int, 4> kPlaceOk = {6180, 120, 495, 315};
constexpr std::array<int, 4> kPlaceCocher = {6840, 180, 2055, 195};

template <typename Controle>
Controle* placer(Controle* controle, const std::array<int, 4>& place, const QFont& police)
{
    using platform::twipsEnPixels;
    controle->setGeometry(twipsEnPixels(place[0]), twipsEnPixels(place[1]), twipsEnPixels(place[2]),
                          twipsEnPixels(place[3]));
    controle->setFont(police);
    return controle;
}

// The query box's own events: the keys that give a character, and the loss of focus.
class EvenementsRequete final : public QObject {
public:
    EvenementsRequete(QObject* parent, std::function<void(int)> touche, std::function<void()> sortie)
        : QObject(parent), touche_(std::move(touche)), sortie_(std::move(sortie))
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        // Opening the box's own list keeps the focus in the box.
        if (event->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            sortie_();
        if (event->type() != QEvent::KeyPress)
            return false;
        const QString texte = static_cast<QKeyEvent*>(event)->text();
        if (texte.isEmpty())
            return false;
        const int code = texte.at(0).unicode();
        touche_(code);
        return code == 13;  // Enter searches instead of reaching the box
    }

private:
    std::function<void(int)> touche_;
    std::function<void()> sortie_;
};

}  // namespace

void FListe::creerRecherche()
{
    const QFont police = Combo2->font();
    Label1[0] = placer(new QLabel("Rechercher :", Picture6), kPlaceRechercher, police);
    Combo1 = placer(new QComboBox(Picture6), kPlaceRequete, police);
    Combo1->setEditable(true);
    // The history is kept by Combo1_LostFocus alone, which tells Rock from rock.
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->completer()->setCaseSensitivity(Qt::CaseSensitive);
    Combo1->installEventFilter(new EvenementsRequete(
        Combo1, [this](int code) { Combo1_KeyPress(code); }, [this] { Combo1_LostFocus(); }));
    Label1[1] = placer(new QLabel("sur :", Picture6), kPlaceSur, police);
    Command1 = placer(new QPushButton("OK", Picture6), kPlaceOk, police);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    Check1 = placer(new QCheckBox("Cocher les élém. trouvés", Picture6), kPlaceCocher, police);
}

void FListe::Combo1_KeyPress(int KeyAscii)
{
    if (KeyAscii == 13)
        Command1_Click();
}

void FListe::Combo1_LostFocus()
{
    const QString texte = Combo1->currentText();
    if (!texte.isEmpty() && Combo1->findText(texte) == -1)
        Combo1->addItem(texte);
}

void FListe::Command1_Click()
{
    const QString texte = Combo1->currentText();
    if (texte.isEmpty())
        return;
    const RequeteRecherche requete(texte);
    const int champ = Combo2->currentIndex();
    const bool cocher = Check1->isChecked();
    int trouves = 0;
    const int n = Liste->count();
    std::array<QString, 9> cellules;
    for (int i = 1; i <= n; ++i) {
        for (std::size_t k = 0; k < cellules.size(); ++k)
            cellules[k] = Liste->subItem(i, static_cast<int>(k));
        const bool trouve = requete.trouveDans(texteDuChamp(cellules, champ));
        if (trouve && ++trouves == 1)
            Liste->ensureVisible(i);
        Liste->setSelected(i, trouve);
        if (cocher)
            Liste->setChecked(i, trouve);
    }
    Combo1_LostFocus();
    Liste->setFocus();
    ctx_.dialogues().messageBox(QString::number(trouves) + " élément(s) trouvé(s) pour la requête en cours.",
                                "Recherhce terminée", platform::MessageIcon::Information,
                                platform::MessageButtons::Ok);
}

}  // namespace tulvane::playlist
