#include "models/AlarmTextPool.h"

#include <algorithm>

QString AlarmTextPool::intern(const QString& text)
{
    // Null and empty texts share Qt's own buffers already.
    if (text.isEmpty())
        return text;
    return instance().take(text);
}

int AlarmTextPool::size()
{
    return instance().m_texts.size();
}

AlarmTextPool& AlarmTextPool::instance()
{
    static AlarmTextPool pool;
    return pool;
}

QString AlarmTextPool::take(const QString& text)
{
    const auto it = m_texts.constFind(text);
    if (it != m_texts.constEnd())
        return *it;
    if (m_texts.size() >= m_sweepAt)
        sweep();
    m_texts.insert(text);
    return text;
}

void AlarmTextPool::sweep()
{
    // A text only the pool refers to belongs to no alarm any more.
    for (auto it = m_texts.begin(); it != m_texts.end();) {
        if (it->isDetached())
            it = m_texts.erase(it);
        else
            ++it;
    }
    m_sweepAt = std::max(4096, 2 * m_texts.size());
}
