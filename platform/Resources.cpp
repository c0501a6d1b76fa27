#include "Resources.h"

PathList Resources::pathes_;
