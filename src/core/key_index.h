#pragma once
// A hash index from a key (an encoded byte string) to the rows that carry
// it, built once over a row set. The rows of one key form a group and keep
// their stored order, so the first of them is the first match. Groups are
// numbered in the order their keys first appear; a caller walking keys in
// that order finds each next group beside the previous one, without a
// random access into the hash table.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class TKeyIndex {
public:
    static constexpr std::uint32_t kNone = UINT32_MAX;

    // key_of(row, key) appends the key of a row to the empty text key, or
    // returns false for a row that has none (it is left out).
    using KeyOf = std::function<bool(std::size_t row, std::string& key)>;

    void Build(std::size_t row_count, const KeyOf& key_of);

    // The group of the key, or kNone.
    std::uint32_t Find(std::string_view key) const;
    // The same, trying first the group `previous` (kNone: none) and the one
    // after it.
    std::uint32_t FindNear(std::uint32_t previous, std::string_view key) const;
    // The rows of a group, in stored order.
    std::span<const std::uint32_t> Rows(std::uint32_t group) const {
        return {rows_.data() + groups_[group].first, groups_[group].count};
    }

    // The number of rows the index was built over.
    std::size_t RowCount() const { return row_count_; }

private:
    static constexpr std::size_t kInline = 16;

    // Half a cache line. A short key (one or two numbers, a short text) sits
    // in the group itself.
    struct Group {
        std::uint32_t first;  // into rows_
        std::uint32_t count;
        std::uint32_t key_length;
        std::uint32_t key_at;  // a long key: where it is in keys_
        char key[kInline];     // a short key
    };

    static std::uint64_t Hash(std::string_view key);
    std::string_view KeyText(const Group& group) const;
    bool Holds(std::uint32_t group, std::string_view key) const;
    // The slot holding the key, or the empty slot that ends its probe.
    std::size_t Probe(std::uint64_t hash, std::string_view key) const;
    void AddGroup(std::string_view key);
    // Doubles the hash table and places every group again.
    void Grow();

    std::size_t row_count_ = 0;
    std::vector<Group> groups_;
    // Open addressing, power-of-two size, load at most 1/2: group + 1 in the
    // low half (0 = empty slot), the key's hash tag in the high half.
    std::vector<std::uint64_t> slots_;
    std::string keys_;  // the long keys, back to back
    std::vector<std::uint32_t> rows_;
};

}  // namespace qor
