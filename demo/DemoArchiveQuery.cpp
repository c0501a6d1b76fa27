#include "DemoArchiveQuery.h"

#include <source/SourceUi.h>

namespace {
const int kStepMs = 250;
const int kStartSteps = 4;    // a second of "started" before reading
const int kReadSteps = 24;    // then six seconds of reading
} // namespace

DemoArchiveQuery::DemoArchiveQuery(SourceUi* sourceUi, QObject* parent)
    : QObject(parent)
    , m_sourceUi(sourceUi)
{
    m_timer.setInterval(kStepMs);
    connect(&m_timer, SIGNAL(timeout()), this, SLOT(step()));
}

void DemoArchiveQuery::start(unsigned int total, unsigned int matching)
{
    m_total = total;
    m_matching = matching;
    m_read = 0;
    m_steps = 0;
    m_sourceUi->displaySourceCounts(0, 0);
    m_sourceUi->displaySourceState(Constants::SourceStateQueryStarted);
    m_timer.start();
}

void DemoArchiveQuery::abort()
{
    if (!m_timer.isActive())
        return;
    m_timer.stop();
    m_sourceUi->displaySourceState(Constants::SourceStateQueryAborted);
}

void DemoArchiveQuery::step()
{
    ++m_steps;
    if (m_steps <= kStartSteps)
        return;
    const int readStep = m_steps - kStartSteps;
    m_read = m_total * unsigned(readStep) / kReadSteps;
    const unsigned int matched = m_matching * unsigned(readStep) / kReadSteps;
    m_sourceUi->displaySourceState(Constants::SourceStateQueryReading);
    m_sourceUi->displaySourceCounts(m_read, matched);
    if (readStep >= kReadSteps) {
        m_timer.stop();
        m_sourceUi->displaySourceState(Constants::SourceStateQueryDone);
    }
}
