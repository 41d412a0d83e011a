#include "inventory/safety/storagegroups.h"

#include "inventory/safety/errors.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <bitset>
#include <string>
#include <unordered_map>
#include <vector>

// The scheme's data lives in this library's resources, which a static library must register.
static void initSafetyResources()
{
    Q_INIT_RESOURCE(safety);
}

namespace safety {

namespace {

constexpr char kLetters[] = "ABCDEFGJKLX";
constexpr int kSchemeGroups = 11;

// Statements by number: H200 to H499 as themselves, EUH001 to EUH999 as 1000 + number.
using CodeSet = std::bitset<2000>;
constexpr std::uint16_t kEuh = 1000;

// A word of the data, matched at the start of a word of the name, or at its end.
struct Word
{
    std::string text;
    bool atEnd = false;
    bool anywhere = false;
};

// Letter case and the accents of Latin letters taken out, UTF-8 in, ASCII letters out;
// anything else that is not ASCII becomes a space, so it parts words.
void fold(std::string_view utf8, std::string& out)
{
    // The letters U+00C0 to U+00FF (UTF-8 C3 80 to C3 BF), by their base letter.
    static constexpr char kLatin1[] = "aaaaaaaceeeeiiiidnooooo ouuuuy s";
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c));
        } else if (c == 0xC3 && i + 1 < utf8.size()) {
            const auto next = static_cast<unsigned char>(utf8[i + 1]);
            out.push_back(next >= 0x80 && next <= 0xBF ? kLatin1[(next - 0x80) & 0x1F] : ' ');
            ++i;
        } else {
            if (c >= 0xC0)
                out.push_back(' ');
            // Continuation bytes of a character already turned into its space.
        }
    }
}

bool isLetter(char c)
{
    return c >= 'a' && c <= 'z';
}

// A list of words of the data.
struct WordList
{
    std::vector<Word> words;
};

// The word lists a name is matched against, in one index: a name is read once, word by
// word, for all of them.
enum NameList : std::uint8_t
{
    OxidizerWords,
    IncompatibleWords,
    AcidWords,
    NotBaseWords,
    BaseWords,
    MineralAcidWords,
    InorganicBaseWords,
    kNameLists,
};

struct NameIndex
{
    std::array<std::vector<std::pair<const Word*, NameList>>, 26> byFirst;
    std::vector<std::pair<const Word*, NameList>> atEnd, anywhere;

    void add(const WordList& list, NameList which)
    {
        for (const Word& w : list.words) {
            if (w.anywhere)
                anywhere.emplace_back(&w, which);
            else if (w.atEnd)
                atEnd.emplace_back(&w, which);
            else if (!w.text.empty() && isLetter(w.text[0]))
                byFirst[static_cast<std::size_t>(w.text[0] - 'a')].emplace_back(&w, which);
        }
    }
};

// A folded name and, for each list, the first of its words that the name holds where the
// list says it stands.
class NameWords
{
public:
    void read(std::string_view name, std::string_view aldrich, const NameIndex& index)
    {
        text_.clear();
        fold(name, text_);
        text_.push_back(' ');
        fold(aldrich, text_);
        first_.fill(nullptr);
        const std::string_view text(text_);
        auto found = [&](const Word* w, NameList list) {
            if (!first_[list])
                first_[list] = w;
        };
        for (std::size_t i = 0; i < text.size();) {
            while (i < text.size() && !isLetter(text[i]))
                ++i;
            const std::size_t start = i;
            while (i < text.size() && isLetter(text[i]))
                ++i;
            if (i == start)
                continue;
            const std::string_view word = text.substr(start, i - start);
            for (const auto& [w, list] : index.byFirst[static_cast<std::size_t>(word[0] - 'a')])
                if (word.size() >= w->text.size() && word.compare(0, w->text.size(), w->text) == 0)
                    found(w, list);
            for (const auto& [w, list] : index.atEnd)
                if (word.size() >= w->text.size() &&
                    word.compare(word.size() - w->text.size(), w->text.size(), w->text) == 0)
                    found(w, list);
            for (const auto& [w, list] : index.anywhere)
                if (word.size() >= w->text.size() && word.find(w->text) != std::string_view::npos)
                    found(w, list);
        }
    }

    const Word* find(NameList list) const { return first_[list]; }

private:
    std::string text_;
    std::array<const Word*, kNameLists> first_{};
};

bool containsAny(const std::string& text, const std::vector<std::string>& phrases)
{
    for (const std::string& p : phrases)
        if (text.find(p) != std::string::npos)
            return true;
    return false;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isAlnum(char c)
{
    return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The statements of a text: as a set, and in the order they stand (the first 16), so that a
// reason names them without a walk over every possible code.
struct Codes
{
    CodeSet set;
    std::array<std::uint16_t, 16> inOrder{};
    int count = 0;
};

// The H- and EUH-statements anywhere in the text, combined ones too ("H302+H312").
Codes readCodes(std::string_view text)
{
    Codes codes;
    for (std::size_t at = text.find('H'); at != std::string_view::npos; at = text.find('H', at + 1)) {
        std::uint16_t base = 0;
        std::size_t start = at;
        if (at >= 2 && text[at - 2] == 'E' && text[at - 1] == 'U') {
            base = kEuh;
            start = at - 2;
        }
        if (start > 0 && isAlnum(text[start - 1]))
            continue;
        if (at + 3 >= text.size() || !isDigit(text[at + 1]) || !isDigit(text[at + 2]) ||
            !isDigit(text[at + 3]))
            continue;
        std::size_t end = at + 4;
        // H361d, H360FD: at most two letters after the digits.
        for (int letters = 0; letters < 2 && end < text.size() && isAlnum(text[end]) && !isDigit(text[end]);
             ++letters)
            ++end;
        if (end < text.size() && isAlnum(text[end]))
            continue;
        const int number = (text[at + 1] - '0') * 100 + (text[at + 2] - '0') * 10 + (text[at + 3] - '0');
        const int code = base + number;
        if (code > 0 && code < static_cast<int>(codes.set.size()) &&
            !codes.set.test(static_cast<std::size_t>(code))) {
            codes.set.set(static_cast<std::size_t>(code));
            if (codes.count < static_cast<int>(codes.inOrder.size()))
                codes.inOrder[static_cast<std::size_t>(codes.count++)] = static_cast<std::uint16_t>(code);
        }
    }
    return codes;
}

// What a formula tells: whether it is organic, and whether it has the shape of an
// inorganic acid (HCl, H2SO4) or base (NaOH, Ca(OH)2).
struct FormulaFacts
{
    bool present = false;
    bool organic = false;
    bool acidShape = false;
    bool baseShape = false;
};

FormulaFacts readFormula(std::string_view f)
{
    FormulaFacts facts;
    while (!f.empty() && (f.front() == ' ' || f.front() == '\t'))
        f.remove_prefix(1);
    while (!f.empty() && (f.back() == ' ' || f.back() == '\t' || f.back() == '\r' || f.back() == '\n'))
        f.remove_suffix(1);
    if (f.empty())
        return facts;
    facts.present = true;
    // The part before a hydrate's dot ("CuSO4·5H2O", "CuSO4.5H2O").
    std::string_view main = f;
    for (std::size_t i = 0; i < f.size(); ++i)
        if (f[i] == '.' || (static_cast<unsigned char>(f[i]) == 0xC2 && i + 1 < f.size() &&
                            static_cast<unsigned char>(f[i + 1]) == 0xB7)) {
            main = f.substr(0, i);
            break;
        }
    bool hydrogen = false;
    int carbons = 0;
    for (std::size_t i = 0; i < main.size(); ++i) {
        if (main[i] < 'A' || main[i] > 'Z')
            continue;
        const bool twoLetters = i + 1 < main.size() && main[i + 1] >= 'a' && main[i + 1] <= 'z';
        if (twoLetters)
            continue;
        if (main[i] == 'H' || main[i] == 'D')
            hydrogen = true;
        if (main[i] == 'C') {
            int n = 0;
            std::size_t j = i + 1;
            while (j < main.size() && isDigit(main[j]))
                n = n * 10 + (main[j++] - '0');
            carbons += n == 0 ? 1 : n;
        }
    }
    // One carbon as carbonate, bicarbonate or cyanide is inorganic (NaHCO3, KCN).
    const bool inorganicCarbon = carbons == 1 && (main.find("CO3") != std::string_view::npos ||
                                                  main.find("CN") != std::string_view::npos);
    facts.organic = carbons > 0 && hydrogen && !inorganicCarbon;
    if (!facts.organic) {
        facts.acidShape = main.size() >= 2 && main[0] == 'H' && !(main[1] >= 'a' && main[1] <= 'z');
        const bool endsInOh = main.size() >= 3 && main.substr(main.size() - 2) == "OH";
        const bool hydroxideGroup = main.find("(OH)") != std::string_view::npos;
        facts.baseShape = !facts.acidShape && (endsInOh || hydroxideGroup);
    }
    return facts;
}

} // namespace

struct Scheme::Data
{
    std::array<QString, kSchemeGroups> titles;
    std::array<QString, kSchemeGroups> nouns;
    std::vector<std::vector<Group>> together;
    CodeSet jGas, jToxic, eCodes, kCodes, bCodes, xCodes, corrosive, lCodes;
    WordList eWords, xWords, acidWords, baseWords, notBaseWords, mineralAcidWords, inorganicBaseWords;
    NameIndex names;
    std::vector<std::string> combustible, notCombustible, notClassified, override;
};

namespace {

[[noreturn]] void damaged(int line, const QString& why)
{
    throw StorageError(SchemeDamaged, QCoreApplication::translate(
                                          "Storage", "The storage groups built into the program cannot be "
                                                     "read (line %1: %2). Reinstall the program.")
                                          .arg(line)
                                          .arg(why));
}

std::unique_ptr<Scheme::Data> parse(const QByteArray& bytes)
{
    auto d = std::make_unique<Scheme::Data>();
    std::array<bool, kSchemeGroups> named{};
    int lineNumber = 0;
    for (const QByteArray& raw : bytes.split('\n')) {
        ++lineNumber;
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString keyword = line.section(QLatin1Char(' '), 0, 0);
        const QString rest = line.section(QLatin1Char(' '), 1).trimmed();
        const QStringList items = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        auto group = [&](const QString& letter) {
            const auto g = letter.size() == 1 ? Scheme::fromLetter(letter.at(0).toLatin1()) : std::nullopt;
            if (!g)
                damaged(lineNumber, QStringLiteral("'%1' is no group").arg(letter));
            return *g;
        };
        if (keyword == QLatin1String("group")) {
            const QStringList parts = rest.split(QLatin1Char('|'));
            if (parts.size() != 3)
                damaged(lineNumber, QStringLiteral("a group needs its letter, name and noun"));
            const int g = index(group(parts.at(0).trimmed()));
            d->titles[static_cast<std::size_t>(g)] = parts.at(1).trimmed();
            d->nouns[static_cast<std::size_t>(g)] = parts.at(2).trimmed();
            named[static_cast<std::size_t>(g)] = true;
        } else if (keyword == QLatin1String("together")) {
            std::vector<Group> shared;
            for (const QString& letter : items)
                shared.push_back(group(letter));
            d->together.push_back(std::move(shared));
        } else if (keyword == QLatin1String("codes") && !items.isEmpty()) {
            CodeSet codes;
            for (qsizetype i = 1; i < items.size(); ++i) {
                const QString& c = items.at(i);
                const bool euh = c.startsWith(QLatin1String("EUH"));
                bool ok = false;
                const int n = c.mid(euh ? 3 : 1).toInt(&ok);
                if (!ok || (!euh && !c.startsWith(QLatin1Char('H'))) || n <= 0 || n >= 1000)
                    damaged(lineNumber, QStringLiteral("'%1' is no statement").arg(c));
                codes.set(static_cast<std::size_t>(euh ? kEuh + n : n));
            }
            const QString& which = items.at(0);
            CodeSet* target = which == QLatin1String("J-gas")       ? &d->jGas
                              : which == QLatin1String("J-toxic")   ? &d->jToxic
                              : which == QLatin1String("E")         ? &d->eCodes
                              : which == QLatin1String("K")         ? &d->kCodes
                              : which == QLatin1String("B")         ? &d->bCodes
                              : which == QLatin1String("X")         ? &d->xCodes
                              : which == QLatin1String("corrosive") ? &d->corrosive
                              : which == QLatin1String("L")         ? &d->lCodes
                                                                    : nullptr;
            if (!target)
                damaged(lineNumber, QStringLiteral("no rule '%1'").arg(which));
            *target |= codes;
        } else if (keyword == QLatin1String("words") && !items.isEmpty()) {
            std::vector<Word> words;
            for (qsizetype i = 1; i < items.size(); ++i) {
                QString w = items.at(i);
                Word word;
                word.atEnd = w.startsWith(QLatin1Char('-'));
                word.anywhere = w.startsWith(QLatin1Char('*'));
                if (word.atEnd || word.anywhere)
                    w.remove(0, 1);
                word.text = w.toStdString();
                words.push_back(std::move(word));
            }
            const QString& which = items.at(0);
            WordList* target = which == QLatin1String("E")                ? &d->eWords
                               : which == QLatin1String("X")              ? &d->xWords
                               : which == QLatin1String("acid")           ? &d->acidWords
                               : which == QLatin1String("base")           ? &d->baseWords
                               : which == QLatin1String("not-base")       ? &d->notBaseWords
                               : which == QLatin1String("mineral-acid")   ? &d->mineralAcidWords
                               : which == QLatin1String("inorganic-base") ? &d->inorganicBaseWords
                                                                          : nullptr;
            if (!target)
                damaged(lineNumber, QStringLiteral("no word list '%1'").arg(which));
            target->words = std::move(words);
        } else if (keyword == QLatin1String("text")) {
            const QStringList parts = rest.split(QLatin1Char('|'));
            std::vector<std::string> phrases;
            for (qsizetype i = 1; i < parts.size(); ++i)
                phrases.push_back(parts.at(i).trimmed().toStdString());
            const QString which = parts.at(0).trimmed();
            std::vector<std::string>* target = which == QLatin1String("combustible") ? &d->combustible
                                               : which == QLatin1String("not-combustible")
                                                   ? &d->notCombustible
                                               : which == QLatin1String("not-classified") ? &d->notClassified
                                               : which == QLatin1String("override")       ? &d->override
                                                                                          : nullptr;
            if (!target || phrases.empty())
                damaged(lineNumber, QStringLiteral("no phrase list '%1'").arg(which));
            *target = std::move(phrases);
        } else {
            damaged(lineNumber, QStringLiteral("'%1' is not understood").arg(keyword));
        }
    }
    d->names.add(d->eWords, OxidizerWords);
    d->names.add(d->xWords, IncompatibleWords);
    d->names.add(d->acidWords, AcidWords);
    d->names.add(d->notBaseWords, NotBaseWords);
    d->names.add(d->baseWords, BaseWords);
    d->names.add(d->mineralAcidWords, MineralAcidWords);
    d->names.add(d->inorganicBaseWords, InorganicBaseWords);
    for (int g = 0; g < kSchemeGroups; ++g)
        if (!named[static_cast<std::size_t>(g)])
            damaged(lineNumber, QStringLiteral("group %1 is not named").arg(QLatin1Char(kLetters[g])));
    return d;
}

} // namespace

Scheme::Scheme(std::unique_ptr<Data> data) : d(std::move(data))
{
    for (const std::vector<Group>& line : d->together)
        for (Group a : line)
            for (Group b : line)
                together_[static_cast<std::size_t>(index(a))][static_cast<std::size_t>(index(b))] = true;
    // Chemicals of one group always share: that is what the group is.
    for (int g = 0; g < kSchemeGroups; ++g)
        together_[static_cast<std::size_t>(g)][static_cast<std::size_t>(g)] = true;
}

Scheme::~Scheme() = default;

const Scheme& Scheme::builtIn()
{
    static const Scheme scheme = [] {
        initSafetyResources();
        QFile file(QStringLiteral(":/safety/storage_groups.txt"));
        if (!file.open(QIODevice::ReadOnly))
            damaged(0, QStringLiteral("the data is missing"));
        return Scheme(parse(file.readAll()));
    }();
    return scheme;
}

QString Scheme::letter(Group g)
{
    return g == Group::Unknown ? QStringLiteral("?") : QString(QLatin1Char(kLetters[index(g)]));
}

std::optional<Group> Scheme::fromLetter(char letter)
{
    if (letter >= 'a' && letter <= 'z')
        letter = static_cast<char>(letter - 'a' + 'A');
    for (int g = 0; g < kSchemeGroups; ++g)
        if (kLetters[g] == letter)
            return static_cast<Group>(g);
    return std::nullopt;
}

// The names and nouns of storage_groups.txt, so that lupdate offers them for translation;
// title() and noun() translate what the data says, and a name missing here stays English.
[[maybe_unused]] constexpr const char* kDataNames[] = {
    QT_TRANSLATE_NOOP("Storage", "Compatible organic bases"),
    QT_TRANSLATE_NOOP("Storage", "organic base"),
    QT_TRANSLATE_NOOP("Storage", "Compatible pyrophoric and water-reactive materials"),
    QT_TRANSLATE_NOOP("Storage", "pyrophoric or water-reactive"),
    QT_TRANSLATE_NOOP("Storage", "Compatible inorganic bases"),
    QT_TRANSLATE_NOOP("Storage", "inorganic base"),
    QT_TRANSLATE_NOOP("Storage", "Compatible organic acids"),
    QT_TRANSLATE_NOOP("Storage", "organic acid"),
    QT_TRANSLATE_NOOP("Storage", "Compatible oxidizers including peroxides"),
    QT_TRANSLATE_NOOP("Storage", "oxidizer"),
    QT_TRANSLATE_NOOP("Storage", "Compatible inorganic acids not including oxidizers or combustibles"),
    QT_TRANSLATE_NOOP("Storage", "inorganic acid"),
    QT_TRANSLATE_NOOP("Storage", "Not intrinsically reactive or flammable or combustible"),
    QT_TRANSLATE_NOOP("Storage", "not reactive"),
    QT_TRANSLATE_NOOP("Storage", "Poison compressed gases"),
    QT_TRANSLATE_NOOP("Storage", "poison gas"),
    QT_TRANSLATE_NOOP("Storage", "Compatible explosive or other highly unstable material"),
    QT_TRANSLATE_NOOP("Storage", "explosive or unstable"),
    QT_TRANSLATE_NOOP("Storage", "Non-reactive flammable and combustible, including solvents"),
    QT_TRANSLATE_NOOP("Storage", "flammable"),
    QT_TRANSLATE_NOOP("Storage", "Incompatible with all other storage groups"),
    QT_TRANSLATE_NOOP("Storage", "incompatible with all"),
};

QString Scheme::title(Group g) const
{
    return g == Group::Unknown
               ? QCoreApplication::translate("Storage", "Unknown")
               : QCoreApplication::translate(
                     "Storage", d->titles[static_cast<std::size_t>(index(g))].toUtf8().constData());
}

QString Scheme::noun(Group g) const
{
    return g == Group::Unknown
               ? QCoreApplication::translate("Storage", "unknown group")
               : QCoreApplication::translate(
                     "Storage", d->nouns[static_cast<std::size_t>(index(g))].toUtf8().constData());
}

namespace {

// Up to four of the rule's codes that the text holds, as the text orders them, into the reason.
void keep(Reason& r, const Codes& found, const CodeSet* rule)
{
    for (int i = 0; i < found.count && r.codeCount < r.codes.size(); ++i) {
        const std::uint16_t c = found.inOrder[static_cast<std::size_t>(i)];
        if (!rule || rule->test(c))
            r.codes[r.codeCount++] = c;
    }
}

Assignment assign(Group g, Reason r)
{
    return Assignment{g, r};
}

// What a hazards text says, whatever the chemical's name.
struct HazardFacts
{
    // Which rules' statements the text holds, one bit each.
    enum Rule : std::uint16_t
    {
        JGas = 1 << 0,
        JToxic = 1 << 1,
        E = 1 << 2,
        K = 1 << 3,
        B = 1 << 4,
        X = 1 << 5,
        Corrosive = 1 << 6,
        L = 1 << 7,
    };
    std::uint16_t rules = 0;
    bool has(Rule r) const { return (rules & r) != 0; }
    Codes found;
    char override = 0; // the letter of "Storage group: F"
    bool combustible = false;
    bool notClassified = false;
    bool blank = false;
};

HazardFacts readHazards(const Scheme::Data& d, std::string_view text)
{
    HazardFacts facts;
    facts.found = readCodes(text);
    const CodeSet& codes = facts.found.set;
    const std::pair<const CodeSet*, HazardFacts::Rule> rules[] = {
        {&d.jGas, HazardFacts::JGas},
        {&d.jToxic, HazardFacts::JToxic},
        {&d.eCodes, HazardFacts::E},
        {&d.kCodes, HazardFacts::K},
        {&d.bCodes, HazardFacts::B},
        {&d.xCodes, HazardFacts::X},
        {&d.corrosive, HazardFacts::Corrosive},
        {&d.lCodes, HazardFacts::L},
    };
    for (const auto& [set, bit] : rules)
        if ((codes & *set).any())
            facts.rules |= bit;
    std::string hazards;
    fold(text, hazards);
    facts.combustible = containsAny(hazards, d.combustible) && !containsAny(hazards, d.notCombustible);
    facts.notClassified = containsAny(hazards, d.notClassified);
    facts.blank = hazards.find_first_not_of(" \t\r\n") == std::string::npos;
    // "Storage group: F" (or "Grupo de armazenamento: F").
    for (const std::string& phrase : d.override) {
        for (std::size_t at = hazards.find(phrase); at != std::string::npos;
             at = hazards.find(phrase, at + 1)) {
            std::size_t i = at + phrase.size();
            while (i < hazards.size() && (hazards[i] == ' ' || hazards[i] == '\t'))
                ++i;
            if (i >= hazards.size() || hazards[i] != ':')
                continue;
            ++i;
            while (i < hazards.size() && (hazards[i] == ' ' || hazards[i] == '\t'))
                ++i;
            if (i >= hazards.size() || !isLetter(hazards[i]) ||
                (i + 1 < hazards.size() && isLetter(hazards[i + 1])))
                continue;
            facts.override = static_cast<char>(hazards[i] - 'a' + 'A');
            return facts;
        }
    }
    return facts;
}

// Looks texts up by their bytes without making a string for each record.
struct TextHash
{
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

} // namespace

Assignment Scheme::classify(const ChemicalText& c) const
{
    // Many records share a hazards text, and a large check reads a million: what a text
    // says is kept, for a bounded number of texts, per thread.
    thread_local std::unordered_map<std::string, HazardFacts, TextHash, std::equal_to<>> known;
    thread_local const Data* knownFor = nullptr;
    if (knownFor != d.get()) {
        known.clear();
        knownFor = d.get();
    }
    auto it = known.find(c.hazards);
    if (it == known.end()) {
        if (known.size() >= 16384)
            known.clear();
        it = known.emplace(std::string(c.hazards), readHazards(*d, c.hazards)).first;
    }
    const HazardFacts& hazards = it->second;
    const Codes& found = hazards.found;

    if (hazards.override) {
        Reason r;
        r.letter = hazards.override;
        if (const auto g = fromLetter(r.letter)) {
            r.kind = Reason::Override;
            return assign(*g, r);
        }
        r.kind = Reason::OverrideUnknown;
        return assign(Group::Unknown, r);
    }

    thread_local NameWords name;
    name.read(c.name, c.aldrich, d->names);

    auto byCodes = [&](Group g, const CodeSet& rule) {
        Reason r;
        r.kind = Reason::Codes;
        keep(r, found, &rule);
        return assign(g, r);
    };
    auto byWord = [&](Group g, const Word& w) {
        Reason r;
        r.kind = Reason::NameWord;
        r.word = w.text;
        return assign(g, r);
    };

    if (hazards.has(HazardFacts::JGas) && hazards.has(HazardFacts::JToxic))
        return byCodes(Group::J, d->jGas | d->jToxic);
    if (hazards.has(HazardFacts::E))
        return byCodes(Group::E, d->eCodes);
    if (const Word* w = name.find(OxidizerWords))
        return byWord(Group::E, *w);
    if (hazards.has(HazardFacts::K))
        return byCodes(Group::K, d->kCodes);
    if (hazards.has(HazardFacts::B))
        return byCodes(Group::B, d->bCodes);
    if (hazards.has(HazardFacts::X))
        return byCodes(Group::X, d->xCodes);
    if (const Word* w = name.find(IncompatibleWords))
        return byWord(Group::X, *w);

    // An acid or a base: by its name, or, for a corrosive the name says nothing of, by the
    // shape of its formula. Organic or inorganic by the formula.
    const bool corrosive = hazards.has(HazardFacts::Corrosive);
    const Word* acid = name.find(AcidWords);
    const Word* base = acid || name.find(NotBaseWords) ? nullptr : name.find(BaseWords);
    const FormulaFacts formula = readFormula(c.formula);
    const bool acidByFormula = !acid && !base && corrosive && formula.acidShape;
    const bool baseByFormula = !acid && !base && corrosive && formula.baseShape;
    if (acid || base || acidByFormula || baseByFormula) {
        const bool isAcid = acid || acidByFormula;
        Reason r;
        r.kind = isAcid ? Reason::Acid : Reason::Base;
        r.byFormula = acidByFormula || baseByFormula;
        if (!r.byFormula)
            r.word = (acid ? acid : base)->text;
        keep(r, found, &d->corrosive);
        bool organic = false;
        if (formula.present) {
            organic = formula.organic;
            r.source = organic ? Reason::FormulaOrganic : Reason::FormulaInorganic;
        } else if (isAcid && name.find(MineralAcidWords)) {
            r.source = Reason::MineralAcidName;
        } else {
            // No formula: an acid not named as a mineral acid is taken as organic, a base
            // as the kind its word names (a hydroxide or ammonia inorganic, an amine organic).
            r.source = Reason::NoFormula;
            organic = isAcid || !name.find(InorganicBaseWords);
        }
        if (isAcid)
            return assign(organic ? Group::D : Group::F, r);
        return assign(organic ? Group::A : Group::C, r);
    }
    if (corrosive) {
        Reason r;
        r.kind = Reason::CorrosiveNeither;
        keep(r, found, &d->corrosive);
        return assign(Group::Unknown, r);
    }

    if (hazards.has(HazardFacts::L))
        return byCodes(Group::L, d->lCodes);
    if (hazards.combustible) {
        Reason r;
        r.kind = Reason::Combustible;
        return assign(Group::L, r);
    }
    if (found.count > 0) {
        Reason r;
        r.kind = Reason::OtherCodes;
        keep(r, found, nullptr);
        return assign(Group::G, r);
    }
    Reason r;
    if (hazards.notClassified) {
        r.kind = Reason::NotClassified;
        return assign(Group::G, r);
    }
    r.kind = hazards.blank ? Reason::EmptyHazards : Reason::NoStatements;
    return assign(Group::Unknown, r);
}

namespace {

QString codeText(std::uint16_t code)
{
    return code >= kEuh ? QStringLiteral("EUH%1").arg(code - kEuh, 3, 10, QLatin1Char('0'))
                        : QStringLiteral("H%1").arg(code);
}

QString codesText(const Reason& r)
{
    QStringList codes;
    for (int i = 0; i < r.codeCount; ++i)
        codes.append(codeText(r.codes[static_cast<std::size_t>(i)]));
    return codes.join(QStringLiteral(" + "));
}

QString wordText(std::string_view word)
{
    return QStringLiteral("“%1…”").arg(QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size())));
}

} // namespace

QString Scheme::explain(const Assignment& a) const
{
    const Reason& r = a.reason;
    const QString codes = codesText(r);
    const QString codesPlus = codes.isEmpty() ? QString() : codes + QStringLiteral(" + ");
    switch (r.kind) {
    case Reason::Override:
        return QCoreApplication::translate("Storage", "set in the hazards text (storage group %1)")
            .arg(QLatin1Char(r.letter));
    case Reason::OverrideUnknown:
        return QCoreApplication::translate(
                   "Storage", "the hazards text names storage group %1, which the scheme does not have "
                              "(A to G, J, K, L, X)")
            .arg(QLatin1Char(r.letter));
    case Reason::Codes:
        return QStringLiteral("%1: %2").arg(codes, noun(a.group));
    case Reason::NameWord:
        return QCoreApplication::translate("Storage", "%1 in the name: %2")
            .arg(wordText(r.word), noun(a.group));
    case Reason::Acid:
    case Reason::Base: {
        const bool acid = r.kind == Reason::Acid;
        QString what;
        if (r.byFormula)
            what = acid ? QCoreApplication::translate("Storage", "an acid's formula")
                        : QCoreApplication::translate("Storage", "a hydroxide's formula");
        else if (acid && r.word == "acid")
            what = QCoreApplication::translate("Storage", "acid in the name");
        else
            what = QCoreApplication::translate("Storage", "%1 in the name (%2)")
                       .arg(wordText(r.word), acid ? QCoreApplication::translate("Storage", "an acid")
                                                   : QCoreApplication::translate("Storage", "a base"));
        QString nature;
        switch (r.source) {
        case Reason::FormulaOrganic:
            nature = QCoreApplication::translate("Storage", "organic formula");
            break;
        case Reason::FormulaInorganic:
            nature = QCoreApplication::translate("Storage", "inorganic formula");
            break;
        case Reason::MineralAcidName:
            nature = QCoreApplication::translate("Storage", "a mineral acid's name");
            break;
        case Reason::NoFormula:
        case Reason::NoSource:
            nature = QCoreApplication::translate("Storage", "no formula, taken as %1").arg(noun(a.group));
            break;
        }
        return QStringLiteral("%1%2, %3").arg(codesPlus, what, nature);
    }
    case Reason::CorrosiveNeither:
        return QCoreApplication::translate(
                   "Storage", "%1: corrosive, but neither the name nor the formula tells an acid from a base")
            .arg(codes);
    case Reason::Combustible:
        return QCoreApplication::translate("Storage", "combustible, as the hazards text says");
    case Reason::OtherCodes:
        return QCoreApplication::translate("Storage", "%1: no reactive, flammable or corrosive hazard")
            .arg(codes);
    case Reason::NotClassified:
        return QCoreApplication::translate("Storage", "not classified, as the hazards text says");
    case Reason::NoStatements:
        return QCoreApplication::translate("Storage", "the hazards text names no H-statement");
    case Reason::EmptyHazards:
        return QCoreApplication::translate("Storage", "the hazards text is empty");
    }
    return {};
}

QString Scheme::whyApart(Group a, Group b) const
{
    return QCoreApplication::translate("Storage", "%1 (%2) with %3 (%4)")
        .arg(noun(a), letter(a), noun(b), letter(b));
}

} // namespace safety
