#include "bench/word_list.h"

#include "chemical_words_text.h"
#include "platform/data/errors.h"

#include <algorithm>
#include <charconv>
#include <numeric>

namespace bench {

int Weights::pick(Rng& rng) const
{
    if (upTo.size() == 1)
        return 0;
    const int roll = rng.below(upTo.back());
    return static_cast<int>(std::upper_bound(upTo.begin(), upTo.end(), roll) - upTo.begin());
}

std::string_view Phrases::pick(Rng& rng, std::uint64_t words) const
{
    for (const Group& g : groups)
        if ((words & g.words) == g.words && rng.chance(g.chance))
            return g.texts[static_cast<std::size_t>(g.weights.pick(rng))];
    return {};
}

namespace {

std::string_view trim(std::string_view s)
{
    const std::size_t first = s.find_first_not_of(" \t\r");
    return first == std::string_view::npos ? std::string_view{}
                                           : s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// The trimmed parts of s; between '|' empty ones count, between spaces they do not.
std::vector<std::string_view> split(std::string_view s, char by)
{
    std::vector<std::string_view> parts;
    for (std::size_t at = 0, end = 0; end != std::string_view::npos; at = end + 1) {
        end = s.find(by, at);
        const std::string_view part = trim(s.substr(at, end == std::string_view::npos ? end : end - at));
        if (!part.empty() || by == '|')
            parts.push_back(part);
    }
    return parts;
}

struct Row
{
    int line = 0;
    std::vector<std::string> fields;
    const std::string& operator[](std::size_t i) const { return fields[i]; }
};

// Reads the text into rows of tables, then the tables into the list, checking each name
// and number on the way: a fault is reported with the line to correct.
class Reader
{
public:
    Reader(std::string_view text, WordList& list);

private:
    WordList& w_;
    std::map<std::string, std::vector<Row>, std::less<>> tables_;
    std::vector<std::string> wordNames_;

    // Line 0: the list as a whole.
    [[noreturn]] static void fail(int line, const std::string& what)
    {
        const QString where =
            line ? QStringLiteral("Line %1 of the word list").arg(line) : QStringLiteral("The word list");
        throw records::DataError(
            records::DatabaseError,
            QStringLiteral("%1 (bench/chemical_words.txt) %2. Correct it and rebuild the "
                           "benchmarks.")
                .arg(where, QString::fromStdString(what)));
    }
    // The rows of a table, each with `columns` fields, or from `fewest` up to that.
    const std::vector<Row>& table(std::string_view name, std::size_t columns, std::size_t fewest = 0) const
    {
        const auto t = tables_.find(name);
        if (t == tables_.end() || t->second.empty())
            fail(0, "should hold a table [" + std::string(name) + "] with rows");
        for (const Row& r : t->second)
            if (r.fields.size() > columns || r.fields.size() < (fewest ? fewest : columns))
                fail(r.line, "should have " + std::to_string(columns) + " fields");
        return t->second;
    }
    template <class T> static T number(std::string_view s, int line)
    {
        T value{};
        const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
        if (ec != std::errc() || end != s.data() + s.size())
            fail(line, "has '" + std::string(s) + "' where a number belongs");
        return value;
    }
    template <class T> static T number(const Row& r, std::size_t i) { return number<T>(r[i], r.line); }
    static int weight(const Row& r, std::size_t i)
    {
        const int w = number<int>(r, i);
        if (w < 1)
            fail(r.line, "gives a weight below 1");
        return w;
    }
    // A word's bit. Words are declared by the tables that give them to a chemical, so that
    // a misspelt one elsewhere is caught.
    std::uint64_t word(std::string_view name, int line, bool declare = false)
    {
        if (name.empty() || name == "any")
            return 0;
        const auto at = std::find(wordNames_.begin(), wordNames_.end(), name);
        if (at != wordNames_.end())
            return std::uint64_t{1} << (at - wordNames_.begin());
        if (!declare)
            fail(line, "uses the word '" + std::string(name) + "', which nothing gives a chemical");
        if (wordNames_.size() == 64)
            fail(line, "brings more than 64 words");
        wordNames_.emplace_back(name);
        return std::uint64_t{1} << (wordNames_.size() - 1);
    }
    std::uint64_t words(std::string_view list, int line)
    {
        std::uint64_t all = 0;
        for (std::string_view name : split(list, ' '))
            all |= word(name, line);
        return all;
    }
    // "C6H6O", or a change such as "H-1Cl" (one H replaced by Cl).
    Composition composition(std::string_view text, int line) const
    {
        Composition c{};
        for (std::size_t i = 0; i < text.size();) {
            const std::size_t len = i + 1 < text.size() && text[i + 1] >= 'a' && text[i + 1] <= 'z' ? 2 : 1;
            const auto e = std::find(w_.symbols.begin(), w_.symbols.end(), text.substr(i, len));
            if (e == w_.symbols.end())
                fail(line, "has '" + std::string(text) + "', not a formula of elements of [element]");
            const int sign = (i += len) < text.size() && text[i] == '-' ? (++i, -1) : 1;
            int count = 1;
            const auto [end, ec] = std::from_chars(text.data() + i, text.data() + text.size(), count);
            i = static_cast<std::size_t>(end - text.data());
            c[static_cast<std::size_t>(e - w_.symbols.begin())] += sign * (ec == std::errc() ? count : 1);
        }
        return c;
    }
    int hazard(std::string_view code, int line) const
    {
        for (std::size_t i = 0; i < w_.hazards.size(); ++i)
            if (w_.hazards[i].code == code)
                return static_cast<int>(i);
        fail(line, "names the statement '" + std::string(code) + "', which is not in [hazard]");
    }
    // "H290 H301/H302 50%": H290, and half the time H301 or H302.
    Rules rules(std::string_view text, int line) const
    {
        Rules all;
        for (std::string_view token : split(text, ' ')) {
            if (token.back() == '%' && !all.empty()) {
                all.back().chance = number<double>(token.substr(0, token.size() - 1), line) / 100;
                continue;
            }
            Rule& r = all.emplace_back();
            for (std::string_view code : split(token, '/'))
                r.codes.push_back(hazard(code, line));
        }
        return all;
    }
    int substituent(std::string_view name, int line) const
    {
        if (name.empty())
            return -1;
        for (std::size_t i = 0; i < w_.substituents.size(); ++i)
            if (w_.substituents[i].name[Pt] == name)
                return static_cast<int>(i);
        fail(line, "names '" + std::string(name) + "', which is not in [substituent]");
    }
    Phrases phrases(std::string_view name)
    {
        Phrases p;
        for (const Row& r : table(name, 3)) {
            if (p.groups.empty() || p.groups.back().when != r[0]) {
                Phrases::Group& g = p.groups.emplace_back();
                g.when = r[0];
                for (std::string_view term : split(r[0], ' ')) {
                    if (term.back() == '%')
                        g.chance = number<double>(term.substr(0, term.size() - 1), r.line) / 100;
                    else
                        g.words |= word(term, r.line);
                }
            }
            p.groups.back().weights.add(weight(r, 1));
            p.groups.back().texts.push_back(r[2]);
        }
        return p;
    }
    Names pattern(std::string_view use) const
    {
        for (const Row& r : table("pattern", 3))
            if (r[0] == use)
                return {r[1], r[2]};
        fail(0, "should hold '" + std::string(use) + "' in [pattern]");
    }
    Ion ion(const Row& r)
    {
        Ion i{{r[1], r[2]}, r[3], r[5], number<int>(r, 4), w_.mass(composition(r[3], r.line))};
        if (i.charge < 1 || i.charge > 3)
            fail(r.line, "gives a charge other than 1, 2 or 3");
        const auto upper =
            std::count_if(r[3].begin(), r[3].end(), [](char c) { return c >= 'A' && c <= 'Z'; });
        i.polyatomic = upper > 1 || r[3].find_first_of("0123456789") != std::string::npos;
        for (std::string_view name : split(r[6], ' ')) {
            bool* property = name == "alkali"     ? &i.alkali
                             : name == "first"    ? &i.first
                             : name == "solution" ? &i.solution
                             : name == "soluble"  ? &i.soluble
                             : name == "oxide"    ? &i.oxide
                                                  : nullptr;
            if (property)
                *property = true;
            else
                i.words |= word(name, r.line);
        }
        return i;
    }
    void readRows(std::string_view text);
    void readOrganic();
    void readSalts();
};

void Reader::readRows(std::string_view text)
{
    std::vector<Row>* rows = nullptr;
    std::string joined;
    int first = 0, lineNo = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = trim(text.substr(at, end - at));
        at = end + 1;
        ++lineNo;
        if (joined.empty() && (line.empty() || line[0] == '#'))
            continue;
        first = joined.empty() ? lineNo : first;
        joined += line;
        if (!line.empty() && line.back() == '\\') {
            joined.back() = ' ';
            continue;
        }
        if (joined.front() == '[' && joined.back() == ']') {
            rows = &tables_[joined.substr(1, joined.size() - 2)];
        } else if (!rows) {
            fail(first, "stands before any [table]");
        } else {
            Row& r = rows->emplace_back();
            r.line = first;
            for (std::string_view f : split(joined, '|')) {
                std::string& s = r.fields.emplace_back(f == "-" ? std::string_view{} : f);
                for (std::size_t nl; (nl = s.find("\\n")) != std::string::npos;)
                    s.replace(nl, 2, "\n");
            }
        }
        joined.clear();
    }
}

Reader::Reader(std::string_view text, WordList& list) : w_(list)
{
    readRows(text);
    for (auto [bit, name] : {std::pair{&w_.liquid, "liquid"},
                             {&w_.solid, "solid"},
                             {&w_.solutionWord, "solution"},
                             {&w_.saltWord, "salt"},
                             {&w_.heavy, "heavy"},
                             {&w_.polar, "polar"},
                             {&w_.miscible, "miscible"},
                             {&w_.soluble, "soluble"},
                             {&w_.slightly, "slightly"},
                             {&w_.reactive, "reactive"}})
        *bit = word(name, 0, true);

    for (const Row& r : table("element", 3)) {
        w_.symbols.push_back(r[0]);
        w_.masses.push_back(number<double>(r, 1));
        w_.densityWeights.push_back(number<double>(r, 2));
    }
    if (w_.symbols.size() < 2 || w_.symbols.size() > Composition{}.size() || w_.symbols[kC] != "C" ||
        w_.symbols[kH] != "H")
        fail(0, "should open [element] with C and H, and hold at most 32 elements");
    w_.waterMass = w_.mass(composition("H2O", 0));
    w_.hclMass = w_.mass(composition("HCl", 0));

    for (const Row& r : table("hazard", 3))
        w_.hazards.push_back({r[0], r[0] + ' ' + r[2], word(r[1], r.line, true)});
    if (w_.hazards.size() > 64)
        fail(0, "should hold at most 64 statements in [hazard]");
    w_.h224 = hazard("H224", 0);
    w_.h225 = hazard("H225", 0);
    w_.h226 = hazard("H226", 0);
    w_.h228 = hazard("H228", 0);
    w_.unclassified = table("unclassified", 1).at(0)[0];
    for (const Row& r : table("group", 4))
        w_.groups.push_back(
            {word(r[0], r.line, true), number<double>(r, 1), {rules(r[2], r.line), rules(r[3], r.line)}});
    for (const Row& r : table("ion hazard", 4))
        w_.ionHazards.push_back(
            {word(r[0], r.line, true), {rules(r[1], r.line), rules(r[2], r.line), rules(r[3], r.line)}});
    w_.amine = word("amine", 0);
    w_.acid = word("acid", 0);
    w_.aromatic = word("aromatic", 0);
    w_.harmless = word("harmless", 0);
    w_.oxidant = word("oxidant", 0);
    for (const auto& ionHazard : w_.ionHazards)
        w_.ionHazardWords |= ionHazard.first == w_.harmless ? 0 : ionHazard.first;
    for (const Row& r : table("hazard pool", 2)) {
        auto& [when, codes] = w_.hazardPool.emplace_back(words(r[0], r.line), std::vector<int>{});
        for (std::string_view code : split(r[1], ' '))
            codes.push_back(hazard(code, r.line));
    }

    readOrganic();
    readSalts();
    for (const Row& r : table("mixture", 10)) {
        w_.mixtureWeights.add(weight(r, 0));
        Mixture& m = w_.mixtures.emplace_back();
        m.name = {r[1], r[2]};
        if (!r[3].empty()) {
            std::vector<Names>& v = w_.variants[r[3]];
            if (v.empty())
                for (const Row& variant : table(r[3], 2, 1))
                    v.push_back({variant[0], variant.fields.back()});
            m.variants = &v;
        }
        m.words = words(r[4], r.line);
        m.data = {r[5], r[6], r[7]};
        m.hazards = rules(r[8], r.line);
        m.characteristic = r[9];
    }
    for (const Row& r : table("vendor", 2)) {
        w_.vendorWeights.add(weight(r, 0));
        w_.vendors.push_back(r[1]);
    }
    w_.place = phrases("place");
    w_.bottles = phrases("bottles");
    w_.amount = phrases("amount");
    w_.label = phrases("label");
    w_.colour = phrases("colour");
    w_.form = phrases("form");
    w_.odour = phrases("odour");
    w_.note = phrases("note");
    w_.inWater = phrases("in water");
    w_.solvents = phrases("solvents");
}

void Reader::readOrganic()
{
    for (const Row& r : table("substituent", 7)) {
        w_.substituentWeights.add(weight(r, 0));
        w_.substituents.push_back({{r[1], r[2]},
                                   composition(r[3], r.line),
                                   words(r[4], r.line),
                                   r[5].empty() ? 0 : number<int>(r, 5),
                                   r[6] == "bis"});
    }
    for (const Row& r : table("multiplier", 3)) {
        const int n = number<int>(r, 0);
        if (n < 2 || n > 4)
            fail(r.line, "gives a count other than 2, 3 or 4");
        w_.multipliers[static_cast<std::size_t>(n)] = {r[1], r[2]};
    }
    if (w_.multipliers[2][0].empty() || w_.multipliers[3][0].empty() || w_.multipliers[4][0].empty())
        fail(0, "should give the counts 2, 3 and 4 in [multiplier]");
    for (const Row& r : table("ring", 8)) {
        w_.ringWeights.add(weight(r, 0));
        Ring& g = w_.rings.emplace_back();
        g.name = {r[1], r[2]};
        g.formula = composition(r[3], r.line);
        g.locants = r[4];
        if ((g.primes = g.locants.ends_with('\'')))
            g.locants.pop_back();
        if (g.locants.empty() || g.locants.size() > 16)
            fail(r.line, "gives a ring of no or of more than 16 positions");
        std::vector<int> identity(g.locants.size());
        std::iota(identity.begin(), identity.end(), 0);
        std::vector<bool> reached(g.locants.size());
        reached[0] = true;
        for (std::string_view reading : split(r[5], ' ')) {
            std::vector<int>& map = g.readings.emplace_back();
            for (char c : reading)
                map.push_back(static_cast<int>(g.locants.find(c)));
            if (!std::is_permutation(map.begin(), map.end(), identity.begin(), identity.end()))
                fail(r.line, "reads the ring with other locants than its own");
            reached[static_cast<std::size_t>(map[0])] = true;
        }
        g.allAlike = std::find(reached.begin(), reached.end(), false) == reached.end();
        g.groups = words(r[6], r.line);
        g.own = substituent(r[7], r.line);
    }
    for (const Row& r : table("stem", 2))
        w_.stems.push_back({r[0], r[1]});
    if (w_.stems.size() < 3 || w_.stems.size() > 16)
        fail(0, "should hold 3 to 16 stems in [stem]");
    for (const Row& r : table("chain", 9)) {
        w_.chainWeights.add(weight(r, 0));
        Chain& c = w_.chains.emplace_back();
        c.fewest = number<int>(r, 1);
        if (c.fewest < 1 || c.fewest > static_cast<int>(w_.stems.size()))
            fail(r.line, "asks for more carbons than [stem] has");
        c.plus = composition(r[2], r.line);
        c.name = {r[3], r[4]};
        c.groups = words(r[5], r.line);
        for (std::string_view on : split(r[6], ' '))
            c.groupOn.push_back(number<int>(on, r.line));
        // The first carbon listed is the one short chains take.
        if (!c.groupOn.empty() &&
            (*std::min_element(c.groupOn.begin(), c.groupOn.end()) < 1 || 2 * c.groupOn[0] - 1 > c.fewest))
            fail(r.line, "puts the group off its shortest chain, or past its middle");
        c.locantFrom = r[7].empty() ? 0 : number<int>(r, 7);
        c.own = substituent(r[8], r.line);
        c.ester = r[3].find("{ester}") != std::string::npos;
    }
    for (const Row& r : table("ester", 3))
        w_.esters.emplace_back(Names{r[0], r[1]}, composition(r[2], r.line));
    for (const Row& r : table("grade", 3)) {
        w_.gradeWeights.add(weight(r, 0));
        w_.grades.push_back({r[1], r[2]});
    }
    w_.hydrochloride = pattern("hydrochloride");
}

void Reader::readSalts()
{
    w_.salt = pattern("salt");
    w_.solution = pattern("solution");
    for (const Row& r : table("cation", 7)) {
        w_.cationWeights.add(weight(r, 0));
        w_.cations.push_back(ion(r));
        if (w_.cations.back().alkali)
            w_.alkali.push_back(static_cast<int>(w_.cations.size()) - 1);
    }
    if (w_.alkali.empty())
        fail(0, "should hold an alkali cation in [cation]");
    for (const Row& r : table("anion", 7)) {
        w_.anionWeights.add(weight(r, 0));
        w_.anions.push_back(ion(r));
    }
    for (const Row& r : table("hydrate", 4)) {
        w_.hydrateWeights.add(weight(r, 0));
        w_.hydrates.emplace_back(Names{r[1], r[2]}, number<int>(r, 3));
    }
    for (const Row& r : table("strength", 4))
        w_.strengths.emplace_back(Names{r[0], r[1]}, number<double>(r, 2), r[3] == "yes");
}

} // namespace

WordList::WordList(std::string_view text)
{
    Reader(text, *this);
}

const WordList& WordList::builtIn()
{
    static const WordList list(kChemicalWords);
    return list;
}

} // namespace bench
