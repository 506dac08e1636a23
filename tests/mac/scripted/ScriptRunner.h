#import <Cocoa/Cocoa.h>

@class MainWindow;
class ScriptedServices;

// Plays a script of actions on the real controls of the window, one line at
// a time once the application runs, and writes what was shown to a
// transcript. `services` answer the alerts and the folder panel for the
// script. The runner stays until the process ends.
//
// One command a line: page, set, type, click, select, answer, folder, show,
// real-alerts, close, focus, show-focus, keys, keyloop, layout, menu,
// pasteboard, clip, capture, note, wait-file (see the runner); lines starting with '#'
// are comments.
void startScript(MainWindow* mainWindow, ScriptedServices& services, const char* scriptPath,
                 const char* transcriptPath);
