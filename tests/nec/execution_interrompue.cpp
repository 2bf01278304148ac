// A blocking nec2c run, as the command line makes it, on the program given as
// the first argument: the signals' test interrupts it.
#include "nec/ExecutionNec.h"
#include "nec/Interruption.h"
#include "nec/Modele.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Nec::installeInterruptions();
    // In free space: the stand-in is not asked the engine's check decks first.
    Nec::Antenne a;
    a.sol = Nec::Sol::Libre;
    const auto bilan = Nec::ExecutionNec::executeBloquant(Nec::deck(a, 7.05, {7.05}), 1,
                                                          QCoreApplication::arguments().value(1));
    return std::holds_alternative<QString>(bilan) ? 1 : 0;
}
