#include "FileSys.h"

const char FileSys::PATH_CHAR = '/';
