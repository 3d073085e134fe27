#include "components/cdio_cd_device.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>

#include <cdio/cdio.h>
#include <cdio/logging.h>

#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace tulvane::components {

namespace {

constexpr std::chrono::milliseconds kPrevEncore{3000};
// What one read takes from the disc at most: a third of a second.
constexpr int kSecteursParLecture = 25;

QAudioFormat formatCd()
{
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

// libcdio tells on standard error what a missing disc or an odd image costs it; the device
// reports those by its mode instead.
void taireLibcdio()
{
    cdio_loglevel_default = CDIO_LOG_ERROR;
}

// A CUE sheet names a disc image; anything else, a drive.
bool estImageCue(const QString& source)
{
    return source.endsWith(".cue", Qt::CaseInsensitive);
}

}  // namespace

// ---- The disc ----

std::unique_ptr<DisqueCd> DisqueCd::ouvrir(const QString& source)
{
    taireLibcdio();
    const QByteArray chemin = source.toLocal8Bit();
    CdIo_t* cdio = cdio_open(chemin.constData(), estImageCue(source) ? DRIVER_BINCUE : DRIVER_DEVICE);
    if (cdio == nullptr)
        return nullptr;
    const track_t premiere = cdio_get_first_track_num(cdio);
    const track_t nombre = cdio_get_num_tracks(cdio);
    std::vector<PisteCd> pistes;
    if (premiere != CDIO_INVALID_TRACK && nombre != CDIO_INVALID_TRACK) {
        for (track_t t = premiere; t < premiere + nombre; ++t) {
            const lsn_t debut = cdio_get_track_lsn(cdio, t);
            const lsn_t fin = cdio_get_track_last_lsn(cdio, t);
            if (debut == CDIO_INVALID_LSN || fin == CDIO_INVALID_LSN || fin < debut) {
                pistes.clear();
                break;
            }
            pistes.push_back({debut, fin - debut + 1, cdio_get_track_format(cdio, t) == TRACK_FORMAT_AUDIO});
        }
    }
    if (pistes.empty()) {
        cdio_destroy(cdio);
        return nullptr;
    }
    return std::unique_ptr<DisqueCd>(new DisqueCd(cdio, std::move(pistes)));
}

DisqueCd::DisqueCd(CdIo_t* cdio, std::vector<PisteCd> pistes) : cdio_(cdio), pistes_(std::move(pistes))
{
}

DisqueCd::~DisqueCd()
{
    cdio_destroy(cdio_);
}

QByteArray DisqueCd::lireAudio(int premier, int nombre) const
{
    QByteArray octets(nombre * kOctetsParSecteur, Qt::Uninitialized);
    if (nombre <= 0
        || cdio_read_audio_sectors(cdio_, octets.data(), premier, static_cast<std::uint32_t>(nombre))
               != DRIVER_OP_SUCCESS)
        return {};
    return octets;
}

// ---- The audio that the sink pulls ----

// The disc's PCM from one sector up to the end of its run of audio tracks. A sector the
// drive cannot read plays as silence, so a scratch does not stop the disc.
class CdioCdDevice::FluxAudio final : public QIODevice {
public:
    FluxAudio(const DisqueCd& disque, int debut, int fin) : disque_(disque), suivant_(debut), fin_(fin)
    {
        open(QIODevice::ReadOnly);
    }

    bool isSequential() const override { return true; }
    bool atEnd() const override { return tampon_.size() == lu_ && suivant_ >= fin_; }
    qint64 bytesAvailable() const override
    {
        return tampon_.size() - lu_ + qint64{fin_ - suivant_} * kOctetsParSecteur + QIODevice::bytesAvailable();
    }

protected:
    qint64 readData(char* data, qint64 maxlen) override
    {
        qint64 donnes = 0;
        while (donnes < maxlen) {
            if (lu_ == tampon_.size() && !remplir())
                break;
            const qint64 part = std::min<qint64>(maxlen - donnes, tampon_.size() - lu_);
            std::memcpy(data + donnes, tampon_.constData() + lu_, static_cast<std::size_t>(part));
            lu_ += part;
            donnes += part;
        }
        return donnes;
    }

    qint64 writeData(const char*, qint64) override { return -1; }

private:
    bool remplir()
    {
        if (suivant_ >= fin_)
            return false;
        const int nombre = std::min(kSecteursParLecture, fin_ - suivant_);
        tampon_ = disque_.lireAudio(suivant_, nombre);
        if (tampon_.isEmpty())
            tampon_ = QByteArray(nombre * kOctetsParSecteur, '\0');
        suivant_ += nombre;
        lu_ = 0;
        return true;
    }

    const DisqueCd& disque_;
    int suivant_;
    int fin_;
    QByteArray tampon_;
    qint64 lu_ = 0;
};

// ---- The device ----

CdioCdDevice::CdioCdDevice(QString source, Horloge horloge)
    : source_(std::move(source)), horloge_(std::move(horloge))
{
    if (!horloge_)
        horloge_ = [] {
            return std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now().time_since_epoch());
        };
    minuterie_.setInterval(1000);
    QObject::connect(&minuterie_, &QTimer::timeout, [this] { miseAJour(); });
}

CdioCdDevice::~CdioCdDevice()
{
    arreterSortie();
    fermerLecteur();
}

QString CdioCdDevice::lecteurParDefaut()
{
    taireLibcdio();
    char** lecteurs = cdio_get_devices(DRIVER_DEVICE);
    QString premier;
    if (lecteurs != nullptr && lecteurs[0] != nullptr)
        premier = QString::fromLocal8Bit(lecteurs[0]);
    cdio_free_device_list(lecteurs);
    return premier;
}

bool CdioCdDevice::image() const
{
    return estImageCue(source_);
}

void CdioCdDevice::Open()
{
    if (ouvert_)
        return;
    ouvert_ = true;
    if (!image())
        ouvrirLecteur();
    surveiller();
    if (minuterie_.interval() > 0)
        minuterie_.start();
}

void CdioCdDevice::Close()
{
    if (!ouvert_)
        return;
    minuterie_.stop();
    lacherDisque();
    fermerLecteur();
    ouvert_ = false;
}

void CdioCdDevice::ouvrirLecteur()
{
    descripteurLecteur_ = ::open(source_.toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

void CdioCdDevice::fermerLecteur()
{
    if (descripteurLecteur_ >= 0)
        ::close(descripteurLecteur_);
    descripteurLecteur_ = -1;
}

void CdioCdDevice::surveiller()
{
    if (!ouvert_)
        return;
    bool present = !porteOuverte_;  // an image is in while its door is closed
    if (!image()) {
        // The kernel's own view of the drive answers at once, where a read of the table of
        // contents would wait for an empty or spinning drive.
        const int etat = descripteurLecteur_ < 0 ? CDS_NO_INFO
                                                 : ::ioctl(descripteurLecteur_, CDROM_DRIVE_STATUS, CDSL_CURRENT);
        porteOuverte_ = etat == CDS_TRAY_OPEN;
        present = etat == CDS_DISC_OK;
        if (!present) {
            lacherDisque();
            disqueIlisible_ = false;
        }
    }
    if (present && !disque_ && !disqueIlisible_)
        chargerDisque();
}

void CdioCdDevice::chargerDisque()
{
    disque_ = DisqueCd::ouvrir(source_);
    disqueIlisible_ = !disque_;
    secteur_ = disque_ ? disque_->pistes().front().premierSecteur : 0;
    dernierPrev_.reset();
}

void CdioCdDevice::lacherDisque()
{
    arreterSortie();
    disque_.reset();
    secteur_ = 0;
}

void CdioCdDevice::miseAJour()
{
    surveiller();
    raiseStatusUpdate();
}

void CdioCdDevice::setUpdateInterval(int milliseconds)
{
    minuterie_.setInterval(milliseconds);
    if (milliseconds <= 0)
        minuterie_.stop();
    else if (ouvert_)
        minuterie_.start();
}

// ---- Position ----

int CdioCdDevice::secteurCourant() const
{
    if (!sortie_)
        return secteur_;
    const auto joues = sortie_->processedUSecs() * kFramesParSeconde / 1'000'000;
    return std::min(debutSortie_ + static_cast<int>(joues), finSortie_);
}

int CdioCdDevice::indexPiste(int secteur) const
{
    const auto& pistes = disque_->pistes();
    int index = 0;
    while (index + 1 < static_cast<int>(pistes.size())
           && pistes[static_cast<std::size_t>(index) + 1].premierSecteur <= secteur)
        ++index;
    return index;
}

std::uint32_t CdioCdDevice::Position() const
{
    if (!disque_)
        return 0;
    const int secteur = secteurCourant();
    const int index = indexPiste(secteur);
    const int dansLaPiste = std::max(0, secteur - disque_->pistes()[static_cast<std::size_t>(index)].premierSecteur);
    const int secondes = dansLaPiste / kFramesParSeconde;
    return packTmsf(index + 1, secondes / 60, secondes % 60, dansLaPiste % kFramesParSeconde);
}

int CdioCdDevice::Tracks() const
{
    return disque_ ? static_cast<int>(disque_->pistes().size()) : 0;
}

CdMode CdioCdDevice::Mode() const
{
    if (!ouvert_)
        return CdMode::NotOpen;
    if (porteOuverte_)
        return CdMode::DoorOpen;
    if (!disque_)
        return CdMode::NoMedia;
    return sortie_ ? CdMode::Playing : CdMode::Stopped;
}

// ---- Transport ----

void CdioCdDevice::Play()
{
    if (disque_ && !sortie_)
        demarrerSortie();
}

void CdioCdDevice::Stop()
{
    arreterSortie();
}

void CdioCdDevice::Prev()
{
    if (!disque_)
        return;
    const auto maintenant = horloge_();
    int index = indexPiste(secteurCourant());
    if (dernierPrev_ && maintenant - *dernierPrev_ < kPrevEncore)
        index = std::max(0, index - 1);
    dernierPrev_ = maintenant;
    allerA(disque_->pistes()[static_cast<std::size_t>(index)].premierSecteur);
}

void CdioCdDevice::Next()
{
    if (!disque_)
        return;
    const auto index = static_cast<std::size_t>(indexPiste(secteurCourant())) + 1;
    if (index < disque_->pistes().size())
        allerA(disque_->pistes()[index].premierSecteur);
}

void CdioCdDevice::allerA(int secteur)
{
    const bool jouait = sortie_ != nullptr;
    arreterSortie();
    secteur_ = secteur;
    if (jouait)
        demarrerSortie();
}

// The sink pulls the audio from the current sector to the end of the run of audio tracks
// it stands in; a data track plays nothing.
void CdioCdDevice::demarrerSortie()
{
    const auto& pistes = disque_->pistes();
    auto index = static_cast<std::size_t>(indexPiste(secteur_));
    if (!pistes[index].audio)
        return;
    while (index + 1 < pistes.size() && pistes[index + 1].audio)
        ++index;
    const int fin = pistes[index].premierSecteur + pistes[index].secteurs;
    if (secteur_ >= fin)
        return;

    flux_ = std::make_unique<FluxAudio>(*disque_, secteur_, fin);
    sortie_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), formatCd());
    debutSortie_ = secteur_;
    finSortie_ = fin;
    // Out of the sink's own handler, which must not see itself destroyed.
    QObject::connect(sortie_.get(), &QAudioSink::stateChanged, [this](QAudio::State etat) {
        if (etat == QAudio::IdleState && flux_->atEnd())
            QTimer::singleShot(0, &minuterie_, [this] { finDeLecture(); });
        else if (etat == QAudio::StoppedState && sortie_->error() != QAudio::NoError)
            QTimer::singleShot(0, &minuterie_, [this] { arreterSortie(); });
    });
    sortie_->start(flux_.get());
    if (sortie_->error() != QAudio::NoError) {
        sortie_.reset();
        flux_.reset();
    }
}

void CdioCdDevice::arreterSortie()
{
    if (!sortie_)
        return;
    secteur_ = secteurCourant();
    sortie_->disconnect();
    sortie_->stop();
    sortie_.reset();
    flux_.reset();
}

// The last sample has gone to the sink: the disc stops at its end.
void CdioCdDevice::finDeLecture()
{
    if (!sortie_ || !flux_->atEnd())
        return;
    arreterSortie();
    secteur_ = finSortie_;
}

// ---- Door ----

void CdioCdDevice::OpenDoor()
{
    lacherDisque();
    porteOuverte_ = true;
    disqueIlisible_ = false;
    if (image())
        return;
    // The kernel refuses to eject a drive that another descriptor holds open.
    fermerLecteur();
    cdio_eject_media_drive(source_.toLocal8Bit().constData());
    if (ouvert_)
        ouvrirLecteur();
}

void CdioCdDevice::CloseDoor()
{
    if (!image()) {
        driver_id_t pilote = DRIVER_DEVICE;
        cdio_close_tray(source_.toLocal8Bit().constData(), &pilote);
    }
    porteOuverte_ = false;
    surveiller();
}

}  // namespace tulvane::components
