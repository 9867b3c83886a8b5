' TavroCode as a VBScript macro calls it: created by ProgID, arguments passed as variables
' (by reference) and as literals. Prints every mismatch and exits 1 if there was one.
' With the argument "mismatch" it adds one wrong expectation, to show that failures fail.
Option Explicit

Dim failures : failures = 0

Sub Check(what, actual, expected, expectedType)
  If VarType(actual) <> expectedType Then
    WScript.Echo "mismatch: " & what & " has VarType " & VarType(actual) & ", expected " & expectedType
    failures = failures + 1
  ElseIf actual <> expected Then
    WScript.Echo "mismatch: " & what & " = " & actual & ", expected " & expected
    failures = failures + 1
  End If
End Sub

Const vbLongType = 3
Const vbIntegerType = 2

Dim tc : Set tc = CreateObject("TavroCodes.TavroCode")

' Code, Lang, expected result: English, the three maps, a map answering 0, an unknown Lang.
Dim cases : cases = Array( _
  Array(97, 0, 97), Array(97, 1, 1575), Array(97, 2, 1605), Array(97, 3, 1588), _
  Array(78, 3, 0), Array(97, 7, 97))

Dim c, code, lang, longCode, longLang
For Each c In cases
  code = c(0) : lang = c(1)
  Check "TavroCode(" & c(0) & ", " & c(1) & ") by variables", tc.TavroCode(code, lang), c(2), vbLongType
  Check "AsciiCode after the call", code, c(0), vbIntegerType
  Check "Lang after the call", lang, c(1), vbIntegerType

  longCode = CLng(c(0)) : longLang = CLng(c(1))
  Check "TavroCode(CLng " & c(0) & ", CLng " & c(1) & ")", tc.TavroCode(longCode, longLang), c(2), vbLongType
  Check "Long AsciiCode after the call", longCode, c(0), vbLongType
  Check "Long Lang after the call", longLang, c(1), vbLongType

  Check "TavroCode(" & c(0) & ", " & c(1) & ") by literals", tc.TavroCode(c(0), c(1)), c(2), vbLongType
Next

code = 97
Check "TavroCode(97) with Lang omitted", tc.TavroCode(code), 97, vbLongType
Check "TavroCode(97) literal with Lang omitted", tc.TavroCode(97), 97, vbLongType

If WScript.Arguments.Count > 0 Then
  If WScript.Arguments(0) = "mismatch" Then Check "deliberately wrong", tc.TavroCode(97, 1), 1576, vbLongType
End If

If failures > 0 Then
  WScript.Echo failures & " mismatch(es)"
  WScript.Quit 1
End If
WScript.Echo "TavroCode.vbs: all checks passed"
