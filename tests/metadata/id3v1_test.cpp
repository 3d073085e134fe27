#include "metadata/id3v1.h"

#include "support/bytes.h"
#include "support/case_names.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

using namespace tulvane::metadata;
using tulvane::test::Bytes;
using tulvane::test::TempFolder;
namespace fs = std::filesystem;

namespace {

// A raw record: each field given as the exact bytes to store, NUL-filled to its width.
Bytes record(std::string_view marker, std::string_view titre, std::string_view auteur = {},
             std::string_view album = {}, std::string_view annee = {}, std::string_view commentaire = {},
             std::uint8_t genre = 0)
{
    Bytes r(kTailleTag, 0);
    tulvane::test::put(r, 0, tulvane::test::bytesOf(marker));
    tulvane::test::put(r, 3, tulvane::test::bytesOf(titre));
    tulvane::test::put(r, 33, tulvane::test::bytesOf(auteur));
    tulvane::test::put(r, 63, tulvane::test::bytesOf(album));
    tulvane::test::put(r, 93, tulvane::test::bytesOf(annee));
    tulvane::test::put(r, 97, tulvane::test::bytesOf(commentaire));
    r[127] = genre;
    return r;
}

// `taille` bytes of a recognisable pattern ending in `fin`.
Bytes fileEndingWith(std::size_t taille, const Bytes& fin)
{
    Bytes b(taille);
    for (std::size_t i = 0; i < taille; ++i)
        b[i] = static_cast<std::uint8_t>(i * 7 + 1);
    tulvane::test::put(b, taille - fin.size(), fin);
    return b;
}

struct Lu {
    bool ouvert = false;
    std::string titre = "ancien", auteur = "ancien", album = "ancien", annee = "ancien",
                style = "ancien", commentaire = "ancien";
    std::int32_t noStyle = -7;
};

Lu lire(const fs::path& chemin)
{
    Lu lu;
    lu.ouvert = fnLireTag(chemin, lu.titre, lu.auteur, lu.album, lu.annee, lu.style, lu.commentaire, lu.noStyle);
    return lu;
}

void expectNoTag(const Lu& lu)
{
    EXPECT_EQ(lu.titre, "");
    EXPECT_EQ(lu.auteur, "");
    EXPECT_EQ(lu.album, "");
    EXPECT_EQ(lu.annee, "");
    EXPECT_EQ(lu.style, "");
    EXPECT_EQ(lu.commentaire, "");
    EXPECT_EQ(lu.noStyle, -7);
}

struct Question {
    bool reponse = true;
    std::vector<std::pair<std::string, std::string>> posees;
    QuestionProtection callback()
    {
        return [this](const std::string& texte, const std::string& titre) {
            posees.emplace_back(texte, titre);
            return reponse;
        };
    }
};

ResultatEcriture ecrire(const fs::path& chemin, std::string_view titre, Question& question,
                        std::uint8_t genre = 12)
{
    return fnEcrireTag(chemin, titre, "Artiste", "Album", "1999", genre, "Commentaire", question.callback());
}

}  // namespace

// Parsing of the last bytes -------------------------------------------------------------

struct TagCase {
    std::string nom;
    Bytes fin;
    std::uint64_t taille;
    std::optional<std::string> titre;  // no value: no tag
};

void PrintTo(const TagCase& c, std::ostream* os)
{
    *os << c.nom;
}

class AnalyserTag : public testing::TestWithParam<TagCase> {};

TEST_P(AnalyserTag, FindsTheTitleOrNoTag)
{
    const auto tag = analyserTag(GetParam().fin, GetParam().taille);
    ASSERT_EQ(tag.has_value(), GetParam().titre.has_value());
    if (tag) {
        EXPECT_EQ(tag->titre, *GetParam().titre);
    }
}

INSTANTIATE_TEST_SUITE_P(Records, AnalyserTag,
    testing::Values(
        TagCase{"BlankPadded", record("TAG", "  Titre   "), 1025, "Titre"},
        TagCase{"NulPaddedEndsAtFirstNul", record("TAG", "Titre"), 1025, "Titre"},
        TagCase{"TextAfterANulIsDropped", record("TAG", std::string("Ab\0cd", 5)), 1025, "Ab"},
        TagCase{"BlanksBeforeTheNulTrimmed", record("TAG", std::string("Ab  \0 x", 7)), 1025, "Ab"},
        TagCase{"FullWidth", record("TAG", std::string(30, 'x')), 5000, std::string(30, 'x')},
        TagCase{"CodePageBytes", record("TAG", "\xE9t\xE9 \x80"), 1025, "été €"},
        TagCase{"OnlyBlanks", record("TAG", std::string(30, ' ')), 1025, ""},
        TagCase{"FileOf1024Bytes", record("TAG", "Titre"), 1024, std::nullopt},
        TagCase{"LowerCaseMarker", record("tag", "Titre"), 1025, std::nullopt},
        TagCase{"OtherMarker", record("TAH", "Titre"), 1025, std::nullopt},
        TagCase{"FewerThan128Bytes", Bytes(127, ' '), 2000, std::nullopt}),
    [](const auto& info) { return info.param.nom; });

TEST(AnalyserTag, ReadsEveryFieldAndTheGenreByte)
{
    Bytes fin = record("TAG", "T", "Auteur\0\0", " Album ", "2001", "Un commentaire", 147);
    fin.insert(fin.begin(), 500, 0xFF);  // more bytes than the record: only the last 128 count
    const auto tag = analyserTag(fin, 9000);
    ASSERT_TRUE(tag);
    EXPECT_EQ(tag->titre, "T");
    EXPECT_EQ(tag->auteur, "Auteur");
    EXPECT_EQ(tag->album, "Album");
    EXPECT_EQ(tag->annee, "2001");
    EXPECT_EQ(tag->commentaire, "Un commentaire");
    EXPECT_EQ(tag->noStyle, 147);
}

// Composing a record --------------------------------------------------------------------

struct CompleterCase {
    std::string texte;
    std::size_t longueur;
    std::string car;
    std::string attendu;
};

void PrintTo(const CompleterCase& c, std::ostream* os)
{
    *os << '"' << c.texte << "\" " << c.longueur << " \"" << c.car << '"';
}

class FnCompleter : public testing::TestWithParam<CompleterCase> {};

TEST_P(FnCompleter, PadsAndCuts)
{
    EXPECT_EQ(fnCompleter(GetParam().texte, GetParam().longueur, GetParam().car), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(Texts, FnCompleter,
    testing::Values(CompleterCase{"abc", 6, " ", "abc   "}, CompleterCase{"abcdef", 4, " ", "abcd"},
                    CompleterCase{"", 3, "xy", "xxx"}, CompleterCase{"abc", 0, " ", ""},
                    CompleterCase{"abc", 3, " ", "abc"}, CompleterCase{"ab", 4, "", "ab"}),
    [](const auto& info) { return tulvane::test::caseName(info.param.texte) + "To" + std::to_string(info.param.longueur); });

TEST(ComposerTag, CutsAndPadsWithBlanksInEncodedBytes)
{
    const auto r = composerTag(std::string(35, 'a'), "été", std::string(30, 'e') + "é", "2024",
                               147, "日本");
    const std::string s(r.begin(), r.end());
    EXPECT_EQ(s.substr(0, 3), "TAG");
    EXPECT_EQ(s.substr(3, 30), std::string(30, 'a'));
    EXPECT_EQ(s.substr(33, 30), "\xE9t\xE9" + std::string(27, ' '));  // 3 bytes, not 5
    EXPECT_EQ(s.substr(63, 30), std::string(30, 'e'));
    EXPECT_EQ(s.substr(93, 4), "2024");
    EXPECT_EQ(s.substr(97, 30), "??" + std::string(28, ' '));
    EXPECT_EQ(r[127], 147);
}

TEST(ComposerTag, ThirtyAccentedLettersFillTheField)
{
    std::string titre;
    for (int i = 0; i < 30; ++i)
        titre += "é";
    const auto tag = analyserTag(composerTag(titre, "", "", "", 0, ""), 2000);
    ASSERT_TRUE(tag);
    EXPECT_EQ(tag->titre, titre);
}

// Editing a record written by another tagger --------------------------------------------

// NUL padding, an ID3v1.1 track number (comment byte 28 NUL, byte 29 the track) and a genre
// byte that names no genre, as other taggers leave them.
Bytes recordV11(std::uint8_t piste = 7)
{
    Bytes r = record("TAG", "Titre", "Auteur", "Album", "1999", "Note", 255);
    r[126] = piste;
    return r;
}

struct RecomposerCase {
    std::string nom;
    ChampsModifies modifies;
    TagID3 valeurs;
    Bytes ancien;
    std::size_t debut, fin;  // the bytes that may change
    std::string attendu;     // what they become
};

void PrintTo(const RecomposerCase& c, std::ostream* os)
{
    *os << c.nom;
}

class RecomposerTag : public testing::TestWithParam<RecomposerCase> {};

TEST_P(RecomposerTag, ChangesTheModifiedFieldAndNoOtherByte)
{
    const RecomposerCase& c = GetParam();
    const auto apres = recomposerTag(std::span<const std::uint8_t, kTailleTag>(c.ancien.data(), kTailleTag),
                                     c.valeurs, c.modifies);
    std::vector<std::size_t> changes;
    for (std::size_t i = 0; i < kTailleTag; ++i)
        if ((i < c.debut || i >= c.fin) && apres[i] != c.ancien[i])
            changes.push_back(i);
    EXPECT_EQ(changes, std::vector<std::size_t>{});
    EXPECT_EQ(std::string(apres.begin() + std::ptrdiff_t(c.debut), apres.begin() + std::ptrdiff_t(c.fin)),
              c.attendu);
}

constexpr ChampsModifies kRien{false, false, false, false, false, false};

ChampsModifies seul(bool ChampsModifies::*champ)
{
    ChampsModifies m = kRien;
    m.*champ = true;
    return m;
}

TagID3 valeurs(std::string titre, std::string commentaire = "Note", std::uint8_t style = 255)
{
    return {std::move(titre), "Auteur", "Album", "1999", std::move(commentaire), style};
}

INSTANTIATE_TEST_SUITE_P(Fields, RecomposerTag,
    testing::Values(
        RecomposerCase{"NothingModified", kRien, valeurs("Autre", "Autre", 3), recordV11(), 0, 0, ""},
        RecomposerCase{"Title", seul(&ChampsModifies::titre), valeurs("Été"), recordV11(), 3, 33,
                       "\xC9t\xE9" + std::string(27, ' ')},
        RecomposerCase{"Year", seul(&ChampsModifies::annee), {"", "", "", "2001", "", 0}, recordV11(), 93, 97, "2001"},
        RecomposerCase{"Genre", seul(&ChampsModifies::style), valeurs("", "", 8), recordV11(), 127, 128, "\x08"},
        // The track number stays while the new comment leaves room for it...
        RecomposerCase{"CommentThatFitsBeforeTheTrack", seul(&ChampsModifies::commentaire),
                       valeurs("", std::string(28, 'c')), recordV11(), 97, 125, std::string(28, 'c')},
        // ... and a longer one takes its place.
        RecomposerCase{"CommentOverTheTrack", seul(&ChampsModifies::commentaire), valeurs("", std::string(29, 'c')),
                       recordV11(), 97, 127, std::string(29, 'c') + " "},
        RecomposerCase{"CommentOfAPlainRecord", seul(&ChampsModifies::commentaire), valeurs("", "Court"),
                       record("TAG", "Titre", "", "", "", std::string(30, 'x')), 97, 127, "Court" + std::string(25, ' ')}),
    [](const auto& info) { return info.param.nom; });

// Files ---------------------------------------------------------------------------------

class Id3v1Files : public testing::Test {
protected:
    TempFolder dossier;
    Question question;
    fs::path chemin = dossier / "morceau.mp3";
};

TEST_F(Id3v1Files, WritingAppendsOnceThenOverwritesInPlace)
{
    const Bytes original = fileEndingWith(3000, {});
    tulvane::test::writeFile(chemin, original);

    ASSERT_EQ(ecrire(chemin, "abc", question).etat, ResultatEcriture::Etat::Ecrit);
    Bytes apres = tulvane::test::readFile(chemin);
    ASSERT_EQ(apres.size(), original.size() + 128);
    EXPECT_TRUE(std::equal(original.begin(), original.end(), apres.begin()));
    EXPECT_EQ(std::string(apres.begin() + 3000 + 3, apres.begin() + 3000 + 33), "abc" + std::string(27, ' '));

    Lu lu = lire(chemin);
    EXPECT_TRUE(lu.ouvert);
    EXPECT_EQ(lu.titre, "abc");
    EXPECT_EQ(lu.auteur, "Artiste");
    EXPECT_EQ(lu.album, "Album");
    EXPECT_EQ(lu.annee, "1999");
    EXPECT_EQ(lu.commentaire, "Commentaire");
    EXPECT_EQ(lu.noStyle, 12);
    EXPECT_EQ(lu.style, "Other");

    ASSERT_EQ(fnEcrireTag(chemin, "Chanson d'été", "", "", "", 147, "", question.callback()).etat,
              ResultatEcriture::Etat::Ecrit);
    apres = tulvane::test::readFile(chemin);
    ASSERT_EQ(apres.size(), original.size() + 128);
    EXPECT_TRUE(std::equal(original.begin(), original.end(), apres.begin()));
    lu = lire(chemin);
    EXPECT_EQ(lu.titre, "Chanson d'été");
    EXPECT_EQ(lu.auteur, "");
    EXPECT_EQ(lu.style, "Synth Pop");
    EXPECT_TRUE(question.posees.empty());
}

TEST_F(Id3v1Files, TagOfA1024ByteFileIsNotReadButIsOverwrittenInPlace)
{
    const Bytes original = fileEndingWith(1024, record("TAG", "Ancien"));
    tulvane::test::writeFile(chemin, original);
    Lu lu = lire(chemin);
    EXPECT_TRUE(lu.ouvert);
    expectNoTag(lu);

    ASSERT_EQ(ecrire(chemin, "Nouveau", question).etat, ResultatEcriture::Etat::Ecrit);
    const Bytes apres = tulvane::test::readFile(chemin);
    ASSERT_EQ(apres.size(), 1024u);
    EXPECT_TRUE(std::equal(original.begin(), original.begin() + 896, apres.begin()));
    EXPECT_EQ(std::string(apres.begin() + 899, apres.begin() + 906), "Nouveau");
}

TEST_F(Id3v1Files, FieldsLeftAsTheyWereKeepTheirBytesOnlyInATagTheReaderSees)
{
    const auto ecrireAnnee = [&] {
        return fnEcrireTag(chemin, "", "", "", "2001", 12, "", question.callback(), seul(&ChampsModifies::annee)).etat;
    };
    Bytes attendu = recordV11();
    tulvane::test::put(attendu, 93, tulvane::test::bytesOf("2001"));

    tulvane::test::writeFile(chemin, fileEndingWith(1025, recordV11()));
    ASSERT_EQ(ecrireAnnee(), ResultatEcriture::Etat::Ecrit);
    EXPECT_EQ(tulvane::test::readFile(chemin), fileEndingWith(1025, attendu));

    // The reader shows no tag here: the values given are written whole.
    tulvane::test::writeFile(chemin, fileEndingWith(1024, recordV11()));
    ASSERT_EQ(ecrireAnnee(), ResultatEcriture::Etat::Ecrit);
    const auto entier = composerTag("", "", "", "2001", 12, "");
    EXPECT_EQ(tulvane::test::readFile(chemin), fileEndingWith(1024, Bytes(entier.begin(), entier.end())));
}

TEST_F(Id3v1Files, TagOfA1025ByteFileIsRead)
{
    tulvane::test::writeFile(chemin, fileEndingWith(1025, record("TAG", "Titre", "", "", "", "", 3)));
    const Lu lu = lire(chemin);
    EXPECT_EQ(lu.titre, "Titre");
    EXPECT_EQ(lu.style, "Dance");
}

struct GenreByteCase {
    std::uint8_t octet;
    std::string nom;
};

void PrintTo(const GenreByteCase& c, std::ostream* os)
{
    *os << int(c.octet);
}

class GenreByte : public Id3v1Files, public testing::WithParamInterface<GenreByteCase> {};

TEST_P(GenreByte, GivesTheNameOrNothingAndKeepsTheNumber)
{
    tulvane::test::writeFile(chemin, fileEndingWith(2000, record("TAG", "T", "", "", "", "", GetParam().octet)));
    const Lu lu = lire(chemin);
    EXPECT_EQ(lu.noStyle, GetParam().octet);
    EXPECT_EQ(lu.style, GetParam().nom);
    EXPECT_EQ(lu.titre, "T");
}

INSTANTIATE_TEST_SUITE_P(Bytes, GenreByte,
    testing::Values(GenreByteCase{0, "Blues"}, GenreByteCase{147, "Synth Pop"},
                    GenreByteCase{148, ""}, GenreByteCase{255, ""}),
    [](const auto& info) { return "Byte" + std::to_string(info.param.octet); });

TEST_F(Id3v1Files, NoTagClearsTheTextsAndKeepsTheNumber)
{
    tulvane::test::writeFile(chemin, fileEndingWith(5000, record("tag", "Titre")));
    const Lu lu = lire(chemin);
    EXPECT_TRUE(lu.ouvert);
    expectNoTag(lu);
}

TEST_F(Id3v1Files, ALowerCaseMarkerIsNoTagForTheWriterEither)
{
    const Bytes original = fileEndingWith(2000, record("tag", "Ancien"));
    tulvane::test::writeFile(chemin, original);
    ASSERT_EQ(ecrire(chemin, "Nouveau", question).etat, ResultatEcriture::Etat::Ecrit);
    const Bytes apres = tulvane::test::readFile(chemin);
    ASSERT_EQ(apres.size(), 2128u);
    EXPECT_TRUE(std::equal(original.begin(), original.end(), apres.begin()));
}

TEST_F(Id3v1Files, ShortFilesGetATagAppended)
{
    for (std::size_t taille : {0u, 3u, 127u}) {
        const Bytes original = fileEndingWith(taille, {});
        tulvane::test::writeFile(chemin, original);
        ASSERT_EQ(ecrire(chemin, "Court", question).etat, ResultatEcriture::Etat::Ecrit) << taille;
        const Bytes apres = tulvane::test::readFile(chemin);
        ASSERT_EQ(apres.size(), taille + 128) << taille;
        EXPECT_TRUE(std::equal(original.begin(), original.end(), apres.begin())) << taille;
        EXPECT_EQ(analyserTag(apres, 2000)->titre, "Court") << taille;
    }
}

TEST_F(Id3v1Files, AMissingPathIsReportedAndNothingIsCreated)
{
    const Lu lu = lire(chemin);
    EXPECT_FALSE(lu.ouvert);
    expectNoTag(lu);

    const ResultatEcriture resultat = ecrire(chemin, "Titre", question);
    EXPECT_EQ(resultat.etat, ResultatEcriture::Etat::Echec);
    EXPECT_EQ(resultat.erreur, "Le fichier '" + chemin.string() + "' est introuvable.");
    EXPECT_FALSE(fs::exists(chemin));
    EXPECT_FALSE(fnVerifierProtection(chemin, question.callback()));
    EXPECT_TRUE(question.posees.empty());
}

TEST_F(Id3v1Files, AFolderIsReportedAndLeftAlone)
{
    const fs::path sousDossier = dossier / "album";
    fs::create_directory(sousDossier);
    const Lu lu = lire(sousDossier);
    EXPECT_FALSE(lu.ouvert);
    expectNoTag(lu);

    const ResultatEcriture resultat = ecrire(sousDossier, "Titre", question);
    EXPECT_EQ(resultat.etat, ResultatEcriture::Etat::Echec);
    EXPECT_EQ(resultat.erreur, "'" + sousDossier.string() + "' n'est pas un fichier.");
    EXPECT_TRUE(fs::is_empty(sousDossier));
}

// Read-only files -----------------------------------------------------------------------

class ReadOnlyFile : public Id3v1Files {
protected:
    Bytes original = fileEndingWith(2000, {});
    void SetUp() override
    {
        tulvane::test::writeFile(chemin, original);
        fs::permissions(chemin, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    }
    std::string texteAttendu() const
    {
        return "Le fichier '" + chemin.string() + "' est en protégé en écriture.\r\n"
               "Voulez-vous oter cet attribut afin de permettre la modification?";
    }
};

TEST_F(ReadOnlyFile, CancelWritesNothing)
{
    question.reponse = false;
    EXPECT_EQ(ecrire(chemin, "Titre", question).etat, ResultatEcriture::Etat::RefuseParUtilisateur);
    ASSERT_EQ(question.posees.size(), 1u);
    EXPECT_EQ(question.posees[0].first, texteAttendu());
    EXPECT_EQ(question.posees[0].second, "Enregistrer les modifications");
    EXPECT_EQ(tulvane::test::readFile(chemin), original);
    EXPECT_EQ(fs::status(chemin).permissions(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

TEST_F(ReadOnlyFile, OkAddsOnlyTheOwnerWritePermissionThenWrites)
{
    EXPECT_EQ(ecrire(chemin, "Titre", question).etat, ResultatEcriture::Etat::Ecrit);
    ASSERT_EQ(question.posees.size(), 1u);
    EXPECT_EQ(question.posees[0].first, texteAttendu());
    EXPECT_EQ(fs::status(chemin).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(lire(chemin).titre, "Titre");
}

TEST_F(ReadOnlyFile, VerifierProtectionAsksOnlyWhileReadOnly)
{
    EXPECT_TRUE(fnVerifierProtection(chemin, question.callback()));
    EXPECT_TRUE(fnVerifierProtection(chemin, question.callback()));
    EXPECT_EQ(question.posees.size(), 1u);
}

TEST_F(ReadOnlyFile, NoQuestionToAskMeansCancel)
{
    EXPECT_FALSE(fnVerifierProtection(chemin, nullptr));
    EXPECT_EQ(tulvane::test::readFile(chemin), original);
}
