// TovToolTips: the keyed collection of tooltips.
#include "tovxp/TovToolTips.h"

namespace tovxp {

TovToolTips::TovToolTips() = default;
TovToolTips::~TovToolTips() = default;

TovToolTips::Pointer TovToolTips::Add(const QString &key, QWidget *target, const QString &toolTipText,
                                      const QString &title, TovToolTip_Icon icon, bool balloon,
                                      bool centered) {
    if (!key.isEmpty()) {
        for (const Entry &e : m_entries)
            if (e.key == key)
                throw DuplicateKeyError(
                    "This key is already associated with an element of this collection: " +
                    key.toStdString());
    }
    auto tip = std::make_shared<TovToolTip>();
    m_entries.push_back({key, tip});
    tip->Attach(target, toolTipText, title, icon, balloon, centered);
    return tip;
}

std::size_t TovToolTips::indexOf(const QString &key) const {
    if (!key.isEmpty()) {
        for (std::size_t i = 0; i < m_entries.size(); ++i)
            if (m_entries[i].key == key) return i;
    }
    throw NotFoundError("No tooltip is stored under the key: " + key.toStdString());
}

std::size_t TovToolTips::indexOf(int position) const {
    if (position < 1 || position > Count())
        throw NotFoundError("No tooltip is stored at position " + std::to_string(position));
    return std::size_t(position - 1);
}

TovToolTips::Pointer TovToolTips::Item(const QString &key) const {
    return m_entries[indexOf(key)].tip;
}
TovToolTips::Pointer TovToolTips::Item(int position) const {
    return m_entries[indexOf(position)].tip;
}

std::vector<TovToolTips::Pointer> TovToolTips::NewEnum() const {
    std::vector<Pointer> all;
    for (const Entry &e : m_entries)
        all.push_back(e.tip);
    return all;
}

void TovToolTips::Remove(const QString &key) {
    m_entries.erase(m_entries.begin() + std::ptrdiff_t(indexOf(key)));
}
void TovToolTips::Remove(int position) {
    m_entries.erase(m_entries.begin() + std::ptrdiff_t(indexOf(position)));
}

void TovToolTips::Clear() {
    for (const Entry &e : m_entries)
        e.tip->Remove();
}

} // namespace tovxp
