#!/bin/sh
# section-nec.sh <page> <title> <include>: the page help2man writes for
# "kesu --nec" made into one section of kesu(1), in help2man's include format:
# its own synopsis, then its description and options as they came.
set -eu
page=$1
titre=$2
sortie=$3
{
    printf '[%s]\n' "$titre"
    printf '.B kesu \\-\\-nec\n\\&[\\fIoptions\\fR]\n.PP\n'
    sed -e '1,/^\.SH DESCRIPTION/d' -e 's/^\.SH /.SS /' "$page"
} >"$sortie"
