// The fake lives in its header; this unit gives the support library an object of its own.
#include "fake_window.h"
