#include "scripts/DoneCB.h"

DoneCB::~DoneCB() = default;
