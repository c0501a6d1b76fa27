#pragma once

#include "datapoints/DpValueGroup.h"
#include "qvplatform_export.h"

// The values of a connection after one change (a hotlink), or an error.
class QVPLATFORM_EXPORT DpHLGroup : public DpValueGroup
{
};
