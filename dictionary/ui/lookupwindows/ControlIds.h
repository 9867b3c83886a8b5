// Control ids of the lookup windows, named after the controls (a name means the same kind
// of control in both windows). Tests and the layout find the controls by them.
#pragma once

namespace dictionary::ids {

enum ControlId : int {
    Picture1 = 100,
    Label1,
    Label2,
    Label4,
    Label5,
    WordBox,
    WordList,
    SindhiMeanings,
    EnglishMeaning,
    EnglishMeaningsList,
    lvButtons_H1,
    lblgo,
};

}  // namespace dictionary::ids
