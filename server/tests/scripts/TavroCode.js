// TavroCode as a JScript macro calls it: every argument goes by value.
// Prints every mismatch and exits 1 if there was one.
// With the argument "mismatch" it adds one wrong expectation, to show that failures fail.
var failures = 0;

function check(what, actual, expected) {
  if (typeof actual !== "number" || actual !== expected) {
    WScript.Echo("mismatch: " + what + " = " + actual + " (" + typeof actual + "), expected " + expected);
    failures++;
  }
}

var tc = new ActiveXObject("TavroCodes.TavroCode");

// Code, Lang, expected result.
var cases = [[97, 0, 97], [97, 1, 1575], [97, 2, 1605], [97, 3, 1588], [78, 3, 0], [97, 7, 97]];
for (var i = 0; i < cases.length; i++) {
  var code = cases[i][0], lang = cases[i][1];
  check("TavroCode(" + code + ", " + lang + ")", tc.TavroCode(code, lang), cases[i][2]);
  check("AsciiCode after the call", code, cases[i][0]);
  check("Lang after the call", lang, cases[i][1]);
}
check("TavroCode(97) with Lang omitted", tc.TavroCode(97), 97);

// Bad calls reach the script as errors with the standard codes.
function errorOf(call) {
  try { call(); } catch (e) { return (e.number >>> 0).toString(16); }
  return "no error";
}
var typeMismatch = "80020005", badParamCount = "8002000e";
var badCalls = [
  ["TavroCode(\"abc\", 1)", function () { tc.TavroCode("abc", 1); }, typeMismatch],
  ["TavroCode()", function () { tc.TavroCode(); }, badParamCount],
  ["TavroCode(97, 1, 2)", function () { tc.TavroCode(97, 1, 2); }, badParamCount]];
for (var b = 0; b < badCalls.length; b++) {
  var got = errorOf(badCalls[b][1]);
  if (got !== badCalls[b][2]) {
    WScript.Echo("mismatch: " + badCalls[b][0] + " gave " + got + ", expected " + badCalls[b][2]);
    failures++;
  }
}

if (WScript.Arguments.length > 0 && WScript.Arguments(0) === "mismatch") {
  check("deliberately wrong", tc.TavroCode(97, 1), 1576);
}

if (failures > 0) {
  WScript.Echo(failures + " mismatch(es)");
  WScript.Quit(1);
}
WScript.Echo("TavroCode.js: all checks passed");
