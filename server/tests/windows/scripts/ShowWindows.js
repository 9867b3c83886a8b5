// A macro's view of the server's windows: shows them through a TavroCode object, then
// lets windows_checker (argument 1) look at them while this host waits.
// Pass "mismatch" as argument 2 to expect a language the window does not show.
var shell = new ActiveXObject("WScript.Shell");
var checker = WScript.Arguments(0);
var mismatch = WScript.Arguments.length > 1 && WScript.Arguments(1) == "mismatch";
var failures = 0;

function check(step, args) {
    var code = shell.Run('"' + checker + '" ' + args, 0, true);
    if (code != 0) {
        WScript.Echo("FAIL " + step + ": windows_checker " + args + " answered " + code);
        failures++;
    }
}

var o = new ActiveXObject("TavroCodes.TavroCode");
o.ShowKB(0);
o.ShowKB(5);
check("ShowKB(ENGLISH) and ShowKB(5) show nothing", "keyboard none");

var answer = o.ShowKB(2);
if (typeof answer != "undefined") {
    WScript.Echo("FAIL ShowKB answered " + answer + " instead of an empty variant");
    failures++;
}
o.ShowKB(3);
check("ShowKB(Urdu) then ShowKB(Farsi)", mismatch ? "keyboard Urdu" : "keyboard Farsi");
o.ShowKB(0);
o.ShowKB(5);
check("ShowKB(ENGLISH), ShowKB(5) leave the open window", "keyboard Farsi");

o.showAbout();
o.showAbout();
check("showAbout twice", "about");

o = null;
CollectGarbage();
check("keyboard window after the object is released", "keyboard Farsi");
check("About window after the object is released", "about");

WScript.Echo(failures == 0 ? "windows: all checks passed" : "windows: " + failures + " checks failed");
WScript.Quit(failures == 0 ? 0 : 1);
