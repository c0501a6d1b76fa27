#include "SampleTextRules.h"

void SampleTextRules::setMatchCase(bool matchCase)
{
    m_matchCase = matchCase;
    setToolTip(matchCase ? tr("Patterns match case") : tr("Patterns ignore case"));
}
