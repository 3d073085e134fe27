#include "components/fichier_reglages.h"

#include "platform/text_lines.h"

#include <utility>
#include <vector>

namespace tulvane::components {

namespace {

constexpr char32_t kRemplacement = 0xFFFD;

int valeurHex(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool estSurrogat(char32_t c)
{
    return c >= 0xD800 && c <= 0xDFFF;
}

void ajouterUtf8(std::string& sortie, char32_t c)
{
    if (estSurrogat(c) || c > 0x10FFFF)
        c = kRemplacement;
    if (c < 0x80) {
        sortie += static_cast<char>(c);
    } else if (c < 0x800) {
        sortie += static_cast<char>(0xC0 | (c >> 6));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        sortie += static_cast<char>(0xE0 | (c >> 12));
        sortie += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        sortie += static_cast<char>(0xF0 | (c >> 18));
        sortie += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        sortie += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The character of UTF-8 text at `i`, which then moves past it; a byte that starts no
// well-formed sequence counts as one replacement character.
char32_t caractereSuivant(std::string_view texte, std::size_t& i)
{
    const auto octet = [&texte](std::size_t k) { return static_cast<unsigned char>(texte[k]); };
    const unsigned char premier = octet(i);
    const std::size_t longueur = premier < 0x80                     ? 1
                                 : premier >= 0xC2 && premier <= 0xDF ? 2
                                 : premier >= 0xE0 && premier <= 0xEF ? 3
                                 : premier >= 0xF0 && premier <= 0xF4 ? 4
                                                                      : 0;
    if (longueur == 1) {
        ++i;
        return premier;
    }
    char32_t c = premier & (0x7F >> longueur);
    bool valide = longueur != 0 && i + longueur <= texte.size();
    for (std::size_t k = 1; valide && k < longueur; ++k) {
        valide = (octet(i + k) & 0xC0) == 0x80;
        c = (c << 6) | (octet(i + k) & 0x3F);
    }
    constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (!valide || c < kMinimum[longueur] || c > 0x10FFFF || estSurrogat(c)) {
        ++i;
        return kRemplacement;
    }
    i += longueur;
    return c;
}

std::string_view sansBlancs(std::string_view texte)
{
    const std::size_t debut = texte.find_first_not_of(" \t");
    if (debut == std::string_view::npos)
        return {};
    return texte.substr(debut, texte.find_last_not_of(" \t") - debut + 1);
}

// UTF-16 units, as QSettings counts the characters of its "%U" escapes; a high surrogate
// waits for its low one.
class Utf16VersUtf8 {
public:
    explicit Utf16VersUtf8(std::string& sortie) : sortie_(sortie) {}

    void ajouter(char16_t unite)
    {
        if (haute_ != 0 && unite >= 0xDC00 && unite <= 0xDFFF) {
            ajouterUtf8(sortie_, 0x10000 + ((char32_t(haute_) - 0xD800) << 10) + (unite - 0xDC00));
            haute_ = 0;
            return;
        }
        terminer();
        if (unite >= 0xD800 && unite <= 0xDBFF)
            haute_ = unite;
        else
            ajouterUtf8(sortie_, unite);
    }

    // A high surrogate left alone is a replacement character.
    void terminer()
    {
        if (haute_ != 0)
            ajouterUtf8(sortie_, kRemplacement);
        haute_ = 0;
    }

private:
    std::string& sortie_;
    char16_t haute_ = 0;
};

// "\" stands for "/", "%XX" for a character up to U+00FF, "%UXXXX" for a UTF-16 unit.
std::string lireCle(std::string_view brut)
{
    std::string cle;
    Utf16VersUtf8 unites(cle);
    const auto hex = [&brut](std::size_t debut, std::size_t chiffres) {
        int valeur = 0;
        for (std::size_t k = debut; k < debut + chiffres; ++k) {
            const int chiffre = k < brut.size() ? valeurHex(brut[k]) : -1;
            if (chiffre < 0)
                return -1;
            valeur = valeur * 16 + chiffre;
        }
        return valeur;
    };
    for (std::size_t i = 0; i < brut.size();) {
        if (brut[i] == '%' && i + 1 < brut.size() && brut[i + 1] == 'U' && hex(i + 2, 4) >= 0) {
            unites.ajouter(static_cast<char16_t>(hex(i + 2, 4)));
            i += 6;
        } else if (brut[i] == '%' && hex(i + 1, 2) >= 0) {
            unites.ajouter(static_cast<char16_t>(hex(i + 1, 2)));
            i += 3;
        } else {
            unites.terminer();
            cle += brut[i] == '\\' ? '/' : brut[i];
            ++i;
        }
    }
    unites.terminer();
    return cle;
}

void echapperCle(std::string& sortie, std::string_view cle)
{
    static constexpr char kChiffres[] = "0123456789ABCDEF";
    const auto ajouterHex = [&sortie](unsigned valeur, int chiffres) {
        for (int k = chiffres - 1; k >= 0; --k)
            sortie += kChiffres[(valeur >> (4 * k)) & 0xF];
    };
    for (std::size_t i = 0; i < cle.size();) {
        const char32_t c = caractereSuivant(cle, i);
        if (c == '/') {
            sortie += '\\';
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-'
                   || c == '.') {
            sortie += static_cast<char>(c);
        } else if (c <= 0xFF) {
            sortie += '%';
            ajouterHex(c, 2);
        } else if (c < 0x10000) {
            sortie += "%U";
            ajouterHex(c, 4);
        } else {
            sortie += "%U";
            ajouterHex(0xD800 + ((c - 0x10000) >> 10), 4);
            sortie += "%U";
            ajouterHex(0xDC00 + ((c - 0x10000) & 0x3FF), 4);
        }
    }
}

// Quotes keep blanks and ";" and "," (a ";" outside them starts a comment), backslash
// escapes as in C with "\x" and octal numbers of any length; blanks around the value go.
std::string lireValeur(std::string_view brut)
{
    std::string valeur;
    std::size_t garde = 0;  // what stays when only blanks follow
    bool entreGuillemets = false;
    std::size_t i = brut.find_first_not_of(" \t");
    while (i < brut.size()) {
        const char c = brut[i++];
        if (c == '"') {
            entreGuillemets = !entreGuillemets;
            garde = valeur.size();
            continue;
        }
        if (c == ';' && !entreGuillemets)
            break;
        if (c != '\\') {
            valeur += c;
            if (entreGuillemets || (c != ' ' && c != '\t'))
                garde = valeur.size();
            continue;
        }
        if (i == brut.size())
            break;
        const char echappe = brut[i++];
        if (echappe == 'x' || (echappe >= '0' && echappe <= '7')) {
            const int base = echappe == 'x' ? 16 : 8;
            char32_t unite = echappe == 'x' ? 0 : static_cast<char32_t>(echappe - '0');
            for (int chiffre; i < brut.size() && (chiffre = valeurHex(brut[i])) >= 0 && chiffre < base; ++i)
                unite = (unite * static_cast<char32_t>(base) + static_cast<char32_t>(chiffre)) & 0xFFFF;
            ajouterUtf8(valeur, unite);
        } else {
            static constexpr std::pair<char, char> kEchappements[] = {
                {'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},  {'r', '\r'},  {'t', '\t'},
                {'v', '\v'}, {'"', '"'},  {'\'', '\''}, {'?', '?'}, {'\\', '\\'},
            };
            for (const auto& [lettre, caractere] : kEchappements)
                if (lettre == echappe)
                    valeur += caractere;
        }
        garde = valeur.size();
    }
    valeur.resize(garde);
    if (valeur.starts_with("@String(") && valeur.ends_with(')'))
        return valeur.substr(8, valeur.size() - 9);
    if (valeur.starts_with("@@"))
        valeur.erase(0, 1);
    return valeur;
}

void echapperValeur(std::string& sortie, const std::string& valeur)
{
    const std::size_t debut = sortie.size();
    bool guillemets = false;
    bool chiffreAEchapper = false;  // a hex digit after "\x..." would be read as part of it
    const auto ajouterHex = [&sortie](unsigned char c) {
        static constexpr char kChiffres[] = "0123456789abcdef";
        sortie += "\\x";
        if (c >= 16)
            sortie += kChiffres[c >> 4];
        sortie += kChiffres[c & 0xF];
    };
    // A text with a NUL in it is marked as a text; one that begins with "@" gets one more.
    const std::string texte = valeur.find('\0') != std::string::npos ? "@String(" + valeur + ')'
                              : valeur.starts_with('@')              ? '@' + valeur
                                                                     : valeur;
    for (const char signe : texte) {
        const auto c = static_cast<unsigned char>(signe);
        if (c == ';' || c == ',' || c == '=')
            guillemets = true;
        if (chiffreAEchapper && valeurHex(signe) >= 0) {
            ajouterHex(c);
            continue;
        }
        chiffreAEchapper = false;
        switch (c) {
        case '\0':
            sortie += "\\0";
            chiffreAEchapper = true;
            break;
        case '\a': sortie += "\\a"; break;
        case '\b': sortie += "\\b"; break;
        case '\f': sortie += "\\f"; break;
        case '\n': sortie += "\\n"; break;
        case '\r': sortie += "\\r"; break;
        case '\t': sortie += "\\t"; break;
        case '\v': sortie += "\\v"; break;
        case '"':
        case '\\':
            sortie += '\\';
            sortie += signe;
            break;
        default:
            if (c <= 0x1F) {
                ajouterHex(c);
                chiffreAEchapper = true;
            } else {
                sortie += signe;
            }
        }
    }
    if (guillemets || (sortie.size() > debut && (sortie[debut] == ' ' || sortie.back() == ' '))) {
        sortie.insert(debut, 1, '"');
        sortie += '"';
    }
}

// A line that ends with a backslash that escapes nothing goes on on the next line.
bool continueSurLaSuivante(std::string_view ligne)
{
    const std::size_t derniere = ligne.find_last_not_of('\\');
    const std::size_t barres = ligne.size() - (derniere == std::string_view::npos ? 0 : derniere + 1);
    return barres % 2 == 1;
}

}  // namespace

ValeursReglages lireReglages(std::string_view texte)
{
    ValeursReglages valeurs;
    std::string section;
    const std::vector<std::string_view> lignes = platform::decouperLignes(texte);
    for (std::size_t n = 0; n < lignes.size(); ++n) {
        const std::string_view ligne = sansBlancs(lignes[n]);
        if (ligne.empty() || ligne.front() == ';')
            continue;
        if (ligne.front() == '[') {
            const std::string_view nom = sansBlancs(ligne.substr(1, ligne.find(']') - 1));
            section = nom == "General" ? std::string() : nom == "%General" ? std::string("General") : lireCle(nom);
            continue;
        }
        const std::size_t egal = ligne.find('=');
        if (egal == std::string_view::npos)
            continue;
        const std::string cle = lireCle(sansBlancs(ligne.substr(0, egal)));
        std::string brut(ligne.substr(egal + 1));
        while (continueSurLaSuivante(brut) && n + 1 < lignes.size()) {
            brut.pop_back();
            brut += lignes[++n];
        }
        if (!cle.empty())
            valeurs[section.empty() ? cle : section + '/' + cle] = lireValeur(brut);
    }
    return valeurs;
}

std::string ecrireReglages(const ValeursReglages& valeurs)
{
    // The keys of each section, the root's ("") first, as QSettings groups them: a key's
    // first group is its section, the rest stays in the key.
    std::map<std::string_view, std::vector<std::pair<std::string_view, const std::string*>>> sections;
    for (const auto& [cle, valeur] : valeurs) {
        const std::string_view vue = cle;
        const std::size_t barre = vue.find('/');
        // A key without a name after its group stays whole in the root section.
        if (barre == std::string_view::npos || barre == 0 || barre + 1 == vue.size())
            sections[{}].push_back({vue, &valeur});
        else
            sections[vue.substr(0, barre)].push_back({vue.substr(barre + 1), &valeur});
    }
    std::string texte;
    for (const auto& [section, entrees] : sections) {
        if (!texte.empty())
            texte += '\n';
        if (section.empty()) {
            texte += "[General]\n";
        } else if (section == "General") {
            texte += "[%General]\n";
        } else {
            texte += '[';
            echapperCle(texte, section);
            texte += "]\n";
        }
        for (const auto& [cle, valeur] : entrees) {
            echapperCle(texte, cle);
            texte += '=';
            echapperValeur(texte, *valeur);
            texte += '\n';
        }
    }
    return texte;
}

}  // namespace tulvane::components
