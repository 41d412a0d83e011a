#include "bench/inventory_generator.h"

#include "bench/word_list.h"
#include "platform/data/database.h"
#include "platform/data/errors.h"

#include <QFile>

#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <numeric>

namespace bench {
namespace {

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

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Upper-cases the first letter of a name, past locants ("2,4-", "4'-") and italic prefixes
// ("terc-", "tert-"); knows the accented lower-case letters of Portuguese in UTF-8.
void capitalize(std::string& s)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c >= 'a' && c <= 'z') {
            if (s.compare(i, 5, "terc-") == 0 || s.compare(i, 5, "tert-") == 0) {
                i += 4;
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
    }
}

// A name without its italic prefix, which alphabetical order overlooks: "terc-butil" goes
// under b.
std::string_view unitalic(std::string_view name)
{
    return name.starts_with("terc-") || name.starts_with("tert-") ? name.substr(5) : name;
}

// Sorts the few items of a name part in place (std::sort draws a false array-bounds
// warning from GCC 12 on arrays this small).
template <class T, class Less = std::less<>> void sortSmall(T* items, int n, Less less = {})
{
    for (int i = 1; i < n; ++i)
        for (int j = i; j > 0 && less(items[j], items[j - 1]); --j)
            std::swap(items[j], items[j - 1]);
}

// ---- Text with slots ----------------------------------------------------------------

struct Slot
{
    std::string_view name, value;
};

// Copies text to out, filling its slots: named ones from fills, {1-5}, {A-D} and {a/b}
// by the generator. An unknown slot is copied as it is, for the tests to see.
void expand(std::string& out, std::string_view text, Rng& rng, std::initializer_list<Slot> fills = {})
{
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t open = text.find('{', at), close = text.find('}', open);
        out.append(text.substr(at, open == std::string_view::npos ? open : open - at));
        if (close == std::string_view::npos)
            return;
        at = close + 1;
        const std::string_view inner = text.substr(open + 1, close - open - 1);
        const auto named =
            std::find_if(fills.begin(), fills.end(), [&](const Slot& s) { return s.name == inner; });
        const std::size_t dash = inner.find('-');
        if (named != fills.end()) {
            // A locant right after a name part takes a hyphen: "3-cloro-2-butanol".
            const std::string_view v = named->value;
            if (!v.empty() && isDigit(v[0]) && !out.empty() &&
                ((out.back() >= 'a' && out.back() <= 'z') || out.back() == ')'))
                out += '-';
            out += v;
        } else if (inner.find('/') != std::string_view::npos) {
            std::size_t from = 0;
            for (int k = rng.below(static_cast<int>(std::count(inner.begin(), inner.end(), '/')) + 1); k > 0;
                 --k)
                from = inner.find('/', from) + 1;
            out += inner.substr(from, inner.find('/', from) - from);
        } else if (dash == 1 && inner.size() == 3 && inner[0] >= 'A' && inner[0] <= 'Z') {
            out += static_cast<char>(rng.between(inner[0], inner[2]));
        } else if (int lo = 0, hi = 0;
                   dash != std::string_view::npos &&
                   std::from_chars(inner.data(), inner.data() + dash, lo).ec == std::errc() &&
                   std::from_chars(inner.data() + dash + 1, inner.data() + inner.size(), hi).ec ==
                       std::errc()) {
            appendf(out, "%0*d", inner[0] == '0' ? static_cast<int>(dash) : 1, rng.between(lo, hi));
        } else {
            out.append(text.substr(open, close - open + 1));
        }
    }
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

void appendIon(std::string& out, const Ion& ion, int count)
{
    if (count > 1 && ion.polyatomic)
        appendf(out, "(%s)%d", ion.formula.c_str(), count);
    else if (count > 1)
        appendf(out, "%s%d", ion.formula.c_str(), count);
    else
        out += ion.formula;
}

} // namespace

struct ChemicalGenerator::Impl
{
    explicit Impl(std::uint64_t seed) : w(WordList::builtIn()), rng(seed) {}

    struct Placed
    {
        int sub;
        int at; // a carbon of a chain, or an index into a ring's locants
    };
    using Placement = std::array<Placed, 4>;

    const WordList& w;
    Rng rng;
    GeneratedChemical record;
    std::uint64_t tags = 0;      // the words of the chemical, for the tables of phrases
    std::uint64_t hazards = 0;   // its statements, by index into w.hazards
    std::string prefix, scratch; // kept between records so that their capacity is reused

    std::string& text(int ordinal) { return record.text[ordinal]; }
    std::string& name(int lang) { return text(lang == Pt ? store::NOME : store::ALDRICH); }

    void generate();
    void organic();
    bool ringCompound(Composition& comp);
    bool chainCompound(Composition& comp);
    int place(Composition& comp, Placement& out, int wanted, int positions, int carbons, int skip, int own);
    void appendPrefix(std::string& out, const Placement& placed, int count, int lang, bool omit,
                      const Ring* ring);
    void salt();
    void mixture();

    // Adds the phrase a table gives this chemical, spaced unless it opens with a comma.
    void phrase(int ordinal, const Phrases& table)
    {
        const std::string_view t = table.pick(rng, tags);
        std::string& out = text(ordinal);
        if (!t.empty() && !out.empty() && t[0] != ',' && t[0] != ';')
            out += ' ';
        expand(out, t, rng);
    }
    void grade()
    {
        const Names& g = w.grades[w.gradeWeights.pick(rng)];
        if (!g[Pt].empty())
            name(Pt).append(" ").append(g[Pt]);
        if (!g[En].empty())
            name(En).append(", ").append(g[En]);
    }
    // A record shows at most four statements; later ones are dropped.
    void addHazard(int code)
    {
        if (std::popcount(hazards) < 4)
            hazards |= std::uint64_t{1} << code;
    }
    void apply(const Rules& rules)
    {
        for (const Rule& r : rules)
            if (rng.chance(r.chance))
                addHazard(r.codes.size() == 1 ? r.codes[0] : r.codes[rng.below(r.codes)]);
    }
    // Writes the statements and gives the chemical the cabinet words they bring.
    void writeHazards()
    {
        std::string& out = text(store::HAZARDS);
        if (!hazards)
            out += w.unclassified;
        for (std::uint64_t bits = hazards; bits; bits &= bits - 1) {
            const Hazard& h = w.hazards[std::countr_zero(bits)];
            out.append(out.empty() ? "" : "\n").append(h.line);
            tags |= h.keptIn;
        }
    }
    // Colour, form, odour and a note; then, for most, how it dissolves.
    void describe(std::string_view colour, bool organic, int grams)
    {
        std::string& out = text(store::CARACTERISTIC);
        out += colour.empty() ? w.colour.pick(rng, tags) : colour;
        phrase(store::CARACTERISTIC, w.form);
        phrase(store::CARACTERISTIC, w.odour);
        phrase(store::CARACTERISTIC, w.note);
        out += '.';
        if (organic && rng.chance(0.35))
            return;
        const std::string_view water = w.inWater.pick(rng, tags);
        if (water.empty())
            return;
        char n[16];
        std::snprintf(n, sizeof n, "%d", grams);
        out += '\n';
        expand(out, water, rng, {{"n", n}});
        phrase(store::CARACTERISTIC, w.solvents);
        out += '.';
    }
};

// ---- Organic compounds --------------------------------------------------------------

int ChemicalGenerator::Impl::place(Composition& comp, Placement& out, int wanted, int positions, int carbons,
                                   int skip, int own)
{
    std::array<bool, 16> taken{};
    int count = 0;
    for (int attempt = 0; count < wanted && attempt < wanted * 4; ++attempt) {
        const int index = rng.below(positions);
        const int at = carbons ? index + 1 : index;
        if (taken[index] || (carbons && at == skip))
            continue;
        // Repeating a substituent ("dicloro") is common; favour it a little.
        const int sub = count > 0 && rng.chance(0.2) ? out[count - 1].sub : w.substituentWeights.pick(rng);
        const Substituent& s = w.substituents[sub];
        // A branch longer than the chain on either side of it would make a longer main chain.
        if (sub == own || (carbons && s.arm > std::min(at - 1, carbons - at)))
            continue;
        if (comp[kH] + s.change[kH] < 0)
            break;
        add(comp, s.change);
        tags |= s.groups;
        taken[index] = true;
        out[count++] = {sub, at};
    }
    return count;
}

void ChemicalGenerator::Impl::appendPrefix(std::string& out, const Placement& placed, int count, int lang,
                                           bool omit, const Ring* ring)
{
    // Equal substituents go together, the groups in the alphabetical order of the language.
    std::array<int, 4> subs{};
    int groups = 0;
    for (int i = 0; i < count; ++i)
        if (std::find(subs.begin(), subs.begin() + groups, placed[i].sub) == subs.begin() + groups)
            subs[groups++] = placed[i].sub;
    const auto key = [&](int s) {
        return unitalic(w.substituents[s].name[lang]);
    };
    sortSmall(subs.data(), groups, [&](int a, int b) { return key(a) < key(b); });

    for (int g = 0; g < groups; ++g) {
        const int sub = subs[g];
        const Substituent& s = w.substituents[sub];
        std::array<int, 4> at{};
        int n = 0;
        for (int i = 0; i < count; ++i)
            if (placed[i].sub == sub)
                at[n++] = placed[i].at;
        sortSmall(at.data(), n);
        if (g > 0)
            out += '-';
        for (int i = 0; !omit && i < n; ++i) {
            if (i > 0)
                out += ',';
            if (ring)
                out.append(1, ring->locants[at[i]]).append(ring->primes ? "'" : "");
            else
                appendf(out, "%d", at[i]);
        }
        if (!omit)
            out += '-';
        if (n > 1) { // dicloro, bis(trifluorometil), di-hidroxi, di-terc-butil
            out += w.multipliers[n][s.bis ? 1 : 0];
            const std::string& name = s.name[lang];
            out += s.bis ? "(" : (lang == Pt && name[0] == 'h') || unitalic(name) != name ? "-" : "";
        }
        out += s.name[lang];
        if (s.bis && n > 1)
            out += ')';
    }
}

bool ChemicalGenerator::Impl::ringCompound(Composition& comp)
{
    const Ring& r = w.rings[w.ringWeights.pick(rng)];
    comp = r.formula;
    tags = r.groups;
    const int positions = static_cast<int>(r.locants.size());
    Placement placed{};
    const int count =
        place(comp, placed, std::min(substituentCount(rng, true), positions), positions, 0, 0, r.own);

    // Of the ways to read the ring, the name takes the one with the lowest locants.
    const auto sorted = [&](const std::vector<int>* reading) {
        std::array<int, 4> at{};
        for (int i = 0; i < count; ++i) {
            const int p = placed[i].at;
            at[i] = reading ? (*reading)[p] : p;
        }
        sortSmall(at.data(), count);
        return at;
    };
    std::array<int, 4> best = sorted(nullptr);
    const std::vector<int>* chosen = nullptr;
    for (const std::vector<int>& reading : r.readings)
        if (const auto at = sorted(&reading); at < best) {
            best = at;
            chosen = &reading;
        }
    for (int i = 0; chosen && i < count; ++i) {
        int& p = placed[i].at;
        p = (*chosen)[p];
    }
    for (int lang : {Pt, En}) {
        prefix.clear();
        appendPrefix(prefix, placed, count, lang, count == 1 && r.allAlike, &r);
        expand(name(lang), r.name[lang], rng, {{"sub", prefix}});
    }
    return true;
}

bool ChemicalGenerator::Impl::chainCompound(Composition& comp)
{
    const Chain& c = w.chains[w.chainWeights.pick(rng)];
    // Chains of three carbons and more; methane and ethane derivatives such as
    // dichloromethane are few, as there are few of them to name.
    const double shortness = rng.real();
    const int drawn = c.groupOn.empty() && shortness < 0.02 ? 1
                      : shortness < 0.03                    ? 2
                                         : rng.between(3, static_cast<int>(w.stems.size()));
    const int n = std::max(c.fewest, drawn);
    comp = c.plus;
    comp[kC] += n;
    comp[kH] += 2 * n;
    tags = c.groups;
    static const Names none;
    const Names* ester = &none;
    if (c.ester) {
        const auto& [names, change] = w.esters[rng.below(w.esters)];
        add(comp, change);
        ester = &names;
    }
    int on = 0; // the carbon of the group; never past the middle, or it would be numbered from the other end
    if (!c.groupOn.empty()) {
        on = c.groupOn[rng.below(c.groupOn)];
        if (2 * on - 1 > n)
            on = c.groupOn[0];
    }
    char at[8] = "";
    if (on && c.locantFrom && n >= c.locantFrom)
        std::snprintf(at, sizeof at, "%d-", on);

    Placement placed{};
    const int count =
        place(comp, placed, std::min(substituentCount(rng, false), n >= 5 ? n : 3), n, n, on, c.own);
    // A one-carbon compound, or ethane with one substituent (chloroethane), needs no locant.
    const bool omit = n == 1 || (c.groupOn.empty() && n == 2 && count == 1);
    for (int lang : {Pt, En}) {
        prefix.clear();
        appendPrefix(prefix, placed, count, lang, omit, nullptr);
        expand(name(lang), c.name[lang], rng,
               {{"sub", prefix}, {"at", at}, {"stem", w.stems[n - 1][lang]}, {"ester", (*ester)[lang]}});
    }
    return false;
}

void ChemicalGenerator::Impl::organic()
{
    static constexpr std::array<int, 5> kPressures = {1, 2, 10, 15, 20}; // mmHg of a reduced-pressure bp
    Composition comp{};
    const bool ring = rng.chance(0.6) ? ringCompound(comp) : chainCompound(comp);

    double mw = 0, heavy = 0, polarity = 0;
    for (std::size_t e = 0; e < w.symbols.size(); ++e) {
        const double m = comp[e] * w.masses[e];
        mw += m;
        heavy += m * w.densityWeights[e];
    }
    heavy /= mw;
    for (const Group& g : w.groups)
        polarity += tags & g.word ? g.polarity : 0;
    bool liquid = rng.real() >= (mw - 120) / 150 + polarity * 0.15 + (ring ? 0.1 : 0);
    const double boil =
        std::clamp(0.75 * mw + 20 * polarity + (ring ? 35 : 0) - 5 + rng.real(-15, 15), 25.0, 330.0);
    double melt = liquid ? rng.real(-110, -5)
                         : std::clamp(30 + 0.55 * mw + 22 * polarity + rng.real(-35, 35), 28.0, 360.0);

    // Bases are often kept as their hydrochlorides: solid, and soluble in water.
    const bool hydrochloride = (tags & w.amine) && !(tags & w.acid) && rng.chance(0.15);
    if (hydrochloride) {
        for (int lang : {Pt, En}) {
            scratch = name(lang);
            name(lang).clear();
            expand(name(lang), w.hydrochloride[lang], rng, {{"name", scratch}});
        }
        mw += w.hclMass;
        liquid = false;
        polarity += 2;
        melt = std::clamp(melt + 120, 150.0, 320.0);
    }
    grade();
    std::string& formula = text(store::FORMULA);
    for (std::size_t e = 0; e < w.symbols.size(); ++e) // Hill order: the table's
        if (comp[e] > 0)
            formula.append(w.symbols[e]).append(comp[e] > 1 ? std::to_string(comp[e]) : "");
    if (hydrochloride)
        formula += "·HCl";
    appendf(text(store::MW), "%.2f g/mol", mw);

    std::string& mp = text(store::MP);
    std::string& bp = text(store::BP);
    std::string& density = text(store::DENSITY);
    if (liquid) {
        appendf(mp, "%.0f °C", melt);
        appendf(bp, rng.chance(0.4) ? "%.1f °C" : "%.0f °C", boil);
        const double d = std::clamp(0.66 + heavy + (tags & w.aromatic ? 0.12 : 0) + polarity * 0.03 +
                                        rng.real(-0.03, 0.03),
                                    0.62, 2.95);
        appendf(density, "%.3f g/mL at %d °C", d, rng.chance(0.7) ? 25 : 20);
    } else {
        const int m = static_cast<int>(melt);
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
        else if (b < 0.58 && polarity < 1)
            bp += "sublimes";
        else if (b < 0.8)
            appendf(bp, "%.0f °C at %d mmHg", boil * 0.7 + 40, kPressures[rng.below(kPressures)]);
        else
            appendf(bp, "%.0f °C", std::max(boil, melt + 60));
        if (rng.chance(0.35))
            record.null[store::DENSITY] = true;
        else
            appendf(density, "%.2f g/cm³", std::clamp(1.05 + heavy * 0.9 + rng.real(-0.05, 0.1), 1.0, 2.9));
    }

    tags |= liquid ? w.liquid : w.solid;
    if (liquid && boil < 35)
        addHazard(w.h224);
    else if (liquid && (boil < 60 || (boil < 100 && rng.chance(0.8))))
        addHazard(w.h225);
    else if (liquid && boil < 160 && rng.chance(0.7))
        addHazard(w.h226);
    else if (!liquid && rng.chance(0.04))
        addHazard(w.h228);
    if (hazards || !rng.chance(0.1)) { // else not classified
        for (const Group& g : w.groups)
            if (tags & g.word)
                apply(g.rules[liquid ? 0 : 1]);
        const auto pool = std::find_if(w.hazardPool.begin(), w.hazardPool.end(),
                                       [&](const auto& p) { return (tags & p.first) == p.first; });
        const int lines = rng.between(1, 4);
        for (int guard = 0; pool != w.hazardPool.end() && std::popcount(hazards) < lines && guard < 8;
             ++guard)
            addHazard(pool->second[rng.below(pool->second)]);
    }
    writeHazards();

    const double p = polarity - (mw - 100) / 80;
    tags |= (mw > 160 ? w.heavy : 0) | (polarity > 1.5 ? w.polar : 0) |
            (liquid && p > 1.2 ? w.miscible
             : p > 0.8         ? w.soluble
             : p > 0.1         ? w.slightly
                               : 0);
    describe({}, true, std::max(1, static_cast<int>(std::exp(p * 3) * rng.real(1, 4))));
}

// ---- Salts and their solutions ------------------------------------------------------

void ChemicalGenerator::Impl::salt()
{
    const Ion* cation = &w.cations[w.cationWeights.pick(rng)];
    const Ion& anion = w.anions[w.anionWeights.pick(rng)];
    if (anion.alkali && cation->charge != 1)
        cation = &w.cations[w.alkali[rng.below(w.alkali)]];
    const int lcm = std::lcm(cation->charge, anion.charge);
    const int nCation = lcm / cation->charge;
    const int nAnion = lcm / anion.charge;

    const bool solution = anion.solution && rng.chance(0.4);
    const auto& [hydrate, water] = w.hydrates[solution || anion.oxide ? 0 : w.hydrateWeights.pick(rng)];
    std::string& formula = text(store::FORMULA);
    appendIon(formula, anion.first ? anion : *cation, anion.first ? nAnion : nCation);
    appendIon(formula, anion.first ? *cation : anion, anion.first ? nCation : nAnion);
    if (water == 1)
        formula += "·H2O";
    else if (water > 1)
        appendf(formula, "·%dH2O", water);
    const double mw = nCation * cation->mass + nAnion * anion.mass + water * w.waterMass;
    appendf(text(store::MW), "%.2f g/mol", mw);

    tags = w.saltWord | cation->words | anion.words;
    tags |= (tags & w.ionHazardWords ? 0 : w.harmless) |
            (anion.soluble || cation->charge == 1 ? w.soluble : 0) |
            (anion.oxide && cation->charge == 1 ? w.reactive : 0);
    int column = 0; // of the ion hazards: solid, strong or dilute solution
    if (solution) {
        const auto& [strength, rise, strong] = w.strengths[rng.below(w.strengths)];
        for (int lang : {Pt, En})
            expand(
                name(lang), w.solution[lang], rng,
                {{"anion", anion.name[lang]}, {"cation", cation->name[lang]}, {"strength", strength[lang]}});
        record.null[store::MP] = true;
        text(store::BP) += "about 100 °C";
        appendf(text(store::DENSITY), "%.3f g/mL at 20 °C", 0.998 + rise * (0.7 + mw / 300));
        tags |= w.solutionWord | w.liquid;
        column = strong ? 1 : 2;
    } else {
        for (int lang : {Pt, En}) {
            expand(name(lang), w.salt[lang], rng,
                   {{"anion", anion.name[lang]}, {"cation", cation->name[lang]}});
            if (!hydrate[lang].empty())
                name(lang).append(" ").append(hydrate[lang]);
        }
        grade();
        const double form = rng.real();
        const int melt = static_cast<int>(rng.real(250, 1400));
        if (water > 0 && form < 0.6)
            appendf(text(store::MP), "loses water at %d °C", rng.between(40, 200));
        else if (tags & w.oxidant || form < 0.25)
            appendf(text(store::MP), "decomposes at %d °C", rng.between(150, 700));
        else
            appendf(text(store::MP), "%d °C", melt);
        if (rng.chance(0.6) || water > 0)
            record.null[store::BP] = true;
        else
            appendf(text(store::BP), "%d °C", melt + rng.between(300, 900));
        appendf(text(store::DENSITY), "%.2f g/cm³",
                std::clamp(1.4 + mw / 140 + rng.real(-0.4, 0.4), 1.3, 7.5));
        tags |= w.solid;
    }
    for (const auto& [word, rules] : w.ionHazards)
        if (tags & word)
            apply(rules[column]);
    writeHazards();
    describe(anion.colour.empty() ? cation->colour : anion.colour, false, 0);
}

// ---- Mixtures: no formula -----------------------------------------------------------

void ChemicalGenerator::Impl::mixture()
{
    const Mixture& m = w.mixtures[w.mixtureWeights.pick(rng)];
    static const Names none;
    const Names& v = m.variants ? (*m.variants)[rng.below(*m.variants)] : none;
    for (int lang : {Pt, En})
        expand(name(lang), m.name[lang], rng, {{"v", v[lang]}});
    record.null[store::FORMULA] = true;
    record.null[store::MW] = true;
    const std::array<int, 3> columns = {store::MP, store::BP, store::DENSITY};
    for (std::size_t i = 0; i < columns.size(); ++i) {
        record.null[columns[i]] = m.data[i].empty();
        expand(text(columns[i]), m.data[i], rng, {{"v", v[Pt]}});
    }
    tags = m.words;
    apply(m.hazards);
    writeHazards();
    text(store::CARACTERISTIC) += m.characteristic;
}

// ---- One record ---------------------------------------------------------------------

void ChemicalGenerator::Impl::generate()
{
    for (std::string& s : record.text)
        s.clear();
    record.null.fill(false);
    tags = 0;
    hazards = 0;

    const double kind = rng.real();
    if (kind < 0.978)
        organic();
    else if (kind < 0.998)
        salt();
    else
        mixture();
    capitalize(name(Pt));
    capitalize(name(En));

    text(store::FORNECEDOR) += w.vendors[w.vendorWeights.pick(rng)];
    phrase(store::LOCAL, w.place);
    phrase(store::QUANTIDADE, w.bottles);
    phrase(store::QUANTIDADE, w.amount);
    phrase(store::QUANTIDADE, w.label);

    // Entries people leave blank: the catalogue name, and now and then the formula.
    if (rng.chance(0.05))
        record.null[store::ALDRICH] = true;
    if (!record.null[store::FORMULA] && rng.chance(0.028))
        record.null[store::FORMULA] = true;
    for (int i = 0; i < store::kColumnCount; ++i)
        if (record.null[i])
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
    store::createEmptyInventory(path);

    try {
        sqlite3* raw = nullptr;
        const int rc =
            sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
        std::unique_ptr<sqlite3, CloseDatabase> db(raw);
        if (rc != SQLITE_OK)
            throw fillError(path, raw, "opening it");

        // Nothing else can see the file yet and a failure removes it, so the fill needs
        // no journal and no syncs; the file gets back the rollback journal it was made with.
        exec(db.get(), path, "PRAGMA journal_mode=OFF", "preparing it");
        exec(db.get(), path, "PRAGMA synchronous=OFF", "preparing it");
        exec(db.get(), path, "PRAGMA cache_size=-65536", "preparing it");
        exec(db.get(), path, "BEGIN", "starting the fill");

        QByteArray sql = "INSERT INTO " + store::tableName().toLatin1() + " (";
        for (int i = 0; i < store::kColumnCount; ++i)
            sql += QByteArray(i ? ", " : "") + store::kColumns[i].name;
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
        exec(db.get(), path, "PRAGMA journal_mode=DELETE", "finishing it");
    } catch (...) {
        removeFiles(path);
        throw;
    }
}

} // namespace bench
