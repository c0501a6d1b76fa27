#pragma once

#include <QJsonObject>
#include <QList>
#include <QJsonValue>
#include <QString>
#include <QStringList>

// Reads typed values out of JSON objects for the configuration parsers and
// keeps the first error, naming the key by its dotted path. Every read
// does nothing once an error is kept, so a parser reads on and reports the
// first fault only.
class JsonReader
{
public:
    QString error;

    bool ok() const { return error.isEmpty(); }
    void fail(const QString& path, const QString& expected);
    void checkKeys(const QJsonObject& object, const QString& path, const QStringList& allowed);
    // The object under key of parent (an empty object when absent); fails on
    // another type and on keys outside allowed.
    QJsonObject section(const QJsonObject& parent, const QString& key, const QString& path,
                        const QStringList& allowed);
    void readInt(const QJsonObject& object, const QString& path, const QString& key, int min, int max, int& out);
    void readBool(const QJsonObject& object, const QString& path, const QString& key, bool& out);
    void readString(const QJsonObject& object, const QString& path, const QString& key, QString& out);
    void readStringList(const QJsonValue& value, const QString& path, QStringList& out);
    // The objects of the array under key of object (none when the key is
    // absent); each element must be an object and, when allowed is given,
    // hold only keys of it, checked element by element.
    QList<QJsonObject> readObjects(const QJsonObject& object, const QString& path, const QString& key,
                                   const QStringList& allowed = QStringList());

    static QString join(const QString& path, const QString& key);
};
