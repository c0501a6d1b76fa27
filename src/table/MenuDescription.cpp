#include "table/MenuDescription.h"

#include <logging/MsgLoggingMessage.h>
#include <scriptbridge/converter.h>
#include <variables/IntegerVar.h>
#include <variables/MappingVar.h>
#include <variables/TextVar.h>

#include <QJsonArray>
#include <QJsonDocument>

#include <climits>
#include <cmath>

namespace {

const char* const kTypeNames[] = {"", "label", "separator", "push", "check", "cascade"};

// The number truncated toward zero, held within the range of int.
int truncatedToInt(double number)
{
    const double whole = std::trunc(number);
    if (!(whole >= double(INT_MIN)))
        return INT_MIN;
    if (whole > double(INT_MAX))
        return INT_MAX;
    return int(whole);
}

} // namespace

MenuDescription::MenuDescription(const MsgLoggingProducer* producer, const QString& functionName,
                                 const Variable* result)
    : MsgLoggingProducer(producer)
{
    if (!result) {
        MSG_LOG(this, MsgLoggerEnums::LogError) << "No return value from CTRL function " << functionName;
        return;
    }
    if (result->isA() != MAPPING_VAR) {
        MSG_LOG(this, MsgLoggerEnums::LogError)
            << "The value returned by CTRL function " << functionName << " is " << Variable::getTypeName(result->isA())
            << ", expected type is " << Variable::getTypeName(MAPPING_VAR);
        return;
    }
    const auto& mapping = static_cast<const MappingVar&>(*result);
    m_valid = parseMenu(mapping, functionName) && parseMenuPos(mapping, functionName);
}

MenuDescription::MenuDescription(const MenuDescription* parent, const QJsonValue& item)
    : MsgLoggingProducer(parent)
    , m_parent(parent)
{
    if (!item.isObject()) {
        MSG_LOG(this, MsgLoggerEnums::LogError) << "The item is not oject for " << parentHierarchy();
        return;
    }
    const QJsonObject object = item.toObject();
    if (parseType(object))
        parseForType(object);
}

MenuDescription::~MenuDescription() = default;

QString MenuDescription::toString() const
{
    switch (m_type) {
    case Root:
        return QStringLiteral("root");
    case Label:
        return QStringLiteral("label(%1)").arg(m_label);
    case Separator:
        return QStringLiteral("separator");
    case Push:
        return QStringLiteral("push(%1)").arg(m_label);
    case Check:
        return QStringLiteral("check(%1)").arg(m_label);
    case Cascade:
        return QStringLiteral("cascade(%1)").arg(m_label);
    default:
        return QString();
    }
}

QString MenuDescription::parentHierarchy() const
{
    QString result;
    for (const MenuDescription* ancestor = m_parent; ancestor; ancestor = ancestor->m_parent)
        result.prepend(ancestor->toString() + QStringLiteral(" - "));
    return result;
}

template <typename ResultClass>
const ResultClass* MenuDescription::getMapValue(const MappingVar& mapping, const TextVar& key, VariableType expected,
                                                bool required, const QString& functionName)
{
    const Variable* value = converter::unwrapMixed(mapping.getAt(key));
    if (value && value->isA() == expected)
        return static_cast<const ResultClass*>(value);
    if (value) {
        MSG_LOG(this, MsgLoggerEnums::LogError)
            << "value for '" << key.toQString() << "' key in mapping returned by " << functionName << " has a type "
            << Variable::getTypeName(value->isA()) << ", expected " << Variable::getTypeName(expected);
    } else if (required) {
        MSG_LOG(this, MsgLoggerEnums::LogError)
            << "mapping returned by " << functionName << " doesn't contain key '" << key.toQString() << "'";
    }
    return nullptr;
}

bool MenuDescription::parseMenu(const MappingVar& mapping, const QString& functionName)
{
    const TextVar* text = getMapValue<TextVar>(mapping, TextVar("menu"), TEXT_VAR, true, functionName);
    if (!text || !text->isTrue())
        return false;
    MSG_LOG(this, MsgLoggerEnums::LogTrace) << text->toQString();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray(text->getValue().data(), text->getValue().len()),
                                                           &error);
    if (document.isNull()) {
        MSG_LOG(this, MsgLoggerEnums::LogError)
            << "Failed to parse menu description returned by " << functionName << ": " << error.errorString();
        return false;
    }
    if (!document.isArray()) {
        MSG_LOG(this, MsgLoggerEnums::LogError)
            << "the root of menu description, returned by " << functionName << ", is not array";
        return false;
    }
    for (const QJsonValue& element : document.array()) {
        QSharedPointer<MenuDescription> item(new MenuDescription(this, element));
        if (!item->isValid())
            return false;
        m_items.append(item);
    }
    if (m_items.isEmpty()) {
        MSG_LOG(this, MsgLoggerEnums::LogError) << "Empty menu returned by " << functionName;
        return false;
    }
    return true;
}

bool MenuDescription::parseMenuPos(const MappingVar& mapping, const QString& functionName)
{
    const IntegerVar* x = getMapValue<IntegerVar>(mapping, TextVar("menuX"), INTEGER_VAR, true, functionName);
    if (!x)
        return false;
    const IntegerVar* y = getMapValue<IntegerVar>(mapping, TextVar("menuY"), INTEGER_VAR, true, functionName);
    if (!y)
        return false;
    m_menuX = x->getValue();
    m_menuY = y->getValue();
    return true;
}

bool MenuDescription::parseType(const QJsonObject& object)
{
    QString text;
    if (!getStringValue(object, QStringLiteral("type"), text))
        return false;
    int type = -1;
    for (int t = Label; t <= Cascade; ++t) {
        if (text == QLatin1String(kTypeNames[t]))
            type = t;
    }
    if (type < 0) {
        MSG_LOG(this, MsgLoggerEnums::LogError)
            << "Unexpected value '" << text << "' of 'type' for " << parentHierarchy();
        return false;
    }
    m_type = type;
    return parseCommon(object);
}

bool MenuDescription::parseCommon(const QJsonObject& object)
{
    if (m_type == Separator)
        return true;
    if (!getStringValue(object, QStringLiteral("label"), m_label))
        return false;
    if (object.contains(QLatin1String("enabled"))) {
        const QJsonValue enabled = object.value(QLatin1String("enabled"));
        if (!enabled.isBool()) {
            MSG_LOG(this, MsgLoggerEnums::LogError)
                << "value of '" << "enabled" << "' is not bool for " << parentHierarchy();
            return false;
        }
        m_enabled = enabled.toBool();
    }
    return true;
}

bool MenuDescription::getStringValue(const QJsonObject& object, const QString& key, QString& out) const
{
    if (!object.contains(key)) {
        MSG_LOG(this, MsgLoggerEnums::LogError)
            << "JSON object does not contain '" << key << "' for " << parentHierarchy();
        return false;
    }
    const QJsonValue value = object.value(key);
    if (!value.isString()) {
        MSG_LOG(this, MsgLoggerEnums::LogError) << "The value of '" << key << "' is not string for " << parentHierarchy();
        return false;
    }
    out = value.toString();
    return true;
}

void MenuDescription::parseForType(const QJsonObject& object)
{
    switch (m_type) {
    case Label:
    case Separator:
        m_valid = true;
        break;
    case Push:
        parseValue(object);
        break;
    case Check:
        parseForCheckButton(object);
        break;
    case Cascade:
        parseForCascade(object);
        break;
    default:
        break;
    }
}

void MenuDescription::parseValue(const QJsonObject& object)
{
    if (!object.contains(QLatin1String("value"))) {
        MSG_LOG(this, MsgLoggerEnums::LogError)
            << "missing '" << "value" << "' for " << toString() << " at " << parentHierarchy();
        return;
    }
    const QJsonValue value = object.value(QLatin1String("value"));
    if (!value.isDouble()) {
        MSG_LOG(this, MsgLoggerEnums::LogError)
            << "the value of '" << "value" << "' (" << value.toString() << ") is not number for " << toString()
            << " at " << parentHierarchy();
        return;
    }
    m_value = truncatedToInt(value.toDouble());
    m_valid = true;
}

void MenuDescription::parseForCheckButton(const QJsonObject& object)
{
    if (object.contains(QLatin1String("checked"))) {
        const QJsonValue checked = object.value(QLatin1String("checked"));
        if (!checked.isBool()) {
            MSG_LOG(this, MsgLoggerEnums::LogError)
                << "value of '" << "checked" << "' is not bool for " << parentHierarchy();
            return;
        }
        m_checked = checked.toBool();
    }
    parseValue(object);
}

void MenuDescription::parseForCascade(const QJsonObject& object)
{
    if (!object.contains(QLatin1String("items"))) {
        m_valid = true;
        return;
    }
    const QJsonValue items = object.value(QLatin1String("items"));
    if (!items.isArray()) {
        MSG_LOG(this, MsgLoggerEnums::LogError)
            << "the value of '" << "items" << "' is not array for " << toString() << " at " << parentHierarchy();
        return;
    }
    bool allValid = true;
    for (const QJsonValue& element : items.toArray()) {
        QSharedPointer<MenuDescription> item(new MenuDescription(this, element));
        allValid = allValid && item->isValid();
        m_items.append(item);
    }
    m_valid = allValid;
}
