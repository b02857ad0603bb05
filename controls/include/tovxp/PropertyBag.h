// Where a TovCommand keeps its properties between sessions: a small named-value store.
#pragma once

#include "tovxp/tovxp_global.h"

#include <QString>
#include <QVariant>
#include <QVariantMap>

class QSettings;

namespace tovxp {

/// A store of named values. A value equal to its default is never kept: write() erases the entry
/// instead, so that a later read() falls back on the default and stale values cannot survive.
class TOVXP_EXPORT PropertyBag {
  public:
    virtual ~PropertyBag();

    /// The stored value of `name`, or `defaultValue` when there is no such entry.
    QVariant read(const QString &name, const QVariant &defaultValue) const;
    /// Stores `value` under `name`, unless it equals `defaultValue`, in which case the entry is erased.
    void write(const QString &name, const QVariant &value, const QVariant &defaultValue);
    /// Whether an entry `name` is stored.
    bool contains(const QString &name) const;

  protected:
    virtual bool has(const QString &name) const = 0;
    virtual QVariant get(const QString &name) const = 0;
    virtual void put(const QString &name, const QVariant &value) = 0;
    virtual void erase(const QString &name) = 0;
};

/// A bag over an in-memory map; `values()` exposes what was written, in name order.
class TOVXP_EXPORT VariantMapBag : public PropertyBag {
  public:
    VariantMapBag() = default;
    explicit VariantMapBag(QVariantMap values);
    const QVariantMap &values() const { return m_values; }

  protected:
    bool has(const QString &name) const override;
    QVariant get(const QString &name) const override;
    void put(const QString &name, const QVariant &value) override;
    void erase(const QString &name) override;

  private:
    QVariantMap m_values;
};

/// A bag over one group of a QSettings object (which must outlive the bag). Booleans, numbers and
/// text come back as text from an INI file; TovCommand converts them on reading.
class TOVXP_EXPORT SettingsBag : public PropertyBag {
  public:
    SettingsBag(QSettings &settings, QString group);

  protected:
    bool has(const QString &name) const override;
    QVariant get(const QString &name) const override;
    void put(const QString &name, const QVariant &value) override;
    void erase(const QString &name) override;

  private:
    QString key(const QString &name) const;

    QSettings &m_settings;
    QString m_group;
};

} // namespace tovxp
