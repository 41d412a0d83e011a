#pragma once

#include "inventory/store/chemical_table.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

// Large made-up inventories for benchmarks: rows that read like a laboratory's own, so
// that sorting, searching and paging are measured on text of realistic length and shape.
namespace bench {

// One made-up chemical: the twelve columns by ordinal as UTF-8 text. A column whose
// null flag is set goes into the file as Null (its text is then empty).
struct GeneratedChemical
{
    std::array<std::string, store::kColumnCount> text;
    std::array<bool, store::kColumnCount> null{};
};

// Makes chemicals one after another: Portuguese names built from real name parts with the
// English catalogue name beside them, formulas and molecular weights that agree, physical
// data with units, vendors, places, amounts, one to four GHS lines and a line or two of
// appearance and solubility. About 5% have no catalogue name and about 3% no formula.
// The same seed gives the same sequence on every platform. The words come from the word list
// bench/chemical_words.txt, which the build puts into the program.
class ChemicalGenerator final
{
public:
    // Throws records::DataError when the word list built in has a fault.
    explicit ChemicalGenerator(std::uint64_t seed);
    ~ChemicalGenerator();
    ChemicalGenerator(const ChemicalGenerator&) = delete;
    ChemicalGenerator& operator=(const ChemicalGenerator&) = delete;

    // The next chemical; the reference is valid until the next call.
    const GeneratedChemical& next();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// Makes a new inventory file at path, with the program's schema, holding the first n
// chemicals of the generator for seed. Refuses to overwrite a file; on failure no file is
// left behind. Throws records::DataError.
void generateInventory(const QString& path, std::int64_t n, std::uint64_t seed = 1);

} // namespace bench
