' The part of SindhiTyping.bas shared with VBScript, run as Word would run it: the test
' script puts that part above this file and runs the whole under cscript against the
' registered TavroCodes.dll. Stand-ins play Word's Selection. Prints every mismatch; the last
' line says "all checks passed" only when every check did.

Dim failures : failures = 0

Sub Expect(what, actual, expected)
    If actual <> expected Then
        WScript.Echo "mismatch: " & what & ": got '" & actual & "', expected '" & expected & "'"
        failures = failures + 1
    End If
End Sub

' The text of the UTF-16 code units given (Wine's VBScript has no ChrW): written byte by
' byte after a byte-order mark, then read back as a Unicode file.
Dim fso : Set fso = CreateObject("Scripting.FileSystemObject")
Function TextOf(codeUnits)
    Dim path, stream, unit
    path = fso.BuildPath(fso.GetSpecialFolder(2), fso.GetTempName())
    Set stream = fso.CreateTextFile(path, True, False)
    stream.Write Chr(&HFF) & Chr(&HFE)
    For Each unit In codeUnits
        stream.Write Chr(unit Mod 256) & Chr(unit \ 256)
    Next
    stream.Close
    Set stream = fso.OpenTextFile(path, 1, False, -1)
    TextOf = stream.ReadAll()
    stream.Close
    fso.DeleteFile path
End Function

Class StandInFont
    Public Name
End Class

' Word's Selection as the macro uses it: Font.Name, Text, InsertSymbol.
Class StandInSelection
    Public Font
    Public Text
    Public Inserted
    Public Calls
    Private Sub Class_Initialize()
        Set Font = New StandInFont
        Font.Name = "Lateef"
        Text = ""
        Inserted = ""
        Calls = ""
    End Sub

    ' InsertSymbol(CharacterNumber, Font, Unicode): records each code point, as Word inserts it.
    Public Sub InsertSymbol(characterNumber, fontName, isUnicode)
        If VarType(characterNumber) <> vbLong Then Calls = Calls & " not-a-Long"
        If fontName <> Font.Name Then Calls = Calls & " font:" & fontName
        If isUnicode <> True Then Calls = Calls & " not-Unicode"
        Inserted = Trim(Inserted & " " & characterNumber)
    End Sub
End Class

' Types each character of keys through TypeKeyInto into a fresh stand-in; returns it.
Function Typed(keys, lang)
    Dim target, i
    Set target = New StandInSelection
    For i = 1 To Len(keys)
        TypeKeyInto target, Asc(Mid(keys, i, 1)), lang
    Next
    Set Typed = target
End Function

' A typed word: keys, language, the code points inserted.
Dim cases, c, target
cases = Array( _
    Array("pakstan", TypingSindhi, "1662 1575 1706 1587 1578 1575 1606"), _
    Array("a", TypingUrdu, "1605"), _
    Array("a", TypingFarsi, "1588"), _
    Array("aNa", TypingFarsi, "1588 1588"), _
    Array("Word 2", TypingEnglish, "87 111 114 100 32 50"))
For Each c In cases
    Set target = Typed(c(0), c(1))
    Expect "keys '" & c(0) & "' in language " & c(1), target.Inserted, c(2)
    Expect "InsertSymbol arguments for '" & c(0) & "'", target.Calls, ""
Next

' An InPage text: Urdu letters (marker byte 4 before each) among plain text, as Word holds
' it after pasting: one character per byte in the ANSI code page.
Dim inpage
Set target = New StandInSelection
inpage = "Pakistan: "
Dim b
For Each b In Array(&H83, &H81, &H9C, &H92, &H84, &H81, &HA0)
    inpage = inpage & Chr(4) & Chr(b)
Next
target.Text = inpage & Chr(4) & Chr(&H81) & Chr(4) & Chr(&HB3) & "."
ConvertInpageInto target
Dim converted
converted = TextOf(Array(80, 97, 107, 105, 115, 116, 97, 110, 58, 32, _
                         &H67E, &H627, &H6A9, &H633, &H62A, &H627, &H646, &H622, 46))
Expect "InPage text converted (length " & Len(target.Text) & ")", target.Text = converted, True

' Every printable character but the space has its own key on a US keyboard.
Dim charCode, keyCode, seen, count
Set seen = CreateObject("Scripting.Dictionary")
count = 0
For charCode = 33 To 126
    keyCode = WordKeyCodeOf(charCode)
    If keyCode = 0 Then
        Expect "key of character " & charCode, "none", "a key"
    ElseIf seen.Exists(keyCode) Then
        Expect "key " & keyCode & " of character " & charCode, "also types " & seen(keyCode), "one character"
    Else
        seen.Add keyCode, charCode
        count = count + 1
    End If
Next
Expect "characters with a key", count, 94
Expect "key of a", WordKeyCodeOf(Asc("a")), 65
Expect "key of A (Shift+A)", WordKeyCodeOf(Asc("A")), 256 + 65
Expect "key of ; (VK_OEM_1)", WordKeyCodeOf(Asc(";")), 186
Expect "key of "" (Shift+VK_OEM_7)", WordKeyCodeOf(Asc("""")), 256 + 222
Expect "key of ~ (Shift+VK_OEM_3)", WordKeyCodeOf(Asc("~")), 256 + 192
Expect "key of the space bar", WordKeyCodeOf(32), 0
Expect "macro of a", TypingMacroOf(97), "TypeKey097"
Expect "macro of !", TypingMacroOf(33), "TypeKey033"

If WScript.Arguments.Count > 0 Then
    If WScript.Arguments(0) = "mismatch" Then Expect "deliberately wrong", Typed("a", TypingSindhi).Inserted, "1576"
End If

If failures > 0 Then
    WScript.Echo failures & " mismatch(es)"
    WScript.Quit 1
End If
WScript.Echo "SindhiTyping shared part: all checks passed"
