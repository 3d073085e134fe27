#include "tools/cadre_outil.h"

#include "metadata/genres.h"
#include "platform/police.h"

#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <numeric>
#include <vector>

namespace tulvane::tools {

void preparerCadre(QDialog& dialogue, const char* legende, int largeur, int hauteur)
{
    dialogue.setWindowTitle(QString::fromUtf8(legende));
    dialogue.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                            | Qt::WindowTitleHint);
    dialogue.setModal(true);
    dialogue.setFont(platform::policeCompacte(dialogue.font()));
    dialogue.setFixedSize(platform::twipsEnPixels(largeur), platform::twipsEnPixels(hauteur));
    if (const QScreen* ecran = dialogue.screen())
        dialogue.move(ecran->availableGeometry().center() - dialogue.rect().center());
}

QLabel* etiquette(QWidget* parent, const Legende& legende)
{
    auto* label = new QLabel(QString::fromUtf8(legende.texte), parent);
    label->setTextFormat(Qt::PlainText);  // some show a file's name or tag later
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (legende.place.largeur > 0)
        label->setWordWrap(true);
    else
        label->adjustSize();
    return placer(label, legende.place);
}

QPushButton* bouton(QWidget* parent, const Legende& legende)
{
    return placer(new QPushButton(QString::fromUtf8(legende.texte), parent), legende.place);
}

QLabel* image(QWidget* parent, const Place& place)
{
    auto* label = placer(new QLabel(parent), place);
    label->setPixmap(parent->style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    return label;
}

QFrame* panneauGris(QWidget* parent, const Place& place)
{
    auto* panneau = placer(new QFrame(parent), place);
    panneau->setFrameShape(QFrame::Panel);
    panneau->setFrameShadow(QFrame::Raised);
    panneau->setAutoFillBackground(true);
    QPalette palette = panneau->palette();
    palette.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
    palette.setColor(QPalette::WindowText, Qt::black);
    panneau->setPalette(palette);
    return panneau;
}

void remplirGenres(QComboBox* liste)
{
    std::vector<int> numeros(metadata::kNombreGenres);
    std::iota(numeros.begin(), numeros.end(), 0);
    const auto nom = [](int numero) { return QString::fromUtf8(metadata::nomGenre(numero)); };
    std::stable_sort(numeros.begin(), numeros.end(),
                     [&](int a, int b) { return nom(a).compare(nom(b), Qt::CaseInsensitive) < 0; });
    for (const int numero : numeros)
        liste->addItem(nom(numero), numero);
    liste->setCurrentIndex(liste->findData(kGenreAutre));
}

std::optional<std::uint64_t> tailleFichier(const std::filesystem::path& chemin)
{
    std::error_code erreur;
    const std::uintmax_t taille = std::filesystem::file_size(chemin, erreur);
    if (erreur)
        return std::nullopt;
    return taille;
}

}  // namespace tulvane::tools
