#import <Cocoa/Cocoa.h>

#import "AppKitServices.h"
#import "MainWindow.h"
#import "ScriptRunner.h"
#import "ScriptedServices.h"

#include <cstdio>
#include <cstdlib>
#include <string>

// The application with a script in place of the person, for the end-to-end
// tests: VADEZERAVI_TEST_SCRIPT names the script, VADEZERAVI_TEST_TRANSCRIPT
// the transcript (the script's path with ".out" when unset).
int main(int argc, const char* argv[])
{
    const char* script = std::getenv("VADEZERAVI_TEST_SCRIPT");
    if (script == nullptr || *script == '\0') {
        std::fprintf(stderr, "%s: VADEZERAVI_TEST_SCRIPT names no script\n", argc > 0 ? argv[0] : "VADEzeravi-scripted");
        return 2;
    }
    const char* transcript = std::getenv("VADEZERAVI_TEST_TRANSCRIPT");
    const std::string transcriptPath = transcript && *transcript ? transcript : std::string(script) + ".out";

    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    [NSApplication sharedApplication];
    // Before the window description loads: the pages keep these services.
    ScriptedServices* services = new ScriptedServices;
    AppKitServices::install(services);
    MainWindow* mainWindow = [MainWindow loadWindowDescription];
    startScript(mainWindow, *services, script, transcriptPath.c_str());
    [pool release];
    return NSApplicationMain(argc, argv);
}
