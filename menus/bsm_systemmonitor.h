// Root of the menu machine: alive supervision, restarts and the reset screen.
#pragma once

#include "menus/menu_states.h"
