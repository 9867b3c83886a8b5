' The installed TavroCodes.dll as a macro meets it: created by its ProgID, a Sindhi key typed.
' With the argument "absent" it checks instead that the ProgID no longer creates anything.
Option Explicit
Dim tc, code, lang
If WScript.Arguments.Count > 0 Then
    On Error Resume Next
    Set tc = CreateObject("TavroCodes.TavroCode")
    If Err.Number = 0 Then
        WScript.Echo "mismatch: TavroCodes.TavroCode is still created after the uninstall"
        WScript.Quit 1
    End If
    WScript.Echo "TavroCodes.TavroCode is not registered: all checks passed"
    WScript.Quit 0
End If
Set tc = CreateObject("TavroCodes.TavroCode")
code = 97 : lang = 1
If tc.TavroCode(code, lang) <> 1575 Then
    WScript.Echo "mismatch: TavroCode(97, Sindhi) = " & tc.TavroCode(code, lang) & ", expected 1575"
    WScript.Quit 1
End If
WScript.Echo "TavroCode(97, Sindhi) = 1575: all checks passed"
