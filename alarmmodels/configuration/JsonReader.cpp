#include "configuration/JsonReader.h"

#include <QJsonArray>

void JsonReader::fail(const QString& path, const QString& expected)
{
    if (ok())
        error = QStringLiteral("key '%1' must be %2").arg(path, expected);
}

void JsonReader::checkKeys(const QJsonObject& object, const QString& path, const QStringList& allowed)
{
    for (const QString& key : object.keys()) {
        if (ok() && !allowed.contains(key)) {
            error = QStringLiteral("unknown key '%1'; expected one of: %2")
                        .arg(join(path, key), allowed.join(QStringLiteral(", ")));
        }
    }
}

QJsonObject JsonReader::section(const QJsonObject& parent, const QString& key, const QString& path,
                                const QStringList& allowed)
{
    if (!ok() || !parent.contains(key))
        return QJsonObject();
    const QJsonValue value = parent.value(key);
    if (!value.isObject()) {
        fail(path, QStringLiteral("an object"));
        return QJsonObject();
    }
    checkKeys(value.toObject(), path, allowed);
    return value.toObject();
}

void JsonReader::readInt(const QJsonObject& object, const QString& path, const QString& key, int min, int max,
                         int& out)
{
    if (!ok() || !object.contains(key))
        return;
    const QJsonValue value = object.value(key);
    const double number = value.toDouble();
    // The range is checked first: converting a number far out of range to
    // an integer is undefined.
    if (!value.isDouble() || number < min || number > max || number != double(qint64(number))) {
        fail(join(path, key), QStringLiteral("a whole number from %1 to %2").arg(min).arg(max));
        return;
    }
    out = int(number);
}

void JsonReader::readBool(const QJsonObject& object, const QString& path, const QString& key, bool& out)
{
    if (!ok() || !object.contains(key))
        return;
    if (!object.value(key).isBool()) {
        fail(join(path, key), QStringLiteral("true or false"));
        return;
    }
    out = object.value(key).toBool();
}

void JsonReader::readString(const QJsonObject& object, const QString& path, const QString& key, QString& out)
{
    if (!ok() || !object.contains(key))
        return;
    if (!object.value(key).isString()) {
        fail(join(path, key), QStringLiteral("a string"));
        return;
    }
    out = object.value(key).toString();
}

void JsonReader::readStringList(const QJsonValue& value, const QString& path, QStringList& out)
{
    if (!ok())
        return;
    if (!value.isArray()) {
        fail(path, QStringLiteral("an array of strings"));
        return;
    }
    QStringList list;
    for (const QJsonValue& element : value.toArray()) {
        if (!element.isString()) {
            fail(path, QStringLiteral("an array of strings"));
            return;
        }
        list.append(element.toString());
    }
    out = list;
}

QList<QJsonObject> JsonReader::readObjects(const QJsonObject& object, const QString& path, const QString& key,
                                           const QStringList& allowed)
{
    QList<QJsonObject> result;
    if (!ok() || !object.contains(key))
        return result;
    const QJsonValue value = object.value(key);
    if (!value.isArray()) {
        fail(join(path, key), QStringLiteral("an array of objects"));
        return result;
    }
    const QJsonArray array = value.toArray();
    for (int i = 0; i < array.size() && ok(); ++i) {
        const QString elementPath = QStringLiteral("%1[%2]").arg(join(path, key)).arg(i);
        if (!array.at(i).isObject()) {
            fail(elementPath, QStringLiteral("an object"));
            break;
        }
        if (!allowed.isEmpty())
            checkKeys(array.at(i).toObject(), elementPath, allowed);
        result.append(array.at(i).toObject());
    }
    return result;
}

QString JsonReader::join(const QString& path, const QString& key)
{
    return path.isEmpty() ? key : path + QLatin1Char('.') + key;
}
