// Farsi positional layout. Four keys yield 0 (no character); the caller decides what to insert.
#include "KeyMap.h"
#include "KeyMapTable.h"

namespace sindhikit {
namespace {

constexpr detail::KeyMapTable kFarsi{
    // lower-case letters
    {97, 1588}, {98, 1584}, {99, 1586}, {100, 1740}, {101, 1579}, {102, 1576}, {103, 1604},
    {104, 1575}, {105, 1607}, {106, 1578}, {107, 1606}, {108, 1605}, {109, 1662}, {110, 1583},
    {111, 1582}, {112, 1581}, {113, 1590}, {114, 1602}, {115, 1587}, {116, 1601}, {117, 1593},
    {118, 1585}, {119, 1589}, {120, 1591}, {121, 1594}, {122, 1592},
    // capital letters (no row for I)
    {65, 1572}, {66, 8204}, {67, 1688}, {68, 1610}, {69, 1613}, {70, 1573}, {71, 1571},
    {72, 1570}, {74, 1577}, {75, 171}, {76, 187}, {77, 1569}, {78, 0}, {79, 91},
    {80, 93}, {81, 1618}, {82, 1574}, {83, 1615}, {84, 1614}, {85, 0}, {86, 1612},
    {87, 0}, {88, 1616}, {89, 1603}, {90, 1777},
    // punctuation that differs from the key itself; the grave accent (96) keeps its code
    {34, 1563}, {35, 1643}, {36, 65020}, {37, 1642}, {38, 1548}, {39, 1711}, {44, 1608},
    {59, 1705}, {63, 1567}, {64, 1644}, {91, 1580}, {93, 1670}, {94, 215}, {126, 0},
};

}  // namespace

CodePoint FarsiKeyToUnicode(KeyCode asciiCode) { return kFarsi(asciiCode); }

}  // namespace sindhikit
