#pragma once

#include "filtervalues/Constants.h"
#include "logging/MsgLoggingProducer.h"
#include "filtervalues/WildcardConfig.h"
#include "alarmmodels_export.h"

#include <QString>

class AlarmInstance;
class AlarmProp;

// The filter of one alarm property (value id) taken from one value source.
// Kinds derive from it; filters are passed around as QSharedPointer<ValueFilter>.
class ALARMMODELS_EXPORT ValueFilter : public MsgLoggingProducer
{
public:
    ValueFilter(const WildcardConfig& config, const QString& valueId, Constants::ValueSource source,
                bool matchCase);
    ~ValueFilter() override;

    const QString& getValueId() const { return m_valueId; }
    Constants::ValueSource getSource() const { return m_source; }
    const WildcardConfig& getWildcardConfig() const { return m_wildcardConfig; }

    bool isMatchCase() const { return m_matchCase; }
    virtual void setMatchCase(bool matchCase);

    // True when the filter holds no rule.
    virtual bool isEmpty() const = 0;
    // A readable description for logs and displays.
    virtual QString toString() const = 0;
    // Same kind, property, source, match case and rules.
    virtual bool isEqual(const ValueFilter& other) const = 0;
    // Whether the value of prop (the alarm property this filter names) of
    // alarm passes the filter.
    virtual bool matches(const AlarmInstance& alarm, const AlarmProp& prop) const = 0;

protected:
    // "valueId@source", the start of every kind's toString().
    QString propertyText() const;
    // Property, source and match case equal; kinds add their rules.
    bool isSameProperty(const ValueFilter& other) const;
    // For a filter widget whose column is set after it was made.
    void setValueId(const QString& valueId) { m_valueId = valueId; }

private:
    WildcardConfig m_wildcardConfig;
    QString m_valueId;
    Constants::ValueSource m_source;
    bool m_matchCase;
};
