#include "environment/Resources.h"

PathList Resources::pathes_;
