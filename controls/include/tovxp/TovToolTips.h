// TovToolTips: a keyed collection that creates and keeps TovToolTip objects.
#pragma once

#include "tovxp/TovToolTip.h"
#include "tovxp/tovxp_global.h"

#include <memory>
#include <stdexcept>
#include <vector>

namespace tovxp {

/// Base of the errors of the collection.
class TOVXP_EXPORT TovToolTipsError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// Add() with a key that is already stored; nothing was added or attached.
class TOVXP_EXPORT DuplicateKeyError : public TovToolTipsError {
  public:
    using TovToolTipsError::TovToolTipsError;
};

/// Item() or Remove() with a key or position that is not stored.
class TOVXP_EXPORT NotFoundError : public TovToolTipsError {
  public:
    using TovToolTipsError::TovToolTipsError;
};

/// The tooltips of a window, reachable by key or by 1-based position, in the order they were added.
/// Tooltips are shared: one removed from the collection lives on while a caller holds it.
class TOVXP_EXPORT TovToolTips {
    struct Entry {
        QString key;
        std::shared_ptr<TovToolTip> tip;
    };

  public:
    using Pointer = std::shared_ptr<TovToolTip>;

    /// Iterates over the stored tooltips.
    class const_iterator {
      public:
        explicit const_iterator(std::vector<Entry>::const_iterator it) : m_it(it) {}
        const Pointer &operator*() const { return m_it->tip; }
        const_iterator &operator++() {
            ++m_it;
            return *this;
        }
        bool operator!=(const const_iterator &other) const { return m_it != other.m_it; }
        bool operator==(const const_iterator &other) const { return m_it == other.m_it; }

      private:
        std::vector<Entry>::const_iterator m_it;
    };

    TovToolTips();
    ~TovToolTips();

    /// Creates a tooltip, stores it under `key` (without a key when `key` is empty), attaches it
    /// to `target` with the other arguments and returns it.
    /// Throws DuplicateKeyError, before creating anything, when `key` is already stored.
    Pointer Add(const QString &key, QWidget *target, const QString &toolTipText, const QString &title = {},
                TovToolTip_Icon icon = TTI_None, bool balloon = true, bool centered = false);
    /// The tooltip stored under `key`; throws NotFoundError.
    Pointer Item(const QString &key) const;
    /// The tooltip at `position` (1 = first); throws NotFoundError.
    Pointer Item(int position) const;
    int Count() const { return int(m_entries.size()); }
    /// The stored tooltips in order (a copy, safe to keep while the collection changes).
    std::vector<Pointer> NewEnum() const;
    const_iterator begin() const { return const_iterator(m_entries.begin()); }
    const_iterator end() const { return const_iterator(m_entries.end()); }
    /// Takes the entry out of the collection; its tooltip window is not destroyed. Throws NotFoundError.
    void Remove(const QString &key);
    void Remove(int position);
    /// Destroys the windows of every stored tooltip; the entries stay in the collection.
    void Clear();

  private:
    std::size_t indexOf(const QString &key) const;
    std::size_t indexOf(int position) const;

    std::vector<Entry> m_entries;
};

} // namespace tovxp
