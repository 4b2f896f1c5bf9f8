#include "core/game.h"
