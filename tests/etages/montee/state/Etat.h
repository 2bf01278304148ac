#pragma once

#include "ui/Fenetre.h"
