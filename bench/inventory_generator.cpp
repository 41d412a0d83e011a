#include "bench/inventory_generator.h"

#include "platform/data/database.h"
#include "platform/data/errors.h"

#include <QFile>
#include <QtGlobal>

#include <sqlite3.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

namespace bench {
namespace {

// xoshiro256** seeded through splitmix64. The standard distributions may give other
// numbers on another library, and a benchmark must see the same rows everywhere.
class Rng
{
public:
    explicit Rng(std::uint64_t seed)
    {
        for (std::uint64_t& word : s_) {
            seed += 0x9e3779b97f4a7c15ULL;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
            word = z ^ (z >> 31);
        }
    }

    std::uint64_t next()
    {
        const std::uint64_t result = rotl(s_[1] * 5, 7) * 9;
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = rotl(s_[3], 45);
        return result;
    }

    // 0 <= result < n; the bias of the remainder is below 2^-40 for our table sizes.
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    double real() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    double real(double lo, double hi) { return lo + (hi - lo) * real(); }
    bool chance(double p) { return real() < p; }

    // An index into a table whose entries carry a `weight` member.
    template <class Table> int weighted(const Table& table)
    {
        int total = 0;
        for (const auto& e : table)
            total += e.weight;
        int roll = below(total);
        int i = 0;
        for (const auto& e : table) {
            if (roll < e.weight)
                return i;
            roll -= e.weight;
            ++i;
        }
        return i - 1;
    }

    template <class T, std::size_t N> const T& pick(const std::array<T, N>& items)
    {
        return items[static_cast<std::size_t>(below(static_cast<int>(N)))];
    }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::array<std::uint64_t, 4> s_{};
};

// ---- Text helpers -------------------------------------------------------------------

[[gnu::format(printf, 2, 3)]] void appendf(std::string& out, const char* format, ...)
{
    char buffer[256];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n > 0)
        out.append(buffer, static_cast<std::size_t>(std::min(n, static_cast<int>(sizeof buffer) - 1)));
}

// Upper-cases the first letter of a name, past locants ("2,4-", "4'-") and italic prefixes
// ("terc-", "tert-"); knows the accented lower-case letters of Portuguese in UTF-8.
void capitalize(std::string& s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c >= 'a' && c <= 'z') {
            if (s.compare(i, 5, "terc-") == 0 || s.compare(i, 5, "tert-") == 0) {
                i += 5;
                continue;
            }
            s[i] = static_cast<char>(c - 'a' + 'A');
            return;
        }
        if (c == 0xC3 && i + 1 < s.size()) {
            const unsigned char c2 = static_cast<unsigned char>(s[i + 1]);
            if (c2 >= 0xA0 && c2 <= 0xBE && c2 != 0xB7)
                s[i + 1] = static_cast<char>(c2 - 0x20);
            return;
        }
        if ((c >= 'A' && c <= 'Z') || c >= 0x80)
            return;
        ++i;
    }
}

// Sorts the few items of a name part in place (std::sort draws a false array-bounds
// warning from GCC 12 on arrays this small).
template <class T, class Less> void sortSmall(T* items, int n, Less less)
{
    for (int i = 1; i < n; ++i)
        for (int j = i; j > 0 && less(items[j], items[j - 1]); --j)
            std::swap(items[j], items[j - 1]);
}

// ---- Elements and formulas ----------------------------------------------------------

// Hill order: carbon, hydrogen, then the others alphabetically.
enum Element : int
{
    C,
    H,
    Br,
    Cl,
    F,
    I,
    N,
    O,
    S,
    kElements
};
constexpr std::array<const char*, kElements> kSymbols = {"C", "H", "Br", "Cl", "F", "I", "N", "O", "S"};
constexpr std::array<double, kElements> kMasses = {12.011,  1.008,  79.904, 35.45, 18.998,
                                                   126.904, 14.007, 15.999, 32.06};

using Composition = std::array<int, kElements>;

// Parses "C6H6O" or a change such as "H-1Cl" (one H replaced by Cl).
Composition parseComposition(const char* text)
{
    Composition comp{};
    const char* p = text;
    while (*p) {
        int element = -1;
        for (int e = 0; e < kElements; ++e) {
            const std::size_t len = std::strlen(kSymbols[e]);
            if (std::strncmp(p, kSymbols[e], len) == 0 && !(len == 1 && p[1] >= 'a' && p[1] <= 'z')) {
                element = e;
                p += len;
                break;
            }
        }
        Q_ASSERT_X(element >= 0, "parseComposition", text); // a typo in one of the tables below
        if (element < 0)
            return comp;
        int sign = 1;
        if (*p == '-') {
            sign = -1;
            ++p;
        }
        int count = 0;
        bool digits = false;
        while (*p >= '0' && *p <= '9') {
            count = count * 10 + (*p - '0');
            ++p;
            digits = true;
        }
        comp[element] += sign * (digits ? count : 1);
    }
    return comp;
}

void add(Composition& into, const Composition& delta)
{
    for (int e = 0; e < kElements; ++e)
        into[e] += delta[e];
}

double mass(const Composition& comp)
{
    double m = 0;
    for (int e = 0; e < kElements; ++e)
        m += comp[e] * kMasses[e];
    return m;
}

void appendHill(std::string& out, const Composition& comp)
{
    for (int e = 0; e < kElements; ++e) {
        if (comp[e] <= 0)
            continue;
        out += kSymbols[e];
        if (comp[e] > 1)
            appendf(out, "%d", comp[e]);
    }
}

// ---- Name parts ---------------------------------------------------------------------

enum Trait : unsigned
{
    kHalogen = 1u << 0,
    kNitro = 1u << 1,
    kAmine = 1u << 2,
    kAcid = 1u << 3,
    kHydroxy = 1u << 4,
    kCarbonyl = 1u << 5,
    kSulfur = 1u << 6,
    kEster = 1u << 7,
    kAromatic = 1u << 8,
    kNitrile = 1u << 9,
    kAmide = 1u << 10,
};

struct Substituent
{
    const char* pt;
    const char* en;
    int weight;
    const char* change;
    unsigned traits;
    int arm = 0;           // carbons of an alkyl branch's longest arm: no longer than the chain it is on
    bool compound = false; // itself substituted: two of them are "bis(trifluorometil)", not "di..."
};

constexpr std::array<Substituent, 45> kSubstituents = {{
    {"cloro", "chloro", 9, "H-1Cl", kHalogen},
    {"bromo", "bromo", 8, "H-1Br", kHalogen},
    {"fluoro", "fluoro", 8, "H-1F", kHalogen},
    {"iodo", "iodo", 4, "H-1I", kHalogen},
    {"nitro", "nitro", 7, "H-1NO2", kNitro},
    {"metil", "methyl", 9, "CH2", 0, 1},
    {"etil", "ethyl", 5, "C2H4", 0, 2},
    {"propil", "propyl", 3, "C3H6", 0, 3},
    {"isopropil", "isopropyl", 3, "C3H6", 0, 2},
    {"butil", "butyl", 3, "C4H8", 0, 4},
    {"terc-butil", "tert-butyl", 4, "C4H8", 0, 2},
    {"alil", "allyl", 2, "C3H4", 0, 3},
    {"vinil", "vinyl", 2, "C2H2", 0, 2},
    {"ciclo-hexil", "cyclohexyl", 2, "C6H10", 0},
    {"hidroxi", "hydroxy", 6, "O", kHydroxy},
    {"metoxi", "methoxy", 8, "CH2O", 0},
    {"etoxi", "ethoxy", 4, "C2H4O", 0},
    {"propoxi", "propoxy", 2, "C3H6O", 0},
    {"butoxi", "butoxy", 2, "C4H8O", 0},
    {"fenoxi", "phenoxy", 3, "C6H4O", kAromatic},
    {"benziloxi", "benzyloxy", 3, "C7H6O", kAromatic},
    {"amino", "amino", 6, "HN", kAmine},
    {"metilamino", "methylamino", 3, "CH3N", kAmine, 0, true},
    {"dimetilamino", "dimethylamino", 4, "C2H5N", kAmine, 0, true},
    {"acetamido", "acetamido", 3, "C2H3NO", kAmide},
    {"ciano", "cyano", 5, "CH-1N", kNitrile},
    {"azido", "azido", 1, "H-1N3", kNitro},
    {"acetil", "acetyl", 4, "C2H2O", kCarbonyl},
    {"benzoil", "benzoyl", 2, "C7H4O", kCarbonyl | kAromatic},
    {"formil", "formyl", 4, "CO", kCarbonyl},
    {"carboxi", "carboxy", 4, "CO2", kAcid},
    {"metoxicarbonil", "methoxycarbonyl", 3, "C2H2O2", kEster, 0, true},
    {"etoxicarbonil", "ethoxycarbonyl", 3, "C3H4O2", kEster, 0, true},
    {"fenil", "phenyl", 4, "C6H4", kAromatic},
    {"benzil", "benzyl", 3, "C7H6", kAromatic},
    {"trifluorometil", "trifluoromethyl", 5, "CH-1F3", kHalogen, 0, true},
    {"trifluorometoxi", "trifluoromethoxy", 2, "CF3OH-1", kHalogen, 0, true},
    {"hidroximetil", "hydroxymethyl", 3, "CH2O", kHydroxy, 0, true},
    {"aminometil", "aminomethyl", 2, "CH3N", kAmine, 0, true},
    {"clorometil", "chloromethyl", 2, "CHCl", kHalogen, 0, true},
    {"bromometil", "bromomethyl", 2, "CHBr", kHalogen, 0, true},
    {"mercapto", "mercapto", 2, "S", kSulfur},
    {"metiltio", "methylthio", 3, "CH2S", kSulfur, 0, true},
    {"metilsulfonil", "methylsulfonyl", 2, "CH2O2S", kSulfur, 0, true},
    {"sulfamoil", "sulfamoyl", 2, "HNO2S", kSulfur},
}};

// A ring compound with substituents placed at the given locants.
struct Ring
{
    const char* headPt; // text before the substituents
    const char* bodyPt; // text after them
    const char* headEn;
    const char* bodyEn;
    const char* formula;
    const char* locants;
    bool primes;    // 4'-, as on acetophenone
    bool symmetric; // one substituent needs no locant, and the first is 1
    int weight;
    unsigned traits;
    const char* excluded; // the substituent the parent already is: no "hidroxifenol"
};

constexpr std::array<Ring, 24> kRings = {{
    {"", "benzeno", "", "benzene", "C6H6", "123456", false, true, 12, kAromatic, nullptr},
    {"", "fenol", "", "phenol", "C6H6O", "23456", false, false, 8, kAromatic | kHydroxy, "hidroxi"},
    {"", "anilina", "", "aniline", "C6H7N", "23456", false, false, 6, kAromatic | kAmine, "amino"},
    {"", "tolueno", "", "toluene", "C7H8", "23456", false, false, 6, kAromatic, "metil"},
    {"Ácido ", "benzoico", "", "benzoic acid", "C7H6O2", "23456", false, false, 7, kAromatic | kAcid,
     "carboxi"},
    {"", "benzaldeído", "", "benzaldehyde", "C7H6O", "23456", false, false, 4, kAromatic | kCarbonyl,
     "formil"},
    {"", "acetofenona", "", "acetophenone", "C8H8O", "23456", true, false, 3, kAromatic | kCarbonyl,
     "acetil"},
    {"", "anisol", "", "anisole", "C7H8O", "23456", false, false, 3, kAromatic, "metoxi"},
    {"", "benzonitrila", "", "benzonitrile", "C7H5N", "23456", false, false, 3, kAromatic | kNitrile,
     "ciano"},
    {"Álcool ", "benzílico", "", "benzyl alcohol", "C7H8O", "23456", false, false, 3, kAromatic | kHydroxy,
     nullptr},
    {"Ácido ", "fenilacético", "", "phenylacetic acid", "C8H8O2", "23456", false, false, 2, kAromatic | kAcid,
     "carboxi"},
    {"", "benzoato de metila", "Methyl ", "benzoate", "C8H8O2", "23456", false, false, 2, kAromatic | kEster,
     nullptr},
    {"", "benzamida", "", "benzamide", "C7H7NO", "23456", false, false, 2, kAromatic | kAmide, nullptr},
    {"", "piridina", "", "pyridine", "C5H5N", "23456", false, false, 5, kAromatic | kAmine, nullptr},
    {"", "naftaleno", "", "naphthalene", "C10H8", "12345678", false, false, 3, kAromatic, nullptr},
    {"", "quinolina", "", "quinoline", "C9H7N", "2345678", false, false, 2, kAromatic | kAmine, nullptr},
    {"", "indol", "", "indole", "C8H7N", "1234567", false, false, 2, kAromatic | kAmine, nullptr},
    {"", "tiofeno", "", "thiophene", "C4H4S", "2345", false, false, 2, kAromatic | kSulfur, nullptr},
    {"", "furano", "", "furan", "C4H4O", "2345", false, false, 1, kAromatic, nullptr},
    {"", "imidazol", "", "imidazole", "C3H4N2", "1245", false, false, 1, kAromatic | kAmine, nullptr},
    {"", "bifenila", "", "biphenyl", "C12H10", "23456", false, false, 1, kAromatic, nullptr},
    {"", "ciclo-hexanona", "", "cyclohexanone", "C6H10O", "23456", false, false, 2, kCarbonyl, "formil"},
    {"", "ciclo-hexanol", "", "cyclohexanol", "C6H12O", "123456", false, false, 1, kHydroxy, "hidroxi"},
    {"", "ciclo-hexano", "", "cyclohexane", "C6H12", "123456", false, true, 1, 0, nullptr},
}};

constexpr std::array<const char*, 12> kStemsPt = {"met",  "et",  "prop", "but", "pent",  "hex",
                                                  "hept", "oct", "non",  "dec", "undec", "dodec"};
constexpr std::array<const char*, 12> kStemsEn = {"meth", "eth", "prop", "but", "pent",  "hex",
                                                  "hept", "oct", "non",  "dec", "undec", "dodec"};

// The functional group of an open chain of n carbons.
enum class ChainKind
{
    Alkane,
    Alcohol,
    Ketone,
    Aldehyde,
    Acid,
    Ester,
    Amine,
    Nitrile
};

struct Chain
{
    ChainKind kind;
    int minCarbons;
    int weight;
};

constexpr std::array<Chain, 8> kChains = {{
    {ChainKind::Alkane, 1, 5},
    {ChainKind::Alcohol, 1, 6},
    {ChainKind::Ketone, 3, 3},
    {ChainKind::Aldehyde, 2, 2},
    {ChainKind::Acid, 2, 4},
    {ChainKind::Ester, 2, 4},
    {ChainKind::Amine, 2, 3},
    {ChainKind::Nitrile, 2, 2},
}};

struct EsterGroup
{
    const char* pt;
    const char* en;
    const char* change;
};

constexpr std::array<EsterGroup, 8> kEsterGroups = {{
    {"metila", "Methyl", "CH2"},
    {"etila", "Ethyl", "C2H4"},
    {"propila", "Propyl", "C3H6"},
    {"isopropila", "Isopropyl", "C3H6"},
    {"butila", "Butyl", "C4H8"},
    {"terc-butila", "tert-Butyl", "C4H8"},
    {"benzila", "Benzyl", "C7H6"},
    {"fenila", "Phenyl", "C6H4"},
}};

// Grade words: Portuguese after the name, English in the catalogue's comma style.
struct Grade
{
    const char* pt;
    const char* en;
    int weight;
};

constexpr std::array<Grade, 17> kGrades = {{
    {"", "", 30},
    {" P.A.", ", ACS reagent", 12},
    {" 99%", ", 99%", 7},
    {" 98%", ", 98%", 7},
    {" 97%", ", 97%", 6},
    {" 96%", ", 96%", 3},
    {" 95%", ", 95%", 4},
    {" 99,5%", ", 99.5%", 4},
    {" 99,9%", ", 99.9%", 2},
    {" (grau técnico)", ", technical grade", 4},
    {" (grau HPLC)", ", for HPLC", 3},
    {" (grau síntese)", ", for synthesis", 4},
    {" (padrão analítico)", ", analytical standard", 3},
    {" (padrão secundário)", ", secondary standard", 2},
    {" (grau espectroscópico)", ", spectrophotometric grade", 2},
    {" (grau farmacêutico)", ", USP", 2},
    {" (estabilizado)", ", stabilized", 2},
}};

// ---- Salts --------------------------------------------------------------------------

struct Cation
{
    const char* pt;
    const char* en;
    const char* symbol;
    int charge;
    double mass;
    bool polyatomic;
    const char* colour; // nullptr: white or colourless
    unsigned hazards;   // kToxicMetal and the like
    int weight;
};

enum SaltHazard : unsigned
{
    kToxicMetal = 1u,
    kCarcinogenic = 2u,
    kAquatic = 4u,
    kOxidant = 8u,
    kCorrosive = 16u
};

constexpr std::array<Cation, 23> kCations = {{
    {"sódio", "Sodium", "Na", 1, 22.990, false, nullptr, 0, 14},
    {"potássio", "Potassium", "K", 1, 39.098, false, nullptr, 0, 12},
    {"lítio", "Lithium", "Li", 1, 6.94, false, nullptr, 0, 3},
    {"amônio", "Ammonium", "NH4", 1, 18.039, true, nullptr, 0, 6},
    {"prata", "Silver", "Ag", 1, 107.868, false, nullptr, kAquatic, 2},
    {"césio", "Cesium", "Cs", 1, 132.905, false, nullptr, 0, 1},
    {"cálcio", "Calcium", "Ca", 2, 40.078, false, nullptr, 0, 6},
    {"magnésio", "Magnesium", "Mg", 2, 24.305, false, nullptr, 0, 5},
    {"bário", "Barium", "Ba", 2, 137.327, false, nullptr, kToxicMetal, 3},
    {"estrôncio", "Strontium", "Sr", 2, 87.62, false, nullptr, 0, 1},
    {"zinco", "Zinc", "Zn", 2, 65.38, false, nullptr, kAquatic, 4},
    {"cobre(II)", "Copper(II)", "Cu", 2, 63.546, false, "Blue", kAquatic, 4},
    {"ferro(II)", "Iron(II)", "Fe", 2, 55.845, false, "Pale green", 0, 3},
    {"ferro(III)", "Iron(III)", "Fe", 3, 55.845, false, "Yellow-brown", 0, 3},
    {"alumínio", "Aluminum", "Al", 3, 26.982, false, nullptr, 0, 3},
    {"manganês(II)", "Manganese(II)", "Mn", 2, 54.938, false, "Pale pink", 0, 2},
    {"cobalto(II)", "Cobalt(II)", "Co", 2, 58.933, false, "Pink-red", kCarcinogenic | kAquatic, 2},
    {"níquel(II)", "Nickel(II)", "Ni", 2, 58.693, false, "Green", kCarcinogenic | kAquatic, 2},
    {"chumbo(II)", "Lead(II)", "Pb", 2, 207.2, false, nullptr, kToxicMetal | kAquatic, 2},
    {"estanho(II)", "Tin(II)", "Sn", 2, 118.71, false, nullptr, 0, 1},
    {"cromo(III)", "Chromium(III)", "Cr", 3, 51.996, false, "Dark green", 0, 1},
    {"cádmio", "Cadmium", "Cd", 2, 112.414, false, nullptr, kToxicMetal | kCarcinogenic | kAquatic, 1},
    {"mercúrio(II)", "Mercury(II)", "Hg", 2, 200.59, false, nullptr, kToxicMetal | kAquatic, 1},
}};

struct Anion
{
    const char* pt; // lower case, as inside "Solução de ..."
    const char* en;
    const char* formula;
    int charge;
    double mass;
    bool polyatomic;
    bool first;          // written before the cation: CH3COONa
    bool monovalentOnly; // hydrogen salts: only with alkali metals and ammonium
    bool solution;       // sold as a solution too
    bool soluble;        // soluble whatever the cation
    const char* colour;
    unsigned hazards;
    int weight;
};

constexpr std::array<Anion, 28> kAnions = {{
    {"cloreto", "chloride", "Cl", 1, 35.45, false, false, false, true, true, nullptr, 0, 14},
    {"brometo", "bromide", "Br", 1, 79.904, false, false, false, true, true, nullptr, 0, 4},
    {"iodeto", "iodide", "I", 1, 126.904, false, false, false, true, true, nullptr, 0, 4},
    {"fluoreto", "fluoride", "F", 1, 18.998, false, false, false, true, false, nullptr, kToxicMetal, 2},
    {"nitrato", "nitrate", "NO3", 1, 62.004, true, false, false, true, true, nullptr, kOxidant, 10},
    {"nitrito", "nitrite", "NO2", 1, 46.005, true, false, true, true, true, nullptr, kOxidant | kToxicMetal,
     2},
    {"sulfato", "sulfate", "SO4", 2, 96.06, true, false, false, true, true, nullptr, 0, 12},
    {"sulfito", "sulfite", "SO3", 2, 80.06, true, false, true, true, true, nullptr, 0, 2},
    {"tiossulfato", "thiosulfate", "S2O3", 2, 112.12, true, false, true, true, true, nullptr, 0, 2},
    {"carbonato", "carbonate", "CO3", 2, 60.008, true, false, false, false, false, nullptr, 0, 6},
    {"bicarbonato", "bicarbonate", "HCO3", 1, 61.016, true, false, true, true, true, nullptr, 0, 2},
    {"fosfato", "phosphate", "PO4", 3, 94.971, true, false, false, false, false, nullptr, 0, 4},
    {"hidrogenofosfato", "hydrogen phosphate", "HPO4", 2, 95.979, true, false, true, true, true, nullptr, 0,
     3},
    {"di-hidrogenofosfato", "dihydrogen phosphate", "H2PO4", 1, 96.987, true, false, true, true, true,
     nullptr, 0, 3},
    {"acetato", "acetate", "CH3COO", 1, 59.044, true, true, false, true, true, nullptr, 0, 6},
    {"hidróxido", "hydroxide", "OH", 1, 17.007, true, false, false, true, false, nullptr, kCorrosive, 6},
    {"óxido", "oxide", "O", 2, 15.999, false, false, false, false, false, nullptr, 0, 6},
    {"cromato", "chromate", "CrO4", 2, 115.99, true, false, false, true, false, "Yellow",
     kCarcinogenic | kOxidant | kAquatic, 1},
    {"dicromato", "dichromate", "Cr2O7", 2, 215.99, true, false, false, true, false, "Orange-red",
     kCarcinogenic | kOxidant | kAquatic, 1},
    {"permanganato", "permanganate", "MnO4", 1, 118.935, true, false, true, true, true, "Dark purple",
     kOxidant | kAquatic, 2},
    {"clorato", "chlorate", "ClO3", 1, 83.45, true, false, false, false, true, nullptr, kOxidant, 1},
    {"perclorato", "perchlorate", "ClO4", 1, 99.45, true, false, false, false, true, nullptr, kOxidant, 1},
    {"oxalato", "oxalate", "C2O4", 2, 88.018, true, false, false, true, false, nullptr, kToxicMetal, 2},
    {"cianeto", "cyanide", "CN", 1, 26.017, true, false, true, false, true, nullptr, kToxicMetal | kAquatic,
     1},
    {"tiocianato", "thiocyanate", "SCN", 1, 58.08, true, false, false, true, true, nullptr, 0, 2},
    {"sulfeto", "sulfide", "S", 2, 32.06, false, false, false, false, false, nullptr, kToxicMetal | kAquatic,
     2},
    {"bromato", "bromate", "BrO3", 1, 127.90, true, false, true, false, true, nullptr,
     kOxidant | kCarcinogenic, 1},
    {"iodato", "iodate", "IO3", 1, 174.90, true, false, true, true, true, nullptr, kOxidant, 1},
}};

struct Hydrate
{
    const char* pt;
    const char* en;
    int water;
    int weight;
};

constexpr std::array<Hydrate, 10> kHydrates = {{
    {"", "", 0, 60},
    {" anidro", " anhydrous", 0, 12},
    {" mono-hidratado", " monohydrate", 1, 5},
    {" di-hidratado", " dihydrate", 2, 6},
    {" tri-hidratado", " trihydrate", 3, 3},
    {" tetraidratado", " tetrahydrate", 4, 3},
    {" pentaidratado", " pentahydrate", 5, 4},
    {" hexaidratado", " hexahydrate", 6, 5},
    {" heptaidratado", " heptahydrate", 7, 3},
    {" decaidratado", " decahydrate", 10, 2},
}};

struct Concentration
{
    const char* pt;
    const char* en;
    double densityRise; // g/mL above water
    bool strong;
};

constexpr std::array<Concentration, 13> kConcentrations = {{
    {"0,01 mol/L", "0.01 M", 0.001, false},
    {"0,02 mol/L", "0.02 M", 0.002, false},
    {"0,05 mol/L", "0.05 M", 0.004, false},
    {"0,1 mol/L", "0.1 M", 0.006, false},
    {"0,2 mol/L", "0.2 M", 0.012, false},
    {"0,5 mol/L", "0.5 M", 0.03, false},
    {"1 mol/L", "1 M", 0.05, true},
    {"2 mol/L", "2 M", 0.09, true},
    {"6 mol/L", "6 M", 0.22, true},
    {"1% (m/v)", "1% (w/v)", 0.006, false},
    {"5% (m/v)", "5% (w/v)", 0.03, false},
    {"10% (m/v)", "10% (w/v)", 0.07, false},
    {"20% (m/v)", "20% (w/v)", 0.15, true},
}};

// ---- Mixtures: no formula -----------------------------------------------------------

enum MixtureKind : int
{
    Buffer,
    Standard,
    PetroleumEther,
    Silica,
    Sieves,
    Resin,
    MineralOil,
    Paraffin,
    Diatomite,
    GlassWool,
    Charcoal,
    Indicator
};

// In MixtureKind order.
struct Mixture
{
    const char* pt;
    const char* en;
    int variants; // how many forms the %d/%s slots take; see mixtureName
    int weight;
};

constexpr std::array<Mixture, 12> kMixtures = {{
    {"Solução tampão pH %s", "Buffer solution pH %s", 6, 4},
    {"Solução padrão de %s 1000 mg/L", "%s standard solution 1000 mg/L", 20, 4},
    {"Éter de petróleo %s °C", "Petroleum ether, boiling range %s °C", 6, 3},
    {"Sílica gel 60 (%s mesh)", "Silica gel 60, %s mesh", 3, 3},
    {"Peneira molecular %s Å", "Molecular sieves, %s Å", 4, 2},
    {"Resina de troca iônica (forma %s)", "Ion-exchange resin, %s form", 4, 1},
    {"Óleo mineral", "Mineral oil", 1, 2},
    {"Parafina (pf %s °C)", "Paraffin wax, mp %s °C", 4, 1},
    {"Terra diatomácea", "Diatomaceous earth", 1, 1},
    {"Lã de vidro", "Glass wool", 1, 1},
    {"Carvão ativado (%s mesh)", "Activated charcoal, %s mesh", 3, 2},
    {"Solução de indicador universal", "Universal indicator solution", 1, 1},
}};

constexpr std::array<const char*, 6> kBufferPt = {"4,00", "7,00", "9,00", "10,00", "4,01", "6,86"};
constexpr std::array<const char*, 6> kBufferEn = {"4.00", "7.00", "9.00", "10.00", "4.01", "6.86"};
constexpr std::array<const char*, 20> kStandardPt = {
    "ferro",    "cobre",    "zinco", "chumbo",    "cádmio", "níquel",   "cobalto",
    "manganês", "cromo",    "sódio", "potássio",  "cálcio", "magnésio", "alumínio",
    "prata",    "mercúrio", "bário", "estrôncio", "lítio",  "arsênio"};
constexpr std::array<const char*, 20> kStandardEn = {
    "Iron",      "Copper",   "Zinc",   "Lead",      "Cadmium", "Nickel",    "Cobalt",
    "Manganese", "Chromium", "Sodium", "Potassium", "Calcium", "Magnesium", "Aluminum",
    "Silver",    "Mercury",  "Barium", "Strontium", "Lithium", "Arsenic"};
constexpr std::array<const char*, 6> kPetroleumRanges = {"30-50", "35-60",  "40-60",
                                                         "60-80", "80-100", "100-140"};
constexpr std::array<const char*, 3> kSilicaMesh = {"70-230", "230-400", "35-70"};
constexpr std::array<const char*, 4> kSieves = {"3", "4", "5", "10"};
constexpr std::array<const char*, 4> kResinPt = {"H+", "Na+", "Cl-", "OH-"};
constexpr std::array<const char*, 4> kParaffin = {"46-48", "52-54", "56-58", "58-62"};
constexpr std::array<const char*, 3> kCharcoalMesh = {"4-8", "20-60", "100-400"};

// ---- Hazard statements --------------------------------------------------------------

// Sorted by code, so that lines sorted by index come out in the data sheets' order.
enum HazardCode : int
{
    H224,
    H225,
    H226,
    H228,
    H260,
    H272,
    H290,
    H301,
    H302,
    H304,
    H311,
    H312,
    H314,
    H315,
    H317,
    H318,
    H319,
    H330,
    H331,
    H332,
    H334,
    H335,
    H336,
    H340,
    H341,
    H350,
    H351,
    H360,
    H361d,
    H372,
    H373,
    H400,
    H410,
    H411,
    H412,
    EUH019,
    kHazardCount
};

constexpr std::array<const char*, kHazardCount> kHazardText = {
    "H224 Extremely flammable liquid and vapour.",
    "H225 Highly flammable liquid and vapour.",
    "H226 Flammable liquid and vapour.",
    "H228 Flammable solid.",
    "H260 In contact with water releases flammable gases which may ignite spontaneously.",
    "H272 May intensify fire; oxidiser.",
    "H290 May be corrosive to metals.",
    "H301 Toxic if swallowed.",
    "H302 Harmful if swallowed.",
    "H304 May be fatal if swallowed and enters airways.",
    "H311 Toxic in contact with skin.",
    "H312 Harmful in contact with skin.",
    "H314 Causes severe skin burns and eye damage.",
    "H315 Causes skin irritation.",
    "H317 May cause an allergic skin reaction.",
    "H318 Causes serious eye damage.",
    "H319 Causes serious eye irritation.",
    "H330 Fatal if inhaled.",
    "H331 Toxic if inhaled.",
    "H332 Harmful if inhaled.",
    "H334 May cause allergy or asthma symptoms or breathing difficulties if inhaled.",
    "H335 May cause respiratory irritation.",
    "H336 May cause drowsiness or dizziness.",
    "H340 May cause genetic defects.",
    "H341 Suspected of causing genetic defects.",
    "H350 May cause cancer.",
    "H351 Suspected of causing cancer.",
    "H360 May damage fertility or the unborn child.",
    "H361d Suspected of damaging the unborn child.",
    "H372 Causes damage to organs through prolonged or repeated exposure.",
    "H373 May cause damage to organs through prolonged or repeated exposure.",
    "H400 Very toxic to aquatic life.",
    "H410 Very toxic to aquatic life with long lasting effects.",
    "H411 Toxic to aquatic life with long lasting effects.",
    "H412 Harmful to aquatic life with long lasting effects.",
    "EUH019 May form explosive peroxides.",
};

constexpr const char* kNotClassified = "Not classified as hazardous under GHS.";

class HazardSet
{
public:
    void clear() { bits_ = 0; }
    // A record shows at most four statements; later ones are dropped.
    void add(HazardCode c)
    {
        if (count() < 4)
            bits_ |= std::uint64_t{1} << c;
    }
    bool has(HazardCode c) const { return bits_ & (std::uint64_t{1} << c); }
    int count() const { return std::popcount(bits_); }
    void appendLines(std::string& out) const
    {
        if (bits_ == 0) {
            out += kNotClassified;
            return;
        }
        bool first = true;
        for (int c = 0; c < kHazardCount; ++c) {
            if (!(bits_ & (std::uint64_t{1} << c)))
                continue;
            if (!first)
                out += '\n';
            out += kHazardText[static_cast<std::size_t>(c)];
            first = false;
        }
    }

private:
    std::uint64_t bits_ = 0;
};

// ---- Vendors, places, amounts -------------------------------------------------------

struct Weighted
{
    const char* text;
    int weight;
};

constexpr std::array<Weighted, 18> kVendors = {{
    {"Sigma-Aldrich", 22},
    {"Merck", 16},
    {"Synth", 10},
    {"Vetec", 8},
    {"Dinâmica", 6},
    {"Neon", 5},
    {"Fluka", 5},
    {"Alfa Aesar", 5},
    {"Acros Organics", 5},
    {"TCI", 4},
    {"Fisher Scientific", 3},
    {"J.T. Baker", 3},
    {"Carlo Erba", 2},
    {"Panreac", 2},
    {"Nuclear", 1},
    {"Cromoline", 1},
    {"Preparado no laboratório", 1},
    {"Doação", 1},
}};

enum class Store
{
    Flammable,
    Acid,
    Base,
    Oxidant,
    Toxic,
    Salt,
    OrganicSolid,
    Liquid,
    Solution
};

enum class Phase
{
    Liquid,
    Solid,
    Solution
};

struct Properties
{
    Phase phase = Phase::Solid;
    double mw = 0;       // 0: none
    double melt = 0;     // °C
    double boil = 0;     // °C
    double polarity = 0; // 0 none .. ~4 very polar
    double heavy = 0;    // mass fraction of heteroatoms weighted for density
    unsigned traits = 0;
};

} // namespace

struct ChemicalGenerator::Impl
{
    explicit Impl(std::uint64_t seed) : rng(seed)
    {
        for (std::size_t i = 0; i < kSubstituents.size(); ++i)
            substituentChange[i] = parseComposition(kSubstituents[i].change);
        for (std::size_t i = 0; i < kRings.size(); ++i)
            ringBase[i] = parseComposition(kRings[i].formula);
        for (std::size_t i = 0; i < kEsterGroups.size(); ++i)
            esterChange[i] = parseComposition(kEsterGroups[i].change);
    }

    Rng rng;
    GeneratedChemical record;
    std::array<Composition, kSubstituents.size()> substituentChange{};
    std::array<Composition, kRings.size()> ringBase{};
    std::array<Composition, kEsterGroups.size()> esterChange{};

    // Scratch kept between records so that its capacity is reused.
    std::string prefixPt, prefixEn, bodyPt, bodyEn, headEn;
    HazardSet hazards;

    std::string& text(int ordinal) { return record.text[static_cast<std::size_t>(ordinal)]; }

    void generate();
    void organic(Properties& props, Composition& comp, Store& place);
    void ringCompound(Properties& props, Composition& comp);
    void chainCompound(Properties& props, Composition& comp);
    void salt(Properties& props, Store& place);
    void mixture(Properties& props, Store& place);

    struct Placement
    {
        int substituent;
        int locant; // an index into the ring's locants, or a carbon number
    };
    // Where substituents may go: a ring's locants, or carbons first..last of a chain of
    // length carbons, less the one that carries the chain's own group.
    struct Sites
    {
        const char* ringLocants = nullptr;
        int first = 1;
        int last = 0;
        int carbons = 0;
        int skip = 0;
        const char* excluded = nullptr;
    };
    int placeSubstituents(Composition& comp, Placement* out, int wanted, const Sites& sites,
                          unsigned& traits);
    void appendPrefix(std::string& out, const Placement* placed, int count, bool english, bool omitLocants,
                      const char* ringLocants, bool primes);
    void organicProperties(Properties& props, const Composition& comp, bool ring);
    void organicHazards(const Properties& props);
    void organicCharacteristic(const Properties& props);
    void appendAmount(std::string& out, Phase phase);
    void appendPlace(std::string& out, Store place);
};

// ---- Substituents and names ---------------------------------------------------------

int ChemicalGenerator::Impl::placeSubstituents(Composition& comp, Placement* out, int wanted,
                                               const Sites& sites, unsigned& traits)
{
    const bool ring = sites.ringLocants != nullptr;
    const int positions =
        ring ? static_cast<int>(std::strlen(sites.ringLocants)) : sites.last - sites.first + 1;
    if (positions <= 0)
        return 0;
    std::array<bool, 16> taken{};
    int placed = 0;
    for (int attempt = 0; placed < wanted && attempt < wanted * 4; ++attempt) {
        const int index = rng.below(positions);
        const int locant = ring ? index : sites.first + index; // a ring's locant index, or a carbon
        if (taken[static_cast<std::size_t>(index)] || (!ring && locant == sites.skip))
            continue;
        // Repeating a substituent ("dicloro") is common; favour it a little.
        const int sub =
            placed > 0 && rng.chance(0.2) ? out[placed - 1].substituent : rng.weighted(kSubstituents);
        const Substituent& s = kSubstituents[static_cast<std::size_t>(sub)];
        if (sites.excluded && std::strcmp(s.pt, sites.excluded) == 0)
            continue;
        // A branch longer than the chain on either side of it would make a longer main chain.
        if (!ring && s.arm > std::min(locant - 1, sites.carbons - locant))
            continue;
        const Composition& change = substituentChange[static_cast<std::size_t>(sub)];
        if (comp[H] + change[H] < 0)
            break;
        add(comp, change);
        traits |= s.traits;
        taken[static_cast<std::size_t>(index)] = true;
        out[placed++] = {sub, locant};
    }
    return placed;
}

void ChemicalGenerator::Impl::appendPrefix(std::string& out, const Placement* placed, int count, bool english,
                                           bool omitLocants, const char* ringLocants, bool primes)
{
    // Group equal substituents, then order the groups by name in the language at hand,
    // ignoring italic prefixes such as "tert-".
    std::array<int, 8> subs{};
    int groups = 0;
    for (int i = 0; i < count; ++i) {
        const int s = placed[i].substituent;
        if (std::find(subs.begin(), subs.begin() + groups, s) == subs.begin() + groups)
            subs[static_cast<std::size_t>(groups++)] = s;
    }
    auto sortName = [english](int s) {
        const char* name = english ? kSubstituents[static_cast<std::size_t>(s)].en
                                   : kSubstituents[static_cast<std::size_t>(s)].pt;
        return std::strncmp(name, "ter", 3) == 0 && std::strchr(name, '-') ? std::strchr(name, '-') + 1
                                                                           : name;
    };
    sortSmall(subs.data(), groups, [&](int a, int b) { return std::strcmp(sortName(a), sortName(b)) < 0; });

    for (int g = 0; g < groups; ++g) {
        if (g > 0)
            out += '-';
        std::array<int, 8> locs{};
        int n = 0;
        for (int i = 0; i < count; ++i)
            if (placed[i].substituent == subs[static_cast<std::size_t>(g)])
                locs[static_cast<std::size_t>(n++)] = placed[i].locant;
        sortSmall(locs.data(), n, [](int a, int b) { return a < b; });
        if (!omitLocants) {
            for (int i = 0; i < n; ++i) {
                if (i > 0)
                    out += ',';
                if (ringLocants)
                    out += ringLocants[locs[static_cast<std::size_t>(i)]];
                else
                    appendf(out, "%d", locs[static_cast<std::size_t>(i)]);
                if (primes)
                    out += '\'';
            }
            out += '-';
        }
        static constexpr std::array<const char*, 5> kMultipliers = {"", "", "di", "tri", "tetra"};
        static constexpr std::array<const char*, 5> kCompoundMultipliers = {"", "", "bis(", "tris(",
                                                                            "tetrakis("};
        const Substituent& s = kSubstituents[static_cast<std::size_t>(subs[static_cast<std::size_t>(g)])];
        const std::size_t times = static_cast<std::size_t>(std::min(n, 4));
        out += s.compound ? kCompoundMultipliers[times] : kMultipliers[times];
        if (!english && n > 1 && !s.compound && s.pt[0] == 'h')
            out += '-'; // di-hidroxi
        out += english ? s.en : s.pt;
        if (s.compound && n > 1)
            out += ')';
    }
}

namespace {

// head + prefix + body, with a hyphen where the body opens with a locant.
void joinName(std::string& out, const char* head, const std::string& prefix, const char* body)
{
    out += head;
    out += prefix;
    if (!prefix.empty() && body[0] >= '0' && body[0] <= '9')
        out += '-';
    out += body;
}

int substituentCount(Rng& rng, bool ring)
{
    // Always at least one: a bare parent is a real compound with real data, which is what
    // the sample inventory is for. Few names with one substituent exist, so they are drawn
    // rarely; otherwise a million rows would repeat them again and again.
    const double r = rng.real();
    if (ring)
        return r < 0.01 ? 1 : r < 0.14 ? 2 : r < 0.6 ? 3 : 4;
    return r < 0.03 ? 1 : r < 0.25 ? 2 : r < 0.75 ? 3 : 4;
}

} // namespace

void ChemicalGenerator::Impl::ringCompound(Properties& props, Composition& comp)
{
    const Ring& ring = kRings[static_cast<std::size_t>(rng.weighted(kRings))];
    comp = ringBase[static_cast<std::size_t>(&ring - kRings.data())];
    props.traits = ring.traits;

    std::array<Placement, 8> placed{};
    const int positions = static_cast<int>(std::strlen(ring.locants));
    const int wanted = std::min(substituentCount(rng, true), positions);
    Sites sites;
    sites.ringLocants = ring.locants;
    sites.excluded = ring.excluded;
    const int count = placeSubstituents(comp, placed.data(), wanted, sites, props.traits);
    if (ring.symmetric && count > 1) {
        // Every rotation and mirror image of a benzene ring names the same compound; the name
        // takes the one whose sorted locants come first (1,2,4 rather than 1,3,4).
        std::array<int, 8> best{};
        int bestTurn = 0;
        bool bestMirror = false;
        for (int mirror = 0; mirror < 2; ++mirror)
            for (int turn = 0; turn < positions; ++turn) {
                std::array<int, 8> locs{};
                for (int i = 0; i < count; ++i) {
                    const int p = placed[static_cast<std::size_t>(i)].locant;
                    locs[static_cast<std::size_t>(i)] = ((mirror ? positions - p : p) + turn) % positions;
                }
                sortSmall(locs.data(), count, [](int a, int b) { return a < b; });
                if ((mirror == 0 && turn == 0) ||
                    std::lexicographical_compare(locs.begin(), locs.begin() + count, best.begin(),
                                                 best.begin() + count)) {
                    best = locs;
                    bestTurn = turn;
                    bestMirror = mirror != 0;
                }
            }
        for (int i = 0; i < count; ++i) {
            int& p = placed[static_cast<std::size_t>(i)].locant;
            p = ((bestMirror ? positions - p : p) + bestTurn) % positions;
        }
    }
    if (!ring.symmetric && std::strstr(ring.locants, "23456") && count > 0) {
        // The ring's mirror image (2 for 6, 3 for 5) names the same compound; take the
        // lower locants.
        std::array<int, 8> as{}, mirrored{};
        const auto mirror = [&](int index) {
            const char digit = ring.locants[index];
            if (digit < '2' || digit > '6')
                return index;
            return static_cast<int>(std::strchr(ring.locants, '8' - digit + '0') - ring.locants);
        };
        for (int i = 0; i < count; ++i) {
            as[static_cast<std::size_t>(i)] = placed[static_cast<std::size_t>(i)].locant;
            mirrored[static_cast<std::size_t>(i)] = mirror(placed[static_cast<std::size_t>(i)].locant);
        }
        sortSmall(as.data(), count, [](int a, int b) { return a < b; });
        sortSmall(mirrored.data(), count, [](int a, int b) { return a < b; });
        if (std::lexicographical_compare(mirrored.begin(), mirrored.begin() + count, as.begin(),
                                         as.begin() + count))
            for (int i = 0; i < count; ++i)
                placed[static_cast<std::size_t>(i)].locant =
                    mirror(placed[static_cast<std::size_t>(i)].locant);
    }
    const bool omit = ring.symmetric && count == 1;

    prefixPt.clear();
    prefixEn.clear();
    appendPrefix(prefixPt, placed.data(), count, false, omit, ring.locants, ring.primes);
    appendPrefix(prefixEn, placed.data(), count, true, omit, ring.locants, ring.primes);
    joinName(text(store::NOME), ring.headPt, prefixPt, ring.bodyPt);
    joinName(text(store::ALDRICH), ring.headEn, prefixEn, ring.bodyEn);
    organicProperties(props, comp, true);
}

void ChemicalGenerator::Impl::chainCompound(Properties& props, Composition& comp)
{
    const Chain& chain = kChains[static_cast<std::size_t>(rng.weighted(kChains))];
    // Chains of three to twelve carbons; methane and ethane derivatives such as
    // dichloromethane are few, as there are few of them to name.
    const double shortness = rng.real();
    const int drawn = chain.kind == ChainKind::Alkane && shortness < 0.02 ? 1
                      : shortness < 0.03                                  ? 2
                                                                          : rng.between(3, 12);
    const int n = std::max(chain.minCarbons, drawn);
    const char* stemPt = kStemsPt[static_cast<std::size_t>(n - 1)];
    const char* stemEn = kStemsEn[static_cast<std::size_t>(n - 1)];

    bodyPt.clear();
    bodyEn.clear();
    headEn.clear();
    const char* headPt = "";
    int groupCarbon = 0; // the carbon that carries the group, when it has a locant
    int skipCarbon = 0;  // the carbon that carries the group, written or not
    int firstFree = 1;   // substituents go on carbons >= firstFree
    switch (chain.kind) {
    case ChainKind::Alkane:
        comp = Composition{n, 2 * n + 2};
        appendf(bodyPt, "%sano", stemPt);
        appendf(bodyEn, "%sane", stemEn);
        break;
    case ChainKind::Alcohol:
        comp = Composition{n, 2 * n + 2, 0, 0, 0, 0, 0, 1};
        props.traits |= kHydroxy;
        groupCarbon = n <= 2 ? 0 : (n >= 5 && rng.chance(0.2) ? 3 : rng.chance(0.65) ? 1 : 2);
        if (groupCarbon) {
            appendf(bodyPt, "%d-%sanol", groupCarbon, stemPt);
            appendf(bodyEn, "%d-%sanol", groupCarbon, stemEn);
        } else {
            appendf(bodyPt, "%sanol", stemPt);
            appendf(bodyEn, "%sanol", stemEn);
        }
        break;
    case ChainKind::Ketone:
        comp = Composition{n, 2 * n, 0, 0, 0, 0, 0, 1};
        props.traits |= kCarbonyl;
        groupCarbon = n <= 4 ? 0 : (n >= 6 && rng.chance(0.35) ? 3 : 2);
        if (groupCarbon) {
            appendf(bodyPt, "%d-%sanona", groupCarbon, stemPt);
            appendf(bodyEn, "%d-%sanone", groupCarbon, stemEn);
        } else {
            appendf(bodyPt, "%sanona", stemPt);
            appendf(bodyEn, "%sanone", stemEn);
            skipCarbon = 2;
        }
        break;
    case ChainKind::Aldehyde:
        comp = Composition{n, 2 * n, 0, 0, 0, 0, 0, 1};
        props.traits |= kCarbonyl;
        firstFree = 2;
        appendf(bodyPt, "%sanal", stemPt);
        appendf(bodyEn, "%sanal", stemEn);
        break;
    case ChainKind::Acid:
        comp = Composition{n, 2 * n, 0, 0, 0, 0, 0, 2};
        props.traits |= kAcid;
        firstFree = 2;
        headPt = "Ácido ";
        appendf(bodyPt, "%sanoico", stemPt);
        appendf(bodyEn, "%sanoic acid", stemEn);
        break;
    case ChainKind::Ester: {
        const std::size_t g = static_cast<std::size_t>(rng.below(static_cast<int>(kEsterGroups.size())));
        comp = Composition{n, 2 * n, 0, 0, 0, 0, 0, 2};
        add(comp, esterChange[g]);
        props.traits |= kEster;
        firstFree = 2;
        appendf(bodyPt, "%sanoato de %s", stemPt, kEsterGroups[g].pt);
        appendf(headEn, "%s ", kEsterGroups[g].en);
        appendf(bodyEn, "%sanoate", stemEn);
        break;
    }
    case ChainKind::Amine:
        comp = Composition{n, 2 * n + 3, 0, 0, 0, 0, 1};
        props.traits |= kAmine;
        firstFree = 2;
        appendf(bodyPt, "%silamina", stemPt);
        appendf(bodyEn, "%sylamine", stemEn);
        break;
    case ChainKind::Nitrile:
        comp = Composition{n, 2 * n - 1, 0, 0, 0, 0, 1};
        props.traits |= kNitrile;
        firstFree = 2;
        appendf(bodyPt, "%sanonitrila", stemPt);
        appendf(bodyEn, "%sanenitrile", stemEn);
        break;
    }

    if (groupCarbon)
        skipCarbon = groupCarbon;
    // An alkane with a hydroxy group is an alcohol, and so on: those go by the other name.
    static constexpr std::array<const char*, 8> kOwnGroup = {"hidroxi", "hidroxi", "acetil", "formil",
                                                             "carboxi", "carboxi", "amino",  "ciano"};
    Sites sites;
    sites.first = firstFree;
    sites.last = n;
    sites.carbons = n;
    sites.skip = skipCarbon ? skipCarbon : chain.kind == ChainKind::Alcohol ? 1 : 0;
    sites.excluded = kOwnGroup[static_cast<std::size_t>(chain.kind)];
    std::array<Placement, 8> placed{};
    const int count = placeSubstituents(
        comp, placed.data(), std::min(substituentCount(rng, false), n >= 5 ? n : 3), sites, props.traits);
    // A one-carbon compound, or ethane with one substituent (chloroethane), needs no locant.
    const bool omit = n == 1 || (chain.kind == ChainKind::Alkane && n == 2 && count == 1);

    prefixPt.clear();
    prefixEn.clear();
    appendPrefix(prefixPt, placed.data(), count, false, omit, nullptr, false);
    appendPrefix(prefixEn, placed.data(), count, true, omit, nullptr, false);
    joinName(text(store::NOME), headPt, prefixPt, bodyPt.c_str());
    joinName(text(store::ALDRICH), headEn.c_str(), prefixEn, bodyEn.c_str());
    organicProperties(props, comp, false);
}

void ChemicalGenerator::Impl::organicProperties(Properties& props, const Composition& comp, bool ring)
{
    props.mw = mass(comp);
    const unsigned t = props.traits;
    props.polarity = (t & kAcid ? 2.0 : 0) + (t & kHydroxy ? 1.5 : 0) + (t & kAmide ? 1.5 : 0) +
                     (t & kAmine ? 1.0 : 0) + (t & kNitro ? 0.6 : 0) + (t & kNitrile ? 0.5 : 0) +
                     (t & kCarbonyl ? 0.4 : 0) + (t & kEster ? 0.3 : 0);
    const double halogens = comp[Cl] * kMasses[Cl] + comp[Br] * kMasses[Br] + comp[I] * kMasses[I] +
                            comp[F] * kMasses[F] + comp[S] * kMasses[S];
    const double lightHetero = comp[N] * kMasses[N] + comp[O] * kMasses[O];
    props.heavy = (halogens + 0.35 * lightHetero) / props.mw;

    const double solidOdds = (props.mw - 120) / 150 + props.polarity * 0.15 + (ring ? 0.1 : 0);
    props.phase = rng.real() < solidOdds ? Phase::Solid : Phase::Liquid;
    const double boil = 0.75 * props.mw + 20 * props.polarity + (ring ? 35 : 0) - 5 + rng.real(-15, 15);
    props.boil = std::clamp(boil, 25.0, 330.0);
    if (props.phase == Phase::Liquid)
        props.melt = rng.real(-110, -5);
    else
        props.melt = std::clamp(30 + 0.55 * props.mw + 22 * props.polarity + rng.real(-35, 35), 28.0, 360.0);
}

void ChemicalGenerator::Impl::organicHazards(const Properties& props)
{
    hazards.clear();
    const unsigned t = props.traits;
    if (props.phase == Phase::Liquid) {
        if (props.boil < 35)
            hazards.add(H224);
        else if (props.boil < 60 || (props.boil < 100 && rng.chance(0.8)))
            hazards.add(H225);
        else if (props.boil < 160 && rng.chance(0.7))
            hazards.add(H226);
    } else if (rng.chance(0.04)) {
        hazards.add(H228);
    }
    if (!hazards.count() && rng.chance(0.1))
        return; // not classified
    if (t & kAcid)
        hazards.add(props.phase == Phase::Liquid && rng.chance(0.6) ? H314 : H315);
    if (t & kAmine && rng.chance(0.5))
        hazards.add(H317);
    if (t & kNitro && rng.chance(0.6))
        hazards.add(rng.chance(0.5) ? H301 : H373);
    if (t & kHalogen && rng.chance(0.4))
        hazards.add(rng.chance(0.5) ? H411 : H410);

    static constexpr std::array<HazardCode, 20> kPool = {H302,  H302, H315, H315, H319, H319, H335,
                                                         H312,  H332, H318, H336, H304, H341, H351,
                                                         H361d, H373, H412, H311, H331, H317};
    const int lines = rng.between(1, 4);
    for (int guard = 0; hazards.count() < lines && guard < 8; ++guard) {
        const HazardCode c = rng.pick(kPool);
        if ((c == H336 || c == H304) && props.phase != Phase::Liquid)
            continue;
        hazards.add(c);
    }
}

void ChemicalGenerator::Impl::organicCharacteristic(const Properties& props)
{
    std::string& out = text(store::CARACTERISTIC);
    const unsigned t = props.traits;
    if (props.phase == Phase::Liquid) {
        static constexpr std::array<const char*, 8> kColours = {"Colourless",  "Colourless",
                                                                "Colourless",  "Colourless",
                                                                "Pale yellow", "Colourless to pale yellow",
                                                                "Yellow",      "Light brown"};
        out += rng.pick(kColours);
        out += props.mw > 160 && rng.chance(0.5) ? " oily liquid"
               : props.polarity > 1.5            ? " viscous liquid"
                                                 : " liquid";
        if (t & kEster)
            out += " with a fruity odour";
        else if (t & kAmine)
            out += " with an amine-like odour";
        else if (t & kSulfur)
            out += " with an unpleasant, penetrating odour";
        else if (t & kAromatic && rng.chance(0.6))
            out += " with an aromatic odour";
        else {
            static constexpr std::array<const char*, 5> kOdours = {
                " with a characteristic odour", " with a sweet odour", " with a pungent odour",
                " with a faint odour", ", practically odourless"};
            out += rng.pick(kOdours);
        }
    } else {
        static constexpr std::array<const char*, 7> kColours = {
            "White", "White", "Off-white", "Colourless", "Pale yellow", "Beige", "Light brown"};
        out += t & kNitro && rng.chance(0.7) ? (t & kAmine ? "Orange" : "Yellow") : rng.pick(kColours);
        static constexpr std::array<const char*, 7> kForms = {
            " crystalline powder", " crystals", " powder", " needles", " flakes",
            " crystalline solid",  " prisms"};
        out += rng.pick(kForms);
        if (rng.chance(0.3))
            out += rng.chance(0.5) ? " with a faint odour" : ", odourless";
    }
    static constexpr std::array<const char*, 8> kTraits = {
        "; hygroscopic",        "; light-sensitive",   "; air-sensitive, store under nitrogen",
        "; store cold",         "; lachrymator",       "; keep tightly closed",
        "; darkens on storage", "; moisture-sensitive"};
    if (rng.chance(0.3))
        out += rng.pick(kTraits);
    out += '.';

    if (rng.chance(0.35))
        return; // one line only
    out += '\n';
    const double p = props.polarity - (props.mw - 100) / 80;
    if (props.phase == Phase::Liquid && p > 1.2)
        out += "Miscible with water";
    else if (p > 0.8)
        out += "Soluble in water";
    else if (p > 0.1)
        out += "Slightly soluble in water";
    else
        out += rng.chance(0.5) ? "Practically insoluble in water" : "Insoluble in water";
    if (p > 0.1 && p <= 1.2 && rng.chance(0.5))
        appendf(out, " (about %d g/L at 20 °C)",
                std::max(1, static_cast<int>(std::exp(p * 3) * rng.real(1, 4))));
    static constexpr std::array<const char*, 6> kSolvents = {
        "; soluble in ethanol, ether and chloroform.",     "; soluble in methanol, acetone and DMSO.",
        "; soluble in dichloromethane and ethyl acetate.", "; soluble in most organic solvents.",
        "; soluble in hot ethanol, slightly in ether.",    "; miscible with ethanol, ether and acetone."};
    const char* solvents = rng.pick(kSolvents);
    if (props.phase != Phase::Liquid && std::strncmp(solvents, "; miscible", 10) == 0)
        solvents = kSolvents[0];
    out += solvents;
}

void ChemicalGenerator::Impl::organic(Properties& props, Composition& comp, Store& place)
{
    static constexpr std::array<int, 5> kPressures = {1, 2, 10, 15, 20}; // mmHg of a reduced-pressure bp
    if (rng.chance(0.6))
        ringCompound(props, comp);
    else
        chainCompound(props, comp);

    // Bases are often kept as their hydrochlorides: solid, and soluble in water.
    const bool hydrochloride = (props.traits & kAmine) && !(props.traits & kAcid) && rng.chance(0.15);
    if (hydrochloride) {
        text(store::NOME).insert(0, "Cloridrato de ");
        text(store::ALDRICH) += " hydrochloride";
        props.mw += 36.46;
        props.phase = Phase::Solid;
        props.polarity += 2;
        props.melt = std::clamp(props.melt + 120, 150.0, 320.0);
    }
    const Grade& grade = kGrades[static_cast<std::size_t>(rng.weighted(kGrades))];
    text(store::NOME) += grade.pt;
    text(store::ALDRICH) += grade.en;
    appendHill(text(store::FORMULA), comp);
    if (hydrochloride)
        text(store::FORMULA) += "·HCl";
    appendf(text(store::MW), "%.2f g/mol", props.mw);

    std::string& mp = text(store::MP);
    std::string& bp = text(store::BP);
    std::string& density = text(store::DENSITY);
    if (props.phase == Phase::Liquid) {
        appendf(mp, "%.0f °C", props.melt);
        if (rng.chance(0.4))
            appendf(bp, "%.1f °C", props.boil);
        else
            appendf(bp, "%.0f °C", props.boil);
        const double d = std::clamp(0.66 + props.heavy + ((props.traits & kAromatic) ? 0.12 : 0) +
                                        props.polarity * 0.03 + rng.real(-0.03, 0.03),
                                    0.62, 2.95);
        appendf(density, "%.3f g/mL at %d °C", d, rng.chance(0.7) ? 25 : 20);
    } else {
        const int m = static_cast<int>(props.melt);
        const double form = rng.real();
        if (m > 200 && form < 0.3)
            appendf(mp, "%d °C (decomposes)", m);
        else if (form < 0.6)
            appendf(mp, "%d-%d °C", m, m + rng.between(1, 4));
        else if (form < 0.7)
            appendf(mp, "%d-%d °C (lit.)", m, m + rng.between(1, 3));
        else
            appendf(mp, "%d °C", m);
        const double b = rng.real();
        if (b < 0.5)
            record.null[store::BP] = true;
        else if (b < 0.58 && props.polarity < 1)
            bp += "sublimes";
        else if (b < 0.8)
            appendf(bp, "%.0f °C at %d mmHg", props.boil * 0.7 + 40, rng.pick(kPressures));
        else
            appendf(bp, "%.0f °C", std::max(props.boil, props.melt + 60));
        if (rng.chance(0.35))
            record.null[store::DENSITY] = true;
        else
            appendf(density, "%.2f g/cm³",
                    std::clamp(1.05 + props.heavy * 0.9 + rng.real(-0.05, 0.1), 1.0, 2.9));
    }

    organicHazards(props);
    if (hazards.has(H224) || hazards.has(H225) || hazards.has(H226))
        place = Store::Flammable;
    else if (hazards.has(H301) || hazards.has(H311) || hazards.has(H331))
        place = Store::Toxic;
    else if (hazards.has(H314))
        place = Store::Acid;
    else
        place = props.phase == Phase::Liquid ? Store::Liquid : Store::OrganicSolid;
    if ((props.traits & kEster || props.traits & kCarbonyl) && props.phase == Phase::Liquid &&
        rng.chance(0.05))
        hazards.add(EUH019);
    hazards.appendLines(text(store::HAZARDS));
    organicCharacteristic(props);
}

// ---- Salts and their solutions ------------------------------------------------------

namespace {

int gcd(int a, int b)
{
    return b == 0 ? a : gcd(b, a % b);
}

void appendIon(std::string& out, const char* formula, int count, bool polyatomic)
{
    if (count > 1 && polyatomic)
        appendf(out, "(%s)%d", formula, count);
    else if (count > 1)
        appendf(out, "%s%d", formula, count);
    else
        out += formula;
}

} // namespace

void ChemicalGenerator::Impl::salt(Properties& props, Store& place)
{
    const Cation* cation = &kCations[static_cast<std::size_t>(rng.weighted(kCations))];
    const Anion& anion = kAnions[static_cast<std::size_t>(rng.weighted(kAnions))];
    if (anion.monovalentOnly && cation->charge != 1)
        cation = &kCations[static_cast<std::size_t>(rng.below(3))]; // sodium, potassium or lithium
    const int lcm = cation->charge * anion.charge / gcd(cation->charge, anion.charge);
    const int nCation = lcm / cation->charge;
    const int nAnion = lcm / anion.charge;

    const bool asSolution = anion.solution && rng.chance(0.4);
    const bool oxide = std::strcmp(anion.formula, "O") == 0;
    const Hydrate& hydrate =
        asSolution || oxide ? kHydrates[0] : kHydrates[static_cast<std::size_t>(rng.weighted(kHydrates))];

    std::string& formula = text(store::FORMULA);
    if (anion.first) {
        appendIon(formula, anion.formula, nAnion, nAnion > 1);
        appendIon(formula, cation->symbol, nCation, cation->polyatomic);
    } else {
        appendIon(formula, cation->symbol, nCation, cation->polyatomic);
        appendIon(formula, anion.formula, nAnion, anion.polyatomic);
    }
    if (hydrate.water == 1)
        formula += "·H2O";
    else if (hydrate.water > 1)
        appendf(formula, "·%dH2O", hydrate.water);
    props.mw = nCation * cation->mass + nAnion * anion.mass + hydrate.water * 18.015;
    appendf(text(store::MW), "%.2f g/mol", props.mw);

    std::string& nome = text(store::NOME);
    std::string& aldrich = text(store::ALDRICH);
    const Grade& grade = kGrades[static_cast<std::size_t>(rng.weighted(kGrades))];
    if (asSolution) {
        const Concentration& c = rng.pick(kConcentrations);
        appendf(nome, "Solução de %s de %s %s", anion.pt, cation->pt, c.pt);
        appendf(aldrich, "%s %s solution, %s", cation->en, anion.en, c.en);
        props.phase = Phase::Solution;
        record.null[store::MP] = true;
        text(store::BP) += "about 100 °C";
        appendf(text(store::DENSITY), "%.3f g/mL at 20 °C", 0.998 + c.densityRise * (0.7 + props.mw / 300));
        hazards.clear();
        if (anion.hazards & kCorrosive)
            hazards.add(c.strong ? H314 : H315);
        if (c.strong && (cation->hazards & kToxicMetal))
            hazards.add(H302);
        if (cation->hazards & kAquatic && rng.chance(0.5))
            hazards.add(H411);
        if (anion.hazards & kCorrosive && c.strong)
            hazards.add(H290);
        if (c.strong && !hazards.count() && rng.chance(0.5))
            hazards.add(H319);
        hazards.appendLines(text(store::HAZARDS));
        place = Store::Solution;
        std::string& ch = text(store::CARACTERISTIC);
        appendf(ch, "%s aqueous solution; standardise before use in titrations.",
                cation->colour ? cation->colour
                : anion.colour ? anion.colour
                               : "Colourless");
        return;
    }

    appendf(nome, "%s de %s%s%s", anion.pt, cation->pt, hydrate.pt, grade.pt);
    capitalize(nome);
    appendf(aldrich, "%s %s%s%s", cation->en, anion.en, hydrate.en, grade.en);
    props.phase = Phase::Solid;

    const double form = rng.real();
    const int melt = static_cast<int>(rng.real(250, 1400));
    if (hydrate.water > 0 && form < 0.6)
        appendf(text(store::MP), "loses water at %d °C", rng.between(40, 200));
    else if (anion.hazards & kOxidant || form < 0.25)
        appendf(text(store::MP), "decomposes at %d °C", rng.between(150, 700));
    else
        appendf(text(store::MP), "%d °C", melt);
    if (rng.chance(0.6) || hydrate.water > 0)
        record.null[store::BP] = true;
    else
        appendf(text(store::BP), "%d °C", melt + rng.between(300, 900));
    const double density = std::clamp(1.4 + props.mw / 140 + rng.real(-0.4, 0.4), 1.3, 7.5);
    appendf(text(store::DENSITY), "%.2f g/cm³", density);

    hazards.clear();
    const unsigned h = cation->hazards | anion.hazards;
    if (h & kOxidant)
        hazards.add(H272);
    if (h & kCorrosive) {
        hazards.add(H290);
        hazards.add(H314);
    }
    if (h & kToxicMetal)
        hazards.add(rng.chance(0.5) ? H301 : H302);
    if (h & kCarcinogenic) {
        hazards.add(H350);
        if (rng.chance(0.5))
            hazards.add(H317);
    }
    if (h & kAquatic)
        hazards.add(H410);
    if (!h && rng.chance(0.4)) {
        static constexpr std::array<HazardCode, 6> kMild = {H302, H315, H319, H319, H335, H412};
        const int lines = rng.between(1, 3);
        for (int i = 0; i < lines; ++i)
            hazards.add(rng.pick(kMild));
    }
    hazards.appendLines(text(store::HAZARDS));
    place = h & kOxidant                        ? Store::Oxidant
            : h & kCorrosive                    ? Store::Base
            : h & (kToxicMetal | kCarcinogenic) ? Store::Toxic
                                                : Store::Salt;

    std::string& ch = text(store::CARACTERISTIC);
    ch += anion.colour      ? anion.colour
          : cation->colour  ? cation->colour
          : rng.chance(0.6) ? "White"
                            : "Colourless";
    static constexpr std::array<const char*, 5> kForms = {" crystals", " crystalline powder", " powder",
                                                          " granules", " lumps"};
    ch += rng.pick(kForms);
    static constexpr std::array<const char*, 6> kSaltTraits = {
        "", "", ", hygroscopic", ", deliquescent", ", efflorescent in dry air", ", odourless"};
    ch += rng.pick(kSaltTraits);
    ch += ".\n";
    const bool soluble = anion.soluble || cation->charge == 1;
    if (oxide && cation->charge == 1)
        ch += "Reacts violently with water, giving the hydroxide; keep dry.";
    else if (soluble)
        appendf(ch, "%s in water (about %d g/L at 20 °C); %s.", rng.chance(0.5) ? "Soluble" : "Very soluble",
                rng.between(5, 150) * 10,
                rng.chance(0.5) ? "slightly soluble in ethanol" : "insoluble in ethanol");
    else
        ch += rng.chance(0.5) ? "Practically insoluble in water; soluble in dilute acids."
                              : "Insoluble in water and ethanol; dissolves in dilute mineral acids.";
}

// ---- Mixtures -----------------------------------------------------------------------

void ChemicalGenerator::Impl::mixture(Properties& props, Store& place)
{
    const int which = rng.weighted(kMixtures);
    const Mixture& mix = kMixtures[static_cast<std::size_t>(which)];
    const int v = rng.below(mix.variants);
    const char* pt = "";
    const char* en = "";
    switch (which) {
    case Buffer:
        pt = kBufferPt[static_cast<std::size_t>(v)];
        en = kBufferEn[static_cast<std::size_t>(v)];
        break;
    case Standard:
        pt = kStandardPt[static_cast<std::size_t>(v)];
        en = kStandardEn[static_cast<std::size_t>(v)];
        break;
    case PetroleumEther:
        pt = en = kPetroleumRanges[static_cast<std::size_t>(v)];
        break;
    case Silica:
        pt = en = kSilicaMesh[static_cast<std::size_t>(v)];
        break;
    case Sieves:
        pt = en = kSieves[static_cast<std::size_t>(v)];
        break;
    case Resin:
        pt = en = kResinPt[static_cast<std::size_t>(v)];
        break;
    case Paraffin:
        pt = en = kParaffin[static_cast<std::size_t>(v)];
        break;
    case Charcoal:
        pt = en = kCharcoalMesh[static_cast<std::size_t>(v)];
        break;
    default:
        break;
    }
    // The templates hold at most one %s; the ones without ignore the argument.
    const std::string ptTemplate = mix.pt;
    const std::string enTemplate = mix.en;
    const auto fill = [](std::string& out, const std::string& pattern, const char* value) {
        const std::size_t at = pattern.find("%s");
        if (at == std::string::npos) {
            out += pattern;
            return;
        }
        out.append(pattern, 0, at);
        out += value;
        out.append(pattern, at + 2, std::string::npos);
    };
    fill(text(store::NOME), ptTemplate, pt);
    fill(text(store::ALDRICH), enTemplate, en);

    record.null[store::FORMULA] = true;
    record.null[store::MW] = true;
    hazards.clear();
    const bool liquid = which == Buffer || which == Standard || which == PetroleumEther ||
                        which == MineralOil || which == Indicator;
    props.phase = liquid ? Phase::Liquid : Phase::Solid;
    switch (which) {
    case PetroleumEther:
        record.null[store::MP] = true;
        appendf(text(store::BP), "%s °C", pt);
        text(store::DENSITY) += "about 0.65 g/mL at 20 °C";
        hazards.add(H225);
        hazards.add(H304);
        hazards.add(H336);
        hazards.add(H411);
        place = Store::Flammable;
        text(store::CARACTERISTIC) += "Colourless, volatile mixture of light alkanes.\nInsoluble in water; "
                                      "miscible with ether and chloroform.";
        return;
    case Paraffin:
        appendf(text(store::MP), "%s °C", pt);
        record.null[store::BP] = true;
        text(store::DENSITY) += "0.90 g/cm³";
        place = Store::OrganicSolid;
        text(store::CARACTERISTIC) +=
            "White, odourless, waxy pellets.\nInsoluble in water; soluble in hexane and "
            "warm toluene.";
        hazards.appendLines(text(store::HAZARDS));
        return;
    default:
        break;
    }
    record.null[store::MP] = true;
    if (liquid) {
        text(store::BP) += which == MineralOil ? "above 300 °C" : "about 100 °C";
        text(store::DENSITY) += which == MineralOil ? "0.85 g/mL at 25 °C" : "1.00 g/mL at 20 °C";
        if (which == Standard)
            hazards.add(H290); // kept in dilute nitric acid
        if (which == Indicator)
            hazards.add(H226); // ethanolic
        place = which == Indicator ? Store::Flammable : Store::Solution;
        text(store::CARACTERISTIC) += which == MineralOil
                                          ? "Colourless, odourless, oily liquid.\nInsoluble in water; "
                                            "miscible with hexane and ether."
                                          : "Aqueous solution; keep closed and note the expiry date.";
    } else {
        record.null[store::BP] = true;
        appendf(text(store::DENSITY), "bulk density about %.2f g/cm³", rng.real(0.3, 0.8));
        if (which == Silica || which == Diatomite)
            hazards.add(H373); // fine dust
        place = which == Sieves || which == Silica ? Store::OrganicSolid : Store::Salt;
        text(store::CARACTERISTIC) +=
            "Free-flowing solid; activate by drying before use.\nInsoluble in water "
            "and organic solvents.";
    }
    hazards.appendLines(text(store::HAZARDS));
}

// ---- Places and amounts -------------------------------------------------------------

void ChemicalGenerator::Impl::appendPlace(std::string& out, Store place)
{
    if (rng.chance(0.08)) {
        switch (rng.below(6)) {
        case 0:
            appendf(out, "Geladeira %d", rng.between(1, 3));
            return;
        case 1:
            appendf(out, "Freezer -20 °C, gaveta %d", rng.between(1, 4));
            return;
        case 2:
            appendf(out, "Dessecador %d", rng.between(1, 6));
            return;
        case 3:
            appendf(out, "Capela %d, armário inferior", rng.between(1, 4));
            return;
        case 4:
            appendf(out, "Almoxarifado, caixa %d", rng.between(1, 250));
            return;
        default:
            appendf(out, "Sala %d, bancada %d", rng.between(201, 215), rng.between(1, 6));
            return;
        }
    }
    const char letter = static_cast<char>('A' + rng.below(4));
    const int shelf = rng.between(1, 5);
    switch (place) {
    case Store::Flammable:
        appendf(out, "Armário de inflamáveis %c, prateleira %d", letter, shelf);
        return;
    case Store::Acid:
        appendf(out, "Armário de ácidos, prateleira %d", shelf);
        return;
    case Store::Base:
        appendf(out, "Armário de bases, prateleira %d", shelf);
        return;
    case Store::Oxidant:
        appendf(out, "Armário de oxidantes, prateleira %d", shelf);
        return;
    case Store::Toxic:
        out +=
            rng.chance(0.7) ? "Armário de tóxicos (chave com o técnico)" : "Armário de tóxicos, prateleira 2";
        return;
    case Store::Salt:
        appendf(out, "Estante de sais %c, prateleira %d", static_cast<char>('A' + rng.below(6)), shelf);
        return;
    case Store::OrganicSolid:
        appendf(out, "Estante de orgânicos sólidos %c, prateleira %d", static_cast<char>('A' + rng.below(6)),
                shelf);
        return;
    case Store::Liquid:
        appendf(out, "Armário %d, prateleira %d", rng.between(1, 12), shelf);
        return;
    case Store::Solution:
        appendf(out, "Estante de soluções, prateleira %d", shelf);
        return;
    }
}

void ChemicalGenerator::Impl::appendAmount(std::string& out, Phase phase)
{
    static constexpr std::array<Weighted, 10> kVolumes = {{{"5 mL", 2},
                                                           {"10 mL", 3},
                                                           {"25 mL", 5},
                                                           {"50 mL", 6},
                                                           {"100 mL", 12},
                                                           {"250 mL", 14},
                                                           {"500 mL", 16},
                                                           {"1 L", 22},
                                                           {"2.5 L", 8},
                                                           {"4 L", 3}}};
    static constexpr std::array<Weighted, 10> kWeights = {{{"1 g", 3},
                                                           {"5 g", 8},
                                                           {"10 g", 8},
                                                           {"25 g", 14},
                                                           {"50 g", 8},
                                                           {"100 g", 18},
                                                           {"250 g", 14},
                                                           {"500 g", 16},
                                                           {"1 kg", 12},
                                                           {"5 kg", 2}}};
    if (rng.chance(0.15))
        appendf(out, "%d x ", rng.between(2, 6));
    out += phase == Phase::Solid ? kWeights[static_cast<std::size_t>(rng.weighted(kWeights))].text
                                 : kVolumes[static_cast<std::size_t>(rng.weighted(kVolumes))].text;
    if (rng.chance(0.2)) {
        static constexpr std::array<const char*, 6> kNotes = {" (frasco aberto)", " (lacrado)", " (metade)",
                                                              " (quase vazio)",   " (vencido)", ""};
        const char* note = rng.pick(kNotes);
        if (*note)
            out += note;
        else
            appendf(out, " (validade %02d/%d)", rng.between(1, 12), rng.between(2024, 2031));
    }
}

// ---- One record ---------------------------------------------------------------------

void ChemicalGenerator::Impl::generate()
{
    for (std::string& s : record.text)
        s.clear();
    record.null.fill(false);

    Properties props;
    Composition comp{};
    Store place = Store::Liquid;
    const double kind = rng.real();
    if (kind < 0.978)
        organic(props, comp, place);
    else if (kind < 0.998)
        salt(props, place);
    else
        mixture(props, place);
    capitalize(text(store::NOME));
    capitalize(text(store::ALDRICH));

    text(store::FORNECEDOR) += kVendors[static_cast<std::size_t>(rng.weighted(kVendors))].text;
    appendPlace(text(store::LOCAL), place);
    appendAmount(text(store::QUANTIDADE), props.phase);

    // Entries people leave blank: the catalogue name, and now and then the formula.
    if (rng.chance(0.05))
        record.null[store::ALDRICH] = true;
    if (!record.null[store::FORMULA] && rng.chance(0.028))
        record.null[store::FORMULA] = true;
    for (int i = 0; i < store::kColumnCount; ++i)
        if (record.null[static_cast<std::size_t>(i)])
            text(i).clear();
}

ChemicalGenerator::ChemicalGenerator(std::uint64_t seed) : d(std::make_unique<Impl>(seed)) {}
ChemicalGenerator::~ChemicalGenerator() = default;

const GeneratedChemical& ChemicalGenerator::next()
{
    d->generate();
    return d->record;
}

// ---- The file -----------------------------------------------------------------------

namespace {

struct CloseDatabase
{
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct FinalizeStatement
{
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};

records::DataError fillError(const QString& path, sqlite3* db, const char* doing)
{
    const QString detail = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
    return records::DataError(records::DatabaseError,
                              QStringLiteral("The benchmark inventory '%1' could not be filled while %2: %3. "
                                             "Check the free space of its disk and try again.")
                                  .arg(path, QString::fromLatin1(doing), detail));
}

void exec(sqlite3* db, const QString& path, const char* sql, const char* doing)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw fillError(path, db, doing);
}

void removeFiles(const QString& path)
{
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-wal"));
    QFile::remove(path + QStringLiteral("-shm"));
    QFile::remove(path + QStringLiteral("-journal"));
}

} // namespace

void generateInventory(const QString& rawPath, std::int64_t n, std::uint64_t seed)
{
    if (n < 0)
        throw records::DataError(
            records::DatabaseError,
            QStringLiteral("A benchmark inventory cannot hold %1 chemicals; give a count "
                           "of 0 or more.")
                .arg(n));
    const QString path = records::normalizePath(rawPath);
    records::Database::create(path, store::schemaScript());

    try {
        sqlite3* raw = nullptr;
        const int rc =
            sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
        std::unique_ptr<sqlite3, CloseDatabase> db(raw);
        if (rc != SQLITE_OK)
            throw fillError(path, raw, "opening it");

        // Nothing else can see the file yet and a failure removes it, so the fill needs
        // no journal and no syncs; the file is put back into WAL mode, as made, at the end.
        exec(db.get(), path, "PRAGMA journal_mode=OFF", "preparing it");
        exec(db.get(), path, "PRAGMA synchronous=OFF", "preparing it");
        exec(db.get(), path, "PRAGMA cache_size=-65536", "preparing it");
        exec(db.get(), path, "BEGIN", "starting the fill");

        QByteArray sql = "INSERT INTO " + store::tableName().toLatin1() + " (";
        for (int i = 0; i < store::kColumnCount; ++i)
            sql += QByteArray(i ? ", " : "") + store::kColumns[static_cast<std::size_t>(i)].name;
        sql += ") VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12)";
        sqlite3_stmt* rawStmt = nullptr;
        if (sqlite3_prepare_v2(db.get(), sql.constData(), -1, &rawStmt, nullptr) != SQLITE_OK)
            throw fillError(path, db.get(), "preparing the insert");
        std::unique_ptr<sqlite3_stmt, FinalizeStatement> insert(rawStmt);

        ChemicalGenerator generator(seed);
        for (std::int64_t row = 0; row < n; ++row) {
            const GeneratedChemical& c = generator.next();
            for (int i = 0; i < store::kColumnCount; ++i) {
                const std::size_t k = static_cast<std::size_t>(i);
                const int bound = c.null[k]
                                      ? sqlite3_bind_null(insert.get(), i + 1)
                                      : sqlite3_bind_text(insert.get(), i + 1, c.text[k].data(),
                                                          static_cast<int>(c.text[k].size()), SQLITE_STATIC);
                if (bound != SQLITE_OK)
                    throw fillError(path, db.get(), "binding a value");
            }
            if (sqlite3_step(insert.get()) != SQLITE_DONE)
                throw fillError(path, db.get(), "inserting a chemical");
            sqlite3_reset(insert.get());
        }
        insert.reset();
        exec(db.get(), path, "COMMIT", "committing the fill");
        exec(db.get(), path, "PRAGMA journal_mode=WAL", "finishing it");
    } catch (...) {
        removeFiles(path);
        throw;
    }
}

} // namespace bench
