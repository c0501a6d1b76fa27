#include "scriptbridge/converter.h"

#include "logging/MsgLoggingMessage.h"
#include "logging/MsgLoggingProducer.h"

#include <datapoints/DpIdentList.h>
#include <datapoints/Manager.h>
#include <variables/AnyTypeVar.h>
#include <variables/DynVar.h>
#include <variables/IntegerVar.h>
#include <variables/MappingVar.h>
#include <variables/MixedVar.h>
#include <variables/TextVar.h>
#include <variables/TimeVar.h>

#include <QDateTime>

#include <limits>
#include <memory>

namespace converter {

Variable* variantToVariable(const MsgLoggingProducer* producer, const QVariant& value)
{
    switch (value.userType()) {
    case QMetaType::UnknownType:
        // No value (the properties of a missing alarm): an empty value of any type.
        return new AnyTypeVar();
    case QMetaType::QString:
        return new TextVar(value.toString());
    case QMetaType::Bool:
        return new IntegerVar(value.toBool() ? 1 : 0);
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        bool ok = false;
        const qlonglong number = value.toLongLong(&ok);
        if (ok && number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max())
            return new IntegerVar(int(number));
        MSG_LOG(producer, MsgLoggerEnums::LogError) << "number " << value.toString() << " does not fit a script int";
        return nullptr;
    }
    case QMetaType::QDateTime:
        return new TimeVar(value.toDateTime());
    case QMetaType::QStringList: {
        auto* list = new DynVar;
        for (const QString& text : value.toStringList())
            list->append(new TextVar(text));
        return list;
    }
    case QMetaType::QVariantList: {
        std::unique_ptr<DynVar> list(new DynVar);
        for (const QVariant& element : value.toList()) {
            Variable* converted = variantToVariable(producer, element);
            if (!converted)
                return nullptr;
            list->append(converted);
        }
        return list.release();
    }
    case QMetaType::QVariantMap: {
        std::unique_ptr<MappingVar> map(new MappingVar);
        const QVariantMap source = value.toMap();
        for (auto it = source.cbegin(); it != source.cend(); ++it) {
            Variable* converted = variantToVariable(producer, it.value());
            if (!converted)
                return nullptr;
            map->setAt(new TextVar(it.key()), converted);
        }
        return map.release();
    }
    default:
        break;
    }
    MSG_LOG(producer, MsgLoggerEnums::LogError)
        << "cannot convert a value of type " << QString::fromLatin1(value.typeName() ? value.typeName() : "invalid")
        << " to a script value";
    return nullptr;
}

Variable* nativeToCtrlArguments(const MsgLoggingProducer* producer, const QList<QVariant>& args)
{
    std::unique_ptr<DynVar> arguments(new DynVar);
    for (const QVariant& arg : args) {
        Variable* converted = variantToVariable(producer, arg);
        if (!converted)
            return nullptr;
        arguments->append(converted);
    }
    return arguments.release();
}

const Variable* unwrapMixed(const Variable* value)
{
    if (value && value->isA() == MIXED_VAR)
        return static_cast<const MixedVar*>(value)->getValue();
    return value;
}

QVariant anyVariableToVariant(const MsgLoggingProducer* producer, const Variable* value)
{
    if (!value)
        return QVariant();
    switch (value->isA()) {
    case INTEGER_VAR:
        return static_cast<const IntegerVar*>(value)->getValue();
    case TEXT_VAR:
        return static_cast<const TextVar*>(value)->toQString();
    case TIME_VAR:
        return static_cast<const TimeVar*>(value)->getValue();
    case DYN_VAR: {
        const auto* list = static_cast<const DynVar*>(value);
        QVariantList result;
        for (int i = 0; i < list->getNumberOfItems(); ++i)
            result.append(anyVariableToVariant(producer, list->getAt(i)));
        return result;
    }
    case MAPPING_VAR: {
        const auto* map = static_cast<const MappingVar*>(value);
        QVariantMap result;
        for (int i = 0; i < map->getNumberOfItems(); ++i)
            result.insert(anyVariableToVariant(producer, map->getKey(i)).toString(),
                          anyVariableToVariant(producer, map->getValue(i)));
        return result;
    }
    case MIXED_VAR:
        return anyVariableToVariant(producer, static_cast<const MixedVar*>(value)->getValue());
    case ANYTYPE_VAR:
        return anyVariableToVariant(producer, static_cast<const AnyTypeVar*>(value)->getValue());
    case NO_VAR:
        break;
    }
    return QVariant();
}

const Variable* getMapValue(const MappingVar& map, const QString& key, VariableType expected, QString& errText)
{
    return checkValueType(map.getAt(TextVar(key)), key, expected, errText);
}

const Variable* checkValueType(const Variable* value, const QString& key, VariableType expected, QString& errText)
{
    value = unwrapMixed(value);
    if (!value) {
        errText = QStringLiteral("mapping doesn't contain key '%1'").arg(key);
        return nullptr;
    }
    if (value->isA() != expected) {
        errText = QStringLiteral("mapping value for key '%1' has a type %2, expected type %3")
                      .arg(key, QString::fromLatin1(Variable::getTypeName(value->isA())),
                           QString::fromLatin1(Variable::getTypeName(expected)));
        return nullptr;
    }
    return value;
}

bool getDpIds(const MsgLoggingProducer* producer, const QStringList& names, DpIdentList& list, QString& errMsg)
{
    DpIdentList resolved;
    for (const QString& name : names) {
        DpIdentifier id;
        if (!Manager::getId(name, id)) {
            errMsg = QStringLiteral("DP element '%1' not found").arg(name);
            MSG_LOG(producer, MsgLoggerEnums::LogWarning) << errMsg;
            return false;
        }
        resolved.append(id);
    }
    for (int i = 0; i < resolved.getNumberOfItems(); ++i)
        list.append(resolved.getAt(i));
    return true;
}

} // namespace converter
