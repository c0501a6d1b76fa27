#pragma once

#include "qvas_export.h"

#include <logging/MsgLoggingProducer.h>
#include <variables/Variable.h>

#include <QJsonObject>
#include <QJsonValue>
#include <QMetaType>
#include <QSharedPointer>
#include <QString>
#include <QVector>

class MappingVar;
class TextVar;

// A popup menu described by the answer of a script function: the root
// holds the top-level entries and the position at which to show the menu;
// a cascade holds its submenu. One error anywhere makes the whole
// description invalid.
class QVAS_EXPORT MenuDescription : public MsgLoggingProducer
{
public:
    enum ItemType
    {
        Root = 0,
        Label = 1,
        Separator = 2,
        Push = 3,
        Check = 4,
        Cascade = 5
    };

    // The root: parses the whole answer of the named function.
    MenuDescription(const MsgLoggingProducer* producer, const QString& functionName, const Variable* result);
    // One item of parent.
    MenuDescription(const MenuDescription* parent, const QJsonValue& item);
    ~MenuDescription() override;

    QString toString() const;
    QString parentHierarchy() const;

    const MenuDescription* getParent() const { return m_parent; }
    const QVector<QSharedPointer<MenuDescription>>& getItems() const { return m_items; }
    const QString& getLabel() const { return m_label; }
    int getType() const { return m_type; }
    int getValue() const { return m_value; }
    int getMenuX() const { return m_menuX; }
    int getMenuY() const { return m_menuY; }
    bool isEnabled() const { return m_enabled; }
    bool isChecked() const { return m_checked; }
    bool isValid() const { return m_valid; }

private:
    bool parseMenu(const MappingVar& mapping, const QString& functionName);
    bool parseMenuPos(const MappingVar& mapping, const QString& functionName);
    bool parseType(const QJsonObject& object);
    bool parseCommon(const QJsonObject& object);
    void parseForType(const QJsonObject& object);
    void parseValue(const QJsonObject& object);
    void parseForCheckButton(const QJsonObject& object);
    void parseForCascade(const QJsonObject& object);
    bool getStringValue(const QJsonObject& object, const QString& key, QString& out) const;
    template <typename ResultClass>
    const ResultClass* getMapValue(const MappingVar& mapping, const TextVar& key, VariableType expected, bool required,
                                   const QString& functionName);

    const MenuDescription* m_parent = nullptr;
    QVector<QSharedPointer<MenuDescription>> m_items;
    QString m_label;
    int m_type = Root;
    int m_value = 0;
    int m_menuX = 0;
    int m_menuY = 0;
    bool m_enabled = true;
    bool m_checked = false;
    bool m_valid = false;
};

Q_DECLARE_METATYPE(QSharedPointer<MenuDescription>)
