#pragma once

#include <variables/AnyTypeVar.h>
#include <variables/DynVar.h>
#include <variables/IntegerVar.h>
#include <variables/MappingVar.h>
#include <variables/MixedVar.h>
#include <variables/TextVar.h>

#include <QStringList>

#include <initializer_list>
#include <utility>

// Small builders of script values for tests. Every builder returns a new
// value that the caller (or the container it is put in) owns.
inline DynVar* texts(const QStringList& list)
{
    auto* dyn = new DynVar;
    for (const QString& text : list)
        dyn->append(new TextVar(text));
    return dyn;
}

inline MappingVar* mapping(std::initializer_list<std::pair<Variable*, Variable*>> entries)
{
    auto* map = new MappingVar;
    for (const auto& entry : entries)
        map->setAt(entry.first, entry.second);
    return map;
}

inline TextVar* text(const char* value)
{
    return new TextVar(value);
}

inline IntegerVar* integer(int value)
{
    return new IntegerVar(value);
}

inline MixedVar* mixed(Variable* value)
{
    return new MixedVar(value);
}
