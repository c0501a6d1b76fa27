#include "patterns/FilterCompletions.h"

#include <variables/AnyTypeVar.h>
#include <variables/DynVar.h>
#include <variables/IntegerVar.h>
#include <variables/MappingVar.h>
#include <logging/MsgLoggingMessage.h>
#include <variables/TextVar.h>
#include <scriptbridge/converter.h>

#include <QSet>

namespace {

// A text element of a list, looking through mixed and anytype wrappers.
const TextVar* textOf(const Variable* element)
{
    element = converter::unwrapMixed(element);
    if (element && element->isA() == ANYTYPE_VAR)
        element = static_cast<const AnyTypeVar*>(element)->getValue();
    return element && element->isA() == TEXT_VAR ? static_cast<const TextVar*>(element) : nullptr;
}

// Appends the text elements of list to target, empty ones only when asked.
void appendTexts(const DynVar& list, bool keepEmpty, QStringList& target)
{
    for (int i = 0; i < list.getNumberOfItems(); ++i) {
        const TextVar* text = textOf(list.getAt(i));
        if (text && (keepEmpty || !text->getValue().isEmpty()))
            target.append(text->toQString());
    }
}

} // namespace

FilterCompletions::FilterCompletions(const MsgLoggingProducer* logParent, const QString& property,
                                     const QStringList& systems)
    : QObject(nullptr)
    , MsgLoggingProducer(logParent)
    , m_property(property)
    , m_type(TypeUnknown)
{
    for (const QString& system : systems)
        m_systemCompletions.insert(system, QStringList());
}

FilterCompletions::~FilterCompletions() = default;

void FilterCompletions::setFixedList(const QStringList& list)
{
    m_type = list.isEmpty() ? TypeNone : TypeFixed;
    m_completionList = list;
}

bool FilterCompletions::dependsOnFilter(const QString& property) const
{
    return m_type == TypeDependsOnFilters && m_dependencies.contains(property);
}

QStringList FilterCompletions::findMissingSystems(const QStringList& systems) const
{
    QStringList missing;
    for (const QString& system : systems) {
        if (!m_systemCompletions.contains(system))
            missing.append(system);
    }
    return missing;
}

void FilterCompletions::addPendingSystems(const QStringList& systems)
{
    if (m_type != TypeUnknown && m_type != TypePerSystem)
        return;
    for (const QString& system : systems) {
        if (!m_systemCompletions.contains(system) && !m_pendingSystems.contains(system))
            m_pendingSystems.append(system);
    }
}

QStringList FilterCompletions::getPendingSystems() const
{
    if (m_type != TypePerSystem)
        return QStringList();
    return findMissingSystems(m_pendingSystems);
}

void FilterCompletions::clearPendingSystems()
{
    m_pendingSystems.clear();
}

QStringList FilterCompletions::getCompletionsForSystems(const QStringList& systems) const
{
    QStringList result;
    // The texts taken so far, so that a repeat is found without searching
    // the result: plants answer tens of thousands of texts per system.
    QSet<QString> taken;
    for (const QString& system : systems) {
        const auto found = m_systemCompletions.constFind(system);
        if (found == m_systemCompletions.cend())
            continue;
        for (const QString& text : found.value()) {
            if (!taken.contains(text)) {
                taken.insert(text);
                result.append(text);
            }
        }
    }
    return result;
}

void FilterCompletions::requestStarted()
{
    if (m_requestStart.isValid()) {
        MSG_LOG(this, MsgLoggerEnums::LogWarning)
            << "call to fix request start for FilterCompletions with valid time, property " << m_property;
    }
    m_requestStart = QDateTime::currentDateTime();
}

void FilterCompletions::requestCompletedOrLost()
{
    m_requestStart = QDateTime();
}

void FilterCompletions::masterCallFailed(void* /*consumer*/)
{
    m_type = TypeNone;
    m_systemCompletions.clear();
    m_completionList.clear();
    m_dependencies.clear();
    emit requestCompleted(nullptr, this);
}

void FilterCompletions::applyCtrlCallReturnValue(void* consumer, const Variable* result)
{
    requestCompletedOrLost();
    const int typeBefore = m_type;
    if (parseCtrlCallResult(result)) {
        // A slave answer belongs to the consumer whose texts were sent.
        emit requestCompleted(typeBefore == TypeDependsOnFilters ? consumer : nullptr, this);
        return;
    }
    if (m_type == TypeUnknown)
        m_type = TypeNone;
}

bool FilterCompletions::parseCtrlCallResult(const Variable* result)
{
    result = converter::unwrapMixed(result);
    if (!result) {
        MSG_LOG(this, MsgLoggerEnums::LogError)
            << "No return value from CTRL function " << functionName << " for alarm property " << m_property;
        return false;
    }
    if (result->isA() != MAPPING_VAR) {
        MSG_LOG(this, MsgLoggerEnums::LogError)
            << "The value returned by CTRL function " << functionName << " for alarm property " << m_property
            << " is " << Variable::getTypeName(result->isA()) << ", expected type is "
            << Variable::getTypeName(MAPPING_VAR);
        return false;
    }
    const auto& answer = *static_cast<const MappingVar*>(result);
    if (m_type == TypeDependsOnFilters)
        return parseList(answer, m_completionList);
    if (!parseType(answer))
        return false;
    switch (m_type) {
    case TypeNone:
        m_dependencies.clear();
        m_completionList.clear();
        return true;
    case TypeFixed:
        return parseList(answer, m_completionList);
    case TypeDependsOnFilters:
        return parseList(answer, m_dependencies);
    case TypePerSystem:
        return parseSysMap(answer);
    }
    return false;
}

bool FilterCompletions::parseType(const MappingVar& answer)
{
    QString errText;
    const Variable* value = converter::getMapValue(answer, QStringLiteral("type"), INTEGER_VAR, errText);
    if (!value)
        return printMapError(errText);
    const int type = static_cast<const IntegerVar*>(value)->getValue();
    if (type < TypeNone || type > TypePerSystem) {
        MSG_LOG(this, MsgLoggerEnums::LogError)
            << "unexpected type value " << type << "returned by " << functionName << " for alarm property "
            << m_property << ", expected one of: " << int(TypeNone) << ", " << int(TypeFixed) << ", "
            << int(TypeDependsOnFilters) << ", " << int(TypePerSystem);
        return false;
    }
    m_type = type;
    return true;
}

bool FilterCompletions::parseList(const MappingVar& answer, QStringList& target)
{
    target.clear();
    QString errText;
    const Variable* value = converter::getMapValue(answer, QStringLiteral("list"), DYN_VAR, errText);
    if (!value)
        return printMapError(errText);
    appendTexts(*static_cast<const DynVar*>(value), false, target);
    return true;
}

bool FilterCompletions::parseSysMap(const MappingVar& answer)
{
    QString errText;
    const Variable* value = converter::getMapValue(answer, QStringLiteral("map"), MAPPING_VAR, errText);
    if (!value)
        return printMapError(errText);
    const auto* map = static_cast<const MappingVar*>(value);
    for (int i = 0; i < map->getNumberOfItems(); ++i) {
        const Variable* key = map->getKey(i);
        if (key->isA() != TEXT_VAR) {
            MSG_LOG(this, MsgLoggerEnums::LogError)
                << "Map key is not TextVar, but rather " << Variable::getTypeName(key->isA());
            return false;
        }
        const QString system = static_cast<const TextVar*>(key)->toQString();
        // The value at hand, not a new lookup of its key: that would search
        // the whole map once per system.
        const Variable* texts = converter::checkValueType(map->getValue(i), system, DYN_VAR, errText);
        if (!texts)
            return printMapError(errText);
        QStringList completions;
        appendTexts(*static_cast<const DynVar*>(texts), true, completions);
        m_systemCompletions.insert(system, completions);
    }
    return true;
}

bool FilterCompletions::printMapError(const QString& text) const
{
    MSG_LOG(this, MsgLoggerEnums::LogError)
        << "mapping returned by " << functionName << " for alarm property " << m_property << ": " << text;
    return false;
}
