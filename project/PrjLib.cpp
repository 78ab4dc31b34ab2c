#include "project/PrjLib.h"
