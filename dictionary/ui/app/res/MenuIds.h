/* Ids of the main window's menu commands and resources, named after the commands; shared
   by the resource script and the program. */
#pragma once

#define IDI_DICTIONARY 1
#define IDR_MAINMENU 100
#define IDR_ACCELERATORS 101

#define ID_mnuEnglishToSindhi 40001
#define ID_mnuSindhiToEnglish 40002
#define ID_mnuExit 40003
#define ID_mnufontSet 40101
#define ID_mnuReset 40102
#define ID_mnuLatifFont 40103
#define ID_mnuEnglishFont 40104
#define ID_mnuWindow98 40105
#define ID_mnuWindowXP 40106
#define ID_mnuHelp 40201
#define ID_mnuPhonetic 40202
#define ID_mnuKeyboard 40203
#define ID_mnuSindhiSortOrder 40204
#define ID_mnuAbout 40205
