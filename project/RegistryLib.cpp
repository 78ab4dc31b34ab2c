#include "project/RegistryLib.h"
// Work in progress: the store file comes next.
