// Urdu positional layout: keys go by their place on the keyboard, not their Latin sound.
#include "KeyMap.h"
#include "KeyMapTable.h"

namespace sindhikit {
namespace {

constexpr detail::KeyMapTable kUrdu{
    // lower-case letters
    {97, 1605}, {98, 1588}, {99, 1746}, {100, 1585}, {101, 1726}, {102, 1606}, {103, 1604},
    {104, 1729}, {105, 1576}, {106, 1575}, {107, 1705}, {108, 1740}, {109, 1593}, {110, 1594},
    {111, 1580}, {112, 1581}, {113, 1591}, {114, 1583}, {115, 1608}, {116, 1657}, {117, 1578},
    {118, 1587}, {119, 1589}, {120, 1601}, {121, 1662}, {122, 1602},
    // capital letters (no row for I)
    {65, 1688}, {66, 1572}, {67, 1747}, {68, 1681}, {69, 1584}, {70, 1722}, {71, 1730},
    {72, 1569}, {74, 1570}, {75, 1711}, {76, 1610}, {77, 1648}, {78, 1574}, {79, 1670},
    {80, 1582}, {81, 1592}, {82, 1672}, {83, 1586}, {84, 1579}, {85, 1731}, {86, 1615},
    {87, 1590}, {88, 1616}, {89, 1617}, {90, 1614},
    // punctuation that differs from the key itself
    {40, 41}, {41, 40}, {44, 1548}, {46, 1748}, {59, 1563}, {60, 65279}, {62, 1612},
    {63, 1567}, {91, 1611}, {92, 65018}, {93, 1620}, {123, 1613}, {124, 65019}, {125, 1621},
    {126, 8216},
};

}  // namespace

CodePoint UrduKeyToUnicode(KeyCode asciiCode) { return kUrdu(asciiCode); }

}  // namespace sindhikit
