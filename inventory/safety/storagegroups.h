#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

// The storage group of a chemical in the published scheme of compatible storage groups
// (the data file storage_groups.txt says which and why), and which groups may share a
// storing place.
namespace safety {

// The groups of the scheme, in the order of its letters, then Unknown: a chemical whose
// group cannot be told from its record.
enum class Group : std::uint8_t
{
    A,
    B,
    C,
    D,
    E,
    F,
    G,
    J,
    K,
    L,
    X,
    Unknown,
};
inline constexpr int kGroupCount = 12; // with Unknown

constexpr int index(Group g)
{
    return static_cast<int>(g);
}

// Why a chemical has its group, kept small: a text is made only for the records shown.
struct Reason
{
    enum Kind : std::uint8_t
    {
        Override,         // the hazards text names the group
        OverrideUnknown,  // the hazards text names a letter that is no group
        Codes,            // statements of the group (codes)
        NameWord,         // a word of the name (word)
        Acid,             // an acid: word or formula; organic or not by formula or name
        Base,             // a base, likewise
        CorrosiveNeither, // corrosive (codes), neither an acid nor a base that we can tell
        Combustible,      // the hazards text calls it combustible
        OtherCodes,       // statements of no reactive, flammable or corrosive kind (codes)
        NotClassified,    // the hazards text says it is not classified
        NoStatements,     // the hazards text names no statement
        EmptyHazards,     // the hazards text is empty or Null
    };
    // Where an acid or base's organic or inorganic nature was read.
    enum Source : std::uint8_t
    {
        NoSource,
        FormulaOrganic,
        FormulaInorganic,
        MineralAcidName,
        NoFormula, // no formula: an organic acid, or a base by the kind of word
    };
    Kind kind = NoStatements;
    Source source = NoSource;
    bool byFormula = false; // the acid or base was told by its formula, not its name
    char letter = 0;        // Override, OverrideUnknown
    std::uint8_t codeCount = 0;
    std::array<std::uint16_t, 4> codes{}; // H numbers; EUH codes as 1000 + number
    std::string_view word;                // a word of the scheme's data, never freed
};

struct Assignment
{
    Group group = Group::Unknown;
    Reason reason;
};

// What a record holds that the group is derived from, as UTF-8.
struct ChemicalText
{
    std::string_view name;    // NOME
    std::string_view aldrich; // ALDRICH
    std::string_view formula; // FORMULA
    std::string_view hazards; // HAZARDS
};

class Scheme final
{
public:
    // The scheme built into the program. Throws safety::StorageError (SchemeDamaged) when
    // its data cannot be read, which only a faulty build can cause.
    static const Scheme& builtIn();

    // The group of a chemical, and why.
    Assignment classify(const ChemicalText& chemical) const;

    // Whether the chart lets chemicals of the two groups share a storing place. A chemical
    // of unknown group shares with nothing: it is reported on its own, never paired.
    bool mayShare(Group a, Group b) const
    {
        return a != Group::Unknown && b != Group::Unknown && together_[index(a)][index(b)];
    }

    // "E"; "?" for Unknown.
    static QString letter(Group g);
    // The letter of the scheme, when it is one.
    static std::optional<Group> fromLetter(char letter);
    // "Compatible oxidizers including peroxides"; "Unknown" for Unknown.
    QString title(Group g) const;
    // "oxidizer", as a reason names one of the group's chemicals; "unknown group".
    QString noun(Group g) const;
    // "H272: oxidizer", "H314 + acid in the name, organic formula", ... for a person.
    QString explain(const Assignment& a) const;
    // Why two groups must be stored apart: "oxidizer (E) with organic acid (D)".
    QString whyApart(Group a, Group b) const;

    struct Data; // what the data file says

    explicit Scheme(std::unique_ptr<Data> data);
    ~Scheme();
    Scheme(const Scheme&) = delete;
    Scheme& operator=(const Scheme&) = delete;

private:
    std::unique_ptr<Data> d;
    std::array<std::array<bool, kGroupCount>, kGroupCount> together_{};
};

} // namespace safety
