#include "regles/Erreurs.h"

QString texteBoiteErreur(const QString &texte)
{
    if (!texte.isEmpty() && texte.back() > QChar(u'.'))
        return texte + u'.';
    return texte;
}
