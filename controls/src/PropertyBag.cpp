// The named-value stores a TovCommand saves itself into: the in-memory one and the QSettings one.
#include "tovxp/PropertyBag.h"

#include <QSettings>

namespace tovxp {

PropertyBag::~PropertyBag() = default;

QVariant PropertyBag::read(const QString &name, const QVariant &defaultValue) const {
    return has(name) ? get(name) : defaultValue;
}

void PropertyBag::write(const QString &name, const QVariant &value, const QVariant &defaultValue) {
    if (value == defaultValue)
        erase(name);
    else
        put(name, value);
}

bool PropertyBag::contains(const QString &name) const {
    return has(name);
}

VariantMapBag::VariantMapBag(QVariantMap values) : m_values(std::move(values)) {}

bool VariantMapBag::has(const QString &name) const {
    return m_values.contains(name);
}
QVariant VariantMapBag::get(const QString &name) const {
    return m_values.value(name);
}
void VariantMapBag::put(const QString &name, const QVariant &value) {
    m_values.insert(name, value);
}
void VariantMapBag::erase(const QString &name) {
    m_values.remove(name);
}

SettingsBag::SettingsBag(QSettings &settings, QString group)
    : m_settings(settings), m_group(std::move(group)) {}

QString SettingsBag::key(const QString &name) const {
    return m_group.isEmpty() ? name : m_group + QLatin1Char('/') + name;
}

bool SettingsBag::has(const QString &name) const {
    return m_settings.contains(key(name));
}
QVariant SettingsBag::get(const QString &name) const {
    return m_settings.value(key(name));
}
void SettingsBag::put(const QString &name, const QVariant &value) {
    m_settings.setValue(key(name), value);
}
void SettingsBag::erase(const QString &name) {
    m_settings.remove(key(name));
}

} // namespace tovxp
