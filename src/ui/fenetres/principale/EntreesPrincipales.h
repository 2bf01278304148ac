#pragma once

#include "nec/Verification.h"

class TForm1;

// The main window's antenna, ladder, class, thresholds and ticked bands, as
// the NEC-2 check and the advised lengths read them; throws a Nec::ErreurChamp
// naming the bad box.
Nec::Entrees entreesPrincipales(const TForm1 &f);
