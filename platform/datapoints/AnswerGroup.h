#pragma once

#include "datapoints/DpValueGroup.h"
#include "qvplatform_export.h"

// One group of an answer message: the values asked for, or an error.
class QVPLATFORM_EXPORT AnswerGroup : public DpValueGroup
{
};
