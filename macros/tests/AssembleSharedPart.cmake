# Writes the script the macro test runs: the part of SindhiTyping.bas shared with VBScript
# (between its begin and end lines), then the test's own checks. Fails when the part is missing.
# Usage: cmake -DMACRO=SindhiTyping.bas -DCHECKS=SharedPartTest.vbs -DOUTPUT=out.vbs -P AssembleSharedPart.cmake
file(READ "${MACRO}" macro)
string(FIND "${macro}" "' ---- Begin of the part shared with VBScript ----" begin)
string(FIND "${macro}" "' ---- End of the part shared with VBScript ----" end)
if(begin EQUAL -1 OR end EQUAL -1 OR end LESS begin)
  message(FATAL_ERROR "${MACRO} has no part shared with VBScript between its begin and end lines")
endif()
math(EXPR length "${end} - ${begin}")
string(SUBSTRING "${macro}" ${begin} ${length} shared)
file(READ "${CHECKS}" checks)
file(WRITE "${OUTPUT}" "Option Explicit\r\n${shared}\r\n${checks}")
