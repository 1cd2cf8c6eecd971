#pragma once
// A hash index of numbered names that match without regard to ASCII case, for the profile
// reader's sections and long sections' keys. A slot holds a number and a 32-bit hash of its
// name, eight bytes; the names stay where their owner keeps them and are asked for through a
// function, and only when the hashes agree, so that a file of a million sections costs a few
// bytes per section here, no copy of any name, and one visit to a name per lookup.

#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

class FoldedIndex {
public:
    static char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

    static bool SameName(std::string_view a, std::string_view b)
    {
        if (a.size() != b.size())
            return false;
        for (size_t i = 0; i < a.size(); ++i)
            if (a[i] != b[i] && Fold(a[i]) != Fold(b[i]))
                return false;
        return true;
    }

    // The number of the name, if it is here. nameOf(number) gives the name of a number.
    template <typename NameOf>
    std::optional<uint32_t> Find(std::string_view name, NameOf&& nameOf) const
    {
        if (slots_.empty())
            return std::nullopt;
        const size_t mask = slots_.size() - 1;
        const uint32_t hash = Hash(name);
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            if (slots_[i] == Free)
                return std::nullopt;
            if (HashIn(slots_[i]) == hash && SameName(nameOf(NumberIn(slots_[i])), name))
                return NumberIn(slots_[i]);
        }
    }

    // Adds a number unless a number of the same name is here already, which it then gives.
    template <typename NameOf>
    std::optional<uint32_t> Add(uint32_t number, NameOf&& nameOf)
    {
        if ((count_ + 1) * 4 > slots_.size() * 3)
            Rehash(SlotsFor(count_ + 1));
        const std::string_view name = nameOf(number);
        const size_t mask = slots_.size() - 1;
        const uint32_t hash = Hash(name);
        size_t i = hash & mask;
        for (; slots_[i] != Free; i = (i + 1) & mask)
            if (HashIn(slots_[i]) == hash && SameName(nameOf(NumberIn(slots_[i])), name))
                return NumberIn(slots_[i]);
        slots_[i] = uint64_t{hash} << 32 | (uint64_t{number} + 1);
        ++count_;
        return std::nullopt;
    }

    void Clear()
    {
        slots_.clear();
        count_ = 0;
    }

private:
    // A slot holds the name's hash and number + 1 below it; Free is no number. The hash places
    // the slot, so that growing the table visits no names.
    static constexpr uint64_t Free = 0;
    static uint32_t NumberIn(uint64_t slot) { return static_cast<uint32_t>(slot) - 1; }
    static uint32_t HashIn(uint64_t slot) { return static_cast<uint32_t>(slot >> 32); }

    // The folded name eight bytes at a time, its bits then mixed, because names that differ
    // only in their last digits would otherwise crowd together in the table.
    static uint32_t Hash(std::string_view name)
    {
        constexpr uint64_t Multiplier = 0x9E3779B97F4A7C15u;
        uint64_t hash = name.size() * Multiplier;
        for (; name.size() >= 8; name.remove_prefix(8)) {
            uint64_t word = 0;
            std::memcpy(&word, name.data(), sizeof word);
            hash = (hash ^ FoldWord(word)) * Multiplier;
        }
        uint64_t rest = 0;
        for (size_t i = 0; i < name.size(); ++i)
            rest |= uint64_t{static_cast<unsigned char>(Fold(name[i]))} << (8 * i);
        hash = (hash ^ rest) * Multiplier;
        hash = (hash ^ (hash >> 33)) * 0xff51afd7ed558ccdu;
        hash = (hash ^ (hash >> 33)) * 0xc4ceb9fe1a85ec53u;
        return static_cast<uint32_t>(hash ^ (hash >> 33));
    }

    // Fold for eight characters at once: each byte from 'A' to 'Z' gains 0x20.
    static uint64_t FoldWord(uint64_t word)
    {
        constexpr uint64_t Ones = 0x0101010101010101u;
        const uint64_t low = word & (Ones * 0x7F);
        // The top bit of a byte below 0x80 is set by adding when it is at least 'A', and not
        // when it is beyond 'Z'; no sum carries into the next byte.
        const uint64_t letters = (low + Ones * (0x80 - 'A')) & ~(low + Ones * (0x80 - 'Z' - 1)) & ~word & (Ones * 0x80);
        return word | letters >> 2;
    }

    // A power of two at most three quarters full.
    static size_t SlotsFor(size_t count)
    {
        size_t capacity = 16;
        while (count * 4 > capacity * 3)
            capacity *= 2;
        return capacity;
    }

    void Rehash(size_t capacity)
    {
        std::vector<uint64_t> old(capacity, Free);
        old.swap(slots_);
        const size_t mask = capacity - 1;
        for (const uint64_t slot : old) {
            if (slot == Free)
                continue;
            size_t i = HashIn(slot) & mask;
            while (slots_[i] != Free)
                i = (i + 1) & mask;
            slots_[i] = slot;
        }
    }

    std::vector<uint64_t> slots_;
    size_t count_ = 0;
};
