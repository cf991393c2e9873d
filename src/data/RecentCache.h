// A bounded map that forgets the entry used longest ago when a new one does not fit: the
// store's prepared statements and a dataset's pages of rows are held in one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <utility>

namespace dorvani {

template <class Key, class Value, class Hash = std::hash<Key>>
class RecentCache {
public:
    explicit RecentCache(std::size_t capacity) : m_capacity(capacity > 0 ? capacity : 1) {}

    // The value held for a key, counted as used now; null when none is held.
    Value *find(const Key &key)
    {
        auto it = m_items.find(key);
        if (it == m_items.end())
            return nullptr;
        it->second.used = ++m_clock;
        return &it->second.value;
    }
    // Holds a value for a key (replacing one held), forgetting the entry used longest ago
    // when the cache is full.
    Value &insert(const Key &key, Value value)
    {
        auto it = m_items.find(key);
        if (it == m_items.end()) {
            if (m_items.size() >= m_capacity)
                forgetOldest();
            it = m_items.emplace(key, Entry{std::move(value), 0}).first;
        } else {
            it->second.value = std::move(value);
        }
        it->second.used = ++m_clock;
        return it->second.value;
    }
    void erase(const Key &key) { m_items.erase(key); }
    void clear() { m_items.clear(); }
    std::size_t size() const { return m_items.size(); }
    std::size_t capacity() const { return m_capacity; }
    template <class F>
    void forEach(F &&f) const
    {
        for (const auto &item : m_items)
            f(item.first, item.second.value);
    }

private:
    void forgetOldest()
    {
        auto oldest = m_items.begin();
        for (auto i = m_items.begin(); i != m_items.end(); ++i)
            if (i->second.used < oldest->second.used)
                oldest = i;
        if (oldest != m_items.end())
            m_items.erase(oldest);
    }
    struct Entry {
        Value value;
        std::uint64_t used;
    };
    std::unordered_map<Key, Entry, Hash> m_items;
    std::size_t m_capacity;
    std::uint64_t m_clock = 0;
};

} // namespace dorvani
