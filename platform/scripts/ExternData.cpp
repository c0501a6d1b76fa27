#include "scripts/ExternData.h"

ExternData::~ExternData() = default;
