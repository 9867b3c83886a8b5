' NumberToString, IIF and Inpage2UniCode through TavroCodes.TavroCode, as a VBScript macro
' calls them: literals by value, variables by reference, errors trapped with On Error.
Option Explicit
Dim tc, checks, failures
checks = 0 : failures = 0
Set tc = CreateObject("TavroCodes.TavroCode")

Sub Fail(name, message)
  failures = failures + 1
  WScript.Echo "FAIL " & name & ": " & message
End Sub

Function Show(v)
  If IsNull(v) Then
    Show = "Null"
  ElseIf IsEmpty(v) Then
    Show = "Empty"
  Else
    Show = CStr(v) & " (" & TypeName(v) & ")"
  End If
End Function

' Same subtype and same value.
Sub Check(name, actual, expected)
  checks = checks + 1
  If VarType(actual) <> VarType(expected) Then
    Fail name, "got " & Show(actual) & ", expected " & Show(expected)
  ElseIf IsNull(expected) Or IsEmpty(expected) Then
  ElseIf actual <> expected Then
    Fail name, "got " & Show(actual) & ", expected " & Show(expected)
  End If
End Sub

Sub CheckError(name, number, description)
  checks = checks + 1
  If Err.Number <> number Or Err.Description <> description Then
    Fail name, "error " & Err.Number & " """ & Err.Description & """, expected " & number
  End If
  Err.Clear
End Sub

' The worked examples and edge cases.
Check "7 3 0", tc.NumberToString(7, 3, 0), "007"
Check "1234 3 0", tc.NumberToString(1234, 3, 0), "234"
Check "3.14159 Float 2", tc.NumberToString(3.14159, "Float", 2), "3.14"
Check "-5 2 1", tc.NumberToString(-5, 2, 1), "-05.0"
Check "0.004 1 2", tc.NumberToString(0.004, 1, 2), "0.00"
Check "Null 2 0", tc.NumberToString(Null, 2, 0), "00"
Check "-0.4 1 0", tc.NumberToString(-0.4, 1, 0), "-0"
Check "12.5 Float Float", tc.NumberToString(12.5, "Float", "Float"), "12.5"
Check "5 0 2", tc.NumberToString(5, 0, 2), ".00"
Check "999 3 0", tc.NumberToString(999, 3, 0), "999"
Check "1000 3 0", tc.NumberToString(1000, 3, 0), "000"
Check "1575 3 0", tc.NumberToString(1575, 3, 0), "575"
Check "-7 3 0", tc.NumberToString(-7, 3, 0), "-007"
Check "2.5 1 0", tc.NumberToString(2.5, 1, 0), "2"
Check "3.5 1 0", tc.NumberToString(3.5, 1, 0), "4"
Check "empty text", tc.NumberToString("", 3, 0), "000"
Check "Empty", tc.NumberToString(Empty, 3, 0), "000"
Check "0.5 0 2", tc.NumberToString(0.5, 0, 2), ".50"
Check "12.5 5 Float", tc.NumberToString(12.5, 5, "Float"), "012.5"
Check "numeric texts", tc.NumberToString("42", "4", "1"), "0042.0"
Check "Byte", tc.NumberToString(CByte(7), CByte(3), CByte(0)), "007"
Check "Single", tc.NumberToString(CSng(2.5), 1, 0), "2"
Check "Currency, half to even", tc.NumberToString(CCur(12.345), 2, 2), "12.34"
Check "Long", tc.NumberToString(CLng(123456), "Float", 0), "123456"

' Variables go by reference: the method reads them and leaves them as they were.
Dim n, d, e
n = 7 : d = 3 : e = 0
Check "by reference", tc.NumberToString(n, d, e), "007"
Check "number untouched", n, 7
Check "digits untouched", d, 3
Check "decimals untouched", e, 0
n = -12.5 : d = "Float" : e = "Float"
Check "by reference Float", tc.NumberToString(n, d, e), "-12.5"
Check "negative untouched", n, -12.5

On Error Resume Next
Dim r
r = tc.NumberToString(5, 2, "float")
CheckError "lower-case float", 13, "Type mismatch"
r = tc.NumberToString("abc", 2, 0)
CheckError "non-numeric number", 13, "Type mismatch"
r = tc.NumberToString(2147483647.5, 3, 0)
CheckError "overflow", 6, "Overflow"
r = tc.IIF("maybe", 1, 2)
CheckError "IIF text condition", 13, "Type mismatch"
On Error Goto 0

' IIF keeps the chosen value's own type.
Check "IIF Null", tc.IIF(Null, 1, "no"), "no"
Check "IIF 0", tc.IIF(0, 1, "no"), "no"
Check "IIF -1", tc.IIF(-1, 5, "no"), 5
Check "IIF True Double", tc.IIF(True, 2.5, "no"), 2.5
Check "IIF text true Long", tc.IIF("TRUE", CLng(3), "no"), CLng(3)
Check "IIF text number", tc.IIF("2", CCur(1.5), "no"), CCur(1.5)
Check "IIF Date", tc.IIF(1, DateSerial(2026, 12, 11), 0), DateSerial(2026, 12, 11)
Check "IIF Null chosen", tc.IIF(1, Null, 0), Null
Check "IIF Empty chosen", tc.IIF(0, 1, Empty), Empty
Dim c, yes, no
c = 1 : yes = CByte(200) : no = "x"
Check "IIF by reference", tc.IIF(c, yes, no), CByte(200)
Check "IIF argument untouched", yes, CByte(200)
Check "IIF condition untouched", c, 1

' Inpage2UniCode (character codes are checked from JScript).
Check "Inpage plain", tc.Inpage2UniCode("plain text"), "plain text"
Check "Inpage marker and A", tc.Inpage2UniCode(Chr(4) & "A"), ""
Check "Inpage trailing marker", tc.Inpage2UniCode("x" & Chr(4)), "x"
Check "Inpage space", tc.Inpage2UniCode(Chr(4) & " "), " "
Check "Inpage empty", tc.Inpage2UniCode(""), ""
Dim longText, converted
longText = String(20000, Chr(4)) & ""
longText = Replace(longText, Chr(4), Chr(4) & Chr(&HF3))
converted = tc.Inpage2UniCode(longText)
Check "Inpage 40,000 characters length", Len(converted), CLng(20000)
Check "Inpage 40,000 characters content", converted, String(20000, "-")

WScript.Echo "conversions.vbs: " & checks & " checks, " & failures & " failures"
If failures = 0 Then WScript.Echo "ALL PASSED"
WScript.Quit failures
