#include "datapoints/WaitForAnswer.h"

WaitForAnswer::~WaitForAnswer() = default;
