#include "app/contexte.h"

#include "components/cd_device.h"
#include "components/file_work.h"
#include "components/media_player.h"
#include "components/settings_store.h"
#include "platform/dialog_service.h"
#include "platform/single_instance.h"
#include "player/finterface.h"
#include "player/fpiste.h"
#include "player/fstart.h"
#include "player/fsys.h"
#include "player/module3.h"
#include "playlist/fliste.h"

#include <QDir>

namespace tulvane::app {

Services::Services() = default;
Services::~Services() = default;
Services::Services(Services&&) noexcept = default;
Services& Services::operator=(Services&&) noexcept = default;

Contexte::Contexte(Services services)
    : services_(std::move(services)), module3_(std::make_unique<player::Module3>(*this))
{
}

Contexte::~Contexte() = default;

QString Contexte::cheminProgramme(const QString& nomFichier) const
{
    return QDir(services_.dossierProgramme).filePath(nomFichier);
}

player::Module3& Contexte::module3()
{
    return *module3_;
}

player::FPiste& Contexte::fPiste()
{
    if (!fPiste_) {
        auto piste = services_.creerLecteur();  // file player first, then the radio player
        auto piste2 = services_.creerLecteur();
        // Loading a file into the file player never starts it by itself: adding files and
        // stepping through a stopped list only load them. The radio starts as it tunes.
        piste->setAutoStart(false);
        fPiste_ = std::make_unique<player::FPiste>(std::move(piste), std::move(piste2));
        // Failures found later by the backend end in the same handling as those at the call.
        fPiste_->Piste().setFailureHandler(
            [this](const QString&, const components::PlayError& erreur) { module3_->surEchecLecture(erreur); });
    }
    return *fPiste_;
}

player::FInterface& Contexte::fInterface()
{
    if (!fInterface_)
        fInterface_ = std::make_unique<player::FInterface>(*this);
    return *fInterface_;
}

player::FSYS& Contexte::fSYS()
{
    if (!fSYS_)
        fSYS_ = std::make_unique<player::FSYS>(*this);
    return *fSYS_;
}

playlist::FListe& Contexte::fListe()
{
    if (!fListe_)
        fListe_ = std::make_unique<playlist::FListe>(*this);
    return *fListe_;
}

player::FStart& Contexte::fStart()
{
    if (!fStart_) {
        fStart_ = std::make_unique<player::FStart>(*this);
        fStart_->Form_Load();
    }
    return *fStart_;
}

void Contexte::dechargerFStart()
{
    if (!fStart_)
        return;
    fStart_->Timer1.stop();
    fStart_->Timer2.stop();
    fStart_->hide();
    fStartDecharge_ = std::move(fStart_);
}

bool Contexte::autreInstance()
{
    if (!instance_)
        instance_ = std::make_unique<platform::SingleInstance>(
            services_.dossierVerrou.isEmpty() ? platform::SingleInstance::runtimeFolder() : services_.dossierVerrou);
    return instance_->anotherInstanceRunning();
}

}  // namespace tulvane::app
