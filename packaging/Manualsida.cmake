# Makes the manual page of one program from its --help text, in Swedish:
#   cmake -DPROGRAM=... -DNAME=... -DSUMMARY=... -DVERSION=... -DDATE=...
#         -DBUILT_IN=... -DINSTALLED_IN=... -DOUT=NAME.1.gz -P Manualsida.cmake
# The usage lines make SYNOPSIS, the rest of the text BESKRIVNING as the
# program writes it; a path of the build folder reads as the installed one.
execute_process(COMMAND "${PROGRAM}" --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR help STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} --help gav ingen hjälptext (${status})")
endif()
string(REPLACE "${BUILT_IN}" "${INSTALLED_IN}" help "${help}")

# Roff takes a backslash as an escape and a dot or quote first on a line as
# a request; a hyphen is written as a minus so that options can be copied.
function(roff_text text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The usage: the first line and the indented lines after it.
string(REGEX MATCH "^Användning: [^\n]*\n( +[^\n]*\n)*" usage "${help}")
if(usage STREQUAL "")
  message(FATAL_ERROR "${NAME} --help börjar inte med \"Användning:\"")
endif()
string(LENGTH "${usage}" length)
string(SUBSTRING "${help}" ${length} -1 description)
string(REGEX REPLACE "^Användning: " "" synopsis "${usage}")
# The usage's further lines stand under its first, twelve places in.
string(REPLACE "\n            " "\n" synopsis "${synopsis}")
string(STRIP "${description}" description)
roff_text("${synopsis}" synopsis)
roff_text("${description}" description)
roff_text("${SUMMARY}" summary)

set(others virano virano-kalkyl Omvandlare Brukarreg)
list(REMOVE_ITEM others "${NAME}")
list(TRANSFORM others APPEND "(1)")
list(JOIN others ", " see)
roff_text("${see}" see)
roff_text("${NAME}" name)

file(WRITE "${OUT}.tmp" ".\\\" -*- coding: UTF-8 -*-
.\\\" Gjord av Manualsida.cmake ur ${NAME} --help.
.TH ${NAME} 1 \"${DATE}\" \"VIRANO ${VERSION}\" \"VIRANO\"
.SH NAMN
${name} \\- ${summary}
.SH SYNOPSIS
.nf
${synopsis}.fi
.SH BESKRIVNING
.nf
${description}
.fi
.SH SE ÄVEN
${see}
")
execute_process(COMMAND gzip -9 -n -c "${OUT}.tmp" OUTPUT_FILE "${OUT}" RESULT_VARIABLE status)
file(REMOVE "${OUT}.tmp")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip kunde inte packa ${OUT}")
endif()
