#include "fakes/contexte_test.h"

#include "components/qt_file_work.h"
#include "components/qt_media_player.h"
#include "platform/dialog_service.h"
#include "player/fpiste.h"
#include "support/bytes.h"

#include <QFile>

#include <stdexcept>

namespace tulvane::test {

ContexteDeTest::ContexteDeTest() : ContexteDeTest(Reels{}) {}

ContexteDeTest::ContexteDeTest(Reels reels)
{
    app::Services services;
    services.creerLecteur = [this, reels]() -> std::unique_ptr<components::MediaPlayer> {
        if (reels.lecteurs)
            return std::make_unique<components::QtMediaPlayer>();
        auto lecteur = std::make_unique<FakeMediaPlayer>();
        if (lecteursCrees_ < 2)
            lecteurs_[lecteursCrees_++] = lecteur.get();
        return lecteur;
    };
    if (reels.reglages) {
        services.reglages = std::make_unique<components::QtSettingsStore>();
    } else {
        auto reglages = std::make_unique<MemorySettingsStore>();
        reglages_ = reglages.get();
        services.reglages = std::move(reglages);
    }
    components::Bureau bureau{[](const QString&) { return QString(); },
                            [](const QString&, const QStringList&) { return false; },
                            [](const QUrl&) { return false; }, [] { return QString(); }};
    services.fwork = std::make_unique<components::QtFileWork>(*services.reglages, bureau);
    auto dialogues = std::make_unique<ScriptedDialogs>();
    dialogues_ = dialogues.get();
    services.dialogues = std::move(dialogues);
    services.cd = std::make_unique<FakeCdDevice>();
    services.zoneNotificationDisponible = [this] { return zoneNotification_; };
    services.dossierProgramme = QString::fromStdString(dossier_.path().string());
    services.dossierVerrou = services.dossierProgramme;
    contexte_ = std::make_unique<app::Contexte>(std::move(services));
}

ContexteDeTest::~ContexteDeTest() = default;

FakeMediaPlayer& ContexteDeTest::piste()
{
    contexte_->fPiste();
    return *lecteurs_[0];
}

FakeMediaPlayer& ContexteDeTest::piste2()
{
    contexte_->fPiste();
    return *lecteurs_[1];
}

QString ContexteDeTest::fichier(const QString& nom, std::size_t taille)
{
    const auto chemin = dossier_ / nom.toStdString();
    writeFile(chemin, filled(taille));
    return QString::fromStdString(chemin.string());
}

ContexteDeTest::FichierNonUtf8 ContexteDeTest::fichierNonUtf8(const std::string& nom)
{
    const auto chemin = dossier_ / nom;
    writeFile(chemin, filled(2000));
    const QByteArray octets = QByteArray::fromStdString(chemin.string());
    return {QFile::decodeName(octets), QUrl::fromEncoded("file://" + octets.toPercentEncoding("/"))};
}

}  // namespace tulvane::test
