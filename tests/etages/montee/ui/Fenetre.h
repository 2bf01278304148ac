#pragma once

#include "state/Etat.h"
