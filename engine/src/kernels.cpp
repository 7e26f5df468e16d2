#include "engine/kernels.h"
