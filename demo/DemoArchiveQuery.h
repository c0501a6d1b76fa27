#pragma once

#include <QObject>
#include <QTimer>

class SourceUi;

// A simulated archive query: it walks the source control through the
// states of a running query (started, reading with growing counts,
// finished) and stops as aborted when asked.
class DemoArchiveQuery : public QObject
{
    Q_OBJECT
public:
    DemoArchiveQuery(SourceUi* sourceUi, QObject* parent);

    bool isRunning() const { return m_timer.isActive(); }
    // How many alarms the simulated archive holds and how many match.
    void start(unsigned int total, unsigned int matching);

public slots:
    void abort();

private slots:
    void step();

private:
    SourceUi* m_sourceUi;
    QTimer m_timer;
    unsigned int m_total = 0;
    unsigned int m_matching = 0;
    unsigned int m_read = 0;
    int m_steps = 0;
};
