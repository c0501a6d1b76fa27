#pragma once

// Script values built from arbitrary bytes, for fuzz targets of parsers of
// script answers: a kind byte, then the value's bytes.
#include <variables/AnyTypeVar.h>
#include <variables/DynVar.h>
#include <variables/IntegerVar.h>
#include <variables/MappingVar.h>
#include <variables/MixedVar.h>
#include <variables/TextVar.h>

#include <QByteArray>
#include <QStringList>

#include <cstddef>
#include <cstdint>

// Reads script values from bytes: a kind byte, then the value's bytes.
class ScriptValueDecoder
{
public:
    // keys: texts the parser looks for, so that the fuzzer reaches them.
    ScriptValueDecoder(const uint8_t* data, size_t size, const QStringList& keys)
        : m_data(data)
        , m_size(size)
        , m_keys(keys)
    {
    }

    // The bytes not read yet.
    QByteArray rest() const
    {
        return m_pos < m_size ? QByteArray(reinterpret_cast<const char*>(m_data + m_pos), int(m_size - m_pos))
                              : QByteArray();
    }

    Variable* next(int depth = 0)
    {
        if (m_pos >= m_size || depth > 5)
            return nullptr;
        switch (byte() % 8) {
        case 0:
            return new IntegerVar(int(int8_t(byte())) % 5);  // near the valid types
        case 1:
            return new TextVar(text());
        case 2: {
            auto* list = new DynVar;
            // Lists of up to 255 texts, so that longer inputs reach sizes.
            for (int n = byte(); n > 0; --n) {
                if (Variable* element = next(depth + 1))
                    list->append(element);
            }
            return list;
        }
        case 3: {
            auto* map = new MappingVar;
            for (int n = byte() % 5; n > 0; --n) {
                Variable* key = next(depth + 1);
                map->setAt(key, next(depth + 1));
            }
            return map;
        }
        case 4:
            return new MixedVar(next(depth + 1));
        case 5:
            return new AnyTypeVar(next(depth + 1));
        case 6:
            return m_keys.isEmpty() ? nullptr : new TextVar(m_keys.at(byte() % m_keys.size()));
        default:
            return nullptr;
        }
    }

    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

private:
    QString text()
    {
        const int length = byte() % 8;
        QString result;
        for (int i = 0; i < length && m_pos < m_size; ++i)
            result += QChar(QLatin1Char(char('a' + byte() % 4)));
        return result;
    }

    const uint8_t* m_data;
    size_t m_size;
    QStringList m_keys;
    size_t m_pos = 0;
};

