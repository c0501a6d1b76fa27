#include "environment/FileSys.h"

const char FileSys::PATH_CHAR = '/';
