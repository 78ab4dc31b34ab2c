#include "project/FormKeeper.h"
