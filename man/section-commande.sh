#!/bin/sh
# section-commande.sh <page> <option> <title> <include>: the page help2man
# writes for "kesu --<option>" (the NEC-2 check, the tuner or the advised lengths, run
# without a window) made into one section of kesu(1), in help2man's include
# format: its own synopsis, then its description and options as they came.
set -eu
page=$1
option=$2
titre=$3
sortie=$4
{
    printf '[%s]\n' "$titre"
    printf '.B kesu \\-\\-%s\n\\&[\\fIoptions\\fR]\n.PP\n' "$option"
    sed -e '1,/^\.SH DESCRIPTION/d' -e 's/^\.SH /.SS /' "$page"
} >"$sortie"
