Attribute VB_Name = "SindhiTyping"
' SindhiTyping: type Sindhi, Urdu or Farsi in Microsoft Word on an ordinary US keyboard.
'
' Each printable key you press goes to TavroCodes.dll (installed and registered by the
' SindhiKit installer), which answers the letter that key stands for on the chosen language's
' phonetic key map; the macro inserts that letter where you type.
'
' Importing it (once):
'   1. In Word press Alt+F11 to open the Visual Basic editor.
'   2. In the project list on the left click "Normal" (the macro is then there in every
'      document), choose File > Import File... and pick SindhiTyping.bas, which the installer
'      put in the SindhiKit folder under Program Files.
'   3. Close the editor. Word may ask you to save Normal.dotm when you quit: say yes.
'   Macros must be allowed to run (File > Options > Trust Center).
'
' Switching languages: press Alt+F8 and run one of these (or put them on the Quick Access
' Toolbar through File > Options > Quick Access Toolbar > Macros):
'   SindhiKeyboard   type Sindhi          UrduKeyboard   type Urdu
'   FarsiKeyboard    type Farsi           EnglishKeyboard   the keys type English again
' Each of the first three binds the printable keys (letters, digits, punctuation, with and
' without Shift) to this macro; EnglishKeyboard removes those bindings. BindTypingKeys and
' UnbindTypingKeys do the binding alone, keeping the chosen language.
'
' InPage text: paste it into Word, select it and run ConvertInpageSelection; the selection
' is replaced by the same text in Unicode.
'
' Right-to-left paragraphs and a font with Sindhi letters (Lateef, Noto Naskh Arabic, MB
' Lateefi) are Word's own settings: choose them as for any Arabic-script text.
Option Explicit

' ---- Begin of the part shared with VBScript ----
' Everything between this line and the matching end line is written in the language that
' VBA and VBScript share (no types, no ChrW), so the kit's tests run it under cscript against
' the registered server.

' The languages of TavroCode (its Langs enumeration).
Public Const TypingEnglish = 0
Public Const TypingSindhi = 1
Public Const TypingUrdu = 2
Public Const TypingFarsi = 3

' The server object, made on the first key and kept while Word runs.
Dim serverObject

Public Function TavroServer()
    If IsEmpty(serverObject) Then Set serverObject = CreateObject("TavroCodes.TavroCode")
    Set TavroServer = serverObject
End Function

' Types the key with the character code keyCode (32 to 126) in the language lang into target
' (Word's Selection): the server answers the letter's code point, and InsertSymbol puts the
' letter in place of the selection, in the selection's own font. A key the map leaves
' without a letter (code point 0) inserts nothing.
Public Sub TypeKeyInto(target, keyCode, lang)
    Dim code, language, letter
    code = keyCode
    language = lang
    letter = TavroServer().TavroCode(code, language)
    If letter <> 0 Then target.InsertSymbol letter, target.Font.Name, True
End Sub

' Replaces the text of target (Word's Selection), read as InPage text, by its Unicode form.
Public Sub ConvertInpageInto(target)
    target.Text = TavroServer().Inpage2UniCode(target.Text)
End Sub

' The printable keys of a US keyboard: the character each key types without and with Shift,
' in the order of the virtual-key codes below.
Const UnshiftedKeys = "`1234567890-=qwertyuiop[]\asdfghjkl;'zxcvbnm,./"
Const ShiftedKeys = "~!@#$%^&*()_+QWERTYUIOP{}|ASDFGHJKL:""ZXCVBNM<>?"
Const KeyCodes = "192 49 50 51 52 53 54 55 56 57 48 189 187 81 87 69 82 84 89 85 73 79 80 219 221 220 65 83 68 70 71 72 74 75 76 186 222 90 88 67 86 66 78 77 188 190 191"

' Word's key code (as BuildKeyCode makes it) of the key that types character code charCode
' (33 to 126) on a US keyboard: the key's virtual-key code, plus 256 (wdKeyShift) for Shift;
' 0 for any other character.
Public Function WordKeyCodeOf(charCode)
    Dim codes, position
    codes = Split(KeyCodes, " ")
    WordKeyCodeOf = 0
    If charCode < 33 Or charCode > 126 Then Exit Function
    position = InStr(1, UnshiftedKeys, Chr(charCode), 0)
    If position > 0 Then
        WordKeyCodeOf = CLng(codes(position - 1))
    Else
        position = InStr(1, ShiftedKeys, Chr(charCode), 0)
        If position > 0 Then WordKeyCodeOf = CLng(codes(position - 1)) + 256
    End If
End Function

' The name of the macro bound to the key that types charCode: TypeKey033 to TypeKey126.
Public Function TypingMacroOf(charCode)
    TypingMacroOf = "TypeKey" & Right("00" & charCode, 3)
End Function
' ---- End of the part shared with VBScript ----

' The language keys type in; Sindhi until another is chosen.
Dim typingLanguage

Private Function CurrentLanguage()
    If IsEmpty(typingLanguage) Then typingLanguage = TypingSindhi
    CurrentLanguage = typingLanguage
End Function

' The typing routine every bound key runs.
Public Sub TypeKey(ByVal keyCode As Long)
    On Error GoTo Failed
    TypeKeyInto Selection, keyCode, CurrentLanguage()
    Exit Sub
Failed:
    MsgBox "Sindhi typing stopped: " & Err.Description & vbCr & vbCr & _
           "Is TavroCodes.dll installed? Run EnglishKeyboard to type English again.", vbExclamation
End Sub

Public Sub SindhiKeyboard()
    typingLanguage = TypingSindhi
    BindTypingKeys
End Sub

Public Sub UrduKeyboard()
    typingLanguage = TypingUrdu
    BindTypingKeys
End Sub

Public Sub FarsiKeyboard()
    typingLanguage = TypingFarsi
    BindTypingKeys
End Sub

Public Sub EnglishKeyboard()
    typingLanguage = TypingEnglish
    UnbindTypingKeys
End Sub

' Binds every printable key but the space bar, with and without Shift, to its TypeKey macro,
' in the template or document that holds this module.
Public Sub BindTypingKeys()
    Dim charCode
    CustomizationContext = MacroContainer
    For charCode = 33 To 126
        KeyBindings.Add KeyCategory:=wdKeyCategoryMacro, Command:=TypingMacroOf(charCode), _
                        KeyCode:=WordKeyCodeOf(charCode)
    Next
    StatusBar = "Typing " & Choose(CurrentLanguage() + 1, "English", "Sindhi", "Urdu", "Farsi")
End Sub

' Removes the bindings BindTypingKeys made: the keys type what they type without the macro.
Public Sub UnbindTypingKeys()
    Dim i
    CustomizationContext = MacroContainer
    For i = KeyBindings.Count To 1 Step -1
        If KeyBindings(i).KeyCategory = wdKeyCategoryMacro Then
            If InStr(1, KeyBindings(i).Command, "TypeKey", vbTextCompare) > 0 Then KeyBindings(i).Clear
        End If
    Next
    StatusBar = "Typing English"
End Sub

' Converts the selected InPage text to Unicode.
Public Sub ConvertInpageSelection()
    If Selection.Type = wdSelectionIP Then
        MsgBox "Select the InPage text to convert first.", vbInformation
        Exit Sub
    End If
    On Error GoTo Failed
    ConvertInpageInto Selection
    Exit Sub
Failed:
    MsgBox "The InPage text was not converted: " & Err.Description, vbExclamation
End Sub

' One macro per printable key: Word binds a key to a macro without arguments.
Public Sub TypeKey033(): TypeKey 33: End Sub
Public Sub TypeKey034(): TypeKey 34: End Sub
Public Sub TypeKey035(): TypeKey 35: End Sub
Public Sub TypeKey036(): TypeKey 36: End Sub
Public Sub TypeKey037(): TypeKey 37: End Sub
Public Sub TypeKey038(): TypeKey 38: End Sub
Public Sub TypeKey039(): TypeKey 39: End Sub
Public Sub TypeKey040(): TypeKey 40: End Sub
Public Sub TypeKey041(): TypeKey 41: End Sub
Public Sub TypeKey042(): TypeKey 42: End Sub
Public Sub TypeKey043(): TypeKey 43: End Sub
Public Sub TypeKey044(): TypeKey 44: End Sub
Public Sub TypeKey045(): TypeKey 45: End Sub
Public Sub TypeKey046(): TypeKey 46: End Sub
Public Sub TypeKey047(): TypeKey 47: End Sub
Public Sub TypeKey048(): TypeKey 48: End Sub
Public Sub TypeKey049(): TypeKey 49: End Sub
Public Sub TypeKey050(): TypeKey 50: End Sub
Public Sub TypeKey051(): TypeKey 51: End Sub
Public Sub TypeKey052(): TypeKey 52: End Sub
Public Sub TypeKey053(): TypeKey 53: End Sub
Public Sub TypeKey054(): TypeKey 54: End Sub
Public Sub TypeKey055(): TypeKey 55: End Sub
Public Sub TypeKey056(): TypeKey 56: End Sub
Public Sub TypeKey057(): TypeKey 57: End Sub
Public Sub TypeKey058(): TypeKey 58: End Sub
Public Sub TypeKey059(): TypeKey 59: End Sub
Public Sub TypeKey060(): TypeKey 60: End Sub
Public Sub TypeKey061(): TypeKey 61: End Sub
Public Sub TypeKey062(): TypeKey 62: End Sub
Public Sub TypeKey063(): TypeKey 63: End Sub
Public Sub TypeKey064(): TypeKey 64: End Sub
Public Sub TypeKey065(): TypeKey 65: End Sub
Public Sub TypeKey066(): TypeKey 66: End Sub
Public Sub TypeKey067(): TypeKey 67: End Sub
Public Sub TypeKey068(): TypeKey 68: End Sub
Public Sub TypeKey069(): TypeKey 69: End Sub
Public Sub TypeKey070(): TypeKey 70: End Sub
Public Sub TypeKey071(): TypeKey 71: End Sub
Public Sub TypeKey072(): TypeKey 72: End Sub
Public Sub TypeKey073(): TypeKey 73: End Sub
Public Sub TypeKey074(): TypeKey 74: End Sub
Public Sub TypeKey075(): TypeKey 75: End Sub
Public Sub TypeKey076(): TypeKey 76: End Sub
Public Sub TypeKey077(): TypeKey 77: End Sub
Public Sub TypeKey078(): TypeKey 78: End Sub
Public Sub TypeKey079(): TypeKey 79: End Sub
Public Sub TypeKey080(): TypeKey 80: End Sub
Public Sub TypeKey081(): TypeKey 81: End Sub
Public Sub TypeKey082(): TypeKey 82: End Sub
Public Sub TypeKey083(): TypeKey 83: End Sub
Public Sub TypeKey084(): TypeKey 84: End Sub
Public Sub TypeKey085(): TypeKey 85: End Sub
Public Sub TypeKey086(): TypeKey 86: End Sub
Public Sub TypeKey087(): TypeKey 87: End Sub
Public Sub TypeKey088(): TypeKey 88: End Sub
Public Sub TypeKey089(): TypeKey 89: End Sub
Public Sub TypeKey090(): TypeKey 90: End Sub
Public Sub TypeKey091(): TypeKey 91: End Sub
Public Sub TypeKey092(): TypeKey 92: End Sub
Public Sub TypeKey093(): TypeKey 93: End Sub
Public Sub TypeKey094(): TypeKey 94: End Sub
Public Sub TypeKey095(): TypeKey 95: End Sub
Public Sub TypeKey096(): TypeKey 96: End Sub
Public Sub TypeKey097(): TypeKey 97: End Sub
Public Sub TypeKey098(): TypeKey 98: End Sub
Public Sub TypeKey099(): TypeKey 99: End Sub
Public Sub TypeKey100(): TypeKey 100: End Sub
Public Sub TypeKey101(): TypeKey 101: End Sub
Public Sub TypeKey102(): TypeKey 102: End Sub
Public Sub TypeKey103(): TypeKey 103: End Sub
Public Sub TypeKey104(): TypeKey 104: End Sub
Public Sub TypeKey105(): TypeKey 105: End Sub
Public Sub TypeKey106(): TypeKey 106: End Sub
Public Sub TypeKey107(): TypeKey 107: End Sub
Public Sub TypeKey108(): TypeKey 108: End Sub
Public Sub TypeKey109(): TypeKey 109: End Sub
Public Sub TypeKey110(): TypeKey 110: End Sub
Public Sub TypeKey111(): TypeKey 111: End Sub
Public Sub TypeKey112(): TypeKey 112: End Sub
Public Sub TypeKey113(): TypeKey 113: End Sub
Public Sub TypeKey114(): TypeKey 114: End Sub
Public Sub TypeKey115(): TypeKey 115: End Sub
Public Sub TypeKey116(): TypeKey 116: End Sub
Public Sub TypeKey117(): TypeKey 117: End Sub
Public Sub TypeKey118(): TypeKey 118: End Sub
Public Sub TypeKey119(): TypeKey 119: End Sub
Public Sub TypeKey120(): TypeKey 120: End Sub
Public Sub TypeKey121(): TypeKey 121: End Sub
Public Sub TypeKey122(): TypeKey 122: End Sub
Public Sub TypeKey123(): TypeKey 123: End Sub
Public Sub TypeKey124(): TypeKey 124: End Sub
Public Sub TypeKey125(): TypeKey 125: End Sub
Public Sub TypeKey126(): TypeKey 126: End Sub
