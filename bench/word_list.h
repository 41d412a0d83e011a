#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

// The words of the benchmark inventories: the tables of chemical_words.txt, read into the
// shapes the generator draws from. The build puts the file into the program.
namespace bench {

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
        const std::uint64_t result = std::rotl(s_[1] * 5, 7) * 9;
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = std::rotl(s_[3], 45);
        return result;
    }
    // 0 <= result < n; the bias of the remainder is below 2^-40 for our table sizes.
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    template <class C> int below(const C& items) { return below(static_cast<int>(items.size())); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    double real() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    double real(double lo, double hi) { return lo + (hi - lo) * real(); }
    bool chance(double p) { return p >= 1 || real() < p; }

private:
    std::array<std::uint64_t, 4> s_{};
};

enum Language : int
{
    Pt,
    En
};
using Names = std::array<std::string, 2>; // by Language
using Composition = std::array<int, 32>;  // atoms by element, in the order of [element]
constexpr int kC = 0, kH = 1;             // Hill order opens with carbon and hydrogen

inline void add(Composition& into, const Composition& delta)
{
    for (std::size_t e = 0; e < into.size(); ++e)
        into[e] += delta[e];
}

// An index drawn by the weights given to add().
struct Weights
{
    std::vector<int> upTo;
    void add(int weight) { upTo.push_back((upTo.empty() ? 0 : upTo.back()) + weight); }
    int pick(Rng& rng) const;
};

// A table of phrases: the first group whose words the chemical has is taken, at its chance.
struct Phrases
{
    struct Group
    {
        std::string when;
        std::uint64_t words = 0;
        double chance = 1;
        Weights weights;
        std::vector<std::string> texts;
    };
    std::vector<Group> groups;
    std::string_view pick(Rng& rng, std::uint64_t words) const;
};

// Adds one of codes (indexes of statements), at a chance.
struct Rule
{
    std::vector<int> codes;
    double chance = 1;
};
using Rules = std::vector<Rule>;

struct Substituent
{
    Names name;
    Composition change{};
    std::uint64_t groups = 0;
    int arm = 0;
    bool bis = false;
};

struct Ring
{
    Names name;
    Composition formula{};
    std::string locants;
    bool primes = false;
    std::vector<std::vector<int>> readings; // for each other reading, each position's new index
    bool allAlike = false;                  // every position reads as every other
    std::uint64_t groups = 0;
    int own = -1;
};

struct Chain
{
    int fewest = 1;
    Composition plus{};
    Names name;
    std::uint64_t groups = 0;
    std::vector<int> groupOn;
    int locantFrom = 0; // 0: never written
    int own = -1;
    bool ester = false;
};

struct Group
{
    std::uint64_t word = 0;
    double polarity = 0;
    std::array<Rules, 2> rules; // liquid, solid
};

struct Ion
{
    Names name;
    std::string formula, colour;
    int charge = 1;
    double mass = 0;
    bool polyatomic = false, alkali = false, first = false, solution = false, soluble = false, oxide = false;
    std::uint64_t words = 0;
};

struct Mixture
{
    Names name;
    const std::vector<Names>* variants = nullptr;
    std::uint64_t words = 0;
    std::array<std::string, 3> data; // mp, bp, density; empty for Null
    Rules hazards;
    std::string characteristic;
};

struct Hazard
{
    std::string code, line;
    std::uint64_t keptIn = 0;
};

struct WordList
{
    // Reads a word list; throws records::DataError naming the line of its first fault.
    explicit WordList(std::string_view text);
    WordList(const WordList&) = delete; // mixtures point into variants
    WordList& operator=(const WordList&) = delete;
    // The list the build put into the program, read once.
    static const WordList& builtIn();

    std::vector<std::string> symbols;
    std::vector<double> masses, densityWeights;
    double waterMass = 0, hclMass = 0;
    std::vector<Hazard> hazards;
    std::string unclassified;
    int h224 = 0, h225 = 0, h226 = 0, h228 = 0;
    std::vector<std::pair<std::uint64_t, std::vector<int>>> hazardPool; // by words
    std::vector<Group> groups;
    std::vector<Substituent> substituents;
    std::array<Names, 5> multipliers; // by count: di, bis
    std::vector<Ring> rings;
    std::vector<Names> stems; // by carbons - 1
    std::vector<Chain> chains;
    std::vector<std::pair<Names, Composition>> esters;
    std::vector<Names> grades;
    Names hydrochloride, salt, solution;
    std::vector<std::pair<std::uint64_t, std::array<Rules, 3>>> ionHazards; // solid, strong, dilute
    std::vector<Ion> cations, anions;
    std::vector<int> alkali;
    std::vector<std::pair<Names, int>> hydrates;            // and their water
    std::vector<std::tuple<Names, double, bool>> strengths; // density above water, strong
    std::map<std::string, std::vector<Names>, std::less<>> variants;
    std::vector<Mixture> mixtures;
    std::vector<std::string> vendors;
    Weights substituentWeights, ringWeights, chainWeights, gradeWeights, cationWeights, anionWeights,
        hydrateWeights, mixtureWeights, vendorWeights;
    Phrases place, bottles, amount, label, colour, form, odour, note, inWater, solvents;

    // Words the generator gives a chemical itself, and words of the list it looks at.
    std::uint64_t liquid = 0, solid = 0, solutionWord = 0, saltWord = 0, heavy = 0, polar = 0, miscible = 0,
                  soluble = 0, slightly = 0, reactive = 0, harmless = 0, amine = 0, acid = 0, aromatic = 0,
                  oxidant = 0, ionHazardWords = 0;

    double mass(const Composition& c) const
    {
        double m = 0;
        for (std::size_t e = 0; e < symbols.size(); ++e)
            m += c[e] * masses[e];
        return m;
    }
};

} // namespace bench
