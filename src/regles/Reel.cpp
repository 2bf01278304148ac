#include "regles/Reel.h"

#include "StrToReal.h"
#include "regles/Arithmetique.h"

double StrToRealTexte(const QString &texte)
{
    if (texte.isEmpty())
        return Arith::versDouble(StrToReal(nullptr));
    const QByteArray utf8 = texte.toUtf8();
    return Arith::versDouble(StrToReal(utf8.constData()));
}
