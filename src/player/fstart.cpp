#include "player/fstart.h"

#include "app/contexte.h"
#include "platform/label_text.h"
#include "platform/twips.h"
#include "player/finterface.h"
#include "player/habillage.h"
#include "playlist/extensions.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace tulvane::player {

namespace {

QRect twips(int gauche, int haut, int largeur, int hauteur)
{
    using platform::twipsEnPixels;
    return {twipsEnPixels(gauche), twipsEnPixels(haut), twipsEnPixels(largeur), twipsEnPixels(hauteur)};
}

QLabel* etiquette(QWidget* parent, const QString& texte, const QRect& place, int pixels, bool gras,
                  const QColor& couleur)
{
    auto* label = new QLabel(texte, parent);
    label->setGeometry(place);
    label->setFont(platform::arial(pixels, gras));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, couleur);
    label->setPalette(palette);
    return label;
}

}  // namespace

FStart::FStart(app::Contexte& contexte)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), ctx_(contexte)
{
    setFixedSize(twips(0, 0, 6465, 4770).size());
    Label2 = etiquette(this, "Version finale 4.2.7", twips(600, 3930, 3600, 255), 13, true, Qt::white);
    Label1 = etiquette(this, "Chargement en cours . . .", twips(600, 4320, 3600, 255), 12, false,
                       QColor(130, 210, 255));
    Command1 = new QPushButton("Fermer", this);
    Command1->setGeometry(twips(5400, 4380, 975, 315));
    Command1->hide();
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    Timer1.setInterval(2000);
    Timer2.setInterval(400);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(&Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });

    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
}

FStart::~FStart() = default;

void FStart::Form_Load()
{
    autreInstance_ = ctx_.autreInstance();
    if (autreInstance_)
        return;
    Timer1.start();
    Timer2.start();
    show();
}

void FStart::Timer1_Timer()
{
    // A message box during the load would run the event loop: the load must not start twice.
    Timer1.stop();
    playlist::fnInitExtensions(ctx_);
    ctx_.fInterface().Form_Load();
}

void FStart::Timer2_Timer()
{
    Label1->setHidden(!Label1->isHidden());
}

void FStart::Command1_Click()
{
    ctx_.dechargerFStart();
}

void FStart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, imageDemarrage());
    p.setPen(QColor(255, 255, 255, 60));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void afficherAPropos(app::Contexte& contexte)
{
    FStart& apropos = contexte.fStart();
    apropos.Timer1.stop();
    apropos.Timer2.stop();
    apropos.Command1->show();
    apropos.Label1->hide();
    apropos.show();
    apropos.raise();
    apropos.activateWindow();
}

}  // namespace tulvane::player
