// Inpage2UniCode on the worked examples, built and checked by character code, plus
// NumberToString, IIF and trapped errors as a JScript macro meets them.
var tc = new ActiveXObject("TavroCodes.TavroCode");
var checks = 0, failures = 0;

function fail(name, message) {
  failures++;
  WScript.Echo("FAIL " + name + ": " + message);
}

function codes(s) {
  var out = [];
  for (var i = 0; i < s.length; i++) out.push(s.charCodeAt(i).toString(16));
  return out.join(" ");
}

// The characters of the ANSI code page (Windows-1252) for InPage bytes 0x80..0x9F.
var cp1252 = [0x20AC, 0x81, 0x201A, 0x192, 0x201E, 0x2026, 0x2020, 0x2021, 0x2C6, 0x2030, 0x160,
              0x2039, 0x152, 0x8D, 0x17D, 0x8F, 0x90, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
              0x2013, 0x2014, 0x2DC, 0x2122, 0x161, 0x203A, 0x153, 0x9D, 0x17E, 0x178];
function bytes() {
  var s = "";
  for (var i = 0; i < arguments.length; i++) {
    var b = arguments[i];
    s += typeof b == "string" ? b : String.fromCharCode(b >= 0x80 && b < 0xA0 ? cp1252[b - 0x80] : b);
  }
  return s;
}
function text() {
  var s = "";
  for (var i = 0; i < arguments.length; i++) s += String.fromCharCode(arguments[i]);
  return s;
}

function check(name, actual, expected) {
  checks++;
  if (typeof actual != typeof expected || actual !== expected)
    fail(name, "got " + (typeof actual == "string" ? "[" + codes(actual) + "]" : actual) + " (" + typeof actual +
         "), expected " + (typeof expected == "string" ? "[" + codes(expected) + "]" : expected));
}

var inpage = [
  ["empty", bytes(), ""],
  ["no marker", bytes("abc"), "abc"],
  ["alef", bytes(4, 0x81), text(0x627)],
  ["beh", bytes(4, 0x82), text(0x628)],
  ["teh marbuta", bytes(4, 0xB9), text(0x629)],
  ["hyphen", bytes(4, 0xF3), "-"],
  ["space", bytes(4, 0x20), " "],
  ["alef madda", bytes(4, 0x81, 4, 0xB3), text(0x622)],
  ["marked 0xB4 dropped", bytes(4, 0x81, 4, 0xB4), text(0x627)],
  ["trailing marker", bytes(4, 0x81, 4), text(0x627)],
  ["alef madda then x", bytes(4, 0x81, 4, 0xB3, "x"), text(0x622) + "x"],
  ["marker alone", bytes(4), ""],
  ["two markers", bytes(4, 4), ""],
  ["marker then A", bytes(4, "A"), ""],
  ["x beh y", bytes("x", 4, 0x82, "y"), "x" + text(0x628) + "y"],
  ["unmarked 0x81", bytes(0x81), bytes(0x81)],
  ["heh doachashmee", bytes(4, 0xA7), text(0x6BE)]
];
for (var i = 0; i < inpage.length; i++) check("Inpage " + inpage[i][0], tc.Inpage2UniCode(inpage[i][1]), inpage[i][2]);

var marked = "", expected = "";
for (var i = 0; i < 20000; i++) { marked += bytes(4, 0x82); expected += text(0x628); }
check("Inpage 40,000 characters", tc.Inpage2UniCode(marked), expected);
var plain = new Array(32768).join("a");
check("Inpage 32,767 characters", tc.Inpage2UniCode(plain), plain);

var numbers = [
  [7, 3, 0, "007"], [1234, 3, 0, "234"], [3.14159, "Float", 2, "3.14"], [-5, 2, 1, "-05.0"],
  [0.004, 1, 2, "0.00"], [null, 2, 0, "00"], [-0.4, 1, 0, "-0"], [12.5, "Float", "Float", "12.5"],
  [5, 0, 2, ".00"], [1575, 3, 0, "575"], [-7, 3, 0, "-007"], [2.5, 1, 0, "2"], [3.5, 1, 0, "4"],
  ["", 3, 0, "000"], [undefined, 3, 0, "000"], [0.5, 0, 2, ".50"]
];
for (var i = 0; i < numbers.length; i++) {
  var n = numbers[i];
  check("NumberToString " + n.slice(0, 3).join(" "), tc.NumberToString(n[0], n[1], n[2]), n[3]);
}

check("IIF null", tc.IIF(null, 1, "no"), "no");
check("IIF 0", tc.IIF(0, 1, "no"), "no");
check("IIF -1 keeps a number", tc.IIF(-1, 5, "no"), 5);
check("IIF true keeps a double", tc.IIF(true, 2.5, "no"), 2.5);
check("IIF text condition", tc.IIF("false", 1, "no"), "no");
check("IIF chooses a boolean", tc.IIF(1, false, 0), false);

function checkError(name, call, number) {
  checks++;
  try {
    call();
    fail(name, "no error");
  } catch (e) {
    if ((e.number & 0xFFFF) != number) fail(name, "error number " + e.number + " " + e.description);
  }
}
checkError("lower-case float", function () { tc.NumberToString(5, 2, "float"); }, 13);
checkError("overflow", function () { tc.NumberToString(3e9, 3, 0); }, 6);
checkError("IIF condition", function () { tc.IIF("maybe", 1, 2); }, 13);

WScript.Echo("conversions.js: " + checks + " checks, " + failures + " failures");
if (failures == 0) WScript.Echo("ALL PASSED");
WScript.Quit(failures);
