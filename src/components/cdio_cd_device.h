#pragma once

#include "components/cd_device.h"

#include <QByteArray>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAudioSink;
class QIODevice;

using CdIo_t = struct _CdIo;

namespace tulvane::components {

// Bytes of one audio sector: 1/75 s of 44.1 kHz 16-bit stereo PCM.
constexpr int kOctetsParSecteur = 2352;

// One track of a disc's table of contents, in sectors from the start of the disc.
struct PisteCd {
    int premierSecteur;
    int secteurs;
    bool audio;
};

// A disc opened through libcdio: a drive with a disc in it, or a disc image (".cue", whose
// raw sectors libcdio reads from the ".bin" of the same name beside it).
class DisqueCd {
public:
    // Null when the source cannot be opened or holds no readable table of contents.
    static std::unique_ptr<DisqueCd> ouvrir(const QString& source);
    ~DisqueCd();
    DisqueCd(const DisqueCd&) = delete;
    DisqueCd& operator=(const DisqueCd&) = delete;

    const std::vector<PisteCd>& pistes() const { return pistes_; }
    // `nombre` sectors of little-endian PCM from `premier`; empty when the drive refuses them.
    QByteArray lireAudio(int premier, int nombre) const;

private:
    DisqueCd(CdIo_t* cdio, std::vector<PisteCd> pistes);

    CdIo_t* cdio_;
    std::vector<PisteCd> pistes_;
};

// The CD-audio device on libcdio: the disc's table of contents and position, its audio read
// sector by sector and played through Qt Multimedia's audio sink, the door through the drive.
// Everything runs on the event loop of the thread that owns it; status updates come from a
// timer. Without an audio output, Play leaves the disc stopped.
class CdioCdDevice final : public CdDevice {
public:
    using Horloge = std::function<std::chrono::milliseconds()>;

    // `source` is a drive ("/dev/sr0") or a disc image (".cue"), whose door is only a flag:
    // opened, the image is out of the drive; closed, it is back. `horloge` times the double
    // Prev; by default the steady clock.
    explicit CdioCdDevice(QString source, Horloge horloge = {});
    ~CdioCdDevice() override;

    // The system's first CD drive, "" when it has none.
    static QString lecteurParDefaut();

    void Open() override;
    void Close() override;
    void Play() override;
    void Stop() override;
    void Prev() override;
    void Next() override;
    std::uint32_t Position() const override;
    int Tracks() const override;
    CdMode Mode() const override;
    void setUpdateInterval(int milliseconds) override;
    void OpenDoor() override;
    void CloseDoor() override;

private:
    class FluxAudio;

    bool image() const;
    // Looks at the drive: a disc that came is read, one that went is let go.
    void surveiller();
    void ouvrirLecteur();
    void fermerLecteur();
    void chargerDisque();
    void lacherDisque();
    void miseAJour();
    int secteurCourant() const;
    int indexPiste(int secteur) const;
    // Moves to `secteur`; playing goes on from there.
    void allerA(int secteur);
    void demarrerSortie();
    void arreterSortie();
    void finDeLecture();

    QString source_;
    Horloge horloge_;
    bool ouvert_ = false;
    bool porteOuverte_ = false;
    // A disc is in that could not be read: it is tried again only once the door has moved,
    // not at every update.
    bool disqueIlisible_ = false;
    std::unique_ptr<DisqueCd> disque_;
    int secteur_ = 0;  // the position while the disc does not play
    std::unique_ptr<FluxAudio> flux_;
    std::unique_ptr<QAudioSink> sortie_;
    int debutSortie_ = 0;  // where the audio sink started
    int finSortie_ = 0;    // and where its audio ends
    std::optional<std::chrono::milliseconds> dernierPrev_;
    int descripteurLecteur_ = -1;
    QTimer minuterie_;
};

}  // namespace tulvane::components
