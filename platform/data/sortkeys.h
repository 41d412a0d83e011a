#pragma once

#include <memory>
#include <string>

namespace records {

// Sort keys for text in the order a person expects: letter case and accents do not
// separate names at the first level ("Ácido" among the A's, "benzene" next to
// "Benzene"). Keys compare with memcmp, so a sort costs no locale compare per step.
class SortKeys final
{
public:
    SortKeys();
    ~SortKeys();
    SortKeys(const SortKeys&) = delete;
    SortKeys& operator=(const SortKeys&) = delete;

    // Appends the key of the UTF-8 text to the arena and returns its length in bytes.
    std::size_t append(std::string& arena, const char* utf8, int size);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace records
