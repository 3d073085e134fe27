#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tulvane::metadata {

// The tag record at the very end of a file.
inline constexpr std::size_t kTailleTag = 128;
// The reader takes files of this many bytes or fewer as untagged; the writer has no such limit.
inline constexpr std::uint64_t kTailleMaxSansTag = 1024;

// The fields of an ID3v1 tag as UTF-8 text, trimmed.
struct TagID3 {
    std::string titre;
    std::string auteur;
    std::string album;
    std::string annee;
    std::string commentaire;
    std::uint8_t noStyle = 0;
};

// Reads the tag from `fin`, the last bytes of a file of `tailleFichier` bytes (its last 128
// bytes, or the whole file when shorter). No value when the file has no tag.
std::optional<TagID3> analyserTag(std::span<const std::uint8_t> fin, std::uint64_t tailleFichier);

// The 128-byte record for these UTF-8 fields: Windows-1252 bytes, cut or padded with blanks
// to the field widths.
std::array<std::uint8_t, kTailleTag> composerTag(std::string_view titre, std::string_view auteur,
                                                 std::string_view album, std::string_view annee,
                                                 std::uint8_t style, std::string_view commentaire);

// The fields an edit encodes anew; the others keep their bytes.
struct ChampsModifies {
    bool titre = true;
    bool auteur = true;
    bool album = true;
    bool annee = true;
    bool commentaire = true;
    bool style = true;
};

// `ancien` with the modified fields encoded from `valeurs` as `composerTag` does, every other
// byte as it was (NUL padding and all). A new comment that fits in 28 bytes keeps the track
// number of an ID3v1.1 record (comment byte 28 NUL, byte 29 the track).
std::array<std::uint8_t, kTailleTag> recomposerTag(std::span<const std::uint8_t, kTailleTag> ancien,
                                                   const TagID3& valeurs, ChampsModifies modifies);

// True when `enregistrement` starts with the marker "TAG" (case-sensitive).
bool commenceParMarqueur(std::span<const std::uint8_t> enregistrement);

// `vfnTexte` (single-byte text) padded on the right with the first character of `vfnCar`
// and cut to `vfnLongueur` bytes. An empty `vfnCar` only cuts.
std::string fnCompleter(std::string_view vfnTexte, std::size_t vfnLongueur, std::string_view vfnCar);

// Reads the tag of a file. Without a tag (or for a file of 1024 bytes or fewer) the five texts
// and the genre name are "" and `vfnNoStyle` keeps its value. False when the file could not be
// opened or read (a missing path, a folder, a named pipe or a device: only regular files are
// read); the outputs are then as without a tag.
bool fnLireTag(const std::filesystem::path& vfnAdresse, std::string& vfnTitre, std::string& vfnAuteur,
               std::string& vfnAlbum, std::string& vfnAnnee, std::string& vfnStyle,
               std::string& vfnCommentaire, std::int32_t& vfnNoStyle);

// Asks the user a question with a question icon and the buttons OK and Cancel; true for OK.
using QuestionProtection = std::function<bool(const std::string& texte, const std::string& titre)>;

// True when the file may be written: it was not read-only (no owner write permission), or
// the user agreed to make it writable and that succeeded. False for a missing path or a folder.
bool fnVerifierProtection(const std::filesystem::path& vfnAdresse, const QuestionProtection& question);

struct ResultatEcriture {
    enum class Etat { Ecrit, RefuseParUtilisateur, Echec };
    Etat etat = Etat::Echec;
    std::string erreur;  // French text for the user when the write failed
};

// Writes the tag, overwriting an existing one in place or appending one (the file then grows
// by 128 bytes and no earlier byte changes). Asks first about a read-only file. The fields not
// in `modifies` keep their bytes when the file holds a tag the reader sees; otherwise every
// field is written from the values given.
ResultatEcriture fnEcrireTag(const std::filesystem::path& vfnAdresse, std::string_view vfnTitre,
                             std::string_view vfnAuteur, std::string_view vfnAlbum,
                             std::string_view vfnAnnee, std::uint8_t vfnStyle,
                             std::string_view vfnCommentaire, const QuestionProtection& question,
                             ChampsModifies modifies = {});

}  // namespace tulvane::metadata
