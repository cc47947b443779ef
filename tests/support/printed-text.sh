# The statement's printed text as the print and browser tests read it back from a PDF (pdftotext
# -layout), for comparing with the expected texts beside the print test. Sourced by their scripts.

# Filters pdftotext's text to its lines: runs of spaces made one, none at either end, empty lines
# and the form feeds that end the pages left out.
text_lines() {
    sed -e 's/\f//g' -e 's/  */ /g' -e 's/^ //' -e 's/ $//' | grep -v '^$' || true
}

# Filters a statement's lines to those that open it, after the title, up to its heading's first
# line: the loan's details, then the sentence of the monthly mortgage payment on one line, however
# the page wrapped it.
statement_opening() {
    sed -n '2,/^Monthly escrow payment /p' | awk '
        /^Your monthly/ { joining = 1 }
        joining {
            sentence = sentence (sentence == "" ? "" : " ") $0
            if (/account\.$/) { print sentence; joining = 0 }
            next
        }
        { print }'
}
