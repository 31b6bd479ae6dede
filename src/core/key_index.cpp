#include "core/key_index.h"

#include <cstring>
#include <limits>

#include "db/error.h"

namespace qor {
namespace {

constexpr std::uint32_t kLimit = std::numeric_limits<std::uint32_t>::max();

std::uint64_t Tag(std::uint64_t hash) { return hash & 0xFFFFFFFF00000000ull; }

}  // namespace

std::uint64_t TKeyIndex::Hash(std::string_view key) { return std::hash<std::string_view>{}(key); }

std::string_view TKeyIndex::KeyText(const Group& group) const {
    if (group.key_length <= kInline) return {group.key, group.key_length};
    return {keys_.data() + group.key_at, group.key_length};
}

bool TKeyIndex::Holds(std::uint32_t group, std::string_view key) const {
    return group < groups_.size() && KeyText(groups_[group]) == key;
}

std::size_t TKeyIndex::Probe(std::uint64_t hash, std::string_view key) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = hash & mask;
    for (; slots_[i]; i = (i + 1) & mask)
        if (Tag(slots_[i]) == Tag(hash) && Holds(static_cast<std::uint32_t>(slots_[i]) - 1, key)) break;
    return i;
}

void TKeyIndex::AddGroup(std::string_view key) {
    Group group{};
    group.key_length = static_cast<std::uint32_t>(key.size());
    if (key.size() <= kInline) {
        std::memcpy(group.key, key.data(), key.size());
    } else {
        if (keys_.size() + key.size() >= kLimit) throw db::UsageError("Índice em memória: chaves longas demais");
        group.key_at = static_cast<std::uint32_t>(keys_.size());
        keys_.append(key);
    }
    groups_.push_back(group);
}

void TKeyIndex::Grow() {
    slots_.assign(slots_.size() * 2, 0);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t g = 0; g < groups_.size(); ++g) {
        const std::uint64_t hash = Hash(KeyText(groups_[g]));
        std::size_t i = hash & mask;
        while (slots_[i]) i = (i + 1) & mask;
        slots_[i] = Tag(hash) | (g + 1);
    }
}

void TKeyIndex::Build(std::size_t row_count, const KeyOf& key_of) {
    if (row_count >= kLimit) throw db::UsageError("Índice em memória: linhas demais para indexar");
    row_count_ = row_count;
    groups_.clear();
    keys_.clear();
    slots_.assign(8, 0);

    // Collect the distinct keys, counting their rows; each row remembers
    // its group.
    std::vector<std::uint32_t> group_of(row_count, kNone);
    std::string key;
    for (std::size_t row = 0; row < row_count; ++row) {
        key.clear();
        if (!key_of(row, key)) continue;
        const std::uint64_t hash = Hash(key);
        const std::size_t slot = Probe(hash, key);
        if (!slots_[slot]) {
            AddGroup(key);
            slots_[slot] = Tag(hash) | groups_.size();
        }
        const auto group = static_cast<std::uint32_t>(slots_[slot]) - 1;
        ++groups_[group].count;
        group_of[row] = group;
        if (groups_.size() * 2 > slots_.size()) Grow();
    }

    // Row lists back to back, by group; rows enter their list in stored order.
    std::uint32_t total = 0;
    for (Group& g : groups_) {
        g.first = total;
        total += g.count;
    }
    rows_.assign(total, 0);
    std::vector<std::uint32_t> filled(groups_.size(), 0);
    for (std::size_t row = 0; row < row_count; ++row) {
        const std::uint32_t g = group_of[row];
        if (g != kNone) rows_[groups_[g].first + filled[g]++] = static_cast<std::uint32_t>(row);
    }
}

std::uint32_t TKeyIndex::Find(std::string_view key) const {
    if (slots_.empty()) return kNone;
    const std::uint64_t slot = slots_[Probe(Hash(key), key)];
    return slot ? static_cast<std::uint32_t>(slot) - 1 : kNone;
}

std::uint32_t TKeyIndex::FindNear(std::uint32_t previous, std::string_view key) const {
    if (previous != kNone) {
        if (Holds(previous, key)) return previous;
        if (Holds(previous + 1, key)) return previous + 1;
    }
    return Find(key);
}

}  // namespace qor
