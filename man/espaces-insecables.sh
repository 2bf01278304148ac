#!/bin/sh
# French puts a space before ":" and ";" and inside « »; the program's help
# keeps each sign with its word, and so does the page, with roff's no-break
# space "\~": otherwise a formatter may break the line right before ": 2062".
sed -i -e 's/ \([:;»]\)/\\~\1/g' -e 's/« /«\\~/g' "$1"
