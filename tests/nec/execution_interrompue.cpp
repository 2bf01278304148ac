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
    const auto bilan = Nec::ExecutionNec::executeBloquant(
        Nec::deck(Nec::Antenne{}, 7.05, {7.05}), 1, QCoreApplication::arguments().value(1));
    return std::holds_alternative<QString>(bilan) ? 1 : 0;
}
