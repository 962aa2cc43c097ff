# Writes the qznum-cli manual page from the tool's own --help output, so the
# page always lists the commands and options of the tool it ships with.
#   cmake -DCLI=path/to/qznum-cli -DOUT=qznum-cli.1 -DVERSION=x.y.z -P manpage.cmake
execute_process(COMMAND ${CLI} --help
  OUTPUT_VARIABLE help RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR help STREQUAL "")
  message(FATAL_ERROR "qznum-cli --help failed (${rc}): ${err}")
endif()

# Troff escapes: backslashes, and lines that would start a request.
string(REPLACE "\\" "\\e" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
string(REGEX REPLACE "\n+$" "" help "${help}")
string(TIMESTAMP today "%Y-%m-%d" UTC)

file(WRITE ${OUT} ".TH QZNUM-CLI 1 \"${today}\" \"Qzarel Numerology ${VERSION}\" \"User Commands\"
.SH NAME
qznum-cli \\- numerology calculations and reports from the command line
.SH SYNOPSIS
.B qznum-cli
.I COMMAND
.RI [ options ]
.br
.B qznum-cli \\-\\-help
.SH DESCRIPTION
.B qznum-cli
runs the calculations of Qzarel Numerology without a window: the core profile,
compatibility of two people, the psychomatrix, the name advisor, pet numbers,
forecasts, the interpretation texts, celebrities who share a person's numbers,
charts and barcodes drawn as PNG, and the reports as HTML or PDF.
Results are printed as JSON on standard output.
.PP
Names are cleaned as in the program's person panel (accents dropped, hyphens
turned into spaces) unless
.B \\-\\-raw
is given.
.B \\-\\-flags
takes the six calculator flags as a string of 0 and 1 in the order of the
program's calculator settings (default 100110);
.B \\-\\-masters
keeps master numbers from 11 to 99.
.SH COMMANDS
The commands and their options, as printed by
.BR \"qznum-cli \\-\\-help\" :
.PP
.nf
.ft CR
${help}
.ft R
.fi
.SH EXIT STATUS
.TP
.B 0
Success.
.TP
.B 1
.B texts
found the entry asked for empty, or
.B texts \\-\\-check
found required entries still empty.
.TP
.B 2
Bad input or a failed file: an unknown command or option, a missing value, an
impossible date, a name without countable letters, a file that cannot be read
or written. One line on standard error says which.
.SH FILES
.TP
.I eng.dat, images/
The interpretation texts and pictures. They are looked for next to the
executable first, then in
.I ../share/qzarel-numerology/
relative to it (for example
.IR /usr/share/qzarel-numerology/ ).
.B \\-\\-data
and
.B \\-\\-images
name other ones.
.SH ENVIRONMENT
.TP
.B QTWEBENGINE_DISABLE_SANDBOX
Set it to 1 to make PDF reports as root; the web engine that lays them out
does not run as root with its sandbox.
.SH EXAMPLES
.nf
.ft CR
qznum-cli profile \\-\\-full \"John Smith\" \\-\\-birth 1985-11-29
qznum-cli compat \\-\\-a-full \"John Smith\" \\-\\-a-birth 1985-11-29 \\e
    \\-\\-b-full \"Mary Jones\" \\-\\-b-birth 1990-01-01
qznum-cli report numerology \\-\\-full \"John Smith\" \\-\\-birth 1985-11-29 \\-\\-pdf john.pdf
printf 'John Smith,,1985-11-29\\\\n' | qznum-cli batch
.ft R
.fi
.SH SEE ALSO
.BR qznum (1)
")
